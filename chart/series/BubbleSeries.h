#pragma once
// One circle per point whose size follows a third value, the radius.

#include "chart/series/PointSeries.h"

namespace chart {

class TBubbleSeries : public TPointSeries {
public:
  TBubbleSeries();

  TChartValueList& RadiusValues() { return *radiusValues_; }
  const TChartValueList& RadiusValues() const { return *radiusValues_; }
  void SetRadiusValues(const TChartValueList& source);
  // The width follows the vertical scale too, so bubbles stay round.
  bool Squared() const { return squared_; }
  void SetSquared(bool on) { SetBooleanProperty(squared_, on); }

  int AddXYRadius(double x, double y, double radius, const QString& label = {},
                  TColor color = platform::clDefault);

  void Assign(const TCustomSeries& source) override;
  void DrawValue(int valueIndex) override;
  void FillSampleValues(int numValues) override;
  bool CanCopyFrom(const TChartSeries& source) const override;
  double MaxYValue() const override { return RadiusExtreme(true); }
  double MinYValue() const override { return RadiusExtreme(false); }
  void DrawLegendShape(int legendIndex, const platform::TRect& rect) override;

private:
  // The largest Y + radius or the smallest Y - radius, from the plain extreme on.
  double RadiusExtreme(bool upper) const;

  TChartValueList* radiusValues_;
  bool squared_ = true;
};

}  // namespace chart
