// The projected operations of the chart canvas: lines, planes, quadrilaterals, ellipses, clips
// and text at a depth.
#include "chart/canvas/TeeCanvas3D.h"

#include "platform/CanvasRounding.h"

#include <cmath>
#include <numbers>

namespace chart {

void TTeeCanvas3D::Polygon4(TPoint a, TPoint b, TPoint c, TPoint d)
{
  const TPoint points[] = {a, b, c, d};
  target_->Polygon(points);
}

void TTeeCanvas3D::Pixel3D(int x, int y, int z, TColor color)
{
  const TPoint p = P(x, y, z);
  if (target_->Pen().Width() == 1) {
    target_->SetPixel(p.X, p.Y, color);
    return;
  }
  target_->MoveTo(p.X, p.Y);
  target_->LineTo(p.X, p.Y);
}

void TTeeCanvas3D::HorizontalLine3D(int x0, int x1, int y, int z) { Line3D(x0, y, x1, y, z); }
void TTeeCanvas3D::VerticalLine3D(int x, int y0, int y1, int z) { Line3D(x, y0, x, y1, z); }

void TTeeCanvas3D::DepthLine3D(int x, int y, int z0, int z1)
{
  MoveToPoint3D(x, y, z0);
  LineToPoint3D(x, y, z1);
}

void TTeeCanvas3D::Line3D(int x0, int y0, int x1, int y1, int z)
{
  MoveToPoint3D(x0, y0, z);
  LineToPoint3D(x1, y1, z);
}

void TTeeCanvas3D::MoveToPoint3D(int x, int y, int z)
{
  const TPoint p = P(x, y, z);
  target_->MoveTo(p.X, p.Y);
}

void TTeeCanvas3D::LineToPoint3D(int x, int y, int z)
{
  const TPoint p = P(x, y, z);
  target_->LineTo(p.X, p.Y);
}

void TTeeCanvas3D::BeginFlatDrawing()
{
  saved3D_ = projection_.Is3D();
  projection_.SetIs3D(false);
}

void TTeeCanvas3D::EndFlatDrawing() { projection_.SetIs3D(saved3D_); }

void TTeeCanvas3D::Ribbon3D(TPoint p0, TPoint p1, int z0, int z1)
{
  Polygon4(P(p0.X, p0.Y, z0), P(p1.X, p1.Y, z0), P(p1.X, p1.Y, z1), P(p0.X, p0.Y, z1));
}

void TTeeCanvas3D::Quad3D(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z)
{
  Polygon4(P(p1.X, p1.Y, z), P(p2.X, p2.Y, z), P(p3.X, p3.Y, z), P(p4.X, p4.Y, z));
}

void TTeeCanvas3D::QuadBetweenDepths3D(const std::array<TPoint, 4>& points, int z0, int z1)
{
  Polygon4(P(points[0].X, points[0].Y, z0), P(points[1].X, points[1].Y, z0), P(points[2].X, points[2].Y, z1),
           P(points[3].X, points[3].Y, z1));
}

void TTeeCanvas3D::Rectangle3D(const TRect& r, int z)
{
  Polygon4(P(r.Left, r.Top, z), P(r.Right, r.Top, z), P(r.Right, r.Bottom, z), P(r.Left, r.Bottom, z));
}

void TTeeCanvas3D::DepthRectangleY(int x0, int y, int x1, int z0, int z1)
{
  Polygon4(P(x0, y, z0), P(x1, y, z0), P(x1, y, z1), P(x0, y, z1));
}

void TTeeCanvas3D::DepthRectangleX(int x, int y0, int y1, int z0, int z1)
{
  Polygon4(P(x, y0, z0), P(x, y0, z1), P(x, y1, z1), P(x, y1, z0));
}

void TTeeCanvas3D::Triangle3D(TPoint p1, TPoint p2, TPoint p3, int z)
{
  const TPoint points[] = {P(p1.X, p1.Y, z), P(p2.X, p2.Y, z), P(p3.X, p3.Y, z)};
  target_->Polygon(points);
}

void TTeeCanvas3D::Ellipse3D(int x1, int y1, int x2, int y2, int z)
{
  if (orthogonal_) {
    const TPoint a = P(x1, y1, z);
    const TPoint b = P(x2, y2, z);
    target_->Ellipse(a.X, a.Y, b.X, b.Y);
    return;
  }
  if (!projection_.Is3D()) {
    target_->Ellipse(x1, y1, x2 + 1, y2 + 1);
    return;
  }
  const long long cx = (static_cast<long long>(x1) + x2) / 2;
  const long long cy = (static_cast<long long>(y1) + y2) / 2;
  const double rx = double((static_cast<long long>(x2) - x1) / 2);
  const double ry = double((static_cast<long long>(y2) - y1) / 2);
  std::array<TPoint, 32> points;
  points[0] = P(int(cx), y2, z);
  for (int i = 1; i < 32; ++i) {
    const double a = i * std::numbers::pi / 10;
    points[std::size_t(i)] = P(platform::ClampCoord(cx + platform::SafeTrunc(rx * std::sin(a))),
                               platform::ClampCoord(cy + platform::SafeTrunc(ry * std::cos(a))), z);
  }
  platform::TPen& pen = target_->Pen();
  if (target_->Brush().Style() != platform::TBrushStyle::bsClear) {
    const platform::TPenStyle style = pen.Style();
    pen.SetStyle(platform::TPenStyle::psClear);
    const TPoint centre = P(int(cx), int(cy), z);
    for (std::size_t j = 0; j + 1 < points.size(); ++j) {
      const TPoint fan[] = {centre, points[j], points[j + 1]};
      target_->Polygon(fan);
    }
    pen.SetStyle(style);
  }
  if (pen.Style() != platform::TPenStyle::psClear)
    target_->Polyline(points);
}

void TTeeCanvas3D::ClipBox3D(const TRect& r, int z0, int z1)
{
  if (!projection_.Is3D() && !orthogonal_) {
    ClipToRectangle({r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
    return;
  }
  const TPoint rightTopFront = P(r.Right, r.Top, z0);
  const TPoint leftTopBack = P(r.Left, r.Top, z1);
  const TPoint rightBottomBack = P(r.Right, r.Bottom, z1);
  const TPoint points[] = {P(r.Left, r.Bottom, z0),
                           P(r.Left, r.Top, z0),
                           rightTopFront.Y < leftTopBack.Y ? rightTopFront : leftTopBack,
                           P(r.Right, r.Top, z1),
                           rightBottomBack.X > rightTopFront.X ? rightBottomBack : rightTopFront,
                           P(r.Right, r.Bottom, z0)};
  target_->SelectClipRegion(platform::TRegion::Polygon(points));
}

int TTeeCanvas3D::ZoomedFontSize() const
{
  const double zoom = projection_.ZoomFactor();
  if (!zoomText_ || zoom == 1.0)
    return 0;
  return std::max(1, platform::SafeRound(ScreenFontSize() * zoom));
}

void TTeeCanvas3D::WriteText3D(int x, int y, int z, const QString& text)
{
  const TPoint p = P(x, y, z);
  const int size = ZoomedFontSize();
  platform::TFont& font = target_->Font();
  if (size == 0 || size == ScreenFontSize()) {
    target_->TextOut(p.X, p.Y, text);
    return;
  }
  const platform::TFontData saved = font.Data();
  SetScreenFontSize(size);
  target_->TextOut(p.X, p.Y, text);
  font.SetData(saved);
}

void TTeeCanvas3D::RotatedText(int x, int y, const QString& text, int angle)
{
  target_->Brush().SetStyle(platform::TBrushStyle::bsClear);
  platform::TFont& font = target_->Font();
  const platform::TFontData saved = font.Data();
  font.SetEscapement((angle > 360 ? angle - 360 : angle) * 10);
  if (const int size = ZoomedFontSize(); size != 0)
    SetScreenFontSize(size);
  target_->TextOut(x, y, text);
  font.SetData(saved);
}

void TTeeCanvas3D::RotatedText3D(int x, int y, int z, const QString& text, int angle)
{
  const TPoint p = P(x, y, z);
  RotatedText(p.X, p.Y, text, angle);
}

}  // namespace chart
