// The texts of a series' points: legend strings, mark texts and percents.
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/SeriesMarks.h"
#include "chart/support/Messages.h"
#include "chart/support/NumberPicture.h"

#include <cmath>

namespace chart {
namespace {

constexpr const char* kPercentOfTotal = "%s of %s";

// The share of value in total, in percent; 100 when the total is 0.
double Percent(double value, double total) { return total == 0 ? 100.0 : value * 100.0 / total; }

QString Joined(const QString& a, const QString& b) { return a + QLatin1Char(' ') + b; }

}  // namespace

QString TChartSeries::FormattedMarkValue(int valueIndex) const
{
  return FormatFloatPicture(valueFormat_, GetMarkValue(valueIndex));
}

QString TChartSeries::LegendString(int legendIndex, TLegendTextStyle style) const
{
  const int i = LegendToValueIndex(legendIndex);
  const QString label = ValueLabel(i);
  if (style == TLegendTextStyle::ltsPlain) return label;
  if (style == TLegendTextStyle::ltsXValue) return XValueText(i);
  const QString value = FormattedMarkValue(i);
  const auto percent = [&] {
    return FormatFloatPicture(percentFormat_, Percent(GetMarkValue(i), MandatoryValueList().TotalAbs()));
  };
  switch (style) {
  case TLegendTextStyle::ltsLeftValue: return Joined(value, label);
  case TLegendTextStyle::ltsRightValue: return Joined(label, value);
  case TLegendTextStyle::ltsLeftPercent: return Joined(percent(), label);
  case TLegendTextStyle::ltsRightPercent: return Joined(label, percent());
  default: return label;
  }
}

QString TChartSeries::PercentText(int valueIndex, bool addTotal) const
{
  const double total = MandatoryValueList().TotalAbs();
  const QString text = FormatFloatPicture(percentFormat_, Percent(std::fabs(GetMarkValue(valueIndex)), total));
  if (!addTotal) return text;
  return FormatMessage(kPercentOfTotal, {text, FormatFloatPicture(valueFormat_, total)});
}

QString TChartSeries::GetMarkText(int valueIndex) const
{
  const auto labelOrValue = [&] {
    const QString label = ValueLabel(valueIndex);
    return label.isEmpty() ? FormattedMarkValue(valueIndex) : label;
  };
  QString text;
  switch (marks_->Style()) {
  case TSeriesMarksStyle::smsValue: text = FormattedMarkValue(valueIndex); break;
  case TSeriesMarksStyle::smsPercent: text = PercentText(valueIndex, false); break;
  case TSeriesMarksStyle::smsLabel: text = labelOrValue(); break;
  case TSeriesMarksStyle::smsLabelPercent: text = Joined(labelOrValue(), PercentText(valueIndex, false)); break;
  case TSeriesMarksStyle::smsLabelValue: text = Joined(labelOrValue(), FormattedMarkValue(valueIndex)); break;
  case TSeriesMarksStyle::smsLegend:
    text = parent_ != nullptr ? parent_->LegendText(*this, valueIndex) : labelOrValue();
    break;
  case TSeriesMarksStyle::smsPercentTotal: text = PercentText(valueIndex, true); break;
  case TSeriesMarksStyle::smsLabelPercentTotal: text = Joined(labelOrValue(), PercentText(valueIndex, true)); break;
  case TSeriesMarksStyle::smsXValue: text = XValueText(valueIndex); break;
  }
  if (OnGetMarkText) OnGetMarkText(*this, valueIndex, text);
  return text;
}

}  // namespace chart
