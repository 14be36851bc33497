#include "platform/CanvasImage.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <gtest/gtest.h>

#include <array>
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


// Quads through one clip rectangle (the direct path where they fit) and through the same clip with
// a far pixel added (two rectangles: always the painter), the far pixel left out of the comparison.
TEST(CanvasPolygonFill, QuadsInsideOneClipRectangleMatchTheGeneralPath)
{
  constexpr int kFar = 1 << 29;  // beyond the coordinate limit
  const TRect clip{5, 5, 55, 45};
  const TPenData pens[] = {{clBlack, TPenStyle::psSolid, 1, TPenMode::pmCopy},
                           {clNavy, TPenStyle::psSolid, 0, TPenMode::pmCopy},
                           {clBlack, TPenStyle::psClear, 1, TPenMode::pmCopy},
                           {clBlue, TPenStyle::psDot, 0, TPenMode::pmCopy},
                           {clWhite, TPenStyle::psSolid, 1, TPenMode::pmXor}};
  using TQuad = std::array<TPoint, 4>;
  std::vector<TQuad> quads = {
      {{{10, 10}, {12, 10}, {12, 12}, {10, 12}}},  // one cell
      {{{10, 10}, {11, 10}, {11, 11}, {10, 11}}},  // one pixel
      {{{20, 20}, {20, 20}, {20, 20}, {20, 20}}},  // a point
      {{{20, 20}, {25, 22}, {30, 24}, {25, 22}}},  // a line
      {{{10, 30}, {30, 10}, {30, 30}, {10, 10}}},  // crossed
      {{{40, 8}, {44, 9}, {43, 14}, {39, 12}}},    // skewed
      {{{50, 40}, {55, 40}, {55, 45}, {50, 45}}},  // on the right and bottom edges
      {{{5, 5}, {6, 5}, {6, 6}, {5, 6}}},          // on the top-left corner
      {{{52, 20}, {58, 21}, {57, 25}, {53, 24}}},  // across the right edge
      {{{2, 2}, {8, 3}, {9, 9}, {3, 8}}},          // across the corner
      {{{30, 42}, {33, 48}, {36, 43}, {32, 40}}},  // across the bottom edge
      {{{-10, -10}, {70, -10}, {70, 60}, {-10, 60}}},          // around the clip
      {{{10, 20}, {kFar, 20}, {kFar, 30}, {10, 30}}},          // far out to the right
      {{{-kFar, -kFar}, {30, 10}, {kFar, kFar}, {10, 30}}},    // far out on both sides
      {{{20, -kFar}, {22, -kFar}, {22, 25}, {20, 25}}},        // far out above
  };
  // Surface-like cells of one to three pixels, laid over one another.
  unsigned state = 11;
  const auto next = [&state](int n) {
    state = state * 1103515245u + 12345u;
    return int((state >> 16) % unsigned(n));
  };
  std::vector<TQuad> cells;
  for (int k = 0; k < 400; ++k) {
    const TPoint a{2 + next(56), 2 + next(46)};
    cells.push_back({{a, {a.X + 1 + next(3), a.Y + next(2)}, {a.X + 1 + next(3), a.Y + 1 + next(3)}, {a.X - next(2), a.Y + 1 + next(2)}}});
  }
  const auto draw = [&](const TPenData& pen, const std::vector<TQuad>& list, bool general) {
    QImage image(60, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      TImageCanvas canvas(image);
      TRegion region(clip);
      if (general)
        region.Combine(TRegion(TRect{0, 0, 1, 1}), TRegionCombine::Or);
      canvas.SelectClipRegion(region);
      canvas.Pen().SetData(pen);
      for (std::size_t i = 0; i < list.size(); ++i) {
        canvas.Brush().SetColor(RGB(40 + 50 * (i % 4), 200 - 30 * (i % 5), 90));
        canvas.Polygon(list[i]);
      }
    }
    image.setPixel(0, 0, qRgb(255, 255, 255));
    return image;
  };
  for (const TPenData& pen : pens) {
    for (std::size_t i = 0; i < quads.size(); ++i) {
      const std::vector<TQuad> one{quads[i]};
      EXPECT_EQ(draw(pen, one, false), draw(pen, one, true)) << "quad " << i << ", pen style " << int(pen.Style);
    }
    EXPECT_EQ(draw(pen, cells, false), draw(pen, cells, true)) << "cells, pen style " << int(pen.Style);
  }
}

}  // namespace
}  // namespace platform
