// Series drawing: which points get markers, clustered bar geometry, and a picture of the styles
// with a legend and an arrow figure, saved as a PNG in the build folder to be looked at.
#include "PlotFixture.h"

#include "plotui/annotate/GraphAnnotate.h"

#include <QImage>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

TEST(SeriesDraw, MarkerIntervalMarksEveryNthPointAndTheLast)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStyleLineAndPoint, platform::clRed);
  for (int i = 0; i < 100; ++i)
    s.AddPoint(i, i % 7, platform::clRed, {});
  const struct {
    int interval;
    int count;
    std::vector<int> some;
  } cases[] = {{5, 21, {0, 5, 10, 95, 99}}, {40, 100, {1, 2, 98}}, {0, 100, {3}}, {1, 100, {50}}};
  for (const auto& c : cases) {
    s.MarkerInterval = c.interval;
    int count = 0;
    for (int i = 0; i < 100; ++i)
      count += s.HasMarkerAt(i) ? 1 : 0;
    EXPECT_EQ(count, c.count) << c.interval;
    for (int i : c.some)
      EXPECT_TRUE(s.HasMarkerAt(i)) << c.interval << " " << i;
  }
  s.MarkerInterval = 5;
  EXPECT_FALSE(s.HasMarkerAt(96));
}

TEST(SeriesDraw, APointWithoutAMarkerIsSkipped)
{
  TPlotFixture f;
  TSeries& s = f.AddSeries("s", plot::kStylePoints, platform::clRed, {{0, 0}, {1, 1}, {2, 0}});
  s.Points[1].Marker.reset();
  f.chart->Redraw();
  SUCCEED();
}

TEST(SeriesDraw, TwoClusteredBarSeriesShareEachPointsSpace)
{
  TPlotFixture f;
  TSeries& a = f.AddSeries("a", plot::kStyleBar, platform::clRed, {{1, 1}, {2, 2}, {3, 3}, {4, 2}, {5, 1}});
  TSeries& b = f.AddSeries("b", plot::kStyleBar, platform::clBlue, {{1, 2}, {2, 1}, {3, -1}, {4, 3}, {5, 2}});
  f.chart->Redraw();
  for (int i = 0; i < 5; ++i) {
    plot::TFloatRect r;
    bool cut = false;
    double right = 0;
    ASSERT_TRUE(a.GetClusteredBarRect(i, r, cut, right));
    EXPECT_NEAR(r.Left, i + 1 - 0.35, 1e-12);
    EXPECT_NEAR(r.Right - r.Left, 0.35, 1e-12);
    ASSERT_TRUE(b.GetClusteredBarRect(i, r, cut, right));
    EXPECT_NEAR(r.Left, i + 1, 1e-12);
  }
  // The bar drawn last is kept in its point for the hit test; a negative bar grows downwards.
  EXPECT_NEAR(b.GetBarRect(2).Left, 3, 1e-12);
  EXPECT_EQ(b.GetBarRect(2).Top, -1);
  EXPECT_EQ(b.GetBarRect(2).Bottom, 0);
}

TEST(SeriesDraw, StackedBarRectsStandOnTheBarsBefore)
{
  TPlotFixture f;
  TSeries& a = f.AddSeries("a", plot::kStyleBar, platform::clRed, {{1, 2}, {2, 3}, {3, 1}});
  TSeries& b = f.AddSeries("b", plot::kStyleBar, platform::clBlue, {{1, 1}, {2, -3}, {3, 3}});
  const int ia = f.chart->Graph->IndexOfLayer(&a);
  const int ib = f.chart->Graph->IndexOfLayer(&b);
  const struct {
    plot::TBarStyle style;
    int point;
    double bFoot, bTop;
  } cases[] = {
      {plot::bsStacked, 0, 2, 3},
      {plot::bsStacked, 1, 3, 0},
      {plot::bs100Stacked, 0, 200.0 / 3, 100},
      {plot::bs100Stacked, 2, 25, 100},
      // The values sum to 0: no share to show, the bar has no height.
      {plot::bs100Stacked, 1, 3, 3},
  };
  for (const auto& c : cases) {
    f.chart->SetBarStyle(c.style);
    f.chart->Redraw();
    const double yMin = f.chart->Graph->GetWorldRange().Top;
    const plot::TFloatRect rb = b.GetStackedBarRect(c.point, ib);
    // A world rectangle keeps the foot in Top and the top in Bottom.
    EXPECT_NEAR(rb.Top, c.bFoot, 1e-9) << c.style << " " << c.point;
    EXPECT_NEAR(rb.Bottom, std::min(c.bTop, f.chart->Graph->GetWorldRange().Bottom), 1e-9) << c.style << " " << c.point;
    const plot::TFloatRect ra = a.GetStackedBarRect(c.point, ia);
    if (c.style == plot::bsStacked) {
      EXPECT_EQ(ra.Top, yMin) << c.point;
    }
    EXPECT_GT(ra.Right, ra.Left);
    EXPECT_NEAR(rb.Left, ra.Left, 1e-12);
  }
  const plot::TFloatRect zero = a.GetStackedBarRect(1, ia);
  EXPECT_EQ(zero.Top, zero.Bottom);
}

TEST(SeriesDraw, PictureOfLineBarAndAreaSeriesWithALegendAndAnArrow)
{
  TPlotFixture f(640, 440);
  f.chart->Title->SetText("Series styles");
  TSeries& line = f.AddSeries("Line and Point", plot::kStyleLineAndPoint, platform::clRed, {}, false);
  line.SetMarkerStyle(3);
  line.SetMarkerSize(5);
  for (int i = 0; i <= 20; ++i)
    line.AddPoint(i * 0.5, 6 + 2 * std::sin(i * 0.5), platform::clRed, {});
  line.MarkerInterval = 2;
  auto add = [&](TSeries& s) {
    auto entry = std::make_unique<TSeriesLegend>(*f.chart->Graph);
    s.UpdateLegend(*entry);
    f.chart->Legend->Add(std::move(entry));
  };
  add(line);
  TSeries& bars = f.AddSeries("Bar", plot::kStyleBar, 0x00A000, {{1, 2}, {3, 3.5}, {5, 2.5}, {7, 4}, {9, 3}});
  add(bars);
  TSeries& area =
      f.AddSeries("Area", plot::kStyleArea, 0xFF9933, {{0, 1}, {2, 1.5}, {4, 0.5}, {6, 1.8}, {8, 1.2}, {10, 1}});
  add(area);
  f.chart->Redraw();
  auto& annotations = dynamic_cast<TGraphAnnotate&>(f.chart->Graph->GetAnnotations());
  annotations.AddFigure(CreateAt<TArrow>(*f.chart->Graph, 2, platform::clBlue, {1.5, 3}, {4.3, 3.9}));
  f.chart->Redraw();
  const QImage picture = f.chart->Image->Picture.Image();
  EXPECT_TRUE(picture.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "plotui-series.png"));
  // Something of each colour was drawn.
  const auto has = [&](QRgb rgb) {
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if ((picture.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF))
          return true;
    return false;
  };
  EXPECT_TRUE(has(qRgb(255, 0, 0)));
  EXPECT_TRUE(has(qRgb(0, 0xA0, 0)));
  EXPECT_TRUE(has(qRgb(0x33, 0x99, 0xFF)));
  EXPECT_TRUE(has(qRgb(0, 0, 255)));
}

TEST(SeriesDraw, PictureOfDepthOrderedBarsInThe3DView)
{
  TPlotFixture f(640, 440);
  TSeries& front =
      f.AddSeries("front", plot::kStyleDepthBar, platform::clRed, {{1, 2}, {2, 3}, {3, -1}, {4, 4}}, true);
  f.AddSeries("back", plot::kStyleDepthBar, platform::clBlue, {{1, 3}, {2, 1}, {3, 2}, {4, 2.5}}, true);
  f.chart->SetView3D(10);
  f.chart->Redraw();
  const QImage picture = f.chart->Image->Picture.Image();
  EXPECT_TRUE(picture.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "plotui-depth-bars.png"));
  // The outline the hit test uses: seven points, closed, reaching back by the depth.
  const std::vector<platform::TPoint> outline = front.GetZBarOutline(1);
  ASSERT_EQ(outline.size(), 7u);
  EXPECT_EQ(outline.front(), outline.back());
  EXPECT_GT(outline[1].X, outline[0].X);
  EXPECT_LT(outline[1].Y, outline[0].Y);
  EXPECT_TRUE(front.GetZBarOutline(4).empty());
  EXPECT_TRUE(front.GetZBarOutline(-1).empty());
}

}  // namespace
}  // namespace plotui::test
