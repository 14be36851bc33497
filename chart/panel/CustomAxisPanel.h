#pragma once
// The chart panel that owns the series and the five axes: their automatic ranges, paging through
// long series, the series' depth slices in 3-D, and the drawing of one chart picture in its fixed
// order (background, titles and legend, layout, walls, axes, series and marks).

#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesList.h"
#include "chart/panel/CustomTeePanelExtended.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace chart {

class TChartSeries;

class TCustomAxisPanel : public TCustomTeePanelExtended, public TSeriesChart {
public:
  using TNotifyEvent = std::function<void()>;
  // May change any axis label text; series is null and valueIndex -1 for value labels.
  using TAxisLabelEvent = std::function<void(const TCustomChartAxis& axis, const TChartSeries* series, int valueIndex,
                                             QString& labelText)>;
  using TNextAxisLabelEvent =
      std::function<void(const TCustomChartAxis& axis, int labelIndex, double& labelValue, bool& stop)>;

  explicit TCustomAxisPanel(QWidget* parent = nullptr);
  ~TCustomAxisPanel() override;

  // Settings; each setter repaints on a change.
  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool on);
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool on) override;
  bool View3DWalls() const { return view3DWalls_; }
  void SetView3DWalls(bool on);
  bool ScaleLastPage() const { return scaleLastPage_; }
  void SetScaleLastPage(bool on);
  int MaxPointsPerPage() const { return maxPointsPerPage_; }
  void SetMaxPointsPerPage(int value);  // ChartException below 0; the page follows a shrinking count
  int Page() const { return page_; }
  virtual void SetPage(int value);  // limited to 1..NumPages; OnPageChange on a change
  int NumPages() const;

  // Axes: bottom, top, left, right, depth, in that order. Assigning copies the settings.
  int AxisCount() const { return int(axes_.size()); }
  TCustomChartAxis& AxisAt(int index) const { return *axes_.at(std::size_t(index)); }
  TChartAxis& BottomAxis() override { return *bottom_; }
  TChartAxis& TopAxis() override { return *top_; }
  TChartAxis& LeftAxis() override { return *left_; }
  TChartAxis& RightAxis() override { return *right_; }
  TChartDepthAxis& DepthAxis() { return *depth_; }
  const TChartAxis& BottomAxis() const { return *bottom_; }
  const TChartAxis& TopAxis() const { return *top_; }
  const TChartAxis& LeftAxis() const { return *left_; }
  const TChartAxis& RightAxis() const { return *right_; }
  const TChartDepthAxis& DepthAxis() const { return *depth_; }
  void SetBottomAxis(const TCustomChartAxis& axis) { bottom_->Assign(axis); }
  void SetTopAxis(const TCustomChartAxis& axis) { top_->Assign(axis); }
  void SetLeftAxis(const TCustomChartAxis& axis) { left_->Assign(axis); }
  void SetRightAxis(const TCustomChartAxis& axis) { right_->Assign(axis); }
  void SetDepthAxis(const TCustomChartAxis& axis) { depth_->Assign(axis); }
  // Axes shown at all: the axis' own flag, the depth axis only in 3-D, a side axis only with a
  // series on it (or with no active series using axes).
  bool IsAxisVisible(const TCustomChartAxis& axis) const override;

  // Series (not owned: a series leaves the chart when it is destroyed).
  void AddSeries(TChartSeries& series);
  void InsertSeries(TChartSeries& series) override;
  void RemoveSeries(TChartSeries& series) override;
  int SeriesCount() const { return series_.Count(); }
  TChartSeries& SeriesAt(int index) const { return series_.Items(index); }
  void FreeAllSeries();  // every series taken off the chart
  TChartSeries* FirstSeriesOnAxis(const TChartAxis& axis) const;  // the first active one
  int MaxPointCount() const;
  TChartSeries* ActiveLegendSeries(int n) const;  // the n-th active series shown in the legend
  QString SeriesLegendTitle(int n) const;          // title, else name, else "Series n"
  TColor GetFreeSeriesColor(bool checkBackground) const;
  virtual bool IsFreeSeriesColor(TColor color, bool checkBackground) const;

  // Automatic ranges over the series (paged along the axis of the non-mandatory values).
  double AxisMinMax(const TCustomChartAxis& axis, bool isMin, bool isX) const override;
  double MaxXOfAxis(const TCustomChartAxis& axis) const { return AxisMinMax(axis, false, true); }
  double MaxYOfAxis(const TCustomChartAxis& axis) const { return AxisMinMax(axis, false, false); }
  double MinXOfAxis(const TCustomChartAxis& axis) const { return AxisMinMax(axis, true, true); }
  double MinYOfAxis(const TCustomChartAxis& axis) const { return AxisMinMax(axis, true, false); }

  // 3-D layout: one depth slice per z order.
  void CalcSize3D();
  int MaxZOrder() const { return maxZOrder_; }
  int SeriesWidth3D() const override { return seriesWidth3D_; }
  int SeriesHeight3D() const override { return seriesHeight3D_; }
  const TCustomChartAxis* SeriesDepthAxis() const override { return depth_; }
  int Height3D() const { return height3D_; }

  TColor LegendColor() const override { return legendColor_; }
  void SetLegendColor(TColor color) { legendColor_ = color; }

  TNotifyEvent OnBeforeDrawAxes;
  TNotifyEvent OnBeforeDrawSeries;
  TNotifyEvent OnPageChange;
  TAxisLabelEvent OnGetAxisLabel;
  TNextAxisLabelEvent OnGetNextAxisLabel;

  // From another axis panel: the flags, the axes, paging; then the base panel's settings.
  void Assign(const TCustomTeePanel& source) override;

  // What the chart's parts ask of it.
  void Invalidate() override;
  using TCustomTeePanel::Canvas;
  TTeeCanvas3D& Canvas() override { return TCustomTeePanel::Canvas(); }
  bool View3D() const override { return TCustomTeePanel::View3D(); }
  void SetView3D(bool on) override { TCustomTeePanel::SetView3D(on); }
  using TCustomTeePanel::View3DOptions;
  const TView3DOptions& View3DOptions() const override { return TCustomTeePanel::View3DOptions(); }
  platform::TRect ChartRect() const override { return TCustomTeePanel::ChartRect(); }
  int Width3D() const override { return TCustomTeePanel::Width3D(); }
  bool IsReady() const override { return TCustomTeePanel::IsReady() && seriesReady_; }
  void SetReady(bool ready) override { seriesReady_ = ready; }
  bool IsReading() const override { return false; }
  bool IsPrinting() const override { return TCustomTeePanel::IsPrinting(); }
  TColor Color() const override { return TCustomTeePanel::Color(); }

  bool IsAxisDateTime(const TCustomChartAxis& axis) const override;
  bool HasActiveSeriesOnAxis(const TCustomChartAxis& axis) const override;
  bool HasPointLabelsOnAxis(const TCustomChartAxis& axis) const override;
  bool HasDepthValues() const override;
  int MaxMarksWidth() const override;
  int MaxTextWidth() const override;
  void GetAxisLabel(const TCustomChartAxis& axis, QString& text) const override;
  // Walls beside the axes belong to the chart built on this panel; here there are none.
  int AxisWallSize(const TCustomChartAxis& /*axis*/) const override { return 0; }
  int SideWallSize(bool /*leftWall*/) const override { return 0; }
  void CheckPenWidth(platform::TPen& pen) const override { TCustomTeePanel::CheckPenWidth(pen); }
  bool HasNextAxisLabel() const override { return static_cast<bool>(OnGetNextAxisLabel); }
  void GetNextAxisLabel(const TCustomChartAxis& axis, int index, double& value, bool& stop) const override;
  std::vector<TAxisTextLabel> AxisTextLabels(const TCustomChartAxis& axis, bool marks) const override;
  // The title of the series at depth slot z, counted from the back.
  QString DepthAxisLabel(const TCustomChartAxis& axis, int z) const override;

  TChartSeriesList& SeriesList() override { return series_; }
  const TChartSeriesList& SeriesList() const override { return series_; }
  int RaiseZCounter(int by) override { return maxZOrder_ += by; }
  bool ClickHandled() const { return clickHandled_; }
  void SetClickHandled(bool handled) override { clickHandled_ = handled; }
  QString LegendText(const TChartSeries& series, int valueIndex) const override;

protected:
  void InternalDraw(const TRect& bounds) override;

  // Layout and drawing steps of the chart built on this panel.
  // Axis ranges, 3-D sizes, and the plot rectangle with the visible axes' room taken from it.
  virtual void CalcChartRect();
  // How much deeper than the series the back of an orthogonal 3-D box lies (the back wall).
  virtual int BackWallDepth() const { return 0; }
  virtual void CalcSeriesMargins() {}
  virtual void DrawTitlesAndLegend() {}
  virtual void DrawWalls() {}
  virtual void CheckDataSource(TChartSeries& series);
  virtual void LegendValueText(const TChartSeries& /*series*/, int /*valueIndex*/, QString& /*text*/) const {}
  // Draws the axis with its grid, ticks, labels and title.
  virtual void DrawAxis(TCustomChartAxis& axis);

private:
  static const TChartAxis* AsSideAxis(const TCustomChartAxis& axis);
  double DepthAxisMinMax(bool isMin) const;
  QString SeriesTitle(const TChartSeries& series, int n) const;
  bool PagedRange(const TChartAxis& axis, bool isMin, bool isX, double& value) const;
  int MaxPointCountOnAxis(const TChartAxis& axis) const;
  void CalcZOrders();
  void SetDepthSlices();
  void DrawAxes();
  void DrawSeries(TChartSeries& series);
  void DrawSeriesGroup(TChartSeries& first);
  bool ClipSeries();
  void DrawSeriesMarks(TChartSeries& series);

  std::vector<std::unique_ptr<TCustomChartAxis>> axes_;
  TChartAxis* bottom_ = nullptr;
  TChartAxis* top_ = nullptr;
  TChartAxis* left_ = nullptr;
  TChartAxis* right_ = nullptr;
  TChartDepthAxis* depth_ = nullptr;
  TChartSeriesList series_;

  bool axisVisible_ = true;
  bool clipPoints_ = true;
  bool view3DWalls_ = true;
  bool scaleLastPage_ = true;
  int maxPointsPerPage_ = 0;
  int page_ = 1;
  int maxZOrder_ = 0;
  int seriesWidth3D_ = 0;
  int seriesHeight3D_ = 0;
  int height3D_ = 0;
  TColor legendColor_ = platform::clWhite;
  bool seriesReady_ = true;
  bool clickHandled_ = false;
};

}  // namespace chart
