#pragma once
// The combos the grid window makes. TtsComboGrid is the list of a combo: a grid of its own, hidden
// on its owner's drop-down form until the list drops down, with the settings that say which column
// holds the values and how they are searched and completed. TtsComboBox is the combo definition of
// a grid, a column, a row or a cell: it owns one combo grid.

#include "grid/model/Combo.h"
#include "grid/window/Grid.h"

#include <QPointer>

#include <cstdint>

namespace grid {

enum TtsComboCompareType : std::uint8_t { ctCaseSensitive, ctCaseInsensitive, ctOwn };
enum TtsComboAutoSearchType : std::uint8_t { asNone, asTop, asBottom, asCenter };
enum TtsConvertCase : std::uint8_t { afcOnEdit, afcOnExit, afcNone };

class TtsComboBox;
class TtsDropDownForm;

class TtsComboGrid : public TtsBaseGrid {
 public:
  // On the drop-down form of the grid whose cells use it; its errors carry "<owner>.Combo: ".
  explicit TtsComboGrid(TtsDropDownForm& form);

  TtsBaseGrid* OwnerGrid() const { return owner_; }
  TtsComboBox* Combo() const { return combo_; }
  void SetCombo(TtsComboBox* combo) { combo_ = combo; }

  int DropDownRows() const { return dropDownRows_; }
  void SetDropDownRows(int rows);
  int DropDownCols() const { return dropDownCols_; }
  void SetDropDownCols(int cols);
  int ValueCol = 1;  // the data column whose value goes into the cell
  bool ValueColSorted = false;
  TtsComboCompareType CompareType = ctCaseInsensitive;
  TtsComboAutoSearchType AutoSearch = asNone;
  bool AutoFill() const { return autoFill_; }
  void SetAutoFill(bool on);  // on with asNone makes the search asTop (not while loading)
  TtsConvertCase AutoFillConvertCase = afcOnEdit;
  TtsDropDownStyle DropDownStyle() const { return dropDownStyle_; }
  void SetDropDownStyle(TtsDropDownStyle style);  // the owner's editor follows

  // Size of the list for a number of visible columns and rows (0 or less: the present size).
  int DropDownWidth(int cols) const;
  int DropDownHeight(int rows) const;
  QSize DropDownExtent(int cols, int rows) const;
  // Bounds set to the extent when it differs.
  void SizeDropDown(int cols, int rows);
  // Copies another list's grid and settings.
  void AssignList(const TtsComboGrid& source);
  // While held (counted), a change of DropDownRows or DropDownCols does not size the open list.
  void HoldResize(bool hold) { resizeHeld_ += hold ? 1 : (resizeHeld_ > 0 ? -1 : 0); }
  bool ResizeHeld() const { return resizeHeld_ > 0; }

 protected:
  // Each value the list loads goes on to the owner's OnComboCellLoaded.
  void CellValueLoaded(int dataCol, int dataRow, TtsCellValue& value) override;

 private:
  int VisibleDataRows() const;
  QPointer<TtsBaseGrid> owner_;
  TtsComboBox* combo_ = nullptr;
  int dropDownRows_ = 4;
  int dropDownCols_ = 1;
  bool autoFill_ = false;
  int resizeHeld_ = 0;
  TtsDropDownStyle dropDownStyle_ = ddDropDown;
};

class TtsComboBox : public TtsCombo {
 public:
  // Makes its list on the grid's drop-down form, hidden; outside a stream load the list takes the
  // grid's look and the starting settings.
  explicit TtsComboBox(TtsBaseGrid& grid);
  ~TtsComboBox() override;
  TtsComboBox(const TtsComboBox&) = delete;
  TtsComboBox& operator=(const TtsComboBox&) = delete;

  TtsComboGrid& ComboGrid() const { return *comboGrid_; }

  TtsDropDownStyle DropDownStyle() const override { return comboGrid_->DropDownStyle(); }
  void SetDropDownStyle(TtsDropDownStyle style) override { comboGrid_->SetDropDownStyle(style); }
  void SetDefaultColWidth(int width) override { comboGrid_->SetDefaultColWidth(width); }
  void Assign(const TtsCombo& source) override;
  // Every property of the list back to a new grid's, the owner told first; an open list is sized again.
  void Reset();

 private:
  TtsBaseGrid& grid_;
  QPointer<TtsComboGrid> comboGrid_;
};

// The list of a combo the grid window made; none for other combos.
TtsComboGrid* ComboGridOf(const TtsCombo* combo);

}  // namespace grid
