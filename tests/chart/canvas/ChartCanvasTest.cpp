#include "ChartCanvasFixture.h"

#include "chart/canvas/ChartColors.h"
#include "chart/canvas/ChartPen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace chart {
namespace {

using platform::TCanvasOp;
using platform::TCanvasRecord;
using testing::TChartPicture;
using testing::TImagePicture;

std::vector<const TCanvasRecord*> Drawn(const platform::TRecordingCanvas& canvas, TCanvasOp op)
{
  std::vector<const TCanvasRecord*> found;
  for (const auto& r : canvas.Records())
    if (r.Op == op)
      found.push_back(&r);
  return found;
}

TEST(ChartPens, KindsNotifyAndApply)
{
  int changes = 0;
  TChartPen pen([&changes] { ++changes; });
  pen.SetSmallDots(true);
  pen.SetSmallDots(true);
  pen.SetVisible(false);
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(TChartHiddenPen().Visible());
  EXPECT_EQ(TDottedGrayPen().Color(), platform::clGray);
  EXPECT_EQ(TDottedGrayPen().Style(), platform::TPenStyle::psDot);
  EXPECT_EQ(TDarkGrayPen().Color(), platform::clGray);
  EXPECT_EQ(TChartAxisPen().Width(), 2);
  EXPECT_EQ(TChartArrowPen().Color(), platform::clWhite);
  TChartPen copy;
  copy.Assign(pen);
  EXPECT_TRUE(copy.SmallDots());
  EXPECT_FALSE(copy.Visible());

  platform::TRecordingCanvas target;
  TTeeCanvas3D canvas;
  canvas.SetTargetCanvas(target);
  canvas.ApplyChartPen(copy);
  EXPECT_EQ(target.Pen().Style(), platform::TPenStyle::psClear);
  TChartPen dots;
  dots.SetColor(platform::clBtnShadow);
  dots.SetSmallDots(true);
  canvas.ApplyChartPen(dots);
  EXPECT_EQ(target.Pen().Style(), platform::TPenStyle::psAlternate);
  EXPECT_EQ(target.Pen().Color(), platform::ColorToRGB(platform::clBtnShadow));
  canvas.ApplyChartPen(TChartAxisPen());
  EXPECT_EQ(target.Pen().Style(), platform::TPenStyle::psSolid);
  EXPECT_EQ(target.Pen().Width(), 2);
  canvas.ResetState();
  EXPECT_EQ(target.Pen().Width(), 1);
  EXPECT_EQ(target.Font().Size(), 10);
  EXPECT_EQ(target.BkMode(), platform::TBkMode::bmTransparent);
}

TEST(ChartView3D, SettersNotifyInOrder)
{
  std::vector<std::string> events;
  TView3DOptions view([&] { events.push_back("invalidate"); });
  view.OnScrolled = [&](bool horizontal) { events.push_back(horizontal ? "scrolled h" : "scrolled v"); };
  view.OnZoomChanged = [&](int zoom) { events.push_back("zoom " + std::to_string(zoom) + " over " + std::to_string(view.Zoom())); };
  view.SetZoom(120);
  view.SetHorizOffset(5);
  view.SetVertOffset(-3);
  view.SetRotation(345);  // unchanged: nothing
  view.SetTilt(-400);     // no range check
  EXPECT_EQ(events, (std::vector<std::string>{"zoom 120 over 100", "invalidate", "invalidate", "scrolled h",
                                              "invalidate", "scrolled v", "invalidate"}));
  events.clear();
  TView3DOptions other;
  other.Assign(view);
  view.Assign(TView3DOptions());
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(other.Zoom(), 120);
  EXPECT_EQ(other.Tilt(), -400);
  EXPECT_EQ(view.Tilt(), 0);
}

TEST(ChartGradient, BandsFromTheBottomWithoutWrapping)
{
  QImage image(10, 600, QImage::Format_RGB32);
  platform::TImageCanvas target(image);
  TTeeCanvas3D canvas;
  canvas.SetTargetCanvas(target);
  canvas.GradientFill({0, 0, 10, 600}, platform::RGB(200, 0, 0), platform::RGB(100, 0, 255), TGradientDirection::gdTopBottom);
  auto red = [&](int y) { return qRed(image.pixel(5, y)); };
  auto blue = [&](int y) { return qBlue(image.pixel(5, y)); };
  EXPECT_EQ(red(599), 200);  // band 0 at the bottom: the start colour
  EXPECT_EQ(red(298), 150);  // band 128 covers rows 298..299
  EXPECT_EQ(red(0), 100);
  EXPECT_EQ(blue(0), 255);
  // Falling components used to wrap around 256 (band 128 was red 22).
  for (int y = 1; y < 600; ++y)
    EXPECT_GE(red(y), red(y - 1)) << y;
  EXPECT_EQ(canvas.ReferenceCanvas().Brush().Color(), platform::clWhite);  // the caller's brush is back

  // One band: the start colour, not a component wrapped by a division by zero.
  QImage line(10, 1, QImage::Format_RGB32);
  platform::TImageCanvas lineTarget(line);
  canvas.SetTargetCanvas(lineTarget);
  canvas.GradientFill({0, 0, 10, 1}, platform::RGB(0, 10, 20), platform::RGB(255, 255, 255), TGradientDirection::gdTopBottom);
  EXPECT_EQ(line.pixel(3, 0), qRgb(0, 10, 20));
}

TEST(ChartGradient, BandCountsAndDirections)
{
  platform::TRecordingCanvas target;
  TTeeCanvas3D canvas;
  canvas.SetTargetCanvas(target);
  auto fills = [&](TRect r, TGradientDirection d) {
    target.Clear();
    canvas.GradientFill(r, platform::clBlack, platform::clWhite, d);
    return Drawn(target, TCanvasOp::FillRect);
  };
  EXPECT_EQ(fills({0, 0, 50, 600}, TGradientDirection::gdTopBottom).size(), 256u);
  EXPECT_EQ(fills({0, 100, 50, 0}, TGradientDirection::gdBottomTop).size(), 100u);  // normalised
  const auto columns = fills({0, 0, 40, 10}, TGradientDirection::gdLeftRight);
  ASSERT_EQ(columns.size(), 40u);
  EXPECT_EQ(columns.front()->RectAt(0), (TRect{39, 0, 40, 10}));  // start colour at the right
  EXPECT_EQ(columns.front()->State.Brush.Color, platform::clBlack);
  const auto rings = fills({0, 0, 20, 10}, TGradientDirection::gdFromCenter);
  EXPECT_EQ(rings.front()->State.Brush.Color, platform::clBlack);
  EXPECT_FALSE(fills({0, 0, 20, 10}, TGradientDirection::gdFromTopLeft).empty());
  EXPECT_FALSE(fills({0, 0, 20, 10}, TGradientDirection::gdFromBottomLeft).empty());
}

TEST(ChartCanvasBuffer, DrawsOnceAndRepaintsFromTheBitmap)
{
  QImage screen(200, 100, QImage::Format_RGB32);
  screen.fill(Qt::white);
  platform::TImageCanvas window(screen);
  TTeeCanvas3D canvas;
  canvas.SetTargetCanvas(window);
  TView3DOptions view;
  const TRect drawn = canvas.BeginDrawing(window, &view, platform::clWhite, false, {20, 10, 120, 60});
  EXPECT_EQ(drawn, (TRect{0, 0, 100, 50}));
  EXPECT_FALSE(canvas.RepaintFromBuffer());  // dirty until the picture ends
  canvas.ReferenceCanvas().Brush().SetColor(platform::clRed);
  canvas.FillRectangle(drawn);
  canvas.EndDrawing(window, window, {20, 10, 120, 60});
  EXPECT_EQ(screen.pixel(20, 10), qRgb(255, 0, 0));
  EXPECT_EQ(screen.pixel(19, 10), qRgb(255, 255, 255));
  screen.fill(Qt::white);
  EXPECT_TRUE(canvas.RepaintFromBuffer());
  EXPECT_EQ(screen.pixel(0, 0), qRgb(255, 0, 0));
  canvas.MarkDirty();
  EXPECT_FALSE(canvas.RepaintFromBuffer());
  canvas.SetBuffered(false);
  EXPECT_EQ(canvas.Buffer(), nullptr);
  EXPECT_FALSE(canvas.RepaintFromBuffer());

  int invalidated = 0;
  TView3DOptions owned([&invalidated] { ++invalidated; });
  canvas.SetBuffered(true);
  canvas.BeginDrawing(window, &owned, platform::clWhite, false, {0, 0, 10, 10});
  canvas.EndDrawing(window, window, {0, 0, 10, 10});
  canvas.SetMonochromeFlag(true);
  EXPECT_EQ(invalidated, 1);
  EXPECT_EQ(canvas.Buffer(), nullptr);
  EXPECT_TRUE(canvas.IsDirty());
}

TEST(ChartCanvasText, RotatedAndZoomedText)
{
  platform::TRecordingCanvas target;
  TChartPicture<platform::TRecordingCanvas> picture(target);
  picture.View.SetZoom(10);
  picture.Begin();
  target.Font().SetSize(8);
  picture.Chart.RotatedText(50, 60, "up", 450);
  picture.Chart.WriteText3D(10, 10, 0, "tiny");
  picture.View.SetZoomText(false);
  picture.Begin();
  picture.Chart.RotatedText3D(10, 10, 0, "plain", 90);
  const auto texts = Drawn(target, TCanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0]->State.Font.Escapement, 900);  // 450 degrees turn by 90
  EXPECT_EQ(texts[0]->State.Brush.Style, platform::TBrushStyle::bsClear);
  EXPECT_EQ(texts[0]->State.Font.Height, -1);  // 8 points at 10 %: size 1, never below
  EXPECT_EQ(texts[1]->State.Font.Height, -1);
  EXPECT_EQ(texts[2]->State.Font.Height, -11);
  EXPECT_EQ(texts[2]->State.Font.Escapement, 900);
  EXPECT_EQ(target.Font().Escapement(), 0);  // the font is put back
  EXPECT_EQ(target.Font().Size(), 8);
}

TEST(ChartCanvasShapes, QuadsEllipsesAndClips)
{
  platform::TRecordingCanvas target;
  TChartPicture<platform::TRecordingCanvas> picture(target);
  picture.Begin();
  picture.Chart.QuadBetweenDepths3D({TPoint{10, 10}, {20, 10}, {20, 20}, {10, 20}}, 0, 5);
  picture.Chart.DepthRectangleX(10, 0, 10, 0, 5);
  picture.Chart.Ellipse3D(0, 0, 40, 20, 10);
  picture.Chart.ClipBox3D({0, 0, 100, 50}, 0, 20);
  picture.Begin(false);
  picture.Chart.Ellipse3D(0, 0, 40, 20, 10);
  picture.Chart.ClipBox3D({0, 0, 100, 50}, 0, 20);
  EXPECT_EQ(target.Calls(), (std::vector<std::string>{
                                "Polygon(10,10,20,10,25,15,15,15)", "Polygon(10,0,15,-5,15,5,10,10)",
                                "Ellipse(10,-10,50,10)", "Ellipse(0,0,41,21)"}));
  const auto clips = Drawn(target, TCanvasOp::SelectClipRegion);
  EXPECT_EQ(clips.size(), 1u);
  EXPECT_EQ(Drawn(target, TCanvasOp::SetClipRect).at(0)->RectAt(0), (TRect{1, 1, 100, 49}));

  target.Clear();
  picture.View.SetOrthogonal(false);
  picture.Begin();
  target.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  picture.Chart.Ellipse3D(0, 0, 40, 20, 10);
  EXPECT_EQ(Drawn(target, TCanvasOp::Polygon).size(), 31u);  // the fan
  EXPECT_EQ(Drawn(target, TCanvasOp::Polyline).size(), 1u);
  EXPECT_EQ(Drawn(target, TCanvasOp::Polygon).front()->State.Pen.Style, platform::TPenStyle::psClear);
  EXPECT_EQ(target.Pen().Style(), platform::TPenStyle::psSolid);
}

TEST(ChartColors, DarkenLowersEachComponentToZero)
{
  EXPECT_EQ(DarkenChartColor(platform::clSilver, 128), 0x404040u);
  EXPECT_EQ(DarkenChartColor(platform::clSilver, 64), 0x808080u);
  EXPECT_EQ(DarkenChartColor(0x102030, 0x20), 0x000010u);
  EXPECT_EQ(DarkenChartColor(platform::clBtnFace, 0), platform::ColorToRGB(platform::clBtnFace));
}

}  // namespace
}  // namespace chart

#include "chart/canvas/CanvasHelpers.h"

namespace chart {
namespace {

TEST(ChartCanvasHelpers, CentresRoundTowardsZero)
{
  EXPECT_EQ(RectCenter({0, 0, 5, 7}), (TPoint{2, 3}));
  EXPECT_EQ(RectCenter({-5, -7, 0, 0}), (TPoint{-2, -3}));
  EXPECT_EQ(RectCenter({2000000000, 2000000000, 2100000000, 2100000000}), (TPoint{2050000000, 2050000000}));
  double s = 0, c = 0;
  SinCos(0, s, c);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(c, 1);
}

}  // namespace
}  // namespace chart
