#pragma once
// Clears a chart's ready flag for a scope, so changes made meanwhile do not repaint it, and
// restores the flag on every path out.

#include "chart/model/SeriesChart.h"

namespace chart {

class TNotReadyScope {
public:
  explicit TNotReadyScope(TSeriesChart* chart) : chart_(chart), wasReady_(chart != nullptr && chart->IsReady())
  {
    if (chart_ != nullptr) chart_->SetReady(false);
  }
  ~TNotReadyScope()
  {
    if (chart_ != nullptr) chart_->SetReady(wasReady_);
  }
  TNotReadyScope(const TNotReadyScope&) = delete;
  TNotReadyScope& operator=(const TNotReadyScope&) = delete;

private:
  TSeriesChart* chart_;
  bool wasReady_;
};

}  // namespace chart
