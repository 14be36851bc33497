// The in-cell buttons between mouse events, on a test clock: spin repeats, the hover timer that
// notices the mouse leaving, and where a button lies in its cell.

#include "grid/window/ButtonTracking.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace grid {
namespace {

// Timers on a clock that the test advances; repaints recorded.
class ClockHost : public TtsButtonTrackingHost {
 public:
  void StartTimer(int id, int milliseconds) override { timers[id] = {milliseconds, now + milliseconds}; }
  void StopTimer(int id) override { timers.erase(id); }
  void RepaintButton(platform::TPoint cell, int part) override
  {
    log.push_back("button " + std::to_string(cell.X) + "," + std::to_string(cell.Y) + " part " + std::to_string(part));
  }
  void InvalidateCurrentCell() override { log.push_back("current cell"); }

  // Advances the clock in steps of 10 ms, running the ticks that fall due.
  void Advance(int milliseconds, const std::map<int, std::function<void()>>& ticks)
  {
    for (const int end = now + milliseconds; now < end;) {
      now += 10;
      for (auto& [id, tick] : ticks) {
        auto it = timers.find(id);
        if (it != timers.end() && it->second.due <= now) {
          it->second.due = now + it->second.interval;
          tick();
        }
      }
    }
  }

  struct Running {
    int interval;
    int due;
  };
  std::map<int, Running> timers;
  std::vector<std::string> log;
  int now = 0;
};

TEST(ButtonTracking, AHeldSpinButtonRepeatsAfter500MsThenEvery80)
{
  ClockHost host;
  TtsButtonTracking tracking(host);
  std::vector<std::pair<int, int>> repeats;  // time, count
  bool held = true;
  const std::map<int, std::function<void()>> ticks{
      {kSpinRepeatTimer,
       [&] { tracking.SpinRepeatTick(held, [&](int, int count) { repeats.push_back({host.now, count}); }); }},
  };
  tracking.PressSpin({2, 3}, 1, true);
  EXPECT_EQ(tracking.SpinRepeatCount(), 1);
  host.Advance(490, ticks);
  EXPECT_TRUE(repeats.empty());
  host.Advance(170, ticks);
  EXPECT_EQ(repeats, (std::vector<std::pair<int, int>>{{500, 2}, {580, 3}, {660, 4}}));

  held = false;  // focus or capture lost: the next tick ends the repeats and restores the look
  host.Advance(80, ticks);
  EXPECT_EQ(repeats.size(), 3u);
  EXPECT_FALSE(tracking.SpinTimerRunning());
  EXPECT_EQ(tracking.PressedButtonCell(), TtsButtonTracking::kNoCell);
  EXPECT_EQ(tracking.SpinRepeatCount(), 0);
  EXPECT_EQ(host.log, (std::vector<std::string>{"button 2,3 part 1"}));
}

TEST(ButtonTracking, WithoutAutoRepeatThePressAloneCounts)
{
  ClockHost host;
  TtsButtonTracking tracking(host);
  tracking.PressSpin({1, 1}, 2, false);
  EXPECT_EQ(tracking.SpinRepeatCount(), 1);
  EXPECT_FALSE(tracking.SpinTimerRunning());
  EXPECT_EQ(host.timers.count(kSpinRepeatTimer), 0u);
}

TEST(ButtonTracking, LeavingTheButtonEndsTheRepeatsWithin50Ms)
{
  ClockHost host;
  TtsButtonTracking tracking(host);
  int repeats = 0;
  bool over = true;
  const std::map<int, std::function<void()>> ticks{
      {kButtonHoverTimer, [&] { tracking.ButtonHoverTick(over); }},
      {kSpinRepeatTimer, [&] { tracking.SpinRepeatTick(true, [&](int, int) { ++repeats; }); }},
  };
  tracking.PressSpin({4, 2}, 1, true);
  EXPECT_EQ(host.timers.at(kButtonHoverTimer).interval, 50);
  host.Advance(600, ticks);
  const int before = repeats;
  over = false;
  host.Advance(50, ticks);
  EXPECT_FALSE(tracking.HoverTimerRunning());
  EXPECT_FALSE(tracking.SpinTimerRunning());
  host.Advance(500, ticks);
  EXPECT_EQ(repeats, before);
  EXPECT_TRUE(host.timers.empty());
}

TEST(ButtonTracking, ResetRepaintsTheHotAndHeldButtonsAndForgetsThem)
{
  ClockHost host;
  TtsButtonTracking tracking(host);
  tracking.SetHot({1, 2});
  tracking.Press({3, 4}, 0);
  EXPECT_EQ(host.timers.size(), 1u);  // one hover timer for both
  tracking.ResetButtonStates();
  EXPECT_EQ(host.log, (std::vector<std::string>{"button 1,2 part 0", "button 3,4 part 0"}));
  EXPECT_EQ(tracking.HotButtonCell(), TtsButtonTracking::kNoCell);
  EXPECT_TRUE(host.timers.empty());
}

TEST(ButtonTracking, ARepeatThatRaisesClearsTheHeldButton)
{
  ClockHost host;
  TtsButtonTracking tracking(host);
  tracking.PressSpin({2, 2}, 1, true);
  tracking.SpinRepeatTick(true, [](int, int) {});
  EXPECT_THROW(tracking.SpinRepeatTick(true, [](int, int) { throw std::runtime_error("bad"); }), std::runtime_error);
  EXPECT_EQ(tracking.PressedButtonCell(), TtsButtonTracking::kNoCell);
  EXPECT_FALSE(tracking.SpinTimerRunning());
  EXPECT_EQ(host.log, (std::vector<std::string>{"current cell"}));
}

TEST(ButtonTracking, CellsBeyondASmallerGridAreForgotten)
{
  ClockHost host;
  TtsButtonTracking tracking(host);
  tracking.SetHot({5, 1});
  tracking.PressSpin({2, 9}, 1, true);
  tracking.ValidateButtonCells(6, 9);
  EXPECT_EQ(tracking.HotButtonCell(), (platform::TPoint{5, 1}));
  tracking.ValidateButtonCells(4, 8);
  EXPECT_EQ(tracking.HotButtonCell(), TtsButtonTracking::kNoCell);
  EXPECT_EQ(tracking.PressedButtonCell(), TtsButtonTracking::kNoCell);
  EXPECT_FALSE(tracking.SpinTimerRunning());
}

TEST(ButtonArea, AComboButtonInA64PixelCell)
{
  // 11 by 9 plus twice the edge width 2.
  const TtsButtonArea area = ButtonArea({100, 40}, 64, 20, 1, 1, 15, 13);
  struct Case {
    int x, y;
    bool inside;
  };
  for (const Case& c : {Case{149, 40, true}, Case{163, 53, true}, Case{148, 45, false}, Case{164, 45, false},
                        Case{150, 54, false}, Case{150, 39, false}})
    EXPECT_EQ(area.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
  // A narrow cell keeps three pixels of text before the button; a low row cuts it.
  const TtsButtonArea narrow = ButtonArea({0, 0}, 10, 8, 1, 1, 15, 13);
  EXPECT_EQ(narrow.After, 3);
  EXPECT_EQ(narrow.Bottom, 7);
}

}  // namespace
}  // namespace grid
