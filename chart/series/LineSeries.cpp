// The line kind: the line flag on, no pointer, no area.
#include "chart/series/LineSeries.h"

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/SeriesChart.h"

namespace chart {

TLineSeries::TLineSeries()
{
  SetDrawLineFlag(true);
  functionAsPoint_ = false;
  Pointer().SetVisible(false);
}

void TLineSeries::Assign(const TCustomSeries& source)
{
  TCustomSeries::Assign(source);
  Pointer().SetVisible(false);
  SetDrawArea(false);
  SetDrawLineFlag(true);
}

void TLineSeries::PrepareLegendCanvas(int /*legendIndex*/, TColor& /*backColor*/, platform::TBrushStyle& brushStyle)
{
  if (ParentChart() != nullptr) ParentChart()->Canvas().ApplyChartPen(LinePen());
  brushStyle = LineBrush();
}

}  // namespace chart
