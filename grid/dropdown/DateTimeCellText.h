#pragma once
// A date-time as text after a pattern: YYYY and YY the year, M and MM the month, D and DD the day,
// H and HH the hour, NN the minutes, SS the seconds (letters in either case), AM/PM and A/P a
// 12-hour clock with the given markers; other characters as they are, text in double quotes too.

#include <string>

namespace grid {

std::string FormatDateTimeText(const std::string& pattern, double dateTime, const std::string& am = "AM",
                               const std::string& pm = "PM");
// Whether a date-time has an hour, minute or second.
bool HasTimeOfDay(double dateTime);

}  // namespace grid
