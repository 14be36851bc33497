// Built with AddressSanitizer: hand-overs and synchronisations of a worker thread whose control is
// destroyed meanwhile must touch no freed memory.
#include "platform/HandOver.h"
#include "platform/WorkerThread.h"

#include <QCoreApplication>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

// Leaks of the toolkit at exit are not this program's subject.
extern "C" const char* __asan_default_options()
{
  return "detect_leaks=0";
}

namespace platform {
namespace {

// A clock-like control: a worker thread hands ticks over to it.
class ClockControl : public QWidget {
 public:
  ClockControl()
      : worker_([this](WorkerThread& self) {
          while (!self.Terminated()) {
            const int stamp = ++sent_;
            self.Post([this, stamp] { lastTick_ = stamp; ++ticks_; });  // reaches into the control
            self.Sleep(0);
          }
        })
  {
    worker_.Start();
  }
  int Ticks() const { return ticks_; }

 private:
  int ticks_ = 0;
  int lastTick_ = 0;
  std::atomic<int> sent_{0};
  WorkerThread worker_;  // last member: destroyed (and joined) first
};

TEST(HandOverAsan, TicksForADestroyedControlTouchNothing)
{
  for (int round = 0; round < 20; ++round) {
    auto clock = std::make_unique<ClockControl>();
    while (clock->Ticks() < 3)
      QCoreApplication::processEvents();
    clock.reset();                      // ticks are still queued
    QCoreApplication::processEvents();  // they must find nothing
  }
}

TEST(HandOverAsan, SenderOutlivingItsOwnerIsHarmless)
{
  HandOverSender sender;
  {
    auto owner = std::make_unique<HandOver>();
    sender = owner->Sender();
    auto data = std::make_unique<int>(1);
    int* raw = data.get();
    sender.Post([raw] { ++*raw; });
    owner.reset();
    data.reset();  // the pending work points into freed memory; it must not run
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(sender.Post([] {}));
}

}  // namespace
}  // namespace platform
