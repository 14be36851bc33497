// The arrow kind: arrows from start to end points, both ends in the axis ranges, and samples.
#include "chart/series/ArrowSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "platform/CanvasRounding.h"

#include <algorithm>

namespace chart {

TArrowSeries::TArrowSeries()
    : endXValues_(&CreateValueList(QStringLiteral("EndX"))), endYValues_(&CreateValueList(QStringLiteral("EndY")))
{
  XValues().SetDateTime(true);
  endXValues_->SetDateTime(true);
  restrictToAxisRange_ = false;
  Pointer().SetInflateMargins(false);
  Marks().Frame().SetVisible(false);
  Marks().SetTransparent(true);
}

void TArrowSeries::SetEndXValues(const TChartValueList& source)
{
  endXValues_->Assign(source);
  Repaint();
}

void TArrowSeries::SetEndYValues(const TChartValueList& source)
{
  endYValues_->Assign(source);
  Repaint();
}

int TArrowSeries::AddFromTo(double x0, double y0, double x1, double y1, const QString& label, TColor color)
{
  const int index = AddXY(x0, y0, label, color);
  if (index < 0) return index;
  endXValues_->SetStagedValue(x1);
  endYValues_->SetStagedValue(y1);
  AddExtraValues(index);
  return index;
}

bool TArrowSeries::CanCopyFrom(const TChartSeries& source) const
{
  return &source != this && dynamic_cast<const TArrowSeries*>(&source) != nullptr;
}

double TArrowSeries::MaxXValue() const { return std::max(XValues().MaxValue(), endXValues_->MaxValue()); }
double TArrowSeries::MaxYValue() const { return std::max(YValues().MaxValue(), endYValues_->MaxValue()); }
double TArrowSeries::MinXValue() const { return std::min(XValues().MinValue(), endXValues_->MinValue()); }
double TArrowSeries::MinYValue() const { return std::min(YValues().MinValue(), endYValues_->MinValue()); }

void TArrowSeries::PrepareForGallery(bool isEnabled)
{
  TPointSeries::PrepareForGallery(isEnabled);
  FillSampleValues(3);
  SetArrowWidth(12);
  SetArrowHeight(12);
  if (!isEnabled) SetSeriesColor(platform::clGray);
}

void TArrowSeries::DrawValue(int valueIndex)
{
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  const platform::TPoint from{CalcXPos(valueIndex), CalcYPos(valueIndex)};
  const platform::TPoint to{XValueToPixel(endXValues_->GetValue(valueIndex)),
                            YValueToPixel(endYValues_->GetValue(valueIndex))};
  const TColor color = ValueColor(valueIndex);
  TTeeCanvas3D& canvas = chart->Canvas();
  if (chart->View3D()) {
    Pointer().PrepareCanvas(color);
  } else {
    canvas.ApplyChartPen(Pointer().Pen());
    canvas.Pen().SetColor(color);
  }
  canvas.Arrow3D(chart->View3D(), from, to, ArrowWidth(), ArrowHeight(), DepthMiddle);
}

void TArrowSeries::FillSampleValues(int numValues)
{
  if (numValues <= 0) throw ChartException(QString::fromLatin1(msg::SampleValuesCount));
  Clear();
  const TSampleBounds b = CalcSampleBounds(numValues);
  const int spanX = platform::SafeRound(numValues * b.StepX);
  const int spanY = platform::SafeRound(b.RangeY);
  for (int i = 0; i < numValues; ++i) {
    const double x = b.StartX + RandomInt(spanX);
    const double y = b.MinY + RandomInt(spanY);
    const double x1 = x + RandomInt(spanX);
    const double y1 = y + RandomInt(spanY);
    AddFromTo(x, y, x1, y1, {}, platform::clDefault);
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

}  // namespace chart
