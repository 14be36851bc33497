#pragma once
// The mark settings of a series (a framed text joined to its point by an arrow), the geometry of
// each drawn mark, and the drawing of one mark.

#include "chart/canvas/ChartPen.h"
#include "platform/CanvasTypes.h"
#include "platform/Color.h"
#include "platform/Font.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace chart {

class TChartSeries;

enum class TSeriesMarksStyle {
  smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
  smsLabelPercentTotal, smsXValue
};

// One mark's box and arrow; a user-placed one keeps its geometry whatever its point does.
struct TSeriesMarkPosition {
  platform::TPoint ArrowStart;
  platform::TPoint ArrowEnd;
  bool UserPlaced = false;
  int Height = 0;
  platform::TPoint TopLeft;
  int Width = 0;
  platform::TRect Bounds() const { return {TopLeft.X, TopLeft.Y, TopLeft.X + Width, TopLeft.Y + Height}; }
};

// One optional position per point index; only points whose mark was drawn have one.
using TSeriesMarksPositions = std::vector<std::optional<TSeriesMarkPosition>>;

inline constexpr platform::TColor kMarkBackColor = 0x80FFFF;
inline constexpr int kMarkArrowLength = 8;

class TSeriesMarks {
public:
  explicit TSeriesMarks(TChartSeries& series);
  ~TSeriesMarks();
  TSeriesMarks(const TSeriesMarks&) = delete;
  TSeriesMarks& operator=(const TSeriesMarks&) = delete;

  TChartSeries& ParentSeries() const { return series_; }

  const TChartArrowPen& Arrow() const { return *arrow_; }
  TChartArrowPen& Arrow() { return *arrow_; }
  void SetArrow(const TChartPen& pen) { arrow_->Assign(pen); }
  int ArrowLength() const { return arrowLength_; }
  void SetArrowLength(int length);
  platform::TColor BackColor() const { return backColor_; }
  void SetBackColor(platform::TColor color);
  bool Clip() const { return clip_; }
  void SetClip(bool on);
  const platform::TFont& Font() const { return *font_; }
  platform::TFont& Font() { return *font_; }
  void SetFont(const platform::TFont& font) { font_->Assign(font); }
  bool IsFontStored() const;
  const TChartPen& Frame() const { return *frame_; }
  TChartPen& Frame() { return *frame_; }
  void SetFrame(const TChartPen& pen) { frame_->Assign(pen); }
  TSeriesMarksStyle Style() const { return style_; }
  void SetStyle(TSeriesMarksStyle style);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  int ZPosition() const { return zPosition_; }
  void SetZPosition(int z) { zPosition_ = z; }

  TSeriesMarksPositions& MarkPositions() { return positions_; }
  const TSeriesMarksPositions& MarkPositions() const { return positions_; }
  void ClearPositions() { TSeriesMarksPositions().swap(positions_); }
  // The stored position of the point takes position's geometry, or, when user-placed, gives it.
  void ApplyPosition(int valueIndex, TSeriesMarkPosition& position);
  // Box, arrow and text (lines split at a carriage return) of one point's mark.
  void Draw(int valueIndex, platform::TColor color, const QString& text, TSeriesMarkPosition& position);
  void Assign(const TSeriesMarks& source);  // every published setting

private:
  TChartSeries& series_;
  std::unique_ptr<TChartArrowPen> arrow_;
  std::unique_ptr<TChartPen> frame_;
  std::unique_ptr<platform::TFont> font_;
  int arrowLength_ = kMarkArrowLength;
  platform::TColor backColor_ = kMarkBackColor;
  bool clip_ = false;
  TSeriesMarksStyle style_ = TSeriesMarksStyle::smsLabel;
  bool transparent_ = false;
  bool visible_ = false;
  int zPosition_ = 0;
  TSeriesMarksPositions positions_;
};

}  // namespace chart
