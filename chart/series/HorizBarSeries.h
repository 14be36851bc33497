#pragma once
// Horizontal bars: spaced along the vertical axis, their values (the X list) on the horizontal one.

#include "chart/series/CustomBarSeries.h"

namespace chart {

class THorizBarSeries : public TCustomBarSeries {
public:
  THorizBarSeries();

  int CustomBarHeight() const { return customBarSize_; }
  void SetCustomBarHeight(int pixels) { SetIntegerProperty(customBarSize_, pixels); }

  const TChartValueList& MandatoryValueList() const override { return XValues(); }
  using TChartSeries::MandatoryValueList;
  // The bar's value end and its top edge.
  int CalcXPos(int valueIndex) const override;
  int CalcYPos(int valueIndex) const override;
  double MaxXValue() const override { return MaxBarValue(TCustomBarSeries::MaxXValue()); }
  double MinXValue() const override { return MinBarValue(TCustomBarSeries::MinXValue()); }
  // A random walk of values, one per position from the vertical axis' minimum; BarException for none.
  void FillSampleValues(int numValues) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  void CalcHorizMargins(int& left, int& right) const override;
  void CalcVerticalMargins(int& top, int& bottom) const override;
  int MarkSize() const;

protected:
  bool BarsHorizontal() const override { return true; }
  void DrawBar(int valueIndex, int startPos, int endPos) override;
};

}  // namespace chart
