// Selecting and deselecting a range of columns or rows by program (and for the mouse): the open
// edit ends first, the other kinds of selection go, and the columns or rows whose state changes
// are repainted a run at a time; in single-row mode selecting a row makes it current.

#include "grid/window/Grid.h"
#include "grid/window/ScopeEnd.h"

#include <algorithm>
#include <vector>

namespace grid {

namespace {

// Adjacent shown positions first..last that change to one state.
struct Run {
  int first;
  int last;
};

// The runs of shown positions in from..to whose state is not yet `select`.
template <class Shown>
std::vector<Run> ChangingRuns(const TtsSelection& selection, int from, int to, bool select, Shown shown)
{
  const auto changes = [&](int p) { return selection.Selected(p) != select && shown(p); };
  std::vector<Run> runs;
  for (int p = from; p <= to; ++p) {
    if (!changes(p))
      continue;
    Run run{p, p};
    while (run.last < to && changes(run.last + 1))
      ++run.last;
    runs.push_back(run);
    p = run.last;
  }
  return runs;
}

void SetRun(TtsSelection& selection, Run run, bool select)
{
  for (int p = run.first; p <= run.last; ++p)
    selection.Set(p, select);
}

// A run of rows (columns) repainted as one strip across the grid; the parts out of view are left.
void RepaintRowRun(TtsBaseGrid& grid, Run run, bool selected)
{
  grid.RepaintRange(0, run.first, grid.LastVisibleCol(), run.last, selected);
}

void RepaintColRun(TtsBaseGrid& grid, Run run, bool selected)
{
  grid.RepaintRange(run.first, 0, run.last, grid.LastVisibleRow(), selected);
}

// Each run takes the state: one that gains it is set and then repainted, one that loses it is
// repainted and then cleared. True when any did.
template <class Repaint>
bool ApplyRuns(TtsSelection& selection, const std::vector<Run>& runs, bool select, Repaint repaint)
{
  for (const Run& run : runs) {
    if (select)
      SetRun(selection, run, true);
    repaint(run, select);
    if (!select)
      SetRun(selection, run, false);
  }
  return !runs.empty();
}

}  // namespace

// The selections of the other kinds go, each repainted as one strip.
void TtsBaseGrid::ClearOtherSelections(int keptKind)
{
  TtsSelection& rows = model_.RowSelection();
  if (keptKind != kSelectRows && rows.Count() > 0) {
    RepaintRowRun(*this, {rows.First(), rows.Last()}, false);
    rows.Clear();
    SelectionChanged(kSelectRows);
  }
  TtsSelection& cols = model_.ColSelection();
  if (keptKind != kSelectCols && cols.Count() > 0) {
    RepaintColRun(*this, {cols.First(), cols.Last()}, false);
    cols.Clear();
    SelectionChanged(kSelectCols);
  }
  if (model_.HasCellRange()) {
    const TtsRange range = model_.SelectedRange;
    RepaintRange(range.Left, range.Top, range.Right, range.Bottom, false);
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
  TtsSelection& cols = model_.ColSelection();
  const auto shown = [this](int col) { return DisplayColVisible(col); };
  const auto repaint = [this](Run run, bool selected) { RepaintColRun(*this, run, selected); };
  if (ApplyRuns(cols, ChangingRuns(cols, from, to, select, shown), select, repaint))
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
  // Coloured selections are painted once the whole change is made.
  const bool colored = IsSelectionColored();
  if (colored)
    LockLayout(false);
  AtScopeEnd unlock{[this, colored] {
    if (colored) {
      LockLayout(true);
      update();
    }
  }};
  HideEditor(true);
  HideFocus(false);
  const int current = model_.CurrentDisplayRow();
  const bool moveCurrent = rowSelectMode_ == rsSingle && select && from != current;
  ClearOtherSelections(moveCurrent ? -1 : kSelectRows);
  TtsSelection& rows = model_.RowSelection();
  const auto shown = [this](int row) { return DisplayRowVisible(row); };
  const auto repaint = [this](Run run, bool selected) { RepaintRowRun(*this, run, selected); };
  if (ApplyRuns(rows, ChangingRuns(rows, from, to, select, shown), select, repaint))
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
