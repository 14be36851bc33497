#include "tools/EngineText.h"

#include "engine/CharClasses.h"
#include "engine/Engine.h"
#include "engine/ErrorCodes.h"

#include <QFile>

#include <algorithm>

namespace tools {

namespace {

constexpr unsigned char kEndMarker = 127;

// Characters outside Latin-1, and Latin-1 signs users type for operators, with their engine meaning.
unsigned char MeaningOf(char16_t c)
{
  switch (c) {
    case u'\u221A': return engine::chRoot;     // square root
    case u'\u03C0': return engine::chPilcrow;  // pi
    case u'\u2212': return '-';                // minus sign
    case u'\u00D7': return '*';                // multiplication sign
    case u'\u00F7': return '/';                // division sign
    case u'\u22C5': return '*';                // dot operator
    default: return 0;
  }
}

}  // namespace

unsigned char EngineChar(QChar c)
{
  const char16_t code = c.unicode();
  if (const unsigned char meaning = MeaningOf(code))
    return meaning;
  if (code < 32 || code == kEndMarker || code > 255)
    return 0;
  return static_cast<unsigned char>(code);
}

TEngineText ToEngineText(const QString& text)
{
  TEngineText result;
  result.Text.reserve(std::size_t(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const unsigned char byte = EngineChar(text[i]);
    if (byte == 0 && result.NotAllowedAt < 0)
      result.NotAllowedAt = int(i);
    result.Text.push_back(byte == 0 ? kNotAllowed : static_cast<char>(byte));
  }
  return result;
}

std::string EngineBytes(const QString& text)
{
  std::string bytes;
  bytes.reserve(std::size_t(text.size()));
  for (const QChar c : text) {
    const bool lineBreakOrTab = c == u'\t' || c == u'\n' || c == u'\r';
    const unsigned char byte = lineBreakOrTab ? static_cast<unsigned char>(c.unicode()) : EngineChar(c);
    bytes.push_back(byte == 0 ? kNotAllowed : static_cast<char>(byte));
  }
  return bytes;
}

std::string EightBitExpressionText(const QString& text)
{
  std::string bytes;
  bytes.reserve(std::size_t(text.size()));
  for (const QChar c : text) {
    if (c.isLowSurrogate())
      continue;  // one blank for the pair
    const char16_t code = c.unicode();
    const unsigned char meaning = MeaningOf(code);
    bytes.push_back(meaning ? static_cast<char>(meaning) : code > 255 ? ' ' : static_cast<char>(code));
  }
  return bytes;
}

QString WithEngineChars(const QString& text)
{
  QString result = text;
  for (QChar& c : result)
    if (const unsigned char meaning = MeaningOf(c.unicode()))
      c = QChar(meaning);
  return result;
}

QString FromEngineText(const std::string& text)
{
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string EngineFileName(const QString& path)
{
  return QFile::encodeName(path).toStdString();
}

QString FromEngineFileName(const std::string& path)
{
  return QFile::decodeName(QByteArray::fromStdString(path));
}

void SetNotAllowedError(const TEngineText& text, bool blanksRemoved)
{
  const auto begin = text.Text.begin();
  const auto blanks = blanksRemoved ? std::count(begin, begin + text.NotAllowedAt, ' ') : 0;
  engine::ErrorFlag = true;
  engine::ErrorCode = engine::ecSyntax;
  engine::ErrorPos = text.NotAllowedAt - int(blanks) + 1;
  engine::ErrorSpan = 1;
}

}  // namespace tools
