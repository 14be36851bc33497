#include "ChartDouble.h"

#include "chart/model/FunctionKinds.h"
#include "chart/model/SeriesCreation.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PointSeries.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::TTestChart;

std::vector<double> Values(const TChartValueList& list)
{
  std::vector<double> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetValue(i));
  return out;
}

class SeriesCreationTest : public ::testing::Test {
protected:
  SeriesCreationTest()
  {
    RegisterSeriesClass(line_, "Line", "Standard", 2, kinds_);
    RegisterSeriesClass(bar_, "Bar", "Standard", 2, kinds_);
    RegisterSeriesClass(point_, "Point", "Standard", 2, kinds_);
    RegisterBasicFunction({"TAverageTeeFunction"}, "Average", kinds_);
  }
  ~SeriesCreationTest() override
  {
    // The owner's series leave the chart before it goes.
    while (owner_.Count() > 0) owner_.Free(owner_[0]);
  }

  TTestChart chart_;
  TSeriesOwner owner_;
  TTeeSeriesTypes kinds_;
  const TSeriesClass line_ = SeriesClassOf<TLineSeries>("TLineSeries");
  const TSeriesClass bar_ = SeriesClassOf<TBarSeries>("TBarSeries");
  const TSeriesClass point_ = SeriesClassOf<TPointSeries>("TPointSeries");
};

TEST_F(SeriesCreationTest, NewSeriesTakeTheFirstFreeNames)
{
  TChartSeries& first = CreateNewSeries(owner_, chart_, line_, {});
  TChartSeries& second = CreateNewSeries(owner_, chart_, bar_, {"TAverageTeeFunction"});
  TChartSeries& third = CreateNewSeries(owner_, chart_, line_, {"TAverageTeeFunction"});
  EXPECT_EQ(first.Name(), "Series1");
  EXPECT_EQ(second.Name(), "Series2");
  ASSERT_NE(second.SeriesFunction(), nullptr);
  EXPECT_NE(dynamic_cast<TAverageTeeFunction*>(second.SeriesFunction()), nullptr);
  EXPECT_EQ(second.SeriesFunction()->Name(), "TeeFunction1");
  EXPECT_EQ(third.SeriesFunction()->Name(), "TeeFunction2");
  EXPECT_EQ(first.SeriesFunction(), nullptr);
  EXPECT_NE(dynamic_cast<TBarSeries*>(&second), nullptr);
  EXPECT_EQ(chart_.SeriesList().Count(), 3);
  // A freed name is taken again.
  owner_.Free(first);
  EXPECT_EQ(CreateNewSeries(owner_, chart_, point_, {}).Name(), "Series1");
}

TEST_F(SeriesCreationTest, ACloneCopiesTheValuesOrTheSources)
{
  TChartSeries& source = CreateNewSeries(owner_, chart_, line_, {});
  for (double y : {3, 1, 4}) source.Add(y);
  source.SetTitle("Prices");
  TChartSeries* clone = CloneSeries(owner_, source, kinds_);
  ASSERT_NE(clone, nullptr);
  EXPECT_NE(dynamic_cast<TLineSeries*>(clone), nullptr);
  EXPECT_EQ(clone->Name(), "Series2");
  EXPECT_EQ(clone->Title(), "Prices");
  EXPECT_EQ(Values(clone->YValues()), (std::vector<double>{3, 1, 4}));

  TChartSeries& mean = CreateNewSeries(owner_, chart_, bar_, {"TAverageTeeFunction"});
  mean.SeriesFunction()->SetPeriod(2);
  mean.SetDataSource(&source);
  TChartSeries* meanClone = CloneSeries(owner_, mean, kinds_);
  ASSERT_NE(meanClone, nullptr);
  // Each keeps its own function; the clone computes from the same source.
  ASSERT_NE(meanClone->SeriesFunction(), nullptr);
  EXPECT_NE(meanClone->SeriesFunction(), mean.SeriesFunction());
  EXPECT_EQ(meanClone->SeriesFunction()->Period(), 2);
  EXPECT_EQ(meanClone->DataSources(), std::vector<TChartSeries*>{&source});
  EXPECT_EQ(Values(meanClone->YValues()), (std::vector<double>{2}));
  source.Add(5);
  source.RefreshSeries();
  EXPECT_EQ(Values(meanClone->YValues()), (std::vector<double>{2, 4.5}));

  // A kind the list does not know is not cloned.
  TChartSeries plain;
  plain.SetParentChart(&chart_);
  EXPECT_EQ(CloneSeries(owner_, plain, kinds_), nullptr);
}

TEST_F(SeriesCreationTest, ChangingTheKindKeepsNameEventsSourcesAndPlace)
{
  TChartSeries& source = CreateNewSeries(owner_, chart_, point_, {});
  for (double y : {1, 2, 3}) source.Add(y);
  TChartSeries* series = &CreateNewSeries(owner_, chart_, line_, {"TAverageTeeFunction"});
  series->SetDataSource(&source);
  TChartSeries& user = CreateNewSeries(owner_, chart_, point_, {});
  user.SetDataSource(series);
  int added = 0;
  series->OnAfterAdd = [&added](TChartSeries&, int) { ++added; };
  TTeeFunction* function = series->SeriesFunction();

  TChartSeries* before = series;
  ChangeSeriesKind(owner_, series, bar_, kinds_);
  ASSERT_NE(series, before);
  EXPECT_NE(dynamic_cast<TBarSeries*>(series), nullptr);
  EXPECT_EQ(series->Name(), "Series2");
  EXPECT_EQ(chart_.SeriesList().IndexOf(*series), 1);
  EXPECT_EQ(chart_.SeriesList().Count(), 3);
  EXPECT_EQ(owner_.Count(), 3);
  EXPECT_EQ(series->SeriesFunction(), function);
  EXPECT_EQ(series->DataSources(), std::vector<TChartSeries*>{&source});
  EXPECT_EQ(user.DataSources(), std::vector<TChartSeries*>{series});
  // The bar shows the average as one point; the series taking its points follows.
  EXPECT_EQ(Values(series->YValues()), (std::vector<double>{2}));
  EXPECT_EQ(Values(user.YValues()), (std::vector<double>{2}));
  added = 0;
  source.YValues().SetValue(0, 4);
  EXPECT_EQ(Values(user.YValues()), (std::vector<double>{3}));
  EXPECT_EQ(added, 1);

  // The same class again changes nothing.
  before = series;
  ChangeSeriesKind(owner_, series, bar_, kinds_);
  EXPECT_EQ(series, before);
  series->OnAfterAdd = nullptr;
}

}  // namespace
}  // namespace chart
