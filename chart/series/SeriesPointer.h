#pragma once
// The point symbol the line, point, polar, radar, Gantt, arrow and bubble kinds draw at each point:
// its style, half sizes, pen and brush, drawn flat or as a solid at the owner's depth.

#include "chart/model/ChartBrush.h"
#include "platform/CanvasTypes.h"
#include "platform/Color.h"

#include <memory>

namespace chart {

class TChartPen;
class TChartSeries;

using platform::TColor;

enum class TSeriesPointerStyle {
  psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot
};

class TSeriesPointer {
public:
  static constexpr int kDefaultSize = 4;

  explicit TSeriesPointer(TChartSeries& owner);
  ~TSeriesPointer();
  TSeriesPointer(const TSeriesPointer&) = delete;
  TSeriesPointer& operator=(const TSeriesPointer&) = delete;

  // Published settings; each setter repaints the owner when the value changes.
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  TSeriesPointerStyle Style() const { return style_; }
  void SetStyle(TSeriesPointerStyle style);
  int HorizSize() const { return horizSize_; }
  void SetHorizSize(int size);  // below 1 raises ChartException and keeps the size
  int VertSize() const { return vertSize_; }
  void SetVertSize(int size);
  bool InflateMargins() const { return inflateMargins_; }
  void SetInflateMargins(bool on);
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool on);
  bool Draw3D() const { return draw3D_; }
  void SetDraw3D(bool on);
  TChartPen& Pen() { return *pen_; }
  const TChartPen& Pen() const { return *pen_; }
  void SetPen(const TChartPen& pen);
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const platform::TBrush& brush);
  // What a stream writes beside the always stored flags.
  bool IsHorizSizeStored() const { return horizSize_ != kDefaultSize; }
  bool IsVertSizeStored() const { return vertSize_ != kDefaultSize; }
  bool IsDark3DStored() const { return !dark3D_; }
  bool IsDraw3DStored() const { return !draw3D_; }

  // Not published: the owner, and whether the pointer editor offers the sizes.
  TChartSeries& Owner() const { return owner_; }
  bool SizeEditable() const { return sizeEditable_; }
  void SetSizeEditable(bool on) { sizeEditable_ = on; }

  // Sizes set without the check and without a repaint (a symbol sized per point).
  void StoreHorizSize(int size) { horizSize_ = size; }
  void StoreVertSize(int size) { vertSize_ = size; }

  // The canvas takes the pen and brush; their default colour becomes the given one.
  void PrepareCanvas(TColor color) const;
  // A symbol at the pointer's sizes, as a solid when the owner's chart is in 3-D.
  void Draw(int x, int y, TColor color, TSeriesPointerStyle style) const;
  void DrawSymbol(bool is3D, int x, int y, int halfWidth, int halfHeight, TColor color,
                  TSeriesPointerStyle style) const;
  // A flat symbol centred in a legend item, smaller when the item also shows a line.
  void DrawLegendSymbol(TColor color, const platform::TRect& rect, bool withLine) const;
  // Widens the margins to hold half a symbol when visible and inflating.
  void CalcHorizMargins(int& left, int& right) const;
  void CalcVerticalMargins(int& top, int& bottom) const;

  // Every published setting (not SizeEditable).
  void Assign(const TSeriesPointer& source);

private:
  void SetSize(int& field, int size);

  TChartSeries& owner_;
  bool visible_ = true;
  TSeriesPointerStyle style_ = TSeriesPointerStyle::psRectangle;
  int horizSize_ = kDefaultSize;
  int vertSize_ = kDefaultSize;
  bool inflateMargins_ = true;
  bool dark3D_ = true;
  bool draw3D_ = true;
  bool sizeEditable_ = true;
  std::unique_ptr<TChartPen> pen_;
  TChartBrush brush_;
};

}  // namespace chart
