#include "grid/dropdown/DateTimeCellText.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace grid {

namespace {

struct DateTimeParts {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// Days from 30 December 1899 (the fraction the time of day, also for dates before it).
DateTimeParts Decode(double dateTime)
{
  DateTimeParts parts;
  const double days = std::trunc(dateTime);
  const std::int64_t seconds = std::llround(std::fabs(dateTime - days) * 86400.0);
  // Civil date from days since 1970-01-01 (1899-12-30 is day -25569).
  std::int64_t z = std::int64_t(days) - 25569 + 719468 + (seconds >= 86400 ? 1 : 0);
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  parts.Day = int(doy - (153 * mp + 2) / 5 + 1);
  parts.Month = int(mp < 10 ? mp + 3 : mp - 9);
  parts.Year = int(yoe + era * 400 + (parts.Month <= 2 ? 1 : 0));
  const std::int64_t daySeconds = seconds % 86400;
  parts.Hour = int(daySeconds / 3600);
  parts.Minute = int(daySeconds / 60 % 60);
  parts.Second = int(daySeconds % 60);
  return parts;
}

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* prefix)
{
  for (std::size_t i = 0; prefix[i]; ++i) {
    if (at + i >= text.size() || std::tolower(static_cast<unsigned char>(text[at + i])) != prefix[i])
      return false;
  }
  return true;
}

std::string Digits(int value, int width)
{
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

// The run of one letter (either case) at a position.
std::size_t RunLength(const std::string& text, std::size_t at)
{
  const int letter = std::tolower(static_cast<unsigned char>(text[at]));
  std::size_t n = 0;
  while (at + n < text.size() && std::tolower(static_cast<unsigned char>(text[at + n])) == letter)
    ++n;
  return n;
}

}  // namespace

bool HasTimeOfDay(double dateTime)
{
  const DateTimeParts parts = Decode(dateTime);
  return parts.Hour != 0 || parts.Minute != 0 || parts.Second != 0;
}

std::string FormatDateTimeText(const std::string& pattern, double dateTime, const std::string& am,
                               const std::string& pm)
{
  const DateTimeParts parts = Decode(dateTime);
  std::string lower;
  for (const char c : pattern)
    lower += char(std::tolower(static_cast<unsigned char>(c)));
  const bool twelveHours = lower.find("am/pm") != std::string::npos || lower.find("a/p") != std::string::npos;
  const int hour = twelveHours ? (parts.Hour % 12 == 0 ? 12 : parts.Hour % 12) : parts.Hour;
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '"') {
      const std::size_t end = pattern.find('"', i + 1);
      out += pattern.substr(i + 1, (end == std::string::npos ? pattern.size() : end) - i - 1);
      i = end == std::string::npos ? pattern.size() : end + 1;
      continue;
    }
    if (StartsWithNoCase(pattern, i, "am/pm")) {
      out += parts.Hour < 12 ? am : pm;
      i += 5;
      continue;
    }
    if (StartsWithNoCase(pattern, i, "a/p")) {
      out += parts.Hour < 12 ? "a" : "p";
      i += 3;
      continue;
    }
    const std::size_t n = RunLength(pattern, i);
    switch (std::tolower(static_cast<unsigned char>(c))) {
      case 'y':
        out += n >= 3 ? Digits(parts.Year, 4) : Digits(parts.Year % 100, 2);
        break;
      case 'm':
        out += Digits(parts.Month, n >= 2 ? 2 : 1);
        break;
      case 'd':
        out += Digits(parts.Day, n >= 2 ? 2 : 1);
        break;
      case 'h':
        out += Digits(hour, n >= 2 ? 2 : 1);
        break;
      case 'n':
        out += Digits(parts.Minute, n >= 2 ? 2 : 1);
        break;
      case 's':
        out += Digits(parts.Second, n >= 2 ? 2 : 1);
        break;
      default:
        out.append(n, c);
        break;
    }
    i += n;
  }
  return out;
}

}  // namespace grid
