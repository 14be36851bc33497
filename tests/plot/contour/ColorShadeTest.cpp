#include "ContourFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace plot::test {
namespace {

TEST(ColorShade, CellsEndFlushWithThePlotArea)
{
  TGraphFixture f;
  const TSineGrid grid(5);
  TContour shade(f.graph, grid.x, grid.y, grid.z, 1, true, false);
  f.graph.PlotRect = {10, 10, 20, 20};
  f.image.Recording().Clear();
  shade.DrawColorShade();
  std::set<int> columns, rows;
  for (const auto& r : f.image.Recording().Records())
    if (r.Op == platform::TCanvasOp::FillRect) {
      columns.insert(r.Points[0].X);
      rows.insert(r.Points[0].Y);
      EXPECT_EQ(r.RectAt(0).Width(), 3);
    }
  EXPECT_EQ(columns, (std::set<int>{11, 14, 16}));
  EXPECT_EQ(rows, (std::set<int>{11, 14, 16}));
  EXPECT_EQ(f.graph.PlotRect, (platform::TRect{10, 10, 20, 20}));

  shade.Quality = 0;  // a cell size below one pixel is taken as one
  f.image.Recording().Clear();
  shade.DrawColorShade();
  EXPECT_EQ(f.image.Recording().Records().size() > 0, true);
}

// sin(x) * cos(y) on 41 x 41 nodes as a colour shade, saved to be looked at.
TEST(ColorShade, SineCosinePicture)
{
  TPictureGraph picture(480, 400);
  TGraph& graph = picture.graph;
  const TSineGrid grid(41);
  graph.AddLayer(std::make_unique<TContour>(graph, grid.x, grid.y, grid.z, 1, true, false));
  graph.Paint();
  ASSERT_TRUE(picture.Save("contour-shade.png"));
  const QImage& image = picture.image.Image();
  // The maximum (x = pi/2, y = 0) is red, the minimum (x = -pi/2, y = 0) blue.
  const QColor high = image.pixelColor(graph.XToScreen(M_PI / 2), graph.YToScreen(0));
  const QColor low = image.pixelColor(graph.XToScreen(-M_PI / 2), graph.YToScreen(0));
  EXPECT_GT(high.red(), high.blue());
  EXPECT_GT(low.blue(), low.red());
}

}  // namespace
}  // namespace plot::test
