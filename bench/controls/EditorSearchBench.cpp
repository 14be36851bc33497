// Replace all over 1 MB of text: every "value" replaced by "v", ignoring case, then the text restored.
#include "controls/editor/EditorCore.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using namespace controls;

void Fill(TOvcEditorCore& core)
{
  const char* words[] = {"sin(x)", "alpha", "Value", "2.5e-3", "result", "cos", "+", "value", "x*y"};
  std::mt19937 random(7);
  std::string text;
  while (text.size() < (1u << 20)) {
    std::string line;
    const std::size_t length = 10 + random() % 191;
    while (line.size() < length)
      line += std::string(words[random() % 9]) + " ";
    text += line + "\r\n";
  }
  core.InsertString(text);
}

void ReplaceAllOverOneMegabyte(benchmark::State& state)
{
  TOvcEditorCore core;
  core.ParaList().SetUndoBufferSize(0);
  for (auto _ : state) {
    state.PauseTiming();
    core.ClearText(false);
    Fill(core);
    state.ResumeTiming();
    benchmark::DoNotOptimize(core.Replace("value", "v", soReplaceAll | soGlobal));
  }
}
BENCHMARK(ReplaceAllOverOneMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
