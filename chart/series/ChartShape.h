#pragma once
// One geometric figure with lines of text, placed by two points given in axis values or pixels.

#include "chart/model/ChartBrush.h"
#include "chart/model/ChartSeries.h"
#include "platform/Font.h"

#include <QStringList>
#include <memory>

namespace chart {

enum class TChartShapeStyle {
  chasRectangle, chasCircle, chasVertLine, chasHorizLine, chasTriangle, chasInvertTriangle, chasLine,
  chasDiamond, chasCube, chasCross, chasDiagCross, chasStar, chasPyramid, chasInvertPyramid
};
enum class TChartShapeXYStyle { xysPixels, xysAxis, xysAxisOrigin };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TChartShape : public TChartSeries {
public:
  TChartShape();
  ~TChartShape() override;

  TChartShapeStyle Style() const { return style_; }
  void SetStyle(TChartShapeStyle style);
  TChartShapeXYStyle XYStyle() const { return xyStyle_; }
  void SetXYStyle(TChartShapeXYStyle style);
  // The two corners; without two points they read 0 and writing changes nothing.
  double X0() const { return CornerValue(true, 0); }
  double Y0() const { return CornerValue(false, 0); }
  double X1() const { return CornerValue(true, 1); }
  double Y1() const { return CornerValue(false, 1); }
  void SetX0(double value) { SetCornerValue(true, 0, value); }
  void SetY0(double value) { SetCornerValue(false, 0, value); }
  void SetX1(double value) { SetCornerValue(true, 1, value); }
  void SetY1(double value) { SetCornerValue(false, 1, value); }
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const platform::TBrush& brush) { brush_.Assign(brush); }
  TChartPen& Pen() { return *pen_; }
  const TChartPen& Pen() const { return *pen_; }
  void SetPen(const TChartPen& pen);
  platform::TFont& Font() { return *font_; }
  const platform::TFont& Font() const { return *font_; }
  void SetFont(const platform::TFont& font) { font_->Assign(font); }
  const QStringList& Text() const { return text_; }
  void SetText(const QStringList& lines);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool RoundRectangle() const { return roundRectangle_; }
  void SetRoundRectangle(bool on) { SetBooleanProperty(roundRectangle_, on); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { SetBooleanProperty(transparent_, on); }

  // The figure's rectangle in pixels, at least one pixel wide and high.
  platform::TRect ShapeBounds() const;
  void DrawFigure(bool in3D, const platform::TRect& r);
  void DrawShapeText(const platform::TRect& r);
  void Assign(const TChartShape& source);  // the shape's own settings

  void DrawValue(int valueIndex) override;
  bool MoreSameSeries() const override { return false; }
  void SetSeriesColor(TColor color) override;
  void FillSampleValues(int numValues) override;
  bool CanCopyFrom(const TChartSeries& source) const override;
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TChartShapeEditor"); }
  int Clicked(int x, int y) override;
  void CalcZOrder() override;
  void DrawLegendShape(int legendIndex, const platform::TRect& rect) override;
  bool UseAxis() const override { return xyStyle_ != TChartShapeXYStyle::xysPixels; }

private:
  void AddDefaultPoints();
  double CornerValue(bool isX, int index) const;
  void SetCornerValue(bool isX, int index, double value);
  bool IsInFigure(platform::TPoint p, const platform::TRect& r) const;

  TChartShapeStyle style_ = TChartShapeStyle::chasCircle;
  TChartShapeXYStyle xyStyle_ = TChartShapeXYStyle::xysAxis;
  TAlignment alignment_ = TAlignment::taCenter;
  bool roundRectangle_ = false;
  bool transparent_ = false;
  QStringList text_;
  TChartBrush brush_;
  std::unique_ptr<TChartPen> pen_;
  std::unique_ptr<platform::TFont> font_;
};

}  // namespace chart
