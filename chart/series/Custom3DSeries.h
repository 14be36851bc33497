#pragma once
// A series with a third value list, Z, whose points lie along the chart's depth axis.

#include "chart/model/ChartSeries.h"

namespace chart {

class TCustomChartAxis;

class TCustom3DSeries : public TChartSeries {
public:
  TCustom3DSeries();

  TChartValueList& ZValues() { return zValues_; }
  const TChartValueList& ZValues() const { return zValues_; }
  void SetZValues(const TChartValueList& source);  // copies the settings, repaints
  bool IsZValuesStored() const;                    // its settings differ from the defaults
  // The depth positions the chart reserves behind the first one for this series.
  int TimesZOrder() const { return timesZOrder_; }
  void SetTimesZOrder(int value) { SetIntegerProperty(timesZOrder_, value); }

  // Adds (x, y) and the Z value; -1 when the point is refused.
  virtual int AddXYZ(int x, double y, int z, const QString& label = {}, TColor color = platform::clDefault);
  // The settings of another series (Z list and TimesZOrder of a 3-D one); not the points.
  void Assign(const TChartSeries& source) override;

  bool CanCopyFrom(const TChartSeries& source) const override;
  double MaxZValue() const override { return zValues_.MaxValue(); }
  double MinZValue() const override { return zValues_.MinValue(); }
  void CalcZOrder() override;

protected:
  // The chart's depth axis, null without one.
  const TCustomChartAxis* DepthAxis() const;
  bool DepthInverted() const;
  int DepthPixel(double z) const;  // 0 without a depth axis

private:
  TChartValueList& zValues_;
  int timesZOrder_ = 3;
};

}  // namespace chart
