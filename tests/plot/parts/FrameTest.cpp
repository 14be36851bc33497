#include "RecordedCalls.h"

#include "plot/support/ColorShades.h"
#include "plot/support/DxfWriter.h"
#include "plot/support/GraphLibrary.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TRect;

struct TFrameFixture : TGraphFixture {
  TFrameFixture()
  {
    graph.PlotRect = {50, 20, 450, 320};
    graph.Color = platform::clWhite;
  }
  int UnitHeight()
  {
    platform::TCanvas& canvas = image.Canvas();
    const int size = canvas.Font().Size();
    canvas.Font().SetSize(1);
    const int h = canvas.TextHeight(QStringLiteral("a"));
    canvas.Font().SetSize(size);
    return h;
  }
};

TEST(GraphFrame, WidthsOfZeroOneAndTwo)
{
  {
    TFrameFixture f;
    f.graph.Frame->Width = 0;
    f.graph.Frame->Draw();
    const auto rects = Drawn(f.image, TCanvasOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].RectAt(0), f.graph.PlotRect);
    EXPECT_EQ(rects[0].State.Pen.Color, platform::clWhite);  // no outline of its own
    EXPECT_EQ(rects[0].State.Brush.Color, platform::clWhite);
  }
  {
    TFrameFixture f;
    f.graph.Frame->SetColor(platform::clBlue);
    f.graph.Frame->Draw();
    const auto rects = Drawn(f.image, TCanvasOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].State.Pen.Color, platform::clBlue);
    EXPECT_EQ(rects[0].State.Pen.Width, 1);
  }
  {
    TFrameFixture f;
    f.graph.Frame->Width = 2;
    const int w = 2 * f.UnitHeight();
    EXPECT_EQ(f.graph.Frame->GetPixelWidth(), w);
    f.graph.Frame->Draw();
    const auto rects = Drawn(f.image, TCanvasOp::Rectangle);
    ASSERT_EQ(rects.size(), 5u);
    const platform::TColor outline = DarkenColor(platform::clWhite, 128);  // the graph's own colour, darkened
    EXPECT_EQ(rects[0].State.Pen.Color, outline);
    EXPECT_EQ(rects[1].RectAt(0), (TRect{50 - w - 1, 20 - w - 1, 50, 320 + w}));
    EXPECT_EQ(rects[2].RectAt(0), (TRect{50 - w - 1, 320, 450 + w - 1, 320 + w}));
    EXPECT_EQ(rects[3].RectAt(0), (TRect{450, 20 - w - 1, 450 + w - 1, 320 + w}));
    EXPECT_EQ(rects[4].RectAt(0), (TRect{50, 20 - w - 1, 450 + w - 1, 20}));
    for (std::size_t i = 1; i < rects.size(); ++i)
      EXPECT_EQ(rects[i].State.Brush.Color, outline);
  }
}

TEST(GraphFrame, InvisibleFlatFrameStillFillsThePlotArea)
{
  TFrameFixture f;
  f.graph.Frame->Width = 3;
  f.graph.Frame->SetVisible(false);
  f.graph.Frame->Draw();
  const auto rects = Drawn(f.image, TCanvasOp::Rectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].State.Pen.Color, platform::clWhite);
}

TEST(GraphFrame, ThreeDimensionalViewDrawsWallsFloorAndBandsWhenInvisible)
{
  TFrameFixture f;
  f.graph.View3D = 0.1;
  f.graph.Depth = 40;
  f.graph.Frame->SetVisible(false);
  f.graph.Frame->SetColor(platform::clGray);
  f.graph.Frame->Draw();
  const auto rects = Drawn(f.image, TCanvasOp::Rectangle);
  const auto polygons = Drawn(f.image, TCanvasOp::Polygon);
  ASSERT_EQ(rects.size(), 3u);  // plot area, back wall, front left band
  EXPECT_EQ(rects[1].RectAt(0), (TRect{90, -20, 490, 280}));
  ASSERT_EQ(polygons.size(), 7u);
  EXPECT_EQ(polygons.back().State.Brush.Color, DarkenColor(platform::clWhite, 80));  // the floor
  EXPECT_EQ(polygons.back().Points.front(), (platform::TPoint{50, 320}));
}

TEST(GraphFrame, ColourFollowsTheGraphAndTheBlackAndWhiteRule)
{
  TFrameFixture f;
  f.graph.Color = platform::clYellow;
  EXPECT_EQ(f.graph.Frame->GetColor(), platform::clYellow);
  f.graph.Frame->SetColor(platform::clRed);
  EXPECT_EQ(f.graph.Frame->GetColor(), platform::clRed);
  GraphLibrary().PrintPreviewing = true;
  GraphLibrary().PrintColorMode = kPrintBlackAndWhite;
  EXPECT_EQ(f.graph.Frame->GetColor(), platform::clBlack);
  GraphLibrary().PrintPreviewing = false;
  GraphLibrary().PrintColorMode = kPrintColorFull;
}

}  // namespace
}  // namespace plot::test

namespace plot::test {
namespace {

TEST(GraphFrame, BackgroundFrameAndPictureStayOffTheCanvasWhileTheDxfWriterRecords)
{
  TFrameFixture f;
  f.graph.Gradient->Style = gsLeftRight;
  f.graph.Picture->PictureFileName = QStringLiteral("any.bmp");
  f.graph.Picture->SetVisible(true);
  {
    TDXFRecording recording(DXFWriter());
    f.graph.Paint();
  }
  EXPECT_TRUE(Drawn(f.image, TCanvasOp::Rectangle).empty());
  EXPECT_TRUE(Drawn(f.image, TCanvasOp::PatBlt).empty());
  EXPECT_TRUE(Drawn(f.image, TCanvasOp::DrawImage).empty());
}

}  // namespace
}  // namespace plot::test
