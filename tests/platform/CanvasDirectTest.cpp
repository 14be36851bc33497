#include "platform/Bitmap.h"
#include "platform/CanvasGradient.h"
#include "platform/CanvasImage.h"
#include "platform/CanvasRecording.h"
#include "platform/CanvasRounding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

constexpr int kFar = 1 << 30;  // beyond the coordinate limit

bool Drawn(const TBitmap& b, int x, int y)
{
  return (b.Image().pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
}

TEST(CanvasDirect, FarOutLinesAndPolygonsKeepTheirDirection)
{
  // Moving the far end onto the limit one axis at a time would turn the slope 1/2 into 1.
  TBitmap line(200, 200);
  line.Canvas().MoveTo(0, 0);
  line.Canvas().LineTo(kFar, kFar / 2);
  EXPECT_TRUE(Drawn(line, 100, 50));
  EXPECT_FALSE(Drawn(line, 100, 100));

  TBitmap poly(200, 200);
  poly.Canvas().Pen().SetStyle(TPenStyle::psClear);
  poly.Canvas().Brush().SetColor(clBlack);
  const TPoint triangle[] = {{0, 0}, {kFar, kFar / 2}, {0, kFar / 2}};
  poly.Canvas().Polygon(triangle);
  EXPECT_TRUE(Drawn(poly, 100, 60));   // below the edge y = x / 2
  EXPECT_FALSE(Drawn(poly, 100, 40));  // above it

  TBitmap polyline(200, 200);
  const TPoint outAndBack[] = {{10, 10}, {kFar, 10}, {kFar, 20}, {10, 20}};
  polyline.Canvas().Polyline(outAndBack);
  EXPECT_TRUE(Drawn(polyline, 150, 10));
  EXPECT_TRUE(Drawn(polyline, 150, 20));
}

// Whoever draws on a bitmap's canvas, the control showing it hears of it once per drawing call;
// moves, clips and tool changes draw nothing and say nothing.
TEST(CanvasDirect, EveryDrawingCallIsAnnounced)
{
  TBitmap picture(50, 50);
  TCanvas& canvas = picture.Canvas();
  int changes = 0;
  canvas.OnChange = [&] { ++changes; };
  canvas.MoveTo(1, 1);
  canvas.SetClipRect({0, 0, 40, 40});
  canvas.Pen().SetColor(clRed);
  EXPECT_EQ(changes, 0);
  canvas.LineTo(10, 10);
  canvas.Rectangle(2, 2, 8, 8);
  canvas.TextOut(3, 3, QStringLiteral("a"));
  canvas.SetPixel(4, 4, clBlue);
  canvas.LineTo(kFar, 10);  // cut at the limit, drawn all the same
  EXPECT_EQ(changes, 5);
  TBitmap other(10, 10);
  canvas.Draw(0, 0, other);
  EXPECT_EQ(changes, 6);
}

TEST(CanvasDirect, FarOutCallsAreRecordedCutAtTheLimit)
{
  TRecordingCanvas c;
  c.MoveTo(0, 0);
  c.LineTo(kFar, kFar / 2);
  const TPoint away[] = {{kFar, 0}, {kFar + 10, 0}};
  c.Polyline(away);  // nothing of it inside the limit
  ASSERT_EQ(c.Calls().size(), 1u);
  EXPECT_EQ(c.Calls()[0], "LineTo(0,0," + std::to_string(kMaxCoord) + "," + std::to_string(kMaxCoord / 2) + ")");
}

TEST(CanvasDirect, ThinLinesKeepToAClipRegionOfSeveralRectangles)
{
  TBitmap b(40, 10);
  TRegion region(TRect{0, 0, 10, 10});
  region.Combine(TRegion(TRect{20, 0, 30, 10}), TRegionCombine::Or);
  b.Canvas().SelectClipRegion(region);
  b.Canvas().Pen().SetMode(TPenMode::pmXor);
  b.Canvas().Pen().SetColor(clWhite);  // white xor white = black
  b.Canvas().MoveTo(0, 5);
  b.Canvas().LineTo(40, 5);
  for (int x = 0; x < 40; ++x)
    EXPECT_EQ(Drawn(b, x, 5), x < 10 || (x >= 20 && x < 30)) << x;
  b.Canvas().MoveTo(0, 5);
  b.Canvas().LineTo(40, 5);  // again: inverted back
  for (int x = 0; x < 40; ++x)
    EXPECT_FALSE(Drawn(b, x, 5)) << x;
}

TEST(CanvasDirect, StraightLinesTakeTheirStartAndLeaveOutTheirEnd)
{
  // Segments along a row or a column of a 20 x 12 bitmap clipped to (3, 2, 15, 10), in XOR: a pixel
  // drawn twice would come back white.
  const struct {
    TPoint a, b;
  } cases[] = {
      {{0, 4}, {19, 4}},  {{14, 5}, {2, 5}},   {{-50, 6}, {50, 6}}, {{8, 0}, {8, 12}},
      {{9, 11}, {9, -3}}, {{5, 7}, {5, 7}},    {{4, 1}, {12, 1}},   {{16, 2}, {16, 9}},
      {{3, 9}, {15, 9}},  {{14, 9}, {14, 2}},  {{2, 3}, {2, 8}},    {{10, 3}, {11, 3}},
  };
  const TRect clip{3, 2, 15, 10};
  for (const auto& c : cases) {
    TBitmap b(20, 12);
    b.Canvas().SetClipRect(clip);
    b.Canvas().Pen().SetMode(TPenMode::pmXor);
    b.Canvas().Pen().SetColor(clWhite);
    b.Canvas().MoveTo(c.a.X, c.a.Y);
    b.Canvas().LineTo(c.b.X, c.b.Y);
    const int steps = std::max(std::abs(c.b.X - c.a.X), std::abs(c.b.Y - c.a.Y));
    const int dx = (c.b.X > c.a.X) - (c.b.X < c.a.X);
    const int dy = (c.b.Y > c.a.Y) - (c.b.Y < c.a.Y);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 20; ++x) {
        bool on = false;
        for (int i = 0; i < steps; ++i)
          on = on || (x == c.a.X + i * dx && y == c.a.Y + i * dy);
        EXPECT_EQ(Drawn(b, x, y), on && clip.Contains({x, y}))
            << "(" << c.a.X << "," << c.a.Y << ")-(" << c.b.X << "," << c.b.Y << ") at " << x << "," << y;
      }
  }
}

TEST(CanvasDirect, DrawingNeverReachesACopyOfTheImage)
{
  QImage image(30, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  TImageCanvas canvas(image);
  canvas.TextOut(0, 0, QStringLiteral("W"));  // opens the painter
  const QImage snapshot = image;
  canvas.MoveTo(0, 27);
  canvas.LineTo(30, 27);
  canvas.Brush().SetColor(clRed);
  canvas.Ellipse(5, 5, 25, 25);
  canvas.FillRect({0, 28, 30, 30});
  EXPECT_EQ(snapshot.pixel(10, 27) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(snapshot.pixel(15, 15) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(snapshot.pixel(10, 29) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(image.pixel(10, 27) & 0xFFFFFF, 0u);
  EXPECT_EQ(image.pixel(15, 15) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(image.pixel(10, 29) & 0xFFFFFF, 0xFF0000u);
}

TEST(CanvasDirect, ABitmapResizedBetweenDrawsGoesOnDrawing)
{
  TBitmap b(20, 20);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().Ellipse(0, 0, 20, 20);  // through the painter
  b.SetSize(40, 40);
  b.Canvas().Ellipse(20, 20, 40, 40);
  b.SetImage(b.Image().copy());
  b.Canvas().Brush().SetColor(clBlue);
  b.Canvas().Ellipse(0, 20, 20, 40);
  EXPECT_EQ(b.Canvas().Pixel(10, 10), clRed);
  EXPECT_EQ(b.Canvas().Pixel(30, 30), clRed);
  EXPECT_EQ(b.Canvas().Pixel(10, 30), clBlue);
}

TEST(CanvasDirect, CopyWithinTheImageReadsThePixelsBeforeTheCopy)
{
  TBitmap b(20, 10);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect({0, 0, 10, 10});
  b.Canvas().CopyRect({5, 0, 15, 10}, b.Canvas(), {0, 0, 10, 10});
  EXPECT_EQ(b.Canvas().Pixel(12, 5), clRed);
  EXPECT_EQ(b.Canvas().Pixel(17, 5), clWhite);
}

TEST(CanvasGradient, BandsRunFromTheNearEdgeAndStopAt256)
{
  // 600 pixels: 256 bands; band 0 covers Right - 2 .. Right, band 128 is half way to silver.
  TBitmap wide(600, 2);
  FillGradient(wide.Canvas(), {0, 0, 600, 2}, clWhite, clSilver, true);
  EXPECT_EQ(wide.Canvas().Pixel(599, 0), clWhite);
  EXPECT_EQ(wide.Canvas().Pixel(598, 0), clWhite);
  EXPECT_EQ(wide.Canvas().Pixel(0, 1), clSilver);
  EXPECT_EQ(BlendBand(clSilver, clWhite, 128, 256), TColor(0xE0E0E0));
  // 100 rows: one band a row, near colour at the bottom; the brush is kept.
  TBitmap tall(3, 100);
  tall.Canvas().Brush().SetColor(clLime);
  FillGradient(tall.Canvas(), {0, 0, 3, 100}, clBlack, clBlue, false);
  EXPECT_EQ(tall.Canvas().Pixel(1, 99), clBlack);
  EXPECT_EQ(tall.Canvas().Pixel(1, 0), clBlue);
  EXPECT_EQ(tall.Canvas().Brush().Color(), clLime);
  // A single band takes the near colour; an empty rectangle draws nothing.
  EXPECT_EQ(BlendBand(clRed, clBlue, 0, 1), clRed);
  TBitmap untouched(4, 4);
  FillGradient(untouched.Canvas(), {2, 2, 2, 4}, clBlack, clBlack, true);
  EXPECT_EQ(untouched.Canvas().Pixel(2, 2), clWhite);
  EXPECT_EQ(DarkerColor(0x102030, 0x20), TColor(0x000010));
  EXPECT_EQ(LighterColor(clSilver, 0x50), clWhite);
}

}  // namespace
}  // namespace platform
