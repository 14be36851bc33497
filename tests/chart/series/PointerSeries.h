#pragma once
// A series kind holding a pointer, as the line and point kinds do.

#include "chart/model/ChartSeries.h"
#include "chart/series/SeriesPointer.h"

namespace chart::testing {

class TPointerSeries : public TChartSeries {
public:
  TPointerSeries() : Pointer(*this) {}

  TSeriesPointer Pointer;
};

}  // namespace chart::testing
