#include "chart/model/ChartGradient.h"

#include <utility>

namespace chart {

TChartGradient::TChartGradient(std::function<void()> invalidate) : Invalidate(std::move(invalidate)) {}

template <class T>
void TChartGradient::Store(T& field, T value)
{
  if (field == value)
    return;
  field = value;
  if (Invalidate)
    Invalidate();
}

void TChartGradient::SetDirection(TGradientDirection value) { Store(direction_, value); }
void TChartGradient::SetEndColor(TColor value) { Store(endColor_, value); }
void TChartGradient::SetStartColor(TColor value) { Store(startColor_, value); }
void TChartGradient::SetVisible(bool value) { Store(visible_, value); }

void TChartGradient::Assign(const TChartGradient& other)
{
  direction_ = other.direction_;
  endColor_ = other.endColor_;
  startColor_ = other.startColor_;
  visible_ = other.visible_;
}

}  // namespace chart
