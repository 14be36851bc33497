// Selecting and deselecting a range of columns or rows by program (and for the mouse): the open
// edit ends first, the other kinds of selection go, and only the columns or rows whose state
// changes are repainted; in single-row mode selecting a row makes it current.

#include "grid/window/Grid.h"

#include <algorithm>

namespace grid {

namespace {

// Sets every position of from..to to the state; answers whether any changed.
template <class Repaint>
bool SetRange(TtsSelection& selection, int from, int to, bool select, Repaint repaint)
{
  bool changed = false;
  for (int p = from; p <= to; ++p) {
    if (selection.Selected(p) == select)
      continue;
    selection.Set(p, select);
    repaint(p);
    changed = true;
  }
  return changed;
}

}  // namespace

void TtsBaseGrid::ClearOtherSelections(int keptKind)
{
  const auto repaintRow = [this](int row) { InvalidateRow(row); };
  const auto repaintCol = [this](int col) { InvalidateCol(col); };
  TtsSelection& rows = model_.RowSelection();
  if (keptKind != kSelectRows && rows.Count() > 0 && SetRange(rows, rows.First(), rows.Last(), false, repaintRow))
    SelectionChanged(kSelectRows);
  TtsSelection& cols = model_.ColSelection();
  if (keptKind != kSelectCols && cols.Count() > 0 && SetRange(cols, cols.First(), cols.Last(), false, repaintCol))
    SelectionChanged(kSelectCols);
  if (model_.HasCellRange()) {
    Invalidate();
    model_.ClearCellRange();
    SelectionChanged(kSelectCellRange);
  }
}

void TtsBaseGrid::SelectColRange(int fromDisplayCol, int toDisplayCol, bool select)
{
  if (ColSelectMode == csNone || fromDisplayCol > Cols() || toDisplayCol <= 0 || (!select && SelectionKind() != 1))
    return;
  const int from = std::max(fromDisplayCol, 1);
  const int to = std::min(toDisplayCol, Cols());
  if (to < from || !CanLeaveCell())
    return;
  HideEditor(true);
  ClearOtherSelections(kSelectCols);
  if (SetRange(model_.ColSelection(), from, to, select, [this](int col) { InvalidateCol(col); }))
    SelectionChanged(kSelectCols);
  ShowEditor();
  SelectionFollowsRow();
  FirePendingSelectChanged();
  ReportGridStatus();
}

void TtsBaseGrid::SelectRowRange(int fromDisplayRow, int toDisplayRow, bool select, bool)
{
  if (rowSelectMode_ == rsNone || (!select && IsListBoxSingleRow()) || fromDisplayRow > Rows() ||
      toDisplayRow <= 0 || (!select && SelectionKind() != 2))
    return;
  const int from = std::max(fromDisplayRow, 1);
  const int to = std::min(toDisplayRow, Rows());
  if (to < from || (rowSelectMode_ == rsSingle && select && to > from) || !CanLeaveCell())
    return;
  HideEditor(true);
  HideFocus(false);
  const int current = model_.CurrentDisplayRow();
  const bool moveCurrent = rowSelectMode_ == rsSingle && select && from != current;
  if (moveCurrent)
    ClearOtherSelections(-1);
  else
    ClearOtherSelections(kSelectRows);
  if (SetRange(model_.RowSelection(), from, to, select, [this](int row) { InvalidateRow(row); }))
    SelectionChanged(kSelectRows);
  if (moveCurrent) {
    InvalidateCell(0, current);
    SetCurrentPosition(model_.CurrentDisplayCol(), from, true);
    InvalidateCell(0, from);
  }
  ShowEditor();
  ShowFocus(false);
  FirePendingSelectChanged();
  ReportGridStatus();
  SelectionFollowsRow();
}

}  // namespace grid
