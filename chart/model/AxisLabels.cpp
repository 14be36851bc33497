// The texts of an axis' labels, the label style in effect and the room the labels take.

#include "chart/model/ChartAxis.h"

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/model/ParentChart.h"
#include "chart/support/DatePicture.h"
#include "chart/support/NumberPicture.h"
#include "chart/support/TextLines.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace chart {

QString TCustomChartAxis::ValueText(double value) const
{
  if (!isDateTime_)
    return FormatFloatPicture(axisValuesFormat_, value);
  if (!(value >= 0))  // no dates before 30 December 1899
    return {};
  if (dateTimeFormat_.isEmpty())
    return FormatDateTimeLocale(DateOrTimeFormat(rangeSpan_), value);
  return FormatDateTimePicture(dateTimeFormat_, value);
}

QString TCustomChartAxis::WithLineBreaks(QString text) const
{
  if (labelsMultiLine_)
    MarkLineBreaks(text, QStringLiteral(" "));
  return text;
}

QString TCustomChartAxis::LabelValue(double value) const
{
  QString text = ValueText(value);
  if (chart_ != nullptr)
    chart_->GetAxisLabel(*this, text);
  return WithLineBreaks(std::move(text));
}

TAxisLabelStyle TCustomChartAxis::CalcLabelStyle() const
{
  if (labelStyle_ != TAxisLabelStyle::talAuto)
    return labelStyle_;
  const bool anySeries = chart_ != nullptr && chart_->HasActiveSeriesOnAxis(*this);
  if (isDepth_) {
    if (!anySeries)
      return TAxisLabelStyle::talText;
    return chart_->HasDepthValues() ? TAxisLabelStyle::talValue : TAxisLabelStyle::talText;
  }
  if (!anySeries)
    return TAxisLabelStyle::talNone;
  return chart_->HasPointLabelsOnAxis(*this) ? TAxisLabelStyle::talText : TAxisLabelStyle::talValue;
}

TTeeCanvas* TCustomChartAxis::MeasuringCanvas() const
{
  if (chart_ == nullptr)
    return nullptr;
  TTeeCanvas& canvas = chart_->Canvas();
  canvas.AssignFont(*labelsFont_);
  return &canvas;
}

int TCustomChartAxis::LabelExtent(const QString& text, bool across) const
{
  const TTeeCanvas* canvas = MeasuringCanvas();
  if (canvas == nullptr)
    return 0;
  if (across)
    return canvas->FontHeight() * CountTextLines(text);
  int widest = 0;
  for (const QString& line : text.split(QChar(kLineSeparator)))
    widest = std::max(widest, canvas->TextWidthOf(line));
  return widest;
}

int TCustomChartAxis::HorizLabelSize(double value) const
{
  return LabelExtent(LabelValue(value), labelsAngle_ == 90 || labelsAngle_ == 270);
}

int TCustomChartAxis::VertLabelSize(double value) const
{
  return LabelExtent(LabelValue(value), labelsAngle_ == 0 || labelsAngle_ == 180);
}

int TCustomChartAxis::MaxLabelsWidth()
{
  UpdateIsDateTime();
  switch (CalcLabelStyle()) {
  case TAxisLabelStyle::talValue: {
    double lo = rangeMin_;
    double hi = rangeMax_;
    if (roundFirstLabel_ || (isDateTime_ && exactDateTime_)) {
      const double step = CalcIncrement();
      lo = std::trunc(rangeMin_ / step) * step;
      hi = std::trunc(rangeMax_ / step) * step;
    }
    // Measured without the chart's label event.
    const int widest = std::max(LabelExtent(WithLineBreaks(ValueText(lo)), false),
                                LabelExtent(WithLineBreaks(ValueText(hi)), false));
    const TTeeCanvas* canvas = MeasuringCanvas();
    return widest + (canvas != nullptr ? canvas->TextWidthOf(QStringLiteral(" ")) : 0);
  }
  case TAxisLabelStyle::talMark:
    return chart_ != nullptr ? chart_->MaxMarksWidth() : 0;
  case TAxisLabelStyle::talText:
    return chart_ != nullptr ? chart_->MaxTextWidth() : 0;
  case TAxisLabelStyle::talAuto:
  case TAxisLabelStyle::talNone:
    break;
  }
  return 0;
}

}  // namespace chart
