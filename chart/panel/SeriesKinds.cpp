#include "chart/panel/SeriesKinds.h"

#include "chart/series/AreaSeries.h"
#include "chart/series/ArrowSeries.h"
#include "chart/series/BarSeries.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/ChartShape.h"
#include "chart/series/ContourSeries.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/GanttSeries.h"
#include "chart/series/HorizBarSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PieSeries.h"
#include "chart/series/PointSeries.h"
#include "chart/series/PolarSeries.h"
#include "chart/series/SurfaceSeries.h"
#include "chart/support/Messages.h"

namespace chart {

namespace {

QString Text(const char* message) { return QString::fromLatin1(message); }

}  // namespace

void RegisterChartSeriesKinds(TTeeSeriesTypes& list)
{
  static constexpr struct {
    const char* ClassName;
    const char* Description;
  } kFunctions[] = {
      {"TAddTeeFunction", msg::FunctionAdd},   {"TSubtractTeeFunction", msg::FunctionSubtract},
      {"TMultiplyTeeFunction", msg::FunctionMultiply}, {"TDivideTeeFunction", msg::FunctionDivide},
      {"THighTeeFunction", msg::FunctionHigh}, {"TLowTeeFunction", msg::FunctionLow},
      {"TAverageTeeFunction", msg::FunctionAverage},
  };
  for (const auto& function : kFunctions)
    RegisterBasicFunction({QString::fromLatin1(function.ClassName)}, Text(function.Description), list);

  const QString standard = Text(msg::GalleryStandard);
  const QString extended = Text(msg::GalleryExtended);
  RegisterSeriesClass(SeriesClassOf<TLineSeries>("TLineSeries"), Text(msg::GalleryLine), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<TBarSeries>("TBarSeries"), Text(msg::GalleryBar), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<THorizBarSeries>("THorizBarSeries"), Text(msg::GalleryHorizBar), standard, 2,
                      list);
  RegisterSeriesClass(SeriesClassOf<TAreaSeries>("TAreaSeries"), Text(msg::GalleryArea), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<TPointSeries>("TPointSeries"), Text(msg::GalleryPoint), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<TPieSeries>("TPieSeries"), Text(msg::GalleryPie), standard, 1, list);
  RegisterSeriesClass(SeriesClassOf<TFastLineSeries>("TFastLineSeries"), Text(msg::GalleryFastLine), standard, 2,
                      list);
  RegisterSeriesClass(SeriesClassOf<TPolarSeries>("TPolarSeries"), Text(msg::GalleryPolar), extended, 2, list);
  RegisterSeriesClass(SeriesClassOf<TRadarSeries>("TRadarSeries"), Text(msg::GalleryRadar), extended, 2, list);
  RegisterSeriesClass(SeriesClassOf<TBubbleSeries>("TBubbleSeries"), Text(msg::GalleryBubble), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<TArrowSeries>("TArrowSeries"), Text(msg::GalleryArrow), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<TGanttSeries>("TGanttSeries"), Text(msg::GalleryGantt), standard, 1, list);
  RegisterSeriesClass(SeriesClassOf<TChartShape>("TChartShape"), Text(msg::GalleryShape), standard, 2, list);
  RegisterSeriesClass(SeriesClassOf<TSurfaceSeries>("TSurfaceSeries"), Text(msg::GallerySurface), extended, 1, list);
  RegisterSeriesClass(SeriesClassOf<TContourSeries>("TContourSeries"), Text(msg::GalleryContour), extended, 1, list);
}

}  // namespace chart
