// The current cell: which cells can take it, storing and reporting a new position, the moves with
// and without the cell-leave check, and the insert row of gmEditInsert that turns into a data row
// when the current cell enters it.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/Grid.h"

#include <algorithm>
#include <functional>

namespace grid {

// Search rules --------------------------------------------------------------------------------------

namespace {

// A column or row that can take the current cell: visible, selectable when asked (or in list-box
// mode), writable when asked (never asked in list-box mode).
struct Enterable {
  bool visible;
  bool frozen;
  bool readOnly;
};

bool Accepts(const Enterable& item, bool excludeReadOnly, bool requireSelectable, TtsGridMode mode, bool selectFixed)
{
  if (!item.visible)
    return false;
  if ((requireSelectable || mode == gmListBox) && item.frozen && !selectFixed)
    return false;
  return !(excludeReadOnly && mode != gmListBox && item.readOnly);
}

}  // namespace

// Display columns 1..Cols, display rows 1..last (the insert row included).
std::function<bool(int)> TtsBaseGrid::ColAccepts(bool excludeReadOnly, bool requireSelectable) const
{
  return [=, this](int c) {
    const TtsCol& column = model_.Col(model_.DataColOf(c));
    const Enterable item{column.Visible(), c < FixedCols(), column.ReadOnly()};
    return Accepts(item, excludeReadOnly, requireSelectable, GridMode(), SelectFixed);
  };
}

std::function<bool(int)> TtsBaseGrid::RowAccepts(bool excludeReadOnly, bool requireSelectable) const
{
  return [=, this](int r) {
    const int dataRow = model_.DataRowOf(r);
    const Enterable item{RowVisible(dataRow), r < FixedRows(), RowReadOnly(dataRow)};
    return Accepts(item, excludeReadOnly, requireSelectable, GridMode(), SelectFixed);
  };
}

namespace {

// The first position from `from` towards `to` (either way) that `accepts` takes.
template <class Test>
bool Scan(int from, int to, Test accepts, int& found)
{
  const int step = from <= to ? 1 : -1;
  for (int p = from; p != to + step; p += step) {
    if (accepts(p)) {
      found = p;
      return true;
    }
  }
  return false;
}

}  // namespace

bool TtsBaseGrid::NextEnterableCol(int from, bool excludeReadOnly, bool requireSelectable, int& col) const
{
  const int first = std::max(from + 1, 1);
  return first <= Cols() && Scan(first, Cols(), ColAccepts(excludeReadOnly, requireSelectable), col);
}

bool TtsBaseGrid::PrevEnterableCol(int from, bool excludeReadOnly, bool requireSelectable, int& col) const
{
  const int first = std::min(from - 1, Cols());
  return first >= 1 && Scan(first, 1, ColAccepts(excludeReadOnly, requireSelectable), col);
}

bool TtsBaseGrid::NextEnterableRow(int from, bool excludeReadOnly, bool requireSelectable, int& row) const
{
  const int first = std::max(from + 1, 1);
  return first <= GridRows() - 1 && Scan(first, GridRows() - 1, RowAccepts(excludeReadOnly, requireSelectable), row);
}

bool TtsBaseGrid::PrevEnterableRow(int from, bool excludeReadOnly, bool requireSelectable, int& row) const
{
  const int first = std::min(from - 1, GridRows() - 1);
  return first >= 1 && Scan(first, 1, RowAccepts(excludeReadOnly, requireSelectable), row);
}

int TtsBaseGrid::FirstEnterableCol(bool excludeReadOnly, bool requireSelectable) const
{
  int col = 0;
  return NextEnterableCol(0, excludeReadOnly, requireSelectable, col) ? col : 0;
}

int TtsBaseGrid::LastEnterableCol(bool excludeReadOnly, bool requireSelectable) const
{
  int col = 0;
  return PrevEnterableCol(Cols() + 1, excludeReadOnly, requireSelectable, col) ? col : 0;
}

int TtsBaseGrid::FirstEnterableRow(bool excludeReadOnly, bool requireSelectable) const
{
  int row = 0;
  return NextEnterableRow(0, excludeReadOnly, requireSelectable, row) ? row : 0;
}

int TtsBaseGrid::LastEnterableRow(bool excludeReadOnly, bool requireSelectable) const
{
  int row = 0;
  if (PrevEnterableRow(Rows() + 1, excludeReadOnly, requireSelectable, row))
    return row;
  return GridMode() == gmEditInsert && InsertRowPresent() ? GridRows() - 1 : 0;
}

int TtsBaseGrid::FirstScrollableEnterableCol() const
{
  int col = 0;
  return NextEnterableCol(FixedCols() - 1, false, false, col) ? col : 0;
}

int TtsBaseGrid::FirstScrollableEnterableRow() const
{
  int row = 0;
  return NextEnterableRow(FixedRows() - 1, false, false, row) ? row : FixedRows();
}

// Reading order forwards or backwards: within a row by enterable columns, then on to the next
// (previous) enterable row, starting before its first (after its last) column.
bool TtsBaseGrid::WalkEnterableCell(bool forward, int col, int row, bool editableOnly, int& newCol, int& newRow) const
{
  const int rowStart = forward ? 0 : Cols() + 1;
  if (row <= 0) {
    row = FirstEnterableRow(false, false);
    if (row == 0)
      return false;
    col = rowStart;
  }
  for (;;) {
    int next = 0;
    while (forward ? NextEnterableCol(col, false, false, next) : PrevEnterableCol(col, false, false, next)) {
      col = next;
      if (!editableOnly || IsCellEditable(model_.DataColOf(col), model_.DataRowOf(row))) {
        newCol = col;
        newRow = row;
        return true;
      }
    }
    if (!(forward ? NextEnterableRow(row, false, false, row) : PrevEnterableRow(row, false, false, row)))
      return false;
    col = rowStart;
  }
}

bool TtsBaseGrid::NextEnterableCell(int col, int row, bool editableOnly, int& newCol, int& newRow) const
{
  return WalkEnterableCell(true, col, row, editableOnly, newCol, newRow);
}

bool TtsBaseGrid::PrevEnterableCell(int col, int row, bool editableOnly, int& newCol, int& newRow) const
{
  return WalkEnterableCell(false, col, row, editableOnly, newCol, newRow);
}

bool TtsBaseGrid::IsCellEditable(int dataCol, int dataRow) const
{
  if (!model_.Col(dataCol).Visible() || !RowVisible(dataRow))
    return false;
  if (Designing() && StoreData())
    return true;
  // The cell's own setting decides; in the modes without editing the column's and row's do.
  if (GridMode() == gmEdit || GridMode() == gmEditInsert)
    return !model_.IsCellReadOnly(dataCol, dataRow);
  return !model_.Col(dataCol).ReadOnly() && !RowReadOnly(dataRow);
}

bool TtsBaseGrid::IsCellReadOnly(int dataCol, int dataRow) const
{
  if (dataCol < 1 || dataCol > Cols() || dataRow < 1 || dataRow > GridRows() - 1)
    return false;
  return !IsCellEditable(dataCol, dataRow);
}

// Storing and reporting -----------------------------------------------------------------------------

void TtsBaseGrid::StoreCurrentPosition(int displayCol, int displayRow)
{
  const int oldCol = CurrentDataCol();
  const int oldRow = CurrentDataRow();
  previousCurrent_ = {model_.CurrentDisplayCol(), model_.CurrentDisplayRow()};
  model_.SetCurrentCell(displayCol, displayRow);
  if (CurrentDataCol() != oldCol || CurrentDataRow() != oldRow) {
    if (currentCell_)
      currentCell_->ClearValue();
    editorCaretMode_ = 0;
    editMode_ = AlwaysShowEditor;
  }
}

void TtsBaseGrid::SetCurrentPosition(int displayCol, int displayRow, bool repaint)
{
  StoreCurrentPosition(displayCol, displayRow);
  UpdateInsertRow(repaint);
}

void TtsBaseGrid::NotifyCellMoved()
{
  const int col = CurrentDataCol();
  const int row = CurrentDataRow();
  const int oldCol = lastCol_;
  const int oldRow = lastRow_;
  if (col == oldCol && row == oldRow)
    return;
  lastCol_ = col;
  lastRow_ = row;
  if (col != oldCol && GridMode() != gmListBox)
    FireChange(OnColChanged, oldCol, col);
  if (row != oldRow)
    FireChange(OnRowChanged, oldRow, row);
  // The combo list loads again for the new cell, and a typed search starts afresh.
  if (HasDropDowns()) {
    DropDowns().InvalidateComboLayout();
    DropDowns().ClearComboSearch();
  }
  FireChange(OnCellChanged, oldCol, col, oldRow, row);
}

// The insert row ------------------------------------------------------------------------------------

void TtsBaseGrid::UpdateInsertRow(bool repaint)
{
  if (GridMode() != gmEditInsert)
    return;
  const int last = GridRows() - 1;
  if (model_.CurrentDisplayRow() == last) {
    if (!InsertRowPresent())
      return;
    CommitInsertRow();
    if (repaint)
      InvalidateRow(last);
    return;
  }
  if (!InsertRowPresent() && lastRow_ >= 1 && model_.DisplayRowOf(lastRow_) == last)
    RestoreInsertRow();
}

// The unedited new row goes back to being the insert row.
void TtsBaseGrid::RestoreInsertRow()
{
  const int row = Rows();
  model_.SetInsertRowPresent(1);
  previousInsertRow_ = 1;
  if (store_)
    store_->DeleteRows(row, row);
  SetStoreSizeHints();
  FireChange(OnRowCountChanged, row, row - 1);
  FireChange(OnDeleteRow, row, true);
  InvalidateRow(GridRows() - 1);
}

// Moves -----------------------------------------------------------------------------------------------

// The move of the count and delete operations: stored, scrolled into view and reported.
void TtsBaseGrid::PlaceCurrentCell(int displayCol, int displayRow)
{
  const int oldCol = model_.CurrentDisplayCol();
  const int oldRow = model_.CurrentDisplayRow();
  StoreCurrentPosition(displayCol, displayRow);
  model_.InvalidateCell(oldCol, oldRow);
  model_.InvalidateCell(displayCol, displayRow);
  if (displayRow != oldRow) {  // the row bar's arrow moves with the row
    InvalidateCell(0, oldRow);
    InvalidateCell(0, displayRow);
  }
  if (displayCol >= FixedCols() && displayRow >= FixedRows() && displayCol < GridCols() && displayRow < GridRows())
    ScrollIntoView({displayCol, displayRow});
  ShowEditor();
  NotifyCellMoved();
}

void TtsBaseGrid::MoveToCol(int displayCol, bool hideFocusFirst, bool excludeReadOnly, bool requireSelectable)
{
  int col = 0;
  if (!NextEnterableCol(displayCol - 1, excludeReadOnly, requireSelectable, col) &&
      !PrevEnterableCol(displayCol, excludeReadOnly, requireSelectable, col))
    col = FirstEnterableCol(false, false);
  const bool same = col == model_.CurrentDisplayCol();
  if (!same) {
    HideEditor(false);
    if (hideFocusFirst)
      HideFocus(false);
    SetCurrentPosition(col, model_.CurrentDisplayRow(), true);
  }
  currentCell_->ClearValue();
  editorCaretMode_ = 0;
  ShowEditor();
  ShowFocus(false);
  NotifyCellMoved();
}

void TtsBaseGrid::MoveToRow(int displayRow, bool hideFocusFirst, bool excludeReadOnly, bool requireSelectable)
{
  int row = 0;
  if (NextEnterableRow(displayRow - 1, excludeReadOnly, requireSelectable, row)) {
    if (model_.IsInsertRow(row) && InsertRowPresent())
      row = std::max(LastEnterableRow(excludeReadOnly, requireSelectable), 0);
  } else if (!PrevEnterableRow(displayRow, excludeReadOnly, requireSelectable, row)) {
    row = 0;
  }
  row = std::min(row, Rows());
  const int oldRow = model_.CurrentDisplayRow();
  if (row != oldRow) {
    HideEditor(false);
    if (hideFocusFirst)
      HideFocus(false);
    InvalidateCell(0, oldRow);
    SetCurrentPosition(model_.CurrentDisplayCol(), row, true);
    InvalidateCell(0, row);
  }
  currentCell_->ClearValue();
  editorCaretMode_ = 0;
  ShowEditor();
  ShowFocus(false);
  NotifyCellMoved();
}

void TtsBaseGrid::FixCurrentCell()
{
  MoveToCol(model_.CurrentDisplayCol(), false, SkipsReadOnly(), IsListBoxSingleRow());
  MoveToRow(model_.CurrentDisplayRow(), false, SkipsReadOnly(), IsListBoxSingleRow());
}

void TtsBaseGrid::RelocateCurrentCell(int dataCol, int dataRow)
{
  const int col = model_.DisplayColOf(dataCol);
  const int row = model_.DisplayRowOf(dataRow);
  if (col == model_.CurrentDisplayCol() && row == model_.CurrentDisplayRow()) {
    NotifyCellMoved();
    return;
  }
  const int oldRow = model_.CurrentDisplayRow();
  HideFocus(false);
  SetCurrentPosition(col, row, true);
  ShowFocus(false);
  NotifyCellMoved();
  if (row != oldRow)
    InvalidateCell(0, row);
}

void TtsBaseGrid::SetCurrentDataCell(int dataCol, int dataRow)
{
  const int col = model_.DisplayColOf(dataCol);
  const int row = model_.DisplayRowOf(dataRow);
  const int oldRow = model_.CurrentDisplayRow();
  if (col == model_.CurrentDisplayCol() && row == oldRow)
    return;
  if (row != oldRow && IsListBoxSingleRow() && model_.RowSelection().Selected(oldRow)) {
    InvalidateRow(oldRow);
    SetRowSelected(CurrentDataRow(), false);
  }
  model_.InvalidateCell(model_.CurrentDisplayCol(), oldRow);
  if (row != oldRow)
    InvalidateCell(0, oldRow);
  SetCurrentPosition(col, row, true);
  model_.InvalidateCell(col, row);
  if (row != oldRow)
    InvalidateCell(0, row);
}

void TtsBaseGrid::MoveCurrentCell(int displayCol, int displayRow)
{
  if (displayCol == model_.CurrentDisplayCol() && displayRow == model_.CurrentDisplayRow())
    return;
  if (displayCol < 0 || displayCol >= GridCols() || displayRow < 0 || displayRow >= GridRows())
    return;
  if (!CanLeaveCell(model_.DataColOf(displayCol), model_.DataRowOf(displayRow), true))
    return;
  HideEditor(false);
  HideFocus(false);
  SetCurrentDataCell(model_.DataColOf(displayCol), model_.DataRowOf(displayRow));
  if (displayCol >= FixedCols() && displayRow >= FixedRows())
    ScrollIntoView({model_.CurrentDisplayCol(), model_.CurrentDisplayRow()});
  ShowEditor();
  ShowFocus(false);
  NotifyCellMoved();
  SelectionFollowsRow();
  FirePendingSelectChanged();
}

void TtsBaseGrid::SetCurrentDataCol(int dataCol)
{
  if (dataCol < 0 || dataCol > GridCols() - 1)
    return;
  MoveCurrentCell(model_.DisplayColOf(dataCol), model_.CurrentDisplayRow());
}

void TtsBaseGrid::SetCurrentDataRow(int dataRow)
{
  if (dataRow < 0 || dataRow > GridRows() - 1)
    return;
  MoveCurrentCell(model_.CurrentDisplayCol(), model_.DisplayRowOf(dataRow));
}

// Grid-mode predicates ------------------------------------------------------------------------------

bool TtsBaseGrid::EditingAllowed() const
{
  return (GridMode() == gmEdit || GridMode() == gmEditInsert) && SelectionKind() == 0;
}

bool TtsBaseGrid::EditingOrBrowseAllowed() const
{
  return (GridMode() == gmEdit || GridMode() == gmEditInsert || GridMode() == gmBrowse) && SelectionKind() == 0;
}

bool TtsBaseGrid::CanEditCells() const { return !Designing() && EditingAllowed() && Rows() > 0 && Cols() > 0; }

bool TtsBaseGrid::CanShowEditor() const
{
  return !Designing() && EditingOrBrowseAllowed() && Rows() > 0 && Cols() > 0;
}

bool TtsBaseGrid::IsListBoxSingleRow() const { return GridMode() == gmListBox && rowSelectMode_ == rsSingle; }

bool TtsBaseGrid::IsGridFocused() const
{
  return hasFocus() || (activeEditor_ && activeEditor_->Focused());
}

void TtsBaseGrid::BlockReadOnlyQuery(bool release)
{
  if (!release)
    ++readOnlyQueryBlock_;
  else if (readOnlyQueryBlock_ > 0)
    --readOnlyQueryBlock_;
}

}  // namespace grid
