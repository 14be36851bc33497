#include "TestPanel.h"
#include "tests/support/KeyInput.h"

#include "platform/Bitmap.h"
#include "platform/CanvasImage.h"
#include "platform/CanvasRecording.h"
#include "platform/Picture.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace chart {
namespace {

using platform::TColor;
using testing::TTestPanel;

// A white image the panel's chart canvas draws on.
struct TImageTarget {
  QImage Image;
  platform::TImageCanvas Canvas;
  TImageTarget(TTestPanel& panel, int width, int height)
      : Image(width, height, QImage::Format_RGB32), Canvas(Image)
  {
    Image.fill(Qt::white);
    panel.Canvas().SetTargetCanvas(Canvas);
  }
  TColor At(int x, int y) const { return platform::FromQColor(QColor(Image.pixel(x, y))); }
};

int Distance(TColor a, TColor b)
{
  int sum = 0;
  for (int shift : {0, 8, 16})
    sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
  return sum;
}

TEST(TeePanelDrawing, SetBrushCanvasKeepsAHatchVisibleOnItsBackground)
{
  using platform::TBkMode;
  using platform::TBrushStyle;
  struct Case {
    TColor color;
    TBrushStyle style;
    TColor back;
    TColor brush;
    TBkMode mode;
  };
  const Case cases[] = {
      {platform::clRed, TBrushStyle::bsSolid, platform::clRed, platform::clRed, TBkMode::bmTransparent},
      {platform::clRed, TBrushStyle::bsCross, platform::clRed, platform::clBlack, TBkMode::bmOpaque},
      {platform::clBlack, TBrushStyle::bsCross, platform::clBlack, platform::clWhite, TBkMode::bmOpaque},
      {platform::clRed, TBrushStyle::bsFDiagonal, platform::clBlue, platform::clRed, TBkMode::bmOpaque},
      {platform::clRed, TBrushStyle::bsCross, platform::clBtnFace, platform::clRed, TBkMode::bmOpaque},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.style));
    TTestPanel panel;
    panel.SetBrushCanvas(c.color, c.style, c.back);
    EXPECT_EQ(panel.Canvas().Brush().Color(), c.brush);
    EXPECT_EQ(panel.Canvas().Brush().Style(), c.style);
    EXPECT_EQ(panel.Canvas().GetBackgroundMode(), c.mode);
    if (c.mode == TBkMode::bmOpaque) {
      EXPECT_EQ(panel.Canvas().GetBackgroundColor(), platform::ColorToRGB(c.back));
    }
  }
}

TEST(TeePanelDrawing, MultiLineTextWidthGivesTheWidestLineAndTheLineCount)
{
  TTestPanel panel;
  const auto width = [&](const char* text) { return panel.Canvas().TextWidthOf(QString::fromLatin1(text)); };
  struct Case {
    const char* text;
    int width;
    int lines;
  };
  const Case cases[] = {
      {"abc", width("abc"), 1},
      {"", 0, 1},
      {"abc\rlonger line", width("longer line"), 2},
      {"longer line\rabc\r", width("longer line"), 2},  // a trailing empty part is no line
      {"a\r\rbb", width("bb"), 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    int lines = -1;
    EXPECT_EQ(panel.MultiLineTextWidth(QString::fromLatin1(c.text), lines), c.width);
    EXPECT_EQ(lines, c.lines);
  }
}

TEST(TeePanelDrawing, TheZoomRectangleDrawnTwiceErasesItself)
{
  for (TColor colour : {platform::clBtnFace, platform::clWhite}) {
    TTestPanel panel;
    panel.SetColor(colour);
    TImageTarget target(panel, 40, 30);
    target.Canvas.Brush().SetColor(platform::clBlue);
    target.Canvas.FillRect({0, 0, 20, 30});
    const QImage before = target.Image.copy();
    panel.Zoom().Init(30, 25);
    panel.Zoom().X1 = 5;
    panel.Zoom().Y1 = 4;
    panel.DrawZoomRectangle();
    EXPECT_NE(target.Image, before);
    EXPECT_NE(target.At(5, 4), platform::clBlue);
    EXPECT_EQ(target.At(15, 15), platform::clBlue);  // inside: the brush is clear
    EXPECT_EQ(panel.Canvas().Pen().Mode(), platform::TPenMode::pmNotXor);
    EXPECT_EQ(panel.Canvas().Pen().Color(), colour == platform::clWhite ? platform::clBlack : platform::ColorToRGB(colour));
    panel.DrawZoomRectangle();
    EXPECT_EQ(target.Image, before);
  }
}

TEST(TeePanelDrawing, ZoomRecordOrdersItsCorners)
{
  TZoomPanningRecord record;
  record.Init(10, 20);
  EXPECT_TRUE(record.Active);
  EXPECT_EQ((std::array{record.X0, record.Y0, record.X1, record.Y1}), (std::array{10, 20, 10, 20}));
  record.X1 = 3;
  record.Y1 = 40;
  record.Check();
  EXPECT_EQ((std::array{record.X0, record.Y0, record.X1, record.Y1}), (std::array{3, 20, 10, 40}));
}

// Dotted pens become device-thin and clipping follows the two switches only inside a picture on paper
// or in a metafile.
TEST(TeePanelDrawing, PrintingThinsDottedPensAndClippingFollowsItsSwitches)
{
  struct Case {
    const char* where;
    bool clipWhenPrinting;
    bool clipWhenMetafiling;
    bool canClip;
    int dottedWidth;
  };
  const Case cases[] = {
      {"bitmap", false, false, true, 1},   {"metafile", true, true, true, 1},
      {"metafile", true, false, false, 1}, {"printing", true, true, true, 0},
      {"printing", false, true, false, 0}, {"printing", true, false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    TTestPanel panel;
    panel.ClipWhenPrinting = c.clipWhenPrinting;
    panel.ClipWhenMetafiling = c.clipWhenMetafiling;
    bool canClip = !c.canClip;
    int widths[3] = {};
    panel.During = [&] {
      canClip = panel.CanClip();
      platform::TPen dotted, solid, wide;
      dotted.SetStyle(platform::TPenStyle::psDot);
      wide.SetStyle(platform::TPenStyle::psDot);
      wide.SetWidth(2);
      for (platform::TPen* pen : {&dotted, &solid, &wide})
        panel.CheckPenWidth(*pen);
      widths[0] = dotted.Width();
      widths[1] = solid.Width();
      widths[2] = wide.Width();
    };
    const std::string where = c.where;
    if (where == "bitmap") {
      panel.CreateBitmap(platform::clWhite, panel.GetRectangle());
    } else if (where == "metafile") {
      panel.CreateMetafile(true, panel.GetRectangle());
    } else {
      platform::TRecordingCanvas paper;
      panel.PrintPartialCanvas(paper, {100, 100, 900, 600});
      EXPECT_FALSE(panel.IsPrinting());
    }
    EXPECT_EQ(canClip, c.canClip);
    EXPECT_EQ(widths[0], c.dottedWidth);
    EXPECT_EQ(widths[1], 1);
    EXPECT_EQ(widths[2], 2);
  }
  TTestPanel panel;
  EXPECT_TRUE(panel.CanClip());
  EXPECT_TRUE(panel.IsScreenHighColor());
}

TEST(TeePanelDrawing, BevelsAndBorderFrameThePanel)
{
  using platform::clBtnHighlight;
  using platform::clBtnShadow;
  const TColor highlight = platform::ColorToRGB(clBtnHighlight);
  const TColor shadow = platform::ColorToRGB(clBtnShadow);
  const TColor face = platform::clYellow;
  struct Case {
    TPanelBevel outer;
    int border;
    TPanelBevel inner;
    TColor topLeft, bottomRight;   // the outer corner pixels
    TColor innerTopLeft;           // just inside the outer bevel and border
  };
  const Case cases[] = {
      {TPanelBevel::bvRaised, 0, TPanelBevel::bvNone, highlight, shadow, platform::clWhite},
      {TPanelBevel::bvLowered, 0, TPanelBevel::bvNone, shadow, highlight, platform::clWhite},
      {TPanelBevel::bvSpace, 0, TPanelBevel::bvNone, highlight, highlight, platform::clWhite},
      {TPanelBevel::bvNone, 0, TPanelBevel::bvNone, platform::clWhite, platform::clWhite, platform::clWhite},
      {TPanelBevel::bvRaised, 2, TPanelBevel::bvLowered, highlight, shadow, shadow},
      {TPanelBevel::bvNone, 1, TPanelBevel::bvRaised, face, face, highlight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.outer) * 100 + c.border * 10 + int(c.inner));
    TTestPanel panel;
    panel.SetColor(face);
    panel.SetBevelOuter(c.outer);
    panel.SetBorderWidth(c.border);
    panel.SetBevelInner(c.inner);
    panel.SetBevelWidth(1);
    TImageTarget target(panel, 30, 20);
    panel.DrawPanelBevels({0, 0, 30, 20});
    EXPECT_EQ(target.At(0, 0), c.topLeft);
    EXPECT_EQ(target.At(29, 19), c.bottomRight);
    const int inside = (c.outer == TPanelBevel::bvNone ? 0 : 1) + c.border;
    EXPECT_EQ(target.At(inside, inside), c.innerTopLeft);
    EXPECT_EQ(target.At(15, 10), platform::clWhite);
  }
}

// Each direction puts its colours where the panel shows them: start colour white, end colour blue.
TEST(TeePanelDrawing, TheBackGradientRunsByItsDirection)
{
  using D = TGradientDirection;
  const TColor start = platform::clWhite;
  const TColor end = platform::clBlue;
  struct Case {
    D direction;
    TPoint nearStart;
    TPoint nearEnd;
  };
  const Case cases[] = {
      {D::gdTopBottom, {30, 38}, {30, 1}},  {D::gdBottomTop, {30, 1}, {30, 38}},
      {D::gdLeftRight, {58, 20}, {1, 20}},  {D::gdRightLeft, {1, 20}, {58, 20}},
      {D::gdFromCenter, {30, 20}, {0, 0}},  {D::gdFromTopLeft, {59, 39}, {0, 0}},
      {D::gdFromBottomLeft, {59, 0}, {0, 39}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.direction));
    TTestPanel panel;
    panel.Gradient().SetStartColor(start);
    panel.Gradient().SetEndColor(end);
    panel.Gradient().SetDirection(c.direction);
    panel.Gradient().SetVisible(true);
    TImageTarget target(panel, 60, 40);
    panel.DrawBackground({0, 0, 60, 40});
    const TColor s = target.At(c.nearStart.X, c.nearStart.Y);
    const TColor e = target.At(c.nearEnd.X, c.nearEnd.Y);
    EXPECT_LT(Distance(s, start), Distance(s, end)) << std::hex << s;
    EXPECT_LT(Distance(e, end), Distance(e, start)) << std::hex << e;
  }
  // Hidden: the control colour.
  TTestPanel panel;
  panel.SetColor(platform::clLime);
  TImageTarget target(panel, 60, 40);
  panel.DrawBackground({0, 0, 60, 40});
  EXPECT_EQ(target.At(30, 20), platform::clLime);
}

TEST(TeePanelDrawing, TheBackImageIsStretchedTiledOrCentred)
{
  platform::TBitmap tile(4, 3);
  tile.Canvas().Brush().SetColor(platform::clBlue);
  tile.Canvas().FillRect({0, 0, 4, 3});
  tile.Canvas().SetPixel(0, 0, platform::clLime);
  const TColor face = platform::ColorToRGB(platform::clBtnFace);
  const TColor white = platform::clWhite;
  const TColor blue = platform::clBlue;
  const TColor lime = platform::clLime;
  struct Case {
    TTeeBackImageMode mode;
    std::vector<std::pair<TPoint, TColor>> pixels;
  };
  // The rectangle (10, 10, 30, 20) on a 40 x 30 image.
  const Case cases[] = {
      {TTeeBackImageMode::pbmStretch, {{{29, 19}, blue}, {{9, 9}, white}, {{30, 20}, white}}},
      {TTeeBackImageMode::pbmTile,
       {{{10, 10}, lime}, {{14, 10}, lime}, {{26, 19}, lime}, {{29, 19}, blue}, {{30, 19}, white}, {{29, 20}, white}}},
      {TTeeBackImageMode::pbmCenter, {{{18, 13}, lime}, {{21, 15}, blue}, {{17, 13}, face}, {{10, 10}, face}, {{9, 9}, white}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.mode));
    TTestPanel panel;
    panel.BackImage().SetGraphic(&tile);
    panel.SetBackImageMode(c.mode);
    TImageTarget target(panel, 40, 30);
    panel.DrawBackImage({10, 10, 30, 20});
    for (const auto& [at, colour] : c.pixels)
      EXPECT_EQ(target.At(at.X, at.Y), colour) << at.X << "," << at.Y;
    EXPECT_FALSE(target.Canvas.IsClipped());
  }
  // At a depth, a chart in rotated 3-D shows no back image.
  TTestPanel panel;
  panel.BackImage().SetGraphic(&tile);
  panel.View3DOptions().SetOrthogonal(false);
  TImageTarget target(panel, 40, 30);
  panel.DrawBackImageRect({10, 10, 30, 20}, 5);
  EXPECT_EQ(target.At(20, 15), white);
}

TEST(TeePanelDrawing, UndoZoomTellsItsEventAndClearsTheZoomedFlag)
{
  TTestPanel panel;
  int told = 0;
  panel.OnUndoZoom = [&] {
    ++told;
    EXPECT_TRUE(panel.Zoomed());
  };
  panel.SetZoomed(true);
  panel.UndoZoom();
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(panel.Zoomed());
}

TEST(TeePanelInput, LeavingThePanelRestoresTheSavedCursorAndEndsPanning)
{
  TTestPanel panel;
  panel.SetCursorNumber(platform::crHandPoint);
  panel.Loaded();  // saves the cursor of the loaded form
  panel.SetCursorNumber(platform::crCross);
  panel.Panning().Init(5, 5);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&panel, &leave);
  EXPECT_EQ(panel.CursorNumber(), platform::crHandPoint);
  EXPECT_FALSE(panel.Panning().Active);
}

TEST(TeePanelInput, ArrowKeysComeToThePanel)
{
  QWidget window;
  auto* panel = new TTestPanel;
  panel->setParent(&window);
  auto* other = new TTestPanel;
  other->setParent(&window);
  panel->setFocusPolicy(Qt::StrongFocus);
  other->setFocusPolicy(Qt::StrongFocus);
  window.show();
  panel->setFocus();
  QApplication::processEvents();
  for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
    testing_support::PressKey(*panel, key);
  EXPECT_EQ(panel->Keys, (std::vector<int>{platform::VK_LEFT, platform::VK_RIGHT, platform::VK_UP, platform::VK_DOWN}));
  EXPECT_TRUE(other->Keys.empty());
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

// A chart font keeps its height in pixels on a canvas of another resolution.
TEST(TeePanelDrawing, AnAssignedFontKeepsItsPixelHeightAtTheCanvasResolution)
{
  TTestPanel panel;
  panel.Canvas().Font().SetPixelsPerInch(600);
  platform::TFont font;
  font.SetSize(10);
  const int height = font.Height();
  panel.AssignFont(font);
  EXPECT_EQ(font.PixelsPerInch(), 600);
  EXPECT_EQ(panel.Canvas().Font().PixelsPerInch(), 600);
  EXPECT_EQ(panel.Canvas().Font().Height(), height);
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

// At a depth the rectangle is projected; a 2-D chart moves its top down by one.
TEST(TeePanelDrawing, TheBackImageAtADepthIsProjected)
{
  platform::TBitmap tile(4, 3);
  TTestPanel panel;
  panel.BackImage().SetGraphic(&tile);
  panel.Canvas().SetBuffered(false);
  panel.SetView3D(false);
  platform::TRecordingCanvas recording;
  panel.During = [&] {
    recording.Clear();
    panel.DrawBackImageRect({10, 10, 30, 20}, 5);
  };
  panel.Draw(recording, panel.GetRectangle());
  ASSERT_FALSE(recording.Calls().empty());
  EXPECT_EQ(recording.Calls().front(), "DrawImage(10,11,30,20,0,0,4,3)");
}

}  // namespace
}  // namespace chart
