#include "chart/support/DatePicture.h"

#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace chart {

namespace {
constexpr double kFirstDay = -693593.0;  // 1 January of year 1
constexpr double kPastLastDay = 2958466.0;  // 1 January 10000
constexpr long long kMsPerDay = 86400000;

bool InRange(TDateTime value) { return value >= kFirstDay && value < kPastLastDay; }

// The calendar day and the time of day, the time rounded to the millisecond.
QDateTime ToQDateTime(TDateTime value)
{
  double day = std::trunc(value);
  long long ms = std::llround(std::fabs(value - day) * double(kMsPerDay));
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    day += value < 0 ? -1 : 1;
  }
  const TCivilDate d = DecodeDate(day);
  return QDateTime(QDate(d.Year, d.Month, d.Day), QTime::fromMSecsSinceStartOfDay(int(ms)), Qt::UTC);
}

// Counts the run of ch (either case) from i.
qsizetype RunLength(const QString& text, qsizetype i, QChar ch)
{
  qsizetype n = 0;
  while (i + n < text.size() && text[i + n].toLower() == ch)
    ++n;
  return n;
}

bool StartsWithAt(const QString& text, qsizetype i, const char* word)
{
  return text.mid(i, qsizetype(qstrlen(word))).compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool HasHalfDay(const QString& picture)
{
  return picture.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) ||
         picture.contains(QLatin1String("a/p"), Qt::CaseInsensitive) ||
         picture.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
}

QString Two(int n) { return QString::number(n).rightJustified(2, u'0'); }
}  // namespace

QString FormatDateTimeLocale(const QString& localeFormat, TDateTime value)
{
  if (!InRange(value))
    return {};
  return QLocale::system().toString(ToQDateTime(value), localeFormat);
}

QString FormatDateTimePicture(const QString& picture, TDateTime value)
{
  if (!InRange(value))
    return {};
  const QLocale locale = QLocale::system();
  const QDateTime when = ToQDateTime(value);
  const QDate date = when.date();
  const QTime time = when.time();
  const bool twelveHours = HasHalfDay(picture);
  QString out;
  bool afterHour = false;  // an m right after an hour means minutes
  for (qsizetype i = 0; i < picture.size();) {
    const QChar c = picture[i];
    const QChar lower = c.toLower();
    if (c == u'\'' || c == u'"') {
      const qsizetype end = picture.indexOf(c, i + 1);
      out += picture.mid(i + 1, (end < 0 ? picture.size() : end) - i - 1);
      i = end < 0 ? picture.size() : end + 1;
      continue;
    }
    if (StartsWithAt(picture, i, "ampm")) {
      out += time.hour() < 12 ? locale.amText() : locale.pmText();
      i += 4;
      continue;
    }
    // am/pm and a/p take the case of their first letter.
    const int halfLength = StartsWithAt(picture, i, "am/pm") ? 5 : StartsWithAt(picture, i, "a/p") ? 3 : 0;
    if (halfLength > 0) {
      QString half = time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
      half.truncate(halfLength == 5 ? 2 : 1);
      out += c.isUpper() ? half.toUpper() : half;
      i += halfLength;
      continue;
    }
    const qsizetype run = RunLength(picture, i, lower);
    const char letter = lower.toLatin1();
    switch (letter) {
    case 'd':
      if (run >= 6) out += locale.toString(date, QLocale::LongFormat);
      else if (run == 5) out += locale.toString(date, QLocale::ShortFormat);
      else if (run == 4) out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
      else if (run == 3) out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
      else out += run == 2 ? Two(date.day()) : QString::number(date.day());
      break;
    case 'm':
      if (afterHour && run <= 2) out += run == 2 ? Two(time.minute()) : QString::number(time.minute());
      else if (run >= 4) out += locale.monthName(date.month(), QLocale::LongFormat);
      else if (run == 3) out += locale.monthName(date.month(), QLocale::ShortFormat);
      else out += run == 2 ? Two(date.month()) : QString::number(date.month());
      break;
    case 'y':
      out += run <= 2 ? Two(date.year() % 100) : QString::number(date.year()).rightJustified(4, u'0');
      break;
    case 'h': {
      int hour = time.hour();
      if (twelveHours) hour = hour % 12 == 0 ? 12 : hour % 12;
      out += run >= 2 ? Two(hour) : QString::number(hour);
      break;
    }
    case 'n': out += run >= 2 ? Two(time.minute()) : QString::number(time.minute()); break;
    case 's': out += run >= 2 ? Two(time.second()) : QString::number(time.second()); break;
    case 'z':
      out += run >= 3 ? QString::number(time.msec()).rightJustified(3, u'0') : QString::number(time.msec());
      break;
    case 't': out += locale.toString(time, run >= 2 ? QLocale::LongFormat : QLocale::ShortFormat); break;
    case 'c':
      out += locale.toString(date, QLocale::ShortFormat);
      if (time.msecsSinceStartOfDay() != 0)
        out += u' ' + locale.toString(time, QLocale::LongFormat);
      break;
    default: out += c; i += 1; continue;
    }
    afterHour = letter == 'h';
    i += (letter == 'y' || letter == 'd' || letter == 'm' || letter == 'z' || letter == 'c') ? run : std::min<qsizetype>(run, 2);
  }
  return out;
}

}  // namespace chart
