#include "engine/Engine.h"
#include "engine/UserFunctions.h"

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

void BM_BuiltinFunctions(benchmark::State& state) { EvaluateText(state, "sin(0.5)+sqrt(2)*ln(3)-gamma(4.5)"); }
void BM_UserFunction(benchmark::State& state)
{
  engine::UserFunctions->Clear();
  engine::UserFunctions->Add("HYP(a,b)=sqrt(a^2+b^2)");
  EvaluateText(state, "HYP(3,4)+1");
}

void BM_Solve(benchmark::State& state) { EvaluateText(state, "solve(0,2,x^2-2)"); }
void BM_Integral(benchmark::State& state) { EvaluateText(state, "integral(0,pi,sin(x))"); }
void BM_IntegralEndSingularity(benchmark::State& state) { EvaluateText(state, "integral(0,1,1/sqrt(x))"); }
void BM_IntegralJumps(benchmark::State& state) { EvaluateText(state, "integral(0,1,floor(10*x))"); }
void BM_SolveSteep(benchmark::State& state) { EvaluateText(state, "solve(0,1000,exp(x)-1E300)"); }
void BM_ComplexExpression(benchmark::State& state)
{
  for (auto _ : state) {
    std::string text = "sin(comp(1+2/3,pi/4+ln(2)))*comp(1,2)^comp(2,0)";
    bool failed = false;
    int pos = 0;
    int span = 0;
    benchmark::DoNotOptimize(engine::EvaluateComplexChecked(text, failed, pos, span));
  }
}

}  // namespace

BENCHMARK(BM_Number);
BENCHMARK(BM_Solve);
BENCHMARK(BM_Integral);
BENCHMARK(BM_IntegralEndSingularity);
BENCHMARK(BM_IntegralJumps);
BENCHMARK(BM_SolveSteep);
BENCHMARK(BM_ComplexExpression);
BENCHMARK(BM_BuiltinFunctions);
BENCHMARK(BM_UserFunction);
BENCHMARK(BM_SumOfTenTerms);
BENCHMARK(BM_Nested60);
