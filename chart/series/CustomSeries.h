#pragma once
// The base of the kinds that join their points: segments flat, as stairs or as 3-D ribbons, areas
// down to an origin, a pointer at each point, and clicks on points, lines and areas.

#include "chart/model/ChartSeries.h"
#include "chart/series/SeriesPointer.h"
#include "platform/Brush.h"

#include <functional>
#include <memory>

namespace chart {

class TChartPen;

class TCustomSeries : public TChartSeries {
public:
  using TClickPointerEvent = std::function<void(TCustomSeries& sender, int valueIndex, int x, int y)>;
  using TGetPointerStyleEvent = std::function<TSeriesPointerStyle(TChartSeries& sender, int valueIndex)>;

  TCustomSeries();
  ~TCustomSeries() override;

  TSeriesPointer& Pointer() { return *pointer_; }
  const TSeriesPointer& Pointer() const { return *pointer_; }
  void SetPointer(const TSeriesPointer& pointer);  // copies the settings
  TChartPen& LinePen() { return *linePen_; }
  const TChartPen& LinePen() const { return *linePen_; }
  void SetLinePen(const TChartPen& pen);
  platform::TBrushStyle LineBrush() const { return lineBrush_; }
  void SetLineBrush(platform::TBrushStyle style);
  int LineHeight() const { return lineHeight_; }
  void SetLineHeight(int pixels) { SetIntegerProperty(lineHeight_, pixels); }
  bool Stairs() const { return stairs_; }
  void SetStairs(bool on) { SetBooleanProperty(stairs_, on); }
  bool InvertedStairs() const { return invertedStairs_; }
  void SetInvertedStairs(bool on) { SetBooleanProperty(invertedStairs_, on); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool on) { SetBooleanProperty(dark3D_, on); }
  bool DrawArea() const { return drawArea_; }
  void SetDrawArea(bool on) { SetBooleanProperty(drawArea_, on); }
  TColor AreaColor() const { return areaColor_; }
  void SetAreaColor(TColor color) { SetColorProperty(areaColor_, color); }
  platform::TBrushStyle AreaBrush() const { return areaBrush_; }
  void SetAreaBrush(platform::TBrushStyle style);
  TChartPen& AreaLinesPen() { return *areaLinesPen_; }
  const TChartPen& AreaLinesPen() const { return *areaLinesPen_; }
  void SetAreaLinesPen(const TChartPen& pen);

  TClickPointerEvent OnClickPointer;
  TGetPointerStyleEvent OnGetPointerStyle;

  // Not published: the points are joined by a line; a click on the line finds its point.
  bool DrawsLine() const { return drawLine_; }
  bool ClickableLine() const { return clickableLine_; }

  // The settings above, the pointer and the events; each kind then restores its own flags.
  virtual void Assign(const TCustomSeries& source);

  virtual bool IsPointInPointer(int valueIndex, int pointX, int pointY, int x, int y) const;
  virtual void DrawPointer(int x, int y, TColor color, int valueIndex);
  // The pixel down to which an area is filled.
  virtual int GetOriginPos(int valueIndex) const;
  void PrepareLinePen(TColor color);
  TColor AreaColorFor(TColor color) const;
  // The Y pixel of the line through the points before and at valueIndex, under the pixel column edgeX.
  int InterpolateEdgeY(int valueIndex, int edgeX) const;

  void DrawValue(int valueIndex) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  void CalcHorizMargins(int& left, int& right) const override;
  void CalcVerticalMargins(int& top, int& bottom) const override;
  int Clicked(int x, int y) override;
  void DrawLegendShape(int legendIndex, const platform::TRect& rect) override;

protected:
  void SetDrawLineFlag(bool on) { drawLine_ = on; }
  void SetClickableLineFlag(bool on) { clickableLine_ = on; }
  // Before the visible range the first segment starts at the point before it, not at the plot's edge.
  virtual bool StartsAtPreviousPoint() const { return false; }

private:
  void DrawSegment(platform::TPoint p, TColor color, int valueIndex, bool withPointers);
  void Draw3DSegment(platform::TPoint p, TColor color, bool last);
  void DrawAreaPiece(platform::TPoint p, TColor color, bool last);
  bool IsOnSegment(platform::TPoint q, platform::TPoint p, platform::TPoint at) const;

  std::unique_ptr<TSeriesPointer> pointer_;
  std::unique_ptr<TChartPen> linePen_;
  std::unique_ptr<TChartPen> areaLinesPen_;
  platform::TBrushStyle lineBrush_ = platform::TBrushStyle::bsSolid;
  int lineHeight_ = 0;
  bool stairs_ = false;
  bool invertedStairs_ = false;
  bool dark3D_ = true;
  bool drawArea_ = false;
  TColor areaColor_ = platform::clDefault;
  platform::TBrushStyle areaBrush_ = platform::TBrushStyle::bsSolid;
  bool drawLine_ = false;
  bool clickableLine_ = true;

  // Drawing state from one point to the next.
  platform::TPoint previous_;
  TColor previousColor_ = platform::clNone;
  int origin_ = 0;
  int previousOrigin_ = 0;
  double slopeThreshold_ = 0;
};

}  // namespace chart
