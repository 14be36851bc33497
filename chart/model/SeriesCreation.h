#pragma once
// Making series for the gallery and the editor: new series of a registered kind (with a function),
// clones, and a series replaced by one of another kind in its place.

#include "chart/model/SeriesRegistry.h"

#include <QString>
#include <memory>
#include <vector>

namespace chart {

class TChartSeries;
class TSeriesChart;

// The series a window owns, each named uniquely with its function among them.
class TSeriesOwner {
public:
  int Count() const { return int(series_.size()); }
  TChartSeries& operator[](int index) const { return *series_.at(std::size_t(index)); }
  TChartSeries& Adopt(std::unique_ptr<TChartSeries> series);
  void Free(TChartSeries& series);  // destroys it; nothing when not owned
  bool Owns(const TChartSeries& series) const;
  TChartSeries* FindSeries(const QString& name) const;
  // A series or a series' function carries the name.
  bool IsNameTaken(const QString& name) const;

private:
  std::vector<std::unique_ptr<TChartSeries>> series_;
};

// A series of seriesClass owned by owner, on chart, named "Series" and the first free number;
// with functionClass given, its function of that class named "TeeFunction" and a free number.
TChartSeries& CreateNewSeries(TSeriesOwner& owner, TSeriesChart& chart, const TSeriesClass& seriesClass,
                              const TFunctionClass& functionClass);
// The registered class of series (none when its kind is not in list).
TSeriesClass SeriesClassOf(const TChartSeries& series, const TTeeSeriesTypes& list = SeriesKindList());
// A new series of the same class and function class with the series' settings, sources and
// points; null when the kind is not registered or the series is on no chart.
TChartSeries* CloneSeries(TSeriesOwner& owner, const TChartSeries& series,
                          const TTeeSeriesTypes& list = SeriesKindList());
// Replaces series by a new one of newClass that keeps its settings, events, sources, linked series,
// place in the chart's list and name; series then points at the new one. Nothing for the same class.
void ChangeSeriesKind(TSeriesOwner& owner, TChartSeries*& series, const TSeriesClass& newClass,
                      const TTeeSeriesTypes& list = SeriesKindList());

}  // namespace chart
