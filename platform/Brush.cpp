#include "platform/Brush.h"

#include "platform/Bitmap.h"

namespace platform {

void TBrush::SetColor(TColor color)
{
  TBrushData d = data_;
  d.Color = color;
  if (d.Style == TBrushStyle::bsClear)
    d.Style = TBrushStyle::bsSolid;
  Change(d);
}

void TBrush::SetStyle(TBrushStyle style)
{
  TBrushData d = data_;
  d.Style = style;
  d.Pattern = QImage();
  Change(d);
}

void TBrush::SetBitmap(const TBitmap* bitmap)
{
  TBrushData d = data_;
  d.Pattern = bitmap && !bitmap->Empty() ? bitmap->Image() : QImage();
  Change(d);
}

void TBrush::SetData(const TBrushData& data)
{
  Change(data);
}

void TBrush::Change(const TBrushData& data)
{
  if (data == data_)
    return;
  data_ = data;
  if (OnChange)
    OnChange();
}

}  // namespace platform
