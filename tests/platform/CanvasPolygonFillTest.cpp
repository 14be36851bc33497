#include "platform/CanvasImage.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

// The interior as the painter fills it (aliased, even-odd), then the outline as the canvas draws
// lines: what a polygon drawn through the painter looks like.
QImage ThroughPainter(const std::vector<TPoint>& points, const TPenData& pen, QSize size)
{
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    QPolygon poly;
    for (const TPoint& v : points)
      poly << QPoint(v.X, v.Y);
    p.drawPolygon(poly, Qt::OddEvenFill);
  }
  if (pen.Style != TPenStyle::psClear) {
    TImageCanvas canvas(image);
    canvas.Pen().SetData(pen);
    std::vector<TPoint> closed = points;
    closed.push_back(points.front());
    canvas.Polyline(closed);
  }
  return image;
}

QImage ThroughCanvas(const std::vector<TPoint>& points, const TPenData& pen, QSize size)
{
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  TImageCanvas canvas(image);
  canvas.Pen().SetData(pen);
  canvas.Brush().SetColor(RGB(200, 30, 40));
  canvas.Polygon(points);
  return image;
}

TEST(CanvasPolygonFill, SmallSolidPolygonsMatchThePainterPixelForPixel)
{
  const TPenData pens[] = {{clBlack, TPenStyle::psSolid, 1, TPenMode::pmCopy},
                           {clBlack, TPenStyle::psClear, 1, TPenMode::pmCopy},
                           {clBlue, TPenStyle::psDot, 0, TPenMode::pmCopy}};
  unsigned state = 7;
  const auto next = [&state](int n) {
    state = state * 1103515245u + 12345u;
    return int((state >> 16) % unsigned(n));
  };
  int compared = 0;
  for (int round = 0; round < 1500; ++round) {
    const bool large = round % 10 == 0;
    const QSize size = large ? QSize(300, 200) : QSize(40, 40);
    std::vector<TPoint> points(std::size_t(3 + next(6)));
    for (TPoint& p : points)
      p = {next(size.width() + 1), next(size.height() + 1)};  // the right and bottom edges too
    const TPenData& pen = pens[round % 3];
    ASSERT_EQ(ThroughCanvas(points, pen, size), ThroughPainter(points, pen, size)) << "round " << round;
    ++compared;
  }
  EXPECT_EQ(compared, 1500);
  // Shapes with horizontal and vertical edges, spikes and crossings.
  const std::vector<std::vector<TPoint>> shapes = {
      {{5, 5}, {20, 5}, {20, 20}, {5, 20}}, {{5, 5}, {30, 6}, {5, 7}}, {{2, 2}, {30, 30}, {30, 2}, {2, 30}},
      {{10, 0}, {10, 40}, {11, 0}}, {{0, 0}, {40, 40}, {0, 40}, {40, 0}, {20, 20}}};
  for (const auto& shape : shapes)
    EXPECT_EQ(ThroughCanvas(shape, pens[0], {41, 41}), ThroughPainter(shape, pens[0], {41, 41}));
}

}  // namespace
}  // namespace platform
