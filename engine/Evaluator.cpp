#include "engine/Evaluator.h"

#include "engine/CharClasses.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/NamedOperand.h"
#include "engine/NestingLevel.h"
#include "engine/UserBreak.h"
#include "engine/UserFunctions.h"

#include <cmath>
#include <cstdint>

namespace engine {

namespace {

void ResetScanner()
{
  ExprStart = 1;
  ExprPos = 0;
  ErrorFlag = false;
  ErrorPos = 0;
}

bool CharAt(int pos, unsigned char& c)
{
  if (pos < 1 || pos > static_cast<int>(ExprString->size()))
    return false;
  c = static_cast<unsigned char>(ExprString[pos - 1]);
  return true;
}

// A result of + - * / % or a postfix sign that left the Extended range.
bool CheckArithmeticResult(Extended value, int operatorPos)
{
  if (std::isnan(value)) {
    SetEvalErrorAt(ecArgumentError, operatorPos);
    return false;
  }
  if (std::isinf(value)) {
    SetEvalErrorAt(ecOverflow, operatorPos);
    return false;
  }
  return true;
}

// Truncates toward zero to a signed 64-bit integer; false beyond its range.
bool TruncToInt64(Extended value, std::int64_t& result)
{
  const Extended truncated = std::trunc(value);
  if (!(truncated >= -9223372036854775808.0L && truncated < 9223372036854775808.0L))
    return false;
  result = static_cast<std::int64_t>(truncated);
  return true;
}

// The bit operators: & on the low 32 bits, | and \ on 64 bits.
bool CombineBits(unsigned char op, Extended& value, Extended second)
{
  std::int64_t a = 0;
  std::int64_t b = 0;
  if (!TruncToInt64(value, a) || !TruncToInt64(second, b))
    return false;
  switch (op) {
  case '&':
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(a) & static_cast<std::uint32_t>(b));
    break;
  case '|':
    value = static_cast<Extended>(a | b);
    break;
  default:
    value = static_cast<Extended>(a ^ b);
    break;
  }
  return true;
}

// Error 13 spans the divisor's text: back from its last character to the one after "/".
void SetDivisionByZero()
{
  int pos = 0;
  int span = 0;
  DivisorSpan(ExprString, ExprChar == EndMarker ? ExprPos : ExprPos - 1, pos, span);
  SetEvalErrorAt(ecDivisionByZero, pos, span);
}

bool IsPlaceholder(unsigned char c)
{
  Extended unused = 0;
  return c >= 1 && c <= MaxParameters && ArgumentValue(c, unused);
}

bool CanStartFactor(unsigned char c)
{
  return c == '(' || c == '?' || IsLetter(c) || c == chPilcrow || IsAddOp(c) || NumberChars->Contains(c) ||
         IsPlaceholder(c);
}

// "(" expression ")": false when the factor is complete (the text ended after it).
bool ParseParenthesised(Extended& value, int sign)
{
  TContextState& state = CurrentState();
  ReadChar();
  state.ExprStart = state.ExprPos;
  ParseExpression(value);
  if (state.ErrorFlag)
    return false;
  if (state.ExprChar == ')' || state.ExprChar == EndMarker || (state.ExprChar == ',' && state.ArgListDepth > 0)) {
    ReadChar();
    value *= sign;
    return state.ExprChar != EndMarker;
  }
  SetEvalErrorAt(ecMissingCloseParen, state.ExprPos + 1);
  return false;
}

// The postfix signs, each at most once, in this order: ^, ², root, ³.
void ParsePostfixSigns(Extended& value)
{
  if (ExprChar == '^') {
    const int opPos = ExprPos;
    ReadChar();
    const unsigned char c = ExprChar;
    if (c == '%' || c == '&' || c == '\\' || c == '^' || c == '|' || IsPostfixSign(c) || IsMulOp(c)) {
      SetEvalError(ecSyntax);
      return;
    }
    Extended exponent = 0;
    ParseFactor(exponent);
    if (ErrorFlag)
      return;
    value = EvalPower(value, exponent);
    if (ErrorFlag) {
      if (ErrorPos == 0)
        PlaceRecordedError(opPos);
      return;
    }
  }
  if (ExprChar == chSquare) {
    value *= value;
    if (!CheckArithmeticResult(value, ExprPos))
      return;
    ReadChar();
  }
  if (ExprChar == chRoot) {
    if (value < 0) {
      ResetValueOnError(value);
      SetEvalError(ecArgumentNegative);
      return;
    }
    value = std::sqrt(value);
    ReadChar();
  }
  if (ExprChar == chCube) {
    value = value * value * value;
    if (!CheckArithmeticResult(value, ExprPos))
      return;
    ReadChar();
  }
}

}  // namespace

int TopLevelEvaluation()
{
  return TopLevelCount;
}

Extended EvalExpression(const std::string& text)
{
  if (text.empty())
    return 0;
  if (NestingDepth == 0) {
    ++TopLevelCount;
    ResetPumpClock();
  }
  ResetScanner();
  ExprChar = NextChar(text);
  Extended value = 0;
  ParseExpression(value);
  if (ErrorFlag && NestingDepth == 0)
    ClampErrorPlace(static_cast<int>(text.size()), ErrorPos, ErrorSpan);
  return value;
}

bool EvalTypedText(const std::string& text, Extended& value)
{
  ExprString = text;
  value = 0;
  if (text.empty())
    return true;
  ResetScanner();
  StripAndCheckParentheses();
  if (!ErrorFlag)
    value = EvalExpression(ExprString);
  if (ErrorFlag) {
    MapEvalErrorPosition(text);
    ClampErrorPlace(static_cast<int>(text.size()), ErrorPos, ErrorSpan);
  }
  return !ErrorFlag;
}

Extended EvalText(const std::string& text)
{
  Extended value = 0;
  if (EvalTypedText(text, value) && !text.empty())
    LastResult = value;
  return value;
}

Extended EvalSubExpression(const std::string& text, bool& failed, int& pos, int& span)
{
  ExprString = text;
  if (text.empty())
    return 0;
  const Extended value = EvalExpression(ExprString);
  failed = ErrorFlag;
  pos = ErrorPos;
  span = ErrorSpan;
  return value;
}

void ParseExpression(Extended& value)
{
  TContextState& state = CurrentState();
  ParseTerm(value);
  if (state.ErrorFlag)
    return;
  while (IsAddOp(state.ExprChar)) {
    const unsigned char op = state.ExprChar;
    const int opPos = state.ExprPos;
    ReadChar();
    if (IsAddOp(state.ExprChar) || IsMulOp(state.ExprChar) || state.ExprChar == '^') {
      SetEvalError(ecSyntax);
      return;
    }
    Extended second = 0;
    ParseTerm(second);
    if (state.ErrorFlag)
      return;
    if (op == '+' || op == '-') {
      value = op == '+' ? value + second : value - second;
      if (!CheckArithmeticResult(value, opPos))
        return;
    } else if (!CombineBits(op, value, second)) {
      SetEvalErrorAt(ecOverflow, opPos);
      return;
    }
  }
}

void ParseTerm(Extended& value)
{
  TContextState& state = CurrentState();
  unsigned char first = 0;
  if (state.ExprPos == state.ExprStart && CharAt(state.ExprStart, first) &&
      (first == '%' || first == '&' || first == '\\' || first == '^' || first == '|' || first == chSquare ||
       first == chCube)) {
    SetEvalError(ecSyntax);
    return;
  }
  value = 0;
  if (state.ExprChar == '+' || state.ExprChar == '-') {
    const int sign = state.ExprChar == '-' ? -1 : 1;
    ReadChar();
    if (IsAddOp(state.ExprChar)) {
      SetEvalError(ecSyntax);
      return;
    }
    ParseFactor(value);
    value *= sign;
  } else {
    ParseFactor(value);
  }
  if (state.ErrorFlag)
    return;
  if (state.ExprChar != ')' && state.ExprChar != EndMarker && !IsMulOp(state.ExprChar) && !IsAddOp(state.ExprChar)) {
    if (state.ArgListDepth > 0)
      return;
    SetEvalError(ecSyntax);
    return;
  }
  while (IsMulOp(state.ExprChar)) {
    const unsigned char op = state.ExprChar;
    const int opPos = state.ExprPos;
    ReadChar();
    if (IsAddOp(state.ExprChar) || state.ExprChar == '^') {
      SetEvalError(ecSyntax);
      return;
    }
    Extended second = 0;
    ParseFactor(second);
    if (state.ErrorFlag)
      return;
    if (op == '/') {
      if (second == 0) {
        SetDivisionByZero();
        return;
      }
      value /= second;
    } else if (op == '*') {
      value *= second;
    } else {
      value = value * second / 100;
    }
    if (!CheckArithmeticResult(value, opPos))
      return;
  }
}

void ParseFactor(Extended& value)
{
  TContextState& state = CurrentState();
  const NestingLevel level(state.NestingDepth);
  if (level.TooDeep()) {
    SetEvalError(ecStackOverflow);
    return;
  }
  if (!CanStartFactor(state.ExprChar)) {
    SetEvalError(ecSyntax);
    value = 0;
    return;
  }
  int sign = 1;
  if (state.ExprChar == '+' || state.ExprChar == '-') {
    sign = state.ExprChar == '-' ? -1 : 1;
    ReadChar();
    // The sign must be followed by an operand: "2^-*3" and "2^-" are malformed, not 2^0.
    if (IsAddOp(state.ExprChar) || !CanStartFactor(state.ExprChar)) {
      SetEvalError(ecSyntax);
      return;
    }
  }
  const unsigned char c = state.ExprChar;
  if (c == '?') {
    ReadChar();
    value = sign * state.LastResult;
    CheckAfterOperand();
  } else if (c == '#' || c == '$' || c == '.' || IsDigit(c)) {
    ParseNumber(value);
    if (state.ErrorFlag)
      return;
    value *= sign;
    CheckAfterOperand();
  } else if (c == '(') {
    if (!ParseParenthesised(value, sign))
      return;
  } else if (IsLetter(c) || c == chPilcrow) {
    ParseNamedOperand(value, sign);
  } else if (IsPlaceholder(c)) {
    ArgumentValue(c, value);
    value *= sign;
    ReadChar();
    CheckAfterOperand();
  }
  if (state.ErrorFlag)
    return;
  ParsePostfixSigns(value);
}

void CheckAfterOperand()
{
  const unsigned char c = ExprChar;
  if (IsAddOp(c) || IsMulOp(c) || c == ')' || c == ',' || c == '^' || c == EndMarker || IsPostfixSign(c))
    return;
  SetEvalError(ecSyntax);
}

}  // namespace engine
