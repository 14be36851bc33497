// The fast line: one pen for the whole series, a segment per point that moved to a new pixel.
#include "chart/series/FastLineSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/HitTests.h"

#include <algorithm>

namespace chart {

using platform::TPoint;

TFastLineSeries::TFastLineSeries() : linePen_(CreateChartPen())
{
  functionAsPoint_ = false;
  includeNextPoint_ = true;
}

TFastLineSeries::~TFastLineSeries() = default;

void TFastLineSeries::SetLinePen(const TChartPen& pen)
{
  linePen_->Assign(pen);
  SetSeriesColor(pen.Color());
}

void TFastLineSeries::SetSeriesColor(TColor color)
{
  TChartSeries::SetSeriesColor(color);
  linePen_->SetColor(color);
}

void TFastLineSeries::Assign(const TFastLineSeries& source)
{
  if (&source == this) return;
  linePen_->Assign(*source.linePen_);
  autoRepaint_ = source.autoRepaint_;
  Repaint();
}

void TFastLineSeries::PreparePen()
{
  TSeriesChart* chart = ParentChart();
  TTeeCanvas3D& canvas = chart->Canvas();
  canvas.ApplyChartPen(*linePen_);
  if (linePen_->Visible()) chart->CheckPenWidth(canvas.Pen());
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
}

void TFastLineSeries::DrawAllValues()
{
  if (ParentChart() == nullptr) return;
  linePen_->SetColor(SeriesColor());
  PreparePen();
  TChartSeries::DrawAllValues();
}

void TFastLineSeries::LineTo(TPoint p)
{
  TSeriesChart* chart = ParentChart();
  if (chart->View3D())
    chart->Canvas().LineToPoint3D(p.X, p.Y, DepthMiddle);
  else
    chart->Canvas().LineToPoint(p.X, p.Y);
}

void TFastLineSeries::DrawValue(int valueIndex)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  TTeeCanvas3D& canvas = chart->Canvas();
  const TPoint p{CalcXPos(valueIndex), CalcYPos(valueIndex)};
  if (valueIndex == FirstVisibleIndex()) {
    // The first visible point joins the one before it, which lies off the plot.
    const TPoint from = valueIndex == 0 ? p : TPoint{CalcXPos(valueIndex - 1), CalcYPos(valueIndex - 1)};
    if (chart->View3D())
      canvas.MoveToPoint3D(from.X, from.Y, DepthMiddle);
    else
      canvas.MoveToPoint(from.X, from.Y);
    if (valueIndex != 0) LineTo(p);
  } else if (p != previous_) {
    LineTo(p);
  }
  previous_ = p;
}

void TFastLineSeries::AddedValue(TChartSeries& sender, int valueIndex)
{
  TSeriesChart* chart = ParentChart();
  if (autoRepaint_ || chart == nullptr || !Active()) {
    TChartSeries::AddedValue(sender, valueIndex);
    return;
  }
  if (OnAfterAdd) OnAfterAdd(sender, valueIndex);
  NotifyLinked(TSeriesNotification::Add, valueIndex);
  // Drawn at once from the point before, without repainting the chart.
  PreparePen();
  const int from = std::max(valueIndex - 1, 0);
  previous_ = {CalcXPos(from), CalcYPos(from)};
  if (chart->View3D())
    chart->Canvas().MoveToPoint3D(previous_.X, previous_.Y, DepthMiddle);
  else
    chart->Canvas().MoveToPoint(previous_.X, previous_.Y);
  if (valueIndex > 0 && TPoint{CalcXPos(valueIndex), CalcYPos(valueIndex)} != previous_) DrawValue(valueIndex);
}

void TFastLineSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position)
{
  const int length = Marks().ArrowLength();
  position.TopLeft.Y -= length;
  position.ArrowEnd.Y -= length;
  TChartSeries::DrawMark(valueIndex, text, position);
}

void TFastLineSeries::DrawLegendShape(int /*legendIndex*/, const platform::TRect& rect)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  linePen_->SetColor(SeriesColor());
  PreparePen();
  const int middle = int((static_cast<long long>(rect.Top) + rect.Bottom) / 2);
  chart->Canvas().DrawLine(rect.Left, middle, rect.Right, middle);
}

int TFastLineSeries::Clicked(int x, int y)
{
  TSeriesChart* chart = ParentChart();
  if (chart != nullptr) chart->Canvas().ScreenToChart(x, y, DepthMiddle);
  const int inherited = TChartSeries::Clicked(x, y);
  const int first = FirstVisibleIndex();
  const int last = std::min(LastVisibleIndex(), Count() - 1);
  if (inherited != -1 || chart == nullptr || first < 0) return inherited;
  const TPoint at{x, y};
  TPoint previous;
  for (int i = first; i <= last; ++i) {
    const TPoint p{CalcXPos(i), CalcYPos(i)};
    if (p == at) return i;
    if (i > first && IsOnLine(at, previous.X, previous.Y, p.X, p.Y)) return i - 1;
    previous = p;
  }
  return -1;
}

}  // namespace chart
