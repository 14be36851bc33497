#include "plot/support/RotatedFont.h"

#include "platform/CanvasRounding.h"

namespace plot {

platform::TFontData CreateRotatedFont(const platform::TFont& font, int angle, int charset)
{
  platform::TFontData data = font.Data();
  data.Escapement = platform::SafeRound(angle * 10.0);
  data.Charset = charset;
  return data;
}

}  // namespace plot
