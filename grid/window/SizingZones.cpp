// Sizing hot zones: which column or row border lies under the pointer, the dotted sizing line that
// follows it, and the inverted feedback lines drawn over the painted grid.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"

#include "platform/Canvas.h"
#include "platform/CanvasRecord.h"

#include <algorithm>

namespace grid {

namespace {

// The next visible position after `from` below `count`; `count` when none.
template <class Visible>
int NextVisible(int from, int count, Visible visible)
{
  for (int i = from + 1; i < count; ++i)
    if (visible(i))
      return i;
  return count;
}

// Borders walked in screen order: the fixed ones, then the scrolled ones from the first shown.
template <class Visible>
int NextSizing(int from, int fixed, int first, int count, Visible visible)
{
  if (from >= fixed)
    return NextVisible(from, count, visible);
  const int next = NextVisible(from, count, visible);
  if (next < fixed)
    return next;
  return visible(first) ? first : NextVisible(first, count, visible);
}

}  // namespace

int TtsBaseGrid::NextSizingCol(int col) const
{
  return NextSizing(col, FixedCols(), LeftCol(), GridCols(), [this](int c) { return DisplayColVisible(c); });
}

int TtsBaseGrid::NextSizingRow(int row) const
{
  return NextSizing(row, FixedRows(), TopRow(), GridRows(), [this](int r) { return DisplayRowVisible(r); });
}

// One axis of the hot-zone walk: the border whose zone (last pixel - 2 .. last pixel + reach)
// holds the coordinate, or -1.
int TtsBaseGrid::SizingBorder(bool cols, int coordinate, int reach, int& lastPixel) const
{
  const int count = cols ? GridCols() : GridRows();
  const int client = cols ? ClientWidth() : ClientHeight();
  const bool barOn = cols ? RowBarOn() : HeadingOn();
  int b = barOn ? 0 : (cols ? NextSizingCol(0) : NextSizingRow(0));
  if (b >= count)
    return -1;
  int e = (cols ? ColWidth(b) : RowHeight(b)) - 1;
  while (coordinate < e - 2 || coordinate > e + reach) {
    b = cols ? NextSizingCol(b) : NextSizingRow(b);
    if (b >= count)
      return -1;
    e += cols ? ColWidth(b) : RowHeight(b);
    if (e - 2 >= client)
      return -1;
  }
  lastPixel = e;
  return b;
}

// Columns: the zone reaches 1 pixel past the border; rows: 2.
TtsMouseStatus TtsBaseGrid::AxisSizingHit(bool cols, int coordinate)
{
  if (cols ? ResizeCols == rcNone : ResizeRows == rrNone)
    return msNone;
  int e = 0;
  const int b = SizingBorder(cols, coordinate, cols ? 1 : 2, e);
  if (b < 0)
    return msNone;
  mouse_.ResizeIndex = b;
  mouse_.ResizeLinePos = e;
  mouse_.ResizeOffset = e - coordinate;
  if (cols)
    return b == 0 ? msRowBarResize : msColResize;
  return b == 0 ? msHeadingResize : msRowResize;
}

TtsMouseStatus TtsBaseGrid::SizingHit(int x, int y, int row, int col)
{
  if ((col == 0 || ResizeRowsInGrid) && (row > 0 || (row == 0 && y >= RowHeight(0) - 2))) {
    if (const TtsMouseStatus kind = RowSizingHit(y); kind != msNone)
      return kind;
  }
  if (row != 0 && !ResizeColsInGrid)
    return msNone;
  if (col >= 1 || (col == 0 && x >= ColWidth(0) - 2))
    return ColSizingHit(x);
  return msNone;
}

bool TtsBaseGrid::StartSizingFromPoint(int x, int y, int col, int row)
{
  const TtsMouseStatus kind = SizingHit(x, y, row, col);
  if (kind == msNone)
    return false;
  SetMouseStatus(kind);
  return true;
}

void TtsBaseGrid::DrawSizingLine()
{
  platform::TRect line;
  const int pos = mouse_.ResizeLinePos;
  if (IsRowSizing(mouse_.Status)) {
    int right = ClientWidth();
    if (LeftCol() + FullyVisibleColCount() >= GridCols()) {
      platform::TRect last = CellRect(*this, GridCols() - 1, TopRow());
      if (last.IsEmpty())
        last = CellRect(*this, GridCols() - 1, LastVisibleRow());
      right = last.Right + VertLineWidth();
    }
    line = {0, pos, right, pos + 1};
  } else if (IsColSizing(mouse_.Status)) {
    int bottom = ClientHeight();
    if (TopRow() + FullyVisibleRowCount() >= GridRows()) {
      platform::TRect last = CellRect(*this, LeftCol(), GridRows() - 1);
      if (last.IsEmpty())
        last = CellRect(*this, LastVisibleCol(), GridRows() - 1);
      bottom = last.Bottom + HorzLineWidth();
    }
    line = {pos, 0, pos + 1, bottom};
  } else {
    return;
  }
  FlipFeedback({line, true});
}

void TtsBaseGrid::RedrawSizingLine()
{
  if (IsResizeStatus(mouse_.Status))
    DrawSizingLine();
}

void TtsBaseGrid::FlipFeedback(const TtsFeedbackLine& line)
{
  if (line.Rect.IsEmpty())
    return;
  auto& lines = mouse_.Feedback;
  if (const auto found = std::find(lines.begin(), lines.end(), line); found != lines.end())
    lines.erase(found);
  else
    lines.push_back(line);
  InvalidateRect(QRect(line.Rect.Left, line.Rect.Top, line.Rect.Width(), line.Rect.Height()));
}

void TtsBaseGrid::PaintMouseFeedback(platform::TCanvas& canvas) const
{
  for (const TtsFeedbackLine& line : mouse_.Feedback) {
    const platform::TRect& r = line.Rect;
    if (!line.Dotted) {
      canvas.PatBlt(r, platform::cmDstInvert);
      continue;
    }
    // A dotted line inverts every other pixel along it.
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (((x - r.Left) + (y - r.Top)) % 2 == 0)
          canvas.PatBlt({x, y, x + 1, y + 1}, platform::cmDstInvert);
  }
}

}  // namespace grid
