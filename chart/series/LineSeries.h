#pragma once
// Points joined by a line, flat or as a 3-D ribbon.

#include "chart/series/CustomSeries.h"

namespace chart {

class TLineSeries : public TCustomSeries {
public:
  TLineSeries();

  void Assign(const TCustomSeries& source) override;
  QString GetEditorClassName() const override { return QStringLiteral("TCustomSeriesEditor"); }
  void PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle) override;
};

}  // namespace chart
