// Calling a user function: each argument is cut out and evaluated apart, then the body is
// evaluated with the argument values standing in for its placeholders.
#include "engine/CharClasses.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/EvaluateApart.h"
#include "engine/Evaluator.h"
#include "engine/UserFunctions.h"

#include <vector>

namespace engine {

namespace {

// The argument values of the calls whose bodies are being evaluated, innermost last.
std::vector<std::vector<Extended>> ArgumentFrames;
int CallDepth = 0;

class CallFrame {
public:
  explicit CallFrame(std::vector<Extended> arguments)
  {
    ArgumentFrames.push_back(std::move(arguments));
    ++CallDepth;
  }
  ~CallFrame()
  {
    ArgumentFrames.pop_back();
    --CallDepth;
  }
  CallFrame(const CallFrame&) = delete;
  CallFrame& operator=(const CallFrame&) = delete;
};

std::string Upper(std::string text)
{
  for (char& c : text)
    c = static_cast<char>(ToUpperAscii(static_cast<unsigned char>(c)));
  return text;
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

const TUserFunc* FindUserFunction(const std::string& name)
{
  for (const TUserFunc& entry : UserFunctions.Items)
    if (!entry.Name.empty() && Upper(entry.Name) == name)
      return &entry;
  return nullptr;
}

}  // namespace

bool ArgumentValue(unsigned char placeholder, Extended& value)
{
  if (ArgumentFrames.empty() || placeholder < 1 || placeholder > ArgumentFrames.back().size())
    return false;
  value = ArgumentFrames.back()[placeholder - 1];
  return true;
}

bool ExpandUserFunction(const std::string& name, int nameStart, int& code)
{
  const TUserFunc* found = ErrorFlag ? nullptr : FindUserFunction(name);
  if (found == nullptr)
    return false;
  TUserFunc entry = *found;  // the list may change while the body runs
  entry.Prepare();
  if (CallDepth >= MaxUserFunctionDepth) {
    SetEvalErrorAt(ecStackOverflow, nameStart, ExprPos - nameStart + 1);
    return false;
  }

  std::vector<Extended> arguments;
  for (int k = 1; k <= entry.ParamCount; ++k) {
    const int argStart = ExprPos;
    std::string text;
    if (!CutUserArgument(text) || (ExprChar == ')' && k < entry.ParamCount)) {
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

  Extended value = 0;
  {
    const CallFrame frame(std::move(arguments));
    value = EvaluateApart(entry.WorkBody);
  }
  if (ErrorFlag) {
    UserFuncErrorPos = entry.BodyPosition(ErrorPos);
    if (ErrorCode != ecUserFunctionError)
      UserFuncErrorCode = ErrorCode;
    SetEvalErrorAt(ecUserFunctionError, nameStart, callEnd - nameStart + 1);
    return false;
  }
  UserFunctions.Push(value);
  code = 999;
  ReadChar();
  return true;
}

}  // namespace engine
