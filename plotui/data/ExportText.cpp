#include "plotui/data/ExportText.h"

#include "plotui/series/Series.h"

#include <cmath>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

namespace plotui {

namespace {

constexpr int kDigits = 9;

// The text's trailing zeros and a needless point removed.
void TrimZeros(std::string& digits)
{
  if (digits.find('.') == std::string::npos)
    return;
  while (!digits.empty() && digits.back() == '0')
    digits.pop_back();
  if (!digits.empty() && digits.back() == '.')
    digits.pop_back();
}

}  // namespace

QString ExportNumber(double value) { return GeneralNumber(value, kDigits); }

QString GeneralNumber(double value, int digits)
{
  if (std::isnan(value))
    return QStringLiteral("NAN");
  if (std::isinf(value))
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0)
    return QStringLiteral("0");
  // The decimal exponent after rounding to the digits kept decides the notation; the conversions
  // are the locale-free ones, so the decimal point is always ".".
  char buffer[400];
  const auto sci = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
  const std::string scientific(buffer, sci.ptr);
  const std::size_t e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  std::string text;
  if (exponent >= -5 && exponent < digits) {
    const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                     std::max(0, digits - 1 - exponent));
    text.assign(buffer, fixed.ptr);
    TrimZeros(text);
  } else {
    text = scientific.substr(0, e);
    TrimZeros(text);
    text += 'E';
    text += std::to_string(exponent);
  }
  return QString::fromLatin1(text);
}

QString PadAuto(const QString& text)
{
  const int n = int(text.size());
  const int length = n < 10 ? 30 - 2 * n : 16;
  return n < length ? text + QString(length - n, QLatin1Char(' ')) : text;
}

QString ExportSeparator(const TExportOptions& options)
{
  switch (options.Delimiter) {
  case TExportDelimiter::Comma:
    return QStringLiteral(",");
  case TExportDelimiter::Tab:
    return QStringLiteral("\t");
  case TExportDelimiter::Slash:
    return QStringLiteral("/");
  case TExportDelimiter::UserDefine:
    return options.UserText;
  case TExportDelimiter::Automatic:
  case TExportDelimiter::Space:
    break;
  }
  return QStringLiteral(" ");
}

bool BuildExportLines(const std::vector<TSeries*>& series, const TExportOptions& options,
                      const TExportSource& source, QStringList& lines)
{
  const QString separator = ExportSeparator(options);
  const bool automatic = options.Delimiter == TExportDelimiter::Automatic;
  auto pair = [&](const QString& first, const QString& second) {
    return (automatic ? PadAuto(first) : first) + separator + second;
  };
  const bool xFirst = options.XColumn == QLatin1String("1") && options.YColumn == QLatin1String("2");
  const bool yFirst = options.XColumn == QLatin1String("2") && options.YColumn == QLatin1String("1");
  for (TSeries* s : series) {
    if (options.Name)
      lines.append(s->Name);
    if (options.Title)
      lines.append(source.TitleLines);
    if (options.XAxis && options.YAxis) {
      if (!xFirst && !yFirst)
        return false;
      lines.append(xFirst ? pair(source.XAxisName, source.YAxisName) : pair(source.YAxisName, source.XAxisName));
    } else if (options.XAxis) {
      lines.append(source.XAxisName);
    } else if (options.YAxis) {
      lines.append(source.YAxisName);
    }
    if (xFirst || yFirst) {
      const int count = s->GetCount();
      lines.reserve(lines.size() + count);
      for (int i = 0; i < count; ++i) {
        const plot::TFloatPoint p = s->GetPoint(i);
        const QString x = ExportNumber(p.X), y = ExportNumber(p.Y);
        lines.append(xFirst ? pair(x, y) : pair(y, x));
      }
    }
    if (options.Foot)
      lines.append(source.FootLines);
    lines.append(QString());
  }
  return true;
}

QByteArray ExportBytes(const QStringList& lines)
{
  QString text;
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  for (const QChar c : text)
    if (c.unicode() > 0xFF)
      return text.toUtf8();
  return text.toLatin1();
}

}  // namespace plotui
