#include "engine/ComplexInverseFunctions.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>

namespace engine::test {
namespace {

using ComplexInverseFunctionsTest = ComplexLibraryTest;

const ReferencedFunction Functions[] = {
    {"arcsin", ComplexArcSin, [](const StdComplex& c) { return std::asin(c); }},
    {"arccos", ComplexArcCos, [](const StdComplex& c) { return std::acos(c); }},
    {"arctan", ComplexArcTan, [](const StdComplex& c) { return std::atan(c); }},
    {"arcsinh", ComplexArcSinh, [](const StdComplex& c) { return std::asinh(c); }},
    {"arccosh", ComplexArcCosh, [](const StdComplex& c) { return std::acosh(c); }},
    {"arctanh", ComplexArcTanh, [](const StdComplex& c) { return std::atanh(c); }},
};

TEST_F(ComplexInverseFunctionsTest, MatchTheReferenceOffTheBranchCutsInBothForms)
{
  // No point lies on a cut of any of the six functions (both axes beyond +-1 are cuts of some).
  const StdComplex samples[] = {
      {0.5L, 0.25L},  {-0.3L, 0.8L},  {2, 0.1L},    {2, -0.1L},   {-2, 0.1L},     {-2, -0.1L},
      {0.1L, 3},      {-0.1L, -3},    {1, 1},       {-1, -1},     {0.9999L, 1E-3L}, {1.0001L, -1E-3L},
      {1E-10L, 1E-12L}, {-1E-12L, 1E-10L}, {50, -70}, {-1E8L, 3E8L}, {0.3L, 0},    {0, 0.6L},
  };
  for (const auto& f : Functions) {
    for (const auto& c : samples) {
      const StdComplex expected = f.reference(c);
      for (const TComplex& z : {Rect(c), PolarOfStd(c)}) {
        SCOPED_TRACE(std::string(f.name) + " " + Describe(z));
        ClearError();
        const TComplex result = f.complex(z);
        EXPECT_EQ(result.Form, cfRectangular);
        // A polar operand carries a rounding of about 1E-19 |z| into each part.
        const Extended tolerance = z.Form == cfRectangular ? 1E-17L : 1E-16L;
        ExpectNear(result, expected, tolerance);
      }
    }
  }
}

TEST_F(ComplexInverseFunctionsTest, SpecificValues)
{
  const Extended acosh2 = std::acosh(2.0L);
  const struct {
    const char* name;
    TComplex result;
    StdComplex expected;
  } cases[] = {
      {"arctan 1", ComplexArcTan(ComplexOne), {Pi / 4, 0}},
      {"arcsin 1/2", ComplexArcSin(Rect(0.5L, 0)), {Pi / 6, 0}},
      {"arccos 0", ComplexArcCos(ComplexZero), {Pi / 2, 0}},
      {"arcsin 1", ComplexArcSin(ComplexOne), {Pi / 2, 0}},
      {"arcsin -1", ComplexArcSin(Rect(-1, 0)), {-Pi / 2, 0}},
      {"arcsinh i", ComplexArcSinh(ComplexI), {0, Pi / 2}},
      {"arctanh 1/2", ComplexArcTanh(Rect(0.5L, 0)), {std::atanh(0.5L), 0}},
      // On the cuts the value is the one approached counter-clockwise.
      {"arcsin 2", ComplexArcSin(Rect(2, 0)), {Pi / 2, -acosh2}},
      {"arcsin -2", ComplexArcSin(Rect(-2, 0)), {-Pi / 2, acosh2}},
      {"arccos 2", ComplexArcCos(Rect(2, 0)), {0, acosh2}},
      {"arccosh 2", ComplexArcCosh(Rect(2, 0)), {acosh2, 0}},
      {"arccosh -2", ComplexArcCosh(Rect(-2, 0)), {acosh2, Pi}},
      {"arccosh 1/2", ComplexArcCosh(Rect(0.5L, 0)), {0, Pi / 3}},
      {"arccosh 1", ComplexArcCosh(ComplexOne), {0, 0}},
      {"arctan 2i", ComplexArcTan(Rect(0, 2)), {Pi / 2, std::log(3.0L) / 2}},
      {"arctan -2i", ComplexArcTan(Rect(0, -2)), {-Pi / 2, -std::log(3.0L) / 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectNear(c.result, c.expected, 1E-18L);
  }
}

TEST_F(ComplexInverseFunctionsTest, ArcCoshIsThePrincipalValue)
{
  // -i arccos z alone has a negative real part in the upper half plane.
  for (const StdComplex c : {StdComplex(2, 0.1L), StdComplex(0.5L, 3), StdComplex(-4, 1E-5L), StdComplex(0, 1)}) {
    SCOPED_TRACE(Describe(c));
    ClearError();
    const TComplex w = ComplexArcCosh(Rect(c));
    EXPECT_GE(w.X, 0);
    ExpectNear(w, std::acosh(c), 1E-17L);
  }
}

TEST_F(ComplexInverseFunctionsTest, Poles)
{
  const struct {
    const char* name;
    TComplex result;
    Extended x, y;
  } cases[] = {
      {"arctan i", ComplexArcTan(ComplexI), 0, MaxResultValue},
      {"arctan -i", ComplexArcTan(Rect(0, -1)), 0, -MaxResultValue},
      {"arctanh 1", ComplexArcTanh(ComplexOne), MaxResultValue, 0},
      {"arctanh -1", ComplexArcTanh(Rect(-1, 0)), -MaxResultValue, 0},
      {"arctan polar i", ComplexArcTan(MakeComplex(cfPolar, 1, Pi / 2)), 0, 0},  // cos(pi/2) is not 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.y == 0 && c.x == 0) {
      ExpectFinite(c.result);  // rounding moves the polar i off the pole: a huge value, no NaN
      continue;
    }
    ExpectExactly(c.result, cfRectangular, c.x, c.y);
  }
  ClearError();
  ComplexArcTan(ComplexI);
  ExpectError(ecSingularity);
  ClearError();
  ComplexArcTanh(ComplexOne);
  ExpectError(ecSingularity);
}

TEST_F(ComplexInverseFunctionsTest, ArcSinNearItsBranchPointsNeverGivesNaN)
{
  // Here rounding pushes |Re| / modulus above 1 or the cosh argument below 1 in a direct evaluation.
  constexpr Extended eps = std::numeric_limits<Extended>::epsilon();
  const Extended xs[] = {1, 1 - eps, 1 + eps, 1 - eps / 2, 1 + 4 * eps, 0.99999999999L, 1.00000000001L};
  const Extended ys[] = {0, 1E-300L, 1E-20L, 1E-10L, 3E-19L};
  for (const Extended x0 : xs) {
    for (const Extended sx : {1, -1}) {
      for (const Extended y0 : ys) {
        for (const Extended sy : {1, -1}) {
          const StdComplex c(sx * x0, sy * y0);
          SCOPED_TRACE(Describe(c));
          for (const auto& f : Functions) {
            if (f.name == std::string("arctanh") && y0 == 0 && x0 == 1)
              continue;  // the pole
            ClearError();
            const TComplex result = f.complex(Rect(c));
            ExpectFinite(result);
            EXPECT_EQ(ErrorCode, 0) << f.name;
            if (y0 != 0)
              ExpectNear(result, f.reference(c), 1E-9L, 1);  // ill-conditioned at the branch points
          }
        }
      }
    }
  }
}

// Beside +-1 the parts are about the square root of the distance: each part keeps its own digits
// (references to 22 digits from a 300-bit evaluation).
TEST_F(ComplexInverseFunctionsTest, BesidePlusAndMinusOneEachPartKeepsItsDigits)
{
  struct Case {
    Extended x, y;
    const char* name;
    Extended re, im;
  };
  const Case cases[] = {
      {1, 1E-20L, "arcsin", 1.570796326694896619231L, 1.000000000000000000018E-10L},
      {1, 1E-20L, "arccos", 1.000000000000000000016E-10L, -1.000000000000000000018E-10L},
      {1, 1E-20L, "arccosh", 1.000000000000000000018E-10L, 1.000000000000000000016E-10L},
      {-1, 1E-20L, "arccos", 3.141592653489793238463L, -1.000000000000000000018E-10L},
      {-1, -1E-20L, "arccosh", 1.000000000000000000018E-10L, -3.141592653489793238463L},
      {1, -1E-30L, "arccos", 1.000000000000000000016E-15L, 1.000000000000000000016E-15L},
      {0.9999999999L, 1E-20L, "arcsin", 1.570782184659274192387L, 7.071067812753230823591E-16L},
      {0.9999999999L, 1E-20L, "arccosh", 7.071067812753230823591E-16L, 0.00001414213562242684385021L},
      {1.0000000001L, 1E-25L, "arccos", 7.071067810483060662009E-21L, -0.00001414213562602437513135L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + Describe(StdComplex(c.x, c.y)));
    const auto f = std::find_if(std::begin(Functions), std::end(Functions), [&](const auto& g) { return c.name == std::string(g.name); });
    ASSERT_NE(f, std::end(Functions));
    ClearError();
    const TComplex w = f->complex(Rect(c.x, c.y));
    ExpectNoError();
    ExpectRelative(w.X, c.re, 1E-17L);
    ExpectRelative(w.Y, c.im, 1E-17L);
  }
}

TEST_F(ComplexInverseFunctionsTest, HugeArguments)
{
  const Extended big = 1E3000L;
  ExpectNear(ComplexArcSin(Rect(big, big)), {Pi / 4, std::log(2 * std::sqrt(2.0L)) + std::log(big)}, 1E-18L);
  ExpectNear(ComplexArcTan(Rect(big, -big)), {Pi / 2, 0}, 1E-18L);
  for (const auto& f : Functions) {
    for (const TComplex& z : {Rect(MaxResultValue, MaxResultValue), Rect(-MaxResultValue, 1),
                              Rect(0, -MaxResultValue), Rect(1E-4940L, 1)}) {
      SCOPED_TRACE(std::string(f.name) + " " + Describe(z));
      ClearError();
      ExpectFinite(f.complex(z));
    }
  }
}

}  // namespace
}  // namespace engine::test
