// Where the window comes up, how the top lines grow with their font, and what the result line shows after a
// restart and after a change of base, notation or mode.
#include "MainWindowFixture.h"

#include "app/WindowPlacement.h"

#include "platform/TextFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

namespace app::testing {
namespace {

TEST(WindowPlacementTest, APositionOffEveryScreenMovesOntoTheNearest)
{
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  struct Case {
    QPoint stored;
    QPoint placed;
  };
  const Case cases[] = {
      {{100, 50}, {100, 50}},            // on the first screen
      {{2000, 900}, {2000, 900}},        // on the second, even where the window reaches past it
      {{999999, -99999}, {2400, 0}},     // far to the right and above: the second screen's top right
      {{-5000, 500}, {0, 500}},          // left of everything
      {{500, 5000}, {500, 600}},         // below the first screen
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.x());
    EXPECT_EQ(PlaceOnScreens(QRect(c.stored, QSize(800, 480)), screens), c.placed);
  }
  EXPECT_EQ(PlaceOnScreens(QRect(7, 8, 10, 10), {}), QPoint(7, 8));  // no screen known: as stored
}

TEST_F(MainWindowTest, AStoredPositionOffTheScreenIsBroughtOntoIt)
{
  platform::WriteTextLines(File("Vexal.INI"), {"[Calc]", "Left=999999", "Top=-99999"});
  Open();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window->pos())) << window->x() << "," << window->y();
}

TEST_F(MainWindowTest, TheFontSizeStaysReadableAndTheWindowGrowsWithTheLines)
{
  Open();
  for (int i = 0; i < 15 && window->SpinDown->isEnabled(); ++i)
    window->SpinDown->click();
  EXPECT_FALSE(window->SpinDown->isEnabled());
  for (QWidget* line : {static_cast<QWidget*>(window->Edit1), static_cast<QWidget*>(window->Edit2),
                        static_cast<QWidget*>(window->cbHistory)})
    EXPECT_GE(QFontInfo(line->font()).pixelSize(), 11);
  EXPECT_TRUE(window->SpinUp->isEnabled());

  QApplication::processEvents();
  const int pages = window->pcCalc->height();
  const int lineBefore = window->Edit2->height();
  const int windowBefore = window->height();
  for (int i = 0; i < 20; ++i)
    window->SpinUp->click();
  QApplication::processEvents();
  const int d = window->Edit2->height() - lineBefore;
  EXPECT_GT(d, 0);
  EXPECT_EQ(window->height(), windowBefore + 2 * d);
  EXPECT_EQ(window->pcCalc->height(), pages);  // the pages are not squeezed
}

TEST_F(MainWindowTest, TheResultLineShowsTheLastResultInBlueAfterARestartAndAModeChange)
{
  Open();
  Calculate(QStringLiteral("255"));
  Close();
  ResetEngine();
  Open();
  EXPECT_EQ(Result(), QStringLiteral("2.55E+2"));
  EXPECT_TRUE(ResultIsBlue());

  Calculate(QStringLiteral("255"));
  struct Case {
    platform::RadioGroup* group;
    int item;
    const char* shown;
  };
  const Case cases[] = {
      {window->rgBase, 1, "FF"},
      {window->rgBase, 0, "2.55E+2"},
      {window->rgNotation, 1, "255.0"},
      {window->rgNotation, 0, "2.55E+2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    Calculate(QStringLiteral("1/0"));
    ASSERT_TRUE(ResultIsRed());
    c.group->SetItemIndex(c.item);
    c.group->OnClick();
    EXPECT_EQ(Result(), QString::fromLatin1(c.shown));
    EXPECT_TRUE(ResultIsBlue());
    if (c.group == window->rgBase) {  // a change of base also logs the result
      EXPECT_EQ(TapeLine(0), QStringLiteral("1/0 = ") + QString::fromLatin1(c.shown) + QStringLiteral("; Base=") +
                                 (c.item == 1 ? QStringLiteral("16") : QStringLiteral("10")));
    }
  }

  // Back from complex mode.
  {
    platform::ModalScript script;
    script.Press(platform::mrOk);  // the complex-syntax dialog
    window->rgReal->SetItemIndex(1);
    window->rgReal->OnClick();
  }
  Calculate(QStringLiteral("1/0"));
  ASSERT_TRUE(ResultIsRed());
  window->rgReal->SetItemIndex(0);
  window->rgReal->OnClick();
  EXPECT_EQ(Result(), QStringLiteral("2.55E+2"));
  EXPECT_TRUE(ResultIsBlue());
}

}  // namespace
}  // namespace app::testing
