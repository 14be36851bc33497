#include "chart/series/Custom3DSeries.h"

#include "chart/model/ChartAxis.h"
#include "chart/model/SeriesChart.h"

namespace chart {

TCustom3DSeries::TCustom3DSeries() : zValues_(CreateValueList(QStringLiteral("Z")))
{
  XValues().SetOrder(TChartListOrder::loNone);
  hasZValues_ = true;
  restrictToAxisRange_ = false;
}

void TCustom3DSeries::SetZValues(const TChartValueList& source)
{
  zValues_.Assign(source);
  Repaint();
}

bool TCustom3DSeries::IsZValuesStored() const
{
  return zValues_.DateTime() || zValues_.Name() != QLatin1String("Z") || zValues_.Multiplier() != 1 ||
         zValues_.Order() != TChartListOrder::loNone || !zValues_.ValueSource().isEmpty();
}

int TCustom3DSeries::AddXYZ(int x, double y, int z, const QString& label, TColor color)
{
  const int index = AddXY(x, y, label, color);
  if (index == -1) return -1;
  zValues_.SetStagedValue(z);
  AddExtraValues(index);
  return index;
}

void TCustom3DSeries::Assign(const TChartSeries& source)
{
  const auto* other = dynamic_cast<const TCustom3DSeries*>(&source);
  if (other == nullptr || other == this) return;
  zValues_.Assign(other->zValues_);
  timesZOrder_ = other->timesZOrder_;
  Repaint();
}

bool TCustom3DSeries::CanCopyFrom(const TChartSeries& source) const
{
  return &source != this && dynamic_cast<const TCustom3DSeries*>(&source) != nullptr;
}

void TCustom3DSeries::CalcZOrder()
{
  TChartSeries::CalcZOrder();
  TSeriesChart* chart = ParentChart();
  if (chart == nullptr) return;
  // The counter moves by the difference, so it ends at TimesZOrder.
  chart->RaiseZCounter(timesZOrder_ - chart->RaiseZCounter(0));
}

const TCustomChartAxis* TCustom3DSeries::DepthAxis() const
{
  return ParentChart() != nullptr ? ParentChart()->SeriesDepthAxis() : nullptr;
}

bool TCustom3DSeries::DepthInverted() const
{
  const TCustomChartAxis* axis = DepthAxis();
  return axis != nullptr && axis->Inverted();
}

int TCustom3DSeries::DepthPixel(double z) const
{
  const TCustomChartAxis* axis = DepthAxis();
  return axis != nullptr ? axis->DepthPosOfValue(z) : 0;
}

}  // namespace chart
