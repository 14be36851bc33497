#include "chart/model/FloatFormat.h"

#include <QStringList>

#include <cmath>
#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace chart {
namespace {

constexpr int kMaxDecimals = 40;

QStringList SplitSections(const QString& picture)
{
  QStringList sections;
  QString current;
  QChar quote;
  for (const QChar c : picture) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u';') {
      sections.push_back(current);
      current.clear();
      continue;
    }
    current += c;
  }
  sections.push_back(current);
  return sections;
}

struct TPicture {
  int intZeros = 0;       // '0' before the point
  int fracZeros = 0;      // '0' after it
  int fracDigits = 0;     // '0' and '#' after it
  bool thousands = false;
  bool hasDigits = false;
};

TPicture Scan(const QString& section)
{
  TPicture p;
  bool afterPoint = false;
  QChar quote;
  for (const QChar c : section) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      continue;
    }
    if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u'0' || c == u'#') {
      p.hasDigits = true;
      if (afterPoint) {
        ++p.fracDigits;
        if (c == u'0') p.fracZeros = p.fracDigits;
      } else if (c == u'0') {
        ++p.intZeros;
      }
    } else if (c == u'.') {
      afterPoint = true;
    } else if (c == u',' && !afterPoint) {
      p.thousands = true;
    }
  }
  return p;
}

// The shortest decimal text of the magnitude, rounded half away from zero to at most decimals
// places: 0.125 to two places gives 0.13.
void RoundedDigits(double magnitude, int decimals, std::string& intDigits, std::string& fracDigits)
{
  // The largest double has 309 integer digits.
  std::array<char, 400> buffer{};
  const auto done = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed);
  const std::string text(buffer.data(), done.ptr);
  const auto point = text.find('.');
  intDigits = text.substr(0, point);
  fracDigits = point == std::string::npos ? std::string() : text.substr(point + 1);
  if (int(fracDigits.size()) <= decimals) return;
  const bool up = fracDigits[std::size_t(decimals)] >= '5';
  fracDigits.resize(std::size_t(decimals));
  if (!up) return;
  std::string digits = intDigits + fracDigits;
  int i = int(digits.size()) - 1;
  for (; i >= 0 && digits[std::size_t(i)] == '9'; --i) digits[std::size_t(i)] = '0';
  if (i >= 0)
    ++digits[std::size_t(i)];
  else
    digits.insert(digits.begin(), '1');
  intDigits = digits.substr(0, digits.size() - std::size_t(decimals));
  fracDigits = digits.substr(digits.size() - std::size_t(decimals));
}

// The magnitude's integer and fraction digits as the picture shows them.
void Digits(double magnitude, const TPicture& p, QString& intPart, QString& fracPart)
{
  std::string intDigits, fracDigits;
  RoundedDigits(magnitude, std::min(p.fracDigits, kMaxDecimals), intDigits, fracDigits);
  intPart = QString::fromLatin1(intDigits);
  fracPart = QString::fromLatin1(fracDigits);
  while (fracPart.size() > p.fracZeros && fracPart.endsWith(u'0')) fracPart.chop(1);
  while (fracPart.size() < p.fracZeros) fracPart += u'0';
  if (intPart == u"0" && p.intZeros == 0) intPart.clear();
  while (intPart.size() < p.intZeros) intPart.prepend(u'0');
}

QString Group(const QString& digits, QChar separator)
{
  QString out;
  const qsizetype n = digits.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

QString Apply(const QString& section, double magnitude, bool negative, TNumberSeparators seps)
{
  const TPicture p = Scan(section);
  QString intPart, fracPart;
  Digits(magnitude, p, intPart, fracPart);
  if (p.thousands) intPart = Group(intPart, seps.Thousands);
  const bool isZero = (intPart.isEmpty() || intPart.count(u'0') == intPart.size()) && fracPart.count(u'0') == fracPart.size();

  QString out;
  if (negative && !isZero && p.hasDigits) out += u'-';
  bool numberWritten = false;
  bool afterPoint = false;
  QChar quote;
  for (const QChar c : section) {
    if (!quote.isNull()) {
      if (c == quote)
        quote = QChar();
      else
        out += c;
      continue;
    }
    if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u'0' || c == u'#' || (c == u',' && !afterPoint)) {
      if (!numberWritten) {
        out += intPart;
        numberWritten = true;
      }
    } else if (c == u'.' && !afterPoint) {
      afterPoint = true;
      if (!numberWritten) {
        out += intPart;
        numberWritten = true;
      }
      if (!fracPart.isEmpty()) out += seps.Decimal + fracPart;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

QString FormatFloat(const QString& picture, double value, TNumberSeparators separators)
{
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (picture.isEmpty()) {
    QString text = QString::number(value, 'g', 15);
    return text.replace(u'.', separators.Decimal);
  }
  const QStringList sections = SplitSections(picture);
  if (value < 0 && sections.size() > 1 && !sections[1].isEmpty()) return Apply(sections[1], -value, false, separators);
  if (value == 0 && sections.size() > 2 && !sections[2].isEmpty()) return Apply(sections[2], 0, false, separators);
  return Apply(sections[0], std::fabs(value), value < 0, separators);
}

}  // namespace chart
