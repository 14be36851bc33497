#pragma once
// One arrow per point, from its start point to its end point.

#include "chart/series/PointSeries.h"

namespace chart {

class TArrowSeries : public TPointSeries {
public:
  TArrowSeries();

  TChartValueList& StartXValues() { return XValues(); }
  const TChartValueList& StartXValues() const { return XValues(); }
  void SetStartXValues(const TChartValueList& source) { SetXValues(source); }
  TChartValueList& StartYValues() { return YValues(); }
  const TChartValueList& StartYValues() const { return YValues(); }
  void SetStartYValues(const TChartValueList& source) { SetYValues(source); }
  TChartValueList& EndXValues() { return *endXValues_; }
  const TChartValueList& EndXValues() const { return *endXValues_; }
  void SetEndXValues(const TChartValueList& source);
  TChartValueList& EndYValues() { return *endYValues_; }
  const TChartValueList& EndYValues() const { return *endYValues_; }
  void SetEndYValues(const TChartValueList& source);
  // The head's size: the pointer's half sizes (below 1 raises).
  int ArrowWidth() const { return Pointer().HorizSize(); }
  void SetArrowWidth(int width) { Pointer().SetHorizSize(width); }
  int ArrowHeight() const { return Pointer().VertSize(); }
  void SetArrowHeight(int height) { Pointer().SetVertSize(height); }

  int AddFromTo(double x0, double y0, double x1, double y1, const QString& label = {},
                TColor color = platform::clDefault);

  void DrawValue(int valueIndex) override;
  void FillSampleValues(int numValues) override;
  bool CanCopyFrom(const TChartSeries& source) const override;
  double MaxXValue() const override;
  double MaxYValue() const override;
  double MinXValue() const override;
  double MinYValue() const override;
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TArrowSeriesEditor"); }

private:
  TChartValueList* endXValues_;
  TChartValueList* endYValues_;
};

}  // namespace chart
