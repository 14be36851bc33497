#pragma once
// A small chart for the model's tests: its series list and four axes, a plot rectangle, a chart
// canvas drawing into a recording, the 3-D, ready and click flags, and a count of repaints.

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/support/Palette.h"
#include "platform/CanvasRecording.h"

namespace chart::testing {

class TTestChart : public TSeriesChart {
public:
  TTestChart()
  {
    Bottom.SetHorizontal(true);
    Top.SetHorizontal(true);
    Top.SetOtherSide(true);
    Right.SetOtherSide(true);
    canvas_.SetBuffered(false);
    canvas_.SetTargetCanvas(Target);
    canvas_.BeginDrawing(Target, &View, platform::clWhite, false, Plot);
    canvas_.SetProjection(0, Plot, Plot);
  }
  ~TTestChart() override
  {
    // The series outlive the chart in some tests: they leave it first.
    while (series_.Count() > 0) series_[0].SetParentChart(nullptr);
  }

  // Fixes an axis' range and lays it along the plot rectangle.
  void SetAxisRange(TChartAxis& axis, double min, double max)
  {
    axis.SetRange(min, max);
    axis.CalcPixelRange();
  }

  void Invalidate() override
  {
    if (ready_) ++Repaints;
  }
  TTeeCanvas3D& Canvas() override { return canvas_; }
  bool View3D() const override { return Is3D; }
  const TView3DOptions& View3DOptions() const override { return View; }
  platform::TRect ChartRect() const override { return Plot; }
  int Width3D() const override { return 0; }
  bool IsReady() const override { return ready_; }
  bool IsReading() const override { return false; }
  bool IsPrinting() const override { return false; }

  double AxisMinMax(const TCustomChartAxis& axis, bool isMin, bool isX) const override
  {
    double min = 0, max = 0;
    series_.ValueRangeOnAxis(axis, isX, min, max);
    return isMin ? min : max;
  }
  bool IsAxisDateTime(const TCustomChartAxis&) const override { return false; }
  bool HasActiveSeriesOnAxis(const TCustomChartAxis&) const override { return series_.CountActive() > 0; }
  bool HasPointLabelsOnAxis(const TCustomChartAxis&) const override { return false; }
  bool HasDepthValues() const override { return false; }
  int MaxMarksWidth() const override { return 0; }
  int MaxTextWidth() const override { return 0; }
  void GetAxisLabel(const TCustomChartAxis&, QString&) const override {}
  int AxisWallSize(const TCustomChartAxis&) const override { return 0; }
  int SideWallSize(bool) const override { return 0; }
  bool IsAxisVisible(const TCustomChartAxis& axis) const override { return axis.Visible(); }
  void CheckPenWidth(platform::TPen&) const override {}
  bool HasNextAxisLabel() const override { return false; }
  void GetNextAxisLabel(const TCustomChartAxis&, int, double&, bool&) const override {}
  std::vector<TAxisTextLabel> AxisTextLabels(const TCustomChartAxis&, bool) const override { return {}; }
  QString DepthAxisLabel(const TCustomChartAxis&, int) const override { return {}; }

  TChartSeriesList& SeriesList() override { return series_; }
  const TChartSeriesList& SeriesList() const override { return series_; }
  void InsertSeries(TChartSeries& series) override
  {
    if (series_.Contains(series)) return;
    if (series.SeriesColor() == platform::clDefault) series.SetSeriesColor(PaletteColor(series_.Count()));
    series.SetParentChart(this);
    series_.Add(series);
    Invalidate();
  }
  void RemoveSeries(TChartSeries& series) override
  {
    if (!series_.Contains(series)) return;
    series.SetParentChart(nullptr);
    series_.Remove(series);
    Invalidate();
  }
  TChartAxis& LeftAxis() override { return Left; }
  TChartAxis& RightAxis() override { return Right; }
  TChartAxis& TopAxis() override { return Top; }
  TChartAxis& BottomAxis() override { return Bottom; }
  void SetReady(bool ready) override { ready_ = ready; }
  void SetView3D(bool on) override { Is3D = on; }
  void SetClipPoints(bool on) override { ClipPoints = on; }
  int RaiseZCounter(int by) override { return ZCounter += by; }
  void SetClickHandled(bool handled) override { ClickHandled = handled; }
  platform::TColor Color() const override { return BackColor; }
  platform::TColor LegendColor() const override { return LegendBackColor; }
  QString LegendText(const TChartSeries& series, int valueIndex) const override
  {
    return series.LegendString(valueIndex, TLegendTextStyle::ltsLeftValue);
  }

  platform::TRect Plot{0, 0, 400, 300};
  platform::TRecordingCanvas Target;
  TView3DOptions View;
  TChartAxis Left{this}, Right{this}, Top{this}, Bottom{this};
  int Repaints = 0;
  bool Is3D = false;
  bool ClipPoints = true;
  bool ClickHandled = false;
  int ZCounter = -1;
  platform::TColor BackColor = platform::clWhite;
  platform::TColor LegendBackColor = platform::clWhite;

private:
  TChartSeriesList series_;
  TTeeCanvas3D canvas_;
  bool ready_ = true;
};

}  // namespace chart::testing
