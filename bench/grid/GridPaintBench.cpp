// Painting a grid window of 50 x 20 visible text cells, and scrolling it one page at a time with
// the repaint that follows.
#include "grid/window/Grid.h"

#include "platform/ScrollBars.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kCols = 50;
constexpr int kVisibleRows = 20;
constexpr int kColWidth = 30;

// A grid whose window shows exactly 50 columns and 20 rows.
void Prepare(grid::TtsGrid& g, int rows)
{
  g.SetStoreData(true);
  g.SetCols(kCols);
  g.SetRows(rows);
  g.SetDefaultColWidth(kColWidth);
  g.SetScrollBars(grid::TScrollStyle::ssNone);
  g.resize(14 + kCols * kColWidth, 15 + kVisibleRows * g.DefaultRowHeight());
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= kCols; ++c)
      g.SetCell(c, r, std::to_string(r * 100 + c));
  g.PaintToImage();  // the first paint is direct; the rest go through the shared canvas
}

void BM_PaintFullWindow(benchmark::State& state)
{
  grid::TtsGrid g;
  Prepare(g, kVisibleRows);
  for (auto _ : state)
    benchmark::DoNotOptimize(g.PaintToImage());
  state.SetItemsProcessed(state.iterations() * kCols * kVisibleRows);
}
BENCHMARK(BM_PaintFullWindow)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state)
{
  grid::TtsGrid g;
  Prepare(g, 2000);
  for (auto _ : state) {
    if (g.TopRow() == g.MaxTopRow())
      g.DoVertScroll(platform::SB_TOP, 0);
    else
      g.DoVertScroll(platform::SB_PAGEDOWN, 0);
    benchmark::DoNotOptimize(g.PaintToImage());
  }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

}  // namespace
