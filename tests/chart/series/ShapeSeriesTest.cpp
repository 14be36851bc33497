#include "tests/chart/series/LineChart.h"

#include "chart/canvas/ChartPen.h"
#include "chart/series/ChartShape.h"
#include "platform/CanvasImage.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace chart {
namespace {

using testing::TLineTestChart;
using Calls = std::vector<std::string>;
using S = TChartShapeStyle;

// Both axes 0..100: x pixel = 4 x, y pixel = 300 - 3 y.
class ShapeTest : public ::testing::Test {
protected:
  ShapeTest()
  {
    Chart.SetAxisRange(Chart.Bottom, 0, 100);
    Chart.InsertSeries(Shape);
  }
  Calls Drawn(const std::function<void()>& draw)
  {
    Chart.Target.Clear();
    draw();
    return Chart.Target.Calls();
  }
  void Corners(double x0, double y0, double x1, double y1)
  {
    Shape.SetX0(x0);
    Shape.SetY0(y0);
    Shape.SetX1(x1);
    Shape.SetY1(y1);
  }

  TLineTestChart Chart;
  TChartShape Shape;
};

TEST_F(ShapeTest, NewShapeIsAWhiteCircleOverTheAxisRange)
{
  EXPECT_EQ(Shape.Style(), S::chasCircle);
  EXPECT_EQ(Shape.XYStyle(), TChartShapeXYStyle::xysAxis);
  EXPECT_EQ(Shape.Count(), 2);
  EXPECT_EQ(Shape.Brush().Color(), platform::clWhite);
  EXPECT_EQ(Shape.SeriesColor(), platform::clWhite);
  EXPECT_FALSE(Shape.RestrictToAxisRange());
  EXPECT_EQ(Shape.PointColors(), (std::vector<platform::TColor>{platform::clDefault, platform::clDefault}));
  EXPECT_EQ(Chart.Paint(Shape), Calls{"Ellipse(0,0,400,300)"});
  EXPECT_EQ(Chart.Target.Records().back().State.Brush.Color, platform::clWhite);

  // The series colour is the brush's.
  Shape.SetSeriesColor(platform::clRed);
  EXPECT_EQ(Shape.Brush().Color(), platform::clRed);
}

TEST_F(ShapeTest, BoundsByXYStyle)
{
  struct Case {
    const char* Name;
    TChartShapeXYStyle Style;
    double X0, Y0, X1, Y1;
    platform::TRect Want;
  };
  using enum TChartShapeXYStyle;
  const std::vector<Case> cases{
      {"axis", xysAxis, 10, 20, 50, 60, {40, 120, 200, 240}},
      {"swapped corners", xysAxis, 50, 60, 10, 20, {40, 120, 200, 240}},
      {"equal corners are one pixel", xysAxis, 25, 50, 25, 50, {100, 150, 101, 151}},
      {"pixels truncated", xysPixels, 10.9, 20.9, -3.5, 5, {-3, 5, 10, 20}},
      {"origin and size", xysAxisOrigin, 10, 20, 30, -40, {40, 200, 70, 240}},
  };
  for (const Case& c : cases) {
    Shape.SetXYStyle(c.Style);
    Corners(c.X0, c.Y0, c.X1, c.Y1);
    const platform::TRect r = Shape.ShapeBounds();
    EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Right, r.Bottom}),
              (std::vector<int>{c.Want.Left, c.Want.Top, c.Want.Right, c.Want.Bottom}))
        << c.Name;
  }
  EXPECT_TRUE(Shape.UseAxis());
  Shape.SetXYStyle(xysPixels);
  EXPECT_FALSE(Shape.UseAxis());
}

TEST_F(ShapeTest, DrawsOnlyTwoPointsOverlappingThePlot)
{
  Shape.SetText({QStringLiteral("abc")});
  Corners(-50, 50, 10, 60);  // overlaps the plot's left edge: drawn whole, not clipped
  const Calls overlapping = Chart.Paint(Shape);
  ASSERT_FALSE(overlapping.empty());
  EXPECT_EQ(overlapping.front(), "Ellipse(-200,120,40,150)");

  Corners(-50, 50, -10, 60);  // wholly left of the plot: neither figure nor text
  EXPECT_EQ(Chart.Paint(Shape), Calls{});

  Corners(10, 10, 20, 20);
  Shape.AddXY(30, 30);
  EXPECT_EQ(Chart.Paint(Shape), Calls{});
}

TEST_F(ShapeTest, CornersWithoutTwoPointsReadZeroAndWriteNothing)
{
  Shape.Clear();
  Shape.AddXY(5, 6);
  for (const auto& read : {&TChartShape::X0, &TChartShape::Y0, &TChartShape::X1, &TChartShape::Y1})
    EXPECT_EQ((Shape.*read)(), 0);
  Corners(1, 2, 3, 4);
  EXPECT_EQ(Shape.Count(), 1);
  EXPECT_EQ(Shape.XValues()[0], 5);
  EXPECT_EQ(Shape.YValues()[0], 6);
  Shape.Clear();
  EXPECT_EQ(Shape.X1(), 0);
  Shape.SetY1(7);
  EXPECT_EQ(Shape.Count(), 0);
}

// The rectangle (40, 120)-(200, 240): centre (120, 180).
TEST_F(ShapeTest, FlatAndSolidFigures)
{
  Corners(10, 20, 50, 60);
  TTeeCanvas3D& c = Chart.Canvas();
  struct Case {
    S Style;
    Calls Flat;
    std::function<void()> Solid;
  };
  const platform::TRect r{40, 120, 200, 240};
  const std::vector<Case> cases{
      {S::chasRectangle, {"Rectangle(40,120,200,240)"}, [&] { c.Rectangle3D(r, 20); }},
      {S::chasCircle, {"Ellipse(40,120,200,240)"}, [&] { c.Ellipse3D(40, 120, 200, 240, 20); }},
      {S::chasVertLine, {"LineTo(120,120,120,240)"}, [&] { c.VerticalLine3D(120, 120, 240, 20); }},
      {S::chasHorizLine, {"LineTo(40,180,200,180)"}, [&] { c.HorizontalLine3D(40, 200, 180, 20); }},
      {S::chasTriangle, {"Polygon(40,240,120,120,200,240)"}, [&] { c.Triangle3D({40, 240}, {120, 120}, {200, 240}, 20); }},
      {S::chasInvertTriangle, {"Polygon(40,120,120,240,200,120)"},
       [&] { c.Triangle3D({40, 120}, {120, 240}, {200, 120}, 20); }},
      {S::chasLine, {"LineTo(40,120,200,240)"}, [&] { c.Line3D(40, 120, 200, 240, 20); }},
      {S::chasDiamond, {"Polygon(40,180,120,120,200,180,120,240)"},
       [&] { c.Quad3D({40, 180}, {120, 120}, {200, 180}, {120, 240}, 20); }},
      {S::chasCube, {"Rectangle(40,120,200,240)"}, [&] { c.Box3D(40, 200, 120, 240, 10, 30, true); }},
      {S::chasCross, {"LineTo(120,120,120,240)", "LineTo(40,180,200,180)"}, [&] {
         c.Line3D(120, 120, 120, 240, 20);
         c.Line3D(40, 180, 200, 180, 20);
       }},
      {S::chasDiagCross, {"LineTo(40,120,200,240)", "LineTo(40,240,200,120)"}, [&] {
         c.Line3D(40, 120, 200, 240, 20);
         c.Line3D(40, 240, 200, 120, 20);
       }},
      {S::chasStar,
       {"LineTo(120,120,120,240)", "LineTo(40,180,200,180)", "LineTo(40,120,200,240)", "LineTo(40,240,200,120)"},
       [&] {
         c.Line3D(120, 120, 120, 240, 20);
         c.Line3D(40, 180, 200, 180, 20);
         c.Line3D(40, 120, 200, 240, 20);
         c.Line3D(40, 240, 200, 120, 20);
       }},
      {S::chasPyramid, {"Polygon(40,240,120,120,200,240)"},
       [&] { c.Pyramid3D(true, 40, 120, 200, 240, 10, 30, true); }},
      {S::chasInvertPyramid, {"Polygon(40,120,120,240,200,120)"},
       [&] { c.Pyramid3D(true, 40, 240, 200, 120, 10, 30, true); }},
  };
  for (const Case& k : cases) {
    Shape.SetStyle(k.Style);
    EXPECT_EQ(Chart.Paint(Shape), k.Flat) << "style " << int(k.Style);
  }
  Shape.SetStyle(S::chasRectangle);
  Shape.SetRoundRectangle(true);
  EXPECT_EQ(Chart.Paint(Shape), Calls{"RoundRect(40,120,200,240,12,12)"});

  Chart.Begin3D(Shape);
  for (const Case& k : cases) {
    Shape.SetStyle(k.Style);
    const Calls want = Drawn(k.Solid);
    EXPECT_FALSE(want.empty());
    EXPECT_EQ(Chart.Paint(Shape), want) << "3-D style " << int(k.Style);
  }
  // A transparent cube has a clear brush and no dark sides.
  Shape.SetStyle(S::chasCube);
  Shape.SetTransparent(true);
  const Calls want = Drawn([&] {
    c.Brush().SetStyle(platform::TBrushStyle::bsClear);
    c.Box3D(40, 200, 120, 240, 10, 30, false);
  });
  EXPECT_EQ(Chart.Paint(Shape), want);
  EXPECT_EQ(Chart.Target.Records().back().State.Brush.Style, platform::TBrushStyle::bsClear);
}

TEST_F(ShapeTest, TextLinesAlignAndAvoidTheBrushColour)
{
  Corners(10, 20, 50, 60);  // (40, 120)-(200, 240)
  Shape.SetText({QStringLiteral("one"), QStringLiteral("three")});
  Shape.Pen().SetWidth(2);
  TTeeCanvas3D& c = Chart.Canvas();
  c.Font().Assign(Shape.Font());
  const int h = c.FontHeight();
  const int w1 = c.TextWidthOf(QStringLiteral("one"));
  const int w2 = c.TextWidthOf(QStringLiteral("three"));
  const int y = 180 - h;  // two lines centred on 180
  struct Case {
    TAlignment Alignment;
    int X1, X2;
  };
  const std::vector<Case> cases{
      {TAlignment::taCenter, 120 - w1 / 2, 120 - w2 / 2},
      {TAlignment::taLeftJustify, 40 + 2 + 4, 40 + 2 + 4},
      {TAlignment::taRightJustify, 200 - 2 - w1 - 4, 200 - 2 - w2 - 4},
  };
  for (const Case& k : cases) {
    Shape.SetAlignment(k.Alignment);
    Chart.Paint(Shape);
    std::vector<std::pair<platform::TPoint, QString>> texts;
    for (const auto& record : Chart.Target.Records())
      if (record.Op == platform::TCanvasOp::TextOut) {
        texts.emplace_back(record.Points[0], record.Text);
        EXPECT_EQ(record.State.BkMode, platform::TBkMode::bmTransparent);
      }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].first, (platform::TPoint{k.X1, y})) << int(k.Alignment);
    EXPECT_EQ(texts[1].first, (platform::TPoint{k.X2, y + h})) << int(k.Alignment);
    EXPECT_EQ(texts[1].second, QStringLiteral("three"));
  }

  // The font colour the brush has becomes white when black, black otherwise.
  struct Swap {
    platform::TColor Brush, Font, Want;
  };
  for (const Swap& s : std::vector<Swap>{{platform::clBlack, platform::clBlack, platform::clWhite},
                                         {platform::clRed, platform::clRed, platform::clBlack},
                                         {platform::clWhite, platform::clRed, platform::clRed}}) {
    Shape.Brush().SetColor(s.Brush);
    Shape.Font().SetColor(s.Font);
    Chart.Paint(Shape);
    EXPECT_EQ(Chart.Target.Records().back().Op, platform::TCanvasOp::TextOut);
    EXPECT_EQ(Chart.Target.Records().back().State.Font.Color, s.Want) << std::hex << s.Brush << " " << s.Font;
  }
}

TEST_F(ShapeTest, ClicksHitTheFigureOnly)
{
  Corners(10, 20, 50, 60);  // (40, 120)-(200, 240), centre (120, 180)
  struct Case {
    S Style;
    int X, Y;
    int Want;
  };
  const std::vector<Case> cases{
      {S::chasCircle, 120, 180, 0},  {S::chasCircle, 42, 122, -1},      {S::chasCircle, 40, 180, 0},
      {S::chasRectangle, 40, 120, 0}, {S::chasRectangle, 200, 180, -1}, {S::chasRectangle, 120, 240, -1},
      {S::chasCube, 199, 239, 0},     {S::chasTriangle, 120, 130, 0},   {S::chasTriangle, 50, 130, -1},
      {S::chasPyramid, 120, 130, 0},  {S::chasInvertTriangle, 120, 230, 0}, {S::chasInvertTriangle, 60, 230, -1},
      {S::chasInvertPyramid, 50, 230, -1}, {S::chasDiamond, 120, 180, 0}, {S::chasDiamond, 45, 125, -1},
      {S::chasVertLine, 120, 200, 0}, {S::chasVertLine, 125, 200, -1},  {S::chasHorizLine, 60, 180, 0},
      {S::chasHorizLine, 60, 185, -1}, {S::chasLine, 120, 180, 0},      {S::chasLine, 120, 150, -1},
  };
  for (const Case& k : cases) {
    Shape.SetStyle(k.Style);
    EXPECT_EQ(Shape.Clicked(k.X, k.Y), k.Want) << "style " << int(k.Style) << " at " << k.X << "," << k.Y;
  }
}

TEST_F(ShapeTest, SamplesGalleryAndCopies)
{
  std::vector<int> numbers{40, 10};
  std::size_t next = 0;
  Shape.SetRandomSource([&](int) { return numbers[next++ % numbers.size()]; });
  // Alone on the chart the X range is empty: the two default points.
  Corners(5, 5, 6, 6);
  Shape.FillSampleValues(30);
  EXPECT_EQ((std::vector<double>{Shape.X0(), Shape.Y0(), Shape.X1(), Shape.Y1()}), (std::vector<double>{0, 0, 100, 100}));

  // Beside a shape over 0..100: step 100, Y range 100, random Y 40, then a rise of 10.
  TChartShape second;
  Chart.InsertSeries(second);
  next = 0;
  Shape.FillSampleValues(30);
  EXPECT_EQ((std::vector<double>{Shape.X0(), Shape.Y0(), Shape.X1(), Shape.Y1()}),
            (std::vector<double>{12.5, 20, 87.5, 50}));

  second.PrepareForGallery(true);
  EXPECT_EQ(second.Style(), S::chasCircle);
  EXPECT_EQ(second.Brush().Color(), platform::clBlue);
  EXPECT_EQ(second.Text(), QStringList{QStringLiteral("abc")});
  EXPECT_EQ(second.Font().Size(), 14);
  EXPECT_EQ(second.Font().Color(), platform::clWhite);
  Shape.PrepareForGallery(false);
  EXPECT_EQ(Shape.Style(), S::chasTriangle);
  EXPECT_EQ(Shape.Brush().Color(), platform::clSilver);
  EXPECT_EQ(Shape.Text(), QStringList{QStringLiteral("123")});

  Shape.SetRoundRectangle(true);
  Shape.SetAlignment(TAlignment::taRightJustify);
  Shape.Pen().SetWidth(3);
  second.Assign(Shape);
  EXPECT_EQ(second.Style(), S::chasTriangle);
  EXPECT_TRUE(second.RoundRectangle());
  EXPECT_EQ(second.Alignment(), TAlignment::taRightJustify);
  EXPECT_EQ(second.Pen().Width(), 3);
  EXPECT_EQ(second.Brush().Color(), platform::clSilver);
  EXPECT_EQ(second.Text(), Shape.Text());
  EXPECT_TRUE(second.CanCopyFrom(Shape));
  EXPECT_FALSE(second.CanCopyFrom(second));
  Chart.RemoveSeries(second);

  // The legend shows the flat figure in its item.
  EXPECT_EQ(Drawn([&] { Shape.DrawLegendShape(0, {2, 3, 22, 13}); }), Calls{"Polygon(2,13,12,3,22,13)"});
}

// The chart's canvas drawing on a white image of the plot's size.
TEST(ShapeImage, CircleFillsItsEllipseAndTextAvoidsTheBrushColour)
{
  QImage image{400, 300, QImage::Format_RGB32};
  image.fill(Qt::white);
  platform::TImageCanvas target{image};
  TLineTestChart chart;
  chart.SetAxisRange(chart.Bottom, 0, 100);
  chart.Canvas().SetTargetCanvas(target);
  chart.Canvas().BeginDrawing(target, &chart.View, platform::clWhite, false, chart.Plot);
  chart.Canvas().SetProjection(0, chart.Plot, chart.Plot);
  TChartShape shape;
  chart.InsertSeries(shape);
  shape.SetSeriesColor(platform::clBlack);
  shape.Font().SetColor(platform::clBlack);
  shape.Font().SetSize(20);
  shape.SetText({QStringLiteral("WWW")});
  shape.CalcVisibleRange();
  shape.DrawAllValues();

  const auto at = [&](int x, int y) { return platform::FromQColor(QColor(image.pixel(x, y))); };
  EXPECT_EQ(at(10, 150), platform::clBlack);   // inside the ellipse, left of the text
  EXPECT_EQ(at(5, 5), platform::clWhite);      // the rectangle's corner, outside the ellipse
  EXPECT_EQ(at(395, 295), platform::clWhite);
  int white = 0;
  for (int y = 120; y < 180; ++y)
    for (int x = 150; x < 250; ++x) white += at(x, y) == platform::clWhite ? 1 : 0;
  EXPECT_GT(white, 50);  // black text on the black brush shows in white
}

}  // namespace
}  // namespace chart
