#pragma once
// The date and time conventions of the system's locale, read where the grid meets the window
// system; the model takes them as a plain TtsDateFormat.

#include "grid/model/DateFormat.h"

class QString;

namespace grid {

// The conventions of the system's locale; names that don't fit in 8 bits are left empty.
TtsDateFormat SystemDateFormat();
// A locale's time format as a date-time text pattern: hours h or hh, minutes nn, seconds ss and
// "am/pm" for the day-half marker; fractions of seconds and the time zone are left out, other
// letters quoted, blanks of other widths made plain.
std::string TimeFormatPattern(const QString& format);

}  // namespace grid
