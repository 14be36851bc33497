#pragma once
// The base of a graph's parts (axes, legend entries, frame): a colour and a visibility.

#include "platform/Color.h"

namespace plot {

class TGraphAbstract {
public:
  virtual ~TGraphAbstract() = default;

  virtual void SetColor(platform::TColor value) { Color = value; }
  virtual void SetVisible(bool value) { Visible = value; }
  virtual bool GetVisible() const { return Visible; }
  virtual platform::TColor GetColor() const { return Color; }
  virtual void Draw() {}

  platform::TColor Color = platform::clBlack;
  bool Visible = true;
};

}  // namespace plot
