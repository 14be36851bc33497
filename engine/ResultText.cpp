#include "engine/ResultText.h"

#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace engine {

namespace {

constexpr Extended MaxIntegerResult = 2147483647;

// The text of a value that is not a finite number; no formatting step below sees one.
std::string NonFiniteText(Extended x)
{
  if (std::isnan(x))
    return "NAN";
  return x < 0 ? "-INF" : "INF";
}

// Error at the end of the expression text: the result cannot be shown.
void SetResultError(int code)
{
  ErrorFlag = true;
  ErrorCode = code;
  ErrorPos = static_cast<int>(ExprString->size()) + 1;
  ErrorSpan = 1;
}

}  // namespace

int TrimExponentZeros(std::string& text)
{
  const auto e = text.find('E');
  if (e == std::string::npos || e + 2 > text.size())
    return 0;
  int count = 0;
  while (count < 3 && e + 2 < text.size() && text[e + 2] == '0') {
    text.erase(e + 2, 1);
    ++count;
  }
  return count;
}

namespace {

// False beyond 31 bits.
bool BaseText(const TNumberFormat& format, Extended x, const std::string& sign, std::string& text)
{
  if (!(x <= MaxIntegerResult)) {
    text = "0.0";
    return false;
  }
  const auto n = static_cast<std::uint64_t>(std::trunc(x));
  if (format.Base == nbHexadecimal) {
    text = sign + IntToBaseText(n, 16);
    return true;
  }
  std::string digits = IntToBaseText(n, 2);
  const std::size_t group = static_cast<std::size_t>(std::max(format.DigitGroup, 1));
  if (digits.size() % group != 0)
    digits.insert(0, group - digits.size() % group, '0');
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); i += group)
    grouped += digits.substr(i, group) + ' ';
  text = sign + grouped;
  return true;
}

std::string DecimalText(const TNumberFormat& format, Extended value, Extended x)
{
  const bool fixed = format.Notation == nmFix && x > 0.0001L && x < 10000000.0L;
  int q = value < 0 ? 1 : 0;
  if (fixed)
    q = value > 0 && x < 1 ? 2 : (value < 0 && x > 1 ? 4 : 3);
  return MagnitudeText(x, format, q, fixed);
}

// The number of digits a scientific text of w characters has.
int SignificantDigits(int w)
{
  return std::clamp(w - 8, 2, 18);
}

// The places ToEngineering moves the point of a scientific text.
int EngineeringShift(const std::string& text)
{
  const auto e = text.find('E');
  if (e == std::string::npos || e + 2 >= text.size())
    return 0;
  const int r = std::atoi(text.c_str() + e + 2) % 3;
  if (r == 0)
    return 0;
  return text[e + 1] == '-' ? 3 - r : r;
}

// A scientific text of x with enough digits that moving its point for the engineering form leaves
// a digit after it: the shifted text shows only digits of x, never a zero put in to fill places.
std::string WithDigitsForEngineering(Extended x, int w, std::string text)
{
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int missing = EngineeringShift(text) + 2 - SignificantDigits(w);
    if (missing <= 0)
      break;
    w += missing;
    text = SciText(x, w);  // more digits may round to another exponent: checked again
  }
  return text;
}

}  // namespace

bool ToSexagesimal(Extended x, std::string& text)
{
  if (!(std::fabs(x) <= MaxIntegerResult && std::fabs(x) * 3600 <= MaxIntegerResult)) {
    text = "0:0:0";
    return false;
  }
  // Whole seconds, rounded half to even.
  const auto seconds = static_cast<std::int64_t>(std::nearbyint(x * 3600));
  text = std::to_string(seconds / 3600) + ":" + std::to_string(seconds % 3600 / 60) + ":" +
         std::to_string(seconds % 60);
  return true;
}

std::string MagnitudeText(Extended x, const TNumberFormat& format, int q, bool fixed)
{
  const int digits = format.Digits;
  const int notation = format.Notation;
  if (!std::isfinite(x))
    return NonFiniteText(x);
  std::string text;
  if (fixed) {
    text = FixedText(x, digits, std::max(digits - q, 0));
  } else {
    // First pass: measure what trimming removes, to widen the second.
    text = SciText(x, digits);
    if (notation == nmEng)
      text = ToEngineering(text);
    int trimmed = TrimNumberText(text, notation);
    trimmed += TrimExponentZeros(text);
    text = SciText(x, digits + trimmed - q);
    if (notation == nmEng)
      text = WithDigitsForEngineering(x, digits + trimmed - q, text);
  }
  if (notation == nmEng)
    text = ToEngineering(text);
  TrimNumberText(text, notation);
  TrimExponentZeros(text);
  return text;
}

std::string ExactNumberText(Extended value)
{
  if (!std::isfinite(value))
    return NonFiniteText(value);
  char buffer[64];
  for (int digits = 1;; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    if (std::strtold(buffer, nullptr) == value || digits >= std::numeric_limits<Extended>::max_digits10)
      break;
  }
  const std::string converted = buffer;
  const auto e = converted.find('e');
  std::string mantissa = converted.substr(0, e);
  if (mantissa.find('.') == std::string::npos)
    mantissa += ".0";
  const int exponent = std::atoi(converted.c_str() + e + 1);
  return mantissa + "E" + (exponent < 0 ? "-" : "+") + std::to_string(std::abs(exponent));
}

TNumberFormat CurrentNumberFormat(int digits)
{
  return {NotationMode, NumberBase, digits, Host().DigitGroup()};
}

bool FormatNumber(const TNumberFormat& format, Extended value, std::string& text, int& errorCode)
{
  errorCode = 0;
  if (!std::isfinite(value)) {
    text = NonFiniteText(value);
    return true;
  }
  const std::string sign = value < 0 ? "-" : "";
  const Extended x = std::fabs(value);
  if (format.Base == nbHexadecimal || format.Base == nbBinary) {
    if (!BaseText(format, x, sign, text))
      errorCode = ecOverflow;
  } else if (format.Notation == nmSxg) {
    if (!ToSexagesimal(x, text))
      errorCode = ecChangeNotation;
    text = sign + text;
  } else {
    text = sign + DecimalText(format, value, x);
  }
  return errorCode == 0;
}

std::string FormatResult(int digits, Extended value)
{
  const TNumberFormat format = CurrentNumberFormat(digits);
  const bool sexagesimal = format.Notation == nmSxg && format.Base != nbHexadecimal && format.Base != nbBinary;
  if (sexagesimal && ErrorFlag && std::isfinite(value))
    return value < 0 ? "-0:0:0" : "0:0:0";
  std::string text;
  int errorCode = 0;
  if (!FormatNumber(format, value, text, errorCode)) {
    if (errorCode == ecChangeNotation)
      LastResult = 0;
    SetResultError(errorCode);
  }
  return text;
}

std::string FixedText(Extended x, int w, int d)
{
  if (!std::isfinite(x))
    return NonFiniteText(x);
  d = std::max(d, 0);
  const int size = std::snprintf(nullptr, 0, "%*.*Lf", w, d, x);
  std::string text(static_cast<std::size_t>(size), ' ');
  std::snprintf(text.data(), text.size() + 1, "%*.*Lf", w, d, x);
  return text;
}

std::string SciText(Extended x, int w)
{
  if (!std::isfinite(x))
    return NonFiniteText(x);
  const int n = SignificantDigits(w);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", n - 1, std::fabs(x));
  const std::string converted = buffer;
  const auto e = converted.find('e');
  const int exponent = std::atoi(converted.c_str() + e + 1);
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "%04d", std::abs(exponent));
  std::string text(static_cast<std::size_t>(std::max(w - (n + 8), 0)), ' ');
  text += x < 0 ? '-' : ' ';
  text += converted.substr(0, e);
  text += 'E';
  text += exponent < 0 ? '-' : '+';
  text += exponentText;
  return text;
}

int TrimNumberText(std::string& text, int notation)
{
  const auto firstNonBlank = text.find_first_not_of(' ');
  const int trimmed = static_cast<int>(firstNonBlank == std::string::npos ? text.size() : firstNonBlank);
  text.erase(0, static_cast<std::size_t>(trimmed));
  const auto e = text.find('E');
  if (e == std::string::npos) {
    if (text.find('.') != std::string::npos)
      while (text.size() >= 2 && text.back() == '0' && text[text.size() - 2] != '.')
        text.pop_back();
    return trimmed;
  }
  std::size_t end = e;
  while (end >= 2 && text[end - 1] == '0' && text[end - 2] != '.')
    --end;
  text.erase(end, e - end);
  if (notation == nmFix) {
    const auto zeroExponent = text.find("E+0000");
    if (zeroExponent != std::string::npos)
      text.erase(zeroExponent, 6);
  }
  return trimmed;
}

std::string ToEngineering(const std::string& text)
{
  std::string result = text.substr(std::min(text.find_first_not_of(' '), text.size()));
  const auto e = result.find('E');
  if (e == std::string::npos || e + 6 > result.size())
    return result;
  const bool negative = result[e + 1] == '-';
  const int exponent = std::atoi(result.c_str() + e + 2);
  const int r = exponent % 3;
  if (r == 0)
    return result;
  const int shift = negative ? 3 - r : r;
  const int newExponent = negative ? exponent - r + 3 : exponent - r;
  std::string mantissa = result.substr(0, e);
  const auto point = mantissa.find('.');
  std::string digits = mantissa.substr(0, point) + (point == std::string::npos ? "" : mantissa.substr(point + 1));
  const std::size_t newPoint = (point == std::string::npos ? mantissa.size() : point) + static_cast<std::size_t>(shift);
  if (digits.size() <= newPoint)
    digits.append(newPoint + 1 - digits.size(), '0');
  mantissa = digits.substr(0, newPoint) + "." + digits.substr(newPoint);
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "%04d", newExponent);
  return mantissa + result.substr(e, 2) + exponentText;
}

std::string IntToBaseText(std::uint64_t n, int radix)
{
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), Digits[n % static_cast<std::uint64_t>(radix)]);
    n /= static_cast<std::uint64_t>(radix);
  } while (n != 0);
  return text;
}

}  // namespace engine
