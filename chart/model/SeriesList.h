#pragma once
// The chart's list of series (not owned: a series belongs to its window and leaves the list when
// it leaves the chart).

#include <vector>

namespace chart {

class TCustomChartAxis;
class TChartSeries;

class TChartSeriesList {
public:
  int Count() const { return int(items_.size()); }
  TChartSeries& Items(int index) const { return *items_.at(std::size_t(index)); }
  TChartSeries& operator[](int index) const { return Items(index); }
  int IndexOf(const TChartSeries& series) const;
  bool Contains(const TChartSeries& series) const { return IndexOf(series) >= 0; }
  void Add(TChartSeries& series);     // appended unless already there
  void Remove(TChartSeries& series);  // nothing when not there
  void Exchange(int a, int b);
  int CountActive() const;
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // The smallest and largest X (isX) or Y values of the active series with points on the axis;
  // false, with both 0, when there is none.
  bool ValueRangeOnAxis(const TCustomChartAxis& axis, bool isX, double& minimum, double& maximum) const;

private:
  std::vector<TChartSeries*> items_;
};

}  // namespace chart
