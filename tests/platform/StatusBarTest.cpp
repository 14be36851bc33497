#include "platform/StatusBar.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// True when some pixel of the rectangle is dark (text).
bool HasText(const QImage& image, const TRect& r)
{
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (qGray(image.pixel(x, y)) < 64)
        return true;
  return false;
}

// The plot's status bar: X and Y read-outs of 100 pixels and the drawing state.
class PlotStatusBar : public ::testing::Test {
protected:
  PlotStatusBar()
  {
    bar.resize(400, 20);
    bar.BeginUpdate();
    bar.AddPanel("X=n/a", 100);
    bar.AddPanel("Y=n/a", 100);
    bar.AddPanel();
    bar.EndUpdate();
  }
  TStatusBar bar;
};

TEST_F(PlotStatusBar, PanelsLieSideBySideAndTheLastTakesTheRest)
{
  EXPECT_EQ(bar.PanelRect(0), Rect(0, 2, 98, 20));
  EXPECT_EQ(bar.PanelRect(1), Rect(100, 2, 198, 20));
  EXPECT_EQ(bar.PanelRect(2), Rect(200, 2, 388, 20));  // up to the size grip
  bar.SetSizeGrip(false);
  EXPECT_EQ(bar.PanelRect(2).Right, 400);
  bar.SetPanelWidth(0, 150);
  EXPECT_EQ(bar.PanelRect(1).Left, 150);
  EXPECT_EQ(bar.PanelRect(3), TRect{});
}

TEST_F(PlotStatusBar, PanelTextsAreDrawnInTheirPanels)
{
  bar.SetPanelText(2, "Drawing...");
  bar.SetPanelText(5, "ignored");
  EXPECT_EQ(bar.Panel(2).Text, "Drawing...");
  const QImage image = bar.PaintToImage();
  EXPECT_TRUE(HasText(image, {3, 4, 95, 18}));
  EXPECT_TRUE(HasText(image, {203, 4, 300, 18}));
  bar.SetPanelText(0, "");
  EXPECT_FALSE(HasText(bar.PaintToImage(), {3, 4, 95, 18}));
}

TEST_F(PlotStatusBar, SimpleTextCoversThePanelsAndGivesThemBack)
{
  bar.SetSimpleText("Printing");
  bar.SetSimplePanel(true);
  const QImage simple = bar.PaintToImage();
  EXPECT_TRUE(HasText(simple, {0, 4, 60, 18}));
  EXPECT_FALSE(HasText(simple, {100, 4, 190, 18}));  // no "Y=n/a"
  EXPECT_NE(simple.pixel(0, 10), qRgb(0x80, 0x80, 0x80));  // no panel frames either
  bar.SetSimplePanel(false);
  const QImage panels = bar.PaintToImage();
  EXPECT_TRUE(HasText(panels, {100, 4, 190, 18}));
  EXPECT_EQ(panels.pixel(0, 10), qRgb(0x80, 0x80, 0x80));
  EXPECT_EQ(bar.Panel(1).Text, "Y=n/a");
}

TEST_F(PlotStatusBar, AlignmentPlacesTheText)
{
  TStatusPanel right = bar.Panel(0);
  right.Text = "1";
  right.Alignment = TAlignment::taRightJustify;
  bar.SetPanel(0, right);
  const QImage image = bar.PaintToImage();
  EXPECT_FALSE(HasText(image, {2, 4, 80, 18}));
  EXPECT_TRUE(HasText(image, {80, 4, 97, 18}));
}

}  // namespace
}  // namespace platform
