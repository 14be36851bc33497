// The joined kinds' settings, pointer, margins, marks, legend symbol and clicks.
#include "chart/series/CustomSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/HitTests.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace chart {

using platform::TPoint;

TCustomSeries::TCustomSeries()
    : pointer_(std::make_unique<TSeriesPointer>(*this)), linePen_(CreateChartPen()), areaLinesPen_(CreateChartPen())
{
  includeNextPoint_ = true;
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetPointer(const TSeriesPointer& pointer) { pointer_->Assign(pointer); }

void TCustomSeries::SetLinePen(const TChartPen& pen) { linePen_->Assign(pen); }

void TCustomSeries::SetAreaLinesPen(const TChartPen& pen) { areaLinesPen_->Assign(pen); }

void TCustomSeries::SetLineBrush(platform::TBrushStyle style)
{
  if (lineBrush_ == style) return;
  lineBrush_ = style;
  Repaint();
}

void TCustomSeries::SetAreaBrush(platform::TBrushStyle style)
{
  if (areaBrush_ == style) return;
  areaBrush_ = style;
  Repaint();
}

void TCustomSeries::Assign(const TCustomSeries& source)
{
  if (&source == this) return;
  pointer_->Assign(*source.pointer_);
  linePen_->Assign(*source.linePen_);
  areaLinesPen_->Assign(*source.areaLinesPen_);
  lineBrush_ = source.lineBrush_;
  lineHeight_ = source.lineHeight_;
  stairs_ = source.stairs_;
  invertedStairs_ = source.invertedStairs_;
  dark3D_ = source.dark3D_;
  drawArea_ = source.drawArea_;
  areaColor_ = source.areaColor_;
  areaBrush_ = source.areaBrush_;
  OnClickPointer = source.OnClickPointer;
  OnGetPointerStyle = source.OnGetPointerStyle;
  Repaint();
}

bool TCustomSeries::IsPointInPointer(int /*valueIndex*/, int pointX, int pointY, int x, int y) const
{
  return std::llabs(static_cast<long long>(x) - pointX) < pointer_->HorizSize() &&
         std::llabs(static_cast<long long>(y) - pointY) < pointer_->VertSize();
}

void TCustomSeries::DrawPointer(int x, int y, TColor color, int valueIndex)
{
  pointer_->PrepareCanvas(color);
  const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : pointer_->Style();
  pointer_->Draw(x, y, color, style);
}

int TCustomSeries::GetOriginPos(int /*valueIndex*/) const
{
  const TChartAxis* axis = ResolvedVertAxis();
  return axis != nullptr ? axis->EndPixel() : 0;
}

void TCustomSeries::PrepareLinePen(TColor color)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  canvas.ApplyChartPen(*linePen_);
  if (linePen_->Visible()) chart->CheckPenWidth(canvas.Pen());
  if (chart->View3D()) {
    canvas.Brush().SetStyle(lineBrush_);
    canvas.Brush().SetColor(color);
    return;
  }
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  canvas.Pen().SetColor(color);
}

TColor TCustomSeries::AreaColorFor(TColor color) const
{
  return ColorEachPoint() || areaColor_ == platform::clDefault ? color : areaColor_;
}

void TCustomSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  Marks().SetZPosition(DepthStart);
  const int length = Marks().ArrowLength();
  position.TopLeft.Y -= length;
  position.ArrowEnd.Y -= length;
  TChartSeries::DrawMark(valueIndex, text, position);
}

void TCustomSeries::CalcHorizMargins(int& left, int& right) const
{
  TChartSeries::CalcHorizMargins(left, right);
  pointer_->CalcHorizMargins(left, right);
  if (stairs_ && drawLine_) {
    left = std::max(left, linePen_->Width());
    right = std::max(right, linePen_->Width());
  }
}

void TCustomSeries::CalcVerticalMargins(int& top, int& bottom) const
{
  TChartSeries::CalcVerticalMargins(top, bottom);
  pointer_->CalcVerticalMargins(top, bottom);
  if (stairs_ && drawLine_) {
    top = std::max(top, linePen_->Width());
    bottom = std::max(bottom, linePen_->Width() + 1);
  }
  if (lineHeight_ > 0 && !drawArea_) bottom = std::max(bottom, lineHeight_);
}

bool TCustomSeries::IsOnSegment(TPoint q, TPoint p, TPoint at) const
{
  if (!stairs_) return IsOnLine(at, q.X, q.Y, p.X, p.Y);
  if (invertedStairs_) return IsOnLine(at, q.X, q.Y, q.X, p.Y) || IsOnLine(at, q.X, p.Y, p.X, p.Y);
  return IsOnLine(at, q.X, q.Y, p.X, q.Y) || IsOnLine(at, p.X, q.Y, p.X, p.Y);
}

int TCustomSeries::Clicked(int x, int y)
{
  TSeriesChart* chart = ParentChart();
  if (chart != nullptr) chart->Canvas().ScreenToChart(x, y, DepthStart);
  const int inherited = TChartSeries::Clicked(x, y);
  const int first = FirstVisibleIndex();
  const int last = std::min(LastVisibleIndex(), Count() - 1);
  if (inherited != -1 || chart == nullptr || first < 0 || last < first) return inherited;
  const TPoint at{x, y};
  const bool is3D = chart->View3D();
  const int w = chart->SeriesWidth3D();
  const int h = chart->SeriesHeight3D();
  TPoint previous;
  for (int i = first; i <= last; ++i) {
    const TPoint p{CalcXPos(i), CalcYPos(i)};
    if (pointer_->Visible() && IsPointInPointer(i, p.X, p.Y, x, y)) {
      if (OnClickPointer) OnClickPointer(*this, i, x, y);
      return i;
    }
    if (p == at) return i;
    if (i > first) {
      if (clickableLine_) {
        if (is3D) {
          const std::array<TPoint, 4> ribbon{previous, TPoint{previous.X + w, previous.Y - h},
                                             TPoint{p.X + w, p.Y - h}, p};
          if (IsInsidePolygon(at, ribbon)) return i - 1;
        } else if (IsOnSegment(previous, p, at)) {
          return i - 1;
        }
      }
      if (drawArea_) {
        const std::array<TPoint, 4> area{previous, p, TPoint{p.X, GetOriginPos(i)},
                                         TPoint{previous.X, GetOriginPos(i - 1)}};
        if (IsInsidePolygon(at, area)) return i - 1;
      }
    }
    previous = p;
  }
  return -1;
}

void TCustomSeries::DrawLegendShape(int legendIndex, const platform::TRect& rect)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  const TColor color = legendIndex == -1 ? SeriesColor() : ValueColor(legendIndex);
  const int middle = int((static_cast<long long>(rect.Top) + rect.Bottom) / 2);
  if (pointer_->Visible()) {
    if (drawLine_) {
      canvas.ApplyChartPen(*linePen_);
      canvas.DrawLine(rect.Left, middle, rect.Right, middle);
    }
    pointer_->DrawLegendSymbol(color, rect, linePen_->Visible());
    return;
  }
  if (!drawLine_ || drawArea_) {
    TChartSeries::DrawLegendShape(legendIndex, rect);
    return;
  }
  PrepareLinePen(color);
  if (chart->View3D())
    canvas.DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
  else
    canvas.DrawLine(rect.Left, middle, rect.Right, middle);
}

}  // namespace chart
