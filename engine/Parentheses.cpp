// The parenthesis check of EvalText and the mapping of error positions back onto the typed text.
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace engine {

void StripAndCheckParentheses()
{
  std::erase(*ExprString, ' ');
  const int opening = static_cast<int>(std::count(ExprString->begin(), ExprString->end(), '('));
  const int closing = static_cast<int>(std::count(ExprString->begin(), ExprString->end(), ')'));
  const int length = static_cast<int>(ExprString->size());
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

namespace {

// The mapping by its definition: blanks deleted from a copy of the typed text one at a time until the
// error's prefix, and then its span, read as in ExprString.
void MapByDeletingBlanks(const std::string& typed)
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
  while (Slice(copy, 1, ErrorPos) != Slice(*ExprString, 1, ErrorPos) && removeFirstBlank())
    ++before;
  int inside = 0;
  while (Slice(copy, ErrorPos, ErrorSpan) != Slice(*ExprString, ErrorPos, ErrorSpan) && removeFirstBlank())
    ++inside;
  ErrorPos += before;
  ErrorSpan += inside;
}

// Whether ExprString is the typed text without its blanks.
bool IsTypedWithoutBlanks(std::string_view typed)
{
  std::size_t j = 0;
  for (const char c : typed) {
    if (c == ' ')
      continue;
    if (j >= ExprString->size() || ExprString[j] != c)
      return false;
    ++j;
  }
  return j == ExprString->size();
}

// The blanks that deleting blanks in order removes before the first `length` characters of what is left
// hold none: the blanks with fewer than `length` other characters before them.
int BlanksBefore(std::string_view typed, int length)
{
  int blanks = 0;
  int others = 0;
  for (const char c : typed) {
    if (c != ' ' && ++others >= length)
      break;
    if (c == ' ')
      ++blanks;
  }
  return blanks;
}

}  // namespace

void MapEvalErrorPosition(const std::string& typed)
{
  // When ExprString is the typed text without its blanks (the normal case), the deleted blanks are
  // counted in one pass; otherwise by definition.
  if (ErrorPos < 1 || !IsTypedWithoutBlanks(typed)) {
    MapByDeletingBlanks(typed);
    return;
  }
  const int before = BlanksBefore(typed, ErrorPos);
  const int inside = ErrorSpan > 0 ? BlanksBefore(typed, ErrorPos + ErrorSpan - 1) - before : 0;
  ErrorPos += before;
  ErrorSpan += std::max(inside, 0);
}

void ClampErrorPlace(int length, int& pos, int& span)
{
  const int last = std::max(length, 1);
  pos = std::clamp(pos, 1, last);
  span = std::clamp(span, 1, last - pos + 1);
}

}  // namespace engine
