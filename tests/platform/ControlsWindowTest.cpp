#include "platform/Canvas.h"
#include "platform/CheckListBox.h"
#include "platform/Menus.h"
#include "platform/PageControl.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"

#include <QApplication>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace platform {
namespace {

TBitmap Glyph(TColor color)
{
  TBitmap glyph(16, 16);
  glyph.Canvas().Brush().SetColor(clFuchsia);
  glyph.Canvas().FillRect({0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(color);
  glyph.Canvas().Pen().SetColor(clBlack);
  glyph.Canvas().Ellipse(2, 2, 14, 14);
  return glyph;
}

// A plot window's frame: menu bar, tool bar, page control with lists, status bar; saved as a picture
// for a look by eye (ControlsWindow.png in the test output folder).
TEST(ControlsWindow, AWindowWithMenuToolBarPagesAndStatusBarIsDrawn)
{
  QWidget window;
  window.resize(480, 320);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  TMainMenu menu(window);
  TMenuItem& file = menu.Items().Add("miFile", "&File");
  file.Add("miPrint", "&Print");
  menu.Items().Add("miView", "&View").Add("miShowLegend", "&Show Legend").SetChecked(true);
  layout->setMenuBar(&menu.Bar());

  auto* bar = new TToolBar(&window, 32);
  bar->SetBevelInner(TPanelBevel::bvLowered);
  bar->AddButton("sbPrint", "Print graphic").SetGlyph(Glyph(clBlue));
  bar->AddButton("sbZoomIn", "Zoom in").SetGlyph(Glyph(clLime));
  bar->AddButton("sbZoomOut", "Zoom Out").SetGlyph(Glyph(clRed));
  bar->Button("sbZoomOut")->SetEnabled(false);
  bar->AddSeparator();
  TSpeedButton& paint = bar->AddButton("sbAnnotate", "Paint");
  paint.SetGlyph(Glyph(clYellow));
  paint.SetGroupIndex(5);
  paint.Click();
  bar->AddButton("sbCaption", "Caption").SetCaption("Text");
  bar->Button("sbCaption")->resize(50, 25);
  layout->addWidget(bar);

  auto* pages = new TPageControl(&window);
  TTabSheet& series = pages->AddPage("tsSeries", "Series");
  pages->AddPage("tsAxis", "Axis");
  pages->AddPage("tsHidden", "Hidden").SetTabVisible(false);
  auto* sheetLayout = new QHBoxLayout(&series);
  auto* list = new ListBox(&series);
  list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  list->SetItemHeight(27);
  list->addItems({"Series1", "Series2", "Series3"});
  list->setCurrentRow(1);
  list->OnDrawItem = [](TCanvas& canvas, int index, const TRect& r, TOwnerDrawState) {
    canvas.FillRect(r);
    canvas.Brush().SetColor(index == 0 ? clRed : index == 1 ? clGreen : clBlue);
    canvas.Rectangle(r.Left + 4, r.Top + 6, r.Left + 20, r.Bottom - 6);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(r.Left + 28, r.Top + 6, QString("Series%1").arg(index + 1));
  };
  sheetLayout->addWidget(list);
  auto* checks = new TCheckListBox(&series);
  checks->AddItem("Visible", true);
  checks->AddItem("Marks");
  checks->SetAllowGrayed(true);
  checks->AddItem("Grayed");
  checks->SetState(2, TCheckBoxState::cbGrayed);
  sheetLayout->addWidget(checks);
  layout->addWidget(pages, 1);

  auto* status = new TStatusBar(&window);
  status->AddPanel("X=n/a", 100);
  status->AddPanel("Y=n/a", 100);
  status->AddPanel("Ready");
  layout->addWidget(status);

  window.show();
  QApplication::processEvents();
  const QImage shot = window.grab().toImage();
  ASSERT_FALSE(shot.isNull());
  EXPECT_TRUE(shot.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "ControlsWindow.png")));
  EXPECT_EQ(status->y() + status->height(), window.height());
  EXPECT_EQ(pages->TabCount(), 2);
  EXPECT_TRUE(paint.Down());
}

}  // namespace
}  // namespace platform
