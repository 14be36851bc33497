#include "chart/panel/Chart.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PieSeries.h"

#include <gtest/gtest.h>

namespace chart {
namespace {

TEST(ChartParts, AnAxisWithoutATitleIsCalledByItsSide)
{
  TChart chart;
  const struct {
    TCustomChartAxis& Axis;
    const char* Name;
  } cases[] = {
      {chart.LeftAxis(), "Left Axis"},     {chart.RightAxis(), "Right Axis"}, {chart.TopAxis(), "Top Axis"},
      {chart.BottomAxis(), "Bottom Axis"}, {chart.DepthAxis(), "Depth Axis"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(chart.AxisTitleOrName(c.Axis), c.Name);
  chart.DepthAxis().Title().SetCaption("Time");
  EXPECT_EQ(chart.AxisTitleOrName(chart.DepthAxis()), "Time");
}

TEST(ChartParts, ASeriesColourOrTheBackColourIsNotFree)
{
  TChart chart;
  TLineSeries line;
  line.SetSeriesColor(0x0000FF);
  chart.AddSeries(line);
  chart.SetBackColor(0x00C000);
  EXPECT_FALSE(chart.IsFreeSeriesColor(0x0000FF, false));
  EXPECT_TRUE(chart.IsFreeSeriesColor(0x00C000, false));
  EXPECT_FALSE(chart.IsFreeSeriesColor(0x00C000, true));
  EXPECT_FALSE(chart.IsFreeSeriesColor(chart.Color(), true));
  EXPECT_TRUE(chart.IsFreeSeriesColor(0x123456, true));
}

TEST(ChartParts, ASeriesFedByAnotherListsTheSourcesValueNames)
{
  TChart chart;
  TBubbleSeries source;
  TLineSeries linked, alone;
  for (TChartSeries* series : {static_cast<TChartSeries*>(&source), static_cast<TChartSeries*>(&linked),
                               static_cast<TChartSeries*>(&alone)})
    chart.AddSeries(*series);
  linked.SetDataSource(&source);
  std::vector<QString> names;
  const auto collect = [&names](const QString& name) { names.push_back(name); };
  TCustomChart::ListSourceValueNames(linked, collect);
  std::vector<QString> expected;
  for (int i = 0; i < source.ValueListCount(); ++i)
    expected.push_back(source.ValueList(i).Name());
  EXPECT_EQ(names, expected);
  EXPECT_EQ(names.size(), 3u);  // X, Y and the radii
  names.clear();
  TCustomChart::ListSourceValueNames(alone, collect);
  EXPECT_TRUE(names.empty());
}

TEST(ChartParts, APieReadiedForTheGallerySetsTheChartsDepthPercent)
{
  TChart chart;
  TPieSeries pie;
  chart.AddSeries(pie);
  pie.PrepareForGallery(true);
  EXPECT_EQ(chart.Chart3DPercent(), 75);
  EXPECT_EQ(pie.Count(), 8);
}

TEST(ChartParts, ExchangingSeriesSwapsTheirPlacesAndAssignCopiesTheChartsParts)
{
  TChart chart;
  TLineSeries first;
  TLineSeries second;
  chart.AddSeries(first);
  chart.AddSeries(second);
  chart.ExchangeSeries(0, 1);
  EXPECT_EQ(&chart.SeriesAt(0), &second);
  EXPECT_EQ(&chart.SeriesAt(1), &first);

  chart.Title().SetText({"one", "two"});
  chart.Foot().SetAlignment(TAlignment::taLeftJustify);
  chart.LeftWall().SetSize(7);
  chart.BackWall().SetDark3D(false);
  chart.SetBackImageInside(true);
  chart.Legend().SetInverted(true);
  TChart copy;
  copy.Assign(chart);
  EXPECT_EQ(copy.Title().Text(), chart.Title().Text());
  EXPECT_EQ(copy.Foot().Alignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(copy.LeftWall().Size(), 7);
  EXPECT_FALSE(copy.BackWall().Dark3D());
  EXPECT_TRUE(copy.BackImageInside());
  EXPECT_TRUE(copy.Legend().Inverted());
  EXPECT_EQ(copy.SeriesCount(), 0);  // the series stay with their chart
}

}  // namespace
}  // namespace chart
