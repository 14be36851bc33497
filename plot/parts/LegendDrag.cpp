// Dragging a legend box with the mouse: an outline follows the pointer, taking the shape of the
// place it would land in; on release the box takes the nearest side of the image, or, for the
// series legend, the place inside the plot.
#include "plot/graph/Graph.h"
#include "plot/parts/Legend.h"
#include "plot/parts/LegendFont.h"

#include "platform/CanvasRounding.h"
#include "platform/Cursors.h"

#include <array>

namespace plot {

using platform::SafeRound;
using platform::TPoint;
using platform::TRect;

namespace {

constexpr platform::TColor kOutlineColor = 0xC0C0C0;

bool RectInPixelRect(const TRect& inner, const TRect& outer)
{
  return PointInPixelRect(outer, {inner.Left, inner.Top}) && PointInPixelRect(outer, {inner.Right, inner.Bottom});
}

void Offset(TRect& r, int dx, int dy)
{
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
}

// A candidate of size (Right, Bottom) centred on x with its top 10 pixels above y.
void PlaceCandidate(TRect& r, int x, int y)
{
  const int halfWidth = r.Right / 2;
  r.Left = x - halfWidth;
  r.Right = x + halfWidth;
  r.Top = y - 10;
  r.Bottom += y - 10;
}

}  // namespace

TRect TAbstractLegend::GetHorizontalRect(int, int) const
{
  TLegendFontScope font(*Graph, Font, true);
  const TRect& image = Graph->ImageRect;
  return {0, 0, SafeRound(0.9 * (image.Right - image.Left)), 2 * font.Canvas.TextHeight(QStringLiteral("("))};
}

TRect TAbstractLegend::GetVerticalRect(int, int) const
{
  TLegendFontScope font(*Graph, Font, true);
  const TRect& image = Graph->ImageRect;
  return {0, 0, 2 * font.Canvas.TextHeight(QStringLiteral("(")), SafeRound(0.9 * (image.Bottom - image.Top))};
}

TRect TAbstractLegend::GetDefaultRect(int, int) const
{
  return {0, 0, Graph->ImageRect.Right / 10, Graph->ImageRect.Bottom / 10};
}

TRect TWLegend::GetDefaultRect(int, int) const
{
  const int lineHeight = GetLineHeight();
  int height = SafeRound(0.25 * lineHeight);
  for (const auto& entry : Entries)
    if (Shown(*entry))
      height += lineHeight;
  return {0, 0, GetMaxEntryWidth(), height};
}

TRect TColorLegend::GetDefaultRect(int x, int y) const
{
  const TLegendStyle side = NearestSide(x, y);
  return side == lsLeft || side == lsRight ? GetVerticalRect(x, y) : GetHorizontalRect(x, y);
}

TLegendStyle TAbstractLegend::NearestSide(int x, int y) const
{
  const std::array<std::pair<TLegendStyle, int>, 4> sides = {{{lsRight, Graph->Image->Width() - x},
                                                              {lsLeft, x},
                                                              {lsTop, y},
                                                              {lsBottom, Graph->Image->Height() - y}}};
  auto nearest = sides[0];
  for (const auto& side : sides)
    if (side.second < nearest.second)
      nearest = side;
  return nearest.first;
}

void TAbstractLegend::DrawOutline(const TRect& r, int width, platform::TColor color, platform::TPenMode mode)
{
  if (Graph->Painting)
    return;
  platform::TCanvas& canvas = Graph->Image->Canvas();
  platform::TPen& pen = canvas.Pen();
  const platform::TPenData saved = pen.Data();
  pen.SetWidth(width);
  pen.SetColor(color);
  pen.SetMode(mode);
  pen.SetStyle(platform::TPenStyle::psSolid);
  const std::array<TPoint, 5> outline = {TPoint{r.Left, r.Top}, TPoint{r.Left, r.Bottom}, TPoint{r.Right, r.Bottom},
                                         TPoint{r.Right, r.Top}, TPoint{r.Left, r.Top}};
  canvas.Polyline(outline);
  pen.SetData(saved);
}

void TAbstractLegend::EraseOutline() { DrawOutline(OutlineRect, 2, kOutlineColor, platform::TPenMode::pmNotXor); }

void TAbstractLegend::DragStart(int x, int y)
{
  DragX = x;
  DragY = y;
  OutlineRect = BoxRect;
  Graph->ResetClip();
  SetVisible(false);
  Graph->CalculatePlotRect();
  EraseOutline();  // drawn: the second drawing erases it
  Dragging = true;
  Graph->Image->SetCursor(platform::crDrag);
  InsideRect = GetDefaultRect(x, y);
  HorizontalRect = GetHorizontalRect(x, y);
  VerticalRect = GetVerticalRect(x, y);
  for (TRect* r : {&InsideRect, &HorizontalRect, &VerticalRect})
    PlaceCandidate(*r, x, y);
  Graph->CalculatePlotRect();
  Graph->ResetClip();
}

void TAbstractLegend::MoveCandidates(int x, int y)
{
  const int dx = x - DragX;
  const int dy = y - DragY;
  for (TRect* r : {&OutlineRect, &InsideRect, &HorizontalRect, &VerticalRect})
    Offset(*r, dx, dy);
  DragX = x;
  DragY = y;
}

void TAbstractLegend::DragMove(int x, int y)
{
  if ((x == -1 && y == -1) || Graph->Painting || GetCount() == 0)
    return;
  EraseOutline();
  MoveCandidates(x, y);
  const TRect& plot = Graph->PlotRect;
  if (RectInPixelRect(InsideRect, plot))
    OutlineRect = InsideRect;
  else if (y < plot.Top || y > plot.Bottom)
    OutlineRect = HorizontalRect;
  else if (x < plot.Left || x > plot.Right)
    OutlineRect = InsideRect;
  EraseOutline();
}

void TColorLegend::DragMove(int x, int y)
{
  if ((x == -1 && y == -1) || Graph->Painting)
    return;
  Graph->ResetClip();
  Graph->Image->SetCursor(platform::crDrag);
  EraseOutline();
  Style = NearestSide(x, y);
  MoveCandidates(x, y);
  OutlineRect = Style == lsRight || Style == lsLeft ? VerticalRect : HorizontalRect;
  EraseOutline();
}

void TAbstractLegend::DragEnd(int x, int y)
{
  if (x == -1 && y == -1)
    return;
  DragMove(x, y);
  Graph->Image->SetCursor(platform::crDefault);
  EraseOutline();
  Dragging = false;
  Style = NearestSide(x, y);
}

void TWLegend::DragEnd(int x, int y)
{
  if (Entries.empty())
    return;
  TAbstractLegend::DragEnd(x, y);
  if (RectInPixelRect(InsideRect, Graph->PlotRect)) {
    Style = lsInside;
    BoxRect = OutlineRect;
    InsideX = Graph->ScreenToX(BoxRect.Left);
    InsideY = Graph->ScreenToY(BoxRect.Top);
  }
  Visible = true;
  Graph->Paint();
}

void TColorLegend::DragEnd(int x, int y)
{
  TAbstractLegend::DragEnd(x, y);
  Visible = true;
  Graph->Paint();
}

}  // namespace plot
