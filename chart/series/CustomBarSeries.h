#pragma once
// The base of the bar kinds: bar width and slots, side by side, stacked and 100 % bars, the origin,
// the bar styles flat and in 3-D, marks, margins, legend and clicks. The vertical and horizontal
// kinds differ only in which axis spaces the bars and which one carries their values.

#include "chart/model/ChartBrush.h"
#include "chart/model/ChartSeries.h"
#include "platform/CanvasTypes.h"

#include <functional>
#include <memory>

namespace chart {

class TChartAxis;
class TChartPen;

enum class TBarStyle { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient };
enum class TMultiBar { mbNone, mbSide, mbStacked, mbStacked100 };

class TCustomBarSeries : public TChartSeries {
public:
  using TGetBarStyleEvent = std::function<void(TCustomBarSeries& sender, int valueIndex, TBarStyle& style)>;

  TCustomBarSeries();
  ~TCustomBarSeries() override;

  int BarWidthPercent() const { return barWidthPercent_; }
  void SetBarWidthPercent(int percent);  // BarException outside 1..100
  int OffsetPercent() const { return offsetPercent_; }
  void SetOffsetPercent(int percent);  // BarException outside -100..100
  TBarStyle BarStyle() const { return barStyle_; }
  void SetBarStyle(TBarStyle style);
  TMultiBar MultiBar() const { return multiBar_; }
  void SetMultiBar(TMultiBar value);  // every bar series of the same kind takes it
  bool SideMargins() const { return sideMargins_; }
  void SetSideMargins(bool on);  // every bar series of the same kind takes it
  bool UseYOrigin() const { return useYOrigin_; }
  void SetUseYOrigin(bool on) { SetBooleanProperty(useYOrigin_, on); }
  double YOrigin() const { return yOrigin_; }
  void SetYOrigin(double value) { SetDoubleProperty(yOrigin_, value); }
  bool AutoBarSize() const { return autoBarSize_; }
  void SetAutoBarSize(bool on) { SetBooleanProperty(autoBarSize_, on); }
  bool AutoMarkPosition() const { return autoMarkPosition_; }
  void SetAutoMarkPosition(bool on) { SetBooleanProperty(autoMarkPosition_, on); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool on) { SetBooleanProperty(dark3D_, on); }
  TChartPen& BarPen() { return *barPen_; }
  const TChartPen& BarPen() const { return *barPen_; }
  void SetBarPen(const TChartPen& pen);
  TChartBrush& BarBrush() { return barBrush_; }
  const TChartBrush& BarBrush() const { return barBrush_; }
  void SetBarBrush(const platform::TBrush& brush);

  TGetBarStyleEvent OnGetBarStyle;

  // The bar settings and the event.
  void Assign(const TCustomBarSeries& source);

  // The bar's breadth in pixels, from the custom size or the slots of the spacing axis.
  int CalcBarWidth() const;
  int BarWidth() const { return CalcBarWidth(); }
  // 1 + the active bar series of the same kind before this one.
  int SeriesOrder() const;
  // The active bar series of the same kind side by side; 1 unless side by side.
  int NumSideSeries() const;
  // Where the bar of a point starts across its spacing axis.
  int BarStartPixel(int valueIndex) const;
  // The pixels of a bar's value end and origin end on the value axis.
  int BarValuePixel(int valueIndex) const;
  int BarOriginPixel(int valueIndex) const;
  // A 100 % bar of an index whose total is zero has no size: it is neither drawn nor hit.
  bool IsEmptyShare(int valueIndex) const;
  // The style of a point, as the event leaves it.
  TBarStyle PointBarStyle(int valueIndex);
  virtual bool IsPointInBar(int valueIndex, int x, int y) const;

  int NumSampleValues() const override { return 6; }
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TBarSeriesEditor"); }
  void DrawValue(int valueIndex) override;
  bool DrawValuesForward() const override;
  bool DrawValueForward(int valueIndex) const override;
  void CalcZOrder() override;
  int Clicked(int x, int y) override;
  void PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle) override;

protected:
  // True for the kind whose bars lie along the horizontal axis.
  virtual bool BarsHorizontal() const = 0;
  // Draws one bar between StartPos and EndPos on the value axis.
  virtual void DrawBar(int valueIndex, int startPos, int endPos) = 0;
  const TChartAxis* SpacingAxis() const;
  const TChartAxis* ValueAxis() const;
  int ValuePixel(double value) const;
  // The pixel of the point's position along the spacing axis.
  int PositionPixel(int valueIndex) const;
  void PrepareBarCanvas(TColor color);
  // A filled rectangle; a bar without width or height is a line, one thinner than the pen the pen alone.
  void DrawBarRectangle(int left, int top, int right, int bottom);
  // The largest value plus the stack beneath it, as the value axis' range asks.
  double MaxBarValue(double inherited) const;
  double MinBarValue(double inherited) const;
  bool AnyValueBelowOrigin() const;
  bool AnyValueAboveOrigin() const;
  TColor BarColor() const { return barColor_; }

private:
  bool IsBarSeries(const TChartSeries& other) const;
  double StackBelow(int valueIndex) const;  // as percent of the index total for 100 % bars

  std::unique_ptr<TChartPen> barPen_;
  TChartBrush barBrush_;
  int barWidthPercent_ = 70;
  int offsetPercent_ = 0;
  TBarStyle barStyle_ = TBarStyle::bsRectangle;
  TMultiBar multiBar_ = TMultiBar::mbSide;
  bool sideMargins_ = true;
  bool useYOrigin_ = true;
  double yOrigin_ = 0;
  bool autoBarSize_ = false;
  bool autoMarkPosition_ = true;
  bool dark3D_ = true;
  TColor barColor_ = platform::clDefault;

protected:
  int customBarSize_ = 0;
};

}  // namespace chart
