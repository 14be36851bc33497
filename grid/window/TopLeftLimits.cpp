// How far the grid may scroll (the last rows and columns always fill the client area), and where a
// scroll bar's step, page or thumb leads, walking the visible lists so that hidden rows and
// columns are skipped.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/CellGeometry.h"
#include "grid/window/GridAxis.h"

#include "platform/ScrollBars.h"

#include <algorithm>
#include <cmath>

namespace grid {

using namespace platform;

int TtsBaseGrid::MaxTopLeftOf(bool vertical) const
{
  const TtsGridAxis axis{*this, vertical};
  int r = axis.Count() - 1;
  int h = axis.Extent(r) + axis.FixedExtent();
  while (r > axis.Fixed()) {
    if (h + axis.Extent(r - 1) > axis.Client())
      break;
    --r;
    h += axis.Extent(r);
  }
  // A hidden candidate gives way to the next one that can be entered.
  if (r > 0 && axis.Extent(r) <= 0) {
    const int position = axis.PositionOf(r);
    if (position <= axis.ListCount())
      r = axis.ItemAt(position);
  }
  const int first = axis.FirstEnterable();
  const int last = axis.LastEnterable();
  if (last < first)
    return axis.Fixed();
  return std::max({std::min(r, last), first, axis.Fixed()});
}

int TtsBaseGrid::MaxTopRow() const { return MaxTopLeftOf(true); }
int TtsBaseGrid::MaxLeftCol() const { return MaxTopLeftOf(false); }

int TtsBaseGrid::MaxPosOf(bool vertical) const
{
  const TtsGridAxis axis{*this, vertical};
  int n = axis.ListCount();
  if (n > 0) {
    int a = axis.ItemAt(n);
    int h = axis.FixedExtent() + (a > 0 ? axis.Extent(a) : 0);
    while (n > 1 && a > axis.Fixed()) {
      a = axis.ItemAt(n - 1);
      if (a < axis.Fixed() || h + axis.Extent(a) > axis.Client())
        break;
      h += axis.Extent(a);
      --n;
    }
  } else {
    n = 0;
  }
  return std::min(std::max(n, axis.PositionOf(axis.Fixed())), axis.ListCount());
}

int TtsBaseGrid::MaxTopRowPos() const { return MaxPosOf(true); }
int TtsBaseGrid::MaxLeftColPos() const { return MaxPosOf(false); }

// Within the limits and on shown columns and rows; hot and held cell buttons are let go and the
// editor is hidden while the pixels move.
void TtsBaseGrid::SetTopLeftLimited(int leftCol, int topRow)
{
  const TGridCoord limits = GetTopLeftLimits();
  int col = std::max(FixedCols(), std::min(leftCol, limits.X));
  int row = std::max(FixedRows(), std::min(topRow, limits.Y));
  if (IsUpdating()) {
    TCustomGrid_ts::ScrollToTopLeft(col, row);
    return;
  }
  int shown = 0;
  col = ShownColNear(*this, col, shown) ? shown : LeftCol();
  row = ShownRowNear(*this, row, shown) ? shown : TopRow();
  if (col == LeftCol() && row == TopRow())
    return;
  const TGridCoord current{model_.CurrentDisplayCol(), model_.CurrentDisplayRow()};
  const bool editorShown = EditorPlaced();
  ResetButtonStates();
  HideEditor(false);
  TCustomGrid_ts::ScrollToTopLeft(col, row);
  if (editorShown)
    ShowEditor();
  if (current != TGridCoord{model_.CurrentDisplayCol(), model_.CurrentDisplayRow()})
    InvalidateCell(current.X, current.Y);
}

int TtsBaseGrid::DoScrollTarget(bool vertical, int code, int pos) const
{
  const TtsGridAxis axis{*this, vertical};
  int p = axis.PositionOf(axis.First());
  switch (code) {
    case SB_LINEUP:
      --p;
      break;
    case SB_LINEDOWN:
      ++p;
      break;
    case SB_PAGEUP:
      p -= std::max(1, vertical ? RowsFittingBeforeTopRow() : ColsFittingBeforeLeftCol());
      break;
    case SB_PAGEDOWN:
      p += std::max(1, vertical ? RowsFittingFromTopRow() : ColsFittingFromLeftCol());
      break;
    case SB_TOP:
      p = axis.PositionOf(axis.Fixed());
      break;
    case SB_BOTTOM:
      p = axis.ListCount();
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      if (code == SB_THUMBTRACK && !ThumbTracking)
        break;
      const TtsScrollGeometry g = ScrollGeometry(vertical);
      if (g.Proportional && g.Range <= 0) {
        p = g.First;
      } else if (g.Proportional) {
        p = int(std::nearbyint(double(g.Count) / double(g.Range) * double(pos))) + g.First;
        if (p > axis.ListCount())
          p = MaxPosOf(vertical);
      } else {
        p = g.First + pos - 1;
        if (p > axis.ListCount())
          p = g.Last;
      }
      break;
    }
    default:
      break;
  }
  if (p >= 1 && p <= axis.ListCount())
    return axis.ItemAt(p);
  if (p < 1)
    return axis.ItemAt(axis.PositionOf(axis.Fixed()));
  return axis.ItemAt(axis.ListCount());
}

int TtsBaseGrid::VertScrollTarget(int code, int pos) const { return DoScrollTarget(true, code, pos); }
int TtsBaseGrid::HorzScrollTarget(int code, int pos) const { return DoScrollTarget(false, code, pos); }

void TtsBaseGrid::DoBarScroll(bool vertical, int code, int pos)
{
  if (isVisible() && isEnabled() && !Designing() && !hasFocus() && focusPolicy() != Qt::NoFocus)
    setFocus(Qt::OtherFocusReason);
  const TtsGridAxis axis{*this, vertical};
  const int target = std::min(std::max(DoScrollTarget(vertical, code, pos), axis.Fixed()), MaxTopLeftOf(vertical));
  if (target == axis.First())
    return;
  if (vertical)
    SetTopLeftLimited(LeftCol(), target);
  else
    SetTopLeftLimited(target, TopRow());
}

void TtsBaseGrid::DoVertScroll(int code, int pos) { DoBarScroll(true, code, pos); }
void TtsBaseGrid::DoHorzScroll(int code, int pos) { DoBarScroll(false, code, pos); }

void TtsBaseGrid::PrepareBarScroll(bool repaintCurrent)
{
  const bool editMode = GridMode() == gmEdit || GridMode() == gmEditInsert;
  if (repaintCurrent && editMode && SelectionKind() == 0)
    InvalidateCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow());
}

void TtsBaseGrid::ScrollBarMessage(int bar, int code, int pos)
{
  if (HasDropDowns())
    DropDowns().CloseDropDowns(false);
  const bool vertical = bar == SB_VERT;
  if (!vertical && (code == SB_LINELEFT || code == SB_PAGELEFT) && LeftCol() == FixedCols())
    return;
  if (code != SB_ENDSCROLL)
    PrepareBarScroll(!hasFocus());
  DoBarScroll(vertical, code, pos);
  UpdateScrollPos();
  if (code == SB_ENDSCROLL)
    update();
}

}  // namespace grid
