// Pixel rows of the grid's glyphs: '#' black, '.' white, 'g' grey, 's' silver.
#include "grid/paint/Glyphs.h"

#include <array>
#include <cstring>
#include <vector>

namespace grid {
namespace {

struct TtsGlyphPixels {
  const char* Name;
  std::vector<const char*> Rows;
};

constexpr const char* kBlack12 = "############";

const std::array<TtsGlyphPixels, kGlyphCount>& Glyphs()
{
  static const std::array<TtsGlyphPixels, kGlyphCount> glyphs{{
      {"TSDOTARROWRIGHT",
       {"#.....", "##....", "###...", "####..", "#####.", "######", "#####.", "####..", "###...", "##....", "#....."}},
      {"TSINSERTROW",
       {".........", "....#....", ".#..#..#.", "..#.#.#..", "...###...", "#########", "...###...", "..#.#.#..",
        ".#..#..#.", "....#....", "........."}},
      {"TSCHANGEDROW",
       {".......###.", ".......#..#", "......#.##.", "......#..#.", ".....#..#..", ".....#..#..", "....#..#...",
        "....#..#...", "....###....", "....##.....", "#.#.#......"}},
      {"TSARROWCOMBO", {".....", "#####", ".###.", "..#..", "....."}},
      {"TSBUTDETAIL", {".......", ".......", ".......", "#..#..#", "......."}},
      {"TSSORTUP",
       {kBlack12, kBlack12, kBlack12, "#####.######", "####.g.#####", "###.ggg.####", "##.gg#gg.###", "##gg###gg###",
        "##g#####g###", kBlack12, kBlack12, kBlack12, kBlack12}},
      {"TSSORTDOWN",
       {kBlack12, kBlack12, kBlack12, "##.#####.###", "##g.###.g###", "##gg.#.gg###", "###gg.gg####", "####ggg#####",
        "#####g######", kBlack12, kBlack12, kBlack12, kBlack12}},
      {"TSSORTBULLET",
       {kBlack12, kBlack12, kBlack12, "###...######", "##.sgg######", "##.gggg#####", "##.gggg#####", "####gg######",
        kBlack12, kBlack12, kBlack12, kBlack12, kBlack12}},
      {"TSSPINUP", {"...#...", "..###..", ".#####.", "#######"}},
      {"TSSPINDOWN", {"#######", ".#####.", "..###..", "...#..."}},
      {"TSSPINLEFT", {"...#", "..##", ".###", "####", ".###", "..##", "...#"}},
      {"TSSPINRIGHT", {"#...", "##..", "###.", "####", "###.", "##..", "#..."}},
  }};
  return glyphs;
}

platform::TColor PixelColour(char code)
{
  switch (code) {
    case '#': return platform::clBlack;
    case 'g': return 0x808080;
    case 's': return 0xC0C0C0;
    default: return platform::clWhite;
  }
}

}  // namespace

const char* GlyphName(TtsGlyph glyph) { return Glyphs()[std::size_t(glyph)].Name; }

platform::TBitmap MakeGlyph(TtsGlyph glyph)
{
  const std::vector<const char*>& rows = Glyphs()[std::size_t(glyph)].Rows;
  const int width = int(std::strlen(rows.front()));
  platform::TBitmap bitmap(width, int(rows.size()));
  for (int y = 0; y < int(rows.size()); ++y)
    for (int x = 0; x < width; ++x)
      bitmap.Canvas().SetPixel(x, y, PixelColour(rows[std::size_t(y)][x]));
  return bitmap;
}

platform::TBitmap MakeCheckerboard()
{
  platform::TBitmap bitmap(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      bitmap.Canvas().SetPixel(x, y, (x + y) % 2 == 1 ? platform::clWhite : platform::clBlack);
  return bitmap;
}

}  // namespace grid
