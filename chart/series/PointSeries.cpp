// The point kind: a visible pointer, no line, clicks only on the symbols.
#include "chart/series/PointSeries.h"

#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/model/SeriesMarks.h"

namespace chart {

TPointSeries::TPointSeries()
{
  SetDrawLineFlag(false);
  Marks().SetArrowLength(0);
  SetClickableLineFlag(false);
  Pointer().SetVisible(true);
}

void TPointSeries::Assign(const TCustomSeries& source)
{
  TCustomSeries::Assign(source);
  Pointer().SetVisible(true);
  SetDrawArea(false);
  SetDrawLineFlag(false);
  SetClickableLineFlag(false);
}

void TPointSeries::SetColorEachPoint(bool on)
{
  TCustomSeries::SetColorEachPoint(on);
  if (on) Pointer().Brush().SetColor(platform::clDefault);
}

void TPointSeries::PrepareForGallery(bool isEnabled)
{
  TCustomSeries::PrepareForGallery(isEnabled);
  Pointer().SetHorizSize(6);
  Pointer().SetVertSize(6);
  const TSeriesChart* chart = ParentChart();
  if (chart != nullptr && chart->SeriesList().Count() > 1 && &chart->SeriesList()[1] == this)
    Pointer().SetStyle(TSeriesPointerStyle::psTriangle);
}

}  // namespace chart
