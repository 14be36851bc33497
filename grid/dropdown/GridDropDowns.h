#pragma once
// TtsGridDropDowns: a grid's drop-downs. The working combo whose list drops down under a combo
// cell (a cell's own combo loaded into it), its drop-down form, opening, sizing, placing and closing
// the list, a chosen row becoming the cell's value, the keyboard search and auto-fill of combo cells,
// and the date-time chooser of date-time cells. The grid makes one on first need.

#include "grid/dropdown/ComboGrid.h"
#include "grid/dropdown/ComboSearch.h"
#include "grid/dropdown/DateTimeChooser.h"
#include "grid/dropdown/DropDownCell.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownHooks.h"
#include "grid/dropdown/SystemDateFormat.h"

#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace grid {

using TtsComboCellEvent = std::function<void(TtsBaseGrid& sender, TtsCombo& combo, int dataCol, int dataRow)>;
// A value the list of a combo loaded for one of its cells, on its way to the list.
using TtsComboCellLoadedEvent =
    std::function<void(TtsBaseGrid& sender, TtsComboGrid& combo, int dataCol, int dataRow, TtsCellValue& value)>;
using TtsComboGetValueEvent = std::function<void(TtsBaseGrid& sender, TtsCombo& combo, int gridDataCol,
                                                 int gridDataRow, int comboDataRow, TtsCellValue& value)>;
using TtsComboCompareValueEvent =
    std::function<void(TtsBaseGrid& sender, TtsCombo& combo, const std::string& a, const std::string& b, int& result)>;
using TtsComboLCompareValueEvent = std::function<void(TtsBaseGrid& sender, TtsCombo& combo, const std::string& a,
                                                      const std::string& b, int& result, int length)>;
using TtsDateTimeCellEvent =
    std::function<void(TtsBaseGrid& sender, TtsDateTimeChooser& chooser, int dataCol, const TtsCellValue& dataRow)>;
using TtsDateTimeGetValueEvent = std::function<void(TtsBaseGrid& sender, TtsDateTimeChooser& chooser, int dataCol,
                                                    const TtsCellValue& dataRow, TtsCellValue& value)>;

// Where a drop-down of a size goes on a screen, below the cell whose bottom-left is at point (or
// above it when it does not fit below), moved left to fit, never past the top or left edge.
QPoint PlaceBelowCell(QPoint point, QSize size, int cellTop, QSize screen);
// The middle of the screen, never left of or above its edges.
QPoint CentreOnScreen(QSize size, QSize screen);

class TtsGridDropDowns : public TtsDropDownOwner {
 public:
  explicit TtsGridDropDowns(TtsBaseGrid& grid);
  ~TtsGridDropDowns() override;
  TtsGridDropDowns(const TtsGridDropDowns&) = delete;
  TtsGridDropDowns& operator=(const TtsGridDropDowns&) = delete;

  // Events of the grid.
  TtsComboCellEvent OnComboDropDown;
  TtsComboCellEvent OnComboRollUp;
  TtsComboCellEvent OnComboInit;
  TtsComboCellLoadedEvent OnComboCellLoaded;
  TtsComboGetValueEvent OnComboGetValue;
  TtsComboCompareValueEvent OnComboCompareValue;
  TtsComboLCompareValueEvent OnComboLCompareValue;
  TtsDateTimeCellEvent OnDateTimeInit;
  TtsDateTimeCellEvent OnDateTimeDropDown;
  TtsDateTimeCellEvent OnDateTimeRollUp;
  TtsDateTimeGetValueEvent OnDateTimeGetValue;

  // The current cell's side: the in-cell editor when the grid gives one, else the stored value.
  void SetCell(TtsDropDownCell* cell) { cell_ = cell; }
  TtsDropDownCell* GivenCell() const { return cell_; }
  TtsDropDownCell& Cell() const { return cell_ ? *cell_ : *storedCell_; }
  // The screen the drop-downs are placed on (the primary screen's size by default).
  QSize ScreenSize() const;
  void SetScreenSize(QSize size) { screenSize_ = size; }
  // Milliseconds for the incremental search (a steady clock by default).
  std::function<std::int64_t()> Clock;
  // Date and time texts follow these conventions (the system's by default).
  TtsDateFormat DateFormat;

  // The working combo and its form, made on first use.
  std::unique_ptr<TtsCombo> CreateCombo();
  TtsComboBox& GridCombo();
  bool HasGridCombo() const { return gridCombo_ != nullptr; }
  TtsDropDownForm& ComboDropDownForm();
  TtsCombo* ActiveCombo() const { return activeCombo_; }
  bool ComboLoaded() const { return comboLoaded_; }
  // The data cell whose drop-down is open; (-1, -1) when none.
  QPoint DropDownCell() const { return dropDownCell_; }
  // The look of the owner and the fixed settings of a list; a new combo's starting settings.
  void SetupComboGrid(TtsComboGrid& list);
  void InitCombo(TtsComboBox& combo);
  void SetupDropDownForm(TtsDropDownForm& form);

  bool IsComboDroppedDown() const;
  bool IsDateTimeDroppedDown() const;
  bool IsDropDownShown() const { return IsComboDroppedDown() || IsDateTimeDroppedDown(); }
  bool CloseComboDropDown(bool showParentForm, bool updateNow);
  bool CloseDateTimeDropDown(bool showParentForm, bool updateNow);
  // The combo list with its roll-up, or else the date-time drop-down with its roll-up.
  void CloseDropDowns(bool showParentForm);

  // Opening and closing the list of a combo cell.
  void ToggleComboDropDown(int dataCol, int dataRow);
  void OpenComboDropDown(int dataCol, int dataRow);
  void ShowComboDropDown(int dataCol, int dataRow);
  void ResizeDropDown(int cols, int rows, bool force);
  // A list changed its DropDownRows or DropDownCols.
  void ListSizeChanged(TtsComboGrid& list);
  void PlaceDropDown(QWidget& control, int width, int height);
  void LoadComboForCell(int dataCol, int dataRow);
  void BeginComboDropDown(int dataCol, int dataRow);
  void EndComboDropDown();
  // The loaded layout is stale (a column width or the current cell changed; both are also noticed
  // at the next load).
  void InvalidateComboLayout() { layoutValid_ = false; }

  // A row of the list chosen: its value becomes the cell's.
  void ComboRowChosen(int dataColDown, int dataRowDown, int dataColUp, int dataRowUp);
  TtsCellValue ComboValue(int valueCol);
  void SetComboValue(const TtsCellValue& value);
  void SetCurrentCellValue(const TtsCellValue& value, bool selectText);

  // Combo bookkeeping.
  void ClearActiveCombo() { activeCombo_ = nullptr; }
  void ComboGone(const TtsCombo& combo);
  void ResetGridCombo();
  void UnloadCombo(bool reset);
  void UnloadComboIfActive(const TtsCombo& combo, bool reset);
  // The grid's services.
  void EnsureCombo() { GridCombo(); }
  void ComboChanged(TtsCombo& combo, bool refresh);
  void CloseComboDropDownFor(const TtsCombo& combo);
  void DropComboState(bool refresh);

  // Keyboard search and auto-fill of combo cells.
  const std::string& ComboSearchText() const { return searchText_; }
  void ClearComboSearch();
  void ExpireComboSearch();
  TtsComboSearch Search();
  void ShowComboRow(int row);
  void SyncComboToCell();
  TtsCellValue ComboKeySearch(char key);
  // A key typed into a list-style combo cell: Escape clears the search, any other key searches and
  // writes the value found into the cell. True when the cell was one.
  bool ComboCellKey(char key);
  // The text of an editable combo cell was edited: completed from the list, or the list follows.
  void ComboCellEdited();
  bool AutoFill(bool onExit);
  void AutoFillOnExit();
  void ApplyAutoFill(const TtsCellValue& value, TtsConvertCase convertCase, bool onExit);

  // Date-time cells.
  TtsDateTimeChooserDef* ResolveDateTimeDef(int dataCol, int dataRow) const;
  bool ToggleDateTimeDropDown(int dataCol, int dataRow);
  bool DropDownDateTime(int dataCol, int dataRow);
  void OpenDateTimeDropDown(int dataCol, int dataRow);
  TtsDateTimeChooser* DateTimeControl() const { return dateTimeControl_.get(); }
  TtsDropDownForm* DateTimeForm() const { return dateTimeForm_.get(); }
  bool IsDateTimeControlWindow(const QWidget* window) const;
  TtsCellValue GetDateTimeText(int dataCol, int dataRow);
  void ApplyDateTimeValue();
  void CancelDateTime();
  void DateTimeAccept();
  void DateTimeCancel();
  void ClearDropDownCell();
  void ForgetDateTimeDef();
  void ForgetDateTimeDefIf(const TtsDateTimeDefComponent* definition);
  bool DateTimeModal() const { return dateTimeModal_; }

  // The hooks' view of the grid.
  bool OwnsDropDownWindow(const QWidget* window) const override;
  void CloseDropDownsFromHook() override { CloseDropDowns(false); }
  bool IgnoredByDropDownHooks() const override;

 private:
  QRect ScreenCellRect(int dataCol, int dataRow) const;
  QPoint AnchorCell() const;
  // While the grid is designed the list drops down on the grid's own form instead.
  bool ListOnOwnersForm() const;
  void PlaceOnOwnersForm(QWidget& list, QPoint point, int width, int height);
  bool CellHasComboButton(int dataCol, int dataRow, TtsDropDownStyle& style) const;
  TtsCellValue ValueFromGetValue(int comboRow, const TtsCellValue& fallback);
  void FireComboEvent(const TtsComboCellEvent& event, int dataCol, int dataRow);
  void FireDateTimeEvent(const TtsDateTimeCellEvent& event, int dataCol, int dataRow);
  void FocusGrid();
  void Unregister();
  void PrepareChooser(TtsDateTimeChooserDef* definition);
  void PlaceDateTimeForm();
  void ShowDateTimeForm();

  TtsBaseGrid& grid_;
  std::unique_ptr<TtsStoredDropDownCell> storedCell_;
  TtsDropDownCell* cell_ = nullptr;
  QSize screenSize_;
  std::unique_ptr<TtsDropDownForm> comboForm_;
  std::unique_ptr<TtsComboBox> gridCombo_;
  TtsCombo* activeCombo_ = nullptr;
  bool comboLoaded_ = false;
  bool layoutValid_ = false;
  QPoint layoutCell_{-1, -1};  // the cell and column width the layout was loaded for
  int layoutColWidth_ = -1;
  QPoint searchCell_{-1, -1};   // the cell the search text was typed in
  bool registered_ = false;
  QPoint dropDownCell_{-1, -1};
  std::string searchText_;
  std::int64_t searchTick_ = 0;
  // Date-time.
  std::unique_ptr<TtsDropDownForm> dateTimeForm_;
  std::unique_ptr<TtsDateTimeChooser> dateTimeControl_;
  const TtsDateTimeChooserDef* loadedDateTimeDef_ = nullptr;
  bool dateTimeInitialised_ = false;
  bool dateTimeAccepted_ = false;
  bool dateTimeCancelled_ = false;
  bool dateTimeModal_ = false;
};

}  // namespace grid
