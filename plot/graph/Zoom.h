#pragma once
// The zoom state the paint looks at: a rubber band being dragged and the stack of zoomed ranges.

#include "plot/support/FloatGeometry.h"

#include <vector>

namespace plot {

struct TZoomStep {
  TFloatRect Range;
  TFloatRect Range2;
};

class TZoom {
public:
  bool Active() const { return Dragging || !Stack.empty(); }

  bool Dragging = false;
  std::vector<TZoomStep> Stack;  // ranges before each zoom step, oldest first
};

}  // namespace plot
