// Column and row counts and deleting columns and rows: the data counts and the base window's
// display counts kept in step, with the store, the current cell and the count events.

#include "grid/window/Grid.h"

#include <algorithm>
#include <vector>

namespace grid {

namespace {

// An update block for the length of a scope: repaints and layout work wait until it ends.
struct UpdateScope {
  explicit UpdateScope(TtsBaseGrid& grid) : grid_(grid) { grid_.BeginUpdate(); }
  ~UpdateScope() { grid_.EndUpdate(); }
  TtsBaseGrid& grid_;
};

}  // namespace

void TtsBaseGrid::SetCols(int count)
{
  if (colsBeingDeleted_ > 0)
    return;
  count = std::max(count, 0);
  const int old = Cols();
  if (count == old)
    return;
  const int current = CurrentDataCol();
  // Within the row: only the cell edit ends.
  if (count < current && !CanLeaveCell(0, CurrentDataRow(), false))
    return;
  const int currentRow = model_.CurrentDisplayRow();
  {
    UpdateScope update(*this);
    for (int col = old; col > count; --col)
      MoveColToEnd(col, col);
    if (store_ && count < old)
      store_->DeleteCols(count + 1, old);
    SetDisplayColCount(count);
  }
  if (count < current)
    PlaceCurrentCell(NearestCol(count), currentRow);
  else if (model_.CurrentDisplayCol() < 1 && count > 0)
    PlaceCurrentCell(NearestCol(1), currentRow);
  else
    NotifyCellMoved();
  ReportGridStatus();
}

void TtsBaseGrid::SetRows(int count)
{
  if (rowsBeingDeleted_ > 0)
    return;
  count = std::max(count, 0);
  const int old = Rows();
  if (count == old)
    return;
  const int current = CurrentDataRow();
  const bool onInsertRow = InsertRowPresent() && model_.CurrentDisplayRow() == GridRows() - 1;
  // An undo under way ends no edit: its handlers may drop rows.
  if (count < current && !onInsertRow && !undoing_ && !CanLeaveCell(CurrentDataCol(), -1, false))
    return;
  const int currentCol = model_.CurrentDisplayCol();
  {
    UpdateScope update(*this);
    for (int row = old; row > count; --row)
      MoveRowToEnd(row, row + InsertRowPresent());
    if (store_ && count < old)
      store_->DeleteRows(count + 1, old);
    SetDisplayRowCount(count);
  }
  if (onInsertRow)
    PlaceCurrentCell(currentCol, GridRows() - 1);
  else if (count < current)
    PlaceCurrentCell(currentCol, NearestRow(count));
  else if (old == 0 && count > 0)
    PlaceCurrentCell(currentCol, NearestRow(1));
  else
    NotifyCellMoved();
  ReportGridStatus();
}

void TtsBaseGrid::SetDisplayColCount(int count)
{
  model_.SetCols(count);
  colsBeingDeleted_ = 0;
  SetGridCols(count + 1);
  NormalizeFixedCols();
  Invalidate();
}

void TtsBaseGrid::SetDisplayRowCount(int count)
{
  model_.SetRows(count + InsertRowPresent());
  rowsBeingDeleted_ = 0;
  SetGridRows(count + InsertRowPresent() + 1);
  NormalizeFixedRows();
  Invalidate();
}

void TtsBaseGrid::NotifySize(int oldCols, int oldRows)
{
  SetStoreSizeHints();
  if (GridCols() != oldCols)
    FireChange(OnColCountChanged, oldCols - 1, GridCols() - 1);
  if (GridRows() != oldRows) {
    const int oldCount = oldRows - previousInsertRow_ - 1;
    const int newCount = GridRows() - InsertRowPresent() - 1;
    if (oldCount != newCount)
      FireChange(OnRowCountChanged, oldCount, newCount);
  }
  previousInsertRow_ = InsertRowPresent();
  ValidateButtonCells();
  UpdateScrollBars();
}

// Deleting -------------------------------------------------------------------------------------------

void TtsBaseGrid::MoveColToEnd(int dataCol, int endPos)
{
  model_.MoveColToEnd(dataCol, endPos);
  KeepSelectionKind();
  if (currentCell_)
    currentCell_->ColDeleted(dataCol);
}

void TtsBaseGrid::MoveRowToEnd(int dataRow, int endPos)
{
  model_.MoveRowToEnd(dataRow, endPos);
  KeepSelectionKind();
  if (currentCell_)
    currentCell_->RowDeleted(dataRow);
}

void TtsBaseGrid::KeepCurrentDataCell(int displayCol, int displayRow)
{
  const TGridCoord before{model_.CurrentDisplayCol(), model_.CurrentDisplayRow()};
  model_.SetCurrentCell(displayCol, displayRow);  // the same data cell: nothing kept for it is dropped
  PlaceCurrentCell(displayCol, displayRow);
  previousCurrent_ = before;
}

void TtsBaseGrid::ReplaceCurrentCell(int displayCol, int displayRow)
{
  if (currentCell_)
    currentCell_->ClearValue();
  editorCaretMode_ = 0;
  PlaceCurrentCell(displayCol, displayRow);
}

void TtsBaseGrid::DeleteCols(int fromCol, int toCol)
{
  const int count = Cols();
  if (fromCol > count || toCol < 1)
    return;
  fromCol = std::max(fromCol, 1);
  toCol = std::min(toCol, count);
  if (toCol < fromCol)
    return;
  const int currentCol = CurrentDataCol();
  const int currentDisplayCol = model_.CurrentDisplayCol();
  const int currentRow = model_.CurrentDisplayRow();
  const bool currentDeleted = currentCol >= fromCol && currentCol <= toCol;
  if (currentDeleted && !CanLeaveCell(0, CurrentDataRow(), false))
    return;
  int leftOfCurrentDisplay = 0;
  int leftOfCurrentData = 0;
  {
    UpdateScope update(*this);
    int end = GridCols() - 1;
    for (int col = toCol; col >= fromCol; --col) {
      if (model_.DisplayColOf(col) < currentDisplayCol)
        ++leftOfCurrentDisplay;
      if (col < currentCol)
        ++leftOfCurrentData;
      MoveColToEnd(col, end--);
      ++colsBeingDeleted_;
      if (store_)
        store_->DeleteCols(col, col);
      FireChange(OnDeleteCol, col, false);
    }
    SetDisplayColCount(count - (toCol - fromCol + 1));
  }
  if (currentDeleted)
    ReplaceCurrentCell(NearestCol(currentDisplayCol - leftOfCurrentDisplay), currentRow);
  else if (currentCol > 0)
    KeepCurrentDataCell(model_.DisplayColOf(currentCol - leftOfCurrentData), currentRow);
  else
    NotifyCellMoved();
  ReportGridStatus();
}

void TtsBaseGrid::DeleteRows(int fromRow, int toRow)
{
  const int count = Rows();
  if (fromRow > count || toRow < 1)
    return;
  fromRow = std::max(fromRow, 1);
  toRow = std::min(toRow, count);
  if (toRow < fromRow)
    return;
  const int currentRow = CurrentDataRow();
  const int currentDisplayRow = model_.CurrentDisplayRow();
  const int currentCol = model_.CurrentDisplayCol();
  const bool onInsertRow = InsertRowPresent() && currentDisplayRow == GridRows() - 1;
  const bool currentDeleted = !onInsertRow && currentRow >= fromRow && currentRow <= toRow;
  if (currentDeleted && !CanLeaveCell())
    return;
  int aboveCurrentDisplay = 0;
  int aboveCurrentData = 0;
  {
    UpdateScope update(*this);
    int end = GridRows() - 1;
    for (int row = toRow; row >= fromRow; --row) {
      if (model_.DisplayRowOf(row) < currentDisplayRow)
        ++aboveCurrentDisplay;
      if (row < currentRow)
        ++aboveCurrentData;
      MoveRowToEnd(row, end--);
      ++rowsBeingDeleted_;
      if (store_)
        store_->DeleteRows(row, row);
      FireChange(OnDeleteRow, row, false);
    }
    SetDisplayRowCount(count - (toRow - fromRow + 1));
  }
  if (onInsertRow)
    PlaceCurrentCell(currentCol, GridRows() - 1);
  else if (currentDeleted)
    ReplaceCurrentCell(currentCol, NearestRow(currentDisplayRow - aboveCurrentDisplay));
  else if (currentRow > 0)
    KeepCurrentDataCell(currentCol, model_.DisplayRowOf(currentRow - aboveCurrentData));
  else
    NotifyCellMoved();
  ReportGridStatus();
}

}  // namespace grid

namespace grid {

void TtsBaseGrid::DeleteSelectedCols()
{
  TtsSelection& selection = model_.ColSelection();
  std::vector<int> selected;
  for (int p = Cols(); p >= 1; --p) {
    if (selection.Selected(p))
      selected.push_back(p);
  }
  if (selected.empty())
    return;
  const int currentDisplay = model_.CurrentDisplayCol();
  const int currentRow = model_.CurrentDisplayRow();
  const bool currentDeleted = selection.Selected(currentDisplay);
  if (currentDeleted && !CanLeaveCell(0, CurrentDataRow(), false))
    return;
  const int count = Cols();
  const int left = int(std::count_if(selected.begin(), selected.end(), [&](int p) { return p < currentDisplay; }));
  {
    UpdateScope update(*this);
    int end = GridCols() - 1;
    for (int position : selected) {
      const int col = model_.DataColOf(position);
      MoveColToEnd(col, end--);
      ++colsBeingDeleted_;
      if (store_)
        store_->DeleteCols(col, col);
      FireChange(OnDeleteCol, col, false);
    }
    SetDisplayColCount(count - int(selected.size()));
  }
  if (currentDeleted)
    ReplaceCurrentCell(NearestCol(currentDisplay - left), currentRow);
  else
    KeepCurrentDataCell(currentDisplay - left, currentRow);
  SelectionChanged(kSelectCols);
  ReportGridStatus();
  FirePendingSelectChanged();
}

void TtsBaseGrid::DeleteSelectedRows()
{
  TtsSelection& selection = model_.RowSelection();
  std::vector<int> selected;
  for (int p = Rows(); p >= 1; --p) {  // never the insert row
    if (selection.Selected(p))
      selected.push_back(p);
  }
  if (selected.empty())
    return;
  const int currentDisplay = model_.CurrentDisplayRow();
  const int currentCol = model_.CurrentDisplayCol();
  const bool onInsertRow = InsertRowPresent() && currentDisplay == GridRows() - 1;
  const bool currentDeleted = !onInsertRow && selection.Selected(currentDisplay);
  if (currentDeleted && !CanLeaveCell())
    return;
  const int count = Rows();
  const int above = int(std::count_if(selected.begin(), selected.end(), [&](int p) { return p < currentDisplay; }));
  {
    UpdateScope update(*this);
    int end = GridRows() - 1;
    for (int position : selected) {
      const int row = model_.DataRowOf(position);
      MoveRowToEnd(row, end--);
      ++rowsBeingDeleted_;
      if (store_)
        store_->DeleteRows(row, row);
      FireChange(OnDeleteRow, row, false);
    }
    SetDisplayRowCount(count - int(selected.size()));
  }
  if (onInsertRow)
    PlaceCurrentCell(currentCol, GridRows() - 1);
  else if (currentDeleted)
    ReplaceCurrentCell(currentCol, NearestRow(currentDisplay - above));
  else
    KeepCurrentDataCell(currentCol, currentDisplay - above);
  SelectionChanged(kSelectRows);
  ReportGridStatus();
  FirePendingSelectChanged();
}

void TtsBaseGrid::AddInsertRow()
{
  if (GridMode() != gmEditInsert || InsertRowPresent())
    return;
  const int rows = Rows();
  model_.SetInsertRowPresent(1);
  SetDisplayRowCount(rows);
}

void TtsBaseGrid::CommitInsertRow()
{
  if (GridMode() != gmEditInsert || !InsertRowPresent())
    return;
  model_.SetInsertRowPresent(0);  // the insert row is the last data row now
  previousInsertRow_ = 0;
  SetStoreSizeHints();
  FireChange(OnRowCountChanged, Rows() - 1, Rows());
  FireChange(OnInsertRow, Rows(), true);
}

}  // namespace grid
