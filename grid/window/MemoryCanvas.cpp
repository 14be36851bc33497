#include "grid/window/MemoryCanvas.h"

#include "platform/Bitmap.h"

#include <algorithm>

namespace grid {

TtsMemoryCanvas::TtsMemoryCanvas() = default;
TtsMemoryCanvas::~TtsMemoryCanvas() = default;

void TtsMemoryCanvas::Attach(int width, int height)
{
  if (!bitmap_) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    bitmap_ = std::make_unique<platform::TBitmap>(width_, height_);
  } else {
    Grow(width, height);
  }
  ++useCount_;
}

void TtsMemoryCanvas::Grow(int width, int height)
{
  if (!bitmap_ || (width <= width_ && height <= height_))
    return;
  width_ = std::max(width_, width);
  height_ = std::max(height_, height);
  bitmap_ = std::make_unique<platform::TBitmap>(width_, height_);
}

void TtsMemoryCanvas::Detach()
{
  if (useCount_ == 0)
    return;
  if (--useCount_ > 0)
    return;
  bitmap_.reset();
  width_ = 0;
  height_ = 0;
}

void TtsMemoryCanvas::SetClipRect(const platform::TRect& rect)
{
  if (bitmap_)
    bitmap_->Canvas().SetClipRect(rect);
}

platform::TCanvas* TtsMemoryCanvas::Canvas() { return bitmap_ ? &bitmap_->Canvas() : nullptr; }

void TtsMemoryCanvas::Lock(Owner control)
{
  mutex_.lock();
  const std::lock_guard guard(holdersMutex_);
  holders_.push_back({std::this_thread::get_id(), control});
}

void TtsMemoryCanvas::Unlock()
{
  {
    const std::lock_guard guard(holdersMutex_);
    if (holders_.empty())
      return;
    holders_.pop_back();
  }
  mutex_.unlock();
}

TtsMemoryCanvas::Owner TtsMemoryCanvas::OwnerGrid() const
{
  const std::lock_guard guard(holdersMutex_);
  return holders_.empty() ? nullptr : holders_.back().Control;
}

bool TtsMemoryCanvas::HeldByThisThread() const
{
  const std::lock_guard guard(holdersMutex_);
  return !holders_.empty() && holders_.back().Thread == std::this_thread::get_id();
}

bool TtsMemoryCanvas::IsLockedByOtherGrid(Owner control) const
{
  const std::lock_guard guard(holdersMutex_);
  return !holders_.empty() && holders_.back().Thread == std::this_thread::get_id() && holders_.back().Control != control;
}

TtsMemoryCanvas& GridPaintCanvas()
{
  static TtsMemoryCanvas canvas;
  return canvas;
}

TtsMemoryCanvas& EditorPaintCanvas()
{
  static TtsMemoryCanvas canvas;
  return canvas;
}

}  // namespace grid
