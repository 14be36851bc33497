#pragma once
// Vertical bars: spaced along the horizontal axis, their values on the vertical one.

#include "chart/series/CustomBarSeries.h"

namespace chart {

class TBarSeries : public TCustomBarSeries {
public:
  TBarSeries();

  int CustomBarWidth() const { return customBarSize_; }
  void SetCustomBarWidth(int pixels) { SetIntegerProperty(customBarSize_, pixels); }

  // The bar's left edge and its value end.
  int CalcXPos(int valueIndex) const override;
  int CalcYPos(int valueIndex) const override;
  double MaxYValue() const override { return MaxBarValue(TCustomBarSeries::MaxYValue()); }
  double MinYValue() const override { return MinBarValue(TCustomBarSeries::MinYValue()); }
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  void CalcHorizMargins(int& left, int& right) const override;
  void CalcVerticalMargins(int& top, int& bottom) const override;
  // The mark's room above or below a bar.
  int MarkSize() const;

protected:
  bool BarsHorizontal() const override { return false; }
  void DrawBar(int valueIndex, int startPos, int endPos) override;
};

}  // namespace chart
