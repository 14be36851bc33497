// The image canvas against a raw painter doing the same drawing: 250000 line segments, and the full
// repaint of a 1000 x 700 self-drawn control.

#include "platform/Canvas.h"
#include "platform/CanvasImage.h"
#include "platform/CustomControl.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

using platform::TCanvas;
using platform::TPoint;

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kSegments = 250000;

// A walk through the picture with steps of up to 24 pixels, like a plotted curve.
const std::vector<TPoint>& WalkPoints()
{
  static const std::vector<TPoint> points = [] {
    std::vector<TPoint> p;
    p.reserve(kSegments + 1);
    unsigned state = 12345;
    const auto next = [&state] {
      state = state * 1103515245u + 12345u;
      return int((state >> 16) % 49) - 24;
    };
    TPoint at{kWidth / 2, kHeight / 2};
    p.push_back(at);
    for (int i = 0; i < kSegments; ++i) {
      at.X = std::clamp(at.X + next(), 0, kWidth - 1);
      at.Y = std::clamp(at.Y + next(), 0, kHeight - 1);
      p.push_back(at);
    }
    return p;
  }();
  return points;
}

void BM_RawPainterLines(benchmark::State& state)
{
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const std::vector<TPoint>& p = WalkPoints();
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setPen(QPen(Qt::blue, 0));
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
      painter.drawLine(p[i].X, p[i].Y, p[i + 1].X, p[i + 1].Y);
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(BM_RawPainterLines)->Unit(benchmark::kMillisecond);

void BM_ImageCanvasLineTo(benchmark::State& state)
{
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const std::vector<TPoint>& p = WalkPoints();
  for (auto _ : state) {
    platform::TImageCanvas canvas(image);
    canvas.Pen().SetColor(platform::clBlue);
    canvas.MoveTo(p[0].X, p[0].Y);
    for (std::size_t i = 1; i < p.size(); ++i)
      canvas.LineTo(p[i].X, p[i].Y);
  }
  state.SetItemsProcessed(state.iterations() * kSegments);
}
BENCHMARK(BM_ImageCanvasLineTo)->Unit(benchmark::kMillisecond);

// A grid-like picture: cell lines, shaded fixed cells, text in every cell, a frame and a marker.
constexpr int kCols = 10;
constexpr int kRows = 35;
constexpr int kCellWidth = kWidth / kCols;
constexpr int kCellHeight = kHeight / kRows;

void PaintRaw(QImage& image)
{
  image.fill(QColor(0xF0, 0xF0, 0xF0));
  QPainter painter(&image);
  painter.fillRect(0, 0, kWidth, kCellHeight, QColor(0xC0, 0xC0, 0xC0));
  painter.setPen(QPen(Qt::gray, 0));
  for (int c = 1; c < kCols; ++c)
    painter.drawLine(c * kCellWidth, 0, c * kCellWidth, kHeight - 1);
  for (int r = 1; r < kRows; ++r)
    painter.drawLine(0, r * kCellHeight, kWidth - 1, r * kCellHeight);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c)
      painter.drawText(c * kCellWidth + 2, r * kCellHeight + 13, QStringLiteral("Cell %1,%2").arg(c).arg(r));
  painter.setPen(QPen(Qt::blue, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(4, 4, kWidth - 9, kHeight - 9));
  painter.setBrush(Qt::red);
  painter.drawEllipse(QRect(500, 300, 40, 40));
}

void PaintOnCanvas(TCanvas& canvas)
{
  canvas.Brush().SetColor(0xC0C0C0);
  canvas.FillRect({0, 0, kWidth, kCellHeight});
  canvas.Pen().SetColor(0x808080);
  for (int c = 1; c < kCols; ++c) {
    canvas.MoveTo(c * kCellWidth, 0);
    canvas.LineTo(c * kCellWidth, kHeight);
  }
  for (int r = 1; r < kRows; ++r) {
    canvas.MoveTo(0, r * kCellHeight);
    canvas.LineTo(kWidth, r * kCellHeight);
  }
  canvas.Font().SetName(QStringLiteral("Arial"));
  canvas.Font().SetHeight(-11);
  canvas.Font().SetColor(platform::clBlack);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c)
      canvas.TextOut(c * kCellWidth + 2, r * kCellHeight + 2, QStringLiteral("Cell %1,%2").arg(c).arg(r));
  canvas.Pen().SetColor(platform::clBlue);
  canvas.Rectangle(4, 4, kWidth - 4, kHeight - 4);
  canvas.Brush().SetColor(platform::clRed);
  canvas.Ellipse(500, 300, 541, 341);
}

class GridLikeControl : public platform::CustomControl {
 protected:
  void Paint(TCanvas& canvas) override { PaintOnCanvas(canvas); }
};

void BM_RawPainterFullRepaint(benchmark::State& state)
{
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    PaintRaw(image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RawPainterFullRepaint)->Unit(benchmark::kMillisecond);

void BM_CustomControlFullRepaint(benchmark::State& state)
{
  GridLikeControl control;
  control.resize(kWidth, kHeight);
  control.SetColor(0xF0F0F0);
  for (auto _ : state)
    benchmark::DoNotOptimize(control.PaintToImage().constBits());
}
BENCHMARK(BM_CustomControlFullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
