#include "engine/Evaluator.h"

#include "engine/EngineState.h"

namespace engine {

unsigned char NextChar(const std::string& text)
{
  if (ExprPos >= static_cast<int>(text.size()))
    return EndMarker;
  ++ExprPos;
  return static_cast<unsigned char>(text[ExprPos - 1]);
}

void ReadChar()
{
  TContextState& state = CurrentState();
  if (state.ExprPos >= static_cast<int>(state.ExprString.size())) {
    state.ExprChar = EndMarker;
    return;
  }
  ++state.ExprPos;
  state.ExprChar = static_cast<unsigned char>(state.ExprString[static_cast<std::size_t>(state.ExprPos - 1)]);
}

namespace {

void DriveToEnd()
{
  ExprPos = static_cast<int>(ExprString->size());
  ExprChar = EndMarker;
  ArgListDepth = 0;
}

}  // namespace

void SetEvalError(int code)
{
  SetEvalErrorAt(code, ExprPos);
}

void SetEvalErrorAt(int code, int pos, int span)
{
  ErrorFlag = true;
  ErrorCode = code;
  ErrorPos = pos;
  ErrorSpan = span;
  DriveToEnd();
}

void PlaceRecordedError(int pos, int span)
{
  ErrorPos = pos;
  ErrorSpan = span;
  DriveToEnd();
}

void ResetValueOnError(Extended& value)
{
  LastResult = 0;
  value = 0;
  ErrorFlag = true;
}

}  // namespace engine
