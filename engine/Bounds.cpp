// The two bound arguments of solve(, integral(, min( and max(.
#include "engine/Constructs.h"
#include "engine/CutArgument.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/EvaluateApart.h"
#include "engine/Evaluator.h"

namespace engine {

namespace {

// One bound up to its ","; the scanner ends on the character after the ",".
bool ReadBound(Extended& value)
{
  const int start = ExprPos;
  int end = 0;
  std::string text;
  if (!CutArgument(end, text)) {
    SetEvalErrorAt(ecSyntax, start);
    return false;
  }
  if (ExprChar != ',') {
    SetEvalErrorAt(ecSyntax, end);
    return false;
  }
  value = EvaluateApart(text);
  if (ErrorFlag) {
    PlaceRecordedError(ErrorPos + start - 1, ErrorSpan);
    return false;
  }
  ReadChar();
  return true;
}

}  // namespace

bool ReadBounds(Extended& low, Extended& up)
{
  return ReadBound(low) && ReadBound(up);
}

}  // namespace engine
