// Moving columns and rows in display order: the maps, each column's DisplayCol or each row's
// display position, the visible lists, the extents, the selections and the current cell follow.

#include "grid/model/GridModel.h"

#include <algorithm>

namespace grid {

namespace {

// Moves the entry at `from` to `to`, shifting the ones between toward `from`.
template <class Vector>
void MoveEntry(Vector& items, int from, int to)
{
  if (from == to || from < 0 || to < 0 || from >= int(items.size()) || to >= int(items.size()))
    return;
  if (from < to)
    std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
  else
    std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
}

std::vector<bool> SelectionBits(const TtsSelection& selection, int count)
{
  std::vector<bool> bits(std::size_t(count + 1));
  for (int i = 0; i <= count; ++i)
    bits[std::size_t(i)] = selection.Selected(i);
  return bits;
}

void StoreSelectionBits(TtsSelection& selection, const std::vector<bool>& bits)
{
  for (int i = 0; i < int(bits.size()); ++i)
    selection.Set(i, bits[std::size_t(i)]);
}

// The current position after a move of `from` to `to`.
int Follow(int current, int from, int to)
{
  if (current == from)
    return to;
  if (to < from && current >= to && current < from)
    return current + 1;
  if (to > from && current > from && current <= to)
    return current - 1;
  return current;
}

}  // namespace

void TtsGridModel::MoveOneColumn(int from, int to, bool patchVisible)
{
  MoveEntry(colMap_, from, to);
  for (int c = std::min(from, to); c <= std::max(from, to); ++c)
    Col(colMap_[std::size_t(c)]).StoreDisplayCol(c);
  if (patchVisible && visibleCols_.VisibleCount() != cols_)
    visibleCols_.Move(from, to);
}

void TtsGridModel::MoveColumnWidth(int from, int to) { MoveEntry(colWidths_, from, to); }

void TtsGridModel::MoveColumnSelection(int from, int to)
{
  if (colSelection_.CountIn(from, to) == 0)
    return;
  std::vector<bool> bits = SelectionBits(colSelection_, cols_);
  MoveEntry(bits, from, to);
  StoreSelectionBits(colSelection_, bits);
}

void TtsGridModel::FollowColumnMove(int from, int to)
{
  const int moved = Follow(currentCol_, from, to);
  if (moved == currentCol_)
    return;
  currentCol_ = moved;
  services_.CurrentCellMoved();
}

void TtsGridModel::FinishMove()
{
  services_.InvalidateGrid();
  services_.UpdateScrollBars();
  RefreshEditor();
}

void TtsGridModel::FinishSingleMove(bool onScreen)
{
  if (onScreen)
    services_.InvalidateGrid();
  services_.UpdateScrollBars();
  services_.ReapplyTopLeft(false);
  RefreshEditor();
}

void TtsGridModel::MoveColumn(int from, int to)
{
  if (from == to || from < 1 || to < 1 || from > cols_ || to > cols_)
    return;
  MoveOneColumn(from, to, true);
  MoveColumnWidth(from, to);
  MoveColumnSelection(from, to);
  FollowColumnMove(from, to);
  if (!ReadingStream)
    services_.ColMoved(to, 1, false);
  FinishSingleMove(services_.ColOnScreen(from) || services_.ColOnScreen(to));
}

void TtsGridModel::MoveOneRow(int from, int to)
{
  rowsOf_.MakeMap();
  MoveEntry(rowMap_, from, to);
  for (int r = std::min(from, to); r <= std::max(from, to); ++r)
    rowsOf_.SetDisplayRowOf(rowMap_[std::size_t(r)], r);
  if (visibleRows_.VisibleCount() != rows_)
    visibleRows_.Move(from, to);
}

void TtsGridModel::MoveRowHeight(int from, int to) { MoveEntry(rowHeights_, from, to); }

void TtsGridModel::MoveRowSelection(int from, int to)
{
  if (rowSelection_.CountIn(from, to) == 0)
    return;
  std::vector<bool> bits = SelectionBits(rowSelection_, rows_);
  MoveEntry(bits, from, to);
  StoreSelectionBits(rowSelection_, bits);
}

void TtsGridModel::FollowRowMove(int from, int to)
{
  const int moved = Follow(currentRow_, from, to);
  if (moved == currentRow_)
    return;
  currentRow_ = moved;
  services_.CurrentCellMoved();
}

void TtsGridModel::MoveRow(int dataRow, int to)
{
  if (dataRow < 1 || dataRow > rows_ || to < 1 || to > rows_)
    return;
  const int from = DisplayRowOf(dataRow);
  if (from == to)
    return;
  MoveOneRow(from, to);
  MoveRowHeight(from, to);
  MoveRowSelection(from, to);
  FollowRowMove(from, to);
  if (!ReadingStream)
    services_.RowMoved(to, 1, false);
  FinishSingleMove(services_.RowOnScreen(from) || services_.RowOnScreen(to));
}

void TtsGridModel::RebuildVisibleColumns()
{
  if (visibleCols_.VisibleCount() == cols_)
    return;
  int position = 0;
  for (int c = 1; c <= cols_ && position < visibleCols_.Count(); ++c) {
    if (Col(DataColOf(c)).Visible())
      visibleCols_.Put(++position, c);
  }
}

void TtsGridModel::RebuildVisibleRows()
{
  if (visibleRows_.VisibleCount() == rows_)
    return;
  int position = 0;
  for (int r = 1; r <= rows_ && position < visibleRows_.Count(); ++r) {
    const TtsRow* row = rowsOf_.At(DataRowOf(r));
    if (!row || row->Visible())
      visibleRows_.Put(++position, r);
  }
}

namespace {

// The single steps of a block move: the selected entries gathered into one block around `to`, in
// their present order. Each step is (from, to) in display positions at the time of the step.
std::vector<std::pair<int, int>> BlockSteps(const TtsSelection& selection, int count, int from, int to)
{
  std::vector<int> before;  // selected positions left of (or, moving right, at or left of) `to`
  std::vector<int> after;
  for (int p = 1; p <= count; ++p) {
    if (!selection.Selected(p))
      continue;
    if (to < from ? p < to : p <= to)
      before.push_back(p);
    else
      after.push_back(p);
  }
  std::vector<std::pair<int, int>> steps;
  if (to < from) {
    int target = to - 1;
    for (auto p = before.rbegin(); p != before.rend(); ++p)
      steps.emplace_back(*p, target--);
    target = to;
    for (int p : after)
      steps.emplace_back(p, target++);
  } else {
    int target = to + 1;
    for (int p : after)
      steps.emplace_back(p, target++);
    target = to;
    for (auto p = before.rbegin(); p != before.rend(); ++p)
      steps.emplace_back(*p, target--);
  }
  return steps;
}

}  // namespace

void TtsGridModel::MoveColumns(int from, int to)
{
  if (from == to || from < 1 || to < 1 || from > cols_ || to > cols_)
    return;
  const int selected = colSelection_.Count();
  if (selected == 0) {
    MoveOneColumn(from, to, true);
    MoveColumnWidth(from, to);
    if (!ReadingStream)
      services_.ColMoved(to, 1, true);
    FinishMove();
    return;
  }
  // With 100 or more selected columns the visible list is rebuilt once at the end.
  const bool patchVisible = selected < 100;
  struct Rebuild {
    TtsGridModel& grid;
    bool due;
    ~Rebuild()
    {
      if (due)
        grid.RebuildVisibleColumns();
    }
  } rebuild{*this, !patchVisible};
  for (const auto& [stepFrom, stepTo] : BlockSteps(colSelection_, cols_, from, to)) {
    MoveOneColumn(stepFrom, stepTo, patchVisible);
    MoveColumnWidth(stepFrom, stepTo);
    MoveColumnSelection(stepFrom, stepTo);
  }
  if (!ReadingStream)
    services_.ColMoved(colSelection_.First(), selected, true);
  FinishMove();
}

void TtsGridModel::MoveRows(int from, int to)
{
  if (from == to || from < 1 || to < 1 || from > rows_ || to > rows_)
    return;
  if (Level.GridMode == gmEditInsert && IsInsertRow(RowCount() - 1))
    rowSelection_.Set(RowCount() - 1, false);
  const int selected = rowSelection_.Count();
  if (selected == 0) {
    MoveOneRow(from, to);
    MoveRowHeight(from, to);
    if (!ReadingStream)
      services_.RowMoved(to, 1, true);
    FinishMove();
    return;
  }
  for (const auto& [stepFrom, stepTo] : BlockSteps(rowSelection_, rows_, from, to)) {
    MoveOneRow(stepFrom, stepTo);
    MoveRowHeight(stepFrom, stepTo);
    MoveRowSelection(stepFrom, stepTo);
  }
  if (!ReadingStream)
    services_.RowMoved(rowSelection_.First(), selected, true);
  FinishMove();
}

void TtsGridModel::SetInsertRowPresent(int present)
{
  previousInsertRowPresent_ = insertRowPresent_;
  insertRowPresent_ = present;
}

}  // namespace grid
