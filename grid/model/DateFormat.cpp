#include "grid/model/DateFormat.h"

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

}  // namespace

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
