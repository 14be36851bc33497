#include "engine/PointEvaluation.h"

#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/ExpressionCompiler.h"
#include "engine/Variables.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace engine {

namespace {

// The state a failed run may have touched, put back before the text evaluator runs.
struct TSavedErrorState {
  bool Flag = ErrorFlag;
  int Code = ErrorCode;
  int Pos = ErrorPos;
  int Span = ErrorSpan;
  Extended Last = LastResult;

  void Restore() const
  {
    ErrorFlag = Flag;
    ErrorCode = Code;
    ErrorPos = Pos;
    ErrorSpan = Span;
    LastResult = Last;
  }
};

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
  return EvalTypedText(text_, value);
}

bool TPointEvaluation::RunCompiled(Extended& value) const
{
  if (!compiled_ || NumberBase != nbDecimal)
    return false;
  const TSavedErrorState saved;
  ErrorFlag = false;
  Extended result = 0;
  if (!RunProgram(program_, result)) {
    saved.Restore();
    return false;
  }
  ErrorPos = 0;
  // As RecordUsedVariable at each read, in one go.
  UsedVarNames.insert(UsedVarNames.end(), program_.ReadNames.begin(), program_.ReadNames.end());
  for (const int i : program_.VariableReads)
    UsedVarValues.push_back(VarValues[i]);
  if (!program_.VariableReads.empty())
    CurrentVarIndex = program_.VariableReads.back();
  value = result;
  return true;
}

}  // namespace engine
