#pragma once
// The font: face name, size in points (or height in pixels), style, colour, character set and
// escapement. The pixel height follows from the size and the resolution of the device.

#include "platform/Color.h"

#include <QString>
#include <cstdint>
#include <functional>

class QFont;

namespace platform {

using TFontStyles = std::uint8_t;
inline constexpr TFontStyles fsBold = 0x01;
inline constexpr TFontStyles fsItalic = 0x02;
inline constexpr TFontStyles fsUnderline = 0x04;
inline constexpr TFontStyles fsStrikeOut = 0x08;

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;
inline constexpr int kScreenPixelsPerInch = 96;  // fixed, so text layouts match on every machine

struct TFontData {
  QString Name = QStringLiteral("MS Sans Serif");
  int Height = -11;  // pixels: negative is the character height, positive the cell height
  TFontStyles Style = 0;
  TColor Color = clWindowText;
  int Charset = DEFAULT_CHARSET;
  TFontPitch Pitch = TFontPitch::fpDefault;
  int Escapement = 0;  // tenths of a degree, counter-clockwise
  int PixelsPerInch = kScreenPixelsPerInch;
  friend bool operator==(const TFontData&, const TFontData&) = default;
};

class TFont {
public:
  const QString& Name() const { return data_.Name; }
  int Size() const;  // points
  int Height() const { return data_.Height; }
  TFontStyles Style() const { return data_.Style; }
  TColor Color() const { return data_.Color; }
  int Charset() const { return data_.Charset; }
  TFontPitch Pitch() const { return data_.Pitch; }
  int Escapement() const { return data_.Escapement; }
  int PixelsPerInch() const { return data_.PixelsPerInch; }

  void SetName(const QString& name);
  void SetSize(int points);  // height := -points * PixelsPerInch / 72
  void SetHeight(int pixels);
  void SetStyle(TFontStyles style);
  void SetColor(TColor color);
  void SetCharset(int charset);
  void SetPitch(TFontPitch pitch);
  void SetEscapement(int tenthsOfDegree);
  void SetPixelsPerInch(int ppi);  // keeps the height; the size in points follows

  const TFontData& Data() const { return data_; }
  void SetData(const TFontData& data);
  // Copies the other font; across resolutions the size in points is kept.
  void Assign(const TFont& other);

  std::function<void()> OnChange;  // after every change of a value

private:
  void Change(const TFontData& data);
  TFontData data_;
};

// The free face that stands for a face name (Arial -> Liberation Sans, Times New Roman ->
// Liberation Serif, Courier New -> Liberation Mono, MS Sans Serif -> Liberation Sans, ...).
QString MapFaceName(const QString& name);
// True for faces whose bytes are symbol codes (Symbol, or the symbol character set).
bool IsSymbolFont(const TFontData& font);
// Symbol-font codes as Unicode text ('a' -> alpha, 'p' -> pi, ...).
QString SymbolToUnicode(const QString& text);
// The Qt font of a font description, its pixel size taken from the height (no escapement).
QFont ToQFont(const TFontData& font);

}  // namespace platform
