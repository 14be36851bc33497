#pragma once
// The grid chart double with what round series switch on a chart: axes and walls, the 3-D view
// and the back wall's colour; it paints a series as the chart does, flat.

#include "tests/chart/series/GridChartDouble.h"

namespace chart::testing {

class TPolarChart : public TGridChart {
public:
  using TGridChart::TGridChart;

  void SetAxesAndWalls(bool on) override
  {
    AxesAndWalls = on;
    ++Adaptations;
  }
  TView3DOptions* View3DToSet() override { return &View; }
  platform::TColor BackWallColor() const override { return WallColor; }

  // A flat picture with the radius (left) axis over min..max.
  void BeginFlat(double radiusMin, double radiusMax)
  {
    Begin(0, 360, radiusMin, radiusMax, 0, 1, false);
  }
  // The chart's steps for one series: its preparation, visible range, background and values.
  static void PaintSeries(TChartSeries& series)
  {
    series.DoBeforeDrawChart();
    series.CalcVisibleRange();
    series.DoBeforeDrawValues();
    series.DrawAllValues();
  }

  bool AxesAndWalls = true;
  int Adaptations = 0;
  platform::TColor WallColor = platform::clDefault;
};

struct TRecordedPolarChart {
  platform::TRecordingCanvas Recording;
  TPolarChart Chart{Recording};

  std::vector<platform::TCanvasRecord> Drawn(platform::TCanvasOp op) const
  {
    std::vector<platform::TCanvasRecord> out;
    for (const auto& r : Recording.Records())
      if (r.Op == op) out.push_back(r);
    return out;
  }
};

}  // namespace chart::testing
