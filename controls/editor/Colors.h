#pragma once
// A text and background colour pair with the owner's defaults.

#include "platform/Color.h"

#include <functional>

namespace controls {

class TOvcColors {
 public:
  TOvcColors(platform::TColor defaultTextColor, platform::TColor defaultBackColor);

  platform::TColor BackColor() const { return backColor_; }
  platform::TColor TextColor() const { return textColor_; }
  bool UseDefault() const { return useDefault_; }
  // A colour other than its default clears UseDefault; UseDefault true restores both defaults.
  void SetBackColor(platform::TColor color);
  void SetTextColor(platform::TColor color);
  void SetUseDefault(bool useDefault);
  void Assign(const TOvcColors& source);

  std::function<void()> OnChange;

 private:
  void Changed();

  platform::TColor defaultText_;
  platform::TColor defaultBack_;
  platform::TColor textColor_;
  platform::TColor backColor_;
  bool useDefault_ = true;
};

}  // namespace controls
