#pragma once
// Date and time texts of date-time cells: the order and pattern of the short date format, the year
// digits, month and day names, and reading a typed text as a date and time. Date-times are days
// since 30 December 1899, the time of day as the fraction.

#include <optional>
#include <string>
#include <string_view>

#include "grid/model/CellValue.h"
#include "grid/model/DateFormat.h"

namespace grid {

// 0: year, month, day; 1: month, day, year; 2: day, month, year.
enum TtsDateOrder { doYMD = 0, doMDY = 1, doDMY = 2 };

// The first of D, E, Y, M (either case) in the short date format decides; none gives month first.
TtsDateOrder DateOrder(const TtsDateFormat& format);
// "D" or "DD", "M" or "MM" and "YY" or "YYYY" after the short date format, in its order, joined by
// the date separator; fourDigitYear asks for "YYYY" always.
std::string BuildDateFormat(bool fourDigitYear, const TtsDateFormat& format);
// The first "YY" that is no part of a longer year gets "yy" after it.
std::string ExpandYearFormat(const std::string& dateFormat);
// Removes the first of "am/pm", "a/p", "ampm" (ignoring case) and trims.
std::string RemoveAmPm(const std::string& timeFormat);
// The AM or the PM text is not empty.
bool HasAmPm(const TtsDateFormat& format);

// The first month name found as a whole word (long names, then short; ignoring case) becomes its
// number.
std::string ReplaceMonthName(const std::string& text, const TtsDateFormat& format);
// The first day name found as a whole word (long names, then short) is removed.
std::string RemoveDayName(const std::string& text, const TtsDateFormat& format);
// The run of digits that holds the year: the first when the year comes first, else the third.
std::string YearDigits(std::string_view text, const TtsDateFormat& format);

// Days from 30 December 1899 of a date, and of a date with its time (a time before that day counts
// backwards, as date-times do); nothing for a day that doesn't exist or lies outside years 1 to 9999.
std::optional<double> EncodeDate(int year, int month, int day);
std::optional<double> EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);
// The calendar year of a date-time.
int YearOf(double dateTime);
// The local date and time.
double NowDateTime();

// A typed date and time: all digits are a day count; digits and the time separator a time of day;
// otherwise a date (names of months and days allowed) with an optional time. Two-digit years and
// dates without a year fall in currentYear's century and year. Nothing when the text is no date.
std::optional<double> TextToDateTime(std::string_view text, const TtsDateFormat& format, int currentYear);
// A non-blank text through TextToDateTime, a double or date value unchanged; now for every other
// value and for a text that is no date.
double ValueToDateTime(const TtsCellValue& value, const TtsDateFormat& format, double now);

}  // namespace grid
