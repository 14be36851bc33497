// The keyboard search and the auto-fill of combo cells.

#include "grid/dropdown/GridDropDowns.h"

#include "grid/dropdown/Finally.h"

#include <algorithm>

namespace grid {

TtsComboSearch TtsGridDropDowns::Search()
{
  TtsComboBox& combo = GridCombo();
  return TtsComboSearch(combo.ComboGrid(), [this, &combo](const std::string& a, const std::string& b, int n) {
    int result = 0;
    grid_.Fire(OnComboCompareValue, static_cast<TtsCombo&>(combo), a, b, result);
    grid_.Fire(OnComboLCompareValue, static_cast<TtsCombo&>(combo), a, b, result, n);
    return result;
  });
}

void TtsGridDropDowns::ClearComboSearch()
{
  searchText_.clear();
  searchTick_ = 0;
}

void TtsGridDropDowns::ExpireComboSearch()
{
  if (searchTick_ != 0 && Clock() - searchTick_ >= TtsComboSearch::kSearchLifetime)
    ClearComboSearch();
}

void TtsGridDropDowns::ShowComboRow(int row)
{
  TtsComboGrid& list = GridCombo().ComboGrid();
  if (row == list.CurrentDataRow())
    return;
  list.LockLayout(false);
  Finally unlock([&] { list.LockLayout(true); });
  list.SetCurrentDataRow(row);
  const int displayRow = list.DisplayRowOfData(row);
  int top = list.TopRow();
  switch (list.AutoSearch) {
    case asTop:
      top = displayRow;
      break;
    case asBottom:
      top = displayRow - list.DropDownRows() + 1;
      break;
    case asCenter:
      top = displayRow - (list.DropDownRows() - 1) / 2;
      break;
    default:
      break;
  }
  list.SetTopLeftLimited(list.LeftCol(), top);
}

void TtsGridDropDowns::SyncComboToCell()
{
  TtsComboGrid& list = GridCombo().ComboGrid();
  if (list.AutoSearch == asNone)
    return;
  bool found = false;
  ShowComboRow(Search().FindComboRow(Cell().Text(), false, found));
}

TtsCellValue TtsGridDropDowns::ComboKeySearch(char key)
{
  TtsComboGrid& list = GridCombo().ComboGrid();
  if (list.AutoSearch == asNone)
    return {};
  const TtsComboSearch search = Search();
  bool found = false;
  const int row = list.ValueColSorted
                      ? search.IncrementalComboFind(key, Cell().Text(), found, searchText_, searchTick_, Clock())
                      : search.FindComboRowByKey(key, Cell().Text(), found);
  if (!found || row == 0)
    return {};
  ShowComboRow(row);
  const TtsCellValue supplied = ValueFromGetValue(row, {});
  if (!supplied.IsEmpty())
    return supplied;
  const std::string value = search.ValueOf(row);
  if (value.empty())
    return {};
  if (list.ValueColSorted || search.Compare(value, std::string(1, key), 1) == 0)
    return TtsCellValue(value);
  return {};
}

bool TtsGridDropDowns::ComboCellKey(char key)
{
  const int col = grid_.CurrentDataCol();
  const int row = grid_.CurrentDataRow();
  TtsDropDownStyle style = ddDropDown;
  if (grid_.Model().ResolveButtonType(col, row, style) != btCombo || style != ddDropDownList ||
      grid_.Model().IsCellReadOnly(col, row))
    return false;
  if (searchCell_ != QPoint(col, row)) {  // the current cell moved since the last key
    ClearComboSearch();
    searchCell_ = {col, row};
  }
  if (key == 27) {
    ClearComboSearch();
    return true;
  }
  LoadComboForCell(col, row);
  SetCurrentCellValue(ComboKeySearch(key), true);
  grid_.update();
  if (IsComboDroppedDown())
    GridCombo().ComboGrid().update();
  return true;
}

void TtsGridDropDowns::ComboCellEdited()
{
  if (!AutoFill(false))
    SyncComboToCell();
}

bool TtsGridDropDowns::AutoFill(bool onExit)
{
  const int col = grid_.CurrentDataCol();
  const int row = grid_.CurrentDataRow();
  LoadComboForCell(col, row);
  TtsComboGrid& list = GridCombo().ComboGrid();
  if (!list.AutoFill() || (onExit && list.AutoFillConvertCase != afcOnExit) || list.AutoSearch == asNone ||
      grid_.Model().ResolveControlType(col, row) != ctText)
    return false;
  const std::string text = Cell().Text();
  if (text.empty())
    return false;
  const TtsComboSearch search = Search();
  bool found = false;
  const int found_row = search.FindComboRow(text, true, found);
  if (!found || found_row == 0)
    return false;
  ShowComboRow(found_row);
  TtsCellValue value = ValueFromGetValue(found_row, {});
  if (value.IsEmpty()) {
    const std::string listed = search.ValueOf(found_row);
    if (!listed.empty())
      value = TtsCellValue(listed);
  }
  ApplyAutoFill(value, list.AutoFillConvertCase, onExit);
  return true;
}

void TtsGridDropDowns::AutoFillOnExit()
{
  const int col = grid_.CurrentDataCol();
  const int row = grid_.CurrentDataRow();
  TtsDropDownStyle style = ddDropDown;
  if (grid_.Model().ResolveButtonType(col, row, style) == btCombo && style == ddDropDown &&
      grid_.Model().ResolveControlType(col, row) == ctText)
    AutoFill(true);
}

void TtsGridDropDowns::ApplyAutoFill(const TtsCellValue& value, TtsConvertCase convertCase, bool onExit)
{
  if (value.IsEmpty() || value.IsNull())
    return;
  const std::string v = CellValueText(value);
  const std::string typed = Cell().Text();
  const TtsComboSearch search = Search();
  if (v.size() < typed.size() || search.Compare(v, typed, int(typed.size())) != 0)
    return;
  if (v.size() == typed.size() || onExit) {
    if (v.size() != typed.size() || v == typed || (!onExit && convertCase != afcOnEdit))
      return;
  }
  const int caret = Cell().CaretPos();
  const std::string filled = onExit || convertCase == afcOnEdit ? v : typed + v.substr(typed.size());
  Cell().ChangeValue(TtsCellValue(filled));
  if (v.size() == typed.size())
    Cell().Select(caret, 0);
  else
    Cell().Select(caret, int(v.size()) - caret);
}

}  // namespace grid
