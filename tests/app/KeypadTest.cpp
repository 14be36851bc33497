#include "MainWindowFixture.h"

#include "app/Vkeys.h"

#include "engine/Constructs.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

namespace app::testing {
namespace {

QToolButton* ButtonWithTag(QWidget* page, int tag)
{
  for (QToolButton* button : page->findChildren<QToolButton*>())
    if (button->property("Tag") == QVariant(tag))
      return button;
  return nullptr;
}

TEST_F(MainWindowTest, FunctionButtonsReplaceTheSelectionAndPlaceTheCaret)
{
  Open();
  struct Case {
    int tag;
    QWidget* page;
    const char* text;
    int caret;
  };
  const Case cases[] = {
      {1, window->tsCalc, "sin()", 4},        // sin: between the parentheses
      {22, window->tsCalc, "solve(,,)", 6},   // solve: after the "("
      {11, window->tsCalc, "random", 6},      // rand: kind 0, after the name
      {102, window->tsExt, "ssqr(,)", 5},     // the "dist" button inserts the table's name
  };
  for (const Case& c : cases) {
    window->Edit1->setText(QStringLiteral("old text"));
    window->Edit1->selectAll();
    QToolButton* button = ButtonWithTag(c.page, c.tag);
    ASSERT_NE(button, nullptr) << c.tag;
    button->click();
    EXPECT_EQ(window->Edit1->text(), QString::fromLatin1(c.text)) << c.tag;
    EXPECT_EQ(window->Edit1->cursorPosition(), c.caret) << c.tag;
    EXPECT_FALSE(window->Edit1->hasSelectedText());
    EXPECT_EQ(window->HintFunction, c.tag);
  }
}

TEST_F(MainWindowTest, ABaseChangeRecalculatesAndWritesATapeLine)
{
  Open();
  Calculate(QStringLiteral("255"));
  window->rgBase2->Button(1)->click();
  EXPECT_EQ(window->rgBase->ItemIndex(), 1);
  EXPECT_EQ(Result(), QStringLiteral("FF"));
  EXPECT_EQ(TapeLine(0), QStringLiteral("255 = FF; Base=16"));
  window->rgBase->Button(2)->click();
  EXPECT_EQ(window->lbDigits->Caption(), QStringLiteral("Bits"));
  EXPECT_TRUE(TapeLine(0).startsWith(QStringLiteral("255 = 0")));  // 32 bits
  EXPECT_TRUE(TapeLine(0).endsWith(QStringLiteral("; Base=2"))) << TapeLine(0).toStdString();

  window->Edit1->clear();  // nothing to recalculate: the line starts with " = "
  window->rgBase->Button(0)->click();
  EXPECT_TRUE(TapeLine(0).startsWith(QStringLiteral(" = ")));
  EXPECT_TRUE(TapeLine(0).endsWith(QStringLiteral("; Base=10")));
  window->chbRes->setChecked(true);
  window->rgBase->Button(1)->click();
  EXPECT_EQ(TapeLine(0), Result());
}

TEST_F(MainWindowTest, TheFontSizeButtonsChangeTheTopLines)
{
  Open();
  const int before = window->Edit1->fontInfo().pixelSize();
  const int comboBefore = window->cbHistory->fontInfo().pixelSize();
  window->SpinUp->click();
  window->SpinUp->click();
  EXPECT_GT(window->Edit1->fontInfo().pixelSize(), before);
  EXPECT_GT(window->Edit2->fontInfo().pixelSize(), before);
  EXPECT_GT(window->cbHistory->fontInfo().pixelSize(), comboBefore);
  window->SpinDown->click();
  window->SpinDown->click();
  EXPECT_EQ(window->Edit1->fontInfo().pixelSize(), before);
}


TEST(Vkeys, KeyAndShiftNames)
{
  const std::pair<int, const char*> keys[] = {{46, "vk_Delete"}, {13, "vk_Return"}, {96, "vk_NumPad0"},
                                              {105, "vk_NumPad9"}, {107, "vk_vkAdd"}, {112, "vk_F1"},
                                              {135, "vk_F24"}, {145, "vk_Scroll"}, {65, "A"}};
  for (const auto& [key, name] : keys)
    EXPECT_EQ(KeyCodeToText(key), QString::fromLatin1(name)) << key;
  EXPECT_EQ(ShiftStateToText(0), QString());
  EXPECT_EQ(ShiftStateToText(platform::ssCtrl | platform::ssShift | platform::ssDouble),
            QStringLiteral(" ssShift ssCtrl ssDouble"));
}

TEST_F(MainWindowTest, DeleteWithoutShiftKeysRemovesTheChosenHistoryEntry)
{
  Open();
  Calculate(QStringLiteral("1+1"));
  Calculate(QStringLiteral("2+2"));
  auto press = [this](Qt::KeyboardModifiers modifiers) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, modifiers);
    QApplication::sendEvent(window->cbHistory, &key);
  };
  window->cbHistory->setCurrentIndex(-1);
  press(Qt::NoModifier);  // nothing chosen: nothing goes
  EXPECT_EQ(window->cbHistory->count(), 2);
  window->cbHistory->setCurrentIndex(1);
  press(Qt::ShiftModifier);
  EXPECT_EQ(window->cbHistory->count(), 2);
  press(Qt::NoModifier);
  ASSERT_EQ(window->cbHistory->count(), 1);
  EXPECT_EQ(window->cbHistory->itemText(0), QStringLiteral("2+2"));

  // Clear All empties the lists and the variables, and keeps the tape.
  engine::VarValues[1] = 5;
  engine::LastLowBound = 1;
  QToolButton* clear = nullptr;
  for (QToolButton* button : window->tsCalc->findChildren<QToolButton*>())
    if (button->text() == QStringLiteral("Clear All"))
      clear = button;
  ASSERT_NE(clear, nullptr);
  clear->click();
  EXPECT_EQ(window->cbHistory->count(), 0);
  EXPECT_EQ(window->cbResults->count(), 0);
  EXPECT_EQ(engine::VarValues[1], engine::UndefinedValue);
  EXPECT_EQ(engine::LastLowBound, engine::UndefinedValue);
  EXPECT_FALSE(window->mmTape->toPlainText().isEmpty());
}

}  // namespace
}  // namespace app::testing
