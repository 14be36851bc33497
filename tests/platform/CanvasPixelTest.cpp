#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// The bitmap as rows of '#' (not white) and '.' (white).
std::string Picture(const TBitmap& b, int width, int height)
{
  std::string s;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      s += (b.Image().pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? '.' : '#';
    s += '\n';
  }
  return s;
}

int CountDrawn(const TBitmap& b)
{
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      n += (b.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return n;
}

TEST(CanvasPixels, RectangleCoversLeftTopToRightBottomMinusOne)
{
  TBitmap b(14, 14);
  b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  b.Canvas().Rectangle(0, 0, 10, 10);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(9, 9), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(9, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(10, 5), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(5, 10), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(5, 5), clWhite);
  EXPECT_EQ(CountDrawn(b), 36);
}

TEST(CanvasPixels, FilledRectangleWithAndWithoutPen)
{
  TBitmap b(14, 14);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().Rectangle(2, 2, 6, 6);
  EXPECT_EQ(b.Canvas().Pixel(3, 3), clRed);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clBlack);
  EXPECT_EQ(CountDrawn(b), 16);
  // Without a pen the fill is one pixel smaller on the right and bottom.
  TBitmap c(14, 14);
  c.Canvas().Pen().SetStyle(TPenStyle::psClear);
  c.Canvas().Brush().SetColor(clRed);
  c.Canvas().Rectangle(2, 2, 6, 6);
  EXPECT_EQ(CountDrawn(c), 9);
}

TEST(CanvasPixels, LineToLeavesOutItsEndPixel)
{
  struct Case { int x0, y0, x1, y1, expected; };
  for (const Case c : {Case{0, 0, 10, 0, 10}, Case{0, 0, 0, 7, 7}, Case{1, 1, 6, 6, 5}, Case{9, 3, 2, 3, 7},
                       Case{0, 0, 9, 4, 9}}) {
    TBitmap b(16, 16);
    b.Canvas().MoveTo(c.x0, c.y0);
    b.Canvas().LineTo(c.x1, c.y1);
    EXPECT_EQ(CountDrawn(b), c.expected) << c.x0 << ',' << c.y0 << "->" << c.x1 << ',' << c.y1 << '\n' << Picture(b, 16, 16);
    EXPECT_EQ(b.Canvas().Pixel(c.x1, c.y1), clWhite);
    EXPECT_EQ(b.Canvas().Pixel(c.x0, c.y0), clBlack);
    EXPECT_EQ(b.Canvas().PenPos(), (TPoint{c.x1, c.y1}));
  }
}

TEST(CanvasPixels, PolylineDrawsEveryJointOnce)
{
  TBitmap b(16, 16);
  const TPoint pts[] = {{1, 1}, {8, 1}, {8, 8}, {1, 8}};
  b.Canvas().Pen().SetMode(TPenMode::pmXor);
  b.Canvas().Pen().SetColor(clWhite);
  b.Canvas().Polyline(pts);
  EXPECT_EQ(CountDrawn(b), 21) << Picture(b, 16, 16);
  EXPECT_EQ(b.Canvas().Pixel(1, 8), clWhite);
}

TEST(CanvasPixels, NotXorLineTwiceRestoresTheImage)
{
  TBitmap b(40, 30);
  b.Canvas().Brush().SetColor(clAqua);
  b.Canvas().Ellipse(3, 3, 30, 25);
  b.Canvas().Font().SetName("Arial");
  b.Canvas().TextOut(2, 2, "Xy");
  const QImage before = b.Image().copy();
  for (TPenMode mode : {TPenMode::pmNotXor, TPenMode::pmXor, TPenMode::pmNot}) {
    b.Canvas().Pen().SetMode(mode);
    b.Canvas().Pen().SetColor(clRed);
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    for (int pass = 0; pass < 2; ++pass) {
      b.Canvas().MoveTo(0, 0);
      b.Canvas().LineTo(37, 21);
      b.Canvas().Rectangle(5, 6, 33, 28);
      const TPoint pts[] = {{0, 29}, {20, 0}, {39, 29}};
      b.Canvas().Polyline(pts);
    }
    EXPECT_TRUE(b.Image() == before) << int(mode);
    // The first pass changed something.
    b.Canvas().MoveTo(0, 0);
    b.Canvas().LineTo(37, 21);
    EXPECT_FALSE(b.Image() == before);
    b.Canvas().MoveTo(0, 0);
    b.Canvas().LineTo(37, 21);
  }
}

TEST(CanvasPixels, PenModesCombineWithTheBackground)
{
  struct Case { TPenMode mode; TColor pen, background, expected; };
  for (const Case c : {Case{TPenMode::pmCopy, 0x123456, 0xFFFFFF, 0x123456}, Case{TPenMode::pmXor, 0x0000FF, 0x00FFFF, 0x00FF00},
                       Case{TPenMode::pmNotXor, 0x0000FF, 0x00FFFF, 0xFF00FF}, Case{TPenMode::pmMask, 0x0000FF, 0x00FFFF, 0x0000FF},
                       Case{TPenMode::pmMerge, 0x0000FF, 0x00FF00, 0x00FFFF}, Case{TPenMode::pmNot, 0x0000FF, 0x00FF00, 0xFF00FF},
                       Case{TPenMode::pmBlack, 0x0000FF, 0x00FF00, 0x000000}, Case{TPenMode::pmWhite, 0x0000FF, 0x00FF00, 0xFFFFFF},
                       Case{TPenMode::pmNop, 0x0000FF, 0x00FF00, 0x00FF00}, Case{TPenMode::pmNotCopy, 0x0000FF, 0x00FF00, 0xFFFF00}}) {
    TBitmap b(8, 8);
    b.Canvas().Brush().SetColor(c.background);
    b.Canvas().FillRect({0, 0, 8, 8});
    b.Canvas().Pen().SetMode(c.mode);
    b.Canvas().Pen().SetColor(c.pen);
    b.Canvas().MoveTo(0, 3);
    b.Canvas().LineTo(8, 3);
    EXPECT_EQ(b.Canvas().Pixel(4, 3), c.expected) << int(c.mode);
  }
}

TEST(CanvasPixels, EllipseAndFillRectStayInsideTheirBox)
{
  TBitmap b(20, 20);
  b.Canvas().Brush().SetColor(clBlue);
  b.Canvas().Ellipse(2, 2, 12, 12);
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(b.Canvas().Pixel(12, i), clWhite);
    EXPECT_EQ(b.Canvas().Pixel(i, 12), clWhite);
    EXPECT_EQ(b.Canvas().Pixel(1, i), clWhite);
  }
  EXPECT_EQ(b.Canvas().Pixel(11, 7), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(7, 7), clBlue);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect({14, 14, 17, 16});
  EXPECT_EQ(b.Canvas().Pixel(16, 15), clRed);
  EXPECT_EQ(b.Canvas().Pixel(17, 15), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(16, 16), clWhite);
}

TEST(CanvasPixels, FocusRectTwiceRemovesItself)
{
  TBitmap b(20, 20);
  const QImage before = b.Image().copy();
  b.Canvas().DrawFocusRect({2, 3, 15, 12});
  EXPECT_FALSE(b.Image() == before);
  EXPECT_EQ(b.Canvas().Pixel(15, 5), clWhite);
  b.Canvas().DrawFocusRect({2, 3, 15, 12});
  EXPECT_TRUE(b.Image() == before);
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(CanvasPixels, DottedFramesAndLinesFollowTheStylePattern)
{
  TBitmap b(30, 10);
  b.Canvas().Pen().SetStyle(TPenStyle::psDot);
  b.Canvas().MoveTo(0, 1);
  b.Canvas().LineTo(30, 1);
  // Three on, three off.
  for (int x = 0; x < 12; ++x)
    EXPECT_EQ(b.Canvas().Pixel(x, 1), (x / 3) % 2 == 0 ? clBlack : clWhite) << x;
  b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  b.Canvas().Rectangle(0, 3, 30, 10);
  EXPECT_EQ(b.Canvas().Pixel(0, 3), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(3, 3), clWhite);
  EXPECT_EQ(b.Canvas().Pixel(30, 3), clNone);
}

}  // namespace
}  // namespace platform
