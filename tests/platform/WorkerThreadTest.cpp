#include "platform/HandOver.h"
#include "platform/Timer.h"
#include "platform/WorkerThread.h"

#include <QCoreApplication>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace platform {
namespace {

// A control that counts the ticks handed over to it.
class TickedControl : public QWidget {
 public:
  int ticks = 0;
  HandOver handOver;  // cuts off pending ticks when the control goes
};

void ProcessUntil(const std::function<bool()>& done)
{
  while (!done())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(HandOver, WorkForADestroyedOwnerIsDropped)
{
  auto control = std::make_unique<TickedControl>();
  const HandOverSender sender = control->handOver.Sender();
  TickedControl* raw = control.get();
  std::thread worker([sender, raw] {
    for (int i = 0; i < 100; ++i)
      sender.Post([raw] { ++raw->ticks; });
  });
  worker.join();
  control.reset();  // 100 hand-overs pending for a control that is gone
  QCoreApplication::processEvents();
  EXPECT_FALSE(sender.OwnerAlive());
  EXPECT_FALSE(sender.Post([] { FAIL() << "ran"; }));
}

TEST(HandOver, WorkRunsOnTheMainThreadWhileTheOwnerLives)
{
  TickedControl control;
  std::atomic<bool> onMain{false};
  const auto main = std::this_thread::get_id();
  std::thread worker([&, sender = control.handOver.Sender()] {
    sender.Post([&] {
      onMain = std::this_thread::get_id() == main;
      ++control.ticks;
    });
  });
  worker.join();
  ProcessUntil([&] { return control.ticks == 1; });
  EXPECT_TRUE(onMain);
}

TEST(WorkerThread, SynchronizeWaitsForTheMainThread)
{
  int value = 0;
  std::atomic<bool> synchronized{false};
  {
    WorkerThread thread([&](WorkerThread& self) { synchronized = self.Synchronize([&] { value = 42; }); });
    thread.Start();
    ProcessUntil([&] { return synchronized.load(); });
  }
  EXPECT_EQ(value, 42);
}

TEST(WorkerThread, DestroyingItWhileTheWorkerWaitsEndsEverything)
{
  std::atomic<int> synchronizations{0};
  std::atomic<bool> started{false};
  bool ran = false;
  {
    WorkerThread thread([&](WorkerThread& self) {
      started = true;
      while (!self.Terminated())
        if (self.Synchronize([&] { ran = true; }))
          ++synchronizations;
    });
    thread.Start();
    while (!started)
      std::this_thread::yield();
    // No event processing here: the worker is stuck in Synchronize when the destructor runs.
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(ran);
  EXPECT_EQ(synchronizations, 0);
}

TEST(WorkerThread, SleepEndsEarlyOnTerminate)
{
  std::atomic<bool> sleptFully{true};
  std::atomic<bool> sleeping{false};
  WorkerThread thread([&](WorkerThread& self) {
    sleeping = true;
    sleptFully = self.Sleep(60000);
  });
  thread.Start();
  while (!sleeping)
    std::this_thread::yield();
  thread.Terminate();
  ProcessUntil([&] { return !sleptFully; });
  EXPECT_FALSE(sleptFully);
}

TEST(WorkerThread, StopsAndStartsAgain)
{
  std::atomic<int> runs{0};
  WorkerThread thread([&](WorkerThread& self) {
    ++runs;
    self.Sleep(60000);
  });
  thread.Start();
  thread.Stop();
  EXPECT_FALSE(thread.Running());
  thread.Start();
  thread.Stop();
  EXPECT_EQ(runs, 2);
}

TEST(Timer, OneShotFiresOnceRepeatingFiresAgain)
{
  int oneShots = 0;
  int repeats = 0;
  Timer once([&] { ++oneShots; }, 1, true);
  Timer repeating([&] { ++repeats; }, 1);
  once.SetEnabled(true);
  repeating.SetEnabled(true);
  ProcessUntil([&] { return repeats >= 3 && oneShots >= 1; });
  EXPECT_EQ(oneShots, 1);
  EXPECT_FALSE(once.Enabled());
  EXPECT_TRUE(repeating.Enabled());
  repeating.SetEnabled(false);
}

}  // namespace
}  // namespace platform
