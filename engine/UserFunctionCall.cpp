// Calling a user function: each argument is cut out and evaluated apart, then the body is
// evaluated with the argument values standing in for its placeholders.
#include "engine/CharClasses.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/EvaluateApart.h"
#include "engine/Evaluator.h"
#include "engine/UserBreak.h"
#include "engine/UserFunctions.h"

#include <memory>
#include <string_view>

#include <vector>

namespace engine {

namespace {

class CallFrame {
public:
  explicit CallFrame(std::vector<Extended> arguments)
  {
    ArgumentFrames->push_back(std::move(arguments));
    ++CallDepth;
  }
  ~CallFrame()
  {
    ArgumentFrames->pop_back();
    --CallDepth;
  }
  CallFrame(const CallFrame&) = delete;
  CallFrame& operator=(const CallFrame&) = delete;
};

// A name as written equals the upper-cased name that ParseName collected.
bool SameUpperName(std::string_view written, std::string_view upper)
{
  if (written.size() != upper.size())
    return false;
  for (std::size_t i = 0; i < written.size(); ++i)
    if (static_cast<char>(ToUpperAscii(static_cast<unsigned char>(written[i]))) != upper[i])
      return false;
  return true;
}

// CutUserArgument: the text up to the "," or ")" that ends this argument; ExprChar is left on it.
// False at the end of the text or for an empty argument.
bool CutUserArgument(std::string& text)
{
  text.clear();
  int depth = 1;
  for (;;) {
    ReadChar();
    if (ExprChar == EndMarker)
      return false;
    if (ExprChar == '(')
      ++depth;
    else if (ExprChar == ')')
      --depth;
    else if (ExprChar == ',' && depth == 1)
      depth = 0;
    if (depth == 0)
      return !text.empty();
    text += static_cast<char>(ExprChar);
  }
}

void SetMissingArgument(int argStart)
{
  const int span = std::max(ExprPos - argStart - (ExprChar == EndMarker ? 0 : 1), 1);
  SetEvalErrorAt(ecMissingArgument, argStart + 1, span);
}

const TUserFunc* FindUserFunction(std::string_view name)
{
  for (const TUserFunc& entry : UserFunctions->Items)
    if (!entry.Name.empty() && SameUpperName(entry.Name, name))
      return &entry;
  return nullptr;
}

}  // namespace

bool ArgumentValue(unsigned char placeholder, Extended& value)
{
  if (ArgumentFrames->empty() || placeholder < 1 || placeholder > ArgumentFrames->back().size())
    return false;
  value = ArgumentFrames->back()[placeholder - 1];
  return true;
}

bool ExpandUserFunction(std::string_view name, int nameStart, int& code)
{
  const TUserFunc* found = ErrorFlag ? nullptr : FindUserFunction(name);
  if (found == nullptr || !found->PreparedBody())
    return false;
  // Shared: the list may change while the body runs.
  const std::shared_ptr<const TPreparedBody> entry = found->PreparedBody();
  if (CallDepth >= MaxUserFunctionDepth) {
    SetEvalErrorAt(ecStackOverflow, nameStart, ExprPos - nameStart + 1);
    return false;
  }

  std::vector<Extended> arguments;
  for (int k = 1; k <= entry->ParamCount; ++k) {
    const int argStart = ExprPos;
    std::string text;
    if (!CutUserArgument(text) || (ExprChar == ')' && k < entry->ParamCount)) {
      SetMissingArgument(argStart);
      return false;
    }
    const int cutEnd = ExprPos;
    const unsigned char terminator = ExprChar;
    arguments.push_back(EvaluateApart(text));
    ExprPos = cutEnd;
    ExprChar = terminator;
    if (ErrorFlag) {
      SetMissingArgument(argStart);
      return false;
    }
  }
  if (ExprChar == ',') {  // more arguments than parameters
    SetEvalError(ecSyntax);
    return false;
  }
  const int callEnd = ExprPos;
  // A recursive definition may run long: the window stays live and Stop ends it.
  if (PumpAndCheckBreak()) {
    SetEvalErrorAt(ecUserBreak, nameStart, callEnd - nameStart + 1);
    return false;
  }

  Extended value = 0;
  {
    const CallFrame frame(std::move(arguments));
    value = EvaluateApart(entry->WorkBody);
  }
  if (ErrorFlag && ErrorCode == ecUserBreak) {  // a stop ends every level as it is
    SetEvalErrorAt(ecUserBreak, nameStart, callEnd - nameStart + 1);
    return false;
  }
  if (ErrorFlag) {
    UserFuncErrorPos = entry->BodyPosition(ErrorPos);
    if (ErrorCode != ecUserFunctionError)
      UserFuncErrorCode = ErrorCode;
    SetEvalErrorAt(ecUserFunctionError, nameStart, callEnd - nameStart + 1);
    return false;
  }
  UserFunctions->Push(value);
  code = 999;
  ReadChar();
  return true;
}

}  // namespace engine
