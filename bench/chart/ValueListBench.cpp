// 250000 points added in X order to a series (no label, default colour) and their statistics read
// once, against filling three vectors of doubles and scanning them for the same figures.

#include "chart/model/ChartSeries.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kPoints = 250000;

double YAt(int i) { return std::sin(i * 0.001) * 1000.0; }

void BM_SeriesAddInOrderAndStatistics(benchmark::State& state)
{
  for (auto _ : state) {
    chart::TChartSeries series;
    for (int i = 0; i < kPoints; ++i) series.AddXY(i, YAt(i));
    const auto& y = series.YValues();
    benchmark::DoNotOptimize(y.MinValue() + y.MaxValue() + y.Total() + y.TotalAbs());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_SeriesAddInOrderAndStatistics)->Unit(benchmark::kMillisecond);

void BM_ThreeVectorsAndStatistics(benchmark::State& state)
{
  for (auto _ : state) {
    std::vector<double> x, y, colour;
    for (int i = 0; i < kPoints; ++i) {
      x.push_back(i);
      y.push_back(YAt(i));
      colour.push_back(0);
    }
    double min = y[0], max = y[0], total = 0, totalAbs = 0;
    for (double v : y) {
      min = std::min(min, v);
      max = std::max(max, v);
      total += v;
      totalAbs += std::fabs(v);
    }
    benchmark::DoNotOptimize(min + max + total + totalAbs);
    benchmark::DoNotOptimize(x.data());
    benchmark::DoNotOptimize(colour.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_ThreeVectorsAndStatistics)->Unit(benchmark::kMillisecond);

}  // namespace
