#pragma once
// A wall of the chart's 3-D box (back, left or bottom): brush, colour, pen, thickness and shading.

#include "chart/canvas/ChartPen.h"
#include "chart/model/ChartBrush.h"
#include "platform/Color.h"

namespace chart {

class TParentChart;

class TChartWall {
public:
  TChartWall(TParentChart* chart, platform::TColor defaultColor = platform::clDefault);
  TChartWall(const TChartWall&) = delete;
  TChartWall& operator=(const TChartWall&) = delete;

  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const platform::TBrush& brush) { brush_.Assign(brush); }
  TChartPen& Pen() { return pen_; }
  const TChartPen& Pen() const { return pen_; }
  void SetPen(const TChartPen& pen) { pen_.Assign(pen); }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor color);  // each setter repaints on a change
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool on);
  int Size() const { return size_; }
  void SetSize(int pixels);

  platform::TColor DefaultColor() const { return defaultColor_; }
  bool IsColorStored() const { return color_ != defaultColor_; }
  // Shaded sides: a brush that fills, without a bitmap, with Dark3D on.
  bool ShouldDarken() const;
  // Brush, colour, Dark3D, pen and size.
  void Assign(const TChartWall& other);

private:
  void Repaint() const;

  TParentChart* chart_;
  platform::TColor defaultColor_;
  platform::TColor color_;
  bool dark3D_ = true;
  int size_ = 0;
  TChartBrush brush_;
  TChartPen pen_;
};

}  // namespace chart
