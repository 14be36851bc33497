#pragma once
// A symbol at each point, without a line.

#include "chart/series/CustomSeries.h"

namespace chart {

class TPointSeries : public TCustomSeries {
public:
  TPointSeries();

  void Assign(const TCustomSeries& source) override;
  QString GetEditorClassName() const override { return QStringLiteral("TSeriesPointerEditor"); }
  void SetColorEachPoint(bool on) override;
  void PrepareForGallery(bool isEnabled) override;
};

}  // namespace chart
