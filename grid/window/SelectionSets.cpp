// The column and row selection sets: ranges selected, unselected and toggled, with their changes
// marked for OnSelectChanged and the columns or rows repainted; and a cell range repainted in a
// given selection state.

#include "grid/window/CellGeometry.h"
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

void TtsBaseGrid::InvertOrInvalidateRect(const platform::TRect& rect)
{
  if (rect.IsEmpty())
    return;
  InvalidateRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

// The back buffer paints every cell in the state the selection gives it, so a repaint in a state
// is an invalidation of the cells, painted as the sets say once the change is made.
void TtsBaseGrid::RepaintRangeInState(const TtsRange& range, platform::TRect pixelRect, bool /*selected*/)
{
  if (pixelRect == platform::TRect{})
    pixelRect = RangeRect(*this, range.Left, range.Top, range.Right, range.Bottom);
  InvertOrInvalidateRect(pixelRect);
}

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
