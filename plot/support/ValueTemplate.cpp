#include "plot/support/ValueTemplate.h"

#include "plot/support/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace plot {

namespace {

constexpr int kMaxPrecision = 18;

struct TConversion {
  bool leftJustify = false;
  int width = 0;
  int precision = -1;  // none given
  char type = 0;
};

QString Chars(double value, std::chars_format format, int precision)
{
  std::array<char, 512> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  return QString::fromLatin1(buffer.data(), int(result.ptr - buffer.data()));
}

QString WithThousands(const QString& fixed)
{
  const int point = int(fixed.indexOf(QLatin1Char('.')));
  const int start = fixed.startsWith(QLatin1Char('-')) ? 1 : 0;
  QString text = fixed;
  for (int i = (point < 0 ? int(fixed.size()) : point) - 3; i > start; i -= 3)
    text.insert(i, QLatin1Char(','));
  return text;
}

// d.ddd with precision digits in all, "E", the exponent's sign and at least three digits.
QString Scientific(double value, int precision)
{
  const QString text = Chars(value, std::chars_format::scientific, precision - 1);
  const int e = int(text.indexOf(QLatin1Char('e')));
  const int exponent = text.mid(e + 1).toInt();
  return text.left(e) + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
         QString::number(std::abs(exponent)).rightJustified(3, QLatin1Char('0'));
}

QString Convert(const TConversion& c, double value)
{
  if (std::isnan(value))
    return QStringLiteral("NAN");
  if (std::isinf(value))
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  switch (c.type) {
  case 'f':
    return Chars(value, std::chars_format::fixed, c.precision < 0 ? 2 : std::min(c.precision, kMaxPrecision));
  case 'n':
  case 'm':
    return WithThousands(
        Chars(value, std::chars_format::fixed, c.precision < 0 ? 2 : std::min(c.precision, kMaxPrecision)));
  case 'e':
    return Scientific(value, std::clamp(c.precision < 0 ? 15 : c.precision, 1, kMaxPrecision));
  default:
    return QString::fromLatin1(GeneralText(value, std::clamp(c.precision < 0 ? 15 : c.precision, 1, kMaxPrecision)));
  }
}

// Reads a run of digits at i; -1 when there is none.
int ReadNumber(const QString& s, int& i)
{
  int n = -1;
  while (i < int(s.size()) && s[i].isDigit() && s[i].unicode() < 128) {
    n = std::min((n < 0 ? 0 : n) * 10 + (s[i].unicode() - '0'), 9999);
    ++i;
  }
  return n;
}

}  // namespace

std::optional<QString> FormatValueTemplate(const QString& format, double value)
{
  QString out;
  int nextArgument = 0;
  const int n = int(format.size());
  for (int i = 0; i < n; ++i) {
    if (format[i] != QLatin1Char('%')) {
      out += format[i];
      continue;
    }
    if (++i >= n)
      return std::nullopt;
    if (format[i] == QLatin1Char('%')) {
      out += QLatin1Char('%');
      continue;
    }
    TConversion c;
    const int start = i;
    if (const int index = ReadNumber(format, i); i < n && format[i] == QLatin1Char(':')) {
      nextArgument = std::max(index, 0);
      ++i;
    } else {
      i = start;  // a width, read again below
    }
    if (i < n && format[i] == QLatin1Char('-')) {
      c.leftJustify = true;
      ++i;
    }
    c.width = std::max(ReadNumber(format, i), 0);
    if (i < n && format[i] == QLatin1Char('.')) {
      ++i;
      c.precision = std::max(ReadNumber(format, i), 0);
    }
    if (i >= n || nextArgument != 0)
      return std::nullopt;  // only the one value
    c.type = char(format[i].toLower().unicode());
    if (c.type != 'f' && c.type != 'e' && c.type != 'g' && c.type != 'n' && c.type != 'm')
      return std::nullopt;
    ++nextArgument;
    const QString text = Convert(c, value);
    out += c.leftJustify ? text.leftJustified(c.width) : text.rightJustified(c.width);
  }
  return out;
}

}  // namespace plot
