// The in-cell check box driven by real mouse and key events.
#include "grid/editor/GridCheckBox.h"

#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

using grid::TtsCellValue;
using grid::TtsGridCheckBox;
using grid::TtsGridControl;

class CheckBoxEditor : public ::testing::Test {
 protected:
  CheckBoxEditor()
  {
    box.resize(40, 18);
    box.SetColor(platform::clWhite);
    box.Hooks.OnEditValueChanged = [this](TtsGridControl&, bool modified, bool byUser, bool) {
      if (modified && byUser)
        ++edits;
    };
    box.show();
  }

  void Mouse(QEvent::Type type, int x, int y)
  {
    const QPointF at(x, y);
    QMouseEvent event(type, at, box.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
  }
  void Click() { Mouse(QEvent::MouseButtonPress, 20, 9), Mouse(QEvent::MouseButtonRelease, 20, 9); }
  void Space() { testing_support::PressKey(box, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")); }

  TtsGridCheckBox box;
  int edits = 0;
};

TEST_F(CheckBoxEditor, AClickTogglesOnlyWhenReleasedInsideTheBox)
{
  Click();
  EXPECT_EQ(box.State(), grid::cbChecked);
  EXPECT_EQ(edits, 1);
  Mouse(QEvent::MouseButtonPress, 20, 9);
  EXPECT_TRUE(box.Pressed());
  Mouse(QEvent::MouseMove, 60, 9);
  EXPECT_FALSE(box.Pressed());
  Mouse(QEvent::MouseButtonRelease, 60, 9);
  EXPECT_EQ(box.State(), grid::cbChecked);
  // Out and back in before the release toggles.
  Mouse(QEvent::MouseButtonPress, 20, 9);
  Mouse(QEvent::MouseMove, 60, 9);
  Mouse(QEvent::MouseMove, 10, 9);
  Mouse(QEvent::MouseButtonRelease, 10, 9);
  EXPECT_EQ(box.State(), grid::cbUnchecked);
  EXPECT_EQ(edits, 2);
}

TEST_F(CheckBoxEditor, GrayedIsPassedOnlyWhenAllowed)
{
  box.SetValue(1);
  Click();
  EXPECT_EQ(box.State(), grid::cbUnchecked);
  box.SetAllowGrayed(true);
  box.SetValue(1);
  Click();
  EXPECT_EQ(box.State(), grid::cbGrayed);
  EXPECT_EQ(box.Value().AsInteger(), 2);
  Click();
  EXPECT_EQ(box.State(), grid::cbUnchecked);
}

TEST_F(CheckBoxEditor, ValuesMapToStatesThroughTheValueText)
{
  box.SetCheckBoxValues("Yes|No|Null");
  box.SetValue(TtsCellValue("No"));
  EXPECT_EQ(box.State(), grid::cbUnchecked);
  Space();
  EXPECT_EQ(box.State(), grid::cbChecked);
  EXPECT_EQ(box.Value().AsString(), "Yes");
  box.SetValue(TtsCellValue::Null());
  EXPECT_EQ(box.State(), grid::cbGrayed);
}

TEST_F(CheckBoxEditor, ARefusedSpacePressLeavesTheStateAndTheNextReleaseDoesNotToggle)
{
  bool refuse = true;
  box.Hooks.OnStartModify = [&](TtsGridControl&, bool& cancel) { cancel = refuse; };
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(&box, &press);
  EXPECT_FALSE(box.Pressed());
  refuse = false;
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(&box, &release);
  EXPECT_EQ(box.State(), grid::cbUnchecked);
  Space();
  EXPECT_EQ(box.State(), grid::cbChecked);
}

TEST_F(CheckBoxEditor, EscAfterTwoTogglesRestoresTheFirstStateUnlessTheGridHandlesIt)
{
  box.SetAllowGrayed(true);
  Space();
  Space();
  EXPECT_EQ(box.State(), grid::cbGrayed);
  testing_support::PressKey(box, Qt::Key_Escape);
  EXPECT_EQ(box.State(), grid::cbUnchecked);
  EXPECT_FALSE(box.Modified());

  box.Hooks.OnUndoRequest = [](TtsGridControl&, bool, bool& handled) { handled = true; };
  Space();
  testing_support::PressKey(box, Qt::Key_Escape);
  EXPECT_EQ(box.State(), grid::cbChecked);
}

TEST_F(CheckBoxEditor, PictureOfTheStylesAndStates)
{
  QImage strip(40 * 3, 18 * 3, QImage::Format_RGB32);
  strip.fill(Qt::white);
  const grid::TtsCheckBoxStyle styles[] = {grid::stCheck, grid::stCross, grid::stFlat};
  for (int s = 0; s < 3; ++s) {
    box.SetStyle(styles[s]);
    for (int state = 0; state < 3; ++state) {
      box.SetValue(state);
      const QImage image = box.PaintToImage();
      for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 40; ++x)
          strip.setPixel(state * 40 + x, s * 18 + y, image.pixel(x, y));
    }
  }
  strip.save(VEXAL_TEST_OUTPUT_DIR "CheckBoxEditorStyles.png");
  box.SetStyle(grid::stCheck);
  box.SetValue(1);
  const QImage checked = box.PaintToImage();
  box.SetValue(0);
  EXPECT_NE(checked, box.PaintToImage());
}

}  // namespace
