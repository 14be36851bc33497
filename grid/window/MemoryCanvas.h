#pragma once
// The off-screen canvases that every grid and in-cell editor paints through, shared by all of them
// and guarded by one recursive lock each: the thread that holds it may take it again, and each
// release gives the canvas back to the holder of the lock before.

#include "platform/CanvasTypes.h"

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {
class TBitmap;
class TCanvas;
}  // namespace platform

namespace grid {

class TtsMemoryCanvas {
 public:
  using Owner = const void*;  // the painting control, by identity

  TtsMemoryCanvas();
  TtsMemoryCanvas(const TtsMemoryCanvas&) = delete;
  TtsMemoryCanvas& operator=(const TtsMemoryCanvas&) = delete;
  ~TtsMemoryCanvas();

  // First use makes the buffer; later uses grow it when smaller. Each counts one user.
  void Attach(int width, int height);
  // Never shrinks: the new size is the larger of old and asked on each axis.
  void Grow(int width, int height);
  // One user fewer; the last frees the buffer.
  void Detach();
  void SetClipRect(const platform::TRect& rect);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int UseCount() const { return useCount_; }
  platform::TCanvas* Canvas();  // none while no buffer exists
  platform::TBitmap* Bitmap() { return bitmap_.get(); }

  void Lock(Owner control);
  void Unlock();
  Owner OwnerGrid() const;
  bool HeldByThisThread() const;
  // A paint of another control runs further up this thread's calls.
  bool IsLockedByOtherGrid(Owner control) const;

 private:
  struct Holder {
    std::thread::id Thread;
    Owner Control;
  };

  std::recursive_mutex mutex_;
  mutable std::mutex holdersMutex_;
  std::vector<Holder> holders_;  // one per nested Lock; the last is the owner
  std::unique_ptr<platform::TBitmap> bitmap_;
  int width_ = 0;
  int height_ = 0;
  int useCount_ = 0;
};

// Holds the lock of a canvas for a scope: released whatever happens.
class TtsCanvasLock {
 public:
  TtsCanvasLock(TtsMemoryCanvas& canvas, TtsMemoryCanvas::Owner control) : canvas_(canvas) { canvas_.Lock(control); }
  TtsCanvasLock(const TtsCanvasLock&) = delete;
  TtsCanvasLock& operator=(const TtsCanvasLock&) = delete;
  ~TtsCanvasLock() { canvas_.Unlock(); }

 private:
  TtsMemoryCanvas& canvas_;
};

// The process-wide canvases: one for grid paints, one for in-cell editor paints.
TtsMemoryCanvas& GridPaintCanvas();
TtsMemoryCanvas& EditorPaintCanvas();

}  // namespace grid
