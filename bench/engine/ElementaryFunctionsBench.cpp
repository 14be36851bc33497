// One built-in function called directly over 1024 arguments spread across its usual range: the
// time per iteration is the time per call.
#include "engine/BuiltinFunctions.h"
#include "engine/FunctionTable.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

struct Case {
  const char* name;
  long double low;
  long double high;
};

const Case Cases[] = {
    {"sin(", -10, 10},     {"cos(", -10, 10},      {"exp(", -20, 20},      {"ln(", 0.01L, 100},
    {"tan(", -10, 10},     {"sec(", -10, 10},      {"sinh(", -20, 20},     {"cosh(", -20, 20},
    {"tanh(", -5, 5},      {"arcsinh(", -20, 20},  {"arccosh(", 1, 50},    {"arctanh(", -0.99L, 0.99L},
    {"log(", 0.01L, 100},  {"log2(", 0.01L, 100},  {"arccos(", -1, 1},     {"ssqr(", -100, 100},
    {"sin(", 1E19L, 1E300L}, {"tan(", 1E19L, 1E300L}, {"tan(", 1E300L, 1E4900L},
};

int CodeOf(const std::string& name)
{
  for (const auto& entry : engine::FunctionTable())
    if (entry.Name == name)
      return entry.Code;
  return -1;
}

void BM_BuiltinFunction(benchmark::State& state)
{
  const Case& c = Cases[state.range(0)];
  const int code = CodeOf(c.name);
  constexpr int Count = 1024;
  std::vector<engine::Extended> arguments(Count);
  for (int i = 0; i < Count; ++i)
    arguments[i] = c.low + (c.high - c.low) * (i + 0.5L) / Count;
  long k = 0;
  for (auto _ : state) {
    engine::Extended x = arguments[k++ % Count];
    benchmark::DoNotOptimize(engine::CallBuiltinFunction(code, x, 1.5L));
  }
  state.SetLabel(c.name);
}

}  // namespace

BENCHMARK(BM_BuiltinFunction)->DenseRange(0, static_cast<int>(std::size(Cases)) - 1);
