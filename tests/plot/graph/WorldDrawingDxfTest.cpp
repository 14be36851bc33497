#include "GraphDoubles.h"

#include "plot/support/DxfWriter.h"
#include "plot/support/Polygons.h"

#include <gtest/gtest.h>

namespace plot::test {
namespace {

// A graph whose world drawing goes to the DXF writer.
struct TDxfFixture : TGraphFixture {
  TDxfFixture() : series(AddSeries(QStringLiteral("my series"), PointsXY({{0, 0}, {10, 10}})))
  {
    graph.UpdateTransform();
    graph.ActiveLayer = &series;
    graph.Canvas->Pen().SetColor(platform::clRed);
    graph.Canvas->Brush().SetColor(platform::clBlue);
    image.Recording().Clear();
  }
  bool CanvasDrew() const
  {
    for (const auto& r : image.Recording().Records())
      if (r.IsDrawing())
        return true;
    return false;
  }
  QList<QByteArray> Lines() const
  {
    QList<QByteArray> lines = DXFWriter().Output().split('\n');
    lines.removeLast();
    return lines;
  }
  TTestSeries& series;
  TDXFRecording recording{DXFWriter()};
};

TEST(WorldDrawingDxf, LinesGoToTheWriterUnclipped)
{
  TDxfFixture f;
  f.graph.DrawLine(1, 2, 30, 4.5);  // beyond the range: written as given
  f.graph.DrawLine3D(5, 6, 7, 8);
  f.graph.DrawBarSide3D(5, 6, 7, 8);  // no mirror
  EXPECT_FALSE(f.CanvasDrew());
  const QList<QByteArray> lines = f.Lines();
  ASSERT_EQ(lines.size(), 36);
  EXPECT_EQ(lines.mid(0, 18),
            (QList<QByteArray>{"0", "LINE", "8", "MY_SERIES", " 62", "     1", "10", "1.0000", "20", "2.0000", "30",
                               "0.0", "11", "30.0000", "21", "4.5000", "31", "0.0"}));
  EXPECT_EQ(lines.mid(18, 8), (QList<QByteArray>{"0", "LINE", "8", "MY_SERIES", " 62", "     1", "10", "5.0000"}));

  f.graph.ActiveLayer = nullptr;
  DXFWriter().ClearOutput();
  f.graph.DrawLine(1, 2, 3, 4);
  EXPECT_EQ(f.Lines().at(3), "0");  // no active layer: layer "0"
}

TEST(WorldDrawingDxf, RectanglesPolygonsSolidsAndCircles)
{
  TDxfFixture f;
  TGraph& g = f.graph;
  g.DrawRectangle({1, 2, 3, 4});
  g.DrawBar({-100, 2, 300, 4}, true);  // not clamped
  EXPECT_EQ(f.Lines().size(), 8 * 18);
  EXPECT_TRUE(DXFWriter().Output().contains("\n11\n300.0000\n"));

  DXFWriter().ClearOutput();
  TPoly poly;
  poly.Add(1, 1);
  poly.Add(5, 1);
  poly.Add(5, 5);
  g.DrawPolygon(poly);
  QList<QByteArray> lines = f.Lines();
  ASSERT_EQ(lines.size(), 2 * 18);  // the closing edge is left out
  EXPECT_EQ(lines[5], "     5");     // brush colour
  EXPECT_EQ(lines[7], DXFFixed4(g.XToScreen(5)));  // from point 2 back to point 1, in pixels
  EXPECT_EQ(lines[9], DXFFixed4(g.YToScreen(1)));
  EXPECT_EQ(lines[13], DXFFixed4(g.XToScreen(1)));

  DXFWriter().ClearOutput();
  TPoly single;
  single.Add(1, 1);
  g.DrawPolygon(single);
  g.DrawPolygon3D(TPoly());
  EXPECT_TRUE(DXFWriter().Output().isEmpty());

  g.DrawFillRect({1, 2, 3, 4});
  lines = f.Lines();
  ASSERT_EQ(lines.size(), 22);
  EXPECT_EQ(lines[1], "SOLID");
  EXPECT_EQ(lines[5], "     5");

  DXFWriter().ClearOutput();
  g.DrawEllipse({1, 2, 5, 4});  // half-axes 2 and 1
  lines = f.Lines();
  ASSERT_EQ(lines.size(), 14);
  EXPECT_EQ(lines[1], "CIRCLE");
  EXPECT_EQ(lines[7], "3.0000");
  EXPECT_EQ(lines[9], "3.0000");
  EXPECT_EQ(lines[13], " 1.50000000000000E+0000");
  EXPECT_FALSE(f.CanvasDrew());
}

TEST(WorldDrawingDxf, InactiveWriterLeavesTheCanvasDrawing)
{
  TGraphFixture f;
  f.AddSeries(QStringLiteral("s"), PointsXY({{0, 0}, {10, 10}}));
  f.graph.UpdateTransform();
  DXFWriter().ClearOutput();
  f.graph.DrawLine(1, 1, 5, 5);
  f.graph.DrawEllipse({1, 1, 2, 2});
  EXPECT_TRUE(DXFWriter().Output().isEmpty());
  int drawn = 0;
  for (const auto& r : f.image.Recording().Records())
    drawn += r.IsDrawing() ? 1 : 0;
  EXPECT_EQ(drawn, 2);
}

}  // namespace
}  // namespace plot::test
