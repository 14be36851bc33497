#include "chart/panel/ChartTitle.h"

#include "chart/support/ChartFont.h"

namespace chart {

TChartTitle::TChartTitle(TParentChart* chart)
    : TChartFontObject(chart), brush_([this] { Repaint(); }), frame_([this] { Repaint(); })
{
  brush_.SetStyle(platform::TBrushStyle::bsSolid);
  Font().SetColor(defaultFontColor_);
}

void TChartTitle::SetAdjustFrame(bool on)
{
  if (adjustFrame_ == on)
    return;
  adjustFrame_ = on;
  Repaint();
}

void TChartTitle::SetAlignment(TAlignment alignment)
{
  if (alignment_ == alignment)
    return;
  alignment_ = alignment;
  Repaint();
}

void TChartTitle::SetColor(platform::TColor color)
{
  if (color_ == color)
    return;
  color_ = color;
  Repaint();
}

void TChartTitle::SetText(const QStringList& lines)
{
  if (text_ == lines)
    return;
  text_ = lines;
  Repaint();
}

void TChartTitle::SetVisible(bool on)
{
  if (visible_ == on)
    return;
  visible_ = on;
  Repaint();
}

void TChartTitle::SetFontDefaults(platform::TColor color, platform::TFontStyles style)
{
  defaultFontColor_ = color;
  defaultFontStyle_ = style;
  Font().SetColor(color);
  Font().SetStyle(style);
}

bool TChartTitle::IsTitleFontStored() const
{
  const platform::TFont& font = Font();
  return font.Name() != DefaultFontName() || font.Size() != DefaultFontSize() || font.Color() != defaultFontColor_ ||
         font.Style() != defaultFontStyle_;
}

bool TChartTitle::Clicked(int x, int y) const
{
  return visible_ && x >= titleRect_.Left && x < titleRect_.Right && y >= titleRect_.Top && y < titleRect_.Bottom;
}

void TChartTitle::Assign(const TChartTitle& other)
{
  TChartFontObject::Assign(other);
  adjustFrame_ = other.adjustFrame_;
  alignment_ = other.alignment_;
  brush_.Assign(other.brush_);
  color_ = other.color_;
  frame_.Assign(other.frame_);
  text_ = other.text_;
  visible_ = other.visible_;
  defaultFontColor_ = other.defaultFontColor_;
  defaultFontStyle_ = other.defaultFontStyle_;
}

}  // namespace chart
