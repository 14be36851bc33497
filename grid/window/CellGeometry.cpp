#include "grid/window/CellGeometry.h"

#include "grid/window/GridAxis.h"

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

bool NeedsHorzScrollBar(const TtsBaseGrid& grid, int width) { return NeedsScrollBar({grid, false}, width); }

bool NeedsVertScrollBar(const TtsBaseGrid& grid, int height) { return NeedsScrollBar({grid, true}, height); }

}  // namespace grid
