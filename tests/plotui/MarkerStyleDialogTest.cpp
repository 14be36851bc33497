// "Symbol Style" on four values and on a series with the series selected beside it.
#include "PlotFixture.h"

#include "plotui/dialogs/MarkerStyleDialog.h"

#include "platform/ModalRun.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;

// A click on the list's entry of that name, as the user makes it.
void ClickEntry(QListWidget& list, const QString& name)
{
  const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << name.toStdString();
  list.scrollToItem(found[0]);
  const QRect r = list.visualItemRect(found[0]);
  testing_support::ClickAt(*list.viewport(), r.center());
}

void Retype(QLineEdit& edit, const QString& text)
{
  edit.selectAll();
  testing_support::PressKey(edit, Qt::Key_Delete);
  testing_support::TypeText(edit, text);
}

TEST(MarkerStyleDialog, OpensOnTheEntryOfTheStyleAndCancelKeepsTheFourValues)
{
  const struct {
    int style;
    int entry;
    const char* name;
  } cases[] = {{0, 0, "None"}, {8, 8, "Diamond"}, {26, 26, "Wisker"}, {27, 13, "HalfCircle"}, {51, 25, "Well"}};
  for (const auto& c : cases) {
    int style = c.style, size = 7;
    platform::TColor fill = 0x112233, pen = 0x445566;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      auto& d = dynamic_cast<TfmMarkerStyle&>(form);
      EXPECT_EQ(d.windowTitle(), "Symbol Style");
      EXPECT_EQ(d.Markers->count(), 27);
      EXPECT_EQ(d.Markers->currentRow(), c.entry) << c.style;
      EXPECT_EQ(d.Markers->currentItem()->text(), c.name);
      EXPECT_EQ(d.edSize->text(), "7");
      EXPECT_TRUE(d.btCancel->isVisible());
      EXPECT_EQ(d.btClose->text(), "&OK");
      ClickEntry(*d.Markers, "Star");
      Retype(*d.edSize, "30");
      Click(*d.btPenColor);
      Click(*d.btCancel);
    }).PickColor(0x00FF00);
    TfmMarkerStyle dialog;
    EXPECT_FALSE(dialog.Execute(style, size, fill, pen));
    EXPECT_EQ(style, c.style);
    EXPECT_EQ(size, 7);
    EXPECT_EQ(fill, 0x112233u);
    EXPECT_EQ(pen, 0x445566u);
  }
}

TEST(MarkerStyleDialog, OkWritesTheChosenStyleSizeAndColours)
{
  int style = 1, size = 10;
  platform::TColor fill = platform::clBlue, pen = platform::clRed;
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        auto& d = dynamic_cast<TfmMarkerStyle&>(form);
        ClickEntry(*d.Markers, "Diamond");
        Retype(*d.edSize, "250");  // out of range: not taken
        Retype(*d.edSize, "25");
        Click(*d.btPenColor);
        Click(*d.btFillColor);
        Click(*d.btClose);
      })
      .PickColor(0x00FF00)
      .PickColor(0x00FFFF);
  TfmMarkerStyle dialog;
  EXPECT_TRUE(dialog.Execute(style, size, fill, pen));
  EXPECT_EQ(style, 8);
  EXPECT_EQ(size, 25);
  EXPECT_EQ(pen, 0x00FF00u);
  EXPECT_EQ(fill, 0x00FFFFu);
}

TEST(MarkerStyleDialog, SeriesModeOpensOnTheSeriesAndChangesTheSelectedSeriesAtOnce)
{
  TPlotFixture f;
  TSeries& a = f.AddSeries("a", plot::kStylePoints, platform::clBlue, {{0, 0}, {1, 1}});
  TSeries& b = f.AddSeries("b", plot::kStylePoints, platform::clRed, {{0, 1}});
  TSeries& c = f.AddSeries("c", plot::kStylePoints, platform::clGreen, {{1, 0}});
  a.SetMarkerStyle(3);
  a.SetMarkerSize(6);
  c.SetMarkerStyle(5);
  f.chart->Redraw();
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        auto& d = dynamic_cast<TfmMarkerStyle&>(form);
        EXPECT_EQ(d.Markers->currentItem()->text(), "TriangleUp");
        EXPECT_EQ(d.edSize->text(), "6");
        f.paints = 0;
        ClickEntry(*d.Markers, "Diamond");
        EXPECT_EQ(a.MarkerStyle, 8);
        EXPECT_EQ(b.MarkerStyle, 8);
        EXPECT_EQ(f.paints, 1);
        Retype(*d.edSize, "12");
        EXPECT_EQ(a.MarkerSize, 12);
        EXPECT_EQ(b.MarkerSize, 12);
        Click(*d.btFillColor);
        EXPECT_EQ(a.MarkerColor, 0x00FFFFu);
        Click(*d.btClose);
      })
      .PickColor(0x00FFFF);
  TfmMarkerStyle dialog;
  EXPECT_TRUE(dialog.EditSeries(a, {&a, &b}));
  EXPECT_EQ(c.MarkerStyle, 5);
  EXPECT_NE(c.MarkerSize, 12);
}

}  // namespace
}  // namespace plotui::test
