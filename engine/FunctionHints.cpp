#include "engine/FunctionHints.h"

#include <array>

namespace engine {

namespace {

constexpr std::array<std::string_view, FunctionHintCount> Hints{{
    "Absolute minimum search of (...)",  // 0
    "Sine of (%A)",  // 1
    "Arc sine of (-1<=Value<=1)",  // 2
    "Arc cosine (-1<=Value<=1)",  // 3
    "Arc tangent of (...)",  // 4
    "Inverse hyperbolic sine (...)",  // 5
    "Invers hyperbolic cosine of (...)",  // 6
    "Invert hyperbolic tangent of (...)",  // 7
    "Hyperbolic sine of (...)",  // 8
    " Hyperbolic cosine of (...)",  // 9
    "Hyperbolic tangent of (...)",  // 10
    " 0.0 <= Random number <= 1.0",  // 11
    "Cosine of (%A)",  // 12
    "Tangent of (%A)",  // 13
    "Exponent",  // 14
    "Positive square root of (...)",  // 15
    "Natural logarithm of (...)",  // 16
    "Logarithm of (...)",  // 17
    "Bessel function of the first kind J (...th,of ...)",  // 18
    "Bessel function of the second kind Y (...th, of ...)",  // 19
    "Modified Bessel function first kind I (...th,of ...)",  // 20
    "Modified Bessel function of the second kind K (...th, of ...)",  // 21
    "Solve equation of f(x)=0. Syntax: solve(Low, Up, equation f(x))",  // 22
    "Integral Cosine of (...)",  // 23
    "Integral Sine of (...)",  // 24
    "Error function with normal distribution",  // 25
    "Euler gamma function of (...)",  // 26
    "Numerical Integration of f(x). Syntax: Integral(Low, Up, f(x))",  // 27
    "Ratio of a circle's circumference to its diameter",  // 28
    "Ratio of a circle's circumference to its diameter",  // 29
    "Natural logarithm \" e \"",  // 30
    "Factorial of (...)",  // 31
    "Fermi-Dirak function(...th, of...)",  // 32
    "Absolute value",  // 33
    "Round upward",  // 34
    "Fractional part of (...)",  // 35
    "Integer part of (...)",  // 36
    "Absolute maximum search of (...)",  // 37
    "Mean value of (x1,x2, ... ,xN)",  // 38
    "Standard deviation of (x1,x2, ... ,xN)",  // 39
    "Squared of (...)",  // 40
    "Sum of the elements from  array (x1,x2, ... ,xN)",  // 41
    "Random numbers with Gaussian  distribution (Mean..., StdDiv...)",  // 42
    "Evaluates a uniform polynomial of one variable ( Variable, a0, a1, ... ,aN) ",  // 43
    "Statistical total variance of (x1,x2, ... ,xN)",  // 44
    "Convert from feet to meters",  // 45
    "Convert from meters to feet",  // 46
    "Convert from miles to kilometers",  // 47
    "Convert from kilometers to miles",  // 48
    "Convert from pounds to grams",  // 49
    "Convert from grams to pounds",  // 50
    "Convert from pints to liters",  // 51
    "Convert from liters to pints",  // 52
    "Convert from yards to meters",  // 53
    "Convert from meters to yards",  // 54
    "Convert from inches to meters",  // 55
    "Convert from meters to inches",  // 56
    "Convert from ounces to grams",  // 57
    "Convert from grams to ounces",  // 58
    "Convert from barrels to liters",  // 59
    "Convert from liters to barrels",  // 60
    "Convert from US gallons to cubic meters",  // 61
    "Convert from cubic meters to US gallons",  // 62
    "Convert from gallons to liters",  // 63
    "Convert from liters to gallons",  // 64
    "Convert from British imperial gallons to cubic meters",  // 65
    "Convert from cubic meters to British imperial gallons",  // 66
    "",  // 67
    "",  // 68
    "",  // 69
    "",  // 70
    "",  // 71
    "",  // 72
    "",  // 73
    "",  // 74
    "",  // 75
    "",  // 76
    "",  // 77
    "",  // 78
    "",  // 79
    "",  // 80
    "",  // 81
    "",  // 82
    "",  // 83
    "",  // 84
    "",  // 85
    "",  // 86
    "",  // 87
    "if(<expression1>condition<expresion2>)then(..)else(..)",  // 88
    "Arc tangent of (...th,divide by...)",  // 89
    "Lowest integer greater than or equal to (...)",  // 90
    "Highest integer less than or equal to (...)",  // 91
    "Cotangent of (...)",  // 92
    "Logarithm base (...th,of...)",  // 93
    "Harmonic mean of (x1,x2, ... ,xN)",  // 94
    "Mantissa of (...)",  // 95
    "Exponent part of (...)",  // 96
    "Sqrt of sum of sqr of (x1,x2, ... ,xN)",  // 97
    "Population standard deviation of (x1,x2, ... ,xN)",  // 98
    "Population variance of (x1,x2, ... ,xN)",  // 99
    "Sum of sqr of (x1,x2,..xN)",  // 100
    "Statistical sample variance of (x1,x2, ... ,xN)",  // 101
    "Distanse between points (0,0) and (...,...) = sqrt(X^2+Y^2)",  // 102
    "Binomial coefficient (from...,of...)",  // 103
    "Incomplete Gamma function of (a, x) for a>0, x>=0",  // 104
    "Complement of incomplete Gamma function of (a, x) for a>0, x>=0",  // 105
    "Beta function of (... , ...)",  // 106
    "Geometric mean of (x1,x2, ... ,xN)",  // 107
    "Secant of (...)",  // 108
    "Probability of standard normal of (...)",  // 109
    "Probability of Student's of (degrees of freedom, ...)",  // 110
    "Cosecant of (...)",  // 111
    "Hyperbolic secant of (...)",  // 112
    "Incomplete Beta function (a,b,x)",  // 113
    "Complement of Erf of (...)",  // 114
    "Natural logarithm absolute Gamma of (...)",  // 115
    "Hyperbolic cosecant of (...)",  // 116
    "Least common multiple (of...,and...)",  // 117
    "Greatest common divisor(of...,and...)",  // 118
    "Sign of (...)",  // 119
    "Sign of Gamma function at (...)",  // 120
    "Logarithm base 2 of (...)",  // 121
    "lexp(X,P) calculates X * (2^round(P))",  // 122
    "perm(N,R) calculates permutation of round(R) objects from round(N)",  // 123
    "",  // 124
    "Probability of Pearson's Khi-2 of (degrees of freedom,...) = Prob(Khi2 >= of ...)",  // 125
    "Probability of Snedecor's of (Nu1, Nu2, ..) Nu1, Nu2 = degrees of freedom",  // 126
    "Fresnel integral of the first kind of (...)",  // 127
    "Fresnel integral of the second kind of (...)",  // 128
    "Exponential integral of (...)",  // 129
}};

}  // namespace

std::string_view FunctionHints(int code)
{
  if (code < 0 || code >= FunctionHintCount)
    return {};
  return Hints[static_cast<std::size_t>(code)];
}

}  // namespace engine
