#pragma once
// The common base of the polar and radar kinds: points at an angle in degrees and a radius,
// joined by a line round the centre over rings (round, or polygons of SideCount corners), radial
// lines, angle labels and radius scales; point symbols by a pointer.

#include "chart/canvas/ChartPen.h"
#include "chart/model/ChartBrush.h"
#include "chart/series/CircledSeries.h"
#include "chart/series/SeriesPointer.h"
#include "platform/Font.h"

#include <memory>

namespace chart {

class TChartAxis;

class TCustomPolarSeries : public TCircledSeries {
public:
  TCustomPolarSeries();
  ~TCustomPolarSeries() override;

  TChartValueList& AngleValues() { return XValues(); }
  TChartValueList& RadiusValues() { return YValues(); }
  // The radius list is stored when it differs from its defaults.
  bool IsRadiusValuesStored() const;
  // The horizontal axis' increment (10 when it has none or there is no chart); writes go to the axis.
  double AngleIncrement() const;
  void SetAngleIncrement(double degrees);
  // The vertical axis' increment (0 without a chart); writes go to the axis.
  double RadiusIncrement() const;
  void SetRadiusIncrement(double value);

  bool CircleLabels() const { return circleLabels_; }
  void SetCircleLabels(bool on) { SetBooleanProperty(circleLabels_, on); }
  bool CircleLabelsRotated() const { return circleLabelsRotated_; }
  void SetCircleLabelsRotated(bool on) { SetBooleanProperty(circleLabelsRotated_, on); }
  platform::TFont& CircleLabelsFont() { return *circleLabelsFont_; }
  const platform::TFont& CircleLabelsFont() const { return *circleLabelsFont_; }
  void SetCircleLabelsFont(const platform::TFont& font) { circleLabelsFont_->Assign(font); }
  bool IsCircleLabelsFontStored() const;
  bool CloseCircle() const { return closeCircle_; }
  void SetCloseCircle(bool on) { SetBooleanProperty(closeCircle_, on); }
  TChartPen& Pen() { return *pen_; }
  const TChartPen& Pen() const { return *pen_; }
  void SetPen(const TChartPen& pen) { pen_->Assign(pen); }
  TChartPen& CirclePen() { return *circlePen_; }
  const TChartPen& CirclePen() const { return *circlePen_; }
  void SetCirclePen(const TChartPen& pen) { circlePen_->Assign(pen); }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const platform::TBrush& brush) { brush_.Assign(brush); }
  TSeriesPointer& Pointer() { return pointer_; }
  const TSeriesPointer& Pointer() const { return pointer_; }
  void SetPointer(const TSeriesPointer& pointer) { pointer_.Assign(pointer); }

  // 0: round rings; more: polygons of that many corners.
  int SideCount() const { return sideCount_; }
  void SetSideCount(int count) { sideCount_ = count; }

  int AddPolar(double degrees, double radius, const QString& label = {}, TColor color = platform::clDefault);
  // The text of the label at an angle in degrees.
  virtual QString GetCircleLabel(double degrees) const;
  // The pixel of a point at the given radius in pixels; the centre when the radius axis has no range.
  platform::TPoint CalcPointPixel(int valueIndex, int xRadius, int yRadius) const;

  bool IsInstanceOfClass(const TChartSeries& series) const override;
  void Assign(const TChartSeries& source) override;
  void DoBeforeDrawValues() override;
  void DrawAllValues() override;
  void DrawValue(int valueIndex) override;
  void SetSeriesColor(TColor color) override;
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TPolarSeriesEditor"); }
  int CalcXPos(int valueIndex) const override;
  int CalcYPos(int valueIndex) const override;
  int Clicked(int x, int y) override;
  void DrawLegendShape(int legendIndex, const platform::TRect& rect) override;

protected:
  bool SharedRadii(int& xRadius, int& yRadius) const override;
  platform::TRect PlotBounds() const override;
  // The left, top and bottom radius scales are drawn beside the right one.
  virtual bool DrawsSideScales() const { return true; }

private:
  // The background: outer ring, radial lines and labels, radius rings and scales.
  void DrawBackground();
  void DrawRadialLines();
  void DrawRadiusRings();
  void DrawRadiusScales();
  void DrawAngleLabel(double degrees);
  void DrawRing(int halfWidth, int halfHeight, int z);
  void FillSector(platform::TPoint a, platform::TPoint b, int z);
  void PrepareGridPen(const TChartPen& gridPen);
  // The first active series of the chart this one is an instance of the class of.
  const TCustomPolarSeries* FirstOfClass() const;

  TSeriesPointer pointer_;
  std::unique_ptr<TChartPen> pen_;
  std::unique_ptr<TChartPen> circlePen_;
  TChartBrush brush_;
  std::unique_ptr<platform::TFont> circleLabelsFont_;
  bool circleLabels_ = false;
  bool circleLabelsRotated_ = false;
  bool closeCircle_ = true;
  int sideCount_ = 0;
  platform::TPoint previousPoint_;
};

}  // namespace chart
