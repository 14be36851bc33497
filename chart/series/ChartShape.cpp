// The shape kind: its settings, corners, bounds, samples and clicks.
#include "chart/series/ChartShape.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/support/ChartFont.h"
#include "chart/support/HitTests.h"
#include "platform/CanvasRounding.h"

#include <array>
#include <cmath>
#include <utility>

namespace chart {

TChartShape::TChartShape()
    : brush_([this] { CanvasChanged(); }), pen_(CreateChartPen()), font_(NewChartFont([this] { CanvasChanged(); }))
{
  brush_.SetColor(platform::clWhite);
  SetSeriesColor(brush_.Color());
  restrictToAxisRange_ = false;
  AddDefaultPoints();
}

TChartShape::~TChartShape()
{
  // The brush and font must not call back into a series being destroyed.
  brush_.OnChange = nullptr;
  font_->OnChange = nullptr;
}

void TChartShape::AddDefaultPoints()
{
  AddXY(0, 0, {}, platform::clDefault);
  AddXY(100, 100, {}, platform::clDefault);
}

double TChartShape::CornerValue(bool isX, int index) const
{
  if (Count() < 2) return 0;
  return isX ? XValues().GetValue(index) : YValues().GetValue(index);
}

void TChartShape::SetCornerValue(bool isX, int index, double value)
{
  if (Count() < 2) return;
  if (isX)
    SetXValue(index, value);
  else
    SetYValue(index, value);
}

void TChartShape::SetStyle(TChartShapeStyle style)
{
  if (style_ == style) return;
  style_ = style;
  Repaint();
}

void TChartShape::SetXYStyle(TChartShapeXYStyle style)
{
  if (xyStyle_ == style) return;
  xyStyle_ = style;
  Repaint();
}

void TChartShape::SetAlignment(TAlignment alignment)
{
  if (alignment_ == alignment) return;
  alignment_ = alignment;
  Repaint();
}

void TChartShape::SetPen(const TChartPen& pen) { pen_->Assign(pen); }

void TChartShape::SetText(const QStringList& lines)
{
  text_ = lines;
  CanvasChanged();
}

void TChartShape::SetSeriesColor(TColor color)
{
  TChartSeries::SetSeriesColor(color);
  brush_.SetColor(color);
}

void TChartShape::Assign(const TChartShape& source)
{
  if (&source == this) return;
  style_ = source.style_;
  xyStyle_ = source.xyStyle_;
  alignment_ = source.alignment_;
  roundRectangle_ = source.roundRectangle_;
  transparent_ = source.transparent_;
  text_ = source.text_;
  pen_->Assign(*source.pen_);
  font_->Assign(*source.font_);
  brush_.Assign(source.brush_);
}

bool TChartShape::CanCopyFrom(const TChartSeries& source) const
{
  return &source != this && dynamic_cast<const TChartShape*>(&source) != nullptr;
}

platform::TRect TChartShape::ShapeBounds() const
{
  platform::TRect r;
  switch (xyStyle_) {
  case TChartShapeXYStyle::xysPixels:
    r = {platform::SafeTrunc(X0()), platform::SafeTrunc(Y0()), platform::SafeTrunc(X1()), platform::SafeTrunc(Y1())};
    break;
  case TChartShapeXYStyle::xysAxis:
    r = {CalcXPos(0), CalcYPos(0), CalcXPos(1), CalcYPos(1)};
    break;
  case TChartShapeXYStyle::xysAxisOrigin:
    r.Left = CalcXPos(0);
    r.Top = CalcYPos(0);
    r.Right = r.Left + platform::SafeTrunc(X1());
    r.Bottom = r.Top + platform::SafeTrunc(Y1());
    break;
  }
  if (r.Bottom == r.Top)
    r.Bottom = r.Top + 1;
  else if (r.Bottom < r.Top)
    std::swap(r.Top, r.Bottom);
  if (r.Right == r.Left)
    r.Right = r.Left + 1;
  else if (r.Right < r.Left)
    std::swap(r.Left, r.Right);
  return r;
}

void TChartShape::CalcZOrder()
{
  if (UseAxis()) TChartSeries::CalcZOrder();
}

void TChartShape::PrepareForGallery(bool isEnabled)
{
  TChartSeries::PrepareForGallery(isEnabled);
  font_->SetColor(platform::clWhite);
  font_->SetSize(14);
  text_.clear();
  const TSeriesChart* chart = ParentChart();
  const bool second = chart != nullptr && chart->SeriesList().Count() > 1 && &chart->SeriesList()[1] == this;
  if (second) {
    SetStyle(TChartShapeStyle::chasCircle);
    brush_.SetColor(isEnabled ? platform::clBlue : platform::clSilver);
    SetText({QStringLiteral("abc")});
  } else {
    SetStyle(TChartShapeStyle::chasTriangle);
    brush_.SetColor(isEnabled ? platform::clRed : platform::clSilver);
    SetText({QStringLiteral("123")});
  }
}

void TChartShape::FillSampleValues(int /*numValues*/)
{
  Clear();
  const TSampleBounds b = CalcSampleBounds(1);
  if (b.StepX == 0) {
    AddDefaultPoints();
  } else {
    AddXY(b.StartX + b.StepX / 8, b.RandomY / 2, {}, platform::clDefault);
    AddXY(b.StartX + b.StepX - b.StepX / 8, b.RandomY + RandomInt(int(std::lround(b.RangeY))), {},
          platform::clDefault);
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

bool TChartShape::IsInFigure(platform::TPoint p, const platform::TRect& r) const
{
  const int cx = int((static_cast<long long>(r.Left) + r.Right) / 2);
  const int cy = int((static_cast<long long>(r.Top) + r.Bottom) / 2);
  switch (style_) {
  case TChartShapeStyle::chasCircle:
    return IsInsideEllipse(p, r);
  case TChartShapeStyle::chasVertLine:
    return IsOnLine(p, cx, r.Top, cx, r.Bottom);
  case TChartShapeStyle::chasHorizLine:
    return IsOnLine(p, r.Left, cy, r.Right, cy);
  case TChartShapeStyle::chasLine:
    return IsOnLine(p, r.Left, r.Top, r.Right, r.Bottom);
  case TChartShapeStyle::chasTriangle:
  case TChartShapeStyle::chasPyramid:
    return IsInsideTriangle(p, r.Left, r.Right, r.Bottom, r.Top);
  case TChartShapeStyle::chasInvertTriangle:
  case TChartShapeStyle::chasInvertPyramid:
    return IsInsideTriangle(p, r.Left, r.Right, r.Top, r.Bottom);
  case TChartShapeStyle::chasDiamond: {
    const std::array<platform::TPoint, 4> points{
        platform::TPoint{cx, r.Top}, platform::TPoint{r.Right, cy}, platform::TPoint{cx, r.Bottom},
        platform::TPoint{r.Left, cy}};
    return IsInsidePolygon(p, points);
  }
  default:
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
  }
}

int TChartShape::Clicked(int x, int y)
{
  if (TSeriesChart* chart = ParentChart()) chart->Canvas().ScreenToChart(x, y, DepthStart);
  return IsInFigure({x, y}, ShapeBounds()) ? 0 : -1;
}

}  // namespace chart
