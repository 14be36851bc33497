#include "MainWindowFixture.h"

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

}  // namespace
}  // namespace app::testing
