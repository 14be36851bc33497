#pragma once
// What the chart's model (value lists, series, marks, axes) asks of the chart that owns it. The
// chart control implements it; model tests use a small double.

#include "platform/CanvasTypes.h"

namespace chart {

class TTeeCanvas3D;
class TView3DOptions;

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
};

}  // namespace chart
