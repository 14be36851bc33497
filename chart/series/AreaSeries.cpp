// The area kind: filled down to the axis or to the series stacked beneath, one depth per stack.
#include "chart/series/AreaSeries.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"

#include <algorithm>

namespace chart {

TAreaSeries::TAreaSeries()
{
  SetDrawArea(true);
  functionAsPoint_ = false;
  Pointer().SetVisible(false);
}

void TAreaSeries::SetMultiArea(TMultiArea value)
{
  if (multiArea_ == value) return;
  multiArea_ = value;
  if (TSeriesChart* chart = ParentChart()) {
    for (TChartSeries* other : chart->SeriesList())
      if (auto* area = dynamic_cast<TAreaSeries*>(other); area != nullptr && SameClass(*area)) area->multiArea_ = value;
  }
  Repaint();
}

void TAreaSeries::Assign(const TCustomSeries& source)
{
  if (const auto* area = dynamic_cast<const TAreaSeries*>(&source)) multiArea_ = area->multiArea_;
  TCustomSeries::Assign(source);
  SetDrawArea(true);
  SetDrawLineFlag(true);
  Pointer().SetVisible(false);
}

int TAreaSeries::CalcStackedYPos(int valueIndex, double value) const
{
  const double below = PointOrigin(valueIndex, false);
  if (multiArea_ == TMultiArea::maStacked100) {
    const double total = PointOrigin(valueIndex, true);
    // A zero total has no shares: its points sit at value 0.
    return YValueToPixel(total == 0 ? 0 : (below + value) * 100 / total);
  }
  const int pixel = YValueToPixel(below + value);
  const TChartAxis* axis = ResolvedVertAxis();
  return axis != nullptr ? std::min(pixel, axis->EndPixel()) : pixel;
}

int TAreaSeries::CalcYPos(int valueIndex) const
{
  if (multiArea_ == TMultiArea::maNone) return TCustomSeries::CalcYPos(valueIndex);
  return CalcStackedYPos(valueIndex, YValueAt(valueIndex));
}

int TAreaSeries::GetOriginPos(int valueIndex) const
{
  if (multiArea_ == TMultiArea::maNone) return TCustomSeries::GetOriginPos(valueIndex);
  return CalcStackedYPos(valueIndex, 0);
}

double TAreaSeries::MaxYValue() const
{
  if (multiArea_ == TMultiArea::maStacked100) return 100;
  double result = TCustomSeries::MaxYValue();
  if (multiArea_ == TMultiArea::maStacked)
    for (int i = 0; i < Count(); ++i) result = std::max(result, YValueAt(i) + PointOrigin(i, false));
  return result;
}

double TAreaSeries::MinYValue() const
{
  return multiArea_ == TMultiArea::maStacked100 ? 0 : TCustomSeries::MinYValue();
}

void TAreaSeries::CalcZOrder()
{
  TSeriesChart* chart = ParentChart();
  if (multiArea_ == TMultiArea::maNone || chart == nullptr || !chart->View3D()) {
    TCustomSeries::CalcZOrder();
    return;
  }
  // The stack shares the depth of its first series; that one takes a new depth.
  for (TChartSeries* other : chart->SeriesList()) {
    if (other == this) break;
    if (other->Active() && SameClass(*other) && dynamic_cast<TAreaSeries*>(other) != nullptr) {
      SetZOrder(other->ZOrder());
      return;
    }
  }
  TCustomSeries::CalcZOrder();
}

void TAreaSeries::PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle)
{
  const TColor color = legendIndex == -1 ? SeriesColor() : LegendItemColor(legendIndex);
  backColor = AreaColorFor(color);
  if (ParentChart() != nullptr) ParentChart()->Canvas().ApplyChartPen(AreaLinesPen());
  brushStyle = AreaBrush();
}

}  // namespace chart
