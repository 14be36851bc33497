#include "platform/MetafileText.h"

#include <QHash>
#include <QStringEncoder>

namespace platform::gdi {

namespace {

// The code page of a character set, by its number.
const char* CodePage(int charset)
{
  switch (charset) {
  case 128: return "Shift_JIS";
  case 129: return "windows-949";
  case 134: return "GBK";
  case 136: return "Big5";
  case 161: return "windows-1253";
  case 162: return "windows-1254";
  case 163: return "windows-1258";
  case 177: return "windows-1255";
  case 178: return "windows-1256";
  case 186: return "windows-1257";
  case 204: return "windows-1251";
  case 222: return "windows-874";
  case 238: return "windows-1250";
  case 255: return "IBM437";
  default: return "windows-1252";
  }
}

// Unicode characters of the Symbol font and their codes there.
const QHash<char16_t, char>& SymbolCodes()
{
  static const QHash<char16_t, char> codes = [] {
    QHash<char16_t, char> map;
    for (int code = 0x20; code <= 0xFF; ++code) {
      const QString shown = SymbolToUnicode(QString(QChar(code)));
      if (shown.size() == 1 && shown[0].unicode() != code)
        map.insert(shown[0].unicode(), char(code));
    }
    return map;
  }();
  return codes;
}

// The one byte of a character in a code page; false when it has none (or more than one).
bool Encode(const char* codePage, QChar c, char& byte)
{
  QStringEncoder encoder(codePage, QStringConverter::Flag::Stateless);
  if (!encoder.isValid())
    encoder = QStringEncoder(QStringConverter::Latin1);
  const QByteArray bytes = encoder.encode(QString(c));
  if (encoder.hasError() || bytes.size() != 1)
    return false;
  byte = bytes[0];
  return true;
}

}  // namespace

std::vector<TextRun> EncodeText(const TFontData& font, const QString& text)
{
  if (IsSymbolFont(font))
    return {{text.toLatin1(), false, 0}};  // the text holds the font's own codes
  const char* codePage = CodePage(font.Charset);
  std::vector<TextRun> runs;
  for (int i = 0; i < text.size(); ++i) {
    char byte = '?';
    bool symbol = false;
    if (!Encode(codePage, text[i], byte)) {
      const auto found = SymbolCodes().constFind(text[i].unicode());
      symbol = found != SymbolCodes().constEnd();
      byte = symbol ? *found : '?';
    }
    if (runs.empty() || runs.back().Symbol != symbol)
      runs.push_back({{}, symbol, i});
    runs.back().Bytes.append(byte);
  }
  return runs;
}

}  // namespace platform::gdi
