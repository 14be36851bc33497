#pragma once
// What a series asks of the chart it belongs to, beyond what every chart part asks: its series
// list and axes, and the flags a series sets while it fills, draws and takes clicks. The chart
// control implements it; series tests use a small double.

#include "chart/model/ParentChart.h"
#include "platform/Color.h"

#include <QString>

namespace chart {

class TChartAxis;
class TChartSeries;
class TChartSeriesList;
class TView3DOptions;

class TSeriesChart : public TParentChart {
public:
  virtual TChartSeriesList& SeriesList() = 0;
  virtual const TChartSeriesList& SeriesList() const = 0;
  virtual void InsertSeries(TChartSeries& series) = 0;  // a free colour when it has none, appended, repaint
  virtual void RemoveSeries(TChartSeries& series) = 0;  // leaves the list, loses its parent, repaint
  virtual TChartAxis& LeftAxis() = 0;
  virtual TChartAxis& RightAxis() = 0;
  virtual TChartAxis& TopAxis() = 0;
  virtual TChartAxis& BottomAxis() = 0;
  // The depth axis that series with Z values lay them along; a chart without one has none.
  virtual const TCustomChartAxis* SeriesDepthAxis() const { return nullptr; }
  virtual void SetReady(bool ready) = 0;  // while not ready, Invalidate does nothing
  virtual void SetView3D(bool on) = 0;
  virtual void SetClipPoints(bool on) = 0;
  virtual int RaiseZCounter(int by) = 0;  // the running z order of the series being drawn; returns it
  // The depth and height in pixels of one series slice of a 3-D chart (0 when flat).
  virtual int SeriesWidth3D() const { return 0; }
  virtual int SeriesHeight3D() const { return 0; }
  // The points shown on one page; 0 shows them all.
  virtual int MaxPointsPerPage() const { return 0; }
  virtual void SetClickHandled(bool handled) = 0;
  virtual platform::TColor Color() const = 0;        // the chart's background
  virtual platform::TColor LegendColor() const = 0;  // the legend's background
  virtual QString LegendText(const TChartSeries& series, int valueIndex) const = 0;  // the legend's text of a point
  // Round series: the axes, walls, frame and back wall shown, zoom and panning allowed (on) or
  // not; a chart without them has nothing to switch.
  virtual void SetAxesAndWalls(bool /*on*/) {}
  // The 3-D view a round series sets; none for a chart that keeps its own.
  virtual TView3DOptions* View3DToSet() { return nullptr; }
  // The 3-D effect's depth in percent that a series' gallery preparation sets; nothing unless
  // the chart overrides it.
  virtual void SetSeriesDepthPercent(int /*percent*/) {}
  // The back wall's colour; "no colour" for a chart without walls.
  virtual platform::TColor BackWallColor() const { return platform::clDefault; }
  virtual bool IsDestroying() const { return false; }
};

}  // namespace chart
