#pragma once
// A block of text lines above (title) or below (foot) the chart: font, alignment, frame and brush.

#include "chart/canvas/ChartPen.h"
#include "chart/model/ChartBrush.h"
#include "chart/model/ChartFontObject.h"
#include "platform/CanvasTypes.h"
#include "platform/Color.h"
#include "platform/Font.h"

#include <QStringList>

namespace chart {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TChartTitle : public TChartFontObject {
public:
  explicit TChartTitle(TParentChart* chart);

  bool AdjustFrame() const { return adjustFrame_; }
  void SetAdjustFrame(bool on);  // each setter repaints on a change
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TChartBrush& Brush() { return brush_; }
  const TChartBrush& Brush() const { return brush_; }
  void SetBrush(const platform::TBrush& brush) { brush_.Assign(brush); }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor color);
  TChartHiddenPen& Frame() { return frame_; }
  const TChartHiddenPen& Frame() const { return frame_; }
  void SetFrame(const TChartPen& pen) { frame_.Assign(pen); }
  const QStringList& Text() const { return text_; }
  void SetText(const QStringList& lines);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  // The colour and style the font has unless set otherwise (blue and none; the foot in the
  // designer: red and italic).
  platform::TColor DefaultFontColor() const { return defaultFontColor_; }
  platform::TFontStyles DefaultFontStyle() const { return defaultFontStyle_; }
  void SetFontDefaults(platform::TColor color, platform::TFontStyles style);
  bool IsTitleFontStored() const;

  // Where it was drawn last.
  const platform::TRect& TitleRect() const { return titleRect_; }
  void SetTitleRect(const platform::TRect& r) { titleRect_ = r; }
  bool Clicked(int x, int y) const;

  // Every setting and the text.
  void Assign(const TChartTitle& other);

private:
  bool adjustFrame_ = true;
  TAlignment alignment_ = TAlignment::taCenter;
  platform::TColor color_ = platform::clDefault;
  QStringList text_;
  bool visible_ = true;
  platform::TColor defaultFontColor_ = 0xFF0000;
  platform::TFontStyles defaultFontStyle_ = 0;
  platform::TRect titleRect_;
  TChartBrush brush_;
  TChartHiddenPen frame_;
};

}  // namespace chart
