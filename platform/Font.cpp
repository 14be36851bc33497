#include "platform/Font.h"

#include "platform/CanvasRounding.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

namespace platform {

int TFont::Size() const
{
  return -MulDiv(data_.Height, 72, data_.PixelsPerInch);
}

void TFont::SetName(const QString& name)
{
  TFontData d = data_;
  d.Name = name;
  Change(d);
}

void TFont::SetSize(int points)
{
  TFontData d = data_;
  d.Height = -MulDiv(points, d.PixelsPerInch, 72);
  Change(d);
}

void TFont::SetHeight(int pixels)
{
  TFontData d = data_;
  d.Height = pixels;
  Change(d);
}

void TFont::SetStyle(TFontStyles style)
{
  TFontData d = data_;
  d.Style = style;
  Change(d);
}

void TFont::SetColor(TColor color)
{
  TFontData d = data_;
  d.Color = color;
  Change(d);
}

void TFont::SetCharset(int charset)
{
  TFontData d = data_;
  d.Charset = charset;
  Change(d);
}

void TFont::SetPitch(TFontPitch pitch)
{
  TFontData d = data_;
  d.Pitch = pitch;
  Change(d);
}

void TFont::SetEscapement(int tenthsOfDegree)
{
  TFontData d = data_;
  d.Escapement = tenthsOfDegree % 3600;
  Change(d);
}

void TFont::SetPixelsPerInch(int ppi)
{
  TFontData d = data_;
  d.PixelsPerInch = ppi > 0 ? ppi : kScreenPixelsPerInch;
  Change(d);
}

void TFont::SetData(const TFontData& data)
{
  TFontData d = data;
  if (d.PixelsPerInch <= 0)
    d.PixelsPerInch = kScreenPixelsPerInch;
  Change(d);
}

void TFont::Assign(const TFont& other)
{
  TFontData d = other.data_;
  if (d.PixelsPerInch != data_.PixelsPerInch) {
    d.Height = -MulDiv(other.Size(), data_.PixelsPerInch, 72);
    d.PixelsPerInch = data_.PixelsPerInch;
  }
  Change(d);
}

void TFont::Change(const TFontData& data)
{
  if (data == data_)
    return;
  data_ = data;
  if (OnChange)
    OnChange();
}

QString MapFaceName(const QString& name)
{
  const QString n = name.trimmed().toLower();
  if (n == u"arial" || n == u"ms sans serif" || n == u"helvetica" || n == u"tahoma"
      || n == u"verdana" || n == u"system" || n == u"ms shell dlg" || n == u"ms shell dlg 2"
      || n == u"small fonts" || n.isEmpty())
    return QStringLiteral("Liberation Sans");
  if (n == u"times new roman" || n == u"times" || n == u"ms serif" || n == u"symbol")
    return QStringLiteral("Liberation Serif");
  if (n == u"courier new" || n == u"courier" || n == u"fixedsys" || n == u"terminal")
    return QStringLiteral("Liberation Mono");
  return name;
}

bool IsSymbolFont(const TFontData& font)
{
  return font.Charset == SYMBOL_CHARSET || font.Name.trimmed().compare(u"symbol", Qt::CaseInsensitive) == 0;
}

QString SymbolToUnicode(const QString& text)
{
  // Letters of the symbol encoding, 'A'..'Z' then 'a'..'z'.
  static const char16_t kUpper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
  static const char16_t kLower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
      out += QChar(kUpper[u - 'A']);
    else if (u >= 'a' && u <= 'z')
      out += QChar(kLower[u - 'a']);
    else if (u == 0xB0)
      out += QChar(0x00B0);
    else if (u == 0xB1)
      out += QChar(0x00B1);
    else if (u == 0xA5)
      out += QChar(0x221E);  // infinity
    else if (u == 0xD6)
      out += QChar(0x221A);  // square root
    else if (u == 0xB4)
      out += QChar(0x00D7);  // times
    else if (u == 0xB8)
      out += QChar(0x00F7);  // divide
    else if (u == 0xA3)
      out += QChar(0x2264);  // less or equal
    else if (u == 0xB3)
      out += QChar(0x2265);  // greater or equal
    else if (u == 0xB9)
      out += QChar(0x2260);  // not equal
    else if (u == 0xE5)
      out += QChar(0x2211);  // sum
    else if (u == 0xF2)
      out += QChar(0x222B);  // integral
    else
      out += c;
  }
  return out;
}

QFont ToQFont(const TFontData& font)
{
  QFont q(MapFaceName(font.Name));
  q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  q.setHintingPreference(QFont::PreferFullHinting);
  q.setKerning(false);
  q.setBold(font.Style & fsBold);
  q.setItalic(font.Style & fsItalic);
  q.setUnderline(font.Style & fsUnderline);
  q.setStrikeOut(font.Style & fsStrikeOut);
  if (font.Pitch == TFontPitch::fpFixed)
    q.setFixedPitch(true);
  int pixels = std::abs(font.Height);
  if (font.Height > 0) {
    // A cell height: take off the internal leading of the face.
    q.setPixelSize(1000);
    const QFontMetricsF m(q);
    const double cell = m.ascent() + m.descent();
    if (cell > 0)
      pixels = SafeRound(font.Height * 1000.0 / cell);
  }
  q.setPixelSize(std::max(1, pixels == 0 ? 11 : pixels));
  return q;
}

}  // namespace platform
