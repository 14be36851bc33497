#include "chart/support/TextLines.h"

#include <QLocale>

namespace chart {

void MarkLineBreaks(QString& text, const QString& separator)
{
  // A separator starting with the line separator is already marked (and would never run out).
  if (separator.isEmpty() || separator[0] == QChar(kLineSeparator))
    return;
  // Each pass turns one other character into a line separator, so the loop ends.
  for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator))
    text[at] = QChar(kLineSeparator);
}

int CountTextLines(const QString& text)
{
  const int separators = int(text.count(QChar(kLineSeparator)));
  const bool textAfterLast = !text.isEmpty() && text.back() != QChar(kLineSeparator);
  return separators + (textAfterLast ? 1 : 0);
}

TNumberSeparators LocaleNumberSeparators()
{
  const QLocale locale = QLocale::system();
  const QString group = locale.groupSeparator();
  const QString decimal = locale.decimalPoint();
  return {group.isEmpty() ? QChar(u',') : group[0], decimal.isEmpty() ? QChar(u'.') : decimal[0]};
}

namespace {
// Both separators swapped in one pass, so a separator that is the other's standard sign is not
// changed twice.
QString Swap(const QString& text, QChar fromThousands, QChar fromDecimal, QChar toThousands, QChar toDecimal)
{
  QString out = text;
  for (QChar& c : out) {
    if (c == fromThousands)
      c = toThousands;
    else if (c == fromDecimal)
      c = toDecimal;
  }
  return out;
}
}  // namespace

QString ToLocalNumberFormat(const QString& text, TNumberSeparators local)
{
  return Swap(text, u',', u'.', local.Thousands, local.Decimal);
}

QString ToStandardNumberFormat(const QString& text, TNumberSeparators local)
{
  return Swap(text, local.Thousands, local.Decimal, u',', u'.');
}

}  // namespace chart
