// Repaints around the selection and the focus: a cell range painted at once in a selection state,
// the strips that change when a selection grows or shrinks, the focus area before and after the
// current cell moves, and a single cell button.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "grid/window/ScopeEnd.h"

#include <QPaintEvent>

#include <algorithm>

namespace grid {

namespace {

bool Disjoint(const TtsRange& a, const TtsRange& b)
{
  return a.Right < b.Left || a.Bottom < b.Top || b.Right < a.Left || b.Bottom < a.Top;
}

bool Contains(const TtsRange& range, int col, int row)
{
  return col >= range.Left && col <= range.Right && row >= range.Top && row <= range.Bottom;
}

QRect ToQRect(const platform::TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

}  // namespace

// Direct painting -------------------------------------------------------------------------------------

// Qt draws a window only inside its paint event, so a direct paint is the rectangle concerned
// marked and painted at once; the paint event draws only the part of the window it was asked for.
void TtsBaseGrid::PaintRectNow(const QRect& rect)
{
  InvalidateRect(rect);
  repaint(rect);
}

void TtsBaseGrid::paintEvent(QPaintEvent* event)
{
  paintRect_ = event->rect();
  AtScopeEnd reset{[this] { paintRect_ = QRect(); }};
  TCustomGrid_ts::paintEvent(event);
  MarkPainted(event->region());
}

// A paint now draws whatever else waits in the window too, in the middle of the change under way:
// what was marked for painting before is marked again, to come out as the change leaves it.
TtsBaseGrid::DirectPaintScope::DirectPaintScope(TtsBaseGrid& grid) : grid_(grid), pending_(grid.TakePendingPaint()) {}

TtsBaseGrid::DirectPaintScope::~DirectPaintScope()
{
  for (const QRect& rect : pending_)
    grid_.TCustomGrid_ts::InvalidateRect(rect);
}

bool TtsBaseGrid::DirectPaintPossible() const
{
  return CanPaintDirect() && isVisible() && updatesEnabled() && !isPainting_ && !IsUpdating();
}

bool TtsBaseGrid::PaintsSelected(int displayCol, int displayRow) const
{
  if (Contains(invertedRange_, displayCol, displayRow))
    return invertedSelected_;
  return IsCellSelected(displayCol, displayRow);
}

void TtsBaseGrid::InvertOrInvalidateRect(const platform::TRect& rect)
{
  if (rect.IsEmpty())
    return;
  if (DirectPaintPossible()) {
    const DirectPaintScope scope(*this);
    PaintRectNow(ToQRect(rect));
  } else
    InvalidateRect(ToQRect(rect));
}

// An inverted selection is drawn by inverting the cells' normal look, so inverting the range's
// pixels on screen is painting its cells again in the state asked for.
void TtsBaseGrid::RepaintRangeInState(const TtsRange& range, platform::TRect pixelRect, bool selected)
{
  if (pixelRect == platform::TRect{})
    pixelRect = RangeRect(*this, range.Left, range.Top, range.Right, range.Bottom);
  const bool empty = pixelRect == platform::TRect{};
  if (!DirectPaintPossible()) {
    if (!empty)
      InvalidateRect(ToQRect(pixelRect));
    return;
  }
  if (empty)
    return;
  const DirectPaintScope scope(*this);
  if (!IsSelectionColored()) {
    invertedRange_ = range;
    invertedSelected_ = selected;
    AtScopeEnd reset{[this] { invertedRange_ = kNoCellRange; }};
    InvertOrInvalidateRect(pixelRect);
    return;
  }
  DirectPaintLock(true);
  AtScopeEnd leave{[this] {
    selectedCache_ = {};
    invertedRange_ = kNoCellRange;
    DirectPaintLock(false);
  }};
  PaintRangeCells(range, selected);
}

// Cell by cell, row by row: a data cell is drawn in the state asked for, a heading or row bar cell
// inverted to it.
void TtsBaseGrid::PaintRangeCells(const TtsRange& range, bool selected)
{
  const int bottom = std::min(range.Bottom, LastVisibleRow());
  const int right = std::min(range.Right, LastVisibleCol());
  for (int row = std::max(range.Top, 0); row <= bottom; ++row) {
    for (int col = std::max(range.Left, 0); col <= right; ++col) {
      const bool fixed = col == 0 || row == 0;
      selectedCache_ = {col, row, fixed ? false : selected};
      const QRect cell = RangeBounds({col, row, col, row}, true);
      if (cell.isEmpty())
        continue;
      invertedRange_ = fixed ? MakeRange(col, row, col, row) : kNoCellRange;
      invertedSelected_ = selected;
      PaintRectNow(cell);
    }
  }
}

void TtsBaseGrid::RepaintNewRange(int left, int top, int right, int bottom)
{
  const int kind = SelectionKind();
  if (kind == 0)
    return;
  const int lastCol = LastVisibleCol();
  const int lastRow = LastVisibleRow();
  if (kind == 3) {
    const TtsRange o = model_.SelectedRange;
    const TtsRange n{std::max(left, 1), std::max(top, 1), std::min(right, lastCol), std::min(bottom, lastRow)};
    if (Disjoint(n, o)) {
      RepaintRange(o.Left, o.Top, o.Right, o.Bottom, false);
      RepaintRange(n.Left, n.Top, n.Right, n.Bottom, true);
      return;
    }
    if (n.Right < n.Left || n.Bottom < n.Top)
      return;
    const int t2 = std::max(o.Top, n.Top);
    const int b2 = std::min(o.Bottom, n.Bottom);
    if (n.Top < o.Top)
      RepaintRange(n.Left, n.Top, n.Right, std::min(o.Top - 1, lastRow), true);
    else if (o.Top < n.Top && n.Top <= o.Bottom)
      RepaintRange(o.Left, o.Top, o.Right, n.Top - 1, false);
    if (n.Left < o.Left)
      RepaintRange(n.Left, t2, o.Left - 1, b2, true);
    else if (o.Left < n.Left && n.Left <= o.Right)
      RepaintRange(o.Left, t2, n.Left - 1, b2, false);
    if (o.Right < n.Right)
      RepaintRange(o.Right + 1, t2, n.Right, b2, true);
    else if (o.Left <= n.Right && n.Right < o.Right)
      RepaintRange(n.Right + 1, t2, o.Right, b2, false);
    if (o.Bottom < n.Bottom)
      RepaintRange(n.Left, o.Bottom + 1, n.Right, n.Bottom, true);
    else if (o.Top <= n.Bottom && n.Bottom < o.Bottom)
      RepaintRange(o.Left, n.Bottom + 1, o.Right, o.Bottom, false);
    return;
  }
  // Whole columns (rows) selected: along the selected axis the runs of unselected ones inside the
  // new range become selected, the selected ones keep only their part inside.
  const bool cols = kind == 1;
  const TtsSelection& selection = cols ? model_.ColSelection() : model_.RowSelection();
  left = std::max(left, LeftCol());
  top = std::max(top, TopRow());
  right = std::min(right, lastCol);
  bottom = std::min(bottom, lastRow);
  const int first = cols ? LeftCol() : TopRow();
  const int last = cols ? lastCol : lastRow;
  const int from = cols ? left : top;
  const int to = cols ? right : bottom;
  // A range across the run (from..to on the selected axis) and its span on the other axis.
  auto across = [&](int a, int b, int c, int d, bool selected) {
    if (cols)
      RepaintRange(a, c, b, d, selected);
    else
      RepaintRange(c, a, d, b, selected);
  };
  const int spanFrom = cols ? top : left;
  const int spanTo = cols ? bottom : right;
  const int spanFirst = cols ? TopRow() : LeftCol();
  const int spanLast = cols ? lastRow : lastCol;
  if (selection.CountIn(first, last) == 0) {
    RepaintRange(left, top, right, bottom, true);
    return;
  }
  auto whole = [&](int i) {
    if (cols)
      RepaintColParts(i, 3, false);
    else
      RepaintRow(i, false);
  };
  for (int i = first; i < from; ++i)
    if (selection.Selected(i))
      whole(i);
  int runStart = from;
  for (int i = from; i <= to; ++i) {
    if (!selection.Selected(i))
      continue;
    if (runStart <= i - 1)
      across(runStart, i - 1, spanFrom, spanTo, true);
    across(i, i, 0, 0, false);  // its heading (row bar) cell
    if (spanFirst < spanFrom)
      across(i, i, spanFirst, spanFrom - 1, false);
    if (spanTo < spanLast)
      across(i, i, spanTo + 1, spanLast, false);
    runStart = i + 1;
  }
  if (!selection.Selected(to) && runStart <= to)
    across(runStart, to, spanFrom, spanTo, true);
  for (int i = to + 1; i <= last; ++i)
    if (selection.Selected(i))
      whole(i);
}

void TtsBaseGrid::HideFocus(bool updateNow)
{
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  if (!IsFocusCell(col, row, true))
    return;
  DirectPaintLock(true);
  InvalidateFocusCell(col, row, false);
  if (updateNow && CanPaintDirect())
    repaint();
  DirectPaintLock(false);
}

void TtsBaseGrid::ShowFocus(bool updateNow)
{
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  if (!IsFocusCell(col, row, true))
    return;
  InvalidateFocusCell(col, row, false);
  if (updateNow && CanPaintDirect())
    repaint();
}

void TtsBaseGrid::FocusSettingChanged(bool always)
{
  CheckColorPattern(false);
  InvalidateFocusCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow(), always);
}

void TtsBaseGrid::RepaintCellButton(int displayCol, int displayRow)
{
  if (displayCol < 1 || displayRow < 1 || displayCol >= GridCols() || displayRow >= GridRows())
    return;
  const TtsCellPaintInfo info = GetCellPaintInfo(displayCol, displayRow, false);
  const platform::TRect& b = info.ButtonRect;
  if (!info.HasButton || b.IsEmpty())
    return;
  InvalidateRect(QRect(QPoint(b.Left, b.Top - 1), QPoint(b.Right - 1, b.Bottom - 1)));
}

}  // namespace grid
