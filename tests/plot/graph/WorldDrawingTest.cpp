#include "GraphDoubles.h"

#include "plot/support/Polygons.h"
#include "plot/support/SegmentClip.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TPoint;

TEST(SegmentClip, CutsToTheRange)
{
  const TFloatRect r{0, 0, 10, 10};
  struct TCase {
    const char* what;
    TSegment in;
    bool drawn;
    TSegment out;
  };
  const TCase cases[] = {
      {"one edge crossed: the inside end stays", {5, 5, 15, 5}, true, {5, 5, 10, 5}},
      {"one edge crossed from outside", {-5, 5, 5, 5}, true, {0, 5, 5, 5}},
      {"two edges: reversed", {-5, 5, 15, 5}, true, {10, 5, 0, 5}},
      {"wholly outside", {11, 11, 15, 15}, false, {}},
      {"along the lower edge: only the crossed edges cut", {-5, 0, 5, 0}, true, {0, 0, 5, 0}},
      {"through a corner: one point", {-5, 15, 5, 5}, true, {0, 10, 5, 5}},
  };
  for (const TCase& c : cases) {
    double x1 = c.in.Left, y1 = c.in.Top, x2 = c.in.Right, y2 = c.in.Bottom;
    EXPECT_EQ(ClipSegmentToRange(x1, y1, x2, y2, r), c.drawn) << c.what;
    if (c.drawn) {
      EXPECT_EQ((TSegment{x1, y1, x2, y2}), c.out) << c.what;
    }
  }
  TFloatPoint p;
  EXPECT_FALSE(IntersectSegments({0, 0, 1, 1}, {0, 1, 1, 2}, p));  // parallel
  EXPECT_TRUE(IntersectSegments({0, 0, 2, 2}, {0, 2, 2, 0}, p));
  EXPECT_EQ(p, (TFloatPoint{1, 1}));
}

struct TDrawFixture : TGraphFixture {
  TDrawFixture()
  {
    AddSeries("s", PointsXY({{0, 0}, {10, 10}}));
    graph.SetClipMarkers(true);
    graph.UpdateTransform();
    image.Recording().Clear();
  }
  std::vector<platform::TCanvasRecord> Drawn()
  {
    std::vector<platform::TCanvasRecord> drawn;
    for (const auto& r : image.Recording().Records())
      if (r.IsDrawing())
        drawn.push_back(r);
    return drawn;
  }
};

TEST(WorldDrawing, LinesAreClippedAndAPointIsAPixel)
{
  TDrawFixture f;
  TGraph& g = f.graph;
  g.DrawLine(5, 5, 20, 5);
  auto drawn = f.Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Points[0], (TPoint{g.XToScreen(5), g.YToScreen(5)}));
  EXPECT_EQ(drawn[0].Points[1], (TPoint{g.XToScreen(10), g.YToScreen(5)}));

  f.image.Recording().Clear();
  g.DrawLine(20, 20, 30, 30);
  g.DrawLine(5, 5, 5.0000001, 5);
  drawn = f.Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Op, TCanvasOp::SetPixel);

  // On a logarithmic axis zero is drawn at the smallest logarithm.
  g.XAxis->SetLog(true);
  g.UpdateTransform();  // the data's zero takes the range down to 1e-10
  ASSERT_EQ(g.Range.Left, -10);
  f.image.Recording().Clear();
  g.DrawLine(0, 5, 10, 5);
  drawn = f.Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Points[0].X, g.XToScreen(1e-10));
}

TEST(WorldDrawing, BarsAreClampedOrLeftOut)
{
  TDrawFixture f;
  TGraph& g = f.graph;
  g.DrawBar({-5, -5, 15, 15}, false);
  auto drawn = f.Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].RectAt(0), (platform::TRect{g.XToScreen(0), g.YToScreen(10), g.XToScreen(10) + 1, g.YToScreen(0) + 1}));

  f.image.Recording().Clear();
  g.DrawBar({-5, 0, -2, 5}, false);  // more than a pixel left of the range
  g.DrawBar({2, 5, 3, 5}, true);     // shaded without height
  g.DrawRectangle({2, 20, 3, 30});   // above the range
  EXPECT_TRUE(f.Drawn().empty());

  g.DrawBar({2, 0, 3, 5}, true);
  EXPECT_FALSE(f.Drawn().empty());
}

// Polygons of any length are drawn (an f(x) series has up to 16001 points).
TEST(WorldDrawing, PolygonsOfAnyLength)
{
  TDrawFixture f;
  TPoly empty;
  f.graph.DrawPolygon(empty);
  EXPECT_TRUE(f.Drawn().empty());
  TPoly poly;
  for (int i = 0; i <= 16000; ++i)
    poly.Add(i / 1600.0, 5 + std::sin(i / 100.0));
  f.graph.DrawPolygon(poly);
  const auto drawn = f.Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Points.size(), 16001u);
}

TEST(WorldDrawing, DepthFaceWithoutDepthIsItsOutline)
{
  TDrawFixture f;
  f.graph.DrawLine3D(2, 2, 8, 8);
  const auto drawn = f.Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Op, TCanvasOp::Polygon);
  EXPECT_EQ(drawn[0].Points[0], drawn[0].Points[1]);
  const platform::TRect box = f.graph.WorldRectToPixels({2, 2, 8, 8});
  EXPECT_LT(box.Left, box.Right);
  EXPECT_LT(box.Top, box.Bottom);
}

}  // namespace
}  // namespace plot::test
