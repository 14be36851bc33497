// Cases where a part, a square or a quotient on the way leaves the range of Extended, data with a
// large common offset, and the texts and limits beside them: each expression with its value or its
// error. Values computed apart with mpmath at 40 digits, decimal inputs first rounded to Extended.
#include "engine/Engine.h"
#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

namespace engine {
namespace {

// One unit of the last place of a non-zero value.
Extended Ulp(Extended v)
{
  return std::ldexp(Extended(1), std::max(std::ilogb(v), -16382) - 63);
}

std::string Show(Extended v)
{
  std::ostringstream s;
  s << std::setprecision(21) << v;
  return s.str();
}

// Within ulps units of the last place of expected; an expected 0 must come out exactly 0.
void ExpectPart(Extended actual, Extended expected, Extended ulps, const char* part)
{
  if (expected == 0) {
    EXPECT_EQ(actual, 0) << part << " " << Show(actual);
    return;
  }
  EXPECT_LE(std::fabs(actual - expected), ulps * Ulp(expected))
      << part << " " << Show(actual) << ", expected " << Show(expected) << ", "
      << Show(std::fabs(actual - expected) / Ulp(expected)) << " units";
}

class RangeEdgeReferenceTest : public EngineFixture {
protected:
  void SetUp() override
  {
    EngineFixture::SetUp();
    ComplexForm = cfRectangular;
  }
  void TearDown() override
  {
    ComplexForm = cfRectangular;
    EngineFixture::TearDown();
  }

  // Evaluates in complex mode; false with code set when it fails.
  static TComplex Complex(const std::string& text, int& code)
  {
    std::string t = text;
    bool failed = false;
    int pos = 0;
    int span = 0;
    ErrorCode = 0;
    const TComplex z = EvaluateComplexChecked(t, failed, pos, span);
    code = failed ? ErrorCode : -1;
    return z;
  }
};

struct RealCase {
  const char* text;
  Extended expected;
  Extended ulps;
};

void ExpectRealCases(std::initializer_list<RealCase> cases)
{
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Extended v = EvalText(c.text);
    EXPECT_FALSE(ErrorFlag) << ErrorText(ErrorCode);
    ExpectPart(v, c.expected, c.ulps, "value");
  }
}

struct ComplexCase {
  const char* text;
  Extended re;
  Extended im;
  Extended ulps;
};

TEST_F(RangeEdgeReferenceTest, ComplexPartsWhoseSquaresLeaveTheRange)
{
  const ComplexCase cases[] = {
      // the smallest subnormal: its root is normal
      {"sqrt(comp(3.6451995318824746025E-4951,0))", 6.037548783970589667808735867976267573353e-2476L, 0, 1},
      {"arcsinh(comp(1E-4000,0))", 9.999999999999999999872576603777140336686e-4001L, 0, 2},
      // just below the cut: the imaginary part stays negative
      {"arccosh(comp(0.5,-1E-4000))", 1.154700538379251529003583974581850037397e-4000L,
       -1.047197551196597746154214461093167628066L, 4},
      // ln of a subnormal modulus
      {"ln(comp(3E-4950,4E-4950))", -11396.19520639576145095689780987758484460L,
       0.9420000403794636647379371705345935860717L, 2},
      {"ln(comp(-5E-4945,1E-4947))", -11384.67384496235304667416616422822391770L,
       3.139592899754812923281611472034711172691L, 2},
      // whole exponents: exact where the parts are
      {"comp(1,1)^comp(2,0)", 0, 2, 0},
      {"comp(-1,0)^comp(0.5,0)", 0, 1, 0},
      {"comp(5E2465,5E2465)^comp(2,0)", 0, 4.999999999999999999948252699324660589887e+4931L, 1},
      {"comp(1,2)^comp(-3,0)", -0.088L, 0.016L, 1},
      {"comp(1.5,-0.7)^comp(7,0)", -33.92725199999999999922179047193160350558L,
       -2.897703200000000001353422235395029815638L, 2},
      // moduli near the top of the range, and a power near the bottom
      {"comp(1E4000,1E4000)^comp(1.125,0)", 9.368885888612981838922998314270184260966e+4499L,
       1.141602048610635901108124334276768215571e+4500L, 2},
      {"comp(1E4900,2E4900)^comp(0.5,0.25)", 1.092329626000959437142789797110051123353e+2450L,
       3.038287977182144748477483573222898035717e+2449L, 2},
      {"comp(3E4931,-1E4931)^comp(0.9990234375,0)", 4.584043694729965149399388720525897225020e+4926L,
       -1.526414343352871224853262140031239531911e+4926L, 2},
      {"comp(-7E4931,2E4920)^comp(-0.75,0)", -9.239776625814497747494461390814461063634e-3700L,
       -9.239776625854096790176608379110195575056e-3700L, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int code = 0;
    const TComplex z = Complex(c.text, code);
    EXPECT_EQ(code, -1) << ErrorText(code);
    ExpectPart(ComplexRe(z), c.re, c.ulps, "re");
    ExpectPart(ComplexIm(z), c.im, c.ulps, "im");
    EXPECT_EQ(ComplexToText(z, 22).find("NAN"), std::string::npos);
  }
  int code = 0;
  Complex("comp(3E4931,-1E4931)^comp(1.0009765625,0)", code);
  EXPECT_EQ(code, ecOverflow);
}

TEST_F(RangeEdgeReferenceTest, StatisticsOfDataWithALargeCommonOffset)
{
  ExpectRealCases({
      {"std(940231993567700.17334,940231993567700.16974)", 0.002546343999634173824441517173107061359729L, 2},
      {"mean(100000000000000001,100000000000000002,100000000000000004)", 100000000000000002.3333333333333333333333L,
       0.5},
      {"stat(100000000000000001,100000000000000002,100000000000000004)", 4.666666666666666666666666666666666666667L, 2},
      {"pnv(100000000000000001,100000000000000002,100000000000000004)", 1.555555555555555555555555555555555555556L, 2},
      {"variance(100000000000000001,100000000000000002,100000000000000004)",
       1.555555555555555555555555555555555555556L, 2},
      {"psd(100000000000000001,100000000000000002,100000000000000004)", 1.247219128924647128527916244105516433919L, 2},
      {"std(100000000000000001,100000000000000002,100000000000000004)", 1.527525231651946668862682397909336162995L, 2},
      // elements that cancel leave the others' digits
      {"sum(1E20,1,-1E20)", 1, 0},
      {"mean(1E20,1,-1E20,2)", 0.75L, 0},
  });
}

TEST_F(RangeEdgeReferenceTest, LimitsOfPowersAnglesAndMultiples)
{
  ExpectRealCases({
      // the smallest normal Extended
      {"2^(-16382)", 3.362103143112093506262677817321752602598e-4932L, 0.5},
      {"0.5^16382", 3.362103143112093506262677817321752602598e-4932L, 0.5},
      {"(-2)^(-16382)", 3.362103143112093506262677817321752602598e-4932L, 0.5},
      {"lcm(4294967296,4294967297)", 18446744078004518912.0L, 0},
      {"lcm(18446744073709551557,18446744073709551533)", 340282366920938460843936948965011886881.0L, 0.5},
      {"arctan2(-1E-4000,-1E4000)", -3.141592653589793238462643383279502884197L, 0.5},
  });
  AngleMode = 1;
  ExpectRealCases({
      {"arctan2(-1E-4000,-1E4000)", -180, 0},
      {"arctan2(-1E-2000,-1E3000)", -180, 0},
      {"arctan2(1E-4000,-1E4000)", 180, 0},
  });
}

TEST_F(RangeEdgeReferenceTest, EngineeringTextShowsOnlyDigitsOfTheValue)
{
  NotationMode = nmEng;
  struct Case {
    Extended value;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {-596523.24L, 9, "-596.5E+3"},
      {596523.24L, 8, "596.5E+3"},
      {-0.596523L, 9, "-596.5E-3"},
      {-5965.23L, 9, "-5.97E+3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatResult(c.digits, c.value), c.text) << Show(c.value) << " at " << c.digits;
}

}  // namespace
}  // namespace engine
