#pragma once
// What the chart's model (value lists, series, marks, axes) asks of the chart that owns it. The
// chart control implements it; model tests use a small double.

#include "platform/CanvasTypes.h"
#include "platform/Color.h"
#include "platform/Pen.h"

#include <QString>
#include <vector>

namespace chart {

class TCustomChartAxis;
class TTeeCanvas3D;
class TView3DOptions;

// A text label along an axis: its text (after the chart's label event) and the value it labels.
struct TAxisTextLabel {
  QString Text;
  double Value = 0;
};

class TParentChart {
public:
  virtual ~TParentChart() = default;

  // Panel: repaint, canvas, 3-D settings, layout state.
  virtual void Invalidate() = 0;  // the repaint setters of every chart part end here
  virtual TTeeCanvas3D& Canvas() = 0;
  virtual bool View3D() const = 0;
  virtual const TView3DOptions& View3DOptions() const = 0;
  virtual platform::TRect ChartRect() const = 0;
  virtual int Width3D() const = 0;   // depth of the 3-D part in pixels
  virtual bool IsReady() const = 0;  // construction finished
  virtual bool IsReading() const = 0;  // being loaded from a stream: setters skip their checks
  virtual bool IsPrinting() const = 0;

  // Axes and series: members the series base and the axes need of the axis panel.

  // Axis side
  // The automatic minimum (isMin) or maximum of an axis over the active series on it: their X
  // values (isX) or Y values; the depth axis' own range for the depth axis.
  virtual double AxisMinMax(const TCustomChartAxis& axis, bool isMin, bool isX) const = 0;
  // The first active series on the axis holds dates along it (X for a horizontal axis, else Y).
  virtual bool IsAxisDateTime(const TCustomChartAxis& axis) const = 0;
  // An active series uses the axis (for the depth axis: any series is active).
  virtual bool HasActiveSeriesOnAxis(const TCustomChartAxis& axis) const = 0;
  // An active series has point labels along the axis, its first label not empty.
  virtual bool HasPointLabelsOnAxis(const TCustomChartAxis& axis) const = 0;
  // An active series has its own depth values or a depth range of its own.
  virtual bool HasDepthValues() const = 0;
  virtual int MaxMarksWidth() const = 0;  // the widest mark text over the active series
  virtual int MaxTextWidth() const = 0;   // the widest point label over all series
  // The chart's label event for a value label of the axis (no series, index -1).
  virtual void GetAxisLabel(const TCustomChartAxis& axis, QString& text) const = 0;

  // Axis drawing side
  virtual platform::TColor Color() const = 0;  // the chart's background
  // The size of the wall beside the axis (left or bottom axis of a 3-D chart with walls), else 0.
  virtual int AxisWallSize(const TCustomChartAxis& axis) const = 0;
  // The size of the wall beside the left axis (leftWall) or the bottom axis, else 0.
  virtual int SideWallSize(bool leftWall) const = 0;
  virtual bool IsAxisVisible(const TCustomChartAxis& axis) const = 0;  // the chart draws the axis
  // Grid pens may be thinned for paper.
  virtual void CheckPenWidth(platform::TPen& pen) const = 0;
  // The chart has a handler that gives the axis' label values one by one.
  virtual bool HasNextAxisLabel() const = 0;
  // The handler for label index: sets value and clears stop to give a label.
  virtual void GetNextAxisLabel(const TCustomChartAxis& axis, int index, double& value, bool& stop) const = 0;
  // The text labels along a side axis in point order, each through the chart's label event: the
  // mark texts (marks) or the point labels of the active labelled series on the axis, over their
  // visible points, the first series reaching an index giving it; the value is X along a
  // horizontal axis, else Y.
  virtual std::vector<TAxisTextLabel> AxisTextLabels(const TCustomChartAxis& axis, bool marks) const = 0;
  // The depth axis' label of the series at z order z, through the chart's label event.
  virtual QString DepthAxisLabel(const TCustomChartAxis& axis, int z) const = 0;
};

}  // namespace chart
