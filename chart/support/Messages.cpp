#include "chart/support/Messages.h"

#include <vector>

namespace chart {

namespace {
QString Fill(const char* text, const std::vector<QString>& args)
{
  const QString pattern = QString::fromLatin1(text);
  QString out;
  std::size_t next = 0;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c != u'%' || i + 1 >= pattern.size()) {
      out += c;
      continue;
    }
    const QChar kind = pattern[i + 1];
    if (kind == u'%') {
      out += u'%';
      ++i;
    } else if ((kind == u's' || kind == u'd') && next < args.size()) {
      out += args[next++];
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}
}  // namespace

QString FormatMessage(const char* text, std::initializer_list<QString> args)
{
  return Fill(text, std::vector<QString>(args));
}

QString FormatMessage(const char* text, std::initializer_list<int> args)
{
  std::vector<QString> texts;
  for (int value : args)
    texts.push_back(QString::number(value));
  return Fill(text, texts);
}

}  // namespace chart
