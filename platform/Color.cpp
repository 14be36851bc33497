#include "platform/Color.h"

#include <QColor>

namespace platform {

QColor ToQColor(TColor color)
{
  return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

TColor FromQColor(const QColor& color)
{
  return RGB(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

}  // namespace platform
