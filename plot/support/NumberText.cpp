#include "plot/support/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace plot {

namespace {

constexpr int kMaxPrecision = 18;

std::string Printf(const char* format, int a, int b, Extended value)
{
  const int n = std::snprintf(nullptr, 0, format, a, b, value);
  std::string s(static_cast<std::size_t>(std::max(n, 0)), '\0');
  std::snprintf(s.data(), s.size() + 1, format, a, b, value);
  return s;
}

// Pascal's fixed notation: `decimals` digits after the point, right-aligned in `width`.
std::string FixedText(Extended value, int width, int decimals)
{
  return Printf("%*.*Lf", std::max(width, 0), std::max(decimals, 0), value);
}

// Pascal's scientific notation in a field of `width`: a sign place (blank or "-"), one digit, the
// point, the fraction, "E", the exponent sign and four exponent digits.
std::string ScientificText(Extended value, int width)
{
  const int fraction = std::clamp(width - 9, 1, kMaxPrecision - 1);
  const std::string e = Printf("%*.*Le", 0, fraction, value);  // d.ddde+XX
  const std::size_t ePos = e.find('e');
  const bool negative = e.front() == '-';
  const std::string mantissa = e.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0));
  const int exponent = std::atoi(e.c_str() + ePos + 1);
  char exponentText[16];
  std::snprintf(exponentText, sizeof exponentText, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return std::string(negative ? "-" : " ") + mantissa + exponentText;
}

// Removes up to three zeros after the exponent sign; returns how many.
int DropExponentZeros(std::string& s)
{
  const std::size_t e = s.find('E');
  if (e == std::string::npos || e + 1 >= s.size() || (s[e + 1] != '+' && s[e + 1] != '-'))
    return 0;
  int removed = 0;
  while (removed < 3 && e + 2 < s.size() - 1 && s[e + 2] == '0') {
    s.erase(e + 2, 1);
    ++removed;
  }
  return removed;
}

std::string SignText(double value) { return value < 0 ? "-" : ""; }

}  // namespace

std::string GeneralText(Extended value, int precision)
{
  if (!std::isfinite(value))
    return {};
  if (value == 0)
    return "0";
  precision = std::clamp(precision, 1, kMaxPrecision);
  const std::string e = Printf("%*.*Le", 0, precision - 1, std::fabs(value));
  const std::size_t ePos = e.find('e');
  const int exponent = std::atoi(e.c_str() + ePos + 1);
  std::string digits = e.substr(0, 1) + (ePos > 2 ? e.substr(2, ePos - 2) : std::string());
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string s = value < 0 ? "-" : "";
  if (exponent >= precision || exponent < -5) {
    s += digits.front();
    if (digits.size() > 1) {
      s += '.';
      s.append(digits, 1);
    }
    s += 'E';
    s += std::to_string(exponent);
    return s;
  }
  if (exponent < 0)
    return s + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= whole)
    return s + digits + std::string(whole - digits.size(), '0');
  return s + digits.substr(0, whole) + "." + digits.substr(whole);
}

int TrimNumberText(std::string& s, int mode)
{
  const std::size_t blanks = std::min(s.find_first_not_of(' '), s.size());
  s.erase(0, blanks);
  const std::size_t e = s.find('E');
  if (e != std::string::npos) {
    std::size_t zeros = e;
    while (zeros > 1 && s[zeros - 1] == '0' && s[zeros - 2] != '.')
      --zeros;
    s.erase(zeros, e - zeros);
    const std::size_t bare = s.find("E+0000");
    if (bare != std::string::npos && mode == 1)
      s.erase(bare, 6);
    return static_cast<int>(blanks);
  }
  if (s.find('.') == std::string::npos)
    return static_cast<int>(blanks);
  while (s.size() > 1 && s.back() == '0' && s[s.size() - 2] != '.')
    s.pop_back();
  return static_cast<int>(blanks);
}

std::string FloatToLabelText(int digits, int mode, double value)
{
  if (!std::isfinite(value))
    return {};
  Extended a = std::fabs(static_cast<Extended>(value));
  int k = 0;
  if (a > 0)
    while (a < 1) {
      a *= 10;
      ++k;
    }
  const Extended magnitude = std::fabs(static_cast<Extended>(value));
  std::string s;
  if (mode == 1 && (magnitude == 0 || (0.001L < magnitude && magnitude < 1000000.0L)))
    s = FixedText(magnitude, digits == 0 ? 0 : 2 * digits + 1, digits);
  else {
    s = GeneralText(magnitude, digits - k + 2);
    const std::size_t e = s.find('E');
    if (e != std::string::npos && s.find('.') == std::string::npos)
      s.insert(e, ".0");
  }
  TrimNumberText(s, mode);
  if (!s.empty() && (s.front() == '-' || s.front() == '+'))
    return s;
  return SignText(value) + s;
}

void FloatToLabelText(int digits, int mode, std::string& s, double value) { s = FloatToLabelText(digits, mode, value); }

std::string FloatToShortText(int width, int mode, double value)
{
  if (!std::isfinite(value))
    return {};
  Extended a = std::fabs(static_cast<Extended>(value));
  std::string s;
  if (1.0E-6L < a && a < 1.0E9L && mode == 1) {
    int k = value > 0 && a < 1 ? 2 : 3;
    if (value < 0 && a > 1)
      ++k;
    s = FixedText(a, width, width - k);
  } else {
    a = std::strtold(FixedText(a, 0, width).c_str(), nullptr);
    s = ScientificText(a, width);
    int removed = TrimNumberText(s, mode);
    removed += DropExponentZeros(s);
    s = ScientificText(a, width + removed - (value < 0 ? 1 : 0));
  }
  TrimNumberText(s, mode);
  DropExponentZeros(s);
  return SignText(value) + s;
}

void FloatToShortText(int width, int mode, std::string& s, double value) { s = FloatToShortText(width, mode, value); }

std::string FloatToSignificantText(int digits, double value)
{
  if (!std::isfinite(value))
    return {};
  const Extended magnitude = std::fabs(static_cast<Extended>(value));
  int n = 0;
  for (Extended a = magnitude; a > 10; a /= 10)
    ++n;
  std::string s = GeneralText(value, 0 < n && n < 4 ? digits + n : digits);
  const auto pointAndPad = [digits](std::string& text, std::size_t end) {
    std::size_t point = text.find('.');
    if (point == std::string::npos || point > end) {
      if (digits <= 0)
        return;
      text.insert(text.begin() + static_cast<std::ptrdiff_t>(end), '.');
      point = end++;
    }
    while (static_cast<int>(end - point - 1) < digits)
      text.insert(text.begin() + static_cast<std::ptrdiff_t>(end++), '0');
  };
  if (s.find('E') != std::string::npos) {
    s = GeneralText(value, digits + 1);
    const std::size_t e = s.find('E');
    if (e != std::string::npos) {
      pointAndPad(s, e);
      return s;
    }
  }
  if (n > 0)
    s = GeneralText(value, digits + n + 1);
  else {
    int m = 1;
    if (magnitude != 0) {
      m = 0;
      for (Extended a = magnitude; a < 1; a *= 10)
        ++m;
    }
    s = GeneralText(value, digits - m + 1);
  }
  pointAndPad(s, s.size());
  return s;
}

void FloatToSignificantText(int digits, std::string& s, double value) { s = FloatToSignificantText(digits, value); }

}  // namespace plot
