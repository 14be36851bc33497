// Random sample points of a series.
#include "chart/model/ChartAxis.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/NotReadyScope.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/support/ChartExceptions.h"
#include "chart/support/Messages.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace chart {
namespace {

constexpr double kMaxSampleRange = 2147483647.0;
constexpr double kDateDelta = 25569.0;  // days from 1899-12-30 to 1970-01-01

double Today()
{
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::floor(std::chrono::duration<double>(now).count() / 86400.0) + kDateDelta;
}

struct TSampleRange {
  double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

// A range that is not positive and finite gives 1.
double UsableRange(double span) { return std::isfinite(span) && span > 0 ? span : 1.0; }

}  // namespace

int TChartSeries::RandomInt(int n)
{
  if (!random_) {
    auto engine = std::make_shared<std::mt19937>(
        unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    random_ = [engine](int k) { return k <= 0 ? 0 : std::uniform_int_distribution<int>(0, k - 1)(*engine); };
  }
  return random_(n);
}

double TChartSeries::TodayDate() { return Today(); }

TChartSeries::TSampleBounds TChartSeries::CalcSampleBounds(int numValues)
{
  // Next to other series with points the samples take the ranges of this series' axes.
  TSampleRange b;
  bool fromChart = false;
  if (parent_ != nullptr && horizAxisResolved_ != nullptr && vertAxisResolved_ != nullptr) {
    const TChartSeriesList& list = parent_->SeriesList();
    fromChart = std::any_of(list.begin(), list.end(), [](const TChartSeries* s) { return s->Active() && s->Count() > 0; });
    list.ValueRangeOnAxis(*vertAxisResolved_, false, b.MinY, b.MaxY);
    list.ValueRangeOnAxis(*horizAxisResolved_, true, b.MinX, b.MaxX);
  }
  if (fromChart) {
    if (b.MaxY == b.MinY) b.MaxY = b.MinY == 0 ? 1000 : 2 * b.MinY;
    if (b.MaxX == b.MinX) b.MaxX = b.MinX == 0 ? numValues : 2 * b.MinX;
  } else {
    b.MinY = 0;
    b.MaxY = 1000;
    b.MinX = xValues_->DateTime() ? Today() : 0;
    b.MaxX = b.MinX + numValues - 1;
  }

  TSampleBounds result;
  result.StartX = b.MinX;
  result.StepX = b.MaxX - b.MinX;
  if (numValues > 1) result.StepX /= numValues - 1;
  if (!std::isfinite(result.StepX)) result.StepX = 1;
  result.MinY = b.MinY;
  result.RangeY = std::min(UsableRange(b.MaxY - b.MinY), kMaxSampleRange);
  result.RandomY = RandomInt(int(std::lround(result.RangeY))) + b.MinY;
  return result;
}

void TChartSeries::FillSampleValues(int numValues)
{
  if (numValues <= 0) throw ChartException(QString::fromLatin1(msg::SampleValuesCount));
  Clear();
  const TSampleBounds b = CalcSampleBounds(numValues);
  const int r = int(std::lround(b.RangeY)) / 4;
  double y = b.RandomY;
  double x = b.StartX;
  {
    TNotReadyScope notReady(parent_);
    for (int i = 0; i < numValues; ++i) {
      y = std::fabs(RandomInt(r) + y - r / 2);
      AddXY(x, y, {}, platform::clDefault);
      x += b.StepX;
    }
  }
  NotifyLinked(TSeriesNotification::Refresh, -1);
}

}  // namespace chart
