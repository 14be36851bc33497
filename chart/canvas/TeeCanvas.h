#pragma once
// The drawing interface of every chart part: a target platform canvas (window back buffer,
// bitmap, printer page, metafile or recording), 2-D calls with the system's pixel rules, and the
// 3-D calls of TCanvas3D that project chart points (x, y, depth) onto it.

#include "chart/canvas/ChartPen.h"
#include "platform/Canvas.h"

#include <QString>
#include <array>
#include <span>

namespace platform {
class TGraphic;
}

namespace chart {

using platform::TColor;
using platform::TPoint;
using platform::TRect;

class TView3DOptions;

enum class TGradientDirection { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft };

class TTeeCanvas {
public:
  virtual ~TTeeCanvas() = default;

  // Makes canvas the target; its pen, font and brush are the ones this canvas draws with.
  void SetTargetCanvas(platform::TCanvas& canvas) { target_ = &canvas; }
  platform::TCanvas& ReferenceCanvas() const { return *target_; }
  platform::TPen& Pen() const { return target_->Pen(); }
  platform::TBrush& Brush() const { return target_->Brush(); }
  platform::TFont& Font() const { return target_->Font(); }
  // Set while a chart is drawn into a metafile or printed through one.
  bool Metafiling() const { return metafiling_; }
  void SetMetafiling(bool on) { metafiling_ = on; }

  // Black solid pen of width 1, white solid brush, black 10-point font, white transparent background.
  void ResetState();
  // A hidden pen draws nothing, a one-pixel pen with small dots alternate dots, any other pen as set.
  void ApplyChartPen(const TChartPen& pen);
  int FontHeight() const { return TextHeightOf("W"); }
  // Takes the font's face, style, colour and pixel height while the target keeps its resolution:
  // chart text is measured in the chart's own pixels, so a chart mapped onto a printer page or a
  // picture scales its text with everything else.
  void AssignFont(const platform::TFont& font) const;
  // The font's size in points read and set at screen resolution, whatever the target's resolution.
  int ScreenFontSize() const;
  void SetScreenFontSize(int points) const;

  virtual TColor GetBackgroundColor() const = 0;
  virtual platform::TBkMode GetBackgroundMode() const = 0;
  virtual platform::TCanvas& GetDeviceHandle() const = 0;
  virtual bool IsMonochrome() const = 0;
  virtual unsigned GetTextAlignment() const = 0;
  virtual bool IsBuffered() const = 0;
  virtual void SetBackgroundColor(TColor color) = 0;
  virtual void SetBackgroundMode(platform::TBkMode mode) = 0;
  virtual void SetMonochromeFlag(bool on) = 0;
  virtual void PutPixel(int x, int y, TColor color) = 0;
  virtual void SetTextAlignment(unsigned flags) = 0;
  virtual void SetBuffered(bool on) = 0;
  virtual void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void DrawGraphic(int x, int y, const platform::TGraphic& graphic) = 0;
  virtual void DrawEllipse(int x1, int y1, int x2, int y2) = 0;
  virtual void FillRectangle(const TRect& r) = 0;
  virtual void DrawFrame3D(TRect r, TColor topColor, TColor bottomColor, int width) = 0;
  virtual void LineToPoint(int x, int y) = 0;
  virtual void MoveToPoint(int x, int y) = 0;
  virtual void DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void DrawRectangle(int x0, int y0, int x1, int y1) = 0;
  virtual void DrawRoundRect(int x1, int y1, int x2, int y2, int x3, int y3) = 0;
  virtual void StretchGraphic(const TRect& r, const platform::TGraphic& graphic) = 0;
  virtual void WriteText(int x, int y, const QString& text) = 0;
  virtual int TextWidthOf(const QString& text) const { return target_ ? target_->TextWidth(text) : 0; }
  virtual int TextHeightOf(const QString& text) const { return target_ ? target_->TextHeight(text) : 0; }
  virtual void ClipToRectangle(const TRect& r) = 0;
  virtual void HorizontalLine(int x0, int x1, int y) = 0;
  virtual void DrawRect(const TRect& r) = 0;
  virtual void VerticalLine(int x, int y0, int y1) = 0;
  virtual void EraseRectangle(const TRect& r) = 0;
  virtual void GradientFill(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction) = 0;
  virtual void MarkDirty() = 0;
  virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
  virtual void DrawPolygon(std::span<const TPoint> points) = 0;
  virtual void RotatedText(int x, int y, const QString& text, int angle) = 0;
  virtual void RemoveClipping() = 0;

protected:
  platform::TCanvas* target_ = nullptr;
  bool metafiling_ = false;
};

class TCanvas3D : public TTeeCanvas {
public:
  const TView3DOptions* View3DOptions() const { return options_; }
  bool IsOrthogonal() const { return orthogonal_; }

  virtual void Pixel3D(int x, int y, int z, TColor color) = 0;
  virtual bool CanRotateFreely() const = 0;
  virtual bool DrawsTrue3D() const = 0;
  virtual void ScreenToChart(int& x, int& y, int z) const = 0;
  virtual TPoint ChartToScreen(int x, int y, int z) const = 0;
  // Starts a picture; returns the rectangle to draw into.
  virtual TRect BeginDrawing(platform::TCanvas& dest, const TView3DOptions* options, TColor backColor, bool is3D,
                             const TRect& userRect) = 0;
  void TakeMonochromeFrom(const TTeeCanvas& other) { SetMonochromeFlag(other.IsMonochrome()); }
  virtual void SetProjection(int maxDepth, const TRect& bounds, const TRect& rect) = 0;
  virtual void EndDrawing(platform::TCanvas& dest, platform::TCanvas& defaultCanvas, const TRect& userRect) = 0;
  virtual bool RepaintFromBuffer() = 0;
  virtual void Arrow3D(bool filled, TPoint from, TPoint to, int headWidth, int headLength, int z) = 0;
  virtual void ClipBox3D(const TRect& r, int z0, int z1) = 0;
  virtual void Box3D(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) = 0;
  virtual void Cylinder3D(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkCover) = 0;
  virtual void HorizontalLine3D(int x0, int x1, int y, int z) = 0;
  virtual void VerticalLine3D(int x, int y0, int y1, int z) = 0;
  virtual void DepthLine3D(int x, int y, int z0, int z1) = 0;
  virtual void Ellipse3D(int x1, int y1, int x2, int y2, int z) = 0;
  virtual void BeginFlatDrawing() = 0;
  virtual void EndFlatDrawing() = 0;
  virtual void Line3D(int x0, int y0, int x1, int y1, int z) = 0;
  virtual void MoveToPoint3D(int x, int y, int z) = 0;
  virtual void LineToPoint3D(int x, int y, int z) = 0;
  virtual void PieSlice3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                          double endAngle, bool darkSides, bool drawSides) = 0;
  virtual void Ribbon3D(TPoint p0, TPoint p1, int z0, int z1) = 0;
  virtual void Quad3D(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) = 0;
  virtual void QuadBetweenDepths3D(const std::array<TPoint, 4>& points, int z0, int z1) = 0;
  virtual void Pyramid3D(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) = 0;
  virtual void Rectangle3D(const TRect& r, int z) = 0;
  virtual void DepthRectangleY(int x0, int y, int x1, int z0, int z1) = 0;
  virtual void DepthRectangleX(int x, int y0, int y1, int z0, int z1) = 0;
  virtual void RotatedText3D(int x, int y, int z, const QString& text, int angle) = 0;
  virtual void WriteText3D(int x, int y, int z, const QString& text) = 0;
  virtual void Triangle3D(TPoint p1, TPoint p2, TPoint p3, int z) = 0;

protected:
  const TView3DOptions* options_ = nullptr;
  bool orthogonal_ = false;
};

}  // namespace chart
