#include "grid/model/DateTimeText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>

namespace grid {

namespace {

constexpr int kMaxNumberDigits = 9;  // keeps every number read within int
constexpr double kLastDay = 2958465;  // 31 December 9999

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Letters of Latin-1: ASCII letters and the accented ones (not the multiplication and division signs).
bool IsLetter(char c)
{
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u != 0xD7 && u != 0xF7) || u == 0xAA ||
         u == 0xB5 || u == 0xBA;
}

char LowerLatin1(char c)
{
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
    return char(u + 0x20);
  return c;
}

bool EqualIgnoringCase(std::string_view text, std::size_t at, std::string_view word)
{
  if (at + word.size() > text.size())
    return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (LowerLatin1(text[at + k]) != LowerLatin1(word[k]))
      return false;
  return true;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view word, std::size_t from = 0)
{
  if (word.empty())
    return std::string_view::npos;
  for (std::size_t at = from; at + word.size() <= text.size(); ++at)
    if (EqualIgnoringCase(text, at, word))
      return at;
  return std::string_view::npos;
}

bool IsWordChar(std::string_view text, std::size_t at)
{
  return at < text.size() && (IsLetter(text[at]) || IsDigit(text[at]));
}

// The first place where the word stands with no letter or digit right before or after it.
std::size_t FindWholeWord(std::string_view text, std::string_view word)
{
  for (std::size_t at = FindIgnoringCase(text, word); at != std::string_view::npos;
       at = FindIgnoringCase(text, word, at + 1)) {
    const bool startsWord = at == 0 || !IsWordChar(text, at - 1);
    if (startsWord && !IsWordChar(text, at + word.size()))
      return at;
  }
  return std::string_view::npos;
}

template <std::size_t N>
bool FindFirstName(std::string_view text, const std::array<std::string, N>& names, std::size_t& at, std::size_t& index)
{
  for (index = 0; index < N; ++index) {
    at = FindWholeWord(text, names[index]);
    if (at != std::string_view::npos)
      return true;
  }
  return false;
}

std::string_view TrimmedBy(std::string_view text, bool (*drop)(char))
{
  while (!text.empty() && drop(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && drop(text.back()))
    text.remove_suffix(1);
  return text;
}

bool IsBlankOrComma(char c) { return IsBlank(c) || c == ','; }

// Days from 1 March of year 0 of the proleptic Gregorian calendar, shifted to 1 January 1970 = 0.
long long DaysFromCivil(long long y, int m, int d)
{
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

long long YearFromDays(long long z)
{
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  return yoe + era * 400 + (mp >= 10 ? 1 : 0);
}

const long long kDayZero = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m)
{
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

struct TimeOfDay {
  int Hour = 0, Minute = 0, Second = 0, Msec = 0;
};

// Reads a date-time text left to right; every step answers false when the text doesn't fit.
class Scanner {
 public:
  Scanner(std::string_view text, const TtsDateFormat& format) : text_(text), format_(format) {}

  std::size_t Position() const { return pos_; }
  void MoveTo(std::size_t pos) { pos_ = pos; }

  bool AtEnd()
  {
    SkipBlanks();
    return pos_ == text_.size();
  }

  // A run of at most nine digits, and how many there were.
  bool Number(int& value, int& digits)
  {
    SkipBlanks();
    digits = 0;
    value = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      if (++digits > kMaxNumberDigits)
        return false;
      value = value * 10 + (text_[pos_++] - '0');
    }
    return digits > 0;
  }

  bool Char(char c)
  {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  // Between the numbers of a date: blanks, or the date separator, a comma or a dash among blanks.
  bool DateSeparator()
  {
    const std::size_t start = pos_;
    SkipBlanks();
    if (pos_ < text_.size() && (text_[pos_] == format_.DateSeparator || text_[pos_] == ',' || text_[pos_] == '-'))
      ++pos_;
    return pos_ > start;
  }

  // A date separator that ends the date ("15.3." or "15.3. 10:30").
  void TrailingDateSeparator()
  {
    const std::size_t start = pos_;
    if (!Char(format_.DateSeparator) || (!AtEnd() && !AtTimeStart()))
      pos_ = start;
  }

  // Digits right before the time separator.
  bool AtTimeStart()
  {
    SkipBlanks();
    std::size_t i = pos_;
    while (i < text_.size() && IsDigit(text_[i]))
      ++i;
    return i > pos_ && i < text_.size() && text_[i] == format_.TimeSeparator;
  }

  // The AM or PM text (the system's, or "AM"/"PM", "A"/"P") as a whole word: 1 for AM, 2 for PM.
  int AmPm()
  {
    SkipBlanks();
    const std::string_view candidates[] = {format_.TimeAMString, format_.TimePMString, "AM", "PM", "A", "P"};
    for (std::size_t k = 0; k < std::size(candidates); ++k) {
      const std::string_view word = candidates[k];
      if (word.empty() || !EqualIgnoringCase(text_, pos_, word) || IsWordChar(text_, pos_ + word.size()))
        continue;
      pos_ += word.size();
      return k % 2 == 0 ? 1 : 2;
    }
    return 0;
  }

  bool Time(TimeOfDay& time)
  {
    int half = AmPm();
    int digits = 0;
    if (!Number(time.Hour, digits))
      return false;
    bool hasMinutes = false;
    if (Char(format_.TimeSeparator)) {
      if (!Number(time.Minute, digits))
        return false;
      hasMinutes = true;
      if (Char(format_.TimeSeparator)) {
        if (!Number(time.Second, digits))
          return false;
        if (Char('.') && !Fraction(time.Msec))
          return false;
      }
    }
    if (half == 0)
      half = AmPm();
    if (!hasMinutes && half == 0)
      return false;  // a bare number is no time
    if (time.Minute > 59 || time.Second > 59)
      return false;
    if (half == 0)
      return time.Hour <= 23;
    if (time.Hour > 12)
      return false;
    time.Hour = time.Hour % 12 + (half == 2 ? 12 : 0);
    return true;
  }

 private:
  void SkipBlanks()
  {
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
      ++pos_;
  }

  // Milliseconds from the digits after the decimal point (those past the third are dropped).
  bool Fraction(int& msec)
  {
    int scale = 100;
    const std::size_t start = pos_;
    msec = 0;
    for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_, scale /= 10)
      msec += (text_[pos_] - '0') * scale;
    return pos_ > start;
  }

  std::string_view text_;
  const TtsDateFormat& format_;
  std::size_t pos_ = 0;
};

struct DateParts {
  int Year = 0, Month = 0, Day = 0;
};

bool ReadDate(Scanner& scanner, TtsDateOrder order, int currentYear, DateParts& date)
{
  int n[3] = {};
  int digits[3] = {};
  if (!scanner.Number(n[0], digits[0]) || !scanner.DateSeparator() || !scanner.Number(n[1], digits[1]))
    return false;
  const std::size_t afterTwo = scanner.Position();
  int count = 2;
  if (scanner.DateSeparator() && !scanner.AtTimeStart() && scanner.Number(n[2], digits[2]))
    count = 3;
  else
    scanner.MoveTo(afterTwo);
  scanner.TrailingDateSeparator();
  if (digits[0] > 2)
    order = doYMD;  // a long first number is the year, as in 2024-03-15
  int yearDigits = 4;
  if (count == 2) {
    date.Year = currentYear;
    date.Month = order == doDMY ? n[1] : n[0];
    date.Day = order == doDMY ? n[0] : n[1];
  } else if (order == doYMD) {
    date = {n[0], n[1], n[2]};
    yearDigits = digits[0];
  } else {
    date = order == doMDY ? DateParts{n[2], n[0], n[1]} : DateParts{n[2], n[1], n[0]};
    yearDigits = digits[2];
  }
  if (yearDigits > 4)
    return false;
  if (yearDigits <= 2)
    date.Year += currentYear / 100 * 100;
  return true;
}

}  // namespace

TtsDateOrder DateOrder(const TtsDateFormat& format)
{
  for (char c : format.ShortDateFormat) {
    switch (c) {
      case 'D': case 'd':
        return doDMY;
      case 'E': case 'e': case 'Y': case 'y':
        return doYMD;
      case 'M': case 'm':
        return doMDY;
      default:
        break;
    }
  }
  return doMDY;
}

std::string BuildDateFormat(bool fourDigitYear, const TtsDateFormat& format)
{
  const std::string_view shortFormat = format.ShortDateFormat;
  const std::string day = FindIgnoringCase(shortFormat, "DD") != std::string_view::npos ? "DD" : "D";
  const std::string month = FindIgnoringCase(shortFormat, "MM") != std::string_view::npos ? "MM" : "M";
  const bool longYear = fourDigitYear || FindIgnoringCase(shortFormat, "YYY") != std::string_view::npos;
  const std::string year = longYear ? "YYYY" : "YY";
  const std::string separator(1, format.DateSeparator);
  switch (DateOrder(format)) {
    case doYMD:
      return year + separator + month + separator + day;
    case doDMY:
      return day + separator + month + separator + year;
    case doMDY:
      break;
  }
  return month + separator + day + separator + year;
}

std::string ExpandYearFormat(const std::string& dateFormat)
{
  const std::size_t at = FindIgnoringCase(dateFormat, "YY");
  if (at == std::string::npos || (at + 2 < dateFormat.size() && LowerLatin1(dateFormat[at + 2]) == 'y'))
    return dateFormat;
  std::string result = dateFormat;
  result.insert(at + 2, "yy");
  return result;
}

std::string RemoveAmPm(const std::string& timeFormat)
{
  std::string result = timeFormat;
  for (std::string_view marker : {"am/pm", "a/p", "ampm"}) {
    const std::size_t at = FindIgnoringCase(result, marker);
    if (at != std::string::npos) {
      result.erase(at, marker.size());
      break;
    }
  }
  return std::string(TrimmedBy(result, IsBlank));
}

bool HasAmPm(const TtsDateFormat& format) { return !format.TimeAMString.empty() || !format.TimePMString.empty(); }

std::string ReplaceMonthName(const std::string& text, const TtsDateFormat& format)
{
  std::size_t at = 0;
  std::size_t month = 0;
  for (const auto* names : {&format.LongMonthNames, &format.ShortMonthNames}) {
    if (FindFirstName(text, *names, at, month)) {
      std::string result = text;
      result.replace(at, (*names)[month].size(), std::to_string(month + 1));
      return result;
    }
  }
  return text;
}

std::string RemoveDayName(const std::string& text, const TtsDateFormat& format)
{
  std::size_t at = 0;
  std::size_t day = 0;
  for (const auto* names : {&format.LongDayNames, &format.ShortDayNames}) {
    if (FindFirstName(text, *names, at, day)) {
      std::string result = text;
      result.erase(at, (*names)[day].size());
      return result;
    }
  }
  return text;
}

std::string YearDigits(std::string_view text, const TtsDateFormat& format)
{
  const int run = DateOrder(format) == doYMD ? 1 : 3;
  std::size_t i = 0;
  for (int k = 1; i < text.size(); ++k) {
    while (i < text.size() && !IsDigit(text[i]))
      ++i;
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
      ++i;
    if (k == run)
      return std::string(text.substr(start, i - start));
  }
  return {};
}

std::optional<double> EncodeDate(int year, int month, int day)
{
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return double(DaysFromCivil(year, month, day) - kDayZero);
}

std::optional<double> EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
  const std::optional<double> date = EncodeDate(year, month, day);
  if (!date || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
      msec > 999)
    return std::nullopt;
  const double time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / 86400000.0;
  return *date < 0 ? *date - time : *date + time;
}

int YearOf(double dateTime)
{
  if (!std::isfinite(dateTime) || std::fabs(dateTime) > kLastDay * 2)
    return 0;
  return int(YearFromDays(static_cast<long long>(std::trunc(dateTime)) + kDayZero));
}

double NowDateTime()
{
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        std::min(local.tm_sec, 59), 0)
      .value_or(0);
}

std::optional<double> TextToDateTime(std::string_view text, const TtsDateFormat& format, int currentYear)
{
  const std::string_view trimmed = TrimmedBy(text, IsBlank);
  if (trimmed.empty())
    return std::nullopt;
  std::size_t leading = 0;
  while (leading < trimmed.size() && IsDigit(trimmed[leading]))
    ++leading;
  if (leading == trimmed.size()) {
    if (leading > 7)
      return std::nullopt;
    const double days = std::stod(std::string(trimmed));
    return days <= kLastDay ? std::optional<double>(days) : std::nullopt;
  }
  if (leading > 0 && trimmed[leading] == format.TimeSeparator) {
    Scanner scanner(trimmed, format);
    TimeOfDay time;
    if (!scanner.Time(time) || !scanner.AtEnd())
      return std::nullopt;
    return EncodeDateTime(1899, 12, 30, time.Hour, time.Minute, time.Second, time.Msec);
  }
  const std::string named = RemoveDayName(ReplaceMonthName(std::string(trimmed), format), format);
  const std::string_view dateText = TrimmedBy(named, IsBlankOrComma);
  Scanner scanner(dateText, format);
  DateParts date;
  TimeOfDay time;
  if (!ReadDate(scanner, DateOrder(format), currentYear, date))
    return std::nullopt;
  if (!scanner.AtEnd() && (!scanner.Time(time) || !scanner.AtEnd()))
    return std::nullopt;
  if (date.Year / 100 == currentYear / 100) {
    const std::string typed = YearDigits(dateText, format);
    if (typed.size() > 2)
      date.Year = std::stoi(typed.substr(0, 4));
  }
  return EncodeDateTime(date.Year, date.Month, date.Day, time.Hour, time.Minute, time.Second, time.Msec);
}

double ValueToDateTime(const TtsCellValue& value, const TtsDateFormat& format, double now)
{
  switch (value.Type()) {
    case TVarType::varString: {
      if (TrimmedBy(value.Text(), IsBlank).empty())
        return now;
      return TextToDateTime(value.Text(), format, YearOf(now)).value_or(now);
    }
    case TVarType::varDouble:
    case TVarType::varDate:
      return value.AsDouble();
    default:
      return now;
  }
}

}  // namespace grid
