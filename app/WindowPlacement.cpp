#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <limits>

namespace app {

namespace {

// Distance from a point to a rectangle, 0 inside it.
double Distance(QPoint point, const QRect& rect)
{
  const double dx = std::max({rect.left() - point.x(), 0, point.x() - rect.right()});
  const double dy = std::max({rect.top() - point.y(), 0, point.y() - rect.bottom()});
  return std::hypot(dx, dy);
}

}  // namespace

QPoint PlaceOnScreens(const QRect& window, const QList<QRect>& screens)
{
  const QPoint corner = window.topLeft();
  const QRect* nearest = nullptr;
  double best = std::numeric_limits<double>::max();
  for (const QRect& screen : screens) {
    if (screen.contains(corner))
      return corner;
    if (const double d = Distance(corner, screen); d < best) {
      best = d;
      nearest = &screen;
    }
  }
  if (!nearest)
    return corner;
  const int x = std::max(nearest->left(), std::min(corner.x(), nearest->right() + 1 - window.width()));
  const int y = std::max(nearest->top(), std::min(corner.y(), nearest->bottom() + 1 - window.height()));
  return {x, y};
}

QPoint PlaceOnScreens(const QRect& window)
{
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas << screen->availableGeometry();
  return PlaceOnScreens(window, areas);
}

}  // namespace app
