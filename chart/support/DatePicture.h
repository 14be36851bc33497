#pragma once
// Dates and times (days since 30 December 1899, the fraction the time of day) formatted by a
// picture such as "dd/mm/yyyy hh:nn".

#include "chart/support/DateSteps.h"

#include <QString>

namespace chart {

// Picture parts (letters in either case): d, dd day; ddd, dddd day name; ddddd, dddddd the
// locale's short and long date; m, mm month (minutes right after an hour); mmm, mmmm month name;
// yy, yyyy year; h, hh hour (of 12 when the picture has am/pm, a/p or ampm); n, nn minutes;
// s, ss seconds; z, zzz milliseconds; t, tt the locale's short and long time; c the short date
// and, unless midnight, the long time; am/pm, a/p, ampm the half of the day; text in '...' or
// "..." and other characters are copied. Dates outside the years 1 to 9999 and not-a-number give
// the empty text.
QString FormatDateTimePicture(const QString& picture, TDateTime value);
// The same date by a format of the system locale (as DateOrTimeFormat gives).
QString FormatDateTimeLocale(const QString& localeFormat, TDateTime value);

}  // namespace chart
