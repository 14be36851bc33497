#include "chart/output/PreviewGeometry.h"

#include "chart/support/LibraryItems.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <cstdlib>

namespace chart {

using platform::MulDiv;

namespace {

constexpr int kNear = 4;

bool Near(int a, int b) { return std::abs(a - b) <= kNear; }

int Percent(int size, int part) { return platform::SafeRound(size * double(part) / 100.0); }

}  // namespace

TRect PreviewPaperRect(int pageWidth, int pageHeight, int clientWidth, int clientHeight)
{
  TRect paper;
  if (pageWidth < pageHeight) {
    const int height = clientHeight - Percent(clientHeight, 10);
    const int width = pageHeight <= 0 ? clientWidth : MulDiv(height, pageWidth, pageHeight);
    paper.Left = (clientWidth - width) / 2;
    paper.Top = Percent(clientHeight, 5);
    paper.Right = paper.Left + width;
    paper.Bottom = paper.Top + height;
  } else {
    const int width = clientWidth - Percent(clientWidth, 10);
    const int height = pageWidth <= 0 ? clientHeight : MulDiv(width, pageHeight, pageWidth);
    paper.Left = Percent(clientWidth, 5);
    paper.Top = (clientHeight - height) / 2;
    paper.Right = paper.Left + width;
    paper.Bottom = paper.Top + height;
  }
  return paper;
}

TRect PreviewChartRect(const TRect& paper, const TRect& margins)
{
  const int w = paper.Width();
  const int h = paper.Height();
  return {paper.Left + MulDiv(margins.Left, w, 100), paper.Top + MulDiv(margins.Top, h, 100),
          paper.Right - MulDiv(margins.Right, w, 100), paper.Bottom - MulDiv(margins.Bottom, h, 100)};
}

TRect PreviewMargins(const TRect& paper, const TRect& chart)
{
  const int w = paper.Width();
  const int h = paper.Height();
  return {MulDiv(chart.Left - paper.Left, 100, w), MulDiv(chart.Top - paper.Top, 100, h),
          MulDiv(paper.Right - chart.Right, 100, w), MulDiv(paper.Bottom - chart.Bottom, 100, h)};
}

TPreviewDragMode PreviewHitTest(const TRect& chart, TPoint p, bool allowMove, bool allowResize)
{
  using enum TPreviewDragMode;
  const bool left = Near(p.X, chart.Left);
  const bool right = Near(p.X, chart.Right);
  const bool top = Near(p.Y, chart.Top);
  const bool bottom = Near(p.Y, chart.Bottom);
  TPreviewDragMode mode = None;
  if (left && top)
    mode = TopLeft;
  else if (left && bottom)
    mode = BottomLeft;
  else if (right && top)
    mode = TopRight;
  else if (right && bottom)
    mode = BottomRight;
  else if (left)
    mode = LeftEdge;
  else if (right)
    mode = RightEdge;
  else if (top)
    mode = TopEdge;
  else if (bottom)
    mode = BottomEdge;
  else if (allowMove && chart.Contains(p))
    return Move;
  return allowResize ? mode : None;
}

platform::TCursor PreviewCursor(TPreviewDragMode mode)
{
  using enum TPreviewDragMode;
  switch (mode) {
  case LeftEdge:
  case RightEdge:
    return platform::crHSplit;
  case TopEdge:
  case BottomEdge:
    return platform::crVSplit;
  case Move:
    return crTeeHand;
  case TopLeft:
  case BottomRight:
    return platform::crSizeNWSE;
  case TopRight:
  case BottomLeft:
    return platform::crSizeNESW;
  case None:
    break;
  }
  return platform::crDefault;
}

namespace {

// The offset of a move along one axis, limited so that [low, high] stays within [min, max].
int MoveOffset(int offset, int low, int high, int min, int max)
{
  return std::clamp(offset, min - low, max - high);
}

}  // namespace

TRect PreviewDragTo(const TPreviewDrag& drag, const TRect& paper, const TRect& chart, TPoint p)
{
  using enum TPreviewDragMode;
  const bool leftOk = paper.Left <= p.X && p.X < chart.Right;
  const bool rightOk = chart.Left < p.X && p.X <= paper.Right;
  const bool topOk = paper.Top <= p.Y && p.Y < chart.Bottom;
  const bool bottomOk = chart.Top < p.Y && p.Y <= paper.Bottom;
  TRect r = chart;
  switch (drag.Mode) {
  case LeftEdge:
    if (leftOk)
      r.Left = p.X;
    break;
  case RightEdge:
    if (rightOk)
      r.Right = p.X;
    break;
  case TopEdge:
    if (topOk)
      r.Top = p.Y;
    break;
  case BottomEdge:
    if (bottomOk)
      r.Bottom = p.Y;
    break;
  case TopLeft:
    if (leftOk && topOk)
      r = {p.X, p.Y, r.Right, r.Bottom};
    break;
  case TopRight:
    if (rightOk && topOk)
      r = {r.Left, p.Y, p.X, r.Bottom};
    break;
  case BottomLeft:
    if (leftOk && bottomOk)
      r = {p.X, r.Top, r.Right, p.Y};
    break;
  case BottomRight:
    if (rightOk && bottomOk)
      r = {r.Left, r.Top, p.X, p.Y};
    break;
  case Move: {
    const TRect& s = drag.StartRect;
    if (s.Left < paper.Left || s.Right > paper.Right || s.Top < paper.Top || s.Bottom > paper.Bottom)
      break;  // a chart off the paper stays where it is
    const int dx = MoveOffset(p.X - drag.Start.X, s.Left, s.Right, paper.Left, paper.Right);
    const int dy = MoveOffset(p.Y - drag.Start.Y, s.Top, s.Bottom, paper.Top, paper.Bottom);
    r = {s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy};
    break;
  }
  case None:
    break;
  }
  return r;
}

}  // namespace chart
