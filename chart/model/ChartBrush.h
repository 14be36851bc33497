#pragma once
// The brushes of chart parts: the default colour (the owner's colour) and the owner's change handler.

#include "platform/Brush.h"

#include <functional>

namespace chart {

class TChartBrush : public platform::TBrush {
public:
  explicit TChartBrush(std::function<void()> onChange = {})
  {
    SetColor(platform::clDefault);
    OnChange = std::move(onChange);
  }
};

}  // namespace chart
