// The shared off-screen canvases and their lock.
#include "grid/window/MemoryCanvas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace grid {
namespace {

TEST(MemoryCanvas, NestedLocksGiveTheCanvasBackToTheOuterHolder)
{
  TtsMemoryCanvas canvas;
  int gridA = 0;
  int gridB = 0;
  canvas.Lock(&gridA);
  EXPECT_FALSE(canvas.IsLockedByOtherGrid(&gridA));  // the holder itself
  EXPECT_TRUE(canvas.IsLockedByOtherGrid(&gridB));
  canvas.Lock(&gridB);  // a nested paint on the same thread does not block
  EXPECT_EQ(canvas.OwnerGrid(), &gridB);
  canvas.Unlock();
  EXPECT_EQ(canvas.OwnerGrid(), &gridA);  // the outer paint holds it again
  EXPECT_TRUE(canvas.IsLockedByOtherGrid(&gridB));
  canvas.Unlock();
  EXPECT_EQ(canvas.OwnerGrid(), nullptr);
  EXPECT_FALSE(canvas.IsLockedByOtherGrid(&gridB));
}

TEST(MemoryCanvas, AnotherThreadWaitsAndIsNeverTheOtherGrid)
{
  TtsMemoryCanvas canvas;
  int gridA = 0;
  int gridB = 0;
  std::atomic<bool> locked = false;
  std::atomic<bool> sawOther = true;
  canvas.Lock(&gridA);
  std::thread other([&] {
    sawOther = canvas.IsLockedByOtherGrid(&gridB);  // a paint on another thread
    const TtsCanvasLock inner(canvas, &gridB);
    locked = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(locked);
  canvas.Unlock();
  other.join();
  EXPECT_TRUE(locked);
  EXPECT_FALSE(sawOther);
}

TEST(MemoryCanvas, GrowsNeverShrinksAndFreesWithTheLastUser)
{
  TtsMemoryCanvas canvas;
  EXPECT_EQ(canvas.Canvas(), nullptr);
  canvas.Attach(100, 40);
  canvas.Attach(60, 80);
  EXPECT_EQ(canvas.Width(), 100);
  EXPECT_EQ(canvas.Height(), 80);
  canvas.Grow(10, 10);
  EXPECT_EQ(canvas.Width(), 100);
  canvas.SetClipRect({0, 0, 5, 5});
  ASSERT_NE(canvas.Canvas(), nullptr);
  canvas.Detach();
  EXPECT_EQ(canvas.UseCount(), 1);
  EXPECT_NE(canvas.Canvas(), nullptr);
  canvas.Detach();
  EXPECT_EQ(canvas.Canvas(), nullptr);
  EXPECT_EQ(canvas.Width(), 0);
}

}  // namespace
}  // namespace grid
