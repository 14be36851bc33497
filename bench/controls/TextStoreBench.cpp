// Text store: 1 MB of text typed line by line into a word-wrapped list, re-wrapped at 80 columns, undone.
#include "controls/editor/ParaList.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

using controls::TOvcParaList;

constexpr std::size_t TextBytes = 1 << 20;
constexpr int MaxUndoBuffer = 65535;

// Lines of 10 to 200 characters of words, hyphenated words and tabs; about TextBytes in all.
const std::vector<std::string>& Lines()
{
  static const std::vector<std::string> lines = [] {
    const char* words[] = {"sin(x)", "alpha", "well-known", "2.5e-3", "\t", "result", "cos", "+", "value", "x*y"};
    std::mt19937 random(2026);
    std::vector<std::string> out;
    std::size_t total = 0;
    while (total < TextBytes) {
      std::string line;
      const std::size_t length = 10 + random() % 191;
      while (line.size() < length)
        line += std::string(words[random() % 10]) + " ";
      total += line.size() + 2;
      out.push_back(std::move(line));
    }
    return out;
  }();
  return lines;
}

// Types each line and presses Enter after it.
void TypeLines(TOvcParaList& list)
{
  int para = 1;
  for (const std::string& line : Lines()) {
    list.InsertText(nullptr, para, 1, line);
    int indent = 0;
    list.SplitPara(nullptr, para, int(line.size()) + 1, false, indent, 0);
    ++para;
  }
}

void BM_InsertLinesWrappedAt80(benchmark::State& state)
{
  for (auto _ : state) {
    TOvcParaList list(nullptr, true, MaxUndoBuffer);
    list.SetWrapColumn(80);
    TypeLines(list);
    benchmark::DoNotOptimize(list.LineCount());
    state.counters["paragraphs"] = list.ParaCount();
    state.counters["display_lines"] = list.LineCount();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(TextBytes));
}
BENCHMARK(BM_InsertLinesWrappedAt80)->Unit(benchmark::kMillisecond);

void BM_ReWrapAllAt80(benchmark::State& state)
{
  TOvcParaList list(nullptr, true, MaxUndoBuffer);
  for (const std::string& line : Lines())
    list.AddPara(line, false);
  list.SetWrapColumn(80);
  for (auto _ : state) {
    list.ReWrapAll();
    benchmark::DoNotOptimize(list.LineCount());
  }
  state.counters["display_lines"] = list.LineCount();
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(TextBytes));
}
BENCHMARK(BM_ReWrapAllAt80)->Unit(benchmark::kMillisecond);

// Undoes everything the history holds (the block keeps the newest steps of the 1 MB).
void BM_UndoAll(benchmark::State& state)
{
  for (auto _ : state) {
    state.PauseTiming();
    TOvcParaList list(nullptr, true, MaxUndoBuffer);
    list.SetWrapColumn(80);
    TypeLines(list);
    const std::int64_t before = list.TextBytes();
    state.ResumeTiming();
    int steps = 0;
    while (list.UndoBuffer().UndoCount() > 0) {
      int para = 0, pos = 0;
      list.Undo(nullptr, para, pos);
      ++steps;
    }
    state.PauseTiming();
    state.counters["undo_steps"] = steps;
    state.counters["bytes_undone"] = double(before - list.TextBytes());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoAll)->Unit(benchmark::kMicrosecond);

// Undo and redo of one typed line with its line break, at the end of a 1 MB text.
void BM_UndoRedoLineAtEnd(benchmark::State& state)
{
  TOvcParaList list(nullptr, true, MaxUndoBuffer);
  list.SetWrapColumn(80);
  TypeLines(list);
  for (auto _ : state) {
    int para = 0, pos = 0;
    list.Undo(nullptr, para, pos);
    list.Redo(nullptr, para, pos);
  }
}
BENCHMARK(BM_UndoRedoLineAtEnd)->Unit(benchmark::kMicrosecond);

}  // namespace
