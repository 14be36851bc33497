// A point added at the head of a chain of 10 linked series of 10000 points, set beside one point
// added to a lone series; and an average by periods of 10 over a million points.

#include "tests/chart/model/ChartDouble.h"

#include "chart/model/FunctionKinds.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kChainPoints = 10000;

void AddAtTheHead(benchmark::State& state, int chainLength)
{
  chart::testing::TTestChart chart;
  std::vector<std::unique_ptr<chart::TChartSeries>> chain;
  for (int i = 0; i < chainLength; ++i) {
    chain.push_back(std::make_unique<chart::TChartSeries>());
    chain.back()->SetParentChart(&chart);
    if (i == 0)
      for (int p = 0; p < kChainPoints; ++p) chain[0]->AddXY(p, p);
    else
      chain.back()->SetDataSource(chain[std::size_t(i - 1)].get());
  }
  double x = kChainPoints;
  for (auto _ : state) {
    chain[0]->AddXY(x, x);
    x += 1;
  }
  benchmark::DoNotOptimize(chain.back()->Count());
  state.SetItemsProcessed(state.iterations());
  while (!chain.empty()) chain.pop_back();  // the last linked first
}

void BM_LinkedChainOf10AddAPoint(benchmark::State& state) { AddAtTheHead(state, 10); }
void BM_LoneSeriesAddAPoint(benchmark::State& state) { AddAtTheHead(state, 1); }
BENCHMARK(BM_LinkedChainOf10AddAPoint);
BENCHMARK(BM_LoneSeriesAddAPoint);

void BM_AverageByPeriod10OverAMillionPoints(benchmark::State& state)
{
  constexpr int kPoints = 1000000;
  chart::testing::TTestChart chart;
  chart::TChartSeries source;
  source.SetParentChart(&chart);
  for (int i = 0; i < kPoints; ++i) source.AddXY(i, i % 97);
  chart::TChartSeries average;
  average.SetParentChart(&chart);
  auto function = std::make_unique<chart::TAverageTeeFunction>();
  function->SetPeriod(10);
  average.SetFunction(std::move(function));
  average.SetDataSource(&source);
  for (auto _ : state) {
    source.RefreshSeries();
    benchmark::DoNotOptimize(average.Count());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
  average.SetParentChart(nullptr);
}
BENCHMARK(BM_AverageByPeriod10OverAMillionPoints)->Unit(benchmark::kMillisecond);

}  // namespace
