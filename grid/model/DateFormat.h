#pragma once
// The date and time conventions that date-time texts are read and written with: the short date
// format, the long time format (a date-time text pattern), the separators, the AM and PM texts and
// the month and day names (8-bit texts). The window side fills one from the system's locale.

#include <array>
#include <string>

namespace grid {

struct TtsDateFormat {
  std::string ShortDateFormat = "M/d/yyyy";
  std::string LongTimeFormat = "hh:nn:ss";
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  // Sunday first.
  std::array<std::string, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

}  // namespace grid
