#include "chart/series/PolarSeries.h"

#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"

#include <algorithm>

namespace chart {

bool TPolarSeries::IsInstanceOfClass(const TChartSeries& series) const
{
  return dynamic_cast<const TPolarSeries*>(&series) != nullptr;
}

void TPolarSeries::FillSampleValues(int numValues)
{
  if (numValues <= 0) throw ChartException(QString::fromLatin1(msg::SampleValuesCount));
  Clear();
  for (int i = 1; i <= numValues; ++i) AddPolar(360.0 / numValues * i, RandomInt(1000) + 1);
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

bool TRadarSeries::IsInstanceOfClass(const TChartSeries& series) const
{
  return dynamic_cast<const TRadarSeries*>(&series) != nullptr;
}

void TRadarSeries::DoBeforeDrawChart()
{
  SetRotationAngle(90);
  int sides = 0;
  if (ParentChart() != nullptr)
    for (const TChartSeries* series : ParentChart()->SeriesList())
      if (series->Active()) sides = std::max(sides, series->Count());
  SetSideCount(sides);
  if (sides <= 0) return;
  const double step = 360.0 / sides;
  SetAngleIncrement(step);
  for (int b = 0; b < Count(); ++b) XValues().SetValue(b, step * b);
}

void TRadarSeries::FillSampleValues(int /*numValues*/)
{
  static constexpr const char* kLabels[] = {"Cars", "Phones", "Tables", "Monitors", "Lamps"};
  Clear();
  for (const char* label : kLabels) Add(RandomInt(1000), QString::fromLatin1(label));
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

void TRadarSeries::PrepareForGallery(bool isEnabled)
{
  TCustomPolarSeries::PrepareForGallery(isEnabled);
  FillSampleValues(NumSampleValues());
}

QString TRadarSeries::GetCircleLabel(double degrees) const
{
  for (int i = 0; i < Count(); ++i)
    if (XValueAt(i) == degrees) return ValueLabel(i);
  return {};
}

}  // namespace chart
