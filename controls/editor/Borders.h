#pragma once
// Border lines of a control: one pen per side.

#include "platform/Color.h"

#include <cstdint>
#include <functional>

namespace controls {

enum TOvcPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TOvcBorderStyle : std::uint8_t { bpsSolid };

class TOvcBorder {
 public:
  bool Enabled() const { return enabled_; }
  platform::TColor PenColor() const { return penColor_; }
  TOvcPenStyle PenStyle() const { return penStyle_; }
  int PenWidth() const { return penWidth_; }
  TOvcBorderStyle BorderStyle() const { return borderStyle_; }

  void SetEnabled(bool enabled);
  void SetPenColor(platform::TColor color);
  void SetPenStyle(TOvcPenStyle style);
  void SetPenWidth(int width);  // values <= 0 are ignored
  void SetBorderStyle(TOvcBorderStyle style);
  void Assign(const TOvcBorder& source);

  std::function<void()> OnChange;

 private:
  void Changed();

  bool enabled_ = false;
  platform::TColor penColor_ = platform::clBlack;
  TOvcPenStyle penStyle_ = psSolid;
  int penWidth_ = 2;
  TOvcBorderStyle borderStyle_ = bpsSolid;
};

struct TOvcBorders {
  TOvcBorder LeftBorder;
  TOvcBorder RightBorder;
  TOvcBorder TopBorder;
  TOvcBorder BottomBorder;

  void Assign(const TOvcBorders& source);
};

}  // namespace controls
