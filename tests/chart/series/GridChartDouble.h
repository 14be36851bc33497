#pragma once
// The model's chart double with a depth axis and a depth of its own, drawing through a chart
// canvas of its own onto a recording or a white image, in 3-D (oblique at 100 %: a point at
// depth d lands d pixels right and d pixels up) or flat.

#include "tests/chart/model/ChartDouble.h"

#include "platform/CanvasImage.h"
#include "platform/CanvasRecording.h"

#include <QImage>
#include <vector>

namespace chart::testing {

class TGridChart : public TTestChart {
public:
  explicit TGridChart(platform::TCanvas& target) : target_(target)
  {
    Depth.SetRange(1, 2);
    canvas_.SetBuffered(false);
    canvas_.SetTargetCanvas(target_);
  }

  int Width3D() const override { return DepthPixels; }
  const TCustomChartAxis* SeriesDepthAxis() const override { return &Depth; }
  TTeeCanvas3D& Canvas() override { return canvas_; }

  // Axes over the given ranges, the canvas ready for a picture.
  void Begin(double xMin, double xMax, double yMin, double yMax, double zMin, double zMax, bool is3D = true)
  {
    SetAxisRange(Bottom, xMin, xMax);
    SetAxisRange(Left, yMin, yMax);
    Depth.SetRange(zMin, zMax);
    canvas_.BeginDrawing(target_, &View, platform::clWhite, is3D, Plot);
    canvas_.SetProjection(DepthPixels, Plot, Plot);
  }
  // What the chart does for a series: its preparation, then its values.
  static void Paint(TChartSeries& series)
  {
    series.DoBeforeDrawChart();
    series.DrawAllValues();
  }

  TChartDepthAxis Depth{this};
  int DepthPixels = 100;

private:
  platform::TCanvas& target_;
  TTeeCanvas3D canvas_;
};

// Drawing calls kept as records.
struct TRecordedGridChart {
  platform::TRecordingCanvas Recording;
  TGridChart Chart{Recording};

  std::vector<platform::TCanvasRecord> Drawn(platform::TCanvasOp op) const
  {
    std::vector<platform::TCanvasRecord> out;
    for (const auto& r : Recording.Records())
      if (r.Op == op) out.push_back(r);
    return out;
  }
};

// Drawing on a white image of the plot's size.
struct TImageGridChart {
  QImage Image{400, 300, QImage::Format_RGB32};
  platform::TImageCanvas Canvas{Image};
  TGridChart Chart{Canvas};

  TImageGridChart() { Image.fill(Qt::white); }
  platform::TColor At(int x, int y) const { return platform::FromQColor(QColor(Image.pixel(x, y))); }
};

}  // namespace chart::testing
