// if(A op B)then(E1)else(E2): only the chosen branch is evaluated.
#include "engine/CharClasses.h"
#include "engine/Constructs.h"
#include "engine/CutArgument.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/EvaluateApart.h"
#include "engine/Evaluator.h"

namespace engine {

namespace {

// Cuts the part that starts at ExprPos and ends before one of the stop characters; evaluates it
// apart when wanted. The scanner ends on the part's terminator.
bool ReadPart(bool evaluate, Extended& value)
{
  const int start = ExprPos;
  int end = 0;
  std::string text;
  if (!CutArgument(end, text)) {
    SetEvalErrorAt(ecSyntax, start);
    return false;
  }
  if (evaluate) {
    value = EvaluateApart(text);
    if (ErrorFlag) {
      PlaceRecordedError(ErrorPos + start - 1, ErrorSpan);
      return false;
    }
  }
  return true;
}

// "(" part ")" after a keyword.
bool ReadBranch(bool evaluate, Extended& value)
{
  ReadChar();
  if (!ReadPart(evaluate, value))
    return false;
  if (ExprChar != ')') {
    SetEvalError(ecSyntax);
    return false;
  }
  return true;
}

// The keyword up to the next "(", in any case.
bool ReadKeyword(const char* keyword)
{
  ReadChar();
  const int start = ExprPos;
  int end = 0;
  std::string text;
  CutToParenthesis(end, text);
  ErrorFlag = false;
  for (char& c : text)
    c = static_cast<char>(ToUpperAscii(static_cast<unsigned char>(c)));
  if (text != keyword || ExprChar != '(') {
    SetEvalErrorAt(ecSyntax, start, 4);
    return false;
  }
  return true;
}

bool Compare(const std::string& op, Extended a, Extended b, bool& holds)
{
  if (op == "==") holds = a == b;
  else if (op == ">>") holds = a > b;
  else if (op == ">=") holds = a >= b;
  else if (op == "<<") holds = a < b;
  else if (op == "<=") holds = a <= b;
  else if (op == "<>") holds = a != b;
  else return false;
  return true;
}

}  // namespace

Extended EvalIfThenElse()
{
  ReadChar();
  Extended a = 0;
  if (!ReadPart(true, a))
    return 0;
  if (ExprChar == ')')
    ReadChar();
  const int opPos = ExprPos;
  const std::string op = ExprString->substr(static_cast<std::size_t>(opPos - 1), 2);
  bool holds = false;
  Extended b = 0;
  if (!Compare(op, 0, 0, holds)) {
    SetEvalErrorAt(ecSyntax, opPos, 2);
    return 0;
  }
  ReadChar();
  ReadChar();
  if (!ReadPart(true, b))
    return 0;
  if (ExprChar != ')') {
    SetEvalError(ecSyntax);
    return 0;
  }
  Compare(op, a, b, holds);
  Extended value = 0;
  if (!ReadKeyword("THEN") || !ReadBranch(holds, value))
    return 0;
  if (!ReadKeyword("ELSE") || !ReadBranch(!holds, value))
    return 0;
  return value;
}

}  // namespace engine
