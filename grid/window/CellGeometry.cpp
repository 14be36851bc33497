#include "grid/window/CellGeometry.h"

#include "grid/window/GridAxis.h"

#include <QRect>
#include <algorithm>

namespace grid {
namespace {

// Walks the frozen items, then the scrolled ones from the first on screen, up to `index`.
int AxisStart(const TtsGridAxis& axis, int start, int index)
{
  if (index == 0)
    return 0;
  int position = start;
  int item = 1;
  for (; item <= axis.ListCount() && axis.ItemAt(item) < axis.Fixed() && axis.ItemAt(item) < index; ++item) {
    position += axis.Extent(axis.ItemAt(item));
    if (position > axis.Client())
      return -1;
  }
  if (index < axis.Fixed())
    return item <= axis.ListCount() && axis.ItemAt(item) == index ? position : -1;
  for (item = axis.PositionOf(axis.First()); item <= axis.ListCount(); ++item) {
    const int shown = axis.ItemAt(item);
    if (shown == index)
      return position;
    if (shown > index || shown >= axis.Count())
      return -1;
    position += axis.Extent(shown);
    if (position > axis.Client())
      return -1;
  }
  return position <= axis.Client() ? position : -1;
}

bool Allows(TScrollStyle style, bool vertical)
{
  return style == TScrollStyle::ssBoth || style == (vertical ? TScrollStyle::ssVertical : TScrollStyle::ssHorizontal);
}

bool NeedsScrollBar(const TtsGridAxis& axis, int space)
{
  if (!Allows(axis.Grid.ScrollBars(), axis.Vertical))
    return false;
  int sum = axis.FixedExtent();
  int counted = 0;
  for (int index = axis.Fixed(); sum <= space && index < axis.Count(); ++index) {
    const int extent = axis.Extent(index);
    sum += extent;
    counted += extent != 0 ? 1 : 0;
  }
  if (sum <= space)
    return false;
  if (counted >= 2)
    return true;
  bool visible = false;
  const int position = axis.List().Find(axis.Fixed(), visible);
  return (visible ? position + 1 : position) <= axis.ListCount();
}

bool IsShown(const TtsGridAxis& axis, int index)
{
  bool visible = false;
  axis.List().Find(index, visible);
  return visible;
}

// The shown item after (before) a display index; -1 when there is none.
int NextShown(const TtsGridAxis& axis, int index)
{
  bool visible = false;
  const int position = axis.List().Find(index, visible) + (visible ? 1 : 0);
  return position <= axis.ListCount() ? axis.ItemAt(position) : -1;
}

int PreviousShown(const TtsGridAxis& axis, int index)
{
  bool visible = false;
  const int position = axis.List().Find(index, visible) - 1;
  return position >= 1 ? axis.ItemAt(position) : -1;
}

int FirstShown(const TtsGridAxis& axis)
{
  const int fixed = axis.Fixed();
  if (fixed <= 0 || IsShown(axis, fixed))
    return fixed;
  const int next = NextShown(axis, fixed);
  return next != -1 ? next : fixed;
}

bool ShownNear(const TtsGridAxis& axis, int index, int& result)
{
  result = std::max(index, axis.Fixed());
  if (IsShown(axis, result))
    return true;
  const auto scrollable = [&](int found) { return found >= axis.Fixed() ? found : -1; };
  const int previous = scrollable(PreviousShown(axis, result));
  const int next = NextShown(axis, result);
  const int first = index < axis.First() ? previous : next;
  const int second = index < axis.First() ? next : previous;
  const int found = first != -1 ? first : second;
  if (found == -1)
    return false;
  result = found;
  return true;
}

}  // namespace

int ColLeft(const TtsBaseGrid& grid, int displayCol)
{
  return AxisStart({grid, false}, grid.RowBarOn() ? grid.RowBarWidth() : 0, displayCol);
}

int RowTop(const TtsBaseGrid& grid, int displayRow)
{
  return AxisStart({grid, true}, grid.HeadingOn() ? grid.HeadingHeight() : 0, displayRow);
}

platform::TRect CellRectRaw(const TtsBaseGrid& grid, int displayCol, int displayRow)
{
  const int left = ColLeft(grid, displayCol);
  const int top = RowTop(grid, displayRow);
  if (left == -1 || top == -1)
    return {};
  const int width = displayCol < grid.GridCols() ? grid.ColWidth(displayCol) : 0;
  const int height = displayRow < grid.GridRows() ? grid.RowHeight(displayRow) : 0;
  return {left, top, std::min(left + width, grid.ClientWidth()), std::min(top + height, grid.ClientHeight())};
}

platform::TRect CellRect(const TtsBaseGrid& grid, int displayCol, int displayRow)
{
  platform::TRect rect = CellRectRaw(grid, displayCol, displayRow);
  if (rect == platform::TRect{} || rect.Left >= grid.ClientWidth() || rect.Top >= grid.ClientHeight())
    return {};
  if (rect.Left + grid.ColWidth(displayCol) <= grid.ClientWidth())
    rect.Right -= grid.VertLineWidth();
  if (rect.Top + grid.RowHeight(displayRow) <= grid.ClientHeight())
    rect.Bottom -= grid.HorzLineWidth();
  return rect;
}

platform::TRect RangeRect(const TtsBaseGrid& grid, int left, int top, int right, int bottom)
{
  if (left > grid.LastVisibleCol() || right < 0 || top > grid.LastVisibleRow() || bottom < 0)
    return {};
  if ((grid.RowBarOn() && grid.HeadingOn()) || (left >= grid.FixedCols() && top >= grid.FixedRows())) {
    const QRect box = grid.RangeBounds({left, top, right, bottom});
    return {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
  }
  const platform::TRect first = CellRect(grid, left, top);
  const platform::TRect last = CellRect(grid, right, bottom);
  return {first.Left, first.Top, last.Right, last.Bottom};
}

bool IntersectsClip(const TtsBaseGrid& grid, const platform::TRect& clip, const platform::TRect& rect)
{
  return clip.Right >= rect.Left && clip.Left + grid.VertLineWidth() - 1 < rect.Right && clip.Bottom >= rect.Top &&
         clip.Top + grid.HorzLineWidth() - 1 < rect.Bottom;
}

int ColAtX(const TtsBaseGrid& grid, int x)
{
  return x < 0 || x > grid.ClientWidth() ? -1 : grid.CellAtPoint(x, 0).X;
}

int RowAtY(const TtsBaseGrid& grid, int y)
{
  return y < 0 || y > grid.ClientHeight() ? -1 : grid.CellAtPoint(0, y).Y;
}

platform::TPoint CellAtPoint(const TtsBaseGrid& grid, int x, int y) { return {ColAtX(grid, x), RowAtY(grid, y)}; }

platform::TPoint CellAtPointClamped(const TtsBaseGrid& grid, int x, int y)
{
  const auto clamp = [](int found, int coordinate, int last) { return found != -1 ? found : coordinate > 0 ? last : 0; };
  return {clamp(ColAtX(grid, x), x, grid.GridCols() - 1), clamp(RowAtY(grid, y), y, grid.GridRows() - 1)};
}

bool NeedsHorzScrollBar(const TtsBaseGrid& grid, int width) { return NeedsScrollBar({grid, false}, width); }

bool NeedsVertScrollBar(const TtsBaseGrid& grid, int height) { return NeedsScrollBar({grid, true}, height); }

int FirstShownCol(const TtsBaseGrid& grid) { return FirstShown({grid, false}); }

int FirstShownRow(const TtsBaseGrid& grid) { return FirstShown({grid, true}); }

bool ShownColNear(const TtsBaseGrid& grid, int displayCol, int& result)
{
  return ShownNear({grid, false}, displayCol, result);
}

bool ShownRowNear(const TtsBaseGrid& grid, int displayRow, int& result)
{
  return ShownNear({grid, true}, displayRow, result);
}

int HorzScrollBarHeight(const TtsBaseGrid& grid)
{
  return grid.ScrollBarShown(platform::SB_HORZ) ? platform::kScrollBarSize : 0;
}

int VertScrollBarWidth(const TtsBaseGrid& grid)
{
  return grid.ScrollBarShown(platform::SB_VERT) ? platform::kScrollBarSize : 0;
}

}  // namespace grid
