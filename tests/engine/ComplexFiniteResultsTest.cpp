#include "engine/ComplexMath.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace engine::test {
namespace {

using ComplexFiniteResultsTest = ComplexLibraryTest;

// Operands at the edges of the range, in both forms.
std::vector<TComplex> ExtremeOperands()
{
  const Extended max = MaxResultValue;
  const Extended subnormal = 1E-4940L;
  const StdComplex values[] = {
      {0, 0},      {1, 0},          {-1, 0},         {0, 1},           {0, -1},     {max, 0},
      {-max, 0},   {0, -max},       {max, max},      {-max, max},      {subnormal, -subnormal},
      {1E4000L, 1E-4000L},          {11356, 11356},  {-11356, 0.5L},   {Pi / 2, 0}, {0, Pi / 2},
      {-2, 0},     {-1E6L, 0},      {1, 1E-300L},    {-0.5L, 1E4000L},
  };
  std::vector<TComplex> operands;
  for (const auto& c : values) {
    operands.push_back(Rect(c));
    operands.push_back(ConvertComplexForm(Rect(c), cfPolar));  // the modulus of (max, max) is max
  }
  operands.push_back(MakeComplex(cfPolar, -max, 1E30L));  // negative modulus, unreduced angle
  operands.push_back(MakeComplex(cfPolar, 0, 5));
  return operands;
}

void ExpectSound(const TComplex& result, bool reducedAngle)
{
  EXPECT_TRUE(std::isfinite(result.X) && std::isfinite(result.Y)) << Describe(result);
  const int codes[] = {0, ecArgumentError, ecOverflow, ecSingularity, ecUnderflow};
  EXPECT_NE(std::find(std::begin(codes), std::end(codes), ErrorCode), std::end(codes)) << ErrorCode;
  if (reducedAngle && result.Form == cfPolar && ErrorCode == 0) {
    EXPECT_GT(result.Y, -Pi);
    EXPECT_LE(result.Y, Pi);
  }
}

TEST_F(ComplexFiniteResultsTest, UnaryRoutinesNeverReturnNaNOrInfinity)
{
  const struct {
    const char* name;
    std::function<TComplex(const TComplex&)> call;
    bool reducedAngle;
  } routines[] = {
      {"ln", ComplexLn, true},           {"exp", ComplexExp, true},
      {"sqrt", ComplexSqrt, true},       {"sin", ComplexSin, true},
      {"cos", ComplexCos, true},         {"tan", ComplexTan, true},
      {"sinh", ComplexSinh, true},       {"cosh", ComplexCosh, true},
      {"tanh", ComplexTanh, true},       {"arcsin", ComplexArcSin, true},
      {"arccos", ComplexArcCos, true},   {"arctan", ComplexArcTan, true},
      {"arcsinh", ComplexArcSinh, true}, {"arccosh", ComplexArcCosh, true},
      {"arctanh", ComplexArcTanh, true}, {"lngamma", ComplexLnGamma, true},
      {"neg", ComplexNeg, false},        {"conj", ComplexConj, false},
      {"int power -3", [](const TComplex& z) { return ComplexIntPower(z, -3); }, true},
      {"int power 1000", [](const TComplex& z) { return ComplexIntPower(z, 1000); }, true},
      {"to polar", [](const TComplex& z) { return ConvertComplexForm(z, cfPolar); }, false},
      {"to rectangular", [](const TComplex& z) { return ConvertComplexForm(z, cfRectangular); }, false},
  };
  for (const auto& routine : routines) {
    for (const TComplex& z : ExtremeOperands()) {
      SCOPED_TRACE(std::string(routine.name) + " " + Describe(z));
      ClearError();
      ExpectSound(routine.call(z), routine.reducedAngle);
    }
  }
}

TEST_F(ComplexFiniteResultsTest, BinaryRoutinesNeverReturnNaNOrInfinity)
{
  const struct {
    const char* name;
    std::function<TComplex(const TComplex&, const TComplex&)> call;
  } routines[] = {
      {"add", ComplexAdd}, {"sub", ComplexSub}, {"mul", ComplexMul}, {"div", ComplexDiv}, {"power", ComplexPower},
  };
  const std::vector<TComplex> operands = ExtremeOperands();
  for (const auto& routine : routines) {
    for (const TComplex& a : operands) {
      for (const TComplex& b : operands) {
        SCOPED_TRACE(std::string(routine.name) + " " + Describe(a) + ", " + Describe(b));
        ClearError();
        ExpectSound(routine.call(a, b), true);
      }
    }
  }
}

}  // namespace
}  // namespace engine::test
