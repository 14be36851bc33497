#include "controls/small/CanvasPaint.h"

#include "platform/CanvasImage.h"
#include "platform/Color.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace controls {

void PaintThroughCanvas(QPainter& painter, int width, int height, platform::TColor background,
                        const std::function<void(platform::TCanvas&)>& draw)
{
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image.fill(platform::ColorToQColor(background));
  {
    platform::TImageCanvas canvas(image);
    draw(canvas);
  }
  painter.drawImage(0, 0, image);
}

}  // namespace controls
