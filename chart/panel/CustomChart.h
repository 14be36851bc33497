#pragma once
// The chart control: the axis panel with its title and foot, the three walls of the 3-D box, the
// legend, clicks on its parts, rubber-band zoom, panning, and undoing both.

#include "chart/panel/ChartTitle.h"
#include "chart/panel/ChartWall.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/panel/ChartLegend.h"
#include "platform/MouseButtons.h"
#include "platform/VirtualKeys.h"

#include <functional>
#include <memory>

namespace chart {

enum class TChartClickedPartStyle { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect };

struct TChartClickedPart {
  TChartClickedPartStyle Part = TChartClickedPartStyle::cpNone;
  int PointIndex = -1;  // the series' point or the legend's item
  TChartSeries* ASeries = nullptr;
  TCustomChartAxis* AAxis = nullptr;
};

// Which buttons and shift keys zoom and pan, and how fast an animated zoom closes in.
struct TChartMouseSettings {
  platform::TMouseButton ZoomButton = platform::mbLeft;
  platform::TShiftState ZoomShift = 0;
  platform::TMouseButton PanningButton = platform::mbRight;
  platform::TShiftState PanningShift = 0;
  double AnimatedZoomFactor = 3.0;
};

class TCustomChart : public TCustomAxisPanel {
public:
  using TChartClickEvent = std::function<void(TCustomChart&, platform::TMouseButton, platform::TShiftState, int, int)>;
  using TChartClickAxisEvent = std::function<void(TCustomChart&, TCustomChartAxis&, platform::TMouseButton,
                                                  platform::TShiftState, int, int)>;
  using TChartClickSeriesEvent = std::function<void(TCustomChart&, TChartSeries&, int valueIndex,
                                                    platform::TMouseButton, platform::TShiftState, int, int)>;
  // May change the new range of a panned axis, or refuse it.
  using TChartAllowScrollEvent = std::function<void(const TCustomChartAxis&, double& min, double& max, bool& allow)>;

  explicit TCustomChart(QWidget* parent = nullptr);
  ~TCustomChart() override;

  TChartTitle& Title() { return *title_; }
  const TChartTitle& Title() const { return *title_; }
  TChartTitle& Foot() { return *foot_; }
  const TChartTitle& Foot() const { return *foot_; }
  void SetTitle(const TChartTitle& title) { title_->Assign(title); }
  void SetFoot(const TChartTitle& foot) { foot_->Assign(foot); }
  TChartWall& BackWall() { return *backWall_; }
  TChartWall& LeftWall() { return *leftWall_; }
  TChartWall& BottomWall() { return *bottomWall_; }
  const TChartWall& BackWall() const { return *backWall_; }
  const TChartWall& LeftWall() const { return *leftWall_; }
  const TChartWall& BottomWall() const { return *bottomWall_; }
  TChartLegend& Legend() { return *legend_; }
  const TChartLegend& Legend() const { return *legend_; }
  void SetLegend(const TCustomChartLegend& legend) { legend_->Assign(legend); }

  // The back wall's colour; setting it also makes its brush solid.
  TColor BackColor() const { return backWall_->Color(); }
  void SetBackColor(TColor color);
  // The back wall's pen.
  TChartPen& Frame() { return backWall_->Pen(); }
  void SetFrame(const TChartPen& pen) { backWall_->SetPen(pen); }
  bool BackImageInside() const { return backImageInside_; }
  void SetBackImageInside(bool on);

  TChartMouseSettings MouseSettings;
  TChartClickEvent OnClickLegend;
  TChartClickEvent OnClickBackground;
  TChartClickAxisEvent OnClickAxis;
  TChartClickSeriesEvent OnClickSeries;
  TChartAllowScrollEvent OnAllowScroll;

  // Set while a click event runs; a handler clears it to let the chart go on (zoom, pan).
  bool CancelMouse() const { return cancelMouse_; }
  void SetCancelMouse(bool on) { cancelMouse_ = on; }
  bool ClickEventRunning() const { return clickEventRunning_; }

  // Zoom and panning.
  void UndoZoom() override;  // back to the axes before the first zoom or pan
  void ZoomRect(const TRect& r);
  void ZoomValues(double bottomMin, double bottomMax, double topMin, double topMax, double leftMin, double leftMax,
                  double rightMin, double rightMax);
  bool AxesSaved() const { return !axesNotSaved_; }

  TChartClickedPart ClickedPart(int x, int y) const;
  // The axis title, else the axis' name.
  QString AxisTitleOrName(const TCustomChartAxis& axis) const;
  void ExchangeSeries(int index1, int index2);
  // When item takes its points from another series, proc gets the name of each of the source's value lists.
  static void ListSourceValueNames(const TChartSeries& item, const std::function<void(const QString&)>& proc);
  bool IsFreeSeriesColor(TColor color, bool checkBackground) const override;

  void Assign(const TCustomTeePanel& source) override;

  // What the model asks of the chart.
  int AxisWallSize(const TCustomChartAxis& axis) const override;
  int SideWallSize(bool leftWall) const override;
  void SetAxesAndWalls(bool on) override;
  TColor BackWallColor() const override { return backWall_->Color(); }
  TView3DOptions* View3DToSet() override { return &View3DOptions(); }
  bool IsDestroying() const override { return destroying_; }
  void SetSeriesDepthPercent(int percent) override { SetChart3DPercent(percent); }

protected:
  void DrawBackImage(const TRect& r) override;
  int BackWallDepth() const override;
  void CalcSeriesMargins() override;
  void DrawTitlesAndLegend() override;
  void DrawWalls() override;
  void LegendValueText(const TChartSeries& series, int valueIndex, QString& text) const override;
  virtual void ZoomFromRecord();

  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;

private:
  struct TSavedAxis {
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
  };
  TChartAxis* SideAxis(int index) const;  // top, left, right, bottom
  void SaveAxes();
  void DrawTitle(bool isTitle);
  void PrepareWallCanvas(const TChartWall& wall);
  bool DispatchClick(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  bool RunClickEvent(const std::function<void()>& event);
  bool StartZoomOrPanning(platform::TMouseButton button, platform::TShiftState shift, int x, int y);
  bool PanAxis(TCustomChartAxis& axis, int fromPos, int toPos);
  void DrawZoomBand();
  void PanTo(int x, int y);
  void ShowSeriesCursor(int x, int y);

  std::unique_ptr<TChartTitle> title_;
  std::unique_ptr<TChartTitle> foot_;
  std::unique_ptr<TChartWall> backWall_;
  std::unique_ptr<TChartWall> leftWall_;
  std::unique_ptr<TChartWall> bottomWall_;
  std::unique_ptr<TChartLegend> legend_;
  bool backImageInside_ = false;
  bool legendDrawn_ = false;  // in the last picture: only then does it take clicks
  bool cancelMouse_ = false;
  bool clickEventRunning_ = false;
  bool axesNotSaved_ = true;
  bool destroying_ = false;
  TSavedAxis savedAxes_[4];
};

using TChart = TCustomChart;

}  // namespace chart
