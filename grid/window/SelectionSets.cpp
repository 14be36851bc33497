// The column and row selection sets: ranges selected, unselected and toggled, with their changes
// marked for OnSelectChanged, the columns or rows repainted and the kind of selection kept.

#include "grid/window/Grid.h"

#include <algorithm>
#include <utility>

namespace grid {

namespace {

// The range in order, from 1 and up to `last`; false when nothing is left.
bool ClampRange(int& a, int& b, int last)
{
  if (b < a)
    std::swap(a, b);
  b = std::min(b, last);
  a = std::max(a, 1);
  return b >= 1;
}

// The selection kind of the column (row) set.
std::uint8_t OwnKind(bool cols) { return cols ? 1 : 2; }

}  // namespace

bool TtsBaseGrid::DisplayColVisible(int displayCol) const
{
  bool visible = false;
  model_.VisibleCols().Find(displayCol, visible);
  return visible;
}

bool TtsBaseGrid::DisplayRowVisible(int displayRow) const
{
  bool visible = false;
  model_.VisibleRows().Find(displayRow, visible);
  return visible;
}

bool TtsBaseGrid::SelectInSet(bool cols, int a, int b)
{
  TtsSelection& set = cols ? model_.ColSelection() : model_.RowSelection();
  bool changed = false;
  for (int i = a; i <= b; ++i) {
    if (set.Selected(i) || !(cols ? DisplayColVisible(i) : DisplayRowVisible(i)))
      continue;
    set.Set(i, true);
    cols ? InvalidateCol(i) : InvalidateRow(i);
    changed = true;
  }
  if (changed)
    SelectionChanged(cols ? kSelectCols : kSelectRows);
  if (set.Count() > 0 && selectionKind_ == 0)
    selectionKind_ = OwnKind(cols);
  return changed;
}

bool TtsBaseGrid::UnselectInSet(bool cols, int a, int b)
{
  TtsSelection& set = cols ? model_.ColSelection() : model_.RowSelection();
  if (set.Count() == 0)
    return false;
  bool changed = false;
  for (int i = set.Selected(a) ? a : set.NextSelected(a); i != -1 && i <= b; i = set.NextSelected(i)) {
    set.Set(i, false);
    cols ? InvalidateCol(i) : InvalidateRow(i);
    changed = true;
  }
  if (changed)
    SelectionChanged(cols ? kSelectCols : kSelectRows);
  if (set.Count() == 0 && selectionKind_ == OwnKind(cols))
    selectionKind_ = 0;
  return changed;
}

void TtsBaseGrid::ToggleInSet(bool cols, int a, int b)
{
  TtsSelection& set = cols ? model_.ColSelection() : model_.RowSelection();
  if (set.Count() == 0) {
    SelectInSet(cols, a, b);
    return;
  }
  bool changed = false;
  for (int i = a; i <= b; ++i) {
    if (!(cols ? DisplayColVisible(i) : DisplayRowVisible(i)))
      continue;
    set.Set(i, !set.Selected(i));
    cols ? InvalidateCol(i) : InvalidateRow(i);
    changed = true;
  }
  if (changed)
    SelectionChanged(cols ? kSelectCols : kSelectRows);
  if (set.Count() == 0 && selectionKind_ == OwnKind(cols))
    selectionKind_ = 0;
  else if (set.Count() > 0 && selectionKind_ == 0)
    selectionKind_ = OwnKind(cols);
}

void TtsBaseGrid::KeepSelectionKind()
{
  const bool holds = (selectionKind_ == 1 && model_.ColSelection().Count() > 0) ||
                     (selectionKind_ == 2 && model_.RowSelection().Count() > 0) ||
                     (selectionKind_ == 3 && model_.HasCellRange());
  if (!holds)
    UpdateSelectionKind();
}

void TtsBaseGrid::UpdateSelectionKind()
{
  if (model_.ColSelection().Count() > 0)
    selectionKind_ = 1;
  else if (model_.RowSelection().Count() > 0)
    selectionKind_ = 2;
  else
    selectionKind_ = model_.HasCellRange() ? 3 : 0;
}

void TtsBaseGrid::SelectCols(int a, int b)
{
  if (ClampRange(a, b, GridCols() - 1))
    SelectInSet(true, a, b);
}

void TtsBaseGrid::UnselectCols(int a, int b)
{
  if (ClampRange(a, b, GridCols() - 1))
    UnselectInSet(true, a, b);
}

void TtsBaseGrid::ToggleCols(int a, int b)
{
  if (ClampRange(a, b, GridCols() - 1))
    ToggleInSet(true, a, b);
}

void TtsBaseGrid::UnselectAllCols() { UnselectCols(1, GridCols() - 1); }

void TtsBaseGrid::SelectOnlyCols(int a, int b)
{
  UnselectAllCols();
  SelectCols(a, b);
}

void TtsBaseGrid::UnselectAllRows() { UnselectRows(1, GridRows() - 1); }

void TtsBaseGrid::SelectRows(int a, int b)
{
  if (ClampRange(a, b, GridRows() - 1))
    SelectInSet(false, a, b);
}

void TtsBaseGrid::UnselectRows(int a, int b)
{
  if (ClampRange(a, b, GridRows() - 1))
    UnselectInSet(false, a, b);
}

void TtsBaseGrid::ToggleRows(int a, int b)
{
  if (ClampRange(a, b, Rows()))  // the insert row is never toggled
    ToggleInSet(false, a, b);
}

void TtsBaseGrid::SelectOnlyRows(int a, int b)
{
  UnselectAllRows();
  SelectRows(a, b);
}

int TtsBaseGrid::CountSelectedCols(int a, int b) const { return model_.ColSelection().CountSelected(a, b); }

int TtsBaseGrid::CountSelectedRows(int a, int b) const { return model_.RowSelection().CountSelected(a, b); }

void TtsBaseGrid::ClearSelectionsByMouse()
{
  UnselectAllRows();
  UnselectAllCols();
  if (model_.HasCellRange()) {
    RepaintRangeInState(model_.SelectedRange, {}, false);
    model_.ClearCellRange();
  }
}

}  // namespace grid
