#pragma once
// The model's chart double with the 3-D series slice sizes, laid out for the joined kinds: the
// bottom axis 0..10 over the plot's 400 pixels, the left axis 0..100 over its 300.

#include "tests/chart/model/ChartDouble.h"

#include "chart/model/ChartSeries.h"

#include <functional>
#include <string>
#include <vector>

namespace chart::testing {

class TLineTestChart : public TTestChart {
public:
  TLineTestChart() { Layout(); }

  int SeriesWidth3D() const override { return SliceWidth; }
  int SeriesHeight3D() const override { return SliceHeight; }

  void Layout()
  {
    SetAxisRange(Bottom, 0, 10);
    SetAxisRange(Left, 0, 100);
  }
  // A 3-D view with the series' slice from depth 10 to 30.
  void Begin3D(TChartSeries& series)
  {
    Is3D = true;
    Canvas().BeginDrawing(Target, &View, platform::clWhite, true, Plot);
    Canvas().SetProjection(100, Plot, Plot);
    SliceWidth = 20;
    SliceHeight = 20;
    series.DepthStart = 10;
    series.DepthMiddle = 20;
    series.DepthEnd = 30;
  }
  // The drawing calls of the visible points.
  std::vector<std::string> Paint(TChartSeries& series)
  {
    Target.Clear();
    series.CalcVisibleRange();
    series.DrawAllValues();
    return Target.Calls();
  }

  int SliceWidth = 0;
  int SliceHeight = 0;
};

}  // namespace chart::testing
