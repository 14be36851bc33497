#pragma once
// The surface between the line and an origin filled, alone or stacked on the other area series.

#include "chart/series/CustomSeries.h"

namespace chart {

enum class TMultiArea { maNone, maStacked, maStacked100 };

class TAreaSeries : public TCustomSeries {
public:
  TAreaSeries();

  TMultiArea MultiArea() const { return multiArea_; }
  // Every area series of the chart takes the setting.
  void SetMultiArea(TMultiArea value);

  // The pixel of value on the vertical axis, stacked on the earlier series of the stack at index.
  int CalcStackedYPos(int valueIndex, double value) const;

  void Assign(const TCustomSeries& source) override;
  QString GetEditorClassName() const override { return QStringLiteral("TAreaSeriesEditor"); }
  int CalcYPos(int valueIndex) const override;
  int GetOriginPos(int valueIndex) const override;
  double MaxYValue() const override;
  double MinYValue() const override;
  void CalcZOrder() override;
  void PrepareLegendCanvas(int legendIndex, TColor& backColor, platform::TBrushStyle& brushStyle) override;

protected:
  bool StartsAtPreviousPoint() const override { return true; }

private:
  TMultiArea multiArea_ = TMultiArea::maNone;
};

}  // namespace chart
