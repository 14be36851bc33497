#include "controls/editor/BookmarkGlyphs.h"

#include <array>

namespace controls {

namespace {

constexpr int kGlyphWidth = 11;
constexpr int kGlyphHeight = 11;

// Digits 0-9 in a 3 x 5 pixel font, a row per string.
constexpr std::array<std::array<const char*, 5>, 10> kDigits{{
    {"###", "#.#", "#.#", "#.#", "###"},
    {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"},
    {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"},
    {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"},
    {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
}};

}  // namespace

QImage BookmarkGlyphs()
{
  const QRgb frame = qRgb(0, 0, 128);
  const QRgb fill = qRgb(0, 160, 160);
  const QRgb ink = qRgb(255, 255, 255);
  // Opaque: the glyph is copied over the margin as it stands.
  QImage image(kGlyphWidth * 10, kGlyphHeight, QImage::Format_RGB32);
  for (int digit = 0; digit < 10; ++digit) {
    const int left = digit * kGlyphWidth;
    // A framed square with the digit in white.
    for (int y = 0; y < kGlyphHeight; ++y)
      for (int x = 0; x < kGlyphWidth; ++x) {
        const bool edge = x == 0 || y == 0 || x == kGlyphWidth - 1 || y == kGlyphHeight - 1;
        image.setPixel(left + x, y, edge ? frame : fill);
      }
    const auto& rows = kDigits[std::size_t(digit)];
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 3; ++x)
        if (rows[std::size_t(y)][x] == '#')
          image.setPixel(left + 4 + x, 3 + y, ink);
  }
  return image;
}

}  // namespace controls
