#include "controls/editor/Controller.h"
#include "controls/editor/Exceptions.h"
#include "controls/editor/OvcControl.h"
#include "controls/editor/TimerPool.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace controls {
namespace {

// A pool on a hand-moved clock whose timer restarts are recorded.
struct PoolFixture {
  std::uint64_t now = 0;
  std::vector<int> periods;
  TOvcTimerPool pool{[this] { return now; }, [this](int period) { periods.push_back(period); }};
};

TEST(TimerPool, PeriodIsTheSmallestIntervalDividingAllAtLeast55)
{
  PoolFixture f;
  EXPECT_EQ(f.pool.Period(), 0);
  const int a = f.pool.Add({}, 200);
  EXPECT_EQ(f.pool.Period(), 200);
  f.pool.Add({}, 300);
  EXPECT_EQ(f.pool.Period(), 100);  // 200 - (200 mod 300... ) stepped down until it divides both
  f.pool.Add({}, 20);
  EXPECT_EQ(f.pool.Period(), 55);
  f.pool.Remove(a);
  f.pool.Remove(12345);  // unknown handle: nothing
  EXPECT_EQ(f.pool.Count(), 2);
  EXPECT_EQ(f.periods.back(), f.pool.Period());
}

TEST(TimerPool, TriggersFireOnTheirIntervalWithElapsedTime)
{
  PoolFixture f;
  std::vector<std::pair<int, int>> fired;  // handle, elapsed
  std::vector<int> all;
  f.pool.OnAllTriggers = [&](TOvcTimerPool&, int handle, int, int) { all.push_back(handle); };
  const int repeating = f.pool.Add([&](TOvcTimerPool&, int h, int, int e) { fired.emplace_back(h, e); }, 1000);
  const int once = f.pool.Add([&](TOvcTimerPool&, int h, int, int e) { fired.emplace_back(h, e); }, 500, false);

  f.now = 400;  // 500 - 27 not reached by either
  f.pool.DoTimer();
  EXPECT_TRUE(fired.empty());
  f.now = 480;  // within the early margin of the one-shot trigger
  f.pool.DoTimer();
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0], std::make_pair(once, 480));
  EXPECT_EQ(f.pool.Count(), 1);  // the one-shot trigger is gone
  f.now = 1000;
  f.pool.DoTimer();
  f.pool.DoTimer();  // no time passed: no second firing
  ASSERT_EQ(fired.size(), 2u);
  EXPECT_EQ(fired[1], std::make_pair(repeating, 1000));
  EXPECT_EQ(all, (std::vector<int>{once, repeating}));
}

TEST(TimerPool, KeepsFiringPastThe32BitTickWrap)
{
  PoolFixture f;
  f.now = (std::uint64_t(1) << 32) - 100;  // 49.7 days of uptime, just before a 32-bit counter wraps
  int count = 0;
  f.pool.Add([&](TOvcTimerPool&, int, int, int elapsed) {
    ++count;
    EXPECT_EQ(elapsed, 200);
  }, 200);
  for (int i = 1; i <= 3; ++i) {
    f.now += 200;
    f.pool.DoTimer();
  }
  EXPECT_EQ(count, 3);
}

TEST(Controller, EpochAcceptsOnly1600To3999AndAsksItsEvent)
{
  TOvcController controller;
  EXPECT_EQ(controller.Epoch() % 100, 0);
  controller.SetEpoch(1900);
  for (const int refused : {1599, 4000, -1})
    controller.SetEpoch(refused);
  EXPECT_EQ(controller.Epoch(), 1900);
  controller.OnGetEpoch = [](const TOvcController&, int& epoch) { epoch += 100; };
  EXPECT_EQ(controller.Epoch(), 2000);
}

TEST(Controller, StartsWithTheThreeTablesAndDefaults)
{
  TOvcController controller;
  ASSERT_EQ(controller.EntryCommands().Count(), 3);
  EXPECT_EQ(controller.EntryCommands().Table(0).TableName, "Default");
  EXPECT_TRUE(controller.EntryCommands().Table(0).Active);
  EXPECT_FALSE(controller.EntryCommands().Table(1).Active);
  EXPECT_FALSE(controller.EntryCommands().Table(2).Active);
  EXPECT_EQ(controller.EntryOptions(), efoAutoSelect | efoBeepOnError | efoInsertPushes);
  EXPECT_FALSE(controller.IsSpecialControl(nullptr));
  EXPECT_EQ(controller.TimerPool().Period(), 0);
}

TEST(ControlBase, FindsTheFormsControllerOrRaises)
{
  QWidget form;
  TOvcEditBase orphan(&form);
  EXPECT_THROW(orphan.HandleNeeded(), ENoControllerAssigned);
  {
    TOvcController controller(&form);
    TOvcEditBase control(&form);
    control.HandleNeeded();
    EXPECT_EQ(control.Controller(), &controller);
    orphan.HandleNeeded();
    EXPECT_EQ(orphan.Controller(), &controller);
  }
  EXPECT_EQ(orphan.Controller(), nullptr);  // dropped with the controller
}

TEST(ControlBase, AfterEnterRunsOnceTheFocusChangeIsDone)
{
  QWidget form;
  TOvcController controller(&form);
  TOvcEditBase control(&form);
  QWidget other(&form);
  other.setFocusPolicy(Qt::StrongFocus);
  control.setFocusPolicy(Qt::StrongFocus);
  form.show();
  QApplication::setActiveWindow(&form);
  std::vector<std::string> events;
  control.AfterEnter = [&](TOvcCustomControl&) { events.push_back(control.hasFocus() ? "enter focused" : "enter"); };
  control.AfterExit = [&](TOvcCustomControl&) { events.push_back(other.hasFocus() ? "exit moved" : "exit"); };
  control.setFocus();
  EXPECT_TRUE(events.empty());  // queued, not yet run
  QApplication::processEvents();
  other.setFocus();
  QApplication::processEvents();
  EXPECT_EQ(events, (std::vector<std::string>{"enter focused", "exit moved"}));
}

}  // namespace
}  // namespace controls
