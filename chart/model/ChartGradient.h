#pragma once
// The back gradient of a chart panel: direction and two colours, drawn only when visible. Every
// change repaints the owner.

#include "chart/canvas/TeeCanvas.h"

#include <functional>

namespace chart {

class TChartGradient {
public:
  // invalidate repaints the owner panel.
  explicit TChartGradient(std::function<void()> invalidate = {});

  TGradientDirection Direction() const { return direction_; }
  TColor EndColor() const { return endColor_; }
  TColor StartColor() const { return startColor_; }
  bool Visible() const { return visible_; }

  // Each stores the value and repaints the owner when it changed.
  void SetDirection(TGradientDirection value);
  void SetEndColor(TColor value);
  void SetStartColor(TColor value);
  void SetVisible(bool value);

  // The four values, without repaint.
  void Assign(const TChartGradient& other);

  std::function<void()> Invalidate;

private:
  template <class T>
  void Store(T& field, T value);

  TGradientDirection direction_ = TGradientDirection::gdTopBottom;
  TColor endColor_ = 0x00FFFF;  // yellow
  TColor startColor_ = 0xFFFFFF;
  bool visible_ = false;
};

}  // namespace chart
