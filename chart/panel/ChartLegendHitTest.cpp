// Which legend item lies under a point of the chart.
#include "chart/panel/ChartLegend.h"

namespace chart {

namespace {

// The first band of the given size from start (each band starting one pixel in) that holds value.
int BandAt(int value, int start, int size, int count)
{
  for (int i = 0; i < count; ++i) {
    const int from = start + i * size + 1;
    if (value >= from && value <= from + size)
      return i;
  }
  return -1;
}

}  // namespace

int TCustomChartLegend::ClickedItem(int x, int y) const
{
  if (!rect_.Contains({x, y}))
    return -1;
  int position = -1;
  if (IsVertical()) {
    if (numRows_ <= 0)
      return -1;
    position = BandAt(y, rect_.Top, rect_.Height() / numRows_, numRows_);
  } else {
    if (numCols_ <= 0)
      return -1;
    const int width = rect_.Width() / numCols_;
    for (int c = 0; c < numCols_; ++c) {
      if (BandAt(x, rect_.Left + c * width, width, 1) != 0)
        continue;
      const int row = BandAt(y, rect_.Top, itemHeight_, numRows_);
      if (row >= 0)
        position = c + row * numCols_;
    }
  }
  // Places past the last item (a short last row) hold nothing.
  return position < shownItems_ ? position : -1;
}

}  // namespace chart
