#include "platform/Pen.h"

#include <algorithm>

namespace platform {

void TPen::SetColor(TColor color)
{
  TPenData d = data_;
  d.Color = color;
  Change(d);
}

void TPen::SetStyle(TPenStyle style)
{
  TPenData d = data_;
  d.Style = style;
  Change(d);
}

void TPen::SetWidth(int width)
{
  TPenData d = data_;
  d.Width = std::max(0, width);
  Change(d);
}

void TPen::SetMode(TPenMode mode)
{
  TPenData d = data_;
  d.Mode = mode;
  Change(d);
}

void TPen::SetData(const TPenData& data)
{
  TPenData d = data;
  d.Width = std::max(0, d.Width);
  Change(d);
}

void TPen::Change(const TPenData& data)
{
  if (data == data_)
    return;
  data_ = data;
  if (OnChange)
    OnChange();
}

}  // namespace platform
