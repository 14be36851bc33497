#pragma once
// The chart canvas over a platform canvas: the projection of TChartProjection, a buffered picture
// (drawn on a bitmap and shown with one copy), and every 2-D and 3-D operation of TCanvas3D.

#include "chart/canvas/ChartProjection.h"
#include "chart/canvas/TeeCanvas.h"

#include <memory>

namespace platform {
class TBitmap;
}

namespace chart {

class TTeeCanvas3D final : public TCanvas3D {
public:
  TTeeCanvas3D();
  ~TTeeCanvas3D() override;

  const TChartProjection& Projection() const { return projection_; }
  const TRect& ChartBounds() const { return bounds_; }
  bool IsDirty() const { return dirty_; }
  const platform::TBitmap* Buffer() const { return buffer_.get(); }
  platform::TBitmap* Buffer() { return buffer_.get(); }
  // The width of the bands of a gradient from the centre.
  int GradientPrecision() const { return gradientPrecision_; }
  void SetGradientPrecision(int pixels) { gradientPrecision_ = std::max(1, pixels); }

  TColor GetBackgroundColor() const override;
  platform::TBkMode GetBackgroundMode() const override;
  platform::TCanvas& GetDeviceHandle() const override { return *target_; }
  bool IsMonochrome() const override { return monochrome_; }
  unsigned GetTextAlignment() const override;
  bool IsBuffered() const override { return buffered_; }
  void SetBackgroundColor(TColor color) override;
  void SetBackgroundMode(platform::TBkMode mode) override;
  void SetMonochromeFlag(bool on) override;
  void PutPixel(int x, int y, TColor color) override;
  void SetTextAlignment(unsigned flags) override;
  void SetBuffered(bool on) override;
  void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void DrawGraphic(int x, int y, const platform::TGraphic& graphic) override;
  void DrawEllipse(int x1, int y1, int x2, int y2) override;
  void FillRectangle(const TRect& r) override;
  void DrawFrame3D(TRect r, TColor topColor, TColor bottomColor, int width) override;
  void LineToPoint(int x, int y) override;
  void MoveToPoint(int x, int y) override;
  void DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void DrawRectangle(int x0, int y0, int x1, int y1) override;
  void DrawRoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
  void StretchGraphic(const TRect& r, const platform::TGraphic& graphic) override;
  void WriteText(int x, int y, const QString& text) override;
  void ClipToRectangle(const TRect& r) override;
  void HorizontalLine(int x0, int x1, int y) override;
  void DrawRect(const TRect& r) override;
  void VerticalLine(int x, int y0, int y1) override;
  void EraseRectangle(const TRect& r) override;
  void GradientFill(const TRect& r, TColor startColor, TColor endColor, TGradientDirection direction) override;
  void MarkDirty() override { dirty_ = true; }
  void DrawLine(int x0, int y0, int x1, int y1) override;
  void DrawPolygon(std::span<const TPoint> points) override;
  void RotatedText(int x, int y, const QString& text, int angle) override;
  void RemoveClipping() override;

  void Pixel3D(int x, int y, int z, TColor color) override;
  bool CanRotateFreely() const override { return false; }
  bool DrawsTrue3D() const override { return false; }
  void ScreenToChart(int& x, int& y, int z) const override { projection_.ScreenToChart(x, y, z); }
  TPoint ChartToScreen(int x, int y, int z) const override { return projection_.Project(x, y, z); }
  TRect BeginDrawing(platform::TCanvas& dest, const TView3DOptions* options, TColor backColor, bool is3D,
                     const TRect& userRect) override;
  void SetProjection(int maxDepth, const TRect& bounds, const TRect& rect) override;
  void EndDrawing(platform::TCanvas& dest, platform::TCanvas& defaultCanvas, const TRect& userRect) override;
  bool RepaintFromBuffer() override;
  void Arrow3D(bool filled, TPoint from, TPoint to, int headWidth, int headLength, int z) override;
  void ClipBox3D(const TRect& r, int z0, int z1) override;
  void Box3D(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) override;
  void Cylinder3D(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkCover) override;
  void HorizontalLine3D(int x0, int x1, int y, int z) override;
  void VerticalLine3D(int x, int y0, int y1, int z) override;
  void DepthLine3D(int x, int y, int z0, int z1) override;
  void Ellipse3D(int x1, int y1, int x2, int y2, int z) override;
  void BeginFlatDrawing() override;
  void EndFlatDrawing() override;
  void Line3D(int x0, int y0, int x1, int y1, int z) override;
  void MoveToPoint3D(int x, int y, int z) override;
  void LineToPoint3D(int x, int y, int z) override;
  void PieSlice3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                  double endAngle, bool darkSides, bool drawSides) override;
  void Ribbon3D(TPoint p0, TPoint p1, int z0, int z1) override;
  void Quad3D(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) override;
  void QuadBetweenDepths3D(const std::array<TPoint, 4>& points, int z0, int z1) override;
  void Pyramid3D(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) override;
  void Rectangle3D(const TRect& r, int z) override;
  void DepthRectangleY(int x0, int y, int x1, int z0, int z1) override;
  void DepthRectangleX(int x, int y0, int y1, int z0, int z1) override;
  void RotatedText3D(int x, int y, int z, const QString& text, int angle) override;
  void WriteText3D(int x, int y, int z, const QString& text) override;
  void Triangle3D(TPoint p1, TPoint p2, TPoint p3, int z) override;

private:
  TPoint P(int x, int y, int z) const { return projection_.Project(x, y, z); }
  void Polygon4(TPoint a, TPoint b, TPoint c, TPoint d);
  // The font size scaled by the zoom (at least 1), or 0 when the text is not zoomed.
  int ZoomedFontSize() const;

  TChartProjection projection_;
  bool saved3D_ = false;
  std::unique_ptr<platform::TBitmap> buffer_;
  bool buffered_ = true;
  bool monochrome_ = false;
  bool dirty_ = true;
  TRect bounds_;
  bool zoomText_ = true;
  int gradientPrecision_ = 2;
};

}  // namespace chart
