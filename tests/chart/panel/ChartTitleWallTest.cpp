#include "ChartWindow.h"

#include <gtest/gtest.h>
#include <functional>

namespace chart {
namespace {

using testing::TChartWindow;

TColor At(const QImage& image, int x, int y) { return platform::FromQColor(QColor(image.pixel(x, y))); }

int CountPixels(const QImage& image, const platform::TRect& r, const std::function<bool(QColor)>& match)
{
  int count = 0;
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, image.height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, image.width()); ++x)
      count += match(QColor(image.pixel(x, y))) ? 1 : 0;
  return count;
}

bool Bluish(QColor c) { return c.blue() > 150 && c.red() < 110 && c.green() < 110; }

// The plot rectangle's top and bottom once the chart is on the screen with a title and a foot of
// the given numbers of lines (0: hidden).
platform::TRect PlotWith(int titleLines, int footLines)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  const auto lines = [](int n) {
    QStringList text;
    for (int i = 0; i < n; ++i)
      text << QStringLiteral("Line %1").arg(i + 1);
    return text;
  };
  chart.Title().SetText(lines(titleLines));
  chart.Title().SetVisible(titleLines > 0);
  chart.Foot().SetText(lines(footLines));
  chart.Foot().SetVisible(footLines > 0);
  window.Shown();
  return chart.ChartRect();
}

// Each line takes one line height h and the block 5 pixels more: with 1 and 3 lines the drops d1
// and d3 satisfy d3 - 5 = 3 (d1 - 5), whatever h the font has.
TEST(ChartTitles, TheTitleLowersThePlotByItsLinesAndFiveAndTheFootRaisesIt)
{
  const platform::TRect none = PlotWith(0, 0);
  const int titleDrop1 = PlotWith(1, 0).Top - none.Top;
  const int titleDrop3 = PlotWith(3, 0).Top - none.Top;
  EXPECT_GT(titleDrop1, 5 + 5);
  EXPECT_EQ(titleDrop3 - 5, 3 * (titleDrop1 - 5));
  const int footRise1 = none.Bottom - PlotWith(0, 1).Bottom;
  const int footRise3 = none.Bottom - PlotWith(0, 3).Bottom;
  EXPECT_EQ(footRise1, titleDrop1);
  EXPECT_EQ(footRise3 - 5, 3 * (footRise1 - 5));
}

TEST(ChartTitles, TheTitleReachesTheScreenInBlueInsideItsAdjustedBox)
{
  TChartWindow window;
  TChart& chart = *window.chart;
  chart.Title().SetText({"A chart title"});
  chart.Title().Brush().SetColor(0x00FFFF);  // yellow
  chart.Foot().SetText({"foot"});
  const QImage shown = window.Shown();
  const platform::TRect band = chart.Title().TitleRect();
  ASSERT_GT(band.Height(), 5);
  EXPECT_GT(CountPixels(shown, band, Bluish), 10);
  const auto yellow = [](QColor c) { return c.red() == 255 && c.green() == 255 && c.blue() == 0; };
  EXPECT_GT(CountPixels(shown, band, yellow), 100);
  // The box is as wide as the text and a "W", centred: the band's ends keep the panel's colour.
  EXPECT_EQ(At(shown, band.Left + 2, (band.Top + band.Bottom) / 2), platform::ColorToRGB(platform::clBtnFace));
  EXPECT_EQ(At(shown, band.Right - 3, (band.Top + band.Bottom) / 2), platform::ColorToRGB(platform::clBtnFace));
  // The title's colour took the brush's.
  EXPECT_EQ(chart.Title().Color(), TColor(0x00FFFF));

  // The foot sits at the bottom, and switching the title off frees its band.
  EXPECT_GT(CountPixels(shown, chart.Foot().TitleRect(), Bluish), 5);
  chart.Title().SetVisible(false);
  const QImage without = window.Shown();
  EXPECT_EQ(CountPixels(without, band, Bluish), 0);
}

TEST(ChartWalls, TheWallsReachTheScreenInTheirColours)
{
  EXPECT_EQ(TChart().LeftWall().Color(), TColor(0x80FFFF));
  EXPECT_EQ(TChart().BottomWall().Color(), platform::clWhite);
  EXPECT_EQ(TChart().BackWall().Brush().Style(), platform::TBrushStyle::bsClear);

  TChartWindow window;
  TChart& chart = *window.chart;
  chart.SetBackColor(0x00C000);
  QImage shown = window.Shown();
  const platform::TRect plot = chart.ChartRect();
  EXPECT_EQ(At(shown, plot.Left + 20, plot.Top + 10), TColor(0x00C000));  // flat: the back wall only

  chart.SetView3D(true);
  shown = window.Shown();
  const platform::TRect all{0, 0, shown.width(), shown.height()};
  const auto leftWall = [](QColor c) { return c.red() == 0xFF && c.green() == 0xFF && c.blue() == 0x80; };
  const auto bottomWall = [](QColor c) { return c == QColor(Qt::white); };
  EXPECT_GT(CountPixels(shown, all, leftWall), 200);
  EXPECT_GT(CountPixels(shown, all, bottomWall), 200);

  chart.SetView3DWalls(false);
  shown = window.Shown();
  EXPECT_EQ(CountPixels(shown, all, leftWall), 0);

  // A back wall thickness moves the plot's top down in an orthogonal view.
  chart.SetView3DWalls(true);
  window.Shown();
  const platform::TRect thin = chart.ChartRect();
  chart.BackWall().SetSize(12);
  window.Shown();
  EXPECT_EQ(chart.ChartRect().Top, thin.Top + 12);
}

}  // namespace
}  // namespace chart
