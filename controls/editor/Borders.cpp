#include "controls/editor/Borders.h"

namespace controls {

void TOvcBorder::SetEnabled(bool enabled)
{
  enabled_ = enabled;
  Changed();
}

void TOvcBorder::SetPenColor(platform::TColor color)
{
  penColor_ = color;
  Changed();
}

void TOvcBorder::SetPenStyle(TOvcPenStyle style)
{
  penStyle_ = style;
  Changed();
}

void TOvcBorder::SetPenWidth(int width)
{
  if (width <= 0)
    return;
  penWidth_ = width;
  Changed();
}

void TOvcBorder::SetBorderStyle(TOvcBorderStyle style)
{
  borderStyle_ = style;
  Changed();
}

void TOvcBorder::Assign(const TOvcBorder& source)
{
  enabled_ = source.enabled_;
  penColor_ = source.penColor_;
  penStyle_ = source.penStyle_;
  penWidth_ = source.penWidth_;
  Changed();
}

void TOvcBorder::Changed()
{
  if (OnChange)
    OnChange();
}

void TOvcBorders::Assign(const TOvcBorders& source)
{
  LeftBorder.Assign(source.LeftBorder);
  RightBorder.Assign(source.RightBorder);
  TopBorder.Assign(source.TopBorder);
  BottomBorder.Assign(source.BottomBorder);
}

}  // namespace controls
