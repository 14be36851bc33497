#pragma once
// The two round kinds: polar (points at their own angles) and radar (points spread at equal
// angles from the top over polygonal rings, each corner labelled with its point's label).

#include "chart/series/CustomPolarSeries.h"

namespace chart {

class TPolarSeries : public TCustomPolarSeries {
public:
  bool IsInstanceOfClass(const TChartSeries& series) const override;
  // numValues points at equal steps up to 360 degrees, radii 1..1000 at random.
  void FillSampleValues(int numValues) override;
};

class TRadarSeries : public TCustomPolarSeries {
public:
  bool IsInstanceOfClass(const TChartSeries& series) const override;
  // Rotated to the top; as many corners as the longest active series has points, point b at
  // b corners' angle.
  void DoBeforeDrawChart() override;
  // Five labelled points of 0..999, whatever the count.
  void FillSampleValues(int numValues) override;
  void PrepareForGallery(bool isEnabled) override;
  // The label of the first point at exactly that angle, empty when none is.
  QString GetCircleLabel(double degrees) const override;

protected:
  bool DrawsSideScales() const override { return false; }
};

}  // namespace chart
