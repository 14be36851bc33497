// A 500 x 500 surface (249001 outlined cells) projected through the chart canvas into a 600 x 400
// image, against a plain span fill of the same projected quads and the projection alone.

#include "chart/canvas/ChartProjection.h"
#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/support/Palette.h"
#include "platform/CanvasImage.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

using platform::TPoint;

constexpr int kCells = 500;
constexpr int kDepth = 300;
constexpr platform::TRect kChartRect{50, 50, 550, 350};

struct TSurface {
  std::vector<int> X, Z, Y;  // Y by row j, column i
  std::vector<platform::TColor> Color;
  TSurface() : X(kCells), Z(kCells), Y(kCells * kCells), Color(kCells * kCells)
  {
    for (int i = 0; i < kCells; ++i) {
      X[i] = kChartRect.Left + i;
      Z[i] = i * kDepth / (kCells - 1);
    }
    for (int j = 0; j < kCells; ++j)
      for (int i = 0; i < kCells; ++i) {
        const double h = std::sin(i / 40.0) * std::cos(j / 50.0);
        Y[j * kCells + i] = 200 + int(std::lround(80 * h));
        Color[j * kCells + i] = chart::PaletteColor(int((h + 1) * 4));
      }
  }
  int At(int i, int j) const { return Y[j * kCells + i]; }
};

const TSurface& Surface()
{
  static const TSurface surface;
  return surface;
}

chart::TView3DOptions& View()
{
  static chart::TView3DOptions view = [] {
    chart::TView3DOptions v;
    v.SetOrthogonal(false);
    v.SetZoom(90);
    return v;
  }();
  return view;
}

// Every cell as its four chart points: front edge at Z[j], back edge at Z[j + 1].
template <class Cell>
void ForEachCell(const TSurface& s, Cell cell)
{
  for (int j = 0; j + 1 < kCells; ++j)
    for (int i = 0; i + 1 < kCells; ++i) {
      const std::array<TPoint, 4> p{TPoint{s.X[i], s.At(i, j)}, TPoint{s.X[i + 1], s.At(i + 1, j)},
                                    TPoint{s.X[i + 1], s.At(i + 1, j + 1)}, TPoint{s.X[i], s.At(i, j + 1)}};
      cell(p, s.Z[j], s.Z[j + 1], s.Color[j * kCells + i]);
    }
}

void BM_SurfaceQuadsThroughChartCanvas(benchmark::State& state)
{
  QImage image(600, 400, QImage::Format_RGB32);
  platform::TImageCanvas target(image);
  chart::TTeeCanvas3D canvas;
  canvas.SetBuffered(false);
  canvas.SetTargetCanvas(target);
  const TSurface& s = Surface();
  for (auto _ : state) {
    image.fill(Qt::white);
    canvas.BeginDrawing(target, &View(), platform::clWhite, true, {0, 0, 600, 400});
    canvas.SetProjection(kDepth, kChartRect, kChartRect);
    target.Pen().SetColor(platform::clBlack);
    ForEachCell(s, [&](const std::array<TPoint, 4>& p, int z0, int z1, platform::TColor color) {
      target.Brush().SetColor(color);
      canvas.QuadBetweenDepths3D(p, z0, z1);
    });
  }
  state.SetItemsProcessed(state.iterations() * (kCells - 1) * (kCells - 1));
}
BENCHMARK(BM_SurfaceQuadsThroughChartCanvas)->Unit(benchmark::kMillisecond);

// Fills a quad by spans: each row's pixel centres between the edge crossings (even-odd).
void SpanFill(QImage& image, const std::array<TPoint, 4>& q, QRgb color)
{
  int top = q[0].Y, bottom = q[0].Y;
  for (const TPoint& p : q) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, image.height());
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    std::array<double, 4> xs;
    int n = 0;
    for (int k = 0; k < 4; ++k) {
      const TPoint a = q[k];
      const TPoint b = q[(k + 1) % 4];
      if ((a.Y <= yc) != (b.Y <= yc))
        xs[n++] = a.X + (yc - a.Y) * (b.X - a.X) / (b.Y - a.Y);
    }
    for (int k = 1; k < n; ++k)
      for (int m = k; m > 0 && xs[m - 1] > xs[m]; --m)
        std::swap(xs[m - 1], xs[m]);
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int k = 0; k + 1 < n; k += 2) {
      const int from = std::max(0, int(std::ceil(xs[k] - 0.5)));
      const int to = std::min(image.width(), int(std::ceil(xs[k + 1] - 0.5)));
      for (int x = from; x < to; ++x)
        line[x] = color;
    }
  }
}

void BM_SurfaceQuadsPlainSpanFill(benchmark::State& state)
{
  QImage image(600, 400, QImage::Format_RGB32);
  chart::TChartProjection projection;
  const TSurface& s = Surface();
  for (auto _ : state) {
    image.fill(Qt::white);
    projection.Begin(&View(), true);
    projection.SetProjection(&View(), kDepth, kChartRect);
    ForEachCell(s, [&](const std::array<TPoint, 4>& p, int z0, int z1, platform::TColor color) {
      const std::array<TPoint, 4> q{projection.Project(p[0].X, p[0].Y, z0), projection.Project(p[1].X, p[1].Y, z0),
                                    projection.Project(p[2].X, p[2].Y, z1), projection.Project(p[3].X, p[3].Y, z1)};
      SpanFill(image, q, platform::ToQColor(color).rgb());
    });
  }
  state.SetItemsProcessed(state.iterations() * (kCells - 1) * (kCells - 1));
}
BENCHMARK(BM_SurfaceQuadsPlainSpanFill)->Unit(benchmark::kMillisecond);

void BM_SurfaceQuadsRawPainter(benchmark::State& state)
{
  QImage image(600, 400, QImage::Format_RGB32);
  chart::TChartProjection projection;
  const TSurface& s = Surface();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    projection.Begin(&View(), true);
    projection.SetProjection(&View(), kDepth, kChartRect);
    ForEachCell(s, [&](const std::array<TPoint, 4>& p, int z0, int z1, platform::TColor color) {
      const QPoint q[4] = {QPoint(0, 0), QPoint(0, 0), QPoint(0, 0), QPoint(0, 0)};
      QPoint* w = const_cast<QPoint*>(q);
      const TPoint a = projection.Project(p[0].X, p[0].Y, z0), b = projection.Project(p[1].X, p[1].Y, z0),
                   c = projection.Project(p[2].X, p[2].Y, z1), d = projection.Project(p[3].X, p[3].Y, z1);
      w[0] = {a.X, a.Y};
      w[1] = {b.X, b.Y};
      w[2] = {c.X, c.Y};
      w[3] = {d.X, d.Y};
      painter.setBrush(platform::ToQColor(color));
      painter.drawPolygon(q, 4, Qt::OddEvenFill);
    });
  }
  state.SetItemsProcessed(state.iterations() * (kCells - 1) * (kCells - 1));
}
BENCHMARK(BM_SurfaceQuadsRawPainter)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The projection alone: every corner of the surface's cells, rotated with perspective.
void BM_ProjectSurfacePoints(benchmark::State& state)
{
  chart::TChartProjection projection;
  const TSurface& s = Surface();
  for (auto _ : state) {
    projection.Begin(&View(), true);
    projection.SetProjection(&View(), kDepth, kChartRect);
    long long sum = 0;
    for (int j = 0; j < kCells; ++j)
      for (int i = 0; i < kCells; ++i) {
        const TPoint p = projection.Project(s.X[i], s.At(i, j), s.Z[j]);
        sum += p.X + p.Y;
      }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kCells * kCells);
}
BENCHMARK(BM_ProjectSurfacePoints)->Unit(benchmark::kMillisecond);

}  // namespace
