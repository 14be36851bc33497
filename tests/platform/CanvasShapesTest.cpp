#include "platform/Bitmap.h"
#include "platform/CanvasEdge.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(CanvasShapes, PieChordAndArcRunCounterClockwiseBetweenTheRadials)
{
  TBitmap pie(21, 21);
  pie.Canvas().Brush().SetColor(clRed);
  pie.Canvas().Pie(0, 0, 21, 21, 20, 10, 10, 0);  // from 3 o'clock to 12 o'clock
  EXPECT_EQ(pie.Canvas().Pixel(14, 6), clRed);
  EXPECT_EQ(pie.Canvas().Pixel(6, 14), clWhite);
  EXPECT_EQ(pie.Canvas().Pixel(6, 6), clWhite);
  // The other way round: three quarters.
  TBitmap rest(22, 22);
  rest.Canvas().Brush().SetColor(clRed);
  rest.Canvas().Pie(0, 0, 21, 21, 10, 0, 20, 10);
  EXPECT_EQ(rest.Canvas().Pixel(14, 6), clWhite);
  EXPECT_EQ(rest.Canvas().Pixel(6, 14), clRed);

  TBitmap arc(21, 21);
  arc.Canvas().Brush().SetColor(clRed);
  arc.Canvas().Arc(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(arc.Canvas().Pixel(14, 6), clWhite);  // an arc fills nothing
  EXPECT_EQ(arc.Canvas().Pixel(17, 3), clBlack);
  EXPECT_EQ(arc.Canvas().Pixel(0, 10), clWhite);

  TBitmap chord(21, 21);
  chord.Canvas().Brush().SetColor(clRed);
  chord.Canvas().Chord(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(chord.Canvas().Pixel(16, 5), clRed);
  EXPECT_EQ(chord.Canvas().Pixel(12, 8), clWhite);  // beyond the chord line, inside the pie
  // The right and bottom edges of the box stay out.
  EXPECT_EQ(rest.Canvas().Pixel(10, 20), clBlack);
  EXPECT_EQ(rest.Canvas().Pixel(0, 10), clBlack);
  for (int i = 0; i < 22; ++i) {
    EXPECT_EQ(rest.Canvas().Pixel(i, 21), clWhite);
    EXPECT_EQ(rest.Canvas().Pixel(21, i), clWhite);
  }
}

TEST(CanvasShapes, RoundRectStaysInsideAndRoundsItsCorners)
{
  TBitmap b(20, 20);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().RoundRect(2, 2, 18, 18, 8, 8);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(10, 2), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(10, 17), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(10, 18), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(10, 10), clRed);
}

TEST(CanvasShapes, HatchBackgroundFollowsTheBackgroundMode)
{
  for (const TBkMode mode : {TBkMode::bmOpaque, TBkMode::bmTransparent}) {
    TBitmap b(16, 16);
    b.Canvas().Brush().SetColor(clYellow);
    b.Canvas().FillRect({0, 0, 16, 16});
    b.Canvas().Brush().SetColor(clBlue);
    b.Canvas().Brush().SetStyle(TBrushStyle::bsHorizontal);
    b.Canvas().SetBkMode(mode);
    b.Canvas().SetBkColor(clGreen);
    b.Canvas().FillRect({0, 0, 16, 16});
    int blue = 0, green = 0, yellow = 0;
    for (int y = 0; y < 16; ++y) {
      const TColor c = b.Canvas().Pixel(3, y);
      blue += c == clBlue;
      green += c == clGreen;
      yellow += c == clYellow;
    }
    EXPECT_EQ(blue, 2);  // one line every 8 pixels
    EXPECT_EQ(green, mode == TBkMode::bmOpaque ? 14 : 0);
    EXPECT_EQ(yellow, mode == TBkMode::bmOpaque ? 0 : 14);
  }
}

TEST(CanvasShapes, MappingScalesLogicalUnitsOntoTheDevice)
{
  TBitmap b(40, 40);
  b.Canvas().SetMapping({0, 0, 10, 10}, {0, 0, 40, 40});
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().Pen().SetStyle(TPenStyle::psClear);
  b.Canvas().FillRect({1, 1, 3, 3});
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clRed);  // logical
  EXPECT_EQ(b.Image().pixel(11, 11) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(b.Image().pixel(12, 12) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(b.Canvas().ClipBox(), (TRect{0, 0, 10, 10}));
  b.Canvas().ResetMapping();
  EXPECT_EQ(b.Canvas().ClipBox(), (TRect{0, 0, 40, 40}));
}

TEST(CanvasShapes, InvertingCopiesAndBitmapCopies)
{
  TBitmap b(10, 10);
  b.Canvas().SetPixel(3, 3, clRed);
  const QImage before = b.Image().copy();
  b.Canvas().PatBlt({0, 0, 5, 5}, cmDstInvert);
  EXPECT_EQ(b.Canvas().Pixel(3, 3), clAqua);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(5, 5), clWhite);
  b.Canvas().PatBlt({0, 0, 5, 5}, cmDstInvert);
  EXPECT_TRUE(b.Image() == before);

  TBitmap target(10, 10);
  target.Canvas().CopyRect({5, 5, 7, 7}, b.Canvas(), {2, 2, 4, 4});
  EXPECT_EQ(target.Canvas().Pixel(6, 6), clRed);
  target.Canvas().StretchDraw({0, 0, 4, 4}, b);  // 10 x 10 onto 4 x 4
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clRed);

  // A brush copy shows the replaced colour in the brush.
  TBitmap glyph(3, 1);
  glyph.Canvas().SetPixel(0, 0, clBlack);
  TBitmap out(3, 1);
  out.Canvas().Brush().SetColor(clSilver);
  BrushCopy(out.Canvas(), {0, 0, 3, 1}, glyph, {0, 0, 3, 1}, clWhite);
  EXPECT_EQ(out.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(out.Canvas().Pixel(1, 0), clSilver);
}

TEST(CanvasShapes, EdgesAndBevelFramesInSystemColours)
{
  TBitmap b(10, 10);
  TRect r{0, 0, 10, 10};
  DrawEdge(b.Canvas(), r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
  EXPECT_EQ(b.Canvas().Pixel(0, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(b.Canvas().Pixel(1, 5), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(b.Canvas().Pixel(9, 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(b.Canvas().Pixel(8, 5), ColorToRGB(cl3DLight));
  EXPECT_EQ(b.Canvas().Pixel(5, 5), clWhite);

  TBitmap f(10, 10);
  TRect fr{0, 0, 10, 10};
  Frame3D(f.Canvas(), fr, clRed, clBlue, 2);
  EXPECT_EQ(fr, (TRect{2, 2, 8, 8}));
  EXPECT_EQ(f.Canvas().Pixel(0, 0), clRed);
  EXPECT_EQ(f.Canvas().Pixel(9, 0), clBlue);
  EXPECT_EQ(f.Canvas().Pixel(0, 9), clBlue);
  EXPECT_EQ(f.Canvas().Pixel(1, 1), clRed);
  EXPECT_EQ(f.Canvas().Pixel(8, 8), clBlue);
  EXPECT_EQ(f.Canvas().Pixel(2, 2), clWhite);
}

TEST(CanvasShapes, ToolsReportChangesOnce)
{
  int pens = 0, brushes = 0, fonts = 0;
  TPen pen;
  pen.OnChange = [&] { ++pens; };
  pen.SetColor(clRed);
  pen.SetColor(clRed);
  pen.SetWidth(-3);
  EXPECT_EQ(pen.Width(), 0);
  EXPECT_EQ(pens, 2);
  TBrush brush;
  brush.OnChange = [&] { ++brushes; };
  brush.SetStyle(TBrushStyle::bsClear);
  brush.SetColor(clBlue);  // a colour makes a clear brush solid
  EXPECT_EQ(brush.Style(), TBrushStyle::bsSolid);
  EXPECT_EQ(brushes, 2);
  TFont font;
  font.OnChange = [&] { ++fonts; };
  font.SetSize(8);  // already 8 points
  EXPECT_EQ(fonts, 0);
  font.SetStyle(fsBold | fsItalic);
  EXPECT_EQ(fonts, 1);
}

TEST(CanvasShapes, SystemColoursResolveToTheFixedScheme)
{
  struct Case { TColor color, rgb; };
  for (const Case c : {Case{clBtnFace, 0xC8D0D4}, Case{clWindow, 0xFFFFFF}, Case{clWindowText, 0},
                       Case{clBtnShadow, 0x808080}, Case{clRed, clRed}, Case{0x80000099, 0}}) {
    EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
  }
  EXPECT_TRUE(IsSystemColor(clDefault));
  EXPECT_FALSE(IsSystemColor(clNone));
  TBitmap b(2, 2);
  b.Canvas().Brush().SetColor(clBtnFace);
  b.Canvas().FillRect({0, 0, 2, 2});
  EXPECT_EQ(b.Canvas().Pixel(1, 1), 0xC8D0D4u);
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(CanvasShapes, MergeCopyShowsWhiteGlyphPixelsInTheBrush)
{
  TBitmap glyph(2, 1);
  glyph.Canvas().SetPixel(0, 0, clBlack);
  TBitmap b(2, 1);
  b.Canvas().Brush().SetColor(clSilver);
  b.Canvas().SetCopyMode(cmMergeCopy);
  b.Canvas().Draw(0, 0, glyph);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(1, 0), clSilver);
}

TEST(CanvasShapes, AlternatePenSetsEveryOtherPixel)
{
  TBitmap b(10, 1);
  b.Canvas().Pen().SetStyle(TPenStyle::psAlternate);
  b.Canvas().MoveTo(0, 0);
  b.Canvas().LineTo(10, 0);
  for (int x = 0; x < 10; ++x)
    EXPECT_EQ(b.Canvas().Pixel(x, 0), x % 2 == 0 ? clBlack : clWhite) << x;
}

}  // namespace
}  // namespace platform
