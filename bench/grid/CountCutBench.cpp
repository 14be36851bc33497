// Rows and columns cut from a large count to a small one, as a stream that sets the count twice
// does: the time grows with the count dropped, row by row.
#include "grid/window/Grid.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CutRows(benchmark::State& state)
{
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    grid::TtsGrid g;
    g.SetRows(rows);
    g.SetRows(0);
    benchmark::DoNotOptimize(g.Rows());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_CutRows)->Arg(1 << 12)->Arg(1 << 16)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_CutCols(benchmark::State& state)
{
  const int cols = static_cast<int>(state.range(0));
  for (auto _ : state) {
    grid::TtsGrid g;
    g.SetCols(cols);
    g.SetCols(1);
    benchmark::DoNotOptimize(g.Cols());
  }
  state.SetItemsProcessed(state.iterations() * cols);
}
BENCHMARK(BM_CutCols)->Arg(1 << 10)->Arg(1 << 16)->Unit(benchmark::kMillisecond);

}  // namespace
