#include "plot/graph/Graph.h"

#include "plot/support/ColorShades.h"
#include "plot/support/DxfWriter.h"
#include "plot/support/Polygons.h"
#include "plot/support/SegmentClip.h"

#include "platform/CanvasGradient.h"
#include "platform/CanvasRounding.h"

#include <cmath>
#include <utility>
#include <vector>

namespace plot {

using platform::SafeRound;

// The active layer's depth index and the depth count; 0 of 1 without depth.
void TGraph::ActiveDepth(int& index, int& count) const
{
  index = 0;
  count = 1;
  if (Depth == 0)
    return;
  index = GetDepthIndex(ActiveLayer);
  count = GetDepthCount();
}

void TGraph::ToAxisUnits(double& x, double& y) const
{
  if (IsXLog())
    x = SafeLog10(x);
  if (IsYLog())
    y = SafeLog10(y);
}

void TGraph::ToDataUnits(double& x, double& y) const
{
  if (IsXLog())
    x = static_cast<double>(PowerOf(10, x));
  if (IsYLog())
    y = static_cast<double>(PowerOf(10, y));
}

namespace {

bool InRange(const TFloatRect& r, double x, double y)
{
  return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

// The DXF writer when it is active: the drawing then goes there instead of onto the canvas.
TDXF* ActiveDxf()
{
  TDXF& writer = DXFWriter();
  return writer.Active ? &writer : nullptr;
}

QString DxfLayer(const TLayer* active) { return active ? active->Name : QStringLiteral("0"); }

}  // namespace

void TGraph::DrawLine(double x1, double y1, double x2, double y2)
{
  if (TDXF* dxf = ActiveDxf()) {
    dxf->WriteLine(DxfLayer(ActiveLayer), Canvas->Pen().Color(), x1, y1, x2, y2);
    return;
  }
  int i, n;
  ActiveDepth(i, n);
  TFloatRect r = GetDrawRange();
  if (View3D != 0 && n > 0) {
    const double dx = (ScreenToX(Depth) - ScreenToX(0)) * i / n;
    const double dy = (ScreenToY(0) - ScreenToY(Depth)) * i / n;
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
  }
  ToAxisUnits(x1, y1);
  ToAxisUnits(x2, y2);
  if (!(InRange(r, x1, y1) && InRange(r, x2, y2)) && !ClipSegmentToRange(x1, y1, x2, y2, r))
    return;
  ToDataUnits(x1, y1);
  ToDataUnits(x2, y2);
  const platform::TPoint p1{XToScreen(x1), YToScreen(y1)};
  const platform::TPoint p2{XToScreen(x2), YToScreen(y2)};
  if (p1 == p2) {
    Canvas->SetPixel(p1.X, p1.Y, Canvas->Pen().Color());
    return;
  }
  Canvas->MoveTo(p1.X, p1.Y);
  Canvas->LineTo(p2.X, p2.Y);
}

// The face a segment sweeps one depth step back, as a filled polygon.
void TGraph::DrawDepthFace(double x1, double y1, double x2, double y2, int tolerancePixels, bool barSide)
{
  int i, n;
  ActiveDepth(i, n);
  const TFloatRect r = GetDrawRange();
  ToAxisUnits(x1, y1);
  ToAxisUnits(x2, y2);
  const double tol = r.Left == r.Right ? 0 : std::fabs(ScreenToX(tolerancePixels) - ScreenToX(0));
  const auto inside = [&](double x, double y) {
    const double lower = barSide ? r.Top - y / 100 : r.Top;
    return r.Left - tol <= x && x <= r.Right + tol && y >= lower && y <= r.Bottom;
  };
  if (!(inside(x1, y1) && inside(x2, y2)) && !ClipSegmentToRange(x1, y1, x2, y2, r))
    return;
  ToDataUnits(x1, y1);
  ToDataUnits(x2, y2);
  const int s = n > 0 ? SafeRound(static_cast<double>(Depth) * i / n) : 0;
  const int d = n > 0 ? SafeRound(static_cast<double>(Depth) / n) : 0;
  const platform::TPoint p0{XToScreen(x1) + s, YToScreen(y1) - s};
  const platform::TPoint p3{XToScreen(x2) + s, YToScreen(y2) - s};
  const platform::TPoint face[] = {p0, {p0.X + d, p0.Y - d}, {p3.X + d, p3.Y - d}, p3};
  Canvas->Polygon(face);
}

void TGraph::DrawLine3D(double x1, double y1, double x2, double y2)
{
  if (TDXF* dxf = ActiveDxf()) {
    dxf->WriteLine(DxfLayer(ActiveLayer), Canvas->Pen().Color(), x1, y1, x2, y2);
    return;
  }
  DrawDepthFace(x1, y1, x2, y2, 2, false);
}

void TGraph::DrawBarSide3D(double x1, double y1, double x2, double y2)
{
  if (ActiveDxf())
    return;
  DrawDepthFace(x1, y1, x2, y2, 3, true);
}

namespace {

// Clamps r to the world range w; false when it lies beyond it (more than a pixel w1 sideways).
bool ClampToWorld(TFloatRect& r, const TFloatRect& w, double w1, bool testRows)
{
  if (w.Right + w1 < r.Left || w.Left - w1 > r.Right)
    return false;
  if (testRows && (r.Bottom < w.Top || r.Top > w.Bottom))
    return false;
  r.Right = std::min(r.Right, w.Right);
  r.Left = std::max(r.Left, w.Left);
  r.Top = std::max(r.Top, w.Top);
  r.Bottom = std::min(r.Bottom, w.Bottom);
  return true;
}

}  // namespace

void TGraph::DrawRectangle(TFloatRect r)
{
  if (TDXF* dxf = ActiveDxf()) {
    dxf->WriteRectangle(r, DxfLayer(ActiveLayer), Canvas->Pen().Color());
    return;
  }
  if (!ClampToWorld(r, GetWorldRange(), std::fabs(ScreenToX(1) - ScreenToX(0)), true))
    return;
  Canvas->Rectangle(XToScreen(r.Left), YToScreen(r.Bottom), XToScreen(r.Right), YToScreen(r.Top));
}

void TGraph::DrawBar(TFloatRect r, bool shaded)
{
  if (TDXF* dxf = ActiveDxf()) {
    dxf->WriteRectangle(r, DxfLayer(ActiveLayer), Canvas->Pen().Color());
    return;
  }
  if (!ClampToWorld(r, GetWorldRange(), std::fabs(ScreenToX(1) - ScreenToX(0)), !YAxis->Inverted))
    return;
  int i, n;
  ActiveDepth(i, n);
  const int s = n > 0 ? SafeRound(static_cast<double>(Depth) * i / n) : 0;
  const int left = XToScreen(r.Left) + s;
  const int top = YToScreen(r.Bottom) - s;
  const int right = XToScreen(r.Right) + s + 1;
  const int bottom = YToScreen(r.Top) - s;
  if (!shaded) {
    Canvas->Rectangle(left, top, right, bottom + 1);
    return;
  }
  if (bottom <= top)
    return;  // no height, nothing to shade
  const platform::TColor brush = Canvas->Brush().Color();
  platform::FillGradient(*Canvas, {left, top, right, bottom}, brush, LightenColor(brush, 228), false);
}

// The points as pixels, shifted right and up; any number of points.
void TGraph::DrawPixelPolygon(const TPoly& poly, int shift)
{
  if (poly.Count == 0)
    return;
  std::vector<platform::TPoint> pixels;
  pixels.reserve(poly.Points().size());
  for (const TFloatPoint& p : poly.Points())
    pixels.push_back({XToScreen(p.X) + shift, YToScreen(p.Y) - shift});
  if (TDXF* dxf = ActiveDxf()) {
    // Each edge back to the point before; the closing edge is left out.
    const QString layer = DxfLayer(ActiveLayer);
    for (std::size_t k = 1; k < pixels.size(); ++k)
      dxf->WriteLine(layer, Canvas->Brush().Color(), pixels[k].X, pixels[k].Y, pixels[k - 1].X, pixels[k - 1].Y);
    return;
  }
  Canvas->Polygon(pixels);
}

void TGraph::DrawPolygon(const TPoly& poly) { DrawPixelPolygon(poly, 0); }

void TGraph::DrawPolygon3D(const TPoly& poly)
{
  int i, n;
  ActiveDepth(i, n);
  DrawPixelPolygon(poly, n > 0 ? static_cast<int>(static_cast<long long>(i) * Depth / n) : 0);
}

void TGraph::DrawFillRect(const TFloatRect& r)
{
  if (TDXF* dxf = ActiveDxf()) {
    dxf->WriteSolid(r, DxfLayer(ActiveLayer), Canvas->Brush().Color());
    return;
  }
  Canvas->FillRect({XToScreen(r.Left), YToScreen(r.Bottom), XToScreen(r.Right), YToScreen(r.Top)});
}

platform::TRect TGraph::WorldRectToPixels(const TFloatRect& r) const
{
  platform::TRect p{XToScreen(r.Left), YToScreen(r.Bottom), XToScreen(r.Right), YToScreen(r.Top)};
  if (p.Right < p.Left)
    std::swap(p.Left, p.Right);
  if (p.Bottom < p.Top)
    std::swap(p.Top, p.Bottom);
  return p;
}

void TGraph::DrawEllipse(const TFloatRect& r)
{
  if (TDXF* dxf = ActiveDxf()) {
    // The circle of the mean of the two half-axes.
    const double cx = (r.Left + r.Right) / 2;
    const double cy = (r.Top + r.Bottom) / 2;
    dxf->WriteCircle(DxfLayer(ActiveLayer), Canvas->Pen().Color(), cx, cy,
                     (std::fabs(cx - r.Left) + std::fabs(cy - r.Bottom)) / 2);
    return;
  }
  Canvas->Ellipse(WorldRectToPixels(r));
}

}  // namespace plot
