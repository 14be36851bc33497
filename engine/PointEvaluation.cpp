#include "engine/PointEvaluation.h"

#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/ExpressionCompiler.h"
#include "engine/Variables.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

namespace {

// The state a failed run may have touched, put back before the text evaluator runs.
struct TSavedErrorState {
  explicit TSavedErrorState(TContextState& state)
      : State(state), Flag(state.ErrorFlag), Code(state.ErrorCode), Pos(state.ErrorPos), Span(state.ErrorSpan),
        Last(state.LastResult)
  {
  }

  void Restore() const
  {
    State.ErrorFlag = Flag;
    State.ErrorCode = Code;
    State.ErrorPos = Pos;
    State.ErrorSpan = Span;
    State.LastResult = Last;
  }

  TContextState& State;
  bool Flag;
  int Code;
  int Pos;
  int Span;
  Extended Last;
};

// Where the recorded list ends with a record of these names (a value for every name), or npos.
std::size_t RecordAtEnd(const std::vector<std::string>& names, const std::vector<std::string>& recorded,
                        const std::vector<Extended>& values)
{
  const std::size_t size = recorded.size();
  if (size != values.size() || size < names.size() ||
      !std::equal(names.begin(), names.end(), recorded.end() - static_cast<std::ptrdiff_t>(names.size())))
    return std::string::npos;
  return size - names.size();
}

// The variables a program read, as RecordUsedVariable at each read; a record of the same names at
// the end of the list, the one of the point before, takes the new values instead.
void RecordReads(const TCompiledProgram& program, TContextState& state)
{
  std::vector<std::string>& names = state.UsedVarNames;
  std::vector<Extended>& values = state.UsedVarValues;
  std::size_t at = RecordAtEnd(program.ReadNames, names, values);
  if (at == std::string::npos) {
    at = values.size();
    names.insert(names.end(), program.ReadNames.begin(), program.ReadNames.end());
    values.resize(at + program.VariableReads.size());
  }
  const auto& current = state.VarValues;
  for (const int i : program.VariableReads)
    values[at++] = current[i];
}

// After the text evaluator recorded from start on: a record of the same names just before, the one
// of the point before, goes.
void DropRecordBefore(std::size_t start)
{
  std::vector<std::string>& names = UsedVarNames;
  std::vector<Extended>& values = UsedVarValues;
  if (names.size() != values.size() || start > names.size())
    return;
  const std::size_t length = names.size() - start;
  if (length == 0 || length > start)
    return;
  const auto first = names.begin() + static_cast<std::ptrdiff_t>(start - length);
  const auto record = names.begin() + static_cast<std::ptrdiff_t>(start);
  if (!std::equal(first, record, record))
    return;
  names.erase(first, record);
  const auto firstValue = values.begin() + static_cast<std::ptrdiff_t>(start - length);
  values.erase(firstValue, firstValue + static_cast<std::ptrdiff_t>(length));
}

}  // namespace

TPointEvaluation::TPointEvaluation(std::string text) : text_(std::move(text))
{
  std::string stripped = text_;
  std::erase(stripped, ' ');
  compiled_ = CompileExpression(stripped, program_);
}

bool TPointEvaluation::Evaluate(Extended& value) const
{
  if (RunCompiled(value))
    return true;
  const std::size_t recorded = UsedVarNames->size();
  const bool evaluated = EvalTypedText(text_, value);
  DropRecordBefore(recorded);
  return evaluated;
}

bool TPointEvaluation::RunCompiled(Extended& value) const
{
  // The state of the current context, fetched once for the whole point.
  TContextState& state = CurrentState();
  if (!compiled_ || state.NumberBase != nbDecimal)
    return false;
  const TSavedErrorState saved(state);
  state.ErrorFlag = false;
  Extended result = 0;
  if (!RunProgram(program_, result)) {
    saved.Restore();
    return false;
  }
  state.ErrorPos = 0;
  RecordReads(program_, state);
  if (!program_.VariableReads.empty())
    state.CurrentVarIndex = program_.VariableReads.back();
  value = result;
  return true;
}

}  // namespace engine
