// The shape kind's drawing: the figure flat or at the series' depth, then its lines of text.
#include "chart/series/ChartShape.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "platform/CanvasRounding.h"

#include <array>
#include <cmath>

namespace chart {
namespace {

bool Intersects(const platform::TRect& a, const platform::TRect& b)
{
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

void TChartShape::DrawValue(int valueIndex)
{
  TSeriesChart* chart = ParentChart();
  if (valueIndex != 0 || Count() != 2 || chart == nullptr) return;
  const platform::TRect r = ShapeBounds();
  if (!Intersects(r, chart->ChartRect())) return;
  DrawFigure(chart->View3D(), r);
  DrawShapeText(r);
}

void TChartShape::DrawLegendShape(int /*legendIndex*/, const platform::TRect& rect)
{
  if (ParentChart() != nullptr) DrawFigure(false, rect);
}

void TChartShape::DrawFigure(bool in3D, const platform::TRect& r)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  canvas.ApplyChartPen(*pen_);
  if (transparent_)
    canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  else
    canvas.Brush().Assign(brush_);
  canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);

  const int cx = int((static_cast<long long>(r.Left) + r.Right) / 2);
  const int cy = int((static_cast<long long>(r.Top) + r.Bottom) / 2);
  const int z = DepthMiddle;
  using P = platform::TPoint;
  const auto line = [&](int x0, int y0, int x1, int y1) {
    if (in3D)
      canvas.Line3D(x0, y0, x1, y1, z);
    else
      canvas.DrawLine(x0, y0, x1, y1);
  };
  const auto triangle = [&](P a, P b, P c) {
    if (in3D) {
      canvas.Triangle3D(a, b, c, z);
    } else {
      const std::array<P, 3> points{a, b, c};
      canvas.DrawPolygon(points);
    }
  };
  const auto cross = [&] {
    line(cx, r.Top, cx, r.Bottom);
    line(r.Left, cy, r.Right, cy);
  };
  const auto diagonalCross = [&] {
    line(r.Left, r.Top, r.Right, r.Bottom);
    line(r.Left, r.Bottom, r.Right, r.Top);
  };

  switch (style_) {
  case TChartShapeStyle::chasRectangle:
    if (in3D)
      canvas.Rectangle3D(r, z);
    else if (roundRectangle_)
      canvas.DrawRoundRect(r.Left, r.Top, r.Right, r.Bottom, 12, 12);
    else
      canvas.DrawRect(r);
    break;
  case TChartShapeStyle::chasCircle:
    if (in3D)
      canvas.Ellipse3D(r.Left, r.Top, r.Right, r.Bottom, z);
    else
      canvas.DrawEllipse(r.Left, r.Top, r.Right, r.Bottom);
    break;
  case TChartShapeStyle::chasVertLine:
    if (in3D)
      canvas.VerticalLine3D(cx, r.Top, r.Bottom, z);
    else
      canvas.VerticalLine(cx, r.Top, r.Bottom);
    break;
  case TChartShapeStyle::chasHorizLine:
    if (in3D)
      canvas.HorizontalLine3D(r.Left, r.Right, cy, z);
    else
      canvas.HorizontalLine(r.Left, r.Right, cy);
    break;
  case TChartShapeStyle::chasTriangle:
    triangle(P{r.Left, r.Bottom}, P{cx, r.Top}, P{r.Right, r.Bottom});
    break;
  case TChartShapeStyle::chasInvertTriangle:
    triangle(P{r.Left, r.Top}, P{cx, r.Bottom}, P{r.Right, r.Top});
    break;
  case TChartShapeStyle::chasLine:
    line(r.Left, r.Top, r.Right, r.Bottom);
    break;
  case TChartShapeStyle::chasDiamond:
    if (in3D) {
      canvas.Quad3D(P{r.Left, cy}, P{cx, r.Top}, P{r.Right, cy}, P{cx, r.Bottom}, z);
    } else {
      const std::array<P, 4> points{P{r.Left, cy}, P{cx, r.Top}, P{r.Right, cy}, P{cx, r.Bottom}};
      canvas.DrawPolygon(points);
    }
    break;
  case TChartShapeStyle::chasCube:
    if (in3D)
      canvas.Box3D(r.Left, r.Right, r.Top, r.Bottom, DepthStart, DepthEnd, !transparent_);
    else
      canvas.DrawRect(r);
    break;
  case TChartShapeStyle::chasCross:
    cross();
    break;
  case TChartShapeStyle::chasDiagCross:
    diagonalCross();
    break;
  case TChartShapeStyle::chasStar:
    cross();
    diagonalCross();
    break;
  case TChartShapeStyle::chasPyramid:
    if (in3D)
      canvas.Pyramid3D(true, r.Left, r.Top, r.Right, r.Bottom, DepthStart, DepthEnd, !transparent_);
    else
      triangle(P{r.Left, r.Bottom}, P{cx, r.Top}, P{r.Right, r.Bottom});
    break;
  case TChartShapeStyle::chasInvertPyramid:
    if (in3D)
      canvas.Pyramid3D(true, r.Left, r.Bottom, r.Right, r.Top, DepthStart, DepthEnd, !transparent_);
    else
      triangle(P{r.Left, r.Top}, P{cx, r.Bottom}, P{r.Right, r.Top});
    break;
  }
}

void TChartShape::DrawShapeText(const platform::TRect& r)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr || text_.isEmpty()) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  canvas.AssignFont(*font_);
  if (canvas.Brush().Color() == canvas.Font().Color())
    canvas.Font().SetColor(canvas.Font().Color() == platform::clBlack ? platform::clWhite : platform::clBlack);
  const int h = canvas.FontHeight();
  const int cx = int((static_cast<long long>(r.Left) + r.Right) / 2);
  const int cy = int((static_cast<long long>(r.Top) + r.Bottom) / 2);
  int y = cy - platform::SafeRound(text_.size() * double(h) / 2);
  canvas.SetBackgroundMode(platform::TBkMode::bmTransparent);
  const int p = canvas.Pen().Width();
  for (const QString& line : text_) {
    const int w = canvas.TextWidthOf(line);
    int x = cx - w / 2;
    if (alignment_ == TAlignment::taLeftJustify)
      x = r.Left + p + 4;
    else if (alignment_ == TAlignment::taRightJustify)
      x = r.Right - p - w - 4;
    canvas.WriteText3D(x, y, DepthStart, line);
    y += h;
  }
}

}  // namespace chart
