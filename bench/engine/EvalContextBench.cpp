// The cost of making an evaluation context current and of evaluating in one.
#include "engine/Engine.h"
#include "engine/EvalContext.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Entering and leaving a scope of a context that is not current.
void BM_ContextScope(benchmark::State& state)
{
  engine::TEvalContext context;
  for (auto _ : state) {
    const engine::TContextScope scope(context);
    benchmark::DoNotOptimize(engine::AngleMode + 0);
  }
}

// A scope of the context already current: nothing to exchange.
void BM_ContextScopeAlreadyCurrent(benchmark::State& state)
{
  engine::TEvalContext context;
  const engine::TContextScope outer(context);
  for (auto _ : state) {
    const engine::TContextScope scope(context);
    benchmark::DoNotOptimize(engine::AngleMode + 0);
  }
}

// Putting the evaluation under way aside, as the engine does around pumping events.
void BM_EvaluationAside(benchmark::State& state)
{
  for (auto _ : state) {
    const engine::TEvaluationAside aside;
    benchmark::DoNotOptimize(engine::ExprPos + 0);
  }
}

// A copy of the current context for a window or thread of its own.
void BM_CopyOfCurrent(benchmark::State& state)
{
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::TEvalContext::CopyOfCurrent());
}

// A short text evaluated in a context of its own, scope included.
void BM_EvalTextInContext(benchmark::State& state)
{
  engine::TEvalContext context;
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::EvalText(context, "1+2*3").Value);
}

}  // namespace

BENCHMARK(BM_ContextScope);
BENCHMARK(BM_ContextScopeAlreadyCurrent);
BENCHMARK(BM_EvaluationAside);
BENCHMARK(BM_CopyOfCurrent);
BENCHMARK(BM_EvalTextInContext);
