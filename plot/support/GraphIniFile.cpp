#include "plot/support/GraphIniFile.h"

#include "platform/IniFile.h"

#include <QLocale>

namespace plot {

namespace {

// The system's short date form with the year in full, so that a date reads back as written.
QString DateFormat()
{
  QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy")))
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

QString TimeFormat(const QTime& time)
{
  return time.msec() == 0 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm:ss.zzz");
}

QDate TextToDate(const QString& text)
{
  const QDate date = QLocale::system().toDate(text, DateFormat());
  return date.isValid() ? date : QDate::fromString(text, Qt::ISODate);
}

QTime TextToTime(const QString& text)
{
  for (const QString& format : {QStringLiteral("HH:mm:ss.zzz"), QStringLiteral("HH:mm:ss"), QStringLiteral("HH:mm")})
    if (const QTime time = QTime::fromString(text, format); time.isValid())
      return time;
  return {};
}

QDateTime TextToDateTime(const QString& text)
{
  if (const QDate date = TextToDate(text); date.isValid())
    return QDateTime(date, QTime(0, 0));
  // The time has no blank; a date may have some.
  const int blank = int(text.lastIndexOf(QLatin1Char(' ')));
  if (blank < 0)
    return {};
  const QDate date = TextToDate(text.left(blank));
  const QTime time = TextToTime(text.mid(blank + 1));
  return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

}  // namespace

int TCustomGraphIniFile::ReadInteger(const QString& section, const QString& ident, int defaultValue) const
{
  const QString text = ReadString(section, ident, QString());
  return platform::TIniFile::TextToInteger(text).value_or(defaultValue);
}

void TCustomGraphIniFile::WriteInteger(const QString& section, const QString& ident, int value)
{
  WriteString(section, ident, QString::number(value));
}

bool TCustomGraphIniFile::ReadBool(const QString& section, const QString& ident, bool defaultValue) const
{
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomGraphIniFile::WriteBool(const QString& section, const QString& ident, bool value)
{
  WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QDate TCustomGraphIniFile::ReadDate(const QString& section, const QString& ident, const QDate& defaultValue) const
{
  const QDate date = TextToDate(ReadString(section, ident, QString()));
  return date.isValid() ? date : defaultValue;
}

QDateTime TCustomGraphIniFile::ReadDateTime(const QString& section, const QString& ident,
                                            const QDateTime& defaultValue) const
{
  const QDateTime dateTime = TextToDateTime(ReadString(section, ident, QString()));
  return dateTime.isValid() ? dateTime : defaultValue;
}

double TCustomGraphIniFile::ReadFloat(const QString& section, const QString& ident, double defaultValue) const
{
  return platform::TIniFile::TextToFloat(ReadString(section, ident, QString())).value_or(defaultValue);
}

QTime TCustomGraphIniFile::ReadTime(const QString& section, const QString& ident, const QTime& defaultValue) const
{
  const QTime time = TextToTime(ReadString(section, ident, QString()));
  return time.isValid() ? time : defaultValue;
}

void TCustomGraphIniFile::WriteDate(const QString& section, const QString& ident, const QDate& value)
{
  WriteString(section, ident, QLocale::system().toString(value, DateFormat()));
}

void TCustomGraphIniFile::WriteDateTime(const QString& section, const QString& ident, const QDateTime& value)
{
  WriteString(section, ident,
              QLocale::system().toString(value.date(), DateFormat()) + QLatin1Char(' ') +
                  value.time().toString(TimeFormat(value.time())));
}

void TCustomGraphIniFile::WriteFloat(const QString& section, const QString& ident, double value)
{
  WriteString(section, ident, platform::TIniFile::FloatToText(value));
}

void TCustomGraphIniFile::WriteTime(const QString& section, const QString& ident, const QTime& value)
{
  WriteString(section, ident, value.toString(TimeFormat(value)));
}

}  // namespace plot
