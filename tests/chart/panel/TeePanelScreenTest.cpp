#include "TestPanel.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

namespace chart {
namespace {

using testing::kChartColor;
using testing::TTestPanel;

// What the panel shows on the screen after the pending paints.
QImage Shown(QWidget& control)
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
  control.repaint();
  const QPixmap shown = control.windowHandle()->screen()->grabWindow(control.winId());
  return shown.toImage().copy(QRect(QPoint(0, 0), control.size())).convertToFormat(QImage::Format_RGB32);
}

TColor At(const QImage& image, int x, int y) { return platform::FromQColor(QColor(image.pixel(x, y))); }

TEST(TeePanelScreen, TheChartReachesTheScreenAndIsDrawnAgainOnlyAfterAChange)
{
  TTestPanel panel;
  panel.show();
  const QImage first = Shown(panel);
  EXPECT_EQ(panel.Draws, 1);
  EXPECT_EQ(At(first, 200, 125), kChartColor);
  EXPECT_EQ(At(first, 6, 125), platform::ColorToRGB(platform::clBtnFace));  // the margin
  EXPECT_EQ(At(first, 0, 0), platform::ColorToRGB(platform::clBtnHighlight));  // the raised bevel
  EXPECT_EQ(At(first, 399, 249), platform::ColorToRGB(platform::clBtnShadow));

  // Exposes without a change show the same picture without drawing it again.
  panel.update();
  const QImage again = Shown(panel);
  EXPECT_EQ(panel.Draws, 1);
  EXPECT_EQ(again, first);

  panel.SetMarginLeft(50);
  const QImage moved = Shown(panel);
  EXPECT_EQ(panel.Draws, 2);
  EXPECT_EQ(At(moved, 100, 125), platform::ColorToRGB(platform::clBtnFace));
  EXPECT_EQ(At(moved, 300, 125), kChartColor);

  panel.resize(300, 200);
  const QImage smaller = Shown(panel);
  EXPECT_EQ(panel.Draws, 3);
  EXPECT_EQ(At(smaller, 299, 199), platform::ColorToRGB(platform::clBtnShadow));
}

// Unbuffered, every paint draws the chart straight onto the control.
TEST(TeePanelScreen, AnUnbufferedChartIsDrawnAtEveryPaint)
{
  TTestPanel panel;
  panel.Canvas().SetBuffered(false);
  panel.show();
  const QImage first = Shown(panel);
  EXPECT_EQ(At(first, 200, 125), kChartColor);
  const int draws = panel.Draws;
  panel.update();
  Shown(panel);
  EXPECT_GT(panel.Draws, draws);
}

}  // namespace
}  // namespace chart
