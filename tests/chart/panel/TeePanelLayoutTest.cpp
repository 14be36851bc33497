#include "TestPanel.h"

#include "chart/support/ChartExceptions.h"
#include "platform/Bitmap.h"
#include "platform/CanvasRecording.h"

#include <gtest/gtest.h>
#include <array>
#include <functional>
#include <string_view>

namespace chart {
namespace {

using testing::TTestPanel;

TEST(TeePanel, StartsWithTheDefaultsOfAChart)
{
  TTestPanel panel;
  EXPECT_EQ(panel.width(), 400);
  EXPECT_EQ(panel.height(), 250);
  EXPECT_TRUE(panel.IsReady());
  EXPECT_FALSE(panel.IsPrinting());
  EXPECT_TRUE(panel.View3D());
  EXPECT_EQ(panel.Chart3DPercent(), 15);
  EXPECT_EQ((std::array{panel.MarginLeft(), panel.MarginTop(), panel.MarginRight(), panel.MarginBottom()}),
            (std::array{3, 4, 3, 4}));
  EXPECT_FALSE(panel.Monochrome());
  EXPECT_TRUE(panel.PrintProportional());
  EXPECT_EQ(panel.PrintResolution(), 0);
  EXPECT_EQ(panel.PrintMargins(), (TRect{15, 15, 15, 15}));
  EXPECT_TRUE(panel.ApplyZOrder());
  EXPECT_TRUE(panel.Canvas().IsBuffered());
  EXPECT_FALSE(panel.Zoom().Active);
  EXPECT_FALSE(panel.Panning().Active);
  // The extended panel
  EXPECT_FALSE(panel.AnimatedZoom());
  EXPECT_EQ(panel.AnimatedZoomSteps(), 8);
  EXPECT_TRUE(panel.AllowZoom());
  EXPECT_EQ(panel.AllowPanning(), TPanningMode::pmBoth);
  EXPECT_TRUE(panel.BackImage().Empty());
  EXPECT_EQ(panel.BackImageMode(), TTeeBackImageMode::pbmStretch);
  EXPECT_FALSE(panel.Gradient().Visible());
  EXPECT_EQ(panel.Gradient().Direction(), TGradientDirection::gdTopBottom);
  EXPECT_EQ(panel.Gradient().StartColor(), platform::clWhite);
  EXPECT_EQ(panel.Gradient().EndColor(), TColor(0x00FFFF));
  EXPECT_FALSE(panel.Zoomed());
}

// Values computed apart in python3 (MulDiv rounding, then the two corrections of a collapsed side).
TEST(TeePanel, LaysOutTheChartRectangleByPercentMarginsAndBorder)
{
  struct Case {
    std::array<int, 4> margins;
    int border;
    TRect rect;
    TPoint centre;
  };
  const Case cases[] = {
      {{3, 4, 3, 4}, 0, {12, 10, 388, 240}, {200, 125}},
      {{3, 4, 3, 4}, 2, {14, 12, 386, 238}, {200, 125}},
      {{0, 0, 0, 0}, 0, {0, 0, 400, 250}, {200, 125}},
      {{60, 4, 60, 4}, 0, {240, 10, 241, 240}, {240, 125}},   // over 100 %: right = left + 1
      {{3, 70, 3, 40}, 0, {12, 175, 388, 176}, {200, 175}},   // likewise bottom = top + 1
      {{50, 4, 50, 4}, 0, {200, 10, 600, 240}, {400, 125}},   // right = left: left + the control width
      {{-10, -10, 3, 4}, 0, {0, 0, 388, 240}, {194, 120}},    // left and top kept inside the bounds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.border);
    TTestPanel panel;
    for (int i = 0; i < 4; ++i)
      panel.SetMargin(i, c.margins[i]);
    panel.SetBorderWidth(c.border);
    panel.CreateBitmap(platform::clWhite, panel.GetRectangle());
    EXPECT_EQ(panel.LastBounds, (TRect{0, 0, 400, 250}));
    EXPECT_EQ(panel.ChartRect(), c.rect);
    EXPECT_EQ(panel.ChartWidth(), c.rect.Width());
    EXPECT_EQ(panel.ChartHeight(), c.rect.Height());
    EXPECT_EQ((TPoint{panel.ChartXCenter(), panel.ChartYCenter()}), c.centre);
  }
}

TEST(TeePanel, Chart3DPercentTakesOneToHundredAndKeepsItsValueOtherwise)
{
  TTestPanel panel;
  for (int bad : {0, 101, -5}) {
    try {
      panel.SetChart3DPercent(bad);
      ADD_FAILURE() << bad << " accepted";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("3D effect percent must be between 1 and 100"));
    }
    EXPECT_EQ(panel.Chart3DPercent(), 15);
  }
  for (int good : {1, 100, 40}) {
    panel.SetChart3DPercent(good);
    EXPECT_EQ(panel.Chart3DPercent(), good);
  }
}

TEST(TeePanel, SettersRepaintOnlyOnChange)
{
  TTestPanel panel;
  const platform::TBitmap image(2, 2);
  const auto clean = [&] {
    panel.CreateBitmap(platform::clWhite, panel.GetRectangle());  // any picture; then a screen one
    panel.PaintToImage();
    return !panel.Canvas().IsDirty();
  };
  ASSERT_TRUE(clean());
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"View3D", [&] { panel.SetView3D(false); }},
      {"Chart3DPercent", [&] { panel.SetChart3DPercent(30); }},
      {"margin", [&] { panel.SetMarginBottom(9); }},
      {"view options", [&] { panel.View3DOptions().SetElevation(300); }},
      {"colour", [&] { panel.SetColor(platform::clAqua); }},
      {"gradient", [&] { panel.Gradient().SetVisible(true); }},
      {"animated zoom", [&] { panel.SetAnimatedZoom(true); }},
      {"zoom steps", [&] { panel.SetAnimatedZoomSteps(3); }},
      {"image mode", [&] { panel.SetBackImageMode(TTeeBackImageMode::pbmTile); }},
      {"back image", [&] { panel.BackImage().SetGraphic(&image); }},
      {"undo zoom", [&] { panel.UndoZoom(); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(clean());
    change();
    EXPECT_TRUE(panel.Canvas().IsDirty());
    ASSERT_TRUE(clean());
    change();  // the same value again
    EXPECT_EQ(panel.Canvas().IsDirty(), std::string_view(name) == "undo zoom" || std::string_view(name) == "back image");
  }
}

TEST(TeePanel, AssignCopiesTheChartSettings)
{
  TTestPanel from;
  from.Canvas().SetBuffered(false);
  from.SetPrintProportional(false);
  from.SetPrintResolution(-40);
  from.SetMarginLeft(7);
  from.SetMarginTop(8);
  from.SetMarginRight(9);
  from.SetMarginBottom(10);
  from.SetMonochrome(true);
  from.SetView3D(false);
  from.View3DOptions().SetRotation(10);
  from.SetChart3DPercent(55);
  from.SetColor(platform::clYellow);
  from.SetBackImageMode(TTeeBackImageMode::pbmCenter);
  const platform::TBitmap image(3, 2);
  from.BackImage().SetGraphic(&image);
  from.Gradient().SetVisible(true);
  from.Gradient().SetDirection(TGradientDirection::gdFromCenter);
  from.SetAllowPanning(TPanningMode::pmVertical);
  from.SetAllowZoom(false);
  from.SetAnimatedZoom(true);
  from.SetAnimatedZoomSteps(4);

  TTestPanel to;
  to.Assign(from);
  EXPECT_FALSE(to.Canvas().IsBuffered());
  EXPECT_FALSE(to.PrintProportional());
  EXPECT_EQ(to.PrintResolution(), -40);
  EXPECT_EQ((std::array{to.MarginLeft(), to.MarginTop(), to.MarginRight(), to.MarginBottom()}),
            (std::array{7, 8, 9, 10}));
  EXPECT_TRUE(to.Monochrome());
  EXPECT_FALSE(to.View3D());
  EXPECT_EQ(to.View3DOptions().Rotation(), 10);
  EXPECT_EQ(to.Chart3DPercent(), 55);
  EXPECT_EQ(to.Color(), platform::clYellow);
  EXPECT_EQ(to.BackImageMode(), TTeeBackImageMode::pbmCenter);
  EXPECT_EQ(to.BackImage().Width(), 3);
  EXPECT_TRUE(to.Gradient().Visible());
  EXPECT_EQ(to.Gradient().Direction(), TGradientDirection::gdFromCenter);
  EXPECT_EQ(to.AllowPanning(), TPanningMode::pmVertical);
  EXPECT_FALSE(to.AllowZoom());
  EXPECT_TRUE(to.AnimatedZoom());
  EXPECT_EQ(to.AnimatedZoomSteps(), 4);
}

TEST(TeePanel, AFailedDrawingLeavesTheCanvasOnTheControlsOwnCanvas)
{
  TTestPanel panel;
  panel.Fail = true;
  panel.Canvas().SetBuffered(false);
  {
    platform::TRecordingCanvas passing;
    EXPECT_THROW(panel.Draw(passing, panel.GetRectangle()), std::runtime_error);
    EXPECT_NE(&panel.Canvas().ReferenceCanvas(), &passing);
  }
  // Measuring after the destination is gone must not reach it.
  EXPECT_GT(panel.Canvas().TextWidthOf(QStringLiteral("abc")), 0);
  EXPECT_TRUE(panel.Canvas().IsDirty());
}

}  // namespace
}  // namespace chart
