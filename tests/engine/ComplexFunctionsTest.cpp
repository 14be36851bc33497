#include "engine/ComplexFunctions.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"


namespace engine::test {
namespace {

using ComplexFunctionsTest = ComplexLibraryTest;

const ReferencedFunction Functions[] = {
    {"sin", ComplexSin, [](const StdComplex& c) { return std::sin(c); }},
    {"cos", ComplexCos, [](const StdComplex& c) { return std::cos(c); }},
    {"tan", ComplexTan, [](const StdComplex& c) { return std::tan(c); }},
    {"sinh", ComplexSinh, [](const StdComplex& c) { return std::sinh(c); }},
    {"cosh", ComplexCosh, [](const StdComplex& c) { return std::cosh(c); }},
    {"tanh", ComplexTanh, [](const StdComplex& c) { return std::tanh(c); }},
};

TEST_F(ComplexFunctionsTest, MatchTheReferenceInBothForms)
{
  const StdComplex samples[] = {
      {0.5L, 0.25L}, {-1, 2},      {3, -0.1L},     {1E-8L, -1E-9L}, {-2.5L, -3},
      {0.7L, 0},     {0, 1.2L},    {10, 20},       {-1, 40},        {40, 0.3L},
  };
  for (const auto& f : Functions) {
    for (const auto& c : samples) {
      const StdComplex expected = f.reference(c);
      for (const TComplex& z : {Rect(c), PolarOfStd(c)}) {
        SCOPED_TRACE(std::string(f.name) + " " + Describe(z));
        ClearError();
        const TComplex result = f.complex(z);
        EXPECT_EQ(result.Form, cfRectangular);
        ExpectNear(result, expected, 1E-17L * (1 + std::abs(c)));
      }
    }
  }
}

TEST_F(ComplexFunctionsTest, HyperbolicFunctionsAreTheComplexOnes)
{
  // sinh(i pi/2) = i, cosh(i pi) = -1, tanh(1 + i pi) = tanh 1
  ExpectNear(ComplexSinh(Rect(0, Pi / 2)), {0, 1}, 1E-18L);
  ExpectNear(ComplexCosh(Rect(0, Pi)), {-1, 0}, 1E-18L);
  ExpectNear(ComplexTanh(Rect(1, Pi)), {std::tanh(1.0L), 0}, 1E-18L);
}

TEST_F(ComplexFunctionsTest, TangentPoles)
{
  ExpectExactly(ComplexTan(Rect(Pi / 2, 0)), cfRectangular, MaxResultValue, 0);
  ExpectError(ecSingularity);
  ClearError();
  ExpectExactly(ComplexTanh(Rect(0, -Pi / 2)), cfRectangular, 0, -MaxResultValue);
  ExpectError(ecSingularity);
  // Beside the pole the value is large but no error.
  ClearError();
  ExpectNear(ComplexTan(Rect(Pi / 2, 1E-10L)), std::tan(StdComplex(Pi / 2, 1E-10L)), 1E-17L);
  ExpectNear(ComplexTan(Rect(Pi / 2 + 1E-9L, 0)), {std::tan(Pi / 2 + 1E-9L), 0}, 1E-17L);
}

TEST_F(ComplexFunctionsTest, TangentFarFromTheRealAxisTendsToPlusOrMinusI)
{
  // cosh 2y overflows long before tan z stops being about +-i.
  const struct {
    TComplex z;
    StdComplex expected;
  } cases[] = {
      {Rect(1, 6000), {0, 1}},
      {Rect(-0.5L, -20000), {0, -1}},
      {Rect(1, 30), {2 * std::sin(2.0L) * std::exp(-60.0L), 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.z));
    ClearError();
    ExpectNear(ComplexTan(c.z), c.expected, 1E-18L);
    ExpectNear(ComplexTanh(Rect(c.z.Y, c.z.X)), {c.expected.imag(), c.expected.real()}, 1E-18L);
  }
}

TEST_F(ComplexFunctionsTest, ArgumentsBeyondTheExponentialsRangeOverflow)
{
  const struct {
    const char* name;
    std::function<TComplex()> call;
  } cases[] = {
      {"sin", [] { return ComplexSin(Rect(1, 12000)); }},
      {"cos", [] { return ComplexCos(Rect(1, -12000)); }},
      {"sinh", [] { return ComplexSinh(Rect(12000, 1)); }},
      {"cosh", [] { return ComplexCosh(MakeComplex(cfPolar, 12000, Pi)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ClearError();
    ExpectFinite(c.call());
    ExpectError(ecOverflow);
  }
}

}  // namespace
}  // namespace engine::test
