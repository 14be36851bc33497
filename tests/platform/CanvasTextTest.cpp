#include "platform/Bitmap.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include <climits>

namespace platform {
namespace {

// Bounds of the pixels that are not white.
TRect InkBounds(const TBitmap& b)
{
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if ((b.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
  return r;
}

TEST(CanvasText, WindowsFacesMapToMetricCompatibleFreeFaces)
{
  struct Case { const char* name; const char* family; };
  for (const Case c : {Case{"Arial", "Liberation Sans"}, Case{"Times New Roman", "Liberation Serif"},
                       Case{"Courier New", "Liberation Mono"}, Case{"MS Sans Serif", "Liberation Sans"},
                       Case{"Symbol", "Liberation Serif"}}) {
    TFontData f;
    f.Name = c.name;
    EXPECT_EQ(QFontInfo(ToQFont(f)).family(), c.family) << c.name;
  }
}

TEST(CanvasText, PixelHeightFollowsTheDeviceResolution)
{
  TFont f;
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);
  EXPECT_EQ(f.Size(), 10);
  TFont printer;
  printer.SetPixelsPerInch(600);
  printer.Assign(f);
  EXPECT_EQ(printer.Size(), 10);
  EXPECT_EQ(printer.Height(), -83);
  // Advances are whole pixels, so a text is as wide as its characters together.
  TBitmap b(10, 10);
  b.Canvas().Font().SetName("Arial");
  b.Canvas().Font().SetSize(10);
  EXPECT_GT(b.Canvas().TextWidth("W"), 10);
  EXPECT_EQ(b.Canvas().TextWidth("Wil1"), b.Canvas().TextWidth("W") + b.Canvas().TextWidth("i")
                                              + b.Canvas().TextWidth("l") + b.Canvas().TextWidth("1"));
  EXPECT_EQ(b.Canvas().TextHeight("W"), b.Canvas().TextMetrics().Ascent + b.Canvas().TextMetrics().Descent);
  EXPECT_EQ(b.Canvas().TextWidth(""), 0);
}

TEST(CanvasText, BaselineAndTopDifferByTheAscent)
{
  const auto draw = [](unsigned align) {
    TBitmap b(100, 80);
    b.Canvas().Font().SetName("Arial");
    b.Canvas().Font().SetSize(20);
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    b.Canvas().SetTextAlign(align);
    b.Canvas().TextOut(10, 40, "HH");
    return std::pair{InkBounds(b), b.Canvas().TextMetrics().Ascent};
  };
  const auto [top, ascent] = draw(TA_TOP);
  const auto [baseline, _] = draw(TA_BASELINE);
  EXPECT_GT(ascent, 10);
  EXPECT_EQ(top.Top - baseline.Top, ascent);
  EXPECT_EQ(baseline.Bottom, 40);  // "H" stands on the baseline
  const auto [bottom, __] = draw(TA_BOTTOM);
  EXPECT_LT(bottom.Bottom, 40);
}

TEST(CanvasText, HorizontalAlignment)
{
  const auto left = [](unsigned align) {
    TBitmap b(200, 40);
    b.Canvas().Font().SetName("Courier New");
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    b.Canvas().SetTextAlign(align);
    b.Canvas().TextOut(100, 5, "IIII");
    return std::pair{InkBounds(b), b.Canvas().TextWidth("IIII")};
  };
  const auto [l, width] = left(TA_LEFT);
  const auto [r, _] = left(TA_RIGHT);
  const auto [c, __] = left(TA_CENTER);
  EXPECT_EQ(l.Left - r.Left, width);
  EXPECT_EQ(l.Left - c.Left, width / 2);
}

TEST(CanvasText, EscapementNineHundredRunsUpwards)
{
  TBitmap b(80, 200);
  b.Canvas().Font().SetName("Arial");
  b.Canvas().Font().SetSize(14);
  b.Canvas().Font().SetEscapement(900);
  b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  b.Canvas().TextOut(20, 150, "WWWWWW");
  const TRect ink = InkBounds(b);
  EXPECT_GT(ink.Height(), 3 * ink.Width());
  EXPECT_LE(ink.Bottom, 151);
  EXPECT_GE(ink.Left, 20);  // the tops of the letters point left, so the text grows from x = 20 rightwards
  EXPECT_NEAR(ink.Top, 150 - b.Canvas().TextWidth("WWWWWW"), 2);
}

TEST(CanvasText, OpaqueBackgroundFillsTheTextBoxTransparentDoesNot)
{
  for (const bool opaque : {true, false}) {
    TBitmap b(100, 40);
    b.Canvas().Font().SetName("Arial");
    b.Canvas().Brush().SetColor(clYellow);
    if (!opaque)
      b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    b.Canvas().TextOut(5, 5, "a");
    EXPECT_EQ(b.Canvas().Pixel(5, 5), opaque ? clYellow : clWhite);
  }
  // The system way: an explicit background mode after the brush.
  TBitmap b(100, 40);
  b.Canvas().Brush().SetColor(clYellow);
  b.Canvas().SetBkMode(TBkMode::bmTransparent);
  b.Canvas().TextOut(5, 5, "a");
  EXPECT_EQ(b.Canvas().Pixel(5, 5), clWhite);
}

TEST(CanvasText, UpdateCurrentPositionAdvancesThePen)
{
  TBitmap b(100, 40);
  b.Canvas().SetTextAlign(TA_UPDATECP);
  b.Canvas().MoveTo(10, 5);
  b.Canvas().TextOut(0, 0, "abc");
  EXPECT_EQ(b.Canvas().PenPos().X, 10 + b.Canvas().TextWidth("abc"));
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(CanvasText, TextRectClipsAndFillsWithTheBrush)
{
  TBitmap b(60, 30);
  b.Canvas().Font().SetName("Arial");
  b.Canvas().Font().SetSize(14);
  b.Canvas().Brush().SetColor(clYellow);
  b.Canvas().TextRect({10, 5, 20, 25}, 12, 5, "WWWW");
  EXPECT_EQ(b.Canvas().Pixel(10, 24), clYellow);  // filled although no text is there
  for (int y = 0; y < 30; ++y)
    EXPECT_EQ(b.Canvas().Pixel(20, y), clWhite) << y;  // clipped
  TBitmap clear(60, 30);
  clear.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  clear.Canvas().TextRect({10, 5, 20, 25}, 12, 5, "WWWW");
  EXPECT_EQ(clear.Canvas().Pixel(10, 24), clWhite);
}

}  // namespace
}  // namespace platform
