// The plot launchers: f(x) over 16001 points in one evaluation context, alone and with its series and
// the plot's paint; a 500 x 500 step sin(x)*cos(y) contour, its grid, its levels and tracing, and the
// whole launch to the first paint; the 499 x 499 step surface launch to its first paint, and its
// window's rotation bar dragged over 50 steps. The windows are real and shown on the offscreen platform.

#include "tools/ContourPlotLauncher.h"
#include "tools/ContourPlotWindow.h"
#include "tools/FxPlotLauncher.h"
#include "tools/Plot2DWindow.h"
#include "tools/PolarPlotWindow.h"
#include "tools/SurfacePlotLauncher.h"
#include "tools/SurfacePlotWindow.h"

#include "chart/panel/CustomChart.h"
#include "chart/series/PolarSeries.h"
#include "chart/series/SurfaceSeries.h"

#include "engine/EvalContext.h"
#include "engine/PointEvaluation.h"
#include "engine/Variables.h"
#include "plot/contour/Contour.h"
#include "plot/support/ValueGrids.h"
#include "plotui/series/Series.h"
#include "plotui/series/SeriesLegend.h"
#include "platform/Application.h"

#include <QProgressBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr double kX0 = -10;
constexpr double kX1 = 10;
constexpr int kCurveSteps = 16000;  // 16001 points
constexpr int kGridSteps = 500;     // 501 x 501 points
constexpr int kPumpEvery = 64;      // the launchers pump the window's events this often

const char* const kCurve = "sin(x)*exp(-x/10)";
const char* const kSurface = "sin(x)*cos(y)";

// The settings file the windows read and write, in a directory that goes with the program.
const QString& SettingsFile()
{
  static const QTemporaryDir dir;
  static const QString file = dir.filePath(QStringLiteral("plotbench.ini"));
  return file;
}

// The calculator's part in a launch: the events pumped between points, a stop confirmed.
class TBenchHost : public engine::EngineHost {
public:
  void PumpMessages() override { platform::PumpMessages(); }
};

// A text that evaluates as the launchers' compiled programs do.
engine::TPointEvaluation Evaluation(const char* text)
{
  engine::TPointEvaluation evaluation(text);
  if (!evaluation.Compiled())
    throw std::runtime_error(std::string("not compiled: ") + text);
  return evaluation;
}

double Step(double from, double to, int steps, int i)
{
  return i == steps + 1 ? to : from + (i - 1) * (to - from) / steps;
}

// f(x) at the points of the curve in its own evaluation context; adds each to the series when given.
bool EvaluateCurve(plotui::TSeries* series)
{
  const auto context = engine::TEvalContext::CopyOfCurrent();
  const engine::TContextScope scope(*context);
  const engine::TPointEvaluation evaluation = Evaluation(kCurve);
  for (int i = 1; i <= kCurveSteps + 1; ++i) {
    if (i % kPumpEvery == 0)
      platform::PumpMessages();
    const double x = Step(kX0, kX1, kCurveSteps, i);
    engine::VarValues[1] = x;
    engine::Extended y = 0;
    if (!evaluation.Evaluate(y) || !std::isfinite(double(y)))
      return false;
    if (series)
      series->AddPoint(x, double(y), platform::clBlue, QString());
  }
  return true;
}

// z = f(x, y) over the grid in its own evaluation context.
bool EvaluateSurface(plot::TVector& xs, plot::TVector& ys, plot::TMatrix& zs)
{
  const auto context = engine::TEvalContext::CopyOfCurrent();
  const engine::TContextScope scope(*context);
  const engine::TPointEvaluation evaluation = Evaluation(kSurface);
  long long point = 0;
  for (int i = 1; i <= kGridSteps + 1; ++i) {
    const double x = Step(kX0 / 2, kX1 / 2, kGridSteps, i);
    xs.SetValue(i, x);
    for (int j = 1; j <= kGridSteps + 1; ++j) {
      const double y = Step(kX0 / 2, kX1 / 2, kGridSteps, j);
      ys.SetValue(j, y);
      if (++point % kPumpEvery == 0)
        platform::PumpMessages();
      engine::VarValues[1] = x;
      engine::VarValues[2] = y;
      engine::Extended z = 0;
      if (!evaluation.Evaluate(z) || !std::isfinite(double(z)))
        return false;
      zs.SetValue(i, j, double(z));
    }
  }
  return true;
}

void BM_CurveEvaluation(benchmark::State& state)
{
  for (auto _ : state)
    if (!EvaluateCurve(nullptr))
      state.SkipWithError("f(x) failed");
  state.SetItemsProcessed(state.iterations() * (kCurveSteps + 1));
}
BENCHMARK(BM_CurveEvaluation)->Unit(benchmark::kMillisecond);

// The f(x) launch by its launcher: the points into a new series, the series and its legend entry into
// the plot, the paint.
void BM_CurveSeriesAndPaint(benchmark::State& state)
{
  tools::TfmPlot2D window(SettingsFile(), {});
  window.resize(800, 600);
  window.Show();
  plotui::TPlot& chart = *window.Chart;
  TBenchHost host;
  QProgressBar gauge;
  for (auto _ : state) {
    state.PauseTiming();
    chart.Clear();
    state.ResumeTiming();
    tools::TFxPlotLauncher launcher(window, {.Expression = QString::fromLatin1(kCurve),
                                             .Legend = QStringLiteral("f(x)"),
                                             .XName = {},
                                             .YName = {},
                                             .Title = {},
                                             .X0 = kX0,
                                             .X1 = kX1,
                                             .Steps = kCurveSteps});
    const tools::TPlotOutcome outcome = launcher.Evaluate(host, gauge);
    if (outcome.Failed || outcome.Stopped)
      state.SkipWithError("f(x) failed");
    launcher.Show(QString());
  }
  state.SetItemsProcessed(state.iterations() * (kCurveSteps + 1));
}
BENCHMARK(BM_CurveSeriesAndPaint)->Unit(benchmark::kMillisecond);

void BM_ContourEvaluation(benchmark::State& state)
{
  plot::TVector xs(kGridSteps + 1), ys(kGridSteps + 1);
  plot::TMatrix zs(kGridSteps + 1, kGridSteps + 1);
  for (auto _ : state)
    if (!EvaluateSurface(xs, ys, zs))
      state.SkipWithError("f(x,y) failed");
}
BENCHMARK(BM_ContourEvaluation)->Unit(benchmark::kMillisecond);

// The contour's levels and traced lines from an evaluated grid (10 levels, lines, as the launcher's default).
void BM_ContourLevelsAndTracing(benchmark::State& state)
{
  tools::TfmContourPlot window(SettingsFile(), {});
  plot::TVector xs(kGridSteps + 1), ys(kGridSteps + 1);
  plot::TMatrix zs(kGridSteps + 1, kGridSteps + 1);
  if (!EvaluateSurface(xs, ys, zs))
    state.SkipWithError("f(x,y) failed");
  for (auto _ : state)
    benchmark::DoNotOptimize(std::make_unique<plot::TContour>(*window.Chart->Graph, xs, ys, zs, 10, false, false));
}
BENCHMARK(BM_ContourLevelsAndTracing)->Unit(benchmark::kMillisecond);

// The whole contour launch by its launcher: clear, axes, grid, contour, bound to the window, the first paint.
void BM_ContourLaunch(benchmark::State& state)
{
  const bool colorShade = state.range(0) != 0;
  tools::TfmContourPlot window(SettingsFile(), {});
  window.resize(800, 600);
  window.Show();
  TBenchHost host;
  QProgressBar gauge;
  for (auto _ : state) {
    tools::TContourPlotLauncher launcher(window, {.Expression = QString::fromLatin1(kSurface),
                                                  .Name = {},
                                                  .XName = {},
                                                  .YName = {},
                                                  .Title = {},
                                                  .X0 = kX0 / 2,
                                                  .X1 = kX1 / 2,
                                                  .Y0 = kX0 / 2,
                                                  .Y1 = kX1 / 2,
                                                  .StepsX = kGridSteps,
                                                  .StepsY = kGridSteps,
                                                  .ColorShade = colorShade});
    const tools::TPlotOutcome outcome = launcher.Evaluate(host, gauge);
    if (outcome.Failed || outcome.Stopped || launcher.Trace(host, 10) != plot::TTraceEnd::Done)
      state.SkipWithError("f(x,y) failed");
  }
}
BENCHMARK(BM_ContourLaunch)->ArgName("shade")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole surface launch at its largest grid: the values, the series refilled, the first paint.
void BM_SurfaceLaunch(benchmark::State& state)
{
  tools::TfmSurfaceTee window;
  window.resize(606, 469);
  window.Show();
  TBenchHost host;
  QProgressBar gauge;
  const int steps = tools::TSurfacePlotLauncher::kMaxSteps;
  for (auto _ : state) {
    tools::TSurfacePlotLauncher launcher(window, {.Expression = QString::fromLatin1(kSurface),
                                                  .Title = {},
                                                  .XName = {},
                                                  .X0 = kX0 / 2,
                                                  .X1 = kX1 / 2,
                                                  .Y0 = kX0 / 2,
                                                  .Y1 = kX1 / 2,
                                                  .StepsX = steps,
                                                  .StepsY = steps});
    const tools::TPlotOutcome outcome = launcher.Evaluate(host, gauge);
    if (outcome.Failed || outcome.Stopped)
      state.SkipWithError("f(x,y) failed");
    launcher.Show();
    benchmark::DoNotOptimize(window.Chart->grab());
  }
}
BENCHMARK(BM_SurfaceLaunch)->Unit(benchmark::kMillisecond);

// 50 steps of the rotation bar over a 500 x 500 surface at the window's stored size, each painted.
void BM_SurfaceRotation(benchmark::State& state)
{
  tools::TfmSurfaceTee window;
  window.resize(606, 469);
  window.SurfaceSeries1->FillSampleValues(500);
  window.Show();
  for (auto _ : state)
    for (int step = 0; step < 50; ++step) {
      window.ViewBarChange(0, 300 + step);
      benchmark::DoNotOptimize(window.Chart->grab());
    }
  state.counters["paints/s"] = benchmark::Counter(50.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SurfaceRotation)->Unit(benchmark::kMillisecond);

// 50 steps of the rotation bar over a 361-point polar curve, each painted.
void BM_PolarRotation(benchmark::State& state)
{
  tools::TPolarForm window;
  window.resize(606, 469);
  auto series = std::make_unique<chart::TPolarSeries>();
  for (int degree = 0; degree <= 360; ++degree)
    series->AddXY(degree, 1 + std::cos(degree * M_PI / 180));
  window.AddSeries(std::move(series));
  window.Show();
  for (auto _ : state)
    for (int step = 0; step < 50; ++step) {
      window.sbRot->setValue(300 + step);
      benchmark::DoNotOptimize(window.Chart1->grab());
    }
  state.counters["paints/s"] = benchmark::Counter(50.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PolarRotation)->Unit(benchmark::kMillisecond);

}  // namespace
