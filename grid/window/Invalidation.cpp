// The grid's repaint and scroll engine: invalidating cells, rows, columns and ranges; the update,
// layout and direct-paint locks; and the move of the pixels when the top-left cell changes, as a
// plan of scrolled and repainted strips carried out on the back buffer.

#include "grid/window/GridAxis.h"
#include "grid/window/MemoryCanvas.h"
#include "grid/window/ScopeEnd.h"

#include <algorithm>
#include <cstdlib>

namespace grid {

using platform::TRect;

namespace {

QRect ToQRect(const TRect& r) { return r.IsEmpty() ? QRect() : QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)); }

TRect ToTRect(const QRect& r) { return r.isEmpty() ? TRect{} : TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

}  // namespace

// Locks ----------------------------------------------------------------------------------------------

bool TtsBaseGrid::CanPaintDirect() const { return LayoutUnlocked() && !GridPaintCanvas().IsLockedByOtherGrid(this); }

void TtsBaseGrid::UpdateLock(bool lock)
{
  if (lock) {
    if (!IsUpdating()) {
      LockLayout(false);
      pendingUpdates_ = 0;
    }
    ++updateCount_;
    return;
  }
  if (updateCount_ == 0)
    return;
  --updateCount_;
  if (IsUpdating())
    return;
  AtScopeEnd unlock{[this] { LockLayout(true); }};
  if (pendingUpdates_ & 1)
    ReapplyTopLeft(true);
  if (pendingUpdates_ & 2)
    NotifyTopLeft();
  pendingUpdates_ = 0;
  Invalidate();
}

void TtsBaseGrid::LockLayout(bool unlock)
{
  if (!unlock)
    ++layoutLockCount_;
  else if (layoutLockCount_ > 0)
    --layoutLockCount_;
}

void TtsBaseGrid::DirectPaintLock(bool enter)
{
  if (enter)
    ++directPaintDepth_;
  else if (directPaintDepth_ > 0)
    --directPaintDepth_;
}

void TtsBaseGrid::ReapplyTopLeft(bool alreadyLocked)
{
  if (IsUpdating()) {
    pendingUpdates_ |= 1;
    return;
  }
  if (!alreadyLocked)
    LockLayout(false);
  AtScopeEnd unlock{[this, alreadyLocked] {
    if (!alreadyLocked)
      LockLayout(true);
  }};
  SetTopLeftLimited(LeftCol(), TopRow());
}

// Invalidation ---------------------------------------------------------------------------------------

bool TtsBaseGrid::IsCellShowing(int displayCol, int displayRow) const { return !CellBounds(displayCol, displayRow).isEmpty(); }

void TtsBaseGrid::InvalidateCell(int displayCol, int displayRow)
{
  if (IsUpdating())
    return;
  RepaintCell(displayCol, displayRow);
  if (displayCol == 0)
    PaintRowBarNow(displayRow);
}

// The row bar's glyphs follow the current row and the edit state at once; the cell stays marked,
// so it is painted again once the change under way is done.
void TtsBaseGrid::PaintRowBarNow(int displayRow)
{
  if (!RowBarOn() || displayRow < 1 || displayRow >= GridRows() || !DirectPaintPossible())
    return;
  const QRect cell = RangeBounds({0, displayRow, 0, displayRow}, true);
  if (cell.isEmpty())
    return;
  const DirectPaintScope scope(*this);
  PaintRectNow(cell);
}

void TtsBaseGrid::InvalidateRow(int displayRow)
{
  if (IsUpdating())
    return;
  const int last = LastVisibleCol();
  TCustomGrid_ts::RepaintRange({LeftCol(), displayRow, last, displayRow});
  if (RowBarOn() || frozenColCount_ > 0)
    TCustomGrid_ts::RepaintRange({0, displayRow, std::min(last, frozenColCount_), displayRow});
}

void TtsBaseGrid::InvalidateCol(int displayCol)
{
  if (IsUpdating())
    return;
  const int last = LastVisibleRow();
  TCustomGrid_ts::RepaintRange({displayCol, TopRow(), displayCol, last});
  if (HeadingOn() || frozenRowCount_ > 0)
    TCustomGrid_ts::RepaintRange({displayCol, 0, displayCol, std::min(last, frozenRowCount_)});
}

void TtsBaseGrid::InvalidateFocusCell(int displayCol, int displayRow, bool always)
{
  if (IsUpdating())
    return;
  if (FocusBorder == fbSingle || FocusBorder == fbDouble || always) {
    const QRect cell = CellBounds(displayCol, displayRow);
    if (!cell.isEmpty())
      InvalidateRect(cell.adjusted(-1, -1, 0, 0));
    return;
  }
  InvalidateCell(displayCol, displayRow);
}

// Repainting -----------------------------------------------------------------------------------------

void TtsBaseGrid::RepaintRange(int left, int top, int right, int bottom, bool selected)
{
  if (bottom > frozenRowCount_ && bottom < TopRow())
    bottom = frozenRowCount_;
  if (right > frozenColCount_ && right < LeftCol())
    right = frozenColCount_;
  if (!DirectPaintPossible()) {
    TCustomGrid_ts::RepaintRange({left, top, right, bottom});
    return;
  }
  // Painted at once in the state asked for.
  DirectPaintLock(true);
  AtScopeEnd leave{[this] { DirectPaintLock(false); }};
  RepaintRangeInState(MakeRange(left, top, right, bottom), {}, selected);
}

void TtsBaseGrid::RepaintRow(int displayRow, bool selected)
{
  const int last = LastVisibleCol();
  const bool frozenPart = RowBarOn() || frozenColCount_ > 0;
  TGridRect part{0, displayRow, std::min(frozenColCount_, last), displayRow};
  bool exists = frozenPart;
  if (FixedCols() > 0 && FixedCols() <= GridCols() - 1 && GridCols() > 1) {
    TGridRect scrolled{LeftCol(), displayRow, std::min(LeftCol() + FullyVisibleColCount(), GridCols() - 1), displayRow};
    if (frozenPart)
      scrolled.Left = part.Left;
    part = scrolled;
    exists = true;
  }
  if (exists)
    RepaintRange(part.Left, part.Top, part.Right, part.Bottom, selected);
}

void TtsBaseGrid::RepaintColParts(int displayCol, int partCode, bool selected)
{
  const int last = LastVisibleRow();
  if ((HeadingOn() && (partCode == 1 || partCode == 3)) || frozenRowCount_ > 0) {
    if (partCode == 1)
      RepaintRange(displayCol, 0, displayCol, 0, selected);
    else if (partCode == 3)
      RepaintRange(displayCol, 0, displayCol, std::min(frozenRowCount_, last), selected);
    else
      RepaintRange(displayCol, 1, displayCol, std::min(frozenRowCount_, last), selected);
  }
  if ((partCode == 2 || partCode == 3) && FixedRows() > 0 && GridRows() - 1 >= FixedRows())
    RepaintRange(displayCol, TopRow(), displayCol, std::min(TopRow() + FullyVisibleRowCount(), GridRows() - 1), selected);
}

void TtsBaseGrid::RepaintRowBar(bool selected)
{
  if (!RowBarOn())
    return;
  if (frozenRowCount_ > 0)
    RepaintRange(0, 1, 0, frozenRowCount_, selected);
  if (GridRows() - 1 >= FixedRows() && GridRows() > 1)
    RepaintRange(0, TopRow(), 0, LastVisibleRow(), selected);
}

// Scrolling ------------------------------------------------------------------------------------------

void TtsBaseGrid::ScrollToTopLeft(int leftCol, int topRow, int mode)
{
  scrollMode_ = mode;
  AtScopeEnd reset{[this] {
    scrollMode_ = 0;
    scrollKeepRect_ = {};
    scrollKeepRowRect_ = {};
  }};
  scrollKeepRect_ = ToTRect(CellBounds(previousCurrent_.X, previousCurrent_.Y));
  if (!scrollKeepRect_.IsEmpty()) {
    scrollKeepRect_.Left += 3;
    if (IsFocusCell(previousCurrent_.X, previousCurrent_.Y, true) && (FocusBorder == fbSingle || FocusBorder == fbDouble)) {
      scrollKeepRect_.Left -= 1;
      scrollKeepRect_.Top -= 1;
    }
  }
  scrollKeepRowRect_ = ToTRect(CellBounds(0, previousCurrent_.Y));
  if (leftCol != LeftCol() && topRow != TopRow())
    SetTopLeftLimited(leftCol, topRow);
  else if (leftCol != LeftCol())
    SetLeftCol(leftCol);
  else if (topRow != TopRow())
    SetTopRow(topRow);
}

void TtsBaseGrid::AfterTopLeftMove(TGridCoord oldTopLeft)
{
  if (IsUpdating()) {
    pendingUpdates_ |= 2;
    return;
  }
  // The pixels between the old and the new first scrolled column and row.
  auto shift = [this](bool vertical, int oldFirst, int& amount) {
    const TtsGridAxis axis{*this, vertical};
    const int newFirst = axis.First();
    int sum = 0;
    for (int i = std::min(oldFirst, newFirst); i < std::max(oldFirst, newFirst); ++i)
      sum += axis.Extent(i);
    amount = newFirst > oldFirst ? -sum : sum;
    return sum <= axis.Client() - axis.FixedExtent();
  };
  int dx = 0;
  int dy = 0;
  const bool fits = shift(false, oldTopLeft.X, dx);
  if (shift(true, oldTopLeft.Y, dy) && fits) {
    ScrollContents(dx, dy, {});
  } else {
    lastScrollPlan_ = {{TtsScrollStepKind::Invalidate, {0, 0, ClientWidth(), ClientHeight()}}};
    Invalidate();
  }
  NotifyTopLeft();
}

void TtsBaseGrid::ScrollContents(int dx, int dy, const TGridLayout& /*layout*/)
{
  TtsScrollInput in;
  in.DX = dx;
  in.DY = dy;
  in.Mode = scrollMode_;
  in.ClientWidth = ClientWidth();
  in.ClientHeight = ClientHeight();
  in.FixedWidth = FixedWidth();
  in.FixedHeight = FixedHeight();
  in.HorzLineWidth = HorzLineWidth();
  in.LastRowBottom = LastRowBottom();
  in.FocusFrameOnFixedRow = focusFrameOnFixedRow_;
  in.FocusFrameOnFixedCol = focusFrameOnFixedCol_;
  in.KeepRect = scrollKeepRect_;
  in.KeepRowRect = scrollKeepRowRect_;
  in.DirectPaint = CanPaintDirect();
  auto fitEnd = [this](bool vertical, int shift) {
    const TtsGridAxis axis{*this, vertical};
    int d = axis.FixedExtent() + std::abs(shift);
    for (int i = axis.First(); i < axis.Count() && d + axis.Extent(i) <= axis.Client(); ++i)
      d += axis.Extent(i);
    return std::min(d, axis.Client());
  };
  in.RowsFitBottom = fitEnd(true, dy);
  in.ColsFitRight = fitEnd(false, dx);
  lastScrollPlan_ = PlanScroll(in);
  RunScrollPlan(lastScrollPlan_);
}

void TtsBaseGrid::RunScrollPlan(const TtsScrollPlan& plan)
{
  // The back buffer is drawn whole at each paint: a scrolled strip is painted again like any other.
  for (const TtsScrollStep& step : plan) {
    switch (step.Kind) {
      case TtsScrollStepKind::Scroll:
      case TtsScrollStepKind::Invalidate:
      case TtsScrollStepKind::BaseScroll:
        InvalidateRect(ToQRect(step.Rect));
        break;
      case TtsScrollStepKind::Validate:
      case TtsScrollStepKind::Update:
        break;
    }
  }
}

}  // namespace grid
