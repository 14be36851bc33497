// The figure property dialog on lines, arrows, rectangles and notes, answered as the user does.
#include "PlotFixture.h"

#include "plotui/annotate/FigsProperties.h"
#include "plotui/annotate/GraphAnnotate.h"

#include "platform/ModalRun.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

using testing_support::Click;
using testing_support::PressKey;
using testing_support::TypeText;

struct TDialogsFixture : TPlotFixture {
  TGraphAnnotate& layer;
  TDialogsFixture() : layer(dynamic_cast<TGraphAnnotate&>(chart->Graph->GetAnnotations()))
  {
    AddSeries("s", plot::kStylePoints, platform::clBlue, {{0, 0}, {10, 10}});
    chart->Redraw();
    InstallFigureDialogs();
  }
  ~TDialogsFixture() { FigureDialogs() = {}; }
  plot::TGraph& graph() { return *chart->Graph; }
  platform::TPoint Centre() const
  {
    const platform::TRect r = chart->Graph->GetPlotRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  template <typename Kind>
  Kind& Add()
  {
    auto fig = CreateAt<Kind>(graph(), 2, platform::clRed, {2, 2}, {8, 8});
    Kind& ref = *fig;
    layer.AddFigure(std::move(fig));
    return ref;
  }
  // The dialog of the modal run the script answers.
  static TfmFigsProperties& Dialog(platform::Form& form) { return dynamic_cast<TfmFigsProperties&>(form); }
};

TEST(FigsProperties, ThicknessStaysWithinOneToTwenty)
{
  TDialogsFixture f;
  TMonoLine& line = f.Add<TMonoLine>();
  const struct {
    int start;
    int key;
    int presses;
    int expected;
  } cases[] = {{20, Qt::Key_Up, 1, 20}, {1, Qt::Key_Down, 1, 1}, {19, Qt::Key_Up, 3, 20}, {5, Qt::Key_Up, 2, 7},
               {3, Qt::Key_Down, 5, 1}};
  for (const auto& c : cases) {
    line.LineWidth = c.start;
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmFigsProperties& d = TDialogsFixture::Dialog(form);
      EXPECT_EQ(d.edThickness->text(), QString::number(c.start));
      for (int i = 0; i < c.presses; ++i)
        PressKey(*d.edThickness, c.key);
      EXPECT_EQ(d.edThickness->text(), QString::number(c.expected)) << c.start;
      Click(*d.btOk);
    });
    EXPECT_TRUE(line.EditProperties());
    EXPECT_EQ(line.LineWidth, c.expected) << c.start;
  }
}

TEST(FigsProperties, ApplyOnAnArrowWritesAtOnceAndCancelKeepsWhatItWrote)
{
  TDialogsFixture f;
  TArrow& arrow = f.Add<TArrow>();
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmFigsProperties& d = TDialogsFixture::Dialog(form);
        EXPECT_EQ(d.windowTitle(), "Properties");
        EXPECT_EQ(d.cbStyle->count(), 5);
        EXPECT_EQ(d.cbStyle->itemText(4), "DashDotDot");
        EXPECT_TRUE(d.btApply->isVisible());
        EXPECT_FALSE(d.cbAppearance->isVisible());
        EXPECT_FALSE(d.btBackColor->isVisible());
        EXPECT_FALSE(d.edText->isVisible());
        d.cbStyle->setCurrentIndex(3);
        Click(*d.btColor);
        PressKey(*d.edThickness, Qt::Key_Up);
        f.paints = 0;
        Click(*d.btApply);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(arrow.LineStyle, 3);
        EXPECT_EQ(arrow.Color, 0x00FF00u);
        EXPECT_EQ(arrow.LineWidth, 3);
        EXPECT_EQ(f.paints, 1);
        d.cbStyle->setCurrentIndex(1);
        Click(*d.btCancel);
      })
      .PickColor(0x00FF00);
  EXPECT_FALSE(arrow.EditProperties());
  EXPECT_EQ(arrow.LineStyle, 3);
  EXPECT_EQ(arrow.Color, 0x00FF00u);
  EXPECT_EQ(arrow.LineWidth, 3);
}

TEST(FigsProperties, ARectangleTakesItsFillAndBackColourOnOk)
{
  TDialogsFixture f;
  TCircle& circle = f.Add<TCircle>();
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmFigsProperties& d = TDialogsFixture::Dialog(form);
        EXPECT_TRUE(d.cbAppearance->isVisible());
        EXPECT_EQ(d.cbAppearance->currentText(), "Clear");
        d.cbAppearance->setCurrentIndex(faSemiTransparent);
        Click(*d.btBackColor);
        Click(*d.btOk);
      })
      .PickColor(0x00FFFF);
  EXPECT_TRUE(circle.EditProperties());
  EXPECT_EQ(circle.Appearance, faSemiTransparent);
  EXPECT_EQ(circle.FillColor, 0x00FFFFu);
  EXPECT_EQ(circle.Color, platform::clRed);
  EXPECT_EQ(circle.LineWidth, 2);
}

TEST(FigsProperties, TheTextToolAddsANoteOnlyWhenOkGivesItText)
{
  TDialogsFixture f;
  f.layer.Tool = atText;
  const platform::TPoint c = f.Centre();
  const struct {
    const char* text;
    bool ok;
    int notes;
  } cases[] = {{"", true, 0}, {"lost", false, 0}, {"kept", true, 1}};
  for (const auto& k : cases) {
    platform::ModalScript script;
    script.Act([&](platform::Form& form) {
      TfmFigsProperties& d = TDialogsFixture::Dialog(form);
      EXPECT_FALSE(d.btApply->isVisible());
      EXPECT_FALSE(d.btColor->isVisible());
      EXPECT_FALSE(d.edThickness->isVisible());
      EXPECT_EQ(d.lbStyle->text(), "Text Style");
      EXPECT_EQ(d.cbStyle->itemText(1), "Scaled");
      TypeText(*d.edText, QString::fromLatin1(k.text));
      Click(k.ok ? *d.btOk : *d.btCancel);
    });
    f.graph().MouseDown(platform::mbLeft, platform::ssLeft, c.X, c.Y);
    f.graph().MouseUp(platform::mbLeft, 0, c.X, c.Y);
    EXPECT_EQ(f.layer.GetCount(), k.notes) << k.text;
  }
  auto& note = dynamic_cast<TNoteText&>(*f.layer.GetFigure(0));
  EXPECT_EQ(note.Text, "kept");
  EXPECT_EQ(f.graph().XToScreen(note.X), c.X);
  EXPECT_EQ(f.graph().YToScreen(note.Y), c.Y);
  // The new note is found by the mouse over its text.
  f.layer.Tool = atNone;
  f.graph().MouseMove(0, c.X + 4, c.Y + 4);
  EXPECT_EQ(f.layer.HitIndex, 0);

  // An existing note offers Apply and takes a new font and style.
  platform::ModalScript script;
  script
      .Act([&](platform::Form& form) {
        TfmFigsProperties& d = TDialogsFixture::Dialog(form);
        EXPECT_TRUE(d.btApply->isVisible());
        EXPECT_EQ(d.edText->text(), "kept");
        d.cbStyle->setCurrentIndex(1);
        Click(*d.btFont);
        Click(*d.btOk);
      })
      .PickFont(QFont(QStringLiteral("Liberation Serif"), 16), platform::clBlue);
  EXPECT_TRUE(note.EditProperties());
  EXPECT_EQ(note.Scaled, 1);
  EXPECT_EQ(note.Font.Size(), 16);
  EXPECT_EQ(note.Font.Color(), platform::clBlue);
  EXPECT_EQ(note.Font.Name(), "Liberation Serif");

  // Emptying an existing note's text keeps the text it had, so the note stays visible and found.
  platform::ModalScript emptied;
  emptied.Act([&](platform::Form& form) {
    TfmFigsProperties& d = TDialogsFixture::Dialog(form);
    d.edText->selectAll();
    PressKey(*d.edText, Qt::Key_Delete);
    EXPECT_TRUE(d.edText->text().isEmpty());
    Click(*d.btOk);
  });
  EXPECT_TRUE(note.EditProperties());
  EXPECT_EQ(note.Text, "kept");
}

TEST(FigsProperties, ASymbolOrNotePlacedOnAPointOpensNoInfoBubble)
{
  TDialogsFixture f;
  f.graph().Info->Clear();
  const int x = f.graph().XToScreen(10), y = f.graph().YToScreen(10);
  const struct {
    TAnnotateTool tool;
    platform::TModalResult answer;
    int figures;
  } cases[] = {{atSymbol, platform::mrOk, 1}, {atText, platform::mrCancel, 1}, {atSymbol, platform::mrCancel, 1}};
  for (const auto& c : cases) {
    f.layer.Tool = c.tool;
    platform::ModalScript script;
    script.Press(c.answer);
    f.graph().MouseMove(0, x, y);
    f.graph().MouseDown(platform::mbLeft, platform::ssLeft, x, y);
    f.graph().MouseUp(platform::mbLeft, 0, x, y);
    EXPECT_EQ(f.layer.GetCount(), c.figures) << int(c.tool);
    EXPECT_EQ(f.graph().Info->GetCount(), 0) << int(c.tool);
  }
  // Without a tool a click on the other point pins a bubble.
  f.layer.Tool = atNone;
  const int x0 = f.graph().XToScreen(0), y0 = f.graph().YToScreen(0);
  f.graph().MouseMove(0, x0, y0);
  f.graph().MouseDown(platform::mbLeft, platform::ssLeft, x0, y0);
  f.graph().MouseUp(platform::mbLeft, 0, x0, y0);
  EXPECT_EQ(f.graph().Info->GetCount(), 1);
}

}  // namespace
}  // namespace plotui::test
