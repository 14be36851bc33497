// Tracing of contour levels over a 500 x 500 grid of sin(x) * cos(y) on [-3, 3] x [-3, 3] and over
// a grid of noise (thousands of small chains per level: the chain merge must not turn quadratic),
// and the interpolation a colour shade of an 800 x 600 plot area does per 3 x 3 cell; and how soon a
// stop asked while 2000 x 2000 nodes of noise are traced ends the tracing.
#include "plot/contour/Contour.h"
#include "plot/graph/Graph.h"

#include "platform/CanvasRecording.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

namespace {

constexpr int kNodes = 500;

class TBenchImage : public plot::TGraphImage {
public:
  platform::TCanvas& Canvas() override { return canvas_; }
  int Width() const override { return 800; }
  int Height() const override { return 600; }

private:
  platform::TRecordingCanvas canvas_;
};

struct TGrid {
  plot::TVector x{kNodes};
  plot::TVector y{kNodes};
  plot::TMatrix z{kNodes, kNodes};
  TGrid()
  {
    for (int i = 1; i <= kNodes; ++i) {
      x.SetValue(i, -3 + 6.0 * (i - 1) / (kNodes - 1));
      y.SetValue(i, -3 + 6.0 * (i - 1) / (kNodes - 1));
    }
    for (int r = 1; r <= kNodes; ++r)
      for (int c = 1; c <= kNodes; ++c)
        z.SetValue(r, c, std::sin(x.GetValue(r)) * std::cos(y.GetValue(c)));
  }
};

const TGrid& Grid()
{
  static const TGrid grid;
  return grid;
}

// Twenty levels from the lowest value up, as Calculate spreads them.
void BM_TraceTwentyLevels(benchmark::State& state)
{
  TBenchImage image;
  plot::TGraph graph(nullptr, image, nullptr);
  plot::TContour contour(graph, Grid().x, Grid().y, Grid().z, 20, true, false);
  contour.SetColorMap(false);
  std::size_t points = 0;
  for (auto _ : state) {
    contour.Calculate();
    points = 0;
    for (const auto& chain : contour.Chains)
      points += chain.Points.size();
    benchmark::DoNotOptimize(points);
  }
  state.counters["chains"] = static_cast<double>(contour.Chains.size());
  state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_TraceTwentyLevels)->Unit(benchmark::kMillisecond);

// A square of nodes at whole coordinates holding uniform noise in [0, 1), the same for the same start.
struct TNoiseGrid {
  TNoiseGrid(int nodes, unsigned start) : x(nodes), y(nodes), z(nodes, nodes)
  {
    std::mt19937 generator(start);
    std::uniform_real_distribution<double> value(0, 1);
    for (int i = 1; i <= nodes; ++i) {
      x.SetValue(i, i);
      y.SetValue(i, i);
    }
    for (int r = 1; r <= nodes; ++r)
      for (int c = 1; c <= nodes; ++c)
        z.SetValue(r, c, value(generator));
  }
  plot::TVector x, y;
  plot::TMatrix z;
};

// Twenty levels over n x n nodes of uniform noise.
void BM_TraceNoise(benchmark::State& state)
{
  const int n = static_cast<int>(state.range(0));
  TNoiseGrid grid(n, 5);
  auto& [x, y, z] = grid;
  TBenchImage image;
  plot::TGraph graph(nullptr, image, nullptr);
  plot::TContour contour(graph, x, y, z, 20, true, false);
  contour.SetColorMap(false);
  for (auto _ : state) {
    contour.Calculate();
    benchmark::DoNotOptimize(contour.Chains.size());
  }
  state.counters["chains"] = static_cast<double>(contour.Chains.size());
}
BENCHMARK(BM_TraceNoise)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Ten levels over 2000 x 2000 nodes of noise; a stop is asked from another thread 50 ms into the
// tracing, as a click on Stop arrives while the events are pumped. The time measured is from the
// stop to the end of Calculate; the counter is the longest stretch between two progress calls.
void BM_StopWhileTracingNoise(benchmark::State& state)
{
  using Clock = std::chrono::steady_clock;
  constexpr int n = 2000;
  TNoiseGrid grid(n, 11);
  auto& [x, y, z] = grid;
  TBenchImage image;
  plot::TGraph graph(nullptr, image, nullptr);
  plot::TContour contour(graph, x, y, z, 10, true, false);
  contour.SetColorMap(false);
  double longestGap = 0;
  for (auto _ : state) {
    std::atomic<bool> stop{false};
    Clock::time_point asked{};
    Clock::time_point lastCall = Clock::now();
    contour.Progress = [&] {
      const Clock::time_point now = Clock::now();
      longestGap = std::max(longestGap, std::chrono::duration<double>(now - lastCall).count());
      lastCall = now;
      return !stop.load();
    };
    std::thread stopper([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      asked = Clock::now();
      stop = true;
    });
    contour.Calculate();
    const Clock::time_point ended = Clock::now();
    stopper.join();
    if (contour.TraceEnd != plot::TTraceEnd::Stopped) {
      state.SkipWithError("the tracing ended before the stop");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(ended - asked).count());
  }
  state.counters["longest_gap_ms"] = longestGap * 1000;
}
BENCHMARK(BM_StopWhileTracingNoise)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ShadeInterpolation(benchmark::State& state)
{
  const TGrid& g = Grid();
  for (auto _ : state) {
    double sum = 0;
    for (int px = 0; px < 800; px += 3)
      for (int py = 0; py < 600; py += 3)
        sum += plot::InterpolateGrid(g.x, g.y, g.z, -3 + 6.0 * px / 800, 3 - 6.0 * py / 600);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ShadeInterpolation)->Unit(benchmark::kMillisecond);

}  // namespace
