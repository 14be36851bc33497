// The annotation palette driven with the mouse: its tools, switches and commands on the plot's layer,
// one palette at a time, freed when closed.
#include "PlotFixture.h"

#include "plotui/annotate/AnnotateTools.h"

#include "platform/Hints.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QCheckBox>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;

// A click on a check box's square.
void Tick(QCheckBox& box) { testing_support::ClickAt(box, QPointF(8, box.height() / 2.0)); }

struct TPaletteFixture : TPlotFixture {
  TGraphAnnotate& layer;
  std::vector<bool> heard;  // what the plot heard of the palette
  TPaletteFixture() : layer(dynamic_cast<TGraphAnnotate&>(chart->Graph->GetAnnotations()))
  {
    AddSeries("s", plot::kStylePoints, platform::clBlue, {{0, 0}, {10, 10}});
    chart->Redraw();
    chart->OnAnnotateTools = [this](bool shown) { heard.push_back(shown); };
  }
  ~TPaletteFixture()
  {
    if (TfmAnnotateTools* palette = CurrentAnnotateTools())
      palette->close();
    FreeClosedPalettes();
  }
  void AddLine()
  {
    layer.AddFigure(CreateAt<TMonoLine>(*chart->Graph, 1, platform::clRed, {2, 2}, {8, 8}));
  }
  static void FreeClosedPalettes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  static int PaletteObjects()
  {
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
      n += dynamic_cast<TfmAnnotateTools*>(w) != nullptr;
    return n;
  }
};

TEST(AnnotateTools, EachToolButtonSetsTheLayersToolAndCursorAndLeavesZoomMode)
{
  TPaletteFixture f;
  TfmAnnotateTools& palette = ShowAnnotateTools(*f.chart);
  EXPECT_EQ(palette.windowTitle(), "Annotate Tools");
  EXPECT_TRUE(palette.windowFlags() & Qt::WindowStaysOnTopHint);
  const struct {
    platform::TSpeedButton* button;
    const char* hint;
    TAnnotateTool tool;
    platform::TCursor cursor;
  } cases[] = {{palette.sbShap, "Draw symbol", atSymbol, 118},  {palette.sbLine, "Draw line", atLine, 115},
               {palette.sbArrow, "Draw arrow", atArrow, 114},   {palette.sbRect, "Draw rectangle", atRectangle, 116},
               {palette.sbText, "Draw text", atText, 113},      {palette.sbCircle, "Draw circle", atCircle, 117},
               {palette.sbPencil, "Pencil", atPencil, 119},
               {palette.sbNone, "Select (right button click)", atNone, platform::crDefault}};
  for (const auto& c : cases) {
    f.chart->ZoomIn();
    f.chart->Graph->AnimatedZoom = true;
    Click(*c.button);
    EXPECT_EQ(platform::Hint(*c.button), c.hint);
    EXPECT_TRUE(platform::ShowsHint(*c.button)) << c.hint;
    EXPECT_EQ(f.layer.Tool, c.tool) << c.hint;
    EXPECT_EQ(f.chart->Image->CursorNumber(), c.cursor) << c.hint;
    EXPECT_FALSE(f.chart->Zoom->Enabled()) << c.hint;
    EXPECT_FALSE(f.chart->Graph->Zoom.Enabled) << c.hint;
    EXPECT_FALSE(f.chart->Graph->AnimatedZoom) << c.hint;
    int down = 0;
    for (platform::TSpeedButton* b : palette.ToolButtons)
      down += b->Down();
    EXPECT_EQ(down, 1) << c.hint;
    EXPECT_TRUE(c.button->Down()) << c.hint;
  }
}

TEST(AnnotateTools, ClosingEndsTheEditingAndFreesThePaletteAndReopeningStartsOnSelect)
{
  TPaletteFixture f;
  f.AddLine();
  for (int cycle = 0; cycle < 5; ++cycle) {
    TfmAnnotateTools& palette = ShowAnnotateTools(*f.chart);
    EXPECT_TRUE(palette.isVisible());
    EXPECT_TRUE(palette.sbNone->Down()) << cycle;
    EXPECT_EQ(f.layer.GetFigure(0)->Dragging, 1);
    Click(*palette.sbRect);
    ASSERT_EQ(f.layer.Tool, atRectangle);
    palette.close();
    EXPECT_EQ(f.layer.Tool, atNone);
    EXPECT_EQ(f.layer.GetFigure(0)->Dragging, 0);
    EXPECT_EQ(f.chart->Image->CursorNumber(), platform::crDefault);
    EXPECT_EQ(CurrentAnnotateTools(), nullptr);
    f.FreeClosedPalettes();
  }
  ShowAnnotateTools(*f.chart);
  f.FreeClosedPalettes();
  EXPECT_EQ(TPaletteFixture::PaletteObjects(), 1);
  EXPECT_EQ(f.heard, (std::vector<bool>{true, false, true, false, true, false, true, false, true, false, true}));
}

TEST(AnnotateTools, ASecondPlotTakesThePaletteFromTheFirst)
{
  TPaletteFixture first;
  TPaletteFixture second;
  first.AddLine();
  TfmAnnotateTools& palette = ShowAnnotateTools(*first.chart);
  Click(*palette.sbPencil);
  ASSERT_EQ(first.layer.Tool, atPencil);
  EXPECT_EQ(&ShowAnnotateTools(*second.chart), &palette);
  EXPECT_EQ(first.layer.Tool, atNone);
  EXPECT_EQ(first.layer.GetFigure(0)->Dragging, 0);
  EXPECT_EQ(first.heard, (std::vector<bool>{true, false}));
  EXPECT_EQ(second.heard, (std::vector<bool>{true}));
  EXPECT_TRUE(palette.sbNone->Down());
  Click(*palette.sbLine);
  EXPECT_EQ(second.layer.Tool, atLine);
  EXPECT_EQ(first.layer.Tool, atNone);
}

TEST(AnnotateTools, AutorefreshRefreshDeleteAllAndAllVisible)
{
  TPaletteFixture f;
  f.layer.AutoRefresh = true;
  TfmAnnotateTools& palette = ShowAnnotateTools(*f.chart);
  EXPECT_TRUE(palette.chbAuto->isChecked());
  EXPECT_FALSE(palette.sbtRefresh->Enabled());
  Tick(*palette.chbAuto);
  EXPECT_FALSE(f.layer.AutoRefresh);
  EXPECT_TRUE(palette.sbtRefresh->Enabled());
  Tick(*palette.chbAuto);
  EXPECT_TRUE(f.layer.AutoRefresh);
  EXPECT_FALSE(palette.sbtRefresh->Enabled());
  Tick(*palette.chbAuto);

  f.paints = 0;
  Click(*palette.sbtRefresh);
  EXPECT_EQ(f.paints, 1);
  // On an empty layer "Delete all" only repaints.
  Click(*palette.SpeedButton2);
  EXPECT_EQ(f.paints, 2);
  EXPECT_EQ(f.layer.GetCount(), 0);
  f.AddLine();
  f.AddLine();
  Click(*palette.SpeedButton2);
  EXPECT_EQ(f.layer.GetCount(), 0);
  EXPECT_EQ(f.paints, 3);

  EXPECT_TRUE(palette.cbVisible->isChecked());
  Tick(*palette.cbVisible);
  EXPECT_FALSE(f.layer.GetVisible());
  EXPECT_EQ(f.paints, 4);
  Tick(*palette.cbVisible);
  EXPECT_TRUE(f.layer.GetVisible());
}

}  // namespace
}  // namespace plotui::test
