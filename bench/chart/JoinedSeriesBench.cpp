// Line and area series of 16001 points painted flat and in 3-D (beside plotui_bench).
#include "bench/chart/SeriesPaint.h"
#include "chart/series/AreaSeries.h"
#include "chart/series/LineSeries.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ChartLineSeries16001(benchmark::State& state) { chart_bench::PaintSeries<chart::TLineSeries>(state, false); }
void BM_ChartLineSeries16001In3D(benchmark::State& state) { chart_bench::PaintSeries<chart::TLineSeries>(state, true); }
void BM_ChartAreaSeries16001(benchmark::State& state) { chart_bench::PaintSeries<chart::TAreaSeries>(state, false); }
void BM_ChartAreaSeries16001In3D(benchmark::State& state) { chart_bench::PaintSeries<chart::TAreaSeries>(state, true); }

BENCHMARK(BM_ChartLineSeries16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartLineSeries16001In3D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartAreaSeries16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartAreaSeries16001In3D)->Unit(benchmark::kMillisecond);

}  // namespace
