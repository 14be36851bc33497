#pragma once
// Date-time steps of date-time axes and series functions. Dates are days since 30 December 1899,
// the fraction the time of day.

#include <QString>
#include <array>

namespace chart {

using TDateTime = double;

inline constexpr int kStepKinds = 25;
inline constexpr int kNoStepKind = 25;
inline constexpr int kHalfMonthKind = 18;
// The length in days of each step kind: 1, 5, 10, 15, 30 seconds, 1, 5, 10, 15, 30 minutes, 1, 2,
// 6, 12 hours, 1, 2, 3 days, a week, half a month, 1, 2, 3, 4, 6 months, a year.
inline constexpr std::array<double, kStepKinds> kDateTimeStep = {
    1.0 / 86400, 5.0 / 86400, 10.0 / 86400, 15.0 / 86400, 30.0 / 86400, 1.0 / 1440, 5.0 / 1440,
    10.0 / 1440, 15.0 / 1440, 30.0 / 1440, 1.0 / 24,     2.0 / 24,     6.0 / 24,     12.0 / 24,
    1,           2,           3,           7,            15,           30,           60,
    90,          120,         182,         365};

// The locale's short date format for steps of more than a day, else its short time format.
QString DateOrTimeFormat(double step);
// The length of the kind after the longest one not above step; 365 below one second.
double NextLargerStep(double step);
// The kind whose length is within one second of step, or kNoStepKind.
int StepKindOf(double step);
// The date at the start of its kind's period (half month, month, year); time of day dropped.
// Dates up to 1 January 1900 come back unchanged.
TDateTime RoundDateToStep(TDateTime date, int kind);
// Moves value by one step: calendar steps (kinds 18..24) by the calendar, the others by step.
// Half months go 1 -> 15 -> 1 of the next month forwards and back the same way backwards.
void StepDateTime(bool isDateTime, bool increment, double& value, int kind, double step);

struct TCivilDate {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
};
TCivilDate DecodeDate(TDateTime date);  // the date part only
TDateTime EncodeDate(const TCivilDate& date);

}  // namespace chart
