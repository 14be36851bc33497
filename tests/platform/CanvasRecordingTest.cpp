#include "platform/Bitmap.h"
#include "platform/CanvasRecording.h"
#include "platform/Metafile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>

namespace platform {
namespace {

// A drawing that uses most of what a canvas offers.
void DrawScene(TCanvas& c, const TBitmap& sprite)
{
  c.Brush().SetColor(clSilver);
  c.FillRect({0, 0, 120, 90});
  c.Pen().SetColor(clNavy);
  c.Pen().SetWidth(3);
  c.MoveTo(5, 5);
  c.LineTo(110, 40);
  c.Pen().SetWidth(1);
  c.Pen().SetStyle(TPenStyle::psDot);
  c.Brush().SetStyle(TBrushStyle::bsDiagCross);
  c.Brush().SetColor(clRed);
  const TPoint tri[] = {{10, 80}, {60, 20}, {100, 85}, {30, 50}};
  c.Polygon(tri);
  c.Pen().SetStyle(TPenStyle::psSolid);
  c.Brush().SetColor(clLime);
  c.Ellipse(60, 50, 115, 88);
  c.Pie(5, 5, 50, 50, 50, 25, 25, 0);
  c.RoundRect(70, 5, 115, 30, 10, 10);
  c.SaveState();
  c.SetClipRect({0, 0, 60, 60});
  c.Font().SetName("Times New Roman");
  c.Font().SetSize(12);
  c.Font().SetColor(clMaroon);
  c.SetTextAlign(TA_BASELINE | TA_CENTER);
  c.TextOut(40, 45, "Vexal");
  c.RestoreState();
  c.Font().SetEscapement(450);
  c.TextOut(80, 80, "45");
  c.Draw(2, 60, sprite);
  c.Pen().SetMode(TPenMode::pmXor);
  c.Pen().SetColor(clWhite);
  c.MoveTo(0, 89);
  c.LineTo(119, 0);
  c.SetPixel(119, 89, clFuchsia);
}

TBitmap Sprite()
{
  TBitmap sprite(8, 8);
  sprite.Canvas().Brush().SetColor(clBlue);
  sprite.Canvas().Ellipse(0, 0, 8, 8);
  return sprite;
}

TEST(CanvasRecording, ReplayOnAnImageEqualsDrawingDirectly)
{
  const TBitmap sprite = Sprite();
  TBitmap direct(120, 90);
  DrawScene(direct.Canvas(), sprite);

  TRecordingCanvas recorder;
  DrawScene(recorder, sprite);
  TBitmap replayed(120, 90);
  replayed.Canvas().Play(recorder.Records(), {0, 0, 120, 90}, {0, 0, 120, 90});
  EXPECT_TRUE(direct.Image() == replayed.Image());

  // Through a metafile as well, and the target canvas keeps its own state.
  TMetafile meta;
  meta.SetSize(120, 90);
  {
    TMetafileCanvas mc(meta);
    DrawScene(mc, sprite);
  }
  TBitmap fromMeta(120, 90);
  fromMeta.Canvas().Pen().SetColor(clGreen);
  fromMeta.Canvas().Draw(0, 0, meta);
  EXPECT_TRUE(direct.Image() == fromMeta.Image());
  EXPECT_EQ(fromMeta.Canvas().Pen().Color(), clGreen);
  EXPECT_FALSE(fromMeta.Canvas().IsClipped());
}

TEST(CanvasRecording, KeepsCallsInOrderWithTheirGeometry)
{
  TRecordingCanvas c;
  c.Rectangle(0, 0, 10, 10);
  c.MoveTo(1, 2);
  c.LineTo(3, 4);
  c.TextOut(5, 6, "x");
  const std::vector<std::string> expected = {"Rectangle(0,0,10,10)", "LineTo(1,2,3,4)", "TextOut(5,6,\"x\")"};
  EXPECT_EQ(c.Calls(), expected);
  EXPECT_EQ(c.Records()[0].State.Pen.Color, clBlack);
}

TEST(CanvasRecording, StretchedPlaybackScalesAndClipsToTheTarget)
{
  TRecordingCanvas r;
  r.Brush().SetColor(clRed);
  r.Pen().SetStyle(TPenStyle::psClear);
  r.Rectangle(0, 0, 11, 11);  // fills 0..9
  TBitmap b(40, 40);
  b.Canvas().SetClipRect({0, 0, 30, 30});
  b.Canvas().Play(r.Records(), {0, 0, 10, 10}, {0, 0, 40, 40});
  EXPECT_EQ(b.Canvas().Pixel(25, 25), clRed);
  b.Canvas().RemoveClipping();
  EXPECT_EQ(b.Canvas().Pixel(35, 35), clWhite);
}

TEST(CanvasRecording, ClipRegionsHideDrawingOutside)
{
  TBitmap b(30, 30);
  const TPoint diamond[] = {{15, 0}, {30, 15}, {15, 30}, {0, 15}};
  b.Canvas().SelectClipRegion(TRegion::Polygon(diamond));
  b.Canvas().Brush().SetColor(clBlack);
  b.Canvas().FillRect({0, 0, 30, 30});
  EXPECT_EQ(b.Canvas().Pixel(15, 15), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clNone);  // outside the clip
  b.Canvas().RemoveClipping();
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clWhite);
  EXPECT_EQ(b.Canvas().ClipBox(), (TRect{0, 0, 30, 30}));
  b.Canvas().IntersectClipRect({5, 5, 20, 20});
  b.Canvas().IntersectClipRect({10, 0, 30, 12});
  EXPECT_EQ(b.Canvas().ClipBox(), (TRect{10, 5, 20, 12}));
}

TEST(CanvasRecording, HugeCoordinatesSaturateWithoutHarm)
{
  // Each call reaches far beyond the bitmap; what falls on it is drawn, nothing else changes.
  struct Case {
    const char* call;
    std::function<void(TCanvas&)> draw;
    TPoint drawn;      // a pixel the call covers (x -1: none)
    TColor color;
    TPoint untouched;  // a pixel it leaves white
  };
  const Case cases[] = {
      {"diagonal line", [](TCanvas& c) { c.MoveTo(INT_MIN, INT_MIN); c.LineTo(INT_MAX, INT_MAX); }, {10, 10}, clBlack,
       {10, 3}},
      {"rectangle across", [](TCanvas& c) { c.Rectangle(INT_MIN, 5, INT_MAX, 7); }, {10, 5}, clBlack, {10, 9}},
      {"ellipse around", [](TCanvas& c) { c.Brush().SetColor(clRed); c.Ellipse(-2000000000, -2000000000, 2000000000,
                                                                          2000000000); },
       {10, 10}, clRed, {-1, -1}},
      {"text far away", [](TCanvas& c) { c.TextOut(INT_MAX, INT_MIN, "x"); }, {-1, -1}, clWhite, {10, 10}},
      {"mapping to the largest extent", [](TCanvas& c) {
         c.SetMapping({0, 0, 1, 1}, {0, 0, INT_MAX, INT_MAX});
         c.MoveTo(0, 0);
         c.LineTo(1000, 1000);
       },
       {10, 10}, clBlack, {-1, -1}},  // the pen's width grows with the mapping too
      {"empty mapping", [](TCanvas& c) { c.SetMapping({0, 0, 0, 0}, {0, 0, 10, 10}); c.LineTo(3, 3); }, {-1, -1},
       clWhite, {19, 19}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    TBitmap b(20, 20);
    c.draw(b.Canvas());
    b.Canvas().SetMapping({0, 0, 20, 20}, {0, 0, 20, 20});  // pixels are read one to one
    if (c.drawn.X >= 0) {
      EXPECT_EQ(b.Canvas().Pixel(c.drawn.X, c.drawn.Y), c.color);
    }
    if (c.untouched.X >= 0) {
      EXPECT_EQ(b.Canvas().Pixel(c.untouched.X, c.untouched.Y), clWhite);
    }
    // The canvas goes on drawing as usual afterwards.
    b.Canvas().SetPixel(19, 19, clBlue);
    EXPECT_EQ(b.Canvas().Pixel(19, 19), clBlue);
  }
}

}  // namespace
}  // namespace platform
