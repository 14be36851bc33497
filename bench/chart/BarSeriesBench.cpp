// Bar and fast-line series of 16001 points painted flat and in 3-D.
#include "bench/chart/SeriesPaint.h"
#include "chart/series/BarSeries.h"
#include "chart/series/FastLineSeries.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ChartBarSeries16001(benchmark::State& state) { chart_bench::PaintSeries<chart::TBarSeries>(state, false); }
void BM_ChartBarSeries16001In3D(benchmark::State& state) { chart_bench::PaintSeries<chart::TBarSeries>(state, true); }
void BM_ChartFastLineSeries16001(benchmark::State& state) { chart_bench::PaintSeries<chart::TFastLineSeries>(state, false); }
void BM_ChartFastLineSeries16001In3D(benchmark::State& state) { chart_bench::PaintSeries<chart::TFastLineSeries>(state, true); }

BENCHMARK(BM_ChartBarSeries16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartBarSeries16001In3D)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartFastLineSeries16001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartFastLineSeries16001In3D)->Unit(benchmark::kMillisecond);

}  // namespace
