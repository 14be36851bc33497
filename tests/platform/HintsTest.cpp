#include "platform/Hints.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace platform {
namespace {

// Lets the event loop run until the condition holds or a second has passed.
template <typename Condition>
bool WaitFor(Condition condition)
{
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 1000)
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  return condition();
}

TEST(Hints, AHintSplitsIntoItsShortAndLongPart)
{
  const struct {
    const char* hint;
    const char* shortHint;
    const char* longHint;
  } cases[] = {
      {"Print graphic", "Print graphic", "Print graphic"},
      {"Print|Prints the graphic", "Print", "Prints the graphic"},
      {"|Only long", "", "Only long"},
      {"Only short|", "Only short", ""},
      {"a|b|c", "a", "b|c"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetShortHint(c.hint), c.shortHint) << c.hint;
    EXPECT_EQ(GetLongHint(c.hint), c.longHint) << c.hint;
  }
}

TEST(Hints, AControlShowsItsParentsHintAndFollowsItsShowHint)
{
  QWidget window;
  QWidget panel(&window);
  QWidget button(&panel);
  SetHint(panel, "Panel");
  EXPECT_EQ(HintControl(&button), &panel);
  SetHint(button, "Button");
  EXPECT_EQ(HintControl(&button), &button);
  EXPECT_EQ(HintControl(&window), nullptr);
  EXPECT_FALSE(ShowsHint(button));
  SetShowHint(window, true);
  EXPECT_TRUE(ShowsHint(button));
  SetShowHint(panel, false);
  EXPECT_FALSE(ShowsHint(button));
  SetShowHint(button, true);
  EXPECT_TRUE(ShowsHint(button));
  SetParentShowHint(button);
  EXPECT_FALSE(ShowsHint(button));
}

class HintTiming : public ::testing::Test {
protected:
  HintTiming() : hints(ApplicationHints())
  {
    hints.CancelHint();
    hints.MouseEntered(nullptr);
    hints.HintPause = 30;
    hints.HintShortPause = 0;
    hints.HintHidePause = 5000;
    hints.OnHint = [this] { reported << hints.Hint(); };
    SetShowHint(window, true);
    window.setGeometry(600, 400, 200, 100);  // away from the mouse
    print.setParent(&window);
    copy.setParent(&window);
    copy.move(0, 50);
    SetHint(print, "Print|Prints the graphic");
    SetHint(copy, "Copy");
    window.show();
  }
  ~HintTiming() override
  {
    hints.CancelHint();
    hints.MouseEntered(nullptr);
    hints.OnHint = nullptr;
    hints.HintPause = 500;
    hints.HintShortPause = 50;
    hints.HintHidePause = 2500;
    hints.ShowHint = true;
  }

  TApplicationHints& hints;
  QWidget window;
  QWidget print;
  QWidget copy;
  QStringList reported;
};

TEST_F(HintTiming, AHintShowsAfterThePauseAndTheLongPartGoesToTheApplication)
{
  QElapsedTimer clock;
  clock.start();
  hints.MouseEntered(&print);
  EXPECT_EQ(hints.Hint(), "Prints the graphic");
  EXPECT_FALSE(hints.HintShowing());
  ASSERT_TRUE(WaitFor([&] { return hints.HintShowing(); }));
  EXPECT_GE(clock.elapsed(), 25);
  EXPECT_EQ(hints.ShownHint(), "Print");
  EXPECT_EQ(hints.ShownFor(), &print);
  hints.MouseEntered(&window);  // no hint of its own
  EXPECT_FALSE(hints.HintShowing());
  EXPECT_EQ(reported, QStringList({"Prints the graphic", ""}));
}

TEST_F(HintTiming, TheNextHintFollowsAtTheShortPauseAndAClickHidesIt)
{
  hints.HintShortPause = 0;
  hints.MouseEntered(&print);
  ASSERT_TRUE(WaitFor([&] { return hints.HintShowing(); }));
  hints.HintPause = 5000;  // only the short pause can show the next one in time
  hints.MouseEntered(&copy);
  ASSERT_TRUE(WaitFor([&] { return hints.HintShowing(); }));
  EXPECT_EQ(hints.ShownHint(), "Copy");
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&copy, &press);
  EXPECT_FALSE(hints.HintShowing());
}

TEST_F(HintTiming, NoHintWindowWithoutShowHint)
{
  SetShowHint(copy, false);
  hints.MouseEntered(&copy);
  hints.ShowHint = false;
  hints.MouseEntered(&print);
  QElapsedTimer clock;
  clock.start();
  WaitFor([&] { return hints.HintShowing() || clock.elapsed() > 100; });
  EXPECT_FALSE(hints.HintShowing());
  EXPECT_EQ(hints.Hint(), "Prints the graphic");  // the status text still follows the mouse
}

TEST_F(HintTiming, EnterAndLeaveEventsDriveTheHints)
{
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&copy, &enter);
  EXPECT_EQ(hints.Hint(), "Copy");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&copy, &leave);
  EXPECT_EQ(hints.Hint(), "");
}

}  // namespace
}  // namespace platform
