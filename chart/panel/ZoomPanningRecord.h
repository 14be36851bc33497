#pragma once
// The rectangle a zoom or a panning drag sweeps, in pixels, and whether one is under way.

#include <utility>

namespace chart {

struct TZoomPanningRecord {
  int X0 = 0;
  int Y0 = 0;
  int X1 = 0;
  int Y1 = 0;
  bool Active = false;

  // Both corners at the point; active.
  void Init(int x, int y)
  {
    X0 = X1 = x;
    Y0 = Y1 = y;
    Active = true;
  }
  // Orders the corners: X0 <= X1 and Y0 <= Y1.
  void Check()
  {
    if (X0 > X1)
      std::swap(X0, X1);
    if (Y0 > Y1)
      std::swap(Y0, Y1);
  }
};

}  // namespace chart
