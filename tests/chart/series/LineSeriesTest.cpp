#include "tests/chart/series/LineChart.h"

#include "chart/series/AreaSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/PointSeries.h"

#include <gtest/gtest.h>

#include <iostream>

namespace chart {
namespace {

using testing::TLineTestChart;

TEST(LineSeriesDump, Dump)
{
  TLineSeries s;
  TLineTestChart chart;
  chart.InsertSeries(s);
  s.AddXY(1, 10);
  s.AddXY(2, 50);
  s.AddXY(3, 20);
  s.Pointer().SetVisible(true);
  for (auto& c : chart.Paint(s)) std::cout << c << "\n";
}

}  // namespace
}  // namespace chart
