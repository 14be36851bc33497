// Grid cells with StoreData: 1000 rows by 20 columns written through Cell, then read back.
#include "grid/window/Grid.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kCols = 20;
constexpr int kRows = 1000;

void Fill(grid::TtsGrid& g)
{
  for (int r = 1; r <= kRows; ++r)
    for (int c = 1; c <= kCols; ++c)
      g.SetCell(c, r, r * 100 + c);
}

void BM_FillStoredCells(benchmark::State& state)
{
  for (auto _ : state) {
    grid::TtsGrid g;
    g.SetStoreData(true);
    g.SetCols(kCols);
    g.SetRows(kRows);
    Fill(g);
    benchmark::DoNotOptimize(g.Store());
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_FillStoredCells)->Unit(benchmark::kMillisecond);

void BM_ReadStoredCells(benchmark::State& state)
{
  grid::TtsGrid g;
  g.SetStoreData(true);
  g.SetCols(kCols);
  g.SetRows(kRows);
  Fill(g);
  for (auto _ : state) {
    std::size_t length = 0;
    for (int r = 1; r <= kRows; ++r)
      for (int c = 1; c <= kCols; ++c)
        length += g.Cell(c, r).Text().size();
    benchmark::DoNotOptimize(length);
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_ReadStoredCells)->Unit(benchmark::kMillisecond);

}  // namespace
