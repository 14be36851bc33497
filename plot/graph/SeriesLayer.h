#pragma once
// What the graph asks of a data series: its style code, bars, symbol width and points. The plot
// component's series implement it.

#include "plot/graph/Layer.h"
#include "plot/support/FloatGeometry.h"
#include "plot/support/FloatUtils.h"

namespace plot {

// Style codes of a series.
using TSeriesStyle = int;
inline constexpr TSeriesStyle kStylePoints = 1;
inline constexpr TSeriesStyle kStyleLine = 2;
inline constexpr TSeriesStyle kStyleLineAndPoint = 3;
inline constexpr TSeriesStyle kStyleVolume = 4;
inline constexpr TSeriesStyle kStyleArrow = 5;
inline constexpr TSeriesStyle kStylePiecewiseConstant = 6;
inline constexpr TSeriesStyle kStyleArea = 7;
inline constexpr TSeriesStyle kStyleBar = 8;
inline constexpr TSeriesStyle kStyleMatrix = 9;
inline constexpr TSeriesStyle kStyleDepthBar = 10;  // a bar drawn in depth order

class TSeriesLayer : public TLayer {
public:
  using TLayer::TLayer;

  virtual TSeriesStyle GetStyle() const = 0;
  virtual void SetStyle(TSeriesStyle style) = 0;
  // The bar width as a fraction of the space of one point (0.7 in a new series).
  virtual double GetBarWidth() const = 0;
  virtual int GetMarkerStyle() const = 0;
  // True when every point keeps its own marker colour; otherwise GetMarkerColor colours them all.
  virtual bool GetPointColors() const { return true; }
  virtual platform::TColor GetMarkerColor() const { return GetColor(); }
  // Point index's data position; past the end the last point; an empty series gives (0, 0).
  virtual TFloatPoint GetPoint(int index) = 0;
  // Pixels the series needs on each side of its points, given the largest point counts among the
  // series of style 8 (n8) and of style 10 (n10).
  virtual int GetSymbolWidth(int n8, int n10) const = 0;
  // Bar p as bar k of slotCount side by side within the bar extents.
  virtual void DrawClusteredBar(int p, int k, int n, int slotCount, double xMin, double xMax, double yMin,
                                double yMax) = 0;
  // Bar p from the graph's StackBase upward; adds its height to StackBase.
  virtual void DrawStackedBar(int p) = 0;

  // What the info bubbles show of a place (x, y) in world units.
  virtual QString GetPointName(int /*index*/) { return {}; }
  // Y at x on the segment spanning x nearest to y; MissingValue when none spans x.
  virtual double InterpolateY(double /*x*/, double /*y*/) { return MissingValue; }
  virtual double ValueAt(double x, double y) { return InterpolateY(x, y); }
  // The X of the point nearest to the place, or x itself where the series has no point there.
  virtual double NearestX(double x, double /*y*/) { return x; }
  virtual int NearestPointIndex(double /*x*/, double /*y*/) { return -1; }
  // The bubble text of a place for a style without values.
  virtual QString GetInfoCaption(const QString& /*caption*/, double /*x*/, double /*y*/) { return {}; }
  // The bar of point index: its two X and two Y in either order.
  virtual TFloatRect GetBarRect(int /*index*/) { return {}; }
  // The series names its points by cell (matrix series); the series is of the base series class.
  virtual bool IsMatrixSeries() const { return false; }
  virtual bool IsPlainSeries() const { return true; }

  bool OnMarker = false;  // the mouse is over a marker (the info layer sets it too)
  QString ValueLabel;     // the label of the values (bubbles of matrix series)
};

// The layer as a series, or nullptr.
inline TSeriesLayer* AsSeries(TLayer* layer) { return dynamic_cast<TSeriesLayer*>(layer); }
inline const TSeriesLayer* AsSeries(const TLayer* layer) { return dynamic_cast<const TSeriesLayer*>(layer); }

}  // namespace plot
