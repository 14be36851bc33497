#include "grid/window/WindowRoutines.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

#include <QWidget>

namespace grid {

bool IsWindowInside(const QWidget* window, const QWidget* control)
{
  if (!window || !control)
    return false;
  if (window == control)
    return true;
  for (const QObject* child : control->children()) {
    const auto* widget = qobject_cast<const QWidget*>(child);
    if (widget && IsWindowInside(window, widget))
      return true;
  }
  return false;
}

void PrimeCanvas(platform::TCanvas& canvas)
{
  const platform::TBitmap pixel(1, 1);
  canvas.Draw(0, 0, pixel);
}

}  // namespace grid
