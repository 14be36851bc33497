// Number literals: decimal, $hexadecimal and #binary integer parts, h:m[:s] sexagesimal numbers,
// fractions and exponents in the radix of the number base.
#include "engine/CharClasses.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace engine {

namespace {

constexpr unsigned char ExponentLetter = 'E';
constexpr int BaseValues[] = {10, 16, 2};
// Beyond this an exponent overflows or underflows in every radix.
constexpr long ExponentLimit = 100000;

int DigitValue(unsigned char c)
{
  if (IsDigit(c))
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

int RadixOfNumberBase()
{
  return BaseValues[(NumberBase >= 0 && NumberBase <= 2) ? NumberBase : 0];
}

// Powers of ten that Extended holds exactly (5^27 < 2^64).
constexpr int MaxExactPowerOfTen = 27;
constexpr auto ExactPowersOfTen = [] {
  std::array<Extended, MaxExactPowerOfTen + 1> powers{};
  Extended p = 1;
  for (Extended& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

// A decimal literal of up to 19 significant digits whose scale is an exact power of ten: one
// correctly rounded multiplication or division of two exact values, the same value strtold gives.
bool ExactDecimalValue(const std::string& whole, const std::string& fraction, long exponent, Extended& value)
{
  std::uint64_t mantissa = 0;
  int significant = 0;
  for (const std::string* digits : {&whole, &fraction})
    for (const char c : *digits) {
      if (significant == 0 && c == '0')
        continue;
      if (++significant > 19)
        return false;
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
  if (mantissa == 0) {
    value = 0;
    return true;
  }
  const long scale = exponent - static_cast<long>(fraction.size());
  if (scale < -MaxExactPowerOfTen || scale > MaxExactPowerOfTen)
    return false;
  const auto m = static_cast<Extended>(mantissa);
  value = scale >= 0 ? m * ExactPowersOfTen[static_cast<std::size_t>(scale)]
                     : m / ExactPowersOfTen[static_cast<std::size_t>(-scale)];
  return true;
}

// The value of whole-number digits; decimal digits are converted with correct rounding.
Extended WholeValue(const std::string& digits, int radix)
{
  Extended exact = 0;
  if (radix == 10 && ExactDecimalValue(digits, {}, 0, exact))
    return exact;
  if (radix == 10)
    return std::strtold(digits.c_str(), nullptr);
  Extended value = 0;
  for (const char c : digits)
    value = value * radix + DigitValue(static_cast<unsigned char>(c));
  return value;
}

// The value of fraction digits (the digits after the point).
Extended FractionValue(const std::string& digits, int radix)
{
  if (digits.empty())
    return 0;
  if (radix == 10)
    return std::strtold(("0." + digits).c_str(), nullptr);
  Extended value = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it)
    value = (value + DigitValue(static_cast<unsigned char>(*it))) / radix;
  return value;
}

// ParseDigits: the digits of a whole number after an optional "$" (base 16) or "#" (base 2);
// base 10 otherwise, whatever the number base. False when a prefix has no digit after it.
bool ReadWholeDigits(std::string& digits, int& radix)
{
  radix = 10;
  bool prefixed = false;
  if (ExprChar == '$' || ExprChar == '#') {
    radix = ExprChar == '$' ? 16 : 2;
    prefixed = true;
    ReadChar();
  }
  digits.clear();
  while (DigitValue(ExprChar) < radix) {
    digits += static_cast<char>(ExprChar);
    ReadChar();
  }
  return !prefixed || !digits.empty();
}

bool ReadWholeNumber(Extended& value)
{
  std::string digits;
  int radix = 10;
  if (!ReadWholeDigits(digits, radix))
    return false;
  value = digits.empty() ? 0 : WholeValue(digits, radix);
  return true;
}

// ParseFraction: the digits after the point that are below the radix of the number base.
std::string ReadFractionDigits(int radix)
{
  std::string digits;
  while (ExprChar != '.' && NumberChars->Contains(ExprChar) && DigitValue(ExprChar) < radix) {
    digits += static_cast<char>(ExprChar);
    ReadChar();
  }
  return digits;
}

// h:m or h:m:s after the hours; the number ends there.
bool ReadSexagesimalTail(Extended& value)
{
  for (Extended unit = 60; ExprChar == ':' && unit <= 3600; unit *= 60) {
    ReadChar();
    if (!NumberChars->Contains(ExprChar))
      return false;
    Extended part = 0;
    if (!ReadWholeNumber(part))
      return false;
    value += part / unit;
  }
  return ExprChar != '.' && ExprChar != ExponentLetter;
}

// The exponent after "E": an optional sign and decimal digits. Anything else is error 0, recorded
// at the first character that does not belong.
bool ReadExponent(long& exponent)
{
  ReadChar();
  if (ExprChar != '+' && ExprChar != '-' && !NumberChars->Contains(ExprChar)) {
    SetEvalError(ecSyntax);
    return false;
  }
  const bool negative = ExprChar == '-';
  if (ExprChar == '+' || ExprChar == '-')
    ReadChar();
  if (!NumberChars->Contains(ExprChar)) {
    SetEvalError(ecSyntax);
    return false;
  }
  exponent = 0;
  while (NumberChars->Contains(ExprChar)) {
    if (!IsDigit(ExprChar)) {
      SetEvalError(ecSyntax);
      return false;
    }
    exponent = std::min(exponent * 10 + (ExprChar - '0'), ExponentLimit);
    ReadChar();
  }
  if (negative)
    exponent = -exponent;
  return true;
}

// A literal that is not finite is an error over the literal: 11, or 8 for NaN.
void CheckLiteralValue(Extended value, int start)
{
  if (!std::isfinite(value))
    SetEvalErrorAt(std::isnan(value) ? ecArgumentError : ecOverflow, start,
                   ExprPos - start + (ExprChar == EndMarker ? 1 : 0));
}

}  // namespace

void ParseNumber(Extended& value)
{
  const int start = ExprPos;
  const int radix = RadixOfNumberBase();
  value = 0;
  std::string wholeDigits;
  int wholeRadix = 10;
  if (!(ExprChar == '.' && NumberBase == nbDecimal) && !ReadWholeDigits(wholeDigits, wholeRadix)) {
    SetEvalError(ecSyntax);
    return;
  }
  if (ExprChar == ':') {
    value = wholeDigits.empty() ? 0 : WholeValue(wholeDigits, wholeRadix);
    if (!ReadSexagesimalTail(value))
      SetEvalError(ecSyntax);
    else
      CheckLiteralValue(value, start);
    return;
  }
  std::string fractionDigits;
  if (ExprChar == '.') {
    ReadChar();
    fractionDigits = ReadFractionDigits(radix);
  }
  long exponent = 0;
  if (ExprChar == ExponentLetter && !ReadExponent(exponent))
    return;

  if (wholeRadix == 10 && radix == 10) {
    // One correctly rounded conversion of the whole literal.
    if (ExactDecimalValue(wholeDigits, fractionDigits, exponent, value))
      return;
    const std::string text = (wholeDigits.empty() ? "0" : wholeDigits) + "." + fractionDigits + "e" +
                             std::to_string(exponent);
    value = std::strtold(text.c_str(), nullptr);
  } else {
    value = (wholeDigits.empty() ? 0 : WholeValue(wholeDigits, wholeRadix)) + FractionValue(fractionDigits, radix);
    if (exponent != 0 && value != 0)
      value = radix == 10 ? value * std::pow(10.0L, static_cast<Extended>(exponent))
                          : std::ldexp(value, static_cast<int>(exponent * (radix == 16 ? 4 : 1)));
  }
  CheckLiteralValue(value, start);
}

}  // namespace engine
