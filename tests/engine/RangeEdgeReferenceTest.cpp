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

}  // namespace
}  // namespace engine
