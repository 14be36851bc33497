#include "engine/ComplexNumber.h"

#include "engine/EngineState.h"
#include "engine/MathError.h"
#include "ComplexFixture.h"

#include <cmath>

namespace engine::test {
namespace {

using ComplexNumberTest = ComplexLibraryTest;

TEST_F(ComplexNumberTest, ConstantsAreRectangular)
{
  ExpectExactly(ComplexZero, cfRectangular, 0, 0);
  ExpectExactly(ComplexOne, cfRectangular, 1, 0);
  ExpectExactly(ComplexI, cfRectangular, 0, 1);
  ExpectExactly(ComplexHalfPi, cfRectangular, Pi / 2, 0);
  ExpectExactly(ComplexInfinity, cfRectangular, MaxResultValue, MaxResultValue);
  ExpectExactly(MakeComplex(cfPolar, 2, 3), cfPolar, 2, 3);
}

TEST_F(ComplexNumberTest, RectangularToPolarAndBack)
{
  struct Case {
    Extended x, y;
    Extended modulus, angle;
  };
  const Case cases[] = {
      {1, 0, 1, 0},
      {0, 1, 1, Pi / 2},
      {-1, 0, 1, Pi},
      {0, 0, 0, 0},
      {-1, -0.0L, 1, Pi},  // a negative zero imaginary part still gives pi, not -pi
      {0, -2, 2, -Pi / 2},
      {3, 4, 5, std::atan2(4.0L, 3.0L)},
      {-3, -4, 5, std::atan2(-4.0L, -3.0L)},
      {1E-4000L, -1E-4000L, std::sqrt(2.0L) * 1E-4000L, -Pi / 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(Rect(c.x, c.y)));
    ClearError();
    const TComplex p = ConvertComplexForm(Rect(c.x, c.y), cfPolar);
    EXPECT_EQ(p.Form, cfPolar);
    ExpectRelative(p.X, c.modulus, 1E-18L);
    ExpectRelative(p.Y, c.angle, 1E-18L);
    const TComplex back = ConvertComplexForm(p, cfRectangular);
    EXPECT_EQ(back.Form, cfRectangular);
    ExpectNear(back, {c.x, c.y}, 1E-18L);
  }
}

TEST_F(ComplexNumberTest, ConvertingToTheSameFormChangesNothing)
{
  ExpectExactly(ConvertComplexForm(MakeComplex(cfPolar, -2, 7), cfPolar), cfPolar, -2, 7);
  ExpectExactly(ConvertComplexForm(Rect(-0.5L, 3), cfRectangular), cfRectangular, -0.5L, 3);
}

TEST_F(ComplexNumberTest, PartsAndModulusInBothForms)
{
  const StdComplex values[] = {{3, -4}, {-1.5L, 0.25L}, {0, 7}, {-2, 0}, {1E-3000L, 1E3000L}};
  for (const auto& c : values) {
    SCOPED_TRACE(Describe(c));
    for (const TComplex& z : {Rect(c), PolarOfStd(c)}) {
      const Extended rounding = 1E-18L * std::abs(c);
      EXPECT_LE(std::fabs(ComplexRe(z) - c.real()), rounding);
      EXPECT_LE(std::fabs(ComplexIm(z) - c.imag()), rounding);
      ExpectRelative(ComplexAbs(z), std::abs(c), 1E-18L);
    }
  }
  // A polar record may carry a negative modulus; its absolute value is still positive.
  EXPECT_EQ(ComplexAbs(MakeComplex(cfPolar, -2, 1)), 2);
}

TEST_F(ComplexNumberTest, EqualityComparesTheNumbersWhateverTheForms)
{
  EXPECT_TRUE(ComplexEquals(Rect(1, 2), Rect(1, 2)));
  EXPECT_FALSE(ComplexEquals(Rect(1, 2), Rect(1, 2.0000001L)));
  EXPECT_TRUE(ComplexEquals(MakeComplex(cfPolar, 1, 0), ComplexOne));
  EXPECT_TRUE(ComplexEquals(MakeComplex(cfPolar, 0, 2), ComplexZero));
  EXPECT_FALSE(ComplexEquals(MakeComplex(cfPolar, 1, 0), ComplexI));
}

TEST_F(ComplexNumberTest, SignFollowsTheRealPartThenTheImaginaryPart)
{
  struct Case {
    TComplex z;
    int sign;
  };
  const Case cases[] = {
      {Rect(2, -5), 1},   {Rect(-2, 5), -1}, {Rect(0, 3), 1},
      {Rect(0, -3), -1},  {Rect(0, 0), 0},   {MakeComplex(cfPolar, 2, Pi), -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c.z));
    EXPECT_EQ(ComplexSign(c.z), c.sign);
  }
}

TEST_F(ComplexNumberTest, NegationAndConjugateKeepTheForm)
{
  ExpectExactly(ComplexNeg(Rect(1, -2)), cfRectangular, -1, 2);
  ExpectExactly(ComplexConj(Rect(1, -2)), cfRectangular, 1, 2);

  const TComplex negated = ComplexNeg(MakeComplex(cfPolar, 2, Pi / 3));
  EXPECT_EQ(negated.Form, cfPolar);
  EXPECT_EQ(negated.X, 2);
  ExpectRelative(negated.Y, -2 * Pi / 3, 1E-18L);

  const TComplex conjugate = ComplexConj(MakeComplex(cfPolar, 2, Pi));
  EXPECT_EQ(conjugate.Form, cfPolar);
  EXPECT_EQ(conjugate.Y, Pi);  // -pi is reduced back to pi
}

TEST_F(ComplexNumberTest, PolarOfNormalisesModulusAndAngle)
{
  const TComplex p = PolarOf(MakeComplex(cfPolar, -2, 0));
  EXPECT_EQ(p.X, 2);
  EXPECT_EQ(p.Y, Pi);
  const TComplex q = PolarOf(MakeComplex(cfPolar, 3, 7 * Pi / 2));
  EXPECT_EQ(q.X, 3);
  ExpectRelative(q.Y, -Pi / 2, 1E-17L);
}

TEST_F(ComplexNumberTest, ConversionsKeepAnEarlierErrorCode)
{
  // A failed evaluation's code survives the conversion of its value for display.
  ErrorCode = ecSingularity;
  ConvertComplexForm(Rect(3, 4), cfPolar);
  ConvertComplexForm(MakeComplex(cfPolar, 1, 2), cfRectangular);
  ComplexAbs(Rect(3, 4));
  EXPECT_EQ(ErrorCode, ecSingularity);
}

TEST_F(ComplexNumberTest, ModulusBeyondTheRangeIsAnOverflowNotInfinity)
{
  const TComplex p = ConvertComplexForm(ComplexInfinity, cfPolar);
  ExpectFinite(p);
  EXPECT_EQ(p.X, MaxResultValue);
  EXPECT_EQ(ErrorCode, ecOverflow);
  ClearError();
  EXPECT_EQ(ComplexAbs(Rect(-MaxResultValue, MaxResultValue)), MaxResultValue);
  EXPECT_EQ(ErrorCode, ecOverflow);
}

}  // namespace
}  // namespace engine::test
