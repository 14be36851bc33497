#include "chart/model/SeriesRegistry.h"
#include "chart/panel/SeriesKinds.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

TEST(SeriesRegistry, TheStartUpListsTheFunctionsThenTheKindsInGalleryOrder)
{
  TTeeSeriesTypes list;
  RegisterChartSeriesKinds(list);
  RegisterChartSeriesKinds(list);  // again: nothing new
  const struct {
    const char* Description;
    const char* Page;
    const char* SeriesClass;
    const char* FunctionClass;
    int Samples;
  } expected[] = {
      {"Add", "Functions", "", "TAddTeeFunction", 2},
      {"Subtract", "Functions", "", "TSubtractTeeFunction", 2},
      {"Multiply", "Functions", "", "TMultiplyTeeFunction", 2},
      {"Divide", "Functions", "", "TDivideTeeFunction", 2},
      {"High", "Functions", "", "THighTeeFunction", 2},
      {"Low", "Functions", "", "TLowTeeFunction", 2},
      {"Average", "Functions", "", "TAverageTeeFunction", 2},
      {"Line", "Standard", "TLineSeries", "", 2},
      {"Bar", "Standard", "TBarSeries", "", 2},
      {"Horiz. Bar", "Standard", "THorizBarSeries", "", 2},
      {"Area", "Standard", "TAreaSeries", "", 2},
      {"Point", "Standard", "TPointSeries", "", 2},
      {"Pie", "Standard", "TPieSeries", "", 1},
      {"Fast Line", "Standard", "TFastLineSeries", "", 2},
      {"Polar", "Extended", "TPolarSeries", "", 2},
      {"Radar", "Extended", "TRadarSeries", "", 2},
      {"Bubble", "Standard", "TBubbleSeries", "", 2},
      {"Arrow", "Standard", "TArrowSeries", "", 2},
      {"Gantt", "Standard", "TGanttSeries", "", 1},
      {"Shape", "Standard", "TChartShape", "", 2},
      {"Surface", "Extended", "TSurfaceSeries", "", 1},
      {"Contour", "Extended", "TContourSeries", "", 1},
  };
  ASSERT_EQ(list.Count(), 22);
  ASSERT_EQ(list.Count(), int(std::size(expected)));
  for (int i = 0; i < list.Count(); ++i) {
    const TTeeSeriesType& entry = list[i];
    EXPECT_EQ(entry.KindDescription, expected[i].Description) << i;
    EXPECT_EQ(entry.GalleryPageName, expected[i].Page) << i;
    EXPECT_EQ(entry.SeriesKindClass.ClassName, expected[i].SeriesClass) << i;
    EXPECT_EQ(entry.FunctionKindClass.ClassName, expected[i].FunctionClass) << i;
    EXPECT_EQ(entry.GallerySampleCount, expected[i].Samples) << i;
    // Each series kind makes a series of its class.
    if (!entry.SeriesKindClass.IsNone()) {
      EXPECT_NE(entry.SeriesKindClass.Create(), nullptr) << i;
    }
  }
  EXPECT_NE(dynamic_cast<TBarSeries*>(list[8].SeriesKindClass.Create().get()), nullptr);
}

TEST(SeriesRegistry, AClassTwiceIsOneEntryWithAFunctionClassTwo)
{
  TTeeSeriesTypes list;
  const TSeriesClass line = SeriesClassOf<TLineSeries>("TLineSeries");
  const TFunctionClass average{QStringLiteral("TAverageTeeFunction")};
  RegisterSeriesClass(line, "Line", "Standard", 2, list);
  RegisterSeriesClass(line, "Other", "Other", 3, list);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list[0].KindDescription, "Line");  // the first registration stays
  RegisterSeriesKind(line, average, "Line average", "Functions", 2, list);
  EXPECT_EQ(list.Count(), 2);
  RegisterBasicFunction(average, "Average", list);
  EXPECT_EQ(list.Count(), 3);

  // Texts longer than 20 characters are cut.
  RegisterSeriesClass(SeriesClassOf<TBarSeries>("TBarSeries"), "A description of thirty chars",
                      "A page name over twenty", 1, list);
  EXPECT_EQ(list[3].KindDescription, "A description of thi");
  EXPECT_EQ(list[3].GalleryPageName, "A page name over twe");

  // Unregistering a series class removes its entries, with or without a function.
  UnregisterSeriesKinds({line}, list);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[0].FunctionKindClass, average);
  UnregisterFunctionKind(average, list);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list[0].SeriesKindClass.ClassName, "TBarSeries");
}

}  // namespace
}  // namespace chart
