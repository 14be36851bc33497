#include "engine/NamedOperand.h"

#include "engine/BuiltinFunctions.h"
#include "engine/CharClasses.h"
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionTable.h"
#include "engine/Host.h"
#include "engine/ListFunctions.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include <algorithm>

namespace engine {

namespace {

constexpr int UserFunctionCode = 999;

// The span of a name from its start, without its terminator.
int NameSpan(int nameStart)
{
  return ExprPos - nameStart + (ExprChar == EndMarker ? 1 : 0);
}

// The name as typed, without its terminator.
std::string_view TypedName(int nameStart)
{
  return std::string_view(*ExprString).substr(static_cast<std::size_t>(nameStart - 1), static_cast<std::size_t>(NameSpan(nameStart)));
}

// "(name=expression)": stores a user variable; returns its code.
int AssignUserVariable(int nameStart)
{
  const std::string name(TypedName(nameStart));
  ReadChar();
  Extended value = 0;
  ParseExpression(value);
  if (ErrorFlag)
    return NoNameCode;
  const int code = Host().SetUserVariable(name, value);
  if (ExprChar != ')') {
    SetEvalErrorAt(ecSyntax, nameStart, static_cast<int>(name.size()));
    return NoNameCode;
  }
  return code;
}

// An error inside a call covers the call from its name on.
void WidenErrorToCall(int nameStart)
{
  if (!ErrorFlag)
    return;
  const int end = ErrorPos > 0 ? ErrorPos + ErrorSpan - 1 : ExprPos;
  PlaceRecordedError(nameStart, std::max(end - nameStart + 1, 1));
}

// Reads an argument after "(" or ",".
Extended ReadArgument()
{
  ReadChar();
  Extended value = 0;
  ParseExpression(value);
  return value;
}

void ReadArguments(int kind, Extended& x, Extended& y, Extended& z)
{
  x = ReadArgument();
  if (ErrorFlag || ExprChar != ',')
    return;
  if (kind < akTwo) {
    SetEvalError(ecSyntax);
    return;
  }
  y = ReadArgument();
  if (ErrorFlag || ExprChar != ',')
    return;
  if (kind == akTwo) {
    SetEvalError(ecSyntax);
    return;
  }
  z = ReadArgument();
}

// After a construct: the scanner is on its closing parenthesis.
void FinishConstruct()
{
  if (ErrorFlag)
    return;
  if (ExprChar != ')' && ExprChar != EndMarker) {
    SetEvalError(ecSyntax);
    return;
  }
  ReadChar();
  CheckAfterOperand();
}

void CallFunction(int code, int kind, int nameStart, Extended& value)
{
  if (IsListFunction(code)) {
    value = EvaluateListFunction(code);
    if (ErrorFlag) {
      WidenErrorToCall(nameStart);
      return;
    }
    ReadChar();
    CheckAfterOperand();
    return;
  }
  if (code == fcIf) {
    value = EvalIfThenElse();
    FinishConstruct();
    return;
  }
  ++ArgListDepth;
  if (code == fcSolve || code == fcIntegral || code == fcMin || code == fcMax) {
    ReadChar();
    if (code == fcSolve) {
      value = SolveEquation();
    } else if (code == fcIntegral) {
      value = IntegrateFunction();
    } else {
      ExtremumIsMax = code == fcMax;
      value = SearchExtremum(true);
    }
    FinishConstruct();
    ArgListDepth = std::max(ArgListDepth - 1, 0);
    return;
  }
  Extended x = 0;
  Extended y = UndefinedValue;
  Extended z = UndefinedValue;
  ReadArguments(kind, x, y, z);
  if (!ErrorFlag && ExprChar != ')' && ExprChar != EndMarker)
    SetEvalError(ecSyntax);
  if (!ErrorFlag && kind == akList && (y == UndefinedValue || z == UndefinedValue))
    SetEvalError(ecCommaExpected);
  if (!ErrorFlag)
    value = CallBuiltinFunction(code, x, y, z);
  if (ErrorFlag) {
    WidenErrorToCall(nameStart);
    return;
  }
  ReadChar();
  ArgListDepth = std::max(ArgListDepth - 1, 0);
  CheckAfterOperand();
}

}  // namespace

TCollectedName CollectName()
{
  TContextState& state = CurrentState();
  TCollectedName name;
  for (;;) {
    if (name.Length < TCollectedName::Capacity)
      name.Text[name.Length++] = static_cast<char>(ToUpperAscii(state.ExprChar));
    if (IsNameTerminator(state.ExprChar))
      return name;
    ReadChar();
  }
}

int ParseName(int& nameStart)
{
  nameStart = ExprPos;
  const TCollectedName collected = CollectName();
  const std::string_view name = collected.View();
  if (name == "FORJTOKSTEPMDO(")
    return LoopKeywordCode;
  if (const TFunctionEntry* entry = FindFunctionEntry(name))
    return entry->Code;
  int code = NoNameCode;
  if (ExpandUserFunction(name, nameStart, code))
    return code;
  if (ErrorFlag)
    return NoNameCode;
  if (ExprChar == '=')
    return AssignUserVariable(nameStart);
  if (const TUserVariable* variable = UserVariables->Find(TypedName(nameStart)))
    return variable->Code;
  SetEvalErrorAt(ecSyntax, nameStart, NameSpan(nameStart));
  return NoNameCode;
}

void ParseNamedOperand(Extended& value, int sign)
{
  TContextState& state = CurrentState();
  int nameStart = 0;
  const int code = ParseName(nameStart);
  if (state.ErrorFlag)
    return;
  if (code == UserFunctionCode) {
    value = sign * state.UserFunctions.Pop();
    return;
  }
  if (code >= TUserVariables::FirstCode) {
    const TUserVariable* variable = state.UserVariables.ByCode(code);
    if (variable == nullptr) {
      SetEvalErrorAt(ecSyntax, nameStart, NameSpan(nameStart));
      return;
    }
    RecordUsedVariable(variable->Name, variable->Value);
    value = sign * variable->Value;
    CheckAfterOperand();
    return;
  }
  if (code >= fcFirstVariable && code <= fcLastVariable) {
    state.CurrentVarIndex = code - fcFirstVariable + 1;
    if (state.ExprChar == '=') {
      AssignVariableInExpression(state.CurrentVarIndex, nameStart, value);
      return;
    }
    ReadVariable(state.CurrentVarIndex, nameStart, value);
    value *= sign;
    return;
  }
  if (code == LoopKeywordCode) {
    value = sign * RunForLoop(nameStart, NameSpan(nameStart));
    FinishConstruct();
    return;
  }
  const int kind = ArgKindOf(code);
  if (kind == akNone) {
    Extended x = 0;
    value = sign * CallBuiltinFunction(code, x, UndefinedValue);
    if (state.ErrorFlag) {
      WidenErrorToCall(nameStart);
      return;
    }
    CheckAfterOperand();
    return;
  }
  CallFunction(code, kind, nameStart, value);
  value *= sign;
}

}  // namespace engine
