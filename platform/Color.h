#pragma once
// Colours as the system stores them: 0x00BBGGRR, plus marks that are not colours.

#include <cstdint>

class QColor;

namespace platform {

using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;     // no colour
inline constexpr TColor clDefault = 0x80000000;  // the owner's default colour

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t GetRValue(TColor c) { return std::uint8_t(c); }
constexpr std::uint8_t GetGValue(TColor c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t GetBValue(TColor c) { return std::uint8_t(c >> 16); }

// The Qt colour of an RGB colour (the low 24 bits).
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

}  // namespace platform
