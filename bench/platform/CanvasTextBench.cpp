// Measuring and drawing text on the image canvas the way a grid paints its cells: the metrics and
// the width of every cell's text, then the text itself; once in one font, once switching between
// a plain and a bold font at every cell.

#include "platform/Canvas.h"
#include "platform/CanvasImage.h"

#include <QImage>
#include <QString>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kCells = 1000;

const std::vector<QString>& CellTexts()
{
  static const std::vector<QString> texts = [] {
    std::vector<QString> t;
    t.reserve(kCells);
    for (int i = 0; i < kCells; ++i)
      t.push_back(QString::number(100 + i * 37));
    return t;
  }();
  return texts;
}

void PaintCells(benchmark::State& state, bool switchFonts)
{
  QImage image(1000, 700, QImage::Format_RGB32);
  platform::TImageCanvas canvas(image);
  canvas.Font().SetName(QStringLiteral("Arial"));
  canvas.Font().SetHeight(-11);
  canvas.SetBkMode(platform::TBkMode::bmTransparent);
  const std::vector<QString>& texts = CellTexts();
  for (auto _ : state) {
    for (int i = 0; i < kCells; ++i) {
      if (switchFonts)
        canvas.Font().SetStyle(i % 2 ? platform::fsBold : 0);
      const platform::TTextMetric m = canvas.TextMetrics();
      const int width = canvas.TextWidth(texts[i]);
      const int x = (i % 20) * 50 + 48 - width;
      const int y = (i / 20) * 14 + 13 - m.Ascent;
      canvas.TextOut(x, y, texts[i]);
    }
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}

void BM_ImageCanvasCellTexts(benchmark::State& state)
{
  PaintCells(state, false);
}
BENCHMARK(BM_ImageCanvasCellTexts)->Unit(benchmark::kMillisecond);

void BM_ImageCanvasCellTextsTwoFonts(benchmark::State& state)
{
  PaintCells(state, true);
}
BENCHMARK(BM_ImageCanvasCellTextsTwoFonts)->Unit(benchmark::kMillisecond);

}  // namespace
