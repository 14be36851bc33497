// Beta with a large argument, integral( and solve( against values computed apart at 40 digits:
// every value is right to the digits it carries, and what has no value is an error.
#include "EngineFixture.h"

#include "engine/Constructs.h"

#include <charconv>
#include <cmath>
#include <string>

namespace engine {
namespace {

// A value or an error code.
struct Case {
  const char* text;
  Extended expected;
  int error = -1;
};
constexpr int NoError = -1;

// The value's shortest decimal form is right to within one unit of its last digit, or, where that
// form has all of Extended's digits, within a few units of Extended's last place.
testing::AssertionResult RightToItsDigits(Extended value, Extended expected)
{
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
  const std::string form(text, end);
  const auto e = form.find('e');
  int digits = 0;
  for (std::size_t i = 0; i < e; ++i)
    digits += form[i] >= '0' && form[i] <= '9' ? 1 : 0;
  const int exponent = std::stoi(form.substr(e + 1));
  const Extended unit = std::pow(Extended(10), static_cast<Extended>(exponent - digits + 1));
  const Extended allowed = std::max(unit, 4E-19L * std::fabs(expected));
  if (std::fabs(value - expected) <= allowed)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << form << " shows " << digits << " digits; off by "
                                     << static_cast<double>((value - expected) / expected) << " of it";
}

class PrecisionHost : public EngineHost {
public:
  std::string precision = "9";
  std::string PrecisionText() const override { return precision; }
};

class HardReferenceCasesTest : public EngineFixture {
protected:
  PrecisionHost host;
  void SetUp() override
  {
    EngineFixture::SetUp();
    SetHost(&host);
  }

  // Each case: its error, or a value right to its digits and to at least `digits` of them.
  void Check(const Case& c, int digits) { Check(c, digits, true); }
  // Each case: its error, or a value within `relative` of the reference.
  void CheckRelative(const Case& c, Extended relative)
  {
    SCOPED_TRACE(c.text);
    const Extended value = EvalText(c.text);
    if (c.error != NoError) {
      EXPECT_TRUE(ErrorFlag);
      EXPECT_EQ(ErrorCode, c.error);
      return;
    }
    ASSERT_FALSE(ErrorFlag) << ErrorText(ErrorCode);
    EXPECT_LE(std::fabs((value - c.expected) / c.expected), relative);
  }

private:
  void Check(const Case& c, int digits, bool)
  {
    SCOPED_TRACE(std::string(c.text) + " at precision " + host.precision);
    const Extended value = EvalText(c.text);
    if (c.error != NoError) {
      EXPECT_TRUE(ErrorFlag);
      EXPECT_EQ(ErrorCode, c.error);
      return;
    }
    ASSERT_FALSE(ErrorFlag) << ErrorText(ErrorCode);
    EXPECT_TRUE(RightToItsDigits(value, c.expected));
    // So many digits are right to one unit of the last.
    const Extended wanted = std::pow(Extended(10), static_cast<Extended>(1 - digits));
    EXPECT_LE(std::fabs(value - c.expected), wanted * std::fabs(c.expected)) << static_cast<double>(value);
  }
};

TEST_F(HardReferenceCasesTest, BetaWithALargeArgument)
{
  const Case cases[] = {
      {"beta(2,1E20)", 9.9999999999999999999E-41L},
      {"beta(1E20,2)", 9.9999999999999999999E-41L},
      {"beta(2,1E18)", 9.99999999999999999E-37L},
      {"beta(50,1E92)", 6.082818640342675608722522E-4538L},
      {"beta(0.5,1E10)", 0.00001772453850927671700434625L},
      {"beta(1000,1E6)", 2.442228900346160329373948E-3436L},
      {"beta(3000,3000)", 4.276499409201722623418503E-1808L},
      {"beta(30,40)", 1.053942460379654569016676E-21L},
      {"beta(7,21)", 1.608697260871173914652176E-7L},
      {"beta(-2.5,1E10)", -9453087200693693160635140.0L},
      {"beta(-2.5,30)", -4007.025288888651494760534L},
      {"beta(2.5,1E4000)", 0, ecUnderflow},
      {"beta(1E10,1E10)", 0, ecUnderflow},
      {"beta(25.5,1E300)", 0, ecUnderflow},
  };
  for (const Case& c : cases)
    CheckRelative(c, 1E-15L);
}

TEST_F(HardReferenceCasesTest, Integrals)
{
  struct PrecisionCase {
    const char* precision;
    int digits;  // at least so many are right
    Case c;
  };
  const PrecisionCase cases[] = {
      // Divergent: an error at every precision.
      {"2", 0, {"integral(0,1,1/x)", 0, ecSingularity}},
      {"6", 0, {"integral(0,1,1/x)", 0, ecSingularity}},
      {"12", 0, {"integral(0,1,1/x)", 0, ecSingularity}},
      {"2", 0, {"integral(-1,1,1/x)", 0, ecSingularity}},
      {"9", 0, {"integral(-1,1,1/x)", 0, ecSingularity}},
      {"9", 0, {"integral(0,1,1/x^2)", 0, ecSingularity}},
      {"9", 0, {"integral(0,1,1/(x-0.25))", 0, ecSingularity}},
      {"9", 0, {"integral(-3,2,1/(x+1)^2)", 0, ecSingularity}},
      {"9", 0, {"integral(0,1,1/(x-1/3))", 0, ecSingularity}},
      {"9", 0, {"integral(-1,1,1/sin(x))", 0, ecSingularity}},
      {"9", 0, {"integral(0,1,ln(x)/x)", 0, ecSingularity}},
      // Close to a pole but not at it: a value.
      {"9", 9, {"integral(1E-300,1,1/x)", 690.7755278982137052053974L}},
      {"15", 15, {"integral(0,1,1/(x+1E-12))", 27.63102111592954820821589695621237049155L}},
      {"9", 9, {"integral(0,1,x^(-0.99))", 100}},
      // Integrable singularities at an end or inside.
      {"9", 9, {"integral(0,1,1/sqrt(x))", 2}},
      {"10", 10, {"integral(0,1,1/sqrt(x))", 2}},
      {"14", 14, {"integral(0,1,1/sqrt(x))", 2}},
      {"18", 17, {"integral(0,1,1/sqrt(x))", 2}},
      {"12", 12, {"integral(1,0,1/sqrt(x))", -2}},
      {"12", 12, {"integral(0,1,ln(x))", -1}},
      {"9", 9, {"integral(0,1,x^(-0.9))", 10}},
      {"15", 15, {"integral(0,1,sqrt(x)*ln(x))", -0.4444444444444444444444444L}},
      {"12", 12, {"integral(0,1,1/sqrt(sin(x)))", 2.034805319207569737956933L}},
      {"12", 12, {"integral(-1,1,1/sqrt(abs(x)))", 4}},
      {"15", 15, {"integral(-1,1,sin(x)/x)", 1.892166140734366029882707L}},
      // At a non-zero end the points come no closer than Extended's spacing: fewer digits, all right.
      {"9", 6, {"integral(0,1,1/sqrt(1-x))", 2}},
      {"16", 6, {"integral(0,1,1/sqrt(1-x))", 2}},
      // Jumps, also equal ones at places a piece's rule sees mirrored.
      {"12", 12, {"integral(0,1,floor(10*x))", 4.5L}},
      {"18", 17, {"integral(0,1,floor(10*x))", 4.5L}},
      {"9", 9, {"integral(0,1,floor(100*x))", 49.5L}},
      {"12", 12, {"integral(0,3,if(x<<1.234567)then(1)else(2))", 4.765433L}},
      {"12", 12, {"integral(0,1,abs(x-0.3))", 0.29L}},
      {"12", 12, {"integral(0,2,floor(x))", 1}},  // a jump onto an end of the interval
      // All of the value between an end and the nodes nearest it.
      {"12", 12, {"integral(0,1E10,exp(-x))", 1}},
      // Oscillating, with its value far below the integrand's scale.
      {"1", 1, {"integral(0,100,sin(x))", 0.1376811277123160658980615L}},
      {"9", 9, {"integral(0,100,sin(x))", 0.1376811277123160658980615L}},
      {"15", 14, {"integral(0,100,sin(x))", 0.1376811277123160658980615L}},
      {"12", 9, {"integral(0,100,sin(1000*x))", 0.001999360807438212451891135414144802203235L}},
      {"18", 18, {"integral(0,10,exp(-x^2))", 0.8862269254527580136490837L}},
  };
  for (const PrecisionCase& c : cases) {
    host.precision = c.precision;
    Check(c.c, c.digits);
  }
}

TEST_F(HardReferenceCasesTest, SolveBracketsASignChangeToTheLastDigit)
{
  const Case cases[] = {
      {"solve(0,1000,exp(x)-1E300)", 690.7755278982137052053974L},
      {"solve(0,1,1E-16*(x-0.7))", 0.7L},
      {"solve(0,3,(x-1)^3)", 1},
      {"solve(0,2,x^2-2)", 1.414213562373095048801689L},
      {"solve(-1,2,x-1E-3000)", 1E-3000L},
      {"solve(1,2,tan(x))", 0, ecSingularity},
      {"solve(0,1,if(x<<0.3)then(-1)else(1))", 0.3L},
      {"solve(-1E4932,1E4932,x-3)", 3},
      // Touching the axis without a sign change: known as far as |f| stays off it.
      {"solve(-1,1,x^2)", 0},
      {"solve(0,3,(x-1)^2)", 1},
      {"solve(0,2,1E-10*(x-0.7)^2)", 0.7L},
      {"solve(0,3,-(x-1.3)^2)", 1.3L},
      // A minimum of 1E-40 is far above 0 for a function of this size: no root.
      {"solve(0,1,1E-30*(x-0.5)^2+1E-40)", 0, ecIntervalError},
  };
  for (const Case& c : cases)
    Check(c, 18);
}

}  // namespace
}  // namespace engine
