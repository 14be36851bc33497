#include "chart/model/SeriesList.h"

#include "chart/model/ChartAxis.h"
#include "chart/model/ChartSeries.h"

#include <algorithm>

namespace chart {

int TChartSeriesList::IndexOf(const TChartSeries& series) const
{
  const auto it = std::find(items_.begin(), items_.end(), &series);
  return it == items_.end() ? -1 : int(it - items_.begin());
}

void TChartSeriesList::Add(TChartSeries& series)
{
  if (!Contains(series)) items_.push_back(&series);
}

void TChartSeriesList::Remove(TChartSeries& series)
{
  std::erase(items_, &series);
}

void TChartSeriesList::Exchange(int a, int b)
{
  std::swap(items_.at(std::size_t(a)), items_.at(std::size_t(b)));
}

int TChartSeriesList::CountActive() const
{
  return int(std::count_if(items_.begin(), items_.end(), [](const TChartSeries* s) { return s->Active(); }));
}

bool TChartSeriesList::ValueRangeOnAxis(const TCustomChartAxis& axis, bool isX, double& minimum, double& maximum) const
{
  minimum = maximum = 0;
  bool found = false;
  for (const TChartSeries* s : items_) {
    if (!s->Active() || s->Count() == 0) continue;
    const bool onAxis = isX ? s->HorizAxis() == THorizAxis::aBothHorizAxis || s->ResolvedHorizAxis() == &axis
                            : s->VertAxis() == TVertAxis::aBothVertAxis || s->ResolvedVertAxis() == &axis;
    if (!onAxis) continue;
    const double lo = isX ? s->MinXValue() : s->MinYValue();
    const double hi = isX ? s->MaxXValue() : s->MaxYValue();
    minimum = found ? std::min(minimum, lo) : lo;
    maximum = found ? std::max(maximum, hi) : hi;
    found = true;
  }
  return found;
}

}  // namespace chart
