#include "controls/editor/Colors.h"

namespace controls {

TOvcColors::TOvcColors(platform::TColor defaultTextColor, platform::TColor defaultBackColor)
    : defaultText_(defaultTextColor),
      defaultBack_(defaultBackColor),
      textColor_(defaultTextColor),
      backColor_(defaultBackColor)
{
}

void TOvcColors::SetBackColor(platform::TColor color)
{
  backColor_ = color;
  if (color != defaultBack_)
    useDefault_ = false;
  Changed();
}

void TOvcColors::SetTextColor(platform::TColor color)
{
  textColor_ = color;
  if (color != defaultText_)
    useDefault_ = false;
  Changed();
}

void TOvcColors::SetUseDefault(bool useDefault)
{
  useDefault_ = useDefault;
  if (useDefault) {
    textColor_ = defaultText_;
    backColor_ = defaultBack_;
  }
  Changed();
}

void TOvcColors::Assign(const TOvcColors& source)
{
  backColor_ = source.backColor_;
  textColor_ = source.textColor_;
  if (backColor_ != defaultBack_ || textColor_ != defaultText_)
    useDefault_ = false;
  Changed();
}

void TOvcColors::Changed()
{
  if (OnChange)
    OnChange();
}

}  // namespace controls
