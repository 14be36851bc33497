// Deleting columns and rows: the one to delete goes to the end of the data and display order, so
// that setting the smaller count cuts it off. Its cell elements go, the later ones are renumbered,
// the font-copy lists follow, and the maps, extents, selections and visible lists move with it.

#include "grid/model/GridModel.h"

#include <algorithm>

namespace grid {

namespace {

template <class Vector>
void MoveToEnd(Vector& items, int from, int to)
{
  if (from >= to || from < 0 || to >= int(items.size()))
    return;
  std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
}

void MoveSelectionToEnd(TtsSelection& selection, int from, int to)
{
  if (from >= to || selection.CountIn(from, to) == 0)
    return;
  std::vector<bool> bits;
  for (int i = from; i <= to; ++i)
    bits.push_back(selection.Selected(i));
  std::rotate(bits.begin(), bits.begin() + 1, bits.end());
  for (int i = from; i <= to; ++i)
    selection.Set(i, bits[std::size_t(i - from)]);
}

// A data index after `index` went to `endPos`.
int Renumbered(int value, int index, int endPos)
{
  if (value == index)
    return endPos;
  return value > index && value <= endPos ? value - 1 : value;
}

}  // namespace

void TtsGridModel::DropCellElements(bool columns, int index)
{
  const TtsIntegerSet* set = columns ? CellRowsOfCol(index) : CellColsOfRow(index);
  if (set) {
    std::vector<int> others;
    const TtsSetList<const int> list = set->ToList();
    for (int i = 1; i <= list.Count(); ++i)
      others.push_back(*list.Get(i));
    for (int other : others) {
      if (columns)
        cellProps_.RemoveElement(index, other);
      else
        cellProps_.RemoveElement(other, index);
    }
  }
  int position = 0;
  int col = 0;
  int row = 0;
  std::vector<std::pair<int, int>> dropped;
  while (keepCopyCells_.Next(position, col, row)) {
    if ((columns ? col : row) == index)
      dropped.emplace_back(col, row);
  }
  for (const auto& [c, r] : dropped)
    keepCopyCells_.Remove(c, r);
}

void TtsGridModel::ShiftFontEntries(bool columns, int index)
{
  TtsIntegerList& list = columns ? keepCopyCols_ : keepCopyRows_;
  list.Remove(index);
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Get(i) > index)
      list.Put(i, list.Get(i) - 1);
  }
  int position = 0;
  int col = 0;
  int row = 0;
  while (keepCopyCells_.Next(position, col, row)) {
    if (columns && col > index)
      keepCopyCells_.Set(position - 2, col - 1, row);
    else if (!columns && row > index)
      keepCopyCells_.Set(position - 2, col, row - 1);
  }
}

void TtsGridModel::RenumberCellElements(bool columns, int index, int endPos)
{
  // Ascending, so that every target is free when its element arrives.
  for (int from = index + 1; from <= endPos; ++from) {
    const TtsIntegerSet* set = columns ? CellRowsOfCol(from) : CellColsOfRow(from);
    if (!set)
      continue;
    std::vector<int> others;
    const TtsSetList<const int> list = set->ToList();
    for (int i = 1; i <= list.Count(); ++i)
      others.push_back(*list.Get(i));
    for (int other : others) {
      if (columns)
        cellProps_.MoveElement(from, other, from - 1, other);
      else
        cellProps_.MoveElement(other, from, other, from - 1);
    }
  }
}

void TtsGridModel::MoveColToEnd(int dataCol, int endPos)
{
  if (dataCol < 1 || dataCol > endPos || endPos > cols_)
    return;
  const int from = DisplayColOf(dataCol);
  colSelection_.Set(from, false);
  DropCellElements(true, dataCol);
  ShiftFontEntries(true, dataCol);
  RenumberCellElements(true, dataCol, endPos);
  if (from == endPos && dataCol == endPos)
    return;  // last in both orders already: cutting the count drops it, nothing else moves
  if (visibleCols_.VisibleCount() != cols_)
    visibleCols_.Move(from, endPos);
  MoveToEnd(colMap_, from, endPos);
  MoveToEnd(colWidths_, from, endPos);
  MoveSelectionToEnd(colSelection_, from, endPos);
  for (int c = from; c <= endPos; ++c)
    Col(colMap_[std::size_t(c)]).StoreDisplayCol(c);
  colsOf_.RotateToEnd(dataCol, endPos);
  for (int& data : colMap_)
    data = Renumbered(data, dataCol, endPos);
}

void TtsGridModel::MoveRowToEnd(int dataRow, int endPos)
{
  if (dataRow < 1 || dataRow > endPos || endPos > rows_)
    return;
  const int from = DisplayRowOf(dataRow);
  rowSelection_.Set(from, false);
  DropCellElements(false, dataRow);
  ShiftFontEntries(false, dataRow);
  RenumberCellElements(false, dataRow, endPos);
  if (from == endPos && dataRow == endPos)
    return;  // last in both orders already: cutting the count drops it, nothing else moves
  if (visibleRows_.VisibleCount() != rows_)
    visibleRows_.Move(from, endPos);
  MoveToEnd(rowMap_, from, endPos);
  MoveToEnd(rowHeights_, from, endPos);
  MoveSelectionToEnd(rowSelection_, from, endPos);
  for (int& data : rowMap_)
    data = Renumbered(data, dataRow, endPos);
  rowsOf_.RotateToEnd(dataRow, endPos, rowMap_);
}

}  // namespace grid
