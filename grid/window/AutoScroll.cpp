// The wait between the steps of a mouse-driven autoscroll: none at high speed, a fixed one at low
// speed, and with variable speed a slow pace close to the grid that turns fast further out.

#include "grid/window/Grid.h"

#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace grid {

int TtsBaseGrid::AutoScrollDelay(int x, int y, int screenX, int screenY, int direction) const
{
  if (ScrollSpeed == spHigh)
    return FastScrollDelay;
  if (ScrollSpeed == spLow)
    return SlowScrollDelay;
  const QPoint corner = mapToGlobal(QPoint(FixedWidth(), FixedHeight()));
  const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
  int limit = 30;
  int horizontal = 0;
  int vertical = 0;
  if (direction == 0 || direction == 2) {
    if (x >= ClientWidth()) {
      horizontal = x - ClientWidth();
      limit = std::min(limit, screenArea.width() - screenX);
    } else if (x <= FixedWidth()) {
      horizontal = FixedWidth() - x;
      limit = std::min(limit, corner.x());
    }
  }
  if (direction == 1 || direction == 2) {
    const int bottom = LastRowBottom();
    if (y >= bottom) {
      vertical = y - bottom;
      limit = std::min(limit, screenArea.height() - screenY);
    } else if (y <= FixedHeight()) {
      vertical = FixedHeight() - y;
      limit = std::min(limit, corner.y());
    }
  }
  const int distance = direction == 2 ? std::max(horizontal, vertical) : direction == 1 ? vertical : horizontal;
  limit = std::max(limit, 1);
  const int step = std::min(distance, limit) * std::abs(SlowScrollDelay - FastScrollDelay) / limit;
  return step < SlowScrollDelay / 2 ? SlowScrollDelay : FastScrollDelay;
}

bool TtsBaseGrid::AutoScrollWait(int screenX, int screenY, int direction)
{
  if (ScrollSpeed == spHigh && FastScrollDelay == 0)
    return true;
  const QPoint client = mapFromGlobal(QPoint(screenX, screenY));
  const int delay = AutoScrollDelay(client.x(), client.y(), screenX, screenY, direction);
  const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
  if (autoScrollWaitStart_ == 0)
    autoScrollWaitStart_ = now;
  if (now - autoScrollWaitStart_ < delay)
    return false;
  autoScrollWaitStart_ = 0;
  return true;
}

}  // namespace grid
