#include "engine/ComplexEvaluator.h"

#include "engine/CharClasses.h"
#include "engine/ComplexFunctionTable.h"
#include "engine/ComplexMath.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/NestingLevel.h"
#include "engine/RandomSource.h"

#include <algorithm>
#include <random>

namespace engine {

namespace {

constexpr int ccComp = 17;
constexpr int ccLnGamma = 26;
constexpr std::size_t MaxNameLength = 21;

void ParseComplexExpression(TComplex& value);
void ParseComplexFactor(TComplex& value, int sign);

unsigned char NextComplexChar()
{
  if (ComplexExprPos >= static_cast<int>(ComplexExprString->size()))
    return EndMarker;
  ++ComplexExprPos;
  return static_cast<unsigned char>(ComplexExprString[ComplexExprPos - 1]);
}

void ReadComplexChar()
{
  ComplexExprChar = NextComplexChar();
}

void SetComplexErrorAt(int code, int pos, int span = 1)
{
  ComplexErrorFlag = true;
  ComplexErrorPos = pos;
  ComplexErrorSpan = span;
  ComplexExprPos = static_cast<int>(ComplexExprString->size());
  ComplexExprChar = EndMarker;
  ErrorCode = code;
  ArgListDepth = 0;
}

void SetComplexError(int code)
{
  SetComplexErrorAt(code, ComplexExprPos);
}

bool CharAt(int pos, unsigned char& c)
{
  if (pos < 1 || pos > static_cast<int>(ComplexExprString->size()))
    return false;
  c = static_cast<unsigned char>(ComplexExprString[pos - 1]);
  return true;
}

bool IsComplexAddOp(unsigned char c) { return c == '+' || c == '-'; }
bool IsComplexMulOp(unsigned char c) { return c == '*' || c == '/'; }

void CheckAfterComplexOperand()
{
  const unsigned char c = ComplexExprChar;
  if (IsComplexAddOp(c) || IsComplexMulOp(c) || c == ')' || c == ',' || c == '^' || c == EndMarker ||
      IsPostfixSign(c))
    return;
  SetComplexError(ecSyntax);
}

// The span of a name from its start, without its terminator; at least the character at the start.
int NameSpan(int nameStart)
{
  return std::max(ComplexExprPos - nameStart + (ComplexExprChar == EndMarker ? 1 : 0), 1);
}

bool IsComplexNameTerminator(unsigned char c)
{
  return IsComplexAddOp(c) || IsComplexMulOp(c) || c == '(' || c == ')' || c == ',' || c == '=' || c == '^' ||
         c == EndMarker || IsPostfixSign(c);
}

// The code of the name at ComplexExprChar (case-sensitive); records error 0 over an unknown name.
const TFunctionEntry* ParseComplexName(int nameStart)
{
  std::string name;
  for (;;) {
    if (name.size() < MaxNameLength)
      name += static_cast<char>(ComplexExprChar);
    if (IsComplexNameTerminator(ComplexExprChar))
      break;
    ReadComplexChar();
  }
  const std::string_view withoutTerminator = std::string_view(name).substr(0, name.size() - 1);
  const TFunctionEntry* found = nullptr;
  for (const TFunctionEntry& entry : ComplexFunctionTable())
    if ((entry.ArgKind == akNone ? withoutTerminator : std::string_view(name)) == entry.Name)
      found = &entry;
  // Placeholders of real-mode names, the variables and assignments have no complex value.
  const bool usable = found != nullptr && found->Name != "___(" && found->Name != "____(" &&
                      !(found->Code >= 67 && found->Code <= 86) && ComplexExprChar != '=';
  if (!usable) {
    SetComplexErrorAt(ecSyntax, nameStart, NameSpan(nameStart));
    return nullptr;
  }
  return found;
}

// CutComplexArgument: the text up to the "," or ")" that ends a comp( part.
bool CutComplexArgument(std::string& text)
{
  text.clear();
  int depth = 1;
  for (;;) {
    ReadComplexChar();
    if (ComplexExprChar == EndMarker)
      return false;
    if (ComplexExprChar == '(')
      ++depth;
    else if (ComplexExprChar == ')')
      --depth;
    else if (ComplexExprChar == ',' && depth == 1)
      depth = 0;
    if (depth == 0)
      return !text.empty();
    text += static_cast<char>(ComplexExprChar);
  }
}

// One part of comp(: a real expression.
bool ReadComplexPart(Extended& part, unsigned char terminator)
{
  const int start = ComplexExprPos;
  std::string text;
  if (!CutComplexArgument(text) || ComplexExprChar != terminator) {
    SetComplexErrorAt(ecSyntax, start + 1, std::max(ComplexExprPos - start, 1));
    return false;
  }
  const int end = ComplexExprPos;
  bool failed = false;
  int pos = 0;
  int span = 1;
  part = EvalSubExpression(text, failed, pos, span);
  if (failed) {
    const int code = ErrorCode;
    SetComplexErrorAt(code, pos + start, span);
    return false;
  }
  ComplexExprPos = end;
  ComplexExprChar = terminator;
  return true;
}

// comp(Real, Image) with ComplexExprChar on the "(".
void ParseComplexNumber(TComplex& value)
{
  value = ComplexZero;
  Extended re = 0;
  Extended im = 0;
  if (!ReadComplexPart(re, ',') || !ReadComplexPart(im, ')'))
    return;
  value = MakeComplex(ComplexForm, re, im);
  ReadComplexChar();
}

TComplex RandomComplex()
{
  std::mt19937_64& generator = RandomGenerator();
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  const Extended re = uniform(generator);
  const Extended im = uniform(generator);
  return {cfRectangular, re, im};
}

TComplex ComputeComplexFunction(const TComplex& z, int code)
{
  switch (code) {
  case 1: return ComplexSin(z);
  case 2: return ComplexArcSin(z);
  case 3: return ComplexArcCos(z);
  case 4: return ComplexArcTan(z);
  case 5: return ComplexArcSinh(z);
  case 6: return ComplexArcCosh(z);
  case 7: return ComplexArcTanh(z);
  case 8: return ComplexSinh(z);
  case 9: return ComplexCosh(z);
  case 10: return ComplexTanh(z);
  case 11: return RandomComplex();
  case 12: return ComplexCos(z);
  case 13: return ComplexTan(z);
  case 14: return ComplexExp(z);
  case 15: return ComplexSqrt(z);
  case 16: return ComplexLn(z);
  case ccLnGamma: return ComplexLnGamma(z);
  case 28: case 29: return {cfRectangular, Pi, 0};
  case 30: return {cfRectangular, 2.7182818284590452354L, 0};
  case 33: return MakeComplex(ComplexForm, ComplexAbs(z), 0);
  case 40: return ComplexIntPower(z, 2);
  default: return z;
  }
}

void CallComplexFunction(const TComplex& argument, int code, int nameStart, TComplex& value)
{
  ErrorCode = 0;
  value = ComputeComplexFunction(argument, code);
  if (ErrorCode == 0)
    return;
  ComplexResult = ComplexZero;
  value = ComplexZero;
  SetComplexError(ErrorCode);
  ComplexErrorSpan = std::max(ComplexErrorPos - nameStart + 1, 1);
  ComplexErrorPos = nameStart;
}

void ParseNamedComplexOperand(TComplex& value)
{
  const int nameStart = ComplexExprPos;
  const TFunctionEntry* entry = ParseComplexName(nameStart);
  if (entry == nullptr)
    return;
  if (entry->Code == ccComp) {
    ParseComplexNumber(value);
    return;
  }
  if (entry->ArgKind == akNone) {
    CallComplexFunction(ComplexZero, entry->Code, nameStart, value);
    return;
  }
  ReadComplexChar();
  TComplex argument = ComplexZero;
  ParseComplexExpression(argument);
  if (ComplexErrorFlag)
    return;
  if (ComplexExprChar != ')' && ComplexExprChar != EndMarker) {
    SetComplexError(ecSyntax);
    return;
  }
  CallComplexFunction(argument, entry->Code, nameStart, value);
  if (!ComplexErrorFlag)
    ReadComplexChar();
}

// "^", "²", root and "³", each at most once in this order.
void ParseComplexPostfixSigns(TComplex& value)
{
  if (ComplexExprChar == '^') {
    const int opPos = ComplexExprPos;
    ReadComplexChar();
    const unsigned char c = ComplexExprChar;
    if (c == '%' || c == '&' || c == '\\' || c == '^' || c == '|' || IsPostfixSign(c) || IsComplexMulOp(c)) {
      SetComplexError(ecSyntax);
      return;
    }
    TComplex exponent = ComplexZero;
    ParseComplexFactor(exponent, 1);
    if (ComplexErrorFlag)
      return;
    ErrorCode = 0;
    value = ComplexPower(value, exponent);
    if (ErrorCode != 0) {
      SetComplexErrorAt(ErrorCode, opPos);
      return;
    }
  }
  const auto apply = [&value](unsigned char sign, auto operation) {
    if (ComplexErrorFlag || ComplexExprChar != sign)
      return;
    ErrorCode = 0;
    value = operation(value);
    if (ErrorCode != 0) {
      SetComplexError(ErrorCode);
      return;
    }
    ReadComplexChar();
  };
  apply(chSquare, [](const TComplex& z) { return ComplexMul(z, z); });
  apply(chRoot, [](const TComplex& z) { return ComplexSqrt(z); });
  apply(chCube, [](const TComplex& z) { return ComplexIntPower(z, 3); });
}

void ParseComplexFactor(TComplex& value, int sign)
{
  const NestingLevel level(ComplexNestingDepth);
  if (level.TooDeep()) {
    SetComplexError(ecStackOverflow);
    return;
  }
  const unsigned char first = ComplexExprChar;
  if (!(first == '(' || first == '?' || IsLetter(first) || first == chPilcrow || IsComplexAddOp(first) ||
        first == '$' || first == '.' || IsDigit(first))) {
    SetComplexError(ecSyntax);
    value = ComplexZero;
    return;
  }
  if (IsComplexAddOp(ComplexExprChar)) {
    if (ComplexExprChar == '-')
      sign = -sign;
    ReadComplexChar();
    if (IsComplexAddOp(ComplexExprChar)) {
      SetComplexError(ecSyntax);
      return;
    }
  }
  const unsigned char c = ComplexExprChar;
  if (c == '?') {
    ReadComplexChar();
    value = ComplexResult;
    CheckAfterComplexOperand();
  } else if (c == '$' || c == '.' || c == '#' || IsDigit(c)) {
    // Numbers are written inside comp( ).
    SetComplexError(ecSyntax);
    return;
  } else if (c == '(') {
    ReadComplexChar();
    ComplexExprStart = ComplexExprPos;
    value = ComplexZero;
    ParseComplexExpression(value);
    if (ComplexErrorFlag)
      return;
    if (ComplexExprChar == ')' || ComplexExprChar == EndMarker || (ComplexExprChar == ',' && ArgListDepth > 0)) {
      ReadComplexChar();
      if (sign < 0)
        value = ComplexNeg(value);
      if (ComplexExprChar == EndMarker)
        return;
      sign = 1;
    } else {
      SetComplexErrorAt(ecMissingCloseParen, ComplexExprPos + 1);
      return;
    }
  } else {
    ParseNamedComplexOperand(value);
  }
  if (ComplexErrorFlag)
    return;
  if (sign < 0)
    value = ComplexNeg(value);
  ParseComplexPostfixSigns(value);
}

void ParseComplexTerm(TComplex& value)
{
  unsigned char first = 0;
  if (ComplexExprPos == ComplexExprStart && CharAt(ComplexExprStart, first) &&
      (first == '%' || first == '&' || first == '\\' || first == '^' || first == '|' || first == chSquare ||
       first == chCube)) {
    SetComplexError(ecSyntax);
    return;
  }
  int sign = 1;
  if (IsComplexAddOp(ComplexExprChar)) {
    sign = ComplexExprChar == '-' ? -1 : 1;
    ReadComplexChar();
    if (IsComplexAddOp(ComplexExprChar)) {
      SetComplexError(ecSyntax);
      return;
    }
  }
  value = ComplexZero;
  ParseComplexFactor(value, sign);
  if (ComplexErrorFlag)
    return;
  const unsigned char c = ComplexExprChar;
  if (c != ')' && c != EndMarker && !IsComplexMulOp(c) && !IsComplexAddOp(c)) {
    if (ArgListDepth > 0)
      return;
    SetComplexError(ecSyntax);
    return;
  }
  while (IsComplexMulOp(ComplexExprChar)) {
    const unsigned char op = ComplexExprChar;
    const int opPos = ComplexExprPos;
    ReadComplexChar();
    if (IsComplexAddOp(ComplexExprChar) || ComplexExprChar == '^') {
      SetComplexError(ecSyntax);
      return;
    }
    TComplex second = ComplexZero;
    ParseComplexFactor(second, 1);
    if (ComplexErrorFlag)
      return;
    if (op == '/' && ComplexEquals(second, ComplexZero)) {
      int pos = 0;
      int span = 0;
      DivisorSpan(ComplexExprString, ComplexExprChar == EndMarker ? ComplexExprPos : ComplexExprPos - 1, pos, span);
      SetComplexErrorAt(ecDivisionByZero, pos, span);
      return;
    }
    ErrorCode = 0;
    value = op == '*' ? ComplexMul(value, second) : ComplexDiv(value, second);
    if (ErrorCode != 0) {
      SetComplexErrorAt(ErrorCode, opPos);
      return;
    }
  }
}

void ParseComplexExpression(TComplex& value)
{
  ParseComplexTerm(value);
  if (ComplexErrorFlag)
    return;
  while (IsComplexAddOp(ComplexExprChar)) {
    const unsigned char op = ComplexExprChar;
    const int opPos = ComplexExprPos;
    ReadComplexChar();
    if (IsComplexAddOp(ComplexExprChar) || IsComplexMulOp(ComplexExprChar) || ComplexExprChar == '^') {
      SetComplexError(ecSyntax);
      return;
    }
    TComplex second = ComplexZero;
    ParseComplexTerm(second);
    if (ComplexErrorFlag)
      return;
    ErrorCode = 0;
    value = op == '+' ? ComplexAdd(value, second) : ComplexSub(value, second);
    if (ErrorCode != 0) {
      SetComplexErrorAt(ErrorCode, opPos);
      return;
    }
  }
}

void ResetComplexScanner()
{
  ComplexExprStart = 1;
  ComplexExprPos = 0;
  ComplexErrorFlag = false;
  ComplexErrorPos = 0;
}

void StripAndCheckComplexParentheses()
{
  // The real check on the text, its outcome moved into the complex state.
  const std::string savedExpr = ExprString;
  const bool savedFlag = ErrorFlag;
  const int savedPos = ErrorPos;
  const int savedSpan = ErrorSpan;
  ExprString = ComplexExprString;
  ErrorFlag = false;
  StripAndCheckParentheses();
  ComplexExprString = ExprString;
  if (ErrorFlag) {
    ComplexErrorFlag = true;
    ComplexErrorPos = ErrorPos;
    ComplexErrorSpan = ErrorSpan;
  }
  ExprString = savedExpr;
  ErrorFlag = savedFlag;
  ErrorPos = savedPos;
  ErrorSpan = savedSpan;
}

void WriteOutputs(const std::string& typed, bool& failed, int& pos, int& span)
{
  failed = ComplexErrorFlag;
  pos = ComplexErrorPos;
  span = ComplexErrorSpan;
  if (failed)
    ClampErrorPlace(static_cast<int>(typed.size()), pos, span);
}

}  // namespace

void EvaluateComplex(std::string& text, bool& failed, int& pos, TComplex& value, int& span)
{
  ComplexExprString = text;
  value = ComplexZero;
  if (text.empty())
    return;
  ResetComplexScanner();
  ReadComplexChar();
  ParseComplexExpression(value);
  WriteOutputs(text, failed, pos, span);
  text = ComplexExprString;
}

TComplex EvaluateComplexChecked(std::string& text, bool& failed, int& pos, int& span)
{
  ComplexExprString = text;
  TComplex value = ComplexZero;
  if (text.empty())
    return value;
  ResetComplexScanner();
  StripAndCheckComplexParentheses();
  if (!ComplexErrorFlag) {
    ReadComplexChar();
    ParseComplexExpression(value);
  }
  WriteOutputs(text, failed, pos, span);
  text = ComplexExprString;
  return ConvertComplexForm(value, ComplexForm);
}

}  // namespace engine
