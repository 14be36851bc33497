#include "plot/graph/Layer.h"

namespace plot {

void TLayer::GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const
{
  xMin = 1e38;
  xMax = -1e38;
  yMin = 1e38;
  yMax = -1e38;
}

}  // namespace plot
