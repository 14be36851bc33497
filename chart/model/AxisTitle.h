#pragma once
// The title of an axis: a caption and an angle in the title's font.

#include "chart/model/ChartFontObject.h"

#include <QString>

namespace chart {

class TChartAxisTitle : public TChartFontObject {
public:
  explicit TChartAxisTitle(TParentChart* owner) : TChartFontObject(owner) {}

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);  // repaints when changed
  int Angle() const { return angle_; }
  // Checked when it changes: ChartException outside 0..359, the old angle kept.
  void SetAngle(int angle);
  int DefaultAngle() const { return defaultAngle_; }
  // The axis' own title angle (90 left, 270 right, 0 otherwise); the angle follows it.
  void SetDefaultAngle(int angle);
  bool IsAngleStored() const { return angle_ != defaultAngle_; }
  void Assign(const TChartAxisTitle& other);  // caption, angle and font, no repaint

private:
  QString caption_;
  int angle_ = 0;
  int defaultAngle_ = 0;
};

}  // namespace chart
