// Placement and drawing of cell pictures, and a sheet of drawn cell texts and pictures to look at.
#include "grid/paint/CellPicture.h"
#include "grid/paint/CellText.h"

#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace grid {
namespace {

using platform::TRect;

TEST(CellPicture, PlacementCropsShrinksStretchesAndKeepsTheRatio)
{
  struct Case {
    const char* name;
    int pictureWidth, pictureHeight;
    bool keepProportions, shrink, stretch, center;
    TRect source, target;
  };
  const TRect cell{10, 20, 50, 40};  // 40 x 20
  const Case cases[] = {
      {"small, as it is", 10, 8, false, false, false, false, {0, 0, 10, 8}, {10, 20, 20, 28}},
      {"small, centred", 10, 8, false, false, false, true, {0, 0, 10, 8}, {25, 26, 35, 34}},
      {"small, stretched", 10, 8, false, false, true, false, {0, 0, 10, 8}, {10, 20, 50, 40}},
      {"large, cropped", 100, 60, false, false, false, false, {0, 0, 40, 20}, {10, 20, 50, 40}},
      {"large, cropped centrally", 100, 60, false, false, false, true, {30, 20, 70, 40}, {10, 20, 50, 40}},
      {"large, shrunk", 100, 60, false, true, false, false, {0, 0, 100, 60}, {10, 20, 50, 40}},
      {"ratio, shrunk, wide cell", 100, 100, true, true, false, true, {0, 0, 100, 100}, {20, 20, 40, 40}},
      {"ratio, shrunk, high picture", 20, 100, true, true, false, false, {0, 0, 20, 100}, {10, 20, 14, 40}},
      {"ratio, stretched", 10, 4, true, false, true, false, {0, 0, 10, 4}, {10, 20, 50, 36}},
      {"ratio, small stays", 10, 4, true, false, false, true, {0, 0, 10, 4}, {25, 28, 35, 32}},
  };
  for (const Case& c : cases) {
    const TtsPicturePlacement p =
        PlacePicture(cell, c.pictureWidth, c.pictureHeight, c.keepProportions, c.shrink, c.stretch, c.center);
    EXPECT_EQ(p.Source, c.source) << c.name;
    EXPECT_EQ(p.Target, c.target) << c.name;
  }
  // Nothing to place: no division by a zero side.
  EXPECT_TRUE(PlacePicture(cell, 0, 10, true, true, true, true).Target.IsEmpty());
  EXPECT_TRUE(PlacePicture(TRect{5, 5, 5, 9}, 10, 10, true, true, true, true).Target.IsEmpty());
}

platform::TBitmap TwoColourPicture()
{
  platform::TBitmap picture(4, 4);
  picture.Canvas().Brush().SetColor(platform::clRed);
  picture.Canvas().FillRect({0, 0, 4, 4});
  picture.Canvas().Brush().SetColor(platform::clLime);
  picture.Canvas().FillRect({1, 1, 3, 3});
  return picture;
}

TEST(CellPicture, DrawingFillsTheCellAndLeavesTheTransparentColourOut)
{
  const platform::TBitmap picture = TwoColourPicture();
  platform::TBitmap sheet(20, 10);
  platform::TCanvas& canvas = sheet.Canvas();
  canvas.Brush().SetColor(platform::clBlue);
  DrawPicture(canvas, {0, 0, 10, 10}, &picture, false, false, false, false);
  EXPECT_EQ(canvas.Pixel(0, 0), platform::clRed);
  EXPECT_EQ(canvas.Pixel(2, 2), platform::clLime);
  EXPECT_EQ(canvas.Pixel(5, 5), platform::clBlue);  // the rest of the cell in the brush
  EXPECT_EQ(canvas.Pixel(15, 5), platform::clWhite);  // nothing outside it

  DrawPicture(canvas, {10, 0, 20, 10}, &picture, false, false, false, false, platform::clRed);
  EXPECT_EQ(canvas.Pixel(10, 0), platform::clBlue);
  EXPECT_EQ(canvas.Pixel(12, 2), platform::clLime);

  DrawPicture(canvas, {0, 0, 10, 10}, nullptr, false, false, false, false);
  EXPECT_EQ(canvas.Pixel(2, 2), platform::clBlue);  // no picture: only filled
}

// A sheet of cells: every alignment with and without wrap, short and tall cells, and pictures.
TEST(CellPicture, SheetOfCellsIsWrittenAsAPicture)
{
  constexpr int cellWidth = 90;
  constexpr int tall = 56;
  constexpr int low = 14;  // below a line and a third: never wraps
  platform::TBitmap sheet(3 * 3 * (cellWidth + 1) + 1, 2 * (tall + 1) + low + 2 + 40);
  platform::TCanvas& canvas = sheet.Canvas();
  canvas.Font().SetName("Arial");
  canvas.Font().SetSize(8);
  canvas.Brush().SetColor(platform::clSilver);
  canvas.FillRect({0, 0, sheet.Width(), sheet.Height()});
  const std::string text = "Wrapped text in a cell, with a verylongwordthatbreaks.";
  const TtsHorzAlignment across[] = {htaLeft, htaCenter, htaRight};
  const TtsVertAlignment down[] = {vtaTop, vtaCenter, vtaBottom};
  int column = 0;
  for (TtsVertAlignment v : down)
    for (TtsHorzAlignment h : across) {
      const int left = 1 + column++ * (cellWidth + 1);
      canvas.Brush().SetColor(platform::clWhite);
      const TRect wrapped{left, 1, left + cellWidth, 1 + tall};
      DrawCellText(canvas, text, tall, 1, true, v, h, wrapped.Top + 2, wrapped.Left + 2, wrapped);
      const TRect unwrapped{left, tall + 2, left + cellWidth, tall + 2 + tall};
      DrawCellText(canvas, "One\r\nline", tall, 0, false, v, h, unwrapped.Top + 2, unwrapped.Left + 2, unwrapped);
      const TRect lowCell{left, 2 * tall + 3, left + cellWidth, 2 * tall + 3 + low};
      DrawCellText(canvas, text, low, 0, true, v, h, lowCell.Top + 2, lowCell.Left + 2, lowCell);
    }
  platform::TBitmap picture(24, 16);
  picture.Canvas().Brush().SetColor(platform::clNavy);
  picture.Canvas().FillRect({0, 0, 24, 16});
  picture.Canvas().Brush().SetColor(platform::clYellow);
  picture.Canvas().Ellipse(2, 2, 22, 14);
  const int top = 2 * tall + low + 4;
  canvas.Brush().SetColor(platform::clWhite);
  DrawPicture(canvas, {1, top, 1 + cellWidth, top + 36}, &picture, false, false, false, true);
  DrawPicture(canvas, {cellWidth + 2, top, 2 * cellWidth + 2, top + 36}, &picture, true, true, true, true);
  DrawPicture(canvas, {2 * cellWidth + 3, top, 3 * cellWidth + 3, top + 36}, &picture, false, true, true, false);
  DrawPicture(canvas, {3 * cellWidth + 4, top, 3 * cellWidth + 24, top + 10}, &picture, false, false, false, true);
  DrawPicture(canvas, {4 * cellWidth + 5, top, 5 * cellWidth + 5, top + 36}, &picture, true, true, true, true,
              platform::clNavy);
  sheet.SaveToFile(VEXAL_TEST_OUTPUT_DIR "CellTextSheet.png");
  EXPECT_EQ(canvas.Pixel(0, 0), platform::clSilver);  // the lines between cells stay
}

}  // namespace
}  // namespace grid
