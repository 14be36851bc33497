// How many scrollable columns and rows the client area shows whole.

#include "grid/window/GridAxis.h"

namespace grid {

namespace {

// From the first scrolled item, the items whose far edge (less the grid line when they have an
// extent) lies inside the client extent.
int VisibleCount(const TtsGridAxis& axis)
{
  int sum = axis.FixedExtent();
  int count = 0;
  for (int index = axis.First(); sum < axis.Client() && index < axis.Count(); ++index) {
    const int extent = axis.Extent(index);
    sum += extent;
    if (sum - (extent > 0 ? axis.LineWidth() : 0) <= axis.Client())
      ++count;
  }
  return count;
}

}  // namespace

int TtsBaseGrid::VisibleColCount() const { return VisibleCount({*this, false}); }

int TtsBaseGrid::VisibleRowCount() const { return VisibleCount({*this, true}); }

}  // namespace grid
