// Pie series on a chart window: slice colours at known angles, the exploded slice, the "Other"
// slice and 3-D slices, read back from the screen.
#include "chart/model/SeriesMarks.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/PieSeries.h"
#include "chart/support/Palette.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace chart {
namespace {

constexpr double kPi = std::numbers::pi;

// A chart window that does what a chart does for round series: hides its axes and sets the view.
class TPiePanel : public TCustomAxisPanel {
public:
  TPiePanel() { resize(400, 300); }
  void SetAxesAndWalls(bool on) override { SetAxisVisible(on); }
  TView3DOptions* View3DToSet() override { return &View3DOptions(); }
  void SetSeriesDepthPercent(int percent) override { SetChart3DPercent(percent); }
};

struct PieScreenTest : ::testing::Test {
  TPiePanel panel;
  TPieSeries pie;
  QImage shown;

  PieScreenTest()
  {
    panel.SetView3D(false);
    panel.AddSeries(pie);
    pie.Marks().SetVisible(false);
  }
  void Show()
  {
    panel.show();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    panel.repaint();
    const QPixmap grabbed = panel.windowHandle()->screen()->grabWindow(panel.winId());
    shown = grabbed.toImage().copy(QRect(QPoint(0, 0), panel.size())).convertToFormat(QImage::Format_RGB32);
  }
  // The colour on the screen at an angle (radians, screen anticlockwise from the right) and a
  // fraction of the radius from a centre.
  TColor At(double angle, double fraction, int cx, int cy) const
  {
    const int x = cx + int(std::lround(std::cos(angle) * pie.RadiusX() * fraction));
    const int y = cy - int(std::lround(std::sin(angle) * pie.RadiusY() * fraction));
    return platform::FromQColor(QColor(shown.pixel(x, y)));
  }
  TColor At(double angle, double fraction) const { return At(angle, fraction, pie.CenterX(), pie.CenterY()); }
  int Count(TColor color) const
  {
    int n = 0;
    const QRgb wanted = platform::ToQColor(color).rgb();
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (shown.pixel(x, y) == wanted) ++n;
    return n;
  }
};

TEST_F(PieScreenTest, SlicesShowTheirColoursAtTheirAngles)
{
  pie.Add(1, "a", platform::clRed);
  pie.Add(3, "b", platform::clBlue);
  Show();
  ASSERT_GT(pie.RadiusX(), 50);
  EXPECT_EQ(At(kPi / 4, 0.6), platform::clRed);
  EXPECT_EQ(At(kPi, 0.6), platform::clBlue);
  EXPECT_EQ(At(1.5 * kPi, 0.9), platform::clBlue);
  EXPECT_EQ(At(kPi / 4, 1.2), platform::ColorToRGB(panel.Color()));  // beside the pie

  pie.SetRotationAngle(90);
  Show();
  EXPECT_EQ(At(0.75 * kPi, 0.6), platform::clRed);
  EXPECT_EQ(At(kPi / 4, 0.6), platform::clBlue);
}

TEST_F(PieScreenTest, TheExplodedSliceIsDisplacedFromTheCentre)
{
  pie.Add(1, "a", platform::clRed);
  pie.Add(3, "b", platform::clBlue);
  pie.SetExplodeBiggest(30);
  Show();
  const platform::TPoint offset = pie.ExplodeOffset(1);
  ASSERT_LT(offset.X, -10);
  ASSERT_LT(offset.Y, -10);
  // Round its own centre the blue slice is whole, reaching past the red slice's circle.
  const int cx = pie.CenterX() + offset.X;
  const int cy = pie.CenterY() - offset.Y;
  EXPECT_EQ(At(1.25 * kPi, 0.9, cx, cy), platform::clBlue);
  EXPECT_EQ(At(1.25 * kPi, 1.1), platform::clBlue);
  // It left a gap at the centre, between the red slice's corner and its own.
  EXPECT_EQ(At(1.25 * kPi, 0.08), platform::ColorToRGB(panel.Color()));
  EXPECT_EQ(At(kPi / 4, 0.6), platform::clRed);
}

TEST_F(PieScreenTest, SmallPointsShowAsOneOtherSlice)
{
  for (double v : {50.0, 30.0, 2.0, 1.0}) pie.Add(v);
  pie.OtherSlice().SetStyle(TPieOtherStyle::poBelowValue);
  pie.OtherSlice().SetValue(5);
  Show();
  ASSERT_EQ(pie.Count(), 5);
  // The last slice, from 80/83 of the circle to its end, in the fifth point's colour.
  const double mid = 2 * kPi * 81.5 / 83;
  EXPECT_EQ(At(mid, 0.8), PaletteColor(4));
  EXPECT_EQ(At(kPi / 2, 0.6), PaletteColor(0));
  EXPECT_EQ(At(1.6 * kPi, 0.6), PaletteColor(1));
  EXPECT_EQ(Count(PaletteColor(2)), 0);
  EXPECT_EQ(Count(PaletteColor(3)), 0);
}

TEST_F(PieScreenTest, ThreeDSlicesShowFacesAndDarkerSides)
{
  panel.SetView3D(true);
  pie.Add(1, "a", platform::clRed);
  pie.Add(3, "b", platform::clBlue);
  Show();
  const int red = Count(platform::clRed);
  EXPECT_GT(red, 500);
  EXPECT_GT(Count(platform::clBlue), 3 * red / 2);
  // The darkened rim of the blue slice.
  int darkBlue = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QColor c(shown.pixel(x, y));
      if (c.red() == 0 && c.green() == 0 && c.blue() > 60 && c.blue() < 250) ++darkBlue;
    }
  EXPECT_GT(darkBlue, 100);

  pie.SetExplodeBiggest(25);
  Show();
  EXPECT_TRUE(pie.Exploded());
  EXPECT_GT(Count(platform::clRed), 200);
  EXPECT_GT(Count(platform::clBlue), 500);
}

}  // namespace
}  // namespace chart
