#include "app/Assistant.h"

#include "engine/ComplexFunctionTable.h"
#include "engine/FunctionHints.h"
#include "engine/FunctionTable.h"

namespace app {

namespace {

constexpr int kConstantE = 30;

bool InBackwardSet(QChar c)
{
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || u == u'C' || u == u'I' || u == u'J' || u == u'K' || u == u'S' ||
         u == u'Y' || u == u'_';
}

bool InForwardSet(QChar c)
{
  return c == QLatin1Char('(') || InBackwardSet(c);
}

QString FromView(std::string_view text)
{
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

QString GetWordAtCaret(const QString& text, int position)
{
  const int length = int(text.size());
  if (length == 0)
    return {};
  // The caret index read as a 1-based character index: the character just before the caret.
  auto inSet = [&](int p) { return p >= 1 && p <= length && InForwardSet(text[p - 1]); };
  int p = std::clamp(position, 0, length);
  if (!inSet(p)) {
    if (p < length)
      ++p;
    if (!inSet(p)) {
      if (p <= 2)
        return {};
      p -= 2;
      if (!inSet(p))
        return {};
    }
  }
  int first = p;
  int last = p;
  if (text[p - 1] != QLatin1Char('(')) {
    while (last < length && InForwardSet(text[last])) {
      ++last;
      if (text[last - 1] == QLatin1Char('('))
        break;
    }
  }
  while (first > 1 && InBackwardSet(text[first - 2]))
    --first;
  return text.mid(first - 1, last - first + 1);
}

int FindFunctionAtText(const QString& word, bool complexMode)
{
  if (word.isEmpty())
    return -1;
  const auto table = complexMode ? engine::ComplexFunctionTable() : engine::FunctionTable();
  for (int i = 0; i < int(table.size()); ++i) {
    if (i == kConstantE)
      continue;
    const QString name = FromView(table[std::size_t(i)].Name);
    if (name.isEmpty())
      continue;
    if (complexMode ? word.contains(name) : word.compare(name, Qt::CaseInsensitive) == 0)
      return i;
  }
  return -1;
}

QString FunctionHintText(int n, bool complexMode, int angleMode)
{
  QString text = FromView(complexMode ? engine::ComplexHints(n) : engine::FunctionHints(n));
  const int at = int(text.indexOf(QStringLiteral("%A")));
  if (at >= 0)
    text.replace(at, 2, angleMode == 0 ? QStringLiteral("radian") : QStringLiteral("degree"));
  return text;
}

QString GreetingText(double t)
{
  const QString polite = QStringLiteral("Sir/Madam!");
  if (t > 0 && t < 0.2)
    return QStringLiteral("Oh... Good ... night ... ") + polite;
  if (t >= 0.2 && t < 0.5)
    return QStringLiteral("Good morning ") + polite;
  if (t >= 0.5 && t < 0.75)
    return QStringLiteral("Good afternoon ") + polite;
  if (t >= 0.75 && t < 1)
    return QStringLiteral("Good evening ") + polite;
  return QStringLiteral("What is the time?");
}

}  // namespace app
