// Inverse, determinant, solution and power at the largest size the matrix window allows.

#include "tools/matrix/MatLib.h"
#include "tools/matrix/Matrices.h"

#include <benchmark/benchmark.h>

namespace {

using tools::Extended;

constexpr int kLargest = 100;

tools::TMatrixBlock SpreadBlock(int n)
{
  tools::TMatrixBlock m(static_cast<std::size_t>(n), tools::TVectorBlock(static_cast<std::size_t>(n), 0));
  unsigned state = 2024;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      state = state * 1103515245u + 12345u;
      m[std::size_t(i)][std::size_t(j)] = Extended(int(state >> 16) % 2001 - 1000) / 100 + (i == j ? 50 : 0);
    }
  return m;
}

tools::TRealMatrix SpreadMatrix(int n)
{
  const tools::TMatrixBlock block = SpreadBlock(n);
  tools::TRealMatrix m(n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      m.SetElement(i, j, block[std::size_t(i)][std::size_t(j)]);
  return m;
}

void BM_Inverse(benchmark::State& state)
{
  const tools::TRealMatrix a = SpreadMatrix(int(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(a.Inverse());
}
BENCHMARK(BM_Inverse)->Arg(10)->Arg(kLargest)->Unit(benchmark::kMicrosecond);

void BM_ArrayDeterminant(benchmark::State& state)
{
  const int n = int(state.range(0));
  const tools::TMatrixBlock a = SpreadBlock(n);
  for (auto _ : state) {
    tools::TMatrixBlock work = a;
    benchmark::DoNotOptimize(tools::ArrayDeterminant(work, 0, n - 1));
  }
}
BENCHMARK(BM_ArrayDeterminant)->Arg(10)->Arg(kLargest)->Unit(benchmark::kMicrosecond);

void BM_GaussJordanSolve(benchmark::State& state)
{
  const int n = int(state.range(0));
  const tools::TMatrixBlock a = SpreadBlock(n);
  const tools::TVectorBlock b(static_cast<std::size_t>(n), 1);
  tools::TVectorBlock x;
  for (auto _ : state)
    benchmark::DoNotOptimize(tools::GaussJordanSolve(a, b, 0, n - 1, x));
}
BENCHMARK(BM_GaussJordanSolve)->Arg(kLargest)->Unit(benchmark::kMicrosecond);

void BM_Power(benchmark::State& state)
{
  const tools::TRealMatrix a = SpreadMatrix(kLargest);
  for (auto _ : state)
    benchmark::DoNotOptimize(a.Scaled(Extended(1) / 64)->Powered(int(state.range(0))));
}
BENCHMARK(BM_Power)->Arg(2)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
