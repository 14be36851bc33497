#include "engine/ComplexFunctionTable.h"

#include <array>

namespace engine {

namespace {

constexpr std::array<TFunctionEntry, 88> Entries{{
    {"___(", 0, 3},
    {"sin(", 1, 1},
    {"arcsin(", 2, 1},
    {"arccos(", 3, 1},
    {"arctan(", 4, 1},
    {"arcsinh(", 5, 1},
    {"arccosh(", 6, 1},
    {"arctanh(", 7, 1},
    {"sinh(", 8, 1},
    {"cosh(", 9, 1},
    {"tanh(", 10, 1},
    {"random", 11, 0},
    {"cos(", 12, 1},
    {"tan(", 13, 1},
    {"exp(", 14, 1},
    {"sqrt(", 15, 1},
    {"ln(", 16, 1},
    {"comp(", 17, 2},
    {"___(", 18, 2},
    {"___(", 19, 2},
    {"___(", 20, 2},
    {"___(", 21, 2},
    {"___(", 22, 3},
    {"___(", 23, 1},
    {"___(", 24, 1},
    {"___(", 25, 1},
    {"LnGamma(", 26, 1},
    {"___(", 27, 3},
    {"\xB6", 28, 0},
    {"pi", 29, 0},
    {"e", 30, 0},
    {"___(", 31, 1},
    {"___(", 32, 2},
    {"abs(", 33, 1},
    {"___(", 34, 1},
    {"___(", 35, 1},
    {"___(", 36, 1},
    {"___(", 37, 3},
    {"___(", 38, 1},
    {"___(", 39, 1},
    {"sqr(", 40, 1},
    {"___(", 41, 1},
    {"___(", 42, 2},
    {"___(", 43, 1},
    {"___(", 44, 2},
    {"____(", 45, 1},
    {"___(", 46, 1},
    {"___(", 47, 1},
    {"___(", 48, 1},
    {"___(", 49, 1},
    {"___(", 50, 1},
    {"___(", 51, 1},
    {"___(", 52, 1},
    {"___(", 53, 1},
    {"___(", 54, 1},
    {"___(", 55, 1},
    {"___(", 56, 1},
    {"___(", 57, 1},
    {"___(", 58, 1},
    {"___(", 59, 1},
    {"___(", 60, 1},
    {"___(", 61, 1},
    {"___(", 62, 1},
    {"___(", 63, 1},
    {"___(", 64, 1},
    {"___(", 65, 1},
    {"___(", 66, 1},
    {"x", 67, 0},
    {"y", 68, 0},
    {"z", 69, 0},
    {"v", 70, 0},
    {"w", 71, 0},
    {"i", 72, 0},
    {"j", 73, 0},
    {"k", 74, 0},
    {"m", 75, 0},
    {"n", 76, 0},
    {"X", 77, 0},
    {"Y", 78, 0},
    {"Z", 79, 0},
    {"V", 80, 0},
    {"W", 81, 0},
    {"I", 82, 0},
    {"J", 83, 0},
    {"K", 84, 0},
    {"M", 85, 0},
    {"N", 86, 0},
    {"___(", 87, 1},
}};

constexpr std::array<std::string_view, ComplexHintCount> Hints{{
    "",  // 0
    "Complex Sine of (%A)",  // 1
    "Complex Arc sine of (-1<=Value<=1)",  // 2
    "Complex Arc cosine (-1<=Value<=1)",  // 3
    "Complex Arc tangent of (..)",  // 4
    "Complex Inverse hyperbolic sine (..)",  // 5
    "Complex Invers hyperbolic cosine of (..)",  // 6
    "Complex Invert hyperbolic tangent of (..)",  // 7
    "Complex Hyperbolic sine of (..)",  // 8
    "Complex Hyperbolic cosine of ()",  // 9
    "Complex Hyperbolic tangent of (..)",  // 10
    " 0.0 <= Random number <= 1.0",  // 11
    "Complex Cosine of (%A)",  // 12
    "Complex Tangent of (%A)",  // 13
    "Complex Exponent",  // 14
    "Complex square root of (..)",  // 15
    "Complex logarithm ()",  // 16
    "Complex number of (..)",  // 17
    "",  // 18
    "",  // 19
    "",  // 20
    "",  // 21
    "",  // 22
    "",  // 23
    "",  // 24
    "",  // 25
    "Logarithm Gamma of (..)",  // 26
    "",  // 27
    "ratio of a circle's circumference to its diameter",  // 28
    "ratio of a circle's circumference to its diameter",  // 29
    "natural logarithm \" e \"",  // 30
    "",  // 31
    "",  // 32
    "Absolute value",  // 33
    "",  // 34
    "",  // 35
    "",  // 36
    "Absolute maximum search of (..)",  // 37
    "",  // 38
    "",  // 39
    "Complex Squared of (..)",  // 40
    "Sum of the elements from  array (x1,x2,..xN)",  // 41
    "",  // 42
    "Evaluates a uniform polynomial of one variable ( Variable, a0, a1,..,aN) ",  // 43
    "",  // 44
    "",  // 45
    "",  // 46
    "",  // 47
    "",  // 48
    "",  // 49
    "",  // 50
    "",  // 51
    "",  // 52
    "",  // 53
    "",  // 54
    "",  // 55
    "",  // 56
    "",  // 57
    "",  // 58
    "",  // 59
    "",  // 60
    "",  // 61
    "",  // 62
    "",  // 63
    "",  // 64
    "",  // 65
}};

}  // namespace

std::span<const TFunctionEntry> ComplexFunctionTable()
{
  return Entries;
}

std::string_view ComplexHints(int code)
{
  if (code < 0 || code >= ComplexHintCount)
    return {};
  return Hints[static_cast<std::size_t>(code)];
}

}  // namespace engine
