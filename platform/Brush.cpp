#include "platform/Brush.h"

#include "platform/Bitmap.h"

namespace platform {

void TBrush::SetColor(TColor color)
{
  if (data_.Color == color && data_.Style != TBrushStyle::bsClear)
    return;
  // Something changes: the colour, or a clear brush turns solid.
  data_.Color = color;
  if (data_.Style == TBrushStyle::bsClear)
    data_.Style = TBrushStyle::bsSolid;
  if (OnChange)
    OnChange();
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
