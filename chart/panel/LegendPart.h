#pragma once
// What the chart asks of its legend: whether it shows, its side, drawing it (taking its room from
// the chart rectangle) and which item lies under a point.

namespace chart {

class TChartLegendPart {
public:
  virtual ~TChartLegendPart() = default;
  virtual bool Visible() const = 0;
  virtual bool Vertical() const = 0;  // aligned left or right
  virtual void Draw() = 0;
  virtual int Clicked(int x, int y) const = 0;  // the item's position, -1 outside the items
};

}  // namespace chart
