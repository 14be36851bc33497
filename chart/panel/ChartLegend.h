#pragma once
// The chart's legend: a boxed list of items (a series symbol and a text) beside, above or below the
// plot, one per series, per point of the first series, or the last value of each series. It takes
// its room from the chart rectangle and answers which item lies under a point.

#include "chart/canvas/ChartPen.h"
#include "chart/model/ChartBrush.h"
#include "chart/model/ChartFontObject.h"
#include "chart/model/SeriesTypes.h"
#include "platform/CanvasTypes.h"

#include <QString>
#include <functional>
#include <memory>

namespace chart {

class TChartSeries;
class TCustomAxisPanel;

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum class TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };

class TCustomChartLegend : public TChartFontObject {
public:
  // The chart's events for its legend; the chart is the sender.
  using TGetLegendTextEvent =
      std::function<void(TCustomAxisPanel& sender, TLegendStyle style, int index, QString& text)>;
  using TGetLegendPosEvent = std::function<void(TCustomAxisPanel& sender, int index, int& x, int& y, int& xColor)>;
  using TGetLegendRectEvent = std::function<void(TCustomAxisPanel& sender, platform::TRect& rect)>;

  explicit TCustomChartLegend(TCustomAxisPanel& chart);
  ~TCustomChartLegend() override;

  // Properties; each setter repaints the chart on a change. Range errors raise LegendException
  // and keep the old value.
  TLegendAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLegendAlignment value);
  const TChartBrush& Brush() const { return *brush_; }
  TChartBrush& Brush() { return *brush_; }
  void SetBrush(const platform::TBrush& brush);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor value);
  int ColorWidth() const { return colorWidth_; }  // percent of the text width
  void SetColorWidth(int value);                  // 0 to 100
  const TChartHiddenPen& DividingLines() const { return *dividingLines_; }
  TChartHiddenPen& DividingLines() { return *dividingLines_; }
  void SetDividingLines(const TChartPen& pen) { dividingLines_->Assign(pen); }
  int FirstValue() const { return firstValue_; }
  void SetFirstValue(int value);  // not negative
  const TChartPen& Frame() const { return *frame_; }
  TChartPen& Frame() { return *frame_; }
  void SetFrame(const TChartPen& pen) { frame_->Assign(pen); }
  int HorizMargin() const { return horizMargin_; }  // pixels; 0 is automatic
  void SetHorizMargin(int value);
  bool Inverted() const { return inverted_; }
  void SetInverted(bool value);
  TLegendStyle LegendStyle() const { return legendStyle_; }
  void SetLegendStyle(TLegendStyle value);
  int MaxNumRows() const { return maxNumRows_; }  // of a top or bottom legend
  void SetMaxNumRows(int value);
  bool ResizeChart() const { return resizeChart_; }
  void SetResizeChart(bool value);
  platform::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(platform::TColor value);
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int value);
  TLegendTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TLegendTextStyle value);
  int TopPos() const { return topPos_; }  // percent
  void SetTopPos(int value);              // 0 to 100
  int VertMargin() const { return vertMargin_; }  // pixels; 0 is automatic
  void SetVertMargin(int value);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool value);

  TGetLegendTextEvent OnGetLegendText;
  TGetLegendPosEvent OnGetLegendPos;
  TGetLegendRectEvent OnGetLegendRect;

  // Every property above; the font through the font object.
  void Assign(const TCustomChartLegend& other);
  // The chart's control notifications that concern the legend: they repaint the chart.
  void Notify(int code);

  // State of the last drawing.
  TLegendStyle InternalLegendStyle() const { return resolvedStyle_; }  // never lsAuto
  int ColorWidthPixels() const { return symbolWidth_; }
  int NumCols() const { return numCols_; }
  int NumRows() const { return numRows_; }
  const platform::TRect& RectLegend() const { return rect_; }

  bool IsVertical() const;
  // Lays out and draws the legend and takes its room from the chart rectangle.
  void Draw();
  int TotalLegendItems() const;
  // The widest text of count items from FirstValue on, or of all of them for -1; in the canvas' font.
  int MaxLegendTextWidth(int count) const;
  // The items of size itemSize that fit from start to the chart rectangle's end, at most all items.
  int CalcMaxRows(int start, int itemSize) const;
  QString LegendText(int index) const;
  QString PointLegendText(const TChartSeries* series, int valueIndex) const;
  // The position of the drawn item under (x, y); -1 when none.
  int ClickedItem(int x, int y) const;

protected:
  TCustomAxisPanel& Chart() const { return chart_; }
  void Invalidate() const;

private:
  // One drawing's geometry.
  struct TLayout {
    int FontHeight = 0;
    int TextWidth = 0;
    int SymbolLeft = 0;
    int TextLeft = 0;
    int Items = 0;   // TotalLegendItems
    int Places = 0;  // the items there is room for
  };

  void ResolveStyle();
  int ActiveSeriesCount() const;
  TChartSeries* FirstActiveSeries() const;
  int FrameWidth() const;
  int FrameRoom() const;  // fw + 1 beside a visible frame
  void LayOut(TLayout& layout);
  void LayOutColumns(TLayout& layout);
  void LayOutAcross(TLayout& layout);
  void DrawBackground();
  void DrawItems(const TLayout& layout);
  void DrawItem(const TLayout& layout, int index, int position);
  void DrawSymbol(int index, const platform::TRect& symbol);
  void ShrinkChartRect();

  TCustomAxisPanel& chart_;
  TLegendAlignment alignment_ = TLegendAlignment::laRight;
  std::unique_ptr<TChartBrush> brush_;
  platform::TColor color_ = platform::clWhite;
  int colorWidth_ = 12;
  std::unique_ptr<TChartHiddenPen> dividingLines_;
  int firstValue_ = 0;
  std::unique_ptr<TChartPen> frame_;
  int horizMargin_ = 0;
  bool inverted_ = false;
  TLegendStyle legendStyle_ = TLegendStyle::lsAuto;
  int maxNumRows_ = 10;
  bool resizeChart_ = true;
  platform::TColor shadowColor_ = platform::clBlack;
  int shadowSize_ = 3;
  TLegendTextStyle textStyle_ = TLegendTextStyle::ltsLeftValue;
  int topPos_ = 10;
  int vertMargin_ = 0;
  bool visible_ = true;

  TLegendStyle resolvedStyle_ = TLegendStyle::lsValues;
  int symbolWidth_ = 0;
  int numCols_ = 0;
  int numRows_ = 0;
  int itemHeight_ = 0;  // the font height the rows were laid out with
  int shownItems_ = 0;
  platform::TRect rect_;
};

class TChartLegend : public TCustomChartLegend {
public:
  using TCustomChartLegend::TCustomChartLegend;
  void SetVisible(bool value) override;
};

}  // namespace chart
