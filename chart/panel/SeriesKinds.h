#pragma once
// The program's start-up registration of the series functions and series kinds, in gallery order.

#include "chart/model/SeriesRegistry.h"

namespace chart {

// Registers the seven basic functions, then every series kind; again, it changes nothing.
void RegisterChartSeriesKinds(TTeeSeriesTypes& list = SeriesKindList());

}  // namespace chart
