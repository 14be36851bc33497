#pragma once
// The unit converter window: a category chosen from the General or Custom menu shows its units in the
// grid, and a value typed for one unit shows in every other. What it shows lives in TUnitConverter;
// the window holds the controls and their wiring.

#include "tools/units/UnitConverterModel.h"

#include "platform/Form.h"

#include <QString>
#include <functional>
#include <memory>

class QLabel;

namespace grid {
class TtsGrid;
}
namespace platform {
class TMainMenu;
class TMenuItem;
}  // namespace platform

namespace tools {

class TfrmUnitDef;

class TfmConv : public platform::Form {
public:
  // The results show with the main window's display digits, asked for at each conversion. The tables
  // Vexal.unt, then Vexal.gun, are read from the folder (ending in a separator).
  TfmConv(std::function<int()> displayDigits, const QString& folder, QWidget* parent = nullptr);
  ~TfmConv() override;

  TUnitConverter& Converter() { return converter_; }
  // The unit-table editor the "&Create/edit categories" items open.
  TfrmUnitDef& UnitEditor() { return *frmUnitDef_; }

  // Controls
  std::unique_ptr<platform::TMainMenu> MainMenu1;
  platform::TMenuItem* mmiGCat = nullptr;   // "&General": one item per general category
  platform::TMenuItem* mmiGUser = nullptr;  // "&Custom": one item per custom category
  QWidget* Panel1 = nullptr;
  grid::TtsGrid* tsgUnit = nullptr;
  QLabel* lbUnit = nullptr;
  QLabel* lbTo = nullptr;

  // The category of a menu item shown in the grid, its item checked.
  void ShowCategory(platform::TMenuItem& item, TUnitSet set);
  // The grid's edit of a value cell: the other rows get the typed value converted.
  void ValueEdited(int dataRow);
  // Reads a table file again: its menu is rebuilt, and the category shown is shown again when it is
  // still there, else none is.
  void ReloadUnits(TUnitSet set);

private:
  void BuildMenus();
  void BuildGrid();
  // Reads a table, adds its menu items; a damaged table is reported with its message.
  void LoadUnits(TUnitSet set);
  QString TablePath(TUnitSet set) const;
  void ShowNone();
  void ShowUnitOfRow(int dataRow);
  void SetValueColor(int dataRow, bool number);

  std::function<int()> displayDigits_;
  QString folder_;
  TUnitConverter converter_;
  platform::TMenuItem* shownItem_ = nullptr;
  bool busy_ = false;  // while set, the grid's edits convert nothing
  std::unique_ptr<TfrmUnitDef> frmUnitDef_;  // edits converter_'s tables
};

}  // namespace tools
