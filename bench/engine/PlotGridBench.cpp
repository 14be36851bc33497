// A 500 x 500 grid of (x, y) evaluated as the surface launcher does: X and Y set, the text evaluated at
// each point. The time per iteration is the time per point, but for the whole launch's.
#include "engine/Engine.h"
#include "engine/EvalContext.h"
#include "engine/PointEvaluation.h"
#include "engine/UserFunctions.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

constexpr int GridSize = 500;

const char* const GridExpressions[] = {
    "sin(x)*cos(y)",
    "exp(-(x^2+y^2))*cos(3*x)",
    "sqrt(x^2+y^2)*sin(x)-ln(1+y^2)/(1+abs(x))+exp(-y)*cos(x)",  // 56 characters, 6 functions
};

void PrepareGrid(const std::string& text)
{
  engine::ExprString = text;
  engine::ErrorFlag = false;
  engine::UsedVarNames->clear();
  engine::UsedVarValues->clear();
}

// The value at point k of the grid, X varying slowest, over [-3, 3] x [-3, 3].
void SetPoint(long k)
{
  const int i = static_cast<int>(k / GridSize % GridSize);
  const int j = static_cast<int>(k % GridSize);
  engine::VarValues[1] = -3 + i * (6.0L / (GridSize - 1));
  engine::VarValues[2] = -3 + j * (6.0L / (GridSize - 1));
}

void BM_GridText(benchmark::State& state)
{
  const std::string text = GridExpressions[state.range(0)];
  PrepareGrid(text);
  long k = 0;
  for (auto _ : state) {
    SetPoint(k++);
    benchmark::DoNotOptimize(engine::EvalExpression(engine::ExprString));
    // The launcher collects the variables once per plot; keep the recorded list from growing
    // without bound over millions of iterations.
    if (k % GridSize == 0) {
      engine::UsedVarNames->clear();
      engine::UsedVarValues->clear();
    }
  }
  if (engine::ErrorFlag)
    state.SkipWithError(("error in " + text).c_str());
  state.SetLabel(text);
}

// The same grid through the compiled program, as the plot loops evaluate it.
void BM_GridCompiled(benchmark::State& state)
{
  const std::string text = GridExpressions[state.range(0)];
  PrepareGrid(text);
  const engine::TPointEvaluation evaluation(text);
  long k = 0;
  engine::Extended value = 0;
  bool failed = !evaluation.Compiled();
  for (auto _ : state) {
    SetPoint(k++);
    failed |= !evaluation.Evaluate(value);
    benchmark::DoNotOptimize(value);
    if (k % GridSize == 0) {
      engine::UsedVarNames->clear();
      engine::UsedVarValues->clear();
    }
  }
  if (failed)
    state.SkipWithError(("not compiled or an error in " + text).c_str());
  state.SetLabel(text);
}

// sin(x)*cos(y) with angles in degrees.
void BM_GridCompiledDegrees(benchmark::State& state)
{
  engine::AngleMode = 1;
  BM_GridCompiled(state);
  engine::AngleMode = 0;
}

// A whole 501 x 501 grid as the launchers run it, in an evaluation context of its own and with the
// recorded variables never cleared. The time per iteration is the time per grid.
void BM_GridLaunch(benchmark::State& state)
{
  const std::string text = GridExpressions[state.range(0)];
  constexpr int Points = GridSize + 1;
  bool failed = false;
  for (auto _ : state) {
    const auto context = engine::TEvalContext::CopyOfCurrent();
    const engine::TContextScope scope(*context);
    const engine::TPointEvaluation evaluation(text);
    failed |= !evaluation.Compiled();
    engine::Extended value = 0;
    for (int i = 0; i < Points; ++i) {
      for (int j = 0; j < Points; ++j) {
        engine::VarValues[1] = -3 + i * (6.0L / GridSize);
        engine::VarValues[2] = -3 + j * (6.0L / GridSize);
        failed |= !evaluation.Evaluate(value);
        benchmark::DoNotOptimize(value);
      }
    }
  }
  if (failed)
    state.SkipWithError(("not compiled or an error in " + text).c_str());
  state.SetItemsProcessed(state.iterations() * Points * Points);
  state.SetLabel(text);
}

// The floor: the same functions compiled natively in Extended.
void BM_GridNative(benchmark::State& state)
{
  long k = 0;
  const long which = state.range(0);
  for (auto _ : state) {
    SetPoint(k++);
    const engine::Extended x = engine::VarValues[1];
    const engine::Extended y = engine::VarValues[2];
    engine::Extended v = 0;
    if (which == 0)
      v = sinl(x) * cosl(y);
    else if (which == 1)
      v = expl(-(x * x + y * y)) * cosl(3 * x);
    else
      v = sqrtl(x * x + y * y) * sinl(x) - logl(1 + y * y) / (1 + fabsl(x)) + expl(-y) * cosl(x);
    benchmark::DoNotOptimize(v);
  }
}

// A long sum of user-function calls: the cost must grow with the text, not faster.
void BM_UserFunctionSum(benchmark::State& state)
{
  engine::UserFunctions->Clear();
  engine::UserFunctions->Add("F(a)=a*2+1");
  std::string text = "F(1)";
  while (static_cast<long>(text.size()) < state.range(0))
    text += "+F(1)";
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::EvalText(text));
  if (engine::ErrorFlag)
    state.SkipWithError("error in the sum");
  state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
  engine::UserFunctions->Clear();
}

// An error at the end of a text full of blanks: the mapping back onto the typed text.
void BM_ErrorMapping(benchmark::State& state)
{
  std::string text;
  while (static_cast<long>(text.size()) < state.range(0))
    text += "1 + ";
  text += "1/0";
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::EvalText(text));
  state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}

}  // namespace

BENCHMARK(BM_GridText)->DenseRange(0, 2);
BENCHMARK(BM_GridCompiled)->DenseRange(0, 2);
BENCHMARK(BM_GridCompiledDegrees)->Arg(0);
BENCHMARK(BM_GridLaunch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridNative)->DenseRange(0, 2);
BENCHMARK(BM_UserFunctionSum)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ErrorMapping)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
