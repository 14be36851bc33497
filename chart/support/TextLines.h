#pragma once
// Multi-line chart texts (lines end at a carriage return) and number texts between the standard
// format ("," thousands, "." decimals) and the locale's.

#include <QChar>
#include <QString>

namespace chart {

inline constexpr char16_t kLineSeparator = u'\r';

// Every occurrence of separator gets its first character replaced by the line separator.
void MarkLineBreaks(QString& text, const QString& separator);
// Line separators, plus one when text follows the last ("" has 0 lines, "a\r" has 1).
int CountTextLines(const QString& text);

struct TNumberSeparators {
  QChar Thousands = u',';
  QChar Decimal = u'.';
};
TNumberSeparators LocaleNumberSeparators();  // the system locale's

QString ToLocalNumberFormat(const QString& text, TNumberSeparators local = LocaleNumberSeparators());
QString ToStandardNumberFormat(const QString& text, TNumberSeparators local = LocaleNumberSeparators());

}  // namespace chart
