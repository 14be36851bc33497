// The bubble kind: circles sized by the radius list, the radius-widened vertical range and samples.
#include "chart/series/BubbleSeries.h"

#include "chart/model/SeriesMarks.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"
#include "platform/CanvasRounding.h"

#include <algorithm>

namespace chart {

TBubbleSeries::TBubbleSeries() : radiusValues_(&CreateValueList(QStringLiteral("Radius")))
{
  SetColorEachPoint(true);
  Pointer().SetInflateMargins(false);
  Pointer().SetStyle(TSeriesPointerStyle::psCircle);
  Pointer().SetSizeEditable(false);
  Marks().Frame().SetVisible(false);
  Marks().SetTransparent(true);
}

void TBubbleSeries::SetRadiusValues(const TChartValueList& source)
{
  radiusValues_->Assign(source);
  Repaint();
}

int TBubbleSeries::AddXYRadius(double x, double y, double radius, const QString& label, TColor color)
{
  const int index = AddXY(x, y, label, color);
  if (index < 0) return index;
  radiusValues_->SetStagedValue(radius);
  AddExtraValues(index);
  return index;
}

void TBubbleSeries::Assign(const TCustomSeries& source)
{
  if (const auto* bubble = dynamic_cast<const TBubbleSeries*>(&source)) squared_ = bubble->squared_;
  TPointSeries::Assign(source);
}

bool TBubbleSeries::CanCopyFrom(const TChartSeries& source) const
{
  return &source != this && dynamic_cast<const TBubbleSeries*>(&source) != nullptr;
}

double TBubbleSeries::RadiusExtreme(bool upper) const
{
  double result = upper ? TPointSeries::MaxYValue() : TPointSeries::MinYValue();
  const int count = std::min(Count(), radiusValues_->Count());
  for (int i = 0; i < count; ++i) {
    const double y = YValues().GetValue(i);
    const double r = radiusValues_->GetValue(i);
    result = upper ? std::max(result, y + r) : std::min(result, y - r);
  }
  return result;
}

void TBubbleSeries::DrawValue(int valueIndex)
{
  const double radius = radiusValues_->GetValue(valueIndex);
  const int v = YSizeToPixels(radius);
  Pointer().StoreHorizSize(squared_ ? v : XSizeToPixels(radius));
  Pointer().StoreVertSize(v);
  DrawPointer(CalcXPos(valueIndex), CalcYPos(valueIndex), ValueColor(valueIndex), valueIndex);
}

void TBubbleSeries::DrawLegendShape(int legendIndex, const platform::TRect& rect)
{
  const int size = std::min(rect.Right - rect.Left, rect.Bottom - rect.Top);
  Pointer().StoreHorizSize(size);
  Pointer().StoreVertSize(size);
  TPointSeries::DrawLegendShape(legendIndex, rect);
}

void TBubbleSeries::FillSampleValues(int numValues)
{
  if (numValues <= 0) throw ChartException(QString::fromLatin1(msg::SampleValuesCount));
  Clear();
  const TSampleBounds b = CalcSampleBounds(numValues);
  const int spanY = platform::SafeRound(b.RangeY);
  double x = b.StartX;
  for (int i = 0; i < numValues; ++i) {
    const double y = RandomInt(spanY);
    const double radius = platform::SafeRound(b.RangeY / (RandomInt(15) + 10)) + b.RangeY / 10;
    AddXYRadius(x, y, radius, {}, platform::clDefault);
    x += b.StepX;
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

}  // namespace chart
