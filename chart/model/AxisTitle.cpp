#include "chart/model/AxisTitle.h"

#include "chart/support/Messages.h"
#include "chart/support/Palette.h"

namespace chart {

void TChartAxisTitle::SetCaption(const QString& caption)
{
  if (caption_ == caption)
    return;
  caption_ = caption;
  Repaint();
}

void TChartAxisTitle::SetAngle(int angle)
{
  if (angle_ == angle)
    return;
  CheckAngle(angle, msg::AxisTitle);
  angle_ = angle;
  Repaint();
}

void TChartAxisTitle::SetDefaultAngle(int angle)
{
  defaultAngle_ = angle;
  angle_ = angle;
}

void TChartAxisTitle::Assign(const TChartAxisTitle& other)
{
  caption_ = other.caption_;
  angle_ = other.angle_;
  TChartFontObject::Assign(other);
}

}  // namespace chart
