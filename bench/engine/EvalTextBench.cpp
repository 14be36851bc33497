#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void EvaluateText(benchmark::State& state, const std::string& text)
{
  for (auto _ : state)
    benchmark::DoNotOptimize(engine::EvalText(text));
  if (engine::ErrorFlag)
    state.SkipWithError(("error in " + text).c_str());
}

void BM_Number(benchmark::State& state) { EvaluateText(state, "3.14159265358979"); }
void BM_SumOfTenTerms(benchmark::State& state) { EvaluateText(state, "1+2.5+3+4.25+5+6+7.75+8+9+10"); }
void BM_Nested60(benchmark::State& state)
{
  EvaluateText(state, "((1.5+2)*(3-4/5)^2-(6.25*(7+8)/(9-1.5)))/((2+3)*4-5^2+17.5)");
}

}  // namespace

BENCHMARK(BM_Number);
BENCHMARK(BM_SumOfTenTerms);
BENCHMARK(BM_Nested60);
