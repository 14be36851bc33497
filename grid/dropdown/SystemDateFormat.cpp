#include "grid/dropdown/SystemDateFormat.h"

#include <QLocale>
#include <QString>

namespace grid {

namespace {

// Empty when the text has characters outside Latin-1, so that no mangled name is ever matched.
std::string Latin1OrEmpty(const QString& text)
{
  for (QChar c : text)
    if (c.unicode() > 0xFF)
      return {};
  return text.toLatin1().toStdString();
}

// The first character of the format that is neither a letter nor a blank, or the fallback.
char FirstSeparator(const QString& format, char fallback)
{
  for (QChar c : format)
    if (!c.isLetter() && !c.isSpace() && c.unicode() < 0x80 && c != QLatin1Char('\''))
      return char(c.unicode());
  return fallback;
}

// Literal text in the pattern's quotes; a blank of any width is a plain blank.
void AddLiteral(std::string& pattern, QChar c)
{
  if (c.isSpace()) {
    pattern += ' ';
    return;
  }
  if (c.unicode() > 0xFF)
    return;
  if (c.isLetter()) {
    if (!pattern.empty() && pattern.back() == '"')  // joins the quoted text just before
      pattern.pop_back();
    else
      pattern += '"';
    pattern += char(c.unicode());
    pattern += '"';
  } else
    pattern += char(c.unicode());
}

// Blanks run together into one, none at either end, and a separator left before nothing dropped.
std::string Tidy(const std::string& pattern)
{
  std::string out;
  for (const char c : pattern) {
    if (c == ' ' && (out.empty() || out.back() == ' '))
      continue;
    out += c;
  }
  while (!out.empty() && (out.back() == ' ' || out.back() == '.' || out.back() == ','))
    out.pop_back();
  return out;
}

}  // namespace

std::string TimeFormatPattern(const QString& format)
{
  std::string pattern;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    qsizetype n = 1;
    while (i + n < format.size() && format[i + n] == c)
      ++n;
    const std::size_t width = n >= 2 ? 2 : 1;
    switch (c.unicode()) {
      case 'h':
      case 'H':
        pattern.append(width, 'h');
        break;
      case 'm':
        pattern.append(width, 'n');
        break;
      case 's':
        pattern.append(width, 's');
        break;
      case 'z':  // fractions of a second go with the separator before them
        if (!pattern.empty() && (pattern.back() == '.' || pattern.back() == ','))
          pattern.pop_back();
        break;
      case 't':  // the time zone
        break;
      case 'A':
      case 'a':
        pattern += "am/pm";
        n = 1;
        if (i + 1 < format.size() && (format[i + 1] == QLatin1Char('P') || format[i + 1] == QLatin1Char('p')))
          n = 2;
        break;
      case '\'': {
        if (n >= 2 && n % 2 == 0) {  // doubled quotes are quotes
          pattern.append(std::size_t(n / 2), '\'');
          break;
        }
        const qsizetype end = format.indexOf(QLatin1Char('\''), i + 1);
        const qsizetype last = end < 0 ? format.size() : end;
        for (qsizetype k = i + 1; k < last; ++k)
          AddLiteral(pattern, format[k]);
        n = last - i + (end < 0 ? 0 : 1);
        break;
      }
      default:
        for (qsizetype k = 0; k < n; ++k)
          AddLiteral(pattern, c);
        break;
    }
    i += n;
  }
  return Tidy(pattern);
}

TtsDateFormat SystemDateFormat()
{
  const QLocale locale = QLocale::system();
  TtsDateFormat format;
  const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
  const std::string shortDate8 = Latin1OrEmpty(shortDate);
  if (!shortDate8.empty())
    format.ShortDateFormat = shortDate8;
  format.DateSeparator = FirstSeparator(shortDate, '/');
  format.TimeSeparator = FirstSeparator(locale.timeFormat(QLocale::ShortFormat), ':');
  if (const std::string longTime = TimeFormatPattern(locale.timeFormat(QLocale::LongFormat)); !longTime.empty())
    format.LongTimeFormat = longTime;
  format.TimeAMString = Latin1OrEmpty(locale.amText());
  format.TimePMString = Latin1OrEmpty(locale.pmText());
  for (int m = 0; m < 12; ++m) {
    format.LongMonthNames[std::size_t(m)] = Latin1OrEmpty(locale.monthName(m + 1, QLocale::LongFormat));
    format.ShortMonthNames[std::size_t(m)] = Latin1OrEmpty(locale.monthName(m + 1, QLocale::ShortFormat));
  }
  for (int d = 0; d < 7; ++d) {
    const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday as 1 and Sunday as 7
    format.LongDayNames[std::size_t(d)] = Latin1OrEmpty(locale.dayName(qtDay, QLocale::LongFormat));
    format.ShortDayNames[std::size_t(d)] = Latin1OrEmpty(locale.dayName(qtDay, QLocale::ShortFormat));
  }
  return format;
}

}  // namespace grid
