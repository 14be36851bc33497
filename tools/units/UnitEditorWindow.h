#pragma once
// The unit-table editor: the categories of one table of the converter, the units of the category
// chosen and the square grid of its factors. It writes the whole table file and has the converter
// read it again. The categories not being edited come from the converter's tables in memory.

#include "tools/units/UnitConverterModel.h"

#include "platform/Form.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QToolButton;

namespace grid {
class TtsGrid;
}
namespace platform {
class TPopupMenu;
}

namespace tools {

class TfrmUnitDef : public platform::Form {
public:
  // The tables of the converter are edited; the files are in the folder (ending in a separator), and
  // reload has the converter read a table file again.
  TfrmUnitDef(TUnitConverter& converter, const QString& folder, std::function<void(TUnitSet)> reload,
              QWidget* parent = nullptr);
  ~TfrmUnitDef() override;

  // Fills the grids from a table and shows the window.
  void Open(TUnitSet set);

  TUnitSet Set() const { return set_; }
  int CurrentCategory() const { return current_; }
  bool CategoriesChanged() const { return categoriesChanged_; }
  bool UnitsChanged() const { return unitsChanged_; }
  QString TablePath() const;

  // Controls
  grid::TtsGrid* tsgCat = nullptr;   // "Categories"
  grid::TtsGrid* tsgUnit = nullptr;  // "Units"
  grid::TtsGrid* tsgCoef = nullptr;  // the factors: column 1 the unit names, column u + 1 unit u
  QToolButton* sbtSave = nullptr;
  QToolButton* spbNew = nullptr;
  std::unique_ptr<platform::TPopupMenu> pumCat;
  std::unique_ptr<platform::TPopupMenu> pumUnit;

  // Commands
  void SaveAndReload();     // sbtSave
  void NewCategory();       // spbNew
  void AddCategoryRow();    // Down on the last category row
  void AskDeleteCategory(); // Ctrl+Delete on the categories
  void AddUnit();           // Down on the last unit row
  void AskDeleteUnit();     // Ctrl+Delete on the units

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void BuildGrids();
  void WireGrids();
  const TUnitTable& Stored() const { return converter_.Table(set_); }
  int StoredCount() const { return static_cast<int>(Stored().Categories.size()); }

  void FillCategoryNames();
  void FillCategory(int index);
  void ShowNewCategory();
  void ChangeCategory(int oldRow, int newRow);
  void CategoryNameEdited(int row);
  void UnitNameEdited(int row);
  void FactorEdited(int col, int row);
  void NameUnit(int row, const std::string& name);
  void RemoveUnit(int row);
  // The factor grid covers at least n units: new cells 0, new diagonal cells 1.
  bool CoverUnits(int n);
  void EndEdits();
  // Writes the table with the grids' data as category `editedRow`; false (the user told) on failure.
  bool Save(int editedRow);
  TUnitCategory EditedCategory(const std::string& name) const;
  bool WriteTable(const TUnitTable& table);
  void Layout();
  static std::string Numbered(const char* prefix, int number);  // "Unit #3"

  TUnitConverter& converter_;
  QString folder_;
  std::function<void(TUnitSet)> reload_;
  TUnitSet set_ = TUnitSet::General;
  int current_ = 0;
  bool categoriesChanged_ = false;
  bool unitsChanged_ = false;
  bool busy_ = false;  // while the program fills the grids, their events change nothing
};

}  // namespace tools
