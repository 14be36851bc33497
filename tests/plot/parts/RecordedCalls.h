#pragma once
// What the parts left on a recording canvas: the calls of one kind, in order.

#include "../graph/GraphDoubles.h"

#include <vector>

namespace plot::test {

inline std::vector<platform::TCanvasRecord> Drawn(TRecordingGraphImage& image, platform::TCanvasOp op)
{
  std::vector<platform::TCanvasRecord> calls;
  for (const auto& r : image.Recording().Records())
    if (r.Op == op)
      calls.push_back(r);
  return calls;
}

}  // namespace plot::test
