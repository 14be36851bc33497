#include "chart/support/NumberPicture.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace chart {

namespace {
constexpr double kGeneralAbove = 1e18;
constexpr int kMaxDecimals = 18;

bool IsDigitPlaceholder(QChar c) { return c == u'0' || c == u'#'; }

// One section of a picture, read once.
struct TPicture {
  QString Prefix;  // text before the first placeholder
  QString Suffix;  // text after it, in order
  int IntZeros = 0;
  bool Thousands = false;
  int DecZeros = 0;   // decimals always shown
  int DecPlaces = 0;  // decimals shown at most
  int IntPlaceholders = 0;
  bool Scientific = false;
  QChar ExpChar;
  bool ExpAlwaysSigned = false;
  int ExpDigits = 0;
};

QStringList SplitSections(const QString& picture)
{
  QStringList sections{QString()};
  QChar quote;
  for (const QChar c : picture) {
    if (!quote.isNull()) {
      if (c == quote)
        quote = QChar();
    } else if (c == u'\'' || c == u'"') {
      quote = c;
    } else if (c == u';') {
      sections.append(QString());
      continue;
    }
    sections.last().append(c);
  }
  return sections;
}

TPicture ReadPicture(const QString& section)
{
  TPicture p;
  bool seenPlaceholder = false;
  bool afterDecimal = false;
  auto literal = [&](const QString& text) { (seenPlaceholder ? p.Suffix : p.Prefix) += text; };
  for (qsizetype i = 0; i < section.size(); ++i) {
    const QChar c = section[i];
    if (c == u'\'' || c == u'"') {
      const qsizetype end = section.indexOf(c, i + 1);
      literal(section.mid(i + 1, (end < 0 ? section.size() : end) - i - 1));
      i = end < 0 ? section.size() : end;
    } else if (IsDigitPlaceholder(c) && !p.Scientific) {
      seenPlaceholder = true;
      if (afterDecimal) {
        ++p.DecPlaces;
        if (c == u'0')
          p.DecZeros = p.DecPlaces;
      } else {
        ++p.IntPlaceholders;
        if (c == u'0')
          ++p.IntZeros;
      }
    } else if (c == u'.' && !afterDecimal && !p.Scientific) {
      afterDecimal = true;
    } else if (c == u',' && !afterDecimal && !p.Scientific) {
      p.Thousands = true;
    } else if ((c == u'E' || c == u'e') && !p.Scientific && seenPlaceholder && i + 1 < section.size() &&
               (section[i + 1] == u'+' || section[i + 1] == u'-')) {
      p.Scientific = true;
      p.ExpChar = c;
      p.ExpAlwaysSigned = section[++i] == u'+';
      while (i + 1 < section.size() && section[i + 1] == u'0') {
        ++p.ExpDigits;
        ++i;
      }
    } else {
      literal(QString(c));
    }
  }
  return p;
}

QString GroupThousands(const QString& digits, QChar separator)
{
  QString grouped;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      grouped.append(separator);
    grouped.append(digits[i]);
  }
  return grouped;
}

QString TrimDecimals(QString decimals, int keep)
{
  while (decimals.size() > keep && decimals.endsWith(u'0'))
    decimals.chop(1);
  return decimals;
}

bool AllZero(const QString& digits)
{
  return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}

// The digits of magnitude by the picture, and whether they are all zero.
QString FormatMagnitude(const TPicture& p, double magnitude, TNumberSeparators separators, bool& zero)
{
  const int places = std::min(p.DecPlaces, kMaxDecimals);
  QString intPart;
  QString decimals;
  QString exponent;
  if (p.Scientific) {
    const int intDigits = std::max(1, p.IntPlaceholders);
    const QString text = QString::number(magnitude, 'e', intDigits - 1 + places);  // d.ddde+XX
    const qsizetype e = text.indexOf(u'e');
    const QString mantissa = QString(text.left(e)).remove(u'.');
    int power = text.mid(e + 1).toInt() - (intDigits - 1);
    if (magnitude == 0)
      power = 0;
    intPart = mantissa.left(intDigits);
    decimals = TrimDecimals(mantissa.mid(intDigits), p.DecZeros);
    QString powerDigits = QString::number(std::abs(power)).rightJustified(p.ExpDigits, u'0');
    exponent = QString(p.ExpChar) + (power < 0 ? "-" : p.ExpAlwaysSigned ? "+" : "") + powerDigits;
  } else {
    const QString text = QString::number(magnitude, 'f', places);
    const qsizetype dot = text.indexOf(u'.');
    intPart = dot < 0 ? text : text.left(dot);
    decimals = TrimDecimals(dot < 0 ? QString() : text.mid(dot + 1), p.DecZeros);
  }
  zero = AllZero(intPart) && AllZero(decimals);
  if (AllZero(intPart))
    intPart.clear();
  intPart = intPart.rightJustified(p.IntZeros, u'0');
  if (p.Thousands)
    intPart = GroupThousands(intPart, separators.Thousands);
  QString result = intPart;
  if (!decimals.isEmpty())
    result += separators.Decimal + decimals;
  return result + exponent;
}
}  // namespace

QString FormatFloatGeneral(double value, TNumberSeparators separators)
{
  if (std::isnan(value))
    return QStringLiteral("NAN");
  if (std::isinf(value))
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  QString text = QString::number(value, 'g', 15).toUpper();
  const qsizetype e = text.indexOf(u'E');
  if (e >= 0) {
    const int power = text.mid(e + 1).toInt();
    text = text.left(e) + u'E' + QString::number(power);
  }
  return text.replace(u'.', separators.Decimal);
}

QString FormatFloatPicture(const QString& picture, double value, TNumberSeparators separators)
{
  if (picture.isEmpty() || !std::isfinite(value))
    return FormatFloatGeneral(value, separators);
  const QStringList sections = SplitSections(picture);
  const bool ownNegative = value < 0 && sections.size() >= 2 && !sections[1].isEmpty();
  TPicture p = ReadPicture(sections[ownNegative ? 1 : 0]);
  const double magnitude = std::fabs(value);
  if (magnitude >= kGeneralAbove && !p.Scientific)
    return FormatFloatGeneral(value, separators);
  bool zero = false;
  QString digits = FormatMagnitude(p, magnitude, separators, zero);
  if (zero && sections.size() >= 3 && !sections[2].isEmpty()) {
    p = ReadPicture(sections[2]);
    digits = FormatMagnitude(p, 0, separators, zero);
    return p.Prefix + digits + p.Suffix;
  }
  const bool minus = value < 0 && !ownNegative && !zero;
  return (minus ? QStringLiteral("-") : QString()) + p.Prefix + digits + p.Suffix;
}

}  // namespace chart
