// The grid's glyphs: sizes, a few telling pixels, and a strip of all of them to look at.
#include "grid/paint/Glyphs.h"

#include <gtest/gtest.h>

#include <string>

namespace grid {
namespace {

TEST(Glyphs, EveryGlyphHasItsSizeAndItsPixels)
{
  struct Case {
    TtsGlyph glyph;
    const char* name;
    int width, height;
  };
  const Case cases[] = {
      {TtsGlyph::DotArrowRight, "TSDOTARROWRIGHT", 6, 11}, {TtsGlyph::InsertRow, "TSINSERTROW", 9, 11},
      {TtsGlyph::ChangedRow, "TSCHANGEDROW", 11, 11},      {TtsGlyph::ArrowCombo, "TSARROWCOMBO", 5, 5},
      {TtsGlyph::ButDetail, "TSBUTDETAIL", 7, 5},          {TtsGlyph::SortUp, "TSSORTUP", 12, 13},
      {TtsGlyph::SortDown, "TSSORTDOWN", 12, 13},          {TtsGlyph::SortBullet, "TSSORTBULLET", 12, 13},
      {TtsGlyph::SpinUp, "TSSPINUP", 7, 4},                {TtsGlyph::SpinDown, "TSSPINDOWN", 7, 4},
      {TtsGlyph::SpinLeft, "TSSPINLEFT", 4, 7},            {TtsGlyph::SpinRight, "TSSPINRIGHT", 4, 7},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(GlyphName(c.glyph), c.name);
    platform::TBitmap glyph = MakeGlyph(c.glyph);
    EXPECT_EQ(glyph.Width(), c.width) << c.name;
    EXPECT_EQ(glyph.Height(), c.height) << c.name;
  }
  platform::TBitmap arrow = MakeGlyph(TtsGlyph::DotArrowRight);
  EXPECT_EQ(arrow.Canvas().Pixel(5, 5), platform::clBlack);  // the tip
  EXPECT_EQ(arrow.Canvas().Pixel(5, 4), platform::clWhite);
  platform::TBitmap sort = MakeGlyph(TtsGlyph::SortUp);
  EXPECT_EQ(sort.Canvas().Pixel(5, 4), platform::TColor(0x808080));
  EXPECT_EQ(sort.Canvas().Pixel(5, 3), platform::clWhite);
  platform::TBitmap bullet = MakeGlyph(TtsGlyph::SortBullet);
  EXPECT_EQ(bullet.Canvas().Pixel(3, 4), platform::TColor(0xC0C0C0));

  platform::TBitmap board = MakeCheckerboard();
  EXPECT_EQ(board.Canvas().Pixel(0, 0), platform::clBlack);
  EXPECT_EQ(board.Canvas().Pixel(1, 0), platform::clWhite);
  EXPECT_EQ(board.Canvas().Pixel(7, 7), platform::clBlack);
}

TEST(Glyphs, AStripOfAllGlyphsIsWrittenAsAPicture)
{
  constexpr int scale = 4;
  platform::TBitmap strip(kGlyphCount * 14 * scale, 15 * scale);
  strip.Canvas().Brush().SetColor(0x008000);
  strip.Canvas().FillRect({0, 0, strip.Width(), strip.Height()});
  for (int i = 0; i < kGlyphCount; ++i) {
    const platform::TBitmap glyph = MakeGlyph(TtsGlyph(i));
    strip.Canvas().StretchDraw(
        platform::Bounds(i * 14 * scale + scale, scale, glyph.Width() * scale, glyph.Height() * scale), glyph);
  }
  strip.SaveToFile(VEXAL_TEST_OUTPUT_DIR "GridGlyphs.png");
  EXPECT_EQ(strip.Canvas().Pixel(0, 0), platform::TColor(0x008000));
}

}  // namespace
}  // namespace grid
