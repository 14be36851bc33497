#pragma once
// A function of two variables drawn as a surface of quadrilateral cells in the chart's 3-D view:
// filled in the colours of their values or in one colour, outlined only (wire frame), or as the
// dots of their corners.

#include "chart/canvas/ChartPen.h"
#include "chart/model/ChartBrush.h"
#include "chart/series/Custom3DGridSeries.h"
#include "platform/CanvasTypes.h"

#include <array>
#include <memory>
#include <vector>

namespace chart {

using platform::TPoint;

class TSurfaceSeries : public TCustom3DGridSeries {
public:
  TSurfaceSeries();
  ~TSurfaceSeries() override;

  bool WireFrame() const { return wireFrame_; }
  void SetWireFrame(bool on);  // on: the pen shows, DotFrame goes off
  bool DotFrame() const { return dotFrame_; }
  void SetDotFrame(bool on);  // on: the pen shows, WireFrame goes off
  TChartPen& Pen() { return *pen_; }
  const TChartPen& Pen() const { return *pen_; }
  void SetPen(const TChartPen& pen) { pen_->Assign(pen); }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const platform::TBrush& brush) { brush_.Assign(brush); }

  // Draws the cell whose first corner is the grid position (x, z), towards the current steps.
  virtual void DrawCell(int x, int z);

  void Assign(const TChartSeries& source) override;
  void DrawAllValues() override;
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TSurfaceSeriesEditor"); }
  // The first corner of the cell holding the pixel, -1 when none does.
  int Clicked(int x, int y) override;

private:
  // The corner points of the cell at (x, z) and their pixels; false when a corner is missing.
  bool FetchCell(int x, int z);
  TPoint CornerPixel(int valueIndex) const;
  int ZDepth(int z) const;  // the depth pixel of grid row z
  // The node indexes of the grid and their projected corners, once per drawing.
  void ProjectNodes(int numX, int numZ);
  std::size_t NodeAt(int x, int z) const { return std::size_t(x) * std::size_t(nodeRows_) + std::size_t(z); }

  std::unique_ptr<TChartPen> pen_;
  TChartBrush brush_;
  bool wireFrame_ = false;
  bool dotFrame_ = false;
  bool uniformBrush_ = false;
  int xStep_ = -1;
  int zStep_ = -1;
  std::array<int, 4> cellIndex_{};
  std::array<TPoint, 4> cellPoints_{};
  // Pixels of the points and depths of the rows, kept while all values are drawn.
  std::vector<TPoint> pixels_;
  std::vector<int> depths_;
  int depthBase_ = 0;  // the Z value of grid row 1, less one
  // Grid positions 0..numX + 1 by 0..numZ + 1 while all values are drawn: the point at each (-1 for
  // none) and its corner on screen.
  int nodeRows_ = 0;
  std::vector<int> nodes_;
  std::vector<TPoint> screen_;
  std::array<TPoint, 4> cellScreen_{};
};

}  // namespace chart
