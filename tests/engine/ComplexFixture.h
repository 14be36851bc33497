#pragma once
// Shared helpers of the complex library's tests: operands in both forms, and comparison with
// std::complex<long double> as an independent reference.

#include "engine/ComplexNumber.h"
#include "MathLibraryFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>

namespace engine::test {

using StdComplex = std::complex<Extended>;

inline TComplex Rect(Extended x, Extended y)
{
  return MakeComplex(cfRectangular, x, y);
}

inline TComplex Rect(const StdComplex& c)
{
  return Rect(c.real(), c.imag());
}

inline TComplex PolarOfStd(const StdComplex& c)
{
  return MakeComplex(cfPolar, std::abs(c), std::arg(c));
}

inline StdComplex ToStd(const TComplex& z)
{
  return {ComplexRe(z), ComplexIm(z)};
}

inline std::string Describe(const StdComplex& c)
{
  std::ostringstream s;
  s << std::setprecision(21) << c.real() << (c.imag() < 0 ? " - " : " + ") << std::fabs(c.imag()) << "i";
  return s.str();
}

inline std::string Describe(const TComplex& z)
{
  std::ostringstream s;
  s << std::setprecision(21) << (z.Form == cfPolar ? "polar(" : "rect(") << z.X << ", " << z.Y << ")";
  return s.str();
}

// A library function with its std::complex counterpart.
struct ReferencedFunction {
  const char* name;
  std::function<TComplex(const TComplex&)> complex;
  std::function<StdComplex(const StdComplex&)> reference;
};

class ComplexLibraryTest : public MathLibraryTest {
protected:
  // Both parts are finite numbers.
  static void ExpectFinite(const TComplex& z)
  {
    EXPECT_TRUE(std::isfinite(z.X) && std::isfinite(z.Y)) << Describe(z);
  }

  // |actual - expected| <= tolerance * max(|expected|, minScale) (absolute when that is 0), and no
  // error.
  static void ExpectNear(const TComplex& actual, const StdComplex& expected, Extended tolerance,
                         Extended minScale = 0)
  {
    ExpectFinite(actual);
    const Extended size = std::max(std::abs(expected), minScale);
    const Extended scale = size == 0 ? 1 : size;
    const Extended error = std::abs(ToStd(actual) - expected);
    EXPECT_LE(error, tolerance * scale)
        << "actual " << Describe(ToStd(actual)) << ", expected " << Describe(expected)
        << ", relative error " << static_cast<double>(error / scale);
    EXPECT_EQ(ErrorCode, 0);
  }

  // The exact parts and form of a substitute value.
  static void ExpectExactly(const TComplex& actual, std::uint8_t form, Extended x, Extended y)
  {
    EXPECT_EQ(actual.Form, form);
    EXPECT_EQ(actual.X, x);
    EXPECT_EQ(actual.Y, y);
  }
};

}  // namespace engine::test
