#pragma once
// A chart double for axis tests: a plot rectangle, series ranges and label facts set by the test,
// a canvas over a white image for measuring, and a count of repaints.

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/model/ChartAxis.h"
#include "chart/model/ParentChart.h"
#include "platform/CanvasImage.h"

#include <QImage>
#include <functional>
#include <vector>

namespace chart::testing {

class TAxisTestChart final : public TParentChart {
public:
  TAxisTestChart()
  {
    image_.fill(Qt::white);
    canvas_.SetBuffered(false);
    canvas_.SetTargetCanvas(imageCanvas_);
  }

  int Invalidations = 0;
  bool Reading = false;
  platform::TRect Plot{0, 0, 400, 300};
  int Depth = 100;
  double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
  bool DateTime = false;
  bool SeriesOnAxis = true;
  bool PointLabels = false;
  bool DepthValues = false;
  int MarksWidth = 0;
  int TextWidth = 0;
  std::function<void(QString&)> OnLabel;
  // Drawing side.
  bool View3DOn = false;
  bool Printing = false;
  platform::TColor BackColor = platform::clWhite;
  int LeftWall = 0, BottomWall = 0;
  bool AxisShown = true;
  std::function<void(int, double&, bool&)> OnNextLabel;  // the label-value handler, when set
  std::vector<TAxisTextLabel> TextLabels;
  std::vector<TAxisTextLabel> MarkLabels;

  void Invalidate() override { ++Invalidations; }
  TTeeCanvas3D& Canvas() override { return canvas_; }
  bool View3D() const override { return View3DOn; }
  const TView3DOptions& View3DOptions() const override { return view_; }
  platform::TRect ChartRect() const override { return Plot; }
  int Width3D() const override { return Depth; }
  bool IsReady() const override { return true; }
  bool IsReading() const override { return Reading; }
  bool IsPrinting() const override { return Printing; }

  double AxisMinMax(const TCustomChartAxis&, bool isMin, bool isX) const override
  {
    return isX ? (isMin ? MinX : MaxX) : (isMin ? MinY : MaxY);
  }
  bool IsAxisDateTime(const TCustomChartAxis&) const override { return DateTime; }
  bool HasActiveSeriesOnAxis(const TCustomChartAxis&) const override { return SeriesOnAxis; }
  bool HasPointLabelsOnAxis(const TCustomChartAxis&) const override { return PointLabels; }
  bool HasDepthValues() const override { return DepthValues; }
  int MaxMarksWidth() const override { return MarksWidth; }
  int MaxTextWidth() const override { return TextWidth; }
  void GetAxisLabel(const TCustomChartAxis&, QString& text) const override
  {
    if (OnLabel)
      OnLabel(text);
  }

  platform::TColor Color() const override { return BackColor; }
  int AxisWallSize(const TCustomChartAxis& axis) const override
  {
    switch (axis.Side()) {
    case TAxisSide::Left:
      return LeftWall;
    case TAxisSide::Bottom:
      return BottomWall;
    default:
      return 0;
    }
  }
  int SideWallSize(bool leftWall) const override { return leftWall ? LeftWall : BottomWall; }
  bool IsAxisVisible(const TCustomChartAxis& axis) const override { return AxisShown && axis.Visible(); }
  void CheckPenWidth(platform::TPen&) const override {}
  bool HasNextAxisLabel() const override { return static_cast<bool>(OnNextLabel); }
  void GetNextAxisLabel(const TCustomChartAxis&, int index, double& value, bool& stop) const override
  {
    OnNextLabel(index, value, stop);
  }
  std::vector<TAxisTextLabel> AxisTextLabels(const TCustomChartAxis&, bool marks) const override
  {
    return marks ? MarkLabels : TextLabels;
  }
  QString DepthAxisLabel(const TCustomChartAxis&, int z) const override { return QStringLiteral("Series %1").arg(z); }

  // Draws on target instead of the measuring image (a recording or image canvas of the test).
  void DrawOn(platform::TCanvas& target) { canvas_.SetTargetCanvas(target); }
  // Starts a 3-D picture on target: the orthogonal view puts (x, y, z) at (x + z, y - z).
  void Begin3D(platform::TCanvas& target)
  {
    View3DOn = true;
    canvas_.BeginDrawing(target, &view_, platform::clWhite, true, Plot);
    canvas_.SetProjection(Depth, Plot, Plot);
  }

private:
  QImage image_{400, 300, QImage::Format_RGB32};
  platform::TImageCanvas imageCanvas_{image_};
  TTeeCanvas3D canvas_;
  TView3DOptions view_;
};

// An axis showing min..max over the pixels start..end.
inline void PlaceAxis(TCustomChartAxis& axis, double min, double max, int start = 0, int end = 400)
{
  axis.SetRange(min, max);
  axis.SetPixelRange(start, end);
}

}  // namespace chart::testing
