// The parenthesis check of EvalText and the mapping of error positions back onto the typed text.
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"

#include <algorithm>

namespace engine {

void StripAndCheckParentheses()
{
  std::erase(ExprString, ' ');
  const int opening = static_cast<int>(std::count(ExprString.begin(), ExprString.end(), '('));
  const int closing = static_cast<int>(std::count(ExprString.begin(), ExprString.end(), ')'));
  const int length = static_cast<int>(ExprString.size());
  auto record = [](int code, int pos) {
    ErrorFlag = true;
    ErrorCode = code;
    ErrorPos = pos;
    ErrorSpan = 1;
  };
  if (opening > closing) {
    record(ecMissingCloseParen, length);
    return;
  }
  // Fewer "(": the first surplus ")". Equal counts: the first ")" that closes more than was opened.
  const int errorCode = opening < closing ? ecTooManyCloseParens : ecSyntax;
  int open = 0;
  int closed = 0;
  for (int i = 0; i < length; ++i) {
    if (ExprString[i] == '(')
      ++open;
    else if (ExprString[i] == ')' && ++closed > open) {
      if (errorCode == ecTooManyCloseParens && closed != opening + 1)
        continue;
      record(errorCode, i + 1);
      return;
    }
  }
}

namespace {

// The characters [pos, pos + count) of a text (1-based), cut at its end.
std::string_view Slice(std::string_view text, int pos, int count)
{
  const auto start = static_cast<std::size_t>(std::max(pos - 1, 0));
  if (start >= text.size() || count <= 0)
    return {};
  return text.substr(start, static_cast<std::size_t>(count));
}

}  // namespace

void MapEvalErrorPosition(const std::string& typed)
{
  std::string copy = typed;
  auto removeFirstBlank = [&copy] {
    const auto blank = copy.find(' ');
    if (blank == std::string::npos)
      return false;
    copy.erase(blank, 1);
    return true;
  };
  int before = 0;
  while (Slice(copy, 1, ErrorPos) != Slice(ExprString, 1, ErrorPos) && removeFirstBlank())
    ++before;
  int inside = 0;
  while (Slice(copy, ErrorPos, ErrorSpan) != Slice(ExprString, ErrorPos, ErrorSpan) && removeFirstBlank())
    ++inside;
  ErrorPos += before;
  ErrorSpan += inside;
}

}  // namespace engine
