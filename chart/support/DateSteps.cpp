#include "chart/support/DateSteps.h"

#include <QLocale>
#include <chrono>
#include <cmath>

namespace chart {

namespace {
using namespace std::chrono;

constexpr int kDaysTo1970 = 25569;  // from 30 December 1899

// Years 1 to 9999, the range the calendar steps work in.
bool InCalendarRange(TDateTime date) { return date >= -693593.0 && date < 2958466.0; }

// The month moved by delta months, the day kept within the month's length.
TCivilDate AddMonths(TCivilDate d, int delta)
{
  const int months = d.Year * 12 + (d.Month - 1) + delta;
  d.Year = months / 12;
  d.Month = months % 12 + 1;
  const year_month_day_last last{year{d.Year}, month_day_last{month(unsigned(d.Month))}};
  d.Day = std::min(d.Day, int(unsigned(last.day())));
  return d;
}

TDateTime StepHalfMonth(TDateTime value, bool increment)
{
  TCivilDate d = DecodeDate(value);
  if (increment) {
    if (d.Day < 15) {
      d.Day = 15;
    } else {
      d.Day = 1;
      d = AddMonths(d, 1);
    }
  } else if (d.Day > 15) {
    d.Day = 15;
  } else if (d.Day > 1) {
    d.Day = 1;
  } else {
    d = AddMonths(d, -1);
    d.Day = 15;
  }
  return EncodeDate(d);
}
}  // namespace

TCivilDate DecodeDate(TDateTime date)
{
  const auto days = sys_days{} + std::chrono::days{static_cast<long long>(std::trunc(date)) - kDaysTo1970};
  const year_month_day ymd{days};
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

TDateTime EncodeDate(const TCivilDate& date)
{
  const sys_days days{year{date.Year} / month(unsigned(date.Month)) / day(unsigned(date.Day))};
  return double(days.time_since_epoch().count() + kDaysTo1970);
}

QString DateOrTimeFormat(double step)
{
  const QLocale locale = QLocale::system();
  return step > 1 ? locale.dateFormat(QLocale::ShortFormat) : locale.timeFormat(QLocale::ShortFormat);
}

double NextLargerStep(double step)
{
  for (int kind = kStepKinds - 2; kind >= 0; --kind)
    if (kDateTimeStep[std::size_t(kind)] <= step)
      return kDateTimeStep[std::size_t(kind + 1)];
  return kDateTimeStep.back();
}

int StepKindOf(double step)
{
  for (int kind = kStepKinds - 1; kind >= 0; --kind)
    if (std::fabs(kDateTimeStep[std::size_t(kind)] - step) < kDateTimeStep[0])
      return kind;
  return kNoStepKind;
}

TDateTime RoundDateToStep(TDateTime date, int kind)
{
  if (!(date > 2.0))  // 1 January 1900 and before, NaN too
    return date;
  if (!InCalendarRange(date))
    return std::trunc(date);
  TCivilDate d = DecodeDate(date);
  if (kind == kHalfMonthKind)
    d.Day = d.Day < 15 ? 1 : 15;
  else if (kind >= 19 && kind <= 23)
    d.Day = 1;
  else if (kind == 24)
    d.Day = d.Month = 1;
  return EncodeDate(d);
}

void StepDateTime(bool isDateTime, bool increment, double& value, int kind, double step)
{
  if (!isDateTime || kind < kHalfMonthKind || kind > 24 || !InCalendarRange(value)) {
    value += increment ? step : -step;
    return;
  }
  if (kind == kHalfMonthKind) {
    value = StepHalfMonth(value, increment);
    return;
  }
  static constexpr int kMonths[] = {1, 2, 3, 4, 6};
  TCivilDate d = DecodeDate(value);
  if (kind == 24) {
    d = AddMonths(d, increment ? 12 : -12);
  } else {
    d.Day = 1;
    const int months = kMonths[kind - 19];
    d = AddMonths(d, increment ? months : -months);
  }
  value = EncodeDate(d);
}

}  // namespace chart
