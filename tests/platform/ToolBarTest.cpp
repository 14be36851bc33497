#include "platform/Canvas.h"
#include "platform/ToolBar.h"

#include <QApplication>
#include <algorithm>
#include <array>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace platform {
namespace {

// The tool bar of a contour window: a latching "Paint" button alone in its group and five editing
// tools of which exactly one is down.
class ContourToolBar : public ::testing::Test {
protected:
  ContourToolBar()
  {
    for (const char* name : {"sbPrint", "sbZoomIn"})
      bar.AddButton(name, name, [this, name] { clicks << name; });
    bar.AddSeparator();
    bar.AddButton("sbAnnotate", "Paint", [this] { clicks << "sbAnnotate"; }).SetGroupIndex(5);
    bar.AddSeparator();
    for (const char* name : {"sbAddContours", "sbDeleteContours", "sbAddLabels", "sbDeleteLabels", "sbBreakEdit"})
      bar.AddButton(name, name, [this, name] { clicks << name; }).SetGroupIndex(1);
    bar.Button("sbBreakEdit")->SetDown(true);
  }
  bool Down(const char* name) const { return bar.Button(name)->Down(); }
  QStringList DownOnes() const
  {
    QStringList down;
    for (QObject* child : bar.children())
      if (auto* b = dynamic_cast<TSpeedButton*>(child); b != nullptr && b->Down())
        down << b->objectName();
    return down;
  }

  TToolBar bar;
  QStringList clicks;
};

TEST_F(ContourToolBar, ALatchingButtonStaysDownAndStillReportsEveryPress)
{
  EXPECT_TRUE(bar.ClickButton("sbAnnotate"));
  EXPECT_TRUE(Down("sbAnnotate"));
  EXPECT_TRUE(bar.ClickButton("sbAnnotate"));
  EXPECT_TRUE(Down("sbAnnotate"));
  bar.Button("sbAnnotate")->SetDown(false);  // the group does not allow all up
  EXPECT_TRUE(Down("sbAnnotate"));
  EXPECT_EQ(clicks, QStringList({"sbAnnotate", "sbAnnotate"}));
  EXPECT_TRUE(Down("sbBreakEdit"));  // another group
}

TEST_F(ContourToolBar, ExactlyOneButtonOfAGroupIsDown)
{
  EXPECT_EQ(DownOnes(), QStringList({"sbBreakEdit"}));
  bar.ClickButton("sbAddLabels");
  EXPECT_EQ(DownOnes(), QStringList({"sbAddLabels"}));
  bar.ClickButton("sbAddLabels");
  EXPECT_EQ(DownOnes(), QStringList({"sbAddLabels"}));
  bar.Button("sbDeleteContours")->SetDown(true);  // by program: no click
  EXPECT_EQ(DownOnes(), QStringList({"sbDeleteContours"}));
  EXPECT_EQ(clicks, QStringList({"sbAddLabels", "sbAddLabels"}));
}

TEST_F(ContourToolBar, PlainButtonsNeverStayDown)
{
  bar.ClickButton("sbPrint");
  bar.Button("sbZoomIn")->SetDown(true);
  EXPECT_FALSE(Down("sbPrint"));
  EXPECT_FALSE(Down("sbZoomIn"));
  EXPECT_EQ(clicks, QStringList({"sbPrint"}));
}

TEST_F(ContourToolBar, DisabledHiddenAndUnknownButtonsCannotBePressed)
{
  bar.Button("sbZoomIn")->SetEnabled(false);
  bar.Button("sbAddContours")->hide();
  EXPECT_FALSE(bar.ClickButton("sbZoomIn"));
  EXPECT_FALSE(bar.ClickButton("sbAddContours"));
  EXPECT_FALSE(bar.ClickButton("nothing"));
  bar.Button("sbZoomIn")->Click();
  EXPECT_TRUE(clicks.isEmpty());
  EXPECT_TRUE(Down("sbBreakEdit"));
}

TEST(SpeedButton, AHiddenPartnerShowsTheVisibleButtonOfItsGroupReleased)
{
  QWidget panel;
  TSpeedButton legend(&panel);
  TSpeedButton partner(&panel);
  legend.SetGroupIndex(1);
  partner.SetGroupIndex(1);
  partner.hide();
  legend.Click();
  EXPECT_TRUE(legend.Down());
  partner.SetDown(true);
  EXPECT_FALSE(legend.Down());
}

// A sibling that is no speed button, with bytes that read as "down, in group 0x01010101" wherever
// a speed button keeps its switches.
struct TLookalike : QWidget {
  using QWidget::QWidget;
  std::array<unsigned char, 4096> Bytes = [] {
    std::array<unsigned char, 4096> b{};
    b.fill(0x01);
    return b;
  }();
};

TEST(SpeedButton, PressingAGroupButtonLeavesSiblingsOfOtherKindsAlone)
{
  QWidget panel;
  TLookalike before(&panel);
  TSpeedButton first(&panel);
  TLookalike between(&panel);
  TSpeedButton second(&panel);
  constexpr int kGroup = 0x01010101;
  first.SetGroupIndex(kGroup);
  second.SetGroupIndex(kGroup);
  first.Click();
  second.Click();
  EXPECT_FALSE(first.Down());
  EXPECT_TRUE(second.Down());
  for (const TLookalike* sibling : {&before, &between})
    EXPECT_TRUE(std::all_of(sibling->Bytes.begin(), sibling->Bytes.end(), [](unsigned char b) { return b == 0x01; }));
}

TEST(SpeedButton, AGroupThatAllowsAllUpReleasesOnTheSecondPress)
{
  QWidget panel;
  TSpeedButton grid(&panel);
  TSpeedButton other(&panel);
  grid.SetGroupIndex(2);
  other.SetGroupIndex(2);
  grid.SetAllowAllUp(true);  // for the whole group
  EXPECT_TRUE(other.AllowAllUp());
  grid.Click();
  EXPECT_TRUE(grid.Down());
  grid.Click();
  EXPECT_FALSE(grid.Down());
  other.SetDown(true);
  other.SetDown(false);
  EXPECT_FALSE(other.Down());
}

TEST(SpeedButton, OnlyAReleaseOverTheButtonClicksIt)
{
  int clicks = 0;
  TSpeedButton button;
  button.resize(25, 25);
  button.OnClick = [&] { ++clicks; };
  button.show();
  const auto mouse = [&](QEvent::Type type, int x, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(x, 5), button.mapToGlobal(QPointF(x, 5)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
  };
  mouse(QEvent::MouseButtonPress, 5, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, 6, Qt::NoButton);
  EXPECT_EQ(clicks, 1);
  mouse(QEvent::MouseButtonPress, 5, Qt::LeftButton);
  mouse(QEvent::MouseMove, 40, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, 40, Qt::NoButton);
  EXPECT_EQ(clicks, 1);
  mouse(QEvent::MouseButtonPress, 5, Qt::LeftButton);
  mouse(QEvent::MouseMove, 40, Qt::LeftButton);
  mouse(QEvent::MouseMove, 10, Qt::LeftButton);  // back in before the release
  mouse(QEvent::MouseButtonRelease, 10, Qt::NoButton);
  EXPECT_EQ(clicks, 2);
}

TEST(SpeedButton, AButtonThatIsDownShowsTheCheckeredFace)
{
  QWidget panel;
  TSpeedButton button(&panel);
  button.resize(25, 25);
  button.SetGroupIndex(1);
  const QImage up = button.PaintToImage();
  button.SetDown(true);
  const QImage down = button.PaintToImage();
  const QColor face = ColorToQColor(clBtnFace);
  const QColor light = ColorToQColor(clBtnHighlight);
  EXPECT_EQ(up.pixelColor(10, 10), face);
  EXPECT_EQ(up.pixelColor(11, 10), face);
  EXPECT_NE(down.pixelColor(10, 10), down.pixelColor(11, 10));
  EXPECT_TRUE(down.pixelColor(10, 10) == light || down.pixelColor(11, 10) == light);
  EXPECT_EQ(up.pixelColor(0, 0), light);  // raised frame
}

TEST(SpeedButton, AFlatButtonShowsItsFrameOnlyUnderTheMouse)
{
  TSpeedButton button;
  button.resize(25, 25);
  button.SetFlat(true);
  const QColor face = ColorToQColor(clBtnFace);
  EXPECT_EQ(button.PaintToImage().pixelColor(0, 0), face);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.MouseInControl());
  EXPECT_EQ(button.PaintToImage().pixelColor(0, 0), ColorToQColor(clBtnHighlight));
  EXPECT_EQ(button.PaintToImage().pixelColor(24, 24), ColorToQColor(clBtnShadow));
}

TEST(SpeedButton, AGlyphIsDrawnWithoutItsBackgroundAndEmbossedWhenDisabled)
{
  TBitmap glyph(8, 8);
  glyph.Canvas().Brush().SetColor(clFuchsia);
  glyph.Canvas().FillRect({0, 0, 8, 8});
  glyph.Canvas().Brush().SetColor(clBlue);
  glyph.Canvas().FillRect({2, 2, 6, 6});
  TSpeedButton button;
  button.resize(24, 24);
  button.SetGlyph(glyph);
  const QImage shown = button.PaintToImage();
  EXPECT_EQ(shown.pixelColor(12, 12), QColor(0, 0, 255));
  EXPECT_EQ(shown.pixelColor(9, 9), ColorToQColor(clBtnFace));  // background left out
  button.SetEnabled(false);
  const QImage disabled = button.PaintToImage();
  EXPECT_EQ(disabled.pixelColor(12, 12), ColorToQColor(clBtnShadow));
  EXPECT_EQ(disabled.pixelColor(14, 14), ColorToQColor(clBtnHighlight));  // the embossed edge
}

TEST(ToolBar, ButtonsLineUpFromTheLeftAndHiddenOnesTakeNoRoom)
{
  TToolBar bar(nullptr, 32);
  bar.SetBevelInner(TPanelBevel::bvLowered);
  TSpeedButton& print = bar.AddButton("sbPrint", "Print graphic");
  TSpeedButton& save = bar.AddButton("sbSaveAs", "Save As...");
  bar.AddSeparator();
  TSpeedButton& zoom = bar.AddButton("sbZoomIn", "Zoom in");
  EXPECT_EQ(print.geometry(), QRect(4, 3, 25, 25));
  EXPECT_EQ(save.x(), 29);
  EXPECT_EQ(zoom.x(), 62);
  save.hide();
  EXPECT_EQ(zoom.x(), 37);
  save.show();
  EXPECT_EQ(zoom.x(), 62);
  EXPECT_EQ(bar.ButtonCount(), 3);
  EXPECT_EQ(print.Hint(), "Print graphic");
  EXPECT_TRUE(print.Flat());
}

}  // namespace
}  // namespace platform
