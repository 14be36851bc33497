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

// System colours: 0x80000000 plus the system colour index. clDefault shares the value of index 0
// and resolves like it.
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clActiveBorder = 0x8000000A;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clAppWorkSpace = 0x8000000C;
inline constexpr TColor clBackground = 0x80000001;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnText = 0x80000012;
inline constexpr TColor clCaptionText = 0x80000009;
inline constexpr TColor clGrayText = 0x80000011;
inline constexpr TColor clHighlight = 0x8000000D;
inline constexpr TColor clHighlightText = 0x8000000E;
inline constexpr TColor clInactiveBorder = 0x8000000B;
inline constexpr TColor clInactiveCaption = 0x80000003;
inline constexpr TColor clInactiveCaptionText = 0x80000013;
inline constexpr TColor clInfoBk = 0x80000018;
inline constexpr TColor clInfoText = 0x80000017;
inline constexpr TColor clMenu = 0x80000004;
inline constexpr TColor clMenuText = 0x80000007;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clWindowFrame = 0x80000006;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor cl3DDkShadow = 0x80000015;
inline constexpr TColor cl3DLight = 0x80000016;

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000) == clSystemColor; }

// The RGB value of a colour: system colours from the fixed classic scheme (the same on every
// machine), RGB colours unchanged; clNone and other marks keep their low 24 bits.
TColor ColorToRGB(TColor color);

// The Qt colour of an RGB colour (the low 24 bits).
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
// The Qt colour of any colour value, system colours resolved.
QColor ColorToQColor(TColor color);

}  // namespace platform
