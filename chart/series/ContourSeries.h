#pragma once
// Contour lines of a grid series, traced level by level through its cells in a horizontal plane:
// at YPosition, or each at its own level's height.

#include "chart/canvas/ChartPen.h"
#include "chart/series/Custom3DGridSeries.h"

#include <functional>
#include <memory>
#include <vector>

namespace chart {

struct TContourLevel {
  double Value = 0;
  TColor Color = 0;
};

class TContourSeries : public TCustom3DGridSeries {
public:
  using TGetLevelEvent = std::function<void(const TContourSeries& sender, int levelIndex, double& value, TColor& color)>;

  TContourSeries();
  ~TContourSeries() override;

  int NumLevels() const { return numLevels_; }
  void SetNumLevels(int value) { SetIntegerProperty(numLevels_, value); }
  TChartPen& Pen() { return *pen_; }
  const TChartPen& Pen() const { return *pen_; }
  void SetPen(const TChartPen& pen) { pen_->Assign(pen); }
  double YPosition() const { return yPosition_; }
  void SetYPosition(double value) { SetDoubleProperty(yPosition_, value); }
  bool YPositionLevel() const { return yPositionLevel_; }
  void SetYPositionLevel(bool on) { SetBooleanProperty(yPositionLevel_, on); }

  TGetLevelEvent OnGetLevel;

  // Level i over the current values: its value, its colour, then OnGetLevel's changes.
  TContourLevel Level(int levelIndex) const;
  // The levels as the last drawing computed them.
  const std::vector<TContourLevel>& Levels() const { return levels_; }

  void Assign(const TChartSeries& source) override;
  void DoBeforeDrawChart() override;
  void DrawAllValues() override;
  int CountLegendItems() const override { return std::max(0, numLevels_); }
  void FillSampleValues(int numValues) override;  // then YPosition in the middle of the values
  TColor LegendItemColor(int legendIndex) const override;
  QString LegendString(int legendIndex, TLegendTextStyle style) const override;
  void PrepareForGallery(bool isEnabled) override;
  QString GetEditorClassName() const override { return QStringLiteral("TContourSeriesEditor"); }

private:
  void DrawCellLevels(int x, int z, int yPixel);

  int numLevels_ = 10;
  std::unique_ptr<TChartPen> pen_;
  double yPosition_ = 0;
  bool yPositionLevel_ = false;
  std::vector<TContourLevel> levels_;
};

}  // namespace chart
