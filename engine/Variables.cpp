#include "engine/Variables.h"

#include "engine/CutArgument.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/EvaluateApart.h"
#include "engine/Evaluator.h"
#include "engine/Host.h"
#include "engine/ResultText.h"
#include "engine/ScannerState.h"

#include <algorithm>

namespace engine {

namespace {

class EvaluatingMark {
public:
  explicit EvaluatingMark(int i) : i_(i) { DefiningVariables[i_] = true; }
  ~EvaluatingMark() { DefiningVariables[i_] = false; }
  EvaluatingMark(const EvaluatingMark&) = delete;
  EvaluatingMark& operator=(const EvaluatingMark&) = delete;

private:
  int i_;
};

// Obtains a value for an undefined variable: from its defining expression, or from the user.
bool DefineVariable(int i, int pos)
{
  if (VarExprs[i].empty()) {
    if (AskVariableValue(i))
      return true;
    SetEvalErrorAt(ecUserBreak, pos);
    return false;
  }
  if (DefiningVariables[i]) {
    SetEvalErrorAt(ecStackOverflow, pos);
    return false;
  }
  {
    const EvaluatingMark mark(i);
    Host().EvalVariableEdit(i);
  }
  if (VarValues[i] != UndefinedValue)
    return true;
  // The defining expression failed: so does the evaluation that needed it.
  SetEvalErrorAt(ErrorFlag ? ErrorCode : ecSyntax, pos);
  return false;
}

}  // namespace

void RecordUsedVariable(std::string_view name, Extended value)
{
  UsedVarNames->emplace_back(name);
  UsedVarValues->push_back(value);
}

std::string UsedValueText(Extended value)
{
  const bool flag = ErrorFlag;
  const int code = ErrorCode;
  const int pos = ErrorPos;
  const int span = ErrorSpan;
  std::string text = FormatResult(ValueDigits, value);
  ErrorFlag = flag;
  ErrorCode = code;
  ErrorPos = pos;
  ErrorSpan = span;
  return text;
}

void ReadVariable(int i, int pos, Extended& value)
{
  if (VarValues[i] == UndefinedValue && !DefineVariable(i, pos))
    return;
  value = VarValues[i];
  RecordUsedVariable(std::string_view(&VarNames[i - 1], 1), value);
  CheckAfterOperand();
}

void AssignVariableInExpression(int i, int letterPos, Extended& value)
{
  if (letterPos < 2 || ExprString[letterPos - 2] != '(') {
    SetEvalErrorAt(ecMissingOpenParen, letterPos);
    return;
  }
  ReadChar();
  const int start = ExprPos;
  int end = 0;
  std::string text;
  if (!CutArgument(end, text)) {
    SetEvalErrorAt(ecSyntax, start);
    return;
  }
  const Extended assigned = EvaluateApart(text);
  if (ErrorFlag) {
    PlaceRecordedError(ErrorPos + start - 1, ErrorSpan);
    return;
  }
  VarValues[i] = assigned;
  VarExprs[i] = text;
  RecordUsedVariable(std::string_view(&VarNames[i - 1], 1), assigned);
  value = assigned;
  ExprPos = end;
  ExprChar = static_cast<unsigned char>(ExprString[end - 1]);
}

bool AskVariableValue(int i)
{
  ErrorFlag = false;
  const ScannerState outer;
  if (Host().AskVariableValue(i))
    return true;
  ErrorCode = ecUserBreak;
  ErrorFlag = true;
  return false;
}

bool EvalVariableText(int i, const std::string& typed)
{
  ErrorFlag = false;
  VarExprs[i] = typed;
  std::string stripped = typed;
  std::erase(stripped, ' ');
  if (stripped.empty()) {
    ErrorPos = 1;
    return false;
  }
  Extended value = 0;
  if (!EvalTypedText(typed, value))
    return false;
  VarValues[i] = value;
  VarExprs[i] = stripped;
  return true;
}

bool EvaluateVariableDefinition(int i)
{
  const ScannerState outer;
  Extended value = 0;
  if (VarExprs[i].empty() || !EvalTypedText(VarExprs[i], value))
    return false;
  VarValues[i] = value;
  return true;
}

}  // namespace engine
