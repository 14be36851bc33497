#include "EngineFixture.h"

#include <cmath>

namespace engine {
namespace {

class ComplexEvaluatorTest : public EngineFixture {
protected:
  void SetUp() override
  {
    EngineFixture::SetUp();
    ComplexForm = cfRectangular;
    ComplexResult = ComplexZero;
  }
  void TearDown() override
  {
    ComplexForm = cfRectangular;
    EngineFixture::TearDown();
  }

  // Evaluates a checked text; the value in rectangular form.
  static TComplex Value(const std::string& text)
  {
    std::string t = text;
    bool failed = false;
    int pos = 0;
    int span = 0;
    const TComplex value = EvaluateComplexChecked(t, failed, pos, span);
    EXPECT_FALSE(failed) << text << ": " << ErrorText(ErrorCode) << " at " << pos;
    return RectangularOf(value);
  }

  struct Failure {
    int code;
    int pos;
    int span;
  };
  static Failure Error(const std::string& text)
  {
    std::string t = text;
    bool failed = false;
    int pos = 0;
    int span = 0;
    EvaluateComplexChecked(t, failed, pos, span);
    EXPECT_TRUE(failed) << text;
    return {ErrorCode, pos, span};
  }
};

void ExpectNear(const TComplex& z, Extended re, Extended im, const char* text)
{
  EXPECT_NEAR(static_cast<double>(z.X), static_cast<double>(re), 1e-15) << text;
  EXPECT_NEAR(static_cast<double>(z.Y), static_cast<double>(im), 1e-15) << text;
}

TEST_F(ComplexEvaluatorTest, Values)
{
  const Extended pi = 3.14159265358979323846L;
  const struct {
    const char* text;
    Extended re;
    Extended im;
  } cases[] = {
      {"comp(1,2)+comp(3,4)", 4, 6},     {"comp(1,2)*comp(3,4)", -5, 10},  {"comp(1,2)-comp(1,2)", 0, 0},
      {"sqrt(comp(-4,0))", 0, 2},        {"ln(comp(-1,0))", 0, pi},        {"comp(1,2)^comp(2,0)", -3, 4},
      {"comp(1,1)\xB2", 0, 2},           {"comp(8,0)\xB3", 512, 0},        {"-comp(1,2)", -1, -2},
      {"-comp(2,0)^comp(2,0)", 4, 0},    {"pi", pi, 0},                    {"e*comp(1,0)", 2.7182818284590452354L, 0},
      {"\xB6", pi, 0},                   {"comp(1, 2) / comp(0, 1)", 2, -1}, {"(comp(1,0)+comp(0,1))*comp(2,0)", 2, 2},
      {"abs(comp(3,4))", 5, 0},          {"sqr(comp(0,1))", -1, 0},        {"sinh(comp(0,1))", 0, std::sin(1.0L)},
      {"cosh(comp(1,0))", std::cosh(1.0L), 0},  {"comp(sin(pi/2),2^3)", 1, 8},
  };
  for (const auto& c : cases)
    ExpectNear(Value(c.text), c.re, c.im, c.text);
}

// Results that are exact show no rounding noise of pi in the other part.
TEST_F(ComplexEvaluatorTest, ExactResultsShowNoNoise)
{
  const std::pair<const char*, const char*> cases[] = {
      {"sqrt(comp(-4,0))", "0.0E+0+2.0E+0i"},
      {"sqr(comp(0,1))", "-1.0E+0+0.0E+0i"},
      {"comp(0,1)\xb3", "0.0E+0-1.0E+0i"},
      {"comp(-1,-1E-20)^comp(0.5,0)", "5.0E-21-1.0E+0i"},
  };
  for (const auto& [text, shown] : cases)
    EXPECT_EQ(ComplexToText(Value(text), 12), shown) << text;
}

TEST_F(ComplexEvaluatorTest, LastResult)
{
  ComplexResult = {cfRectangular, 1, 1};
  ExpectNear(Value("?*comp(2,0)"), 2, 2, "?");
}

TEST_F(ComplexEvaluatorTest, PolarInput)
{
  ComplexForm = cfPolar;
  const TComplex z = Value("comp(2,pi/2)");
  EXPECT_NEAR(static_cast<double>(z.X), 0.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(z.Y), 2.0, 1e-18);
}

TEST_F(ComplexEvaluatorTest, Errors)
{
  const struct {
    const char* text;
    int code;
    int pos;
    int span;
  } cases[] = {
      {"comp(1,0)/comp(0,0)", ecDivisionByZero, 11, 9},
      {"ln(comp(0,0))", ecSingularity, 1, 13},
      {"2+comp(1,0)", ecSyntax, 1, 1},
      {"SIN(comp(1,0))", ecSyntax, 1, 3},
      {"q+comp(1,0)", ecSyntax, 1, 1},
      {"comp(1/0,1)", ecDivisionByZero, 8, 1},
      {"comp(1)", ecSyntax, 6, 2},
      {"comp(,1)", ecSyntax, 6, 1},
      {"x*comp(1,0)", ecSyntax, 1, 1},
      {"gamma(comp(1,0))", ecSyntax, 1, 5},
      {"(comp(1,2)", ecMissingCloseParen, 10, 1},
      {"comp(1,2))", ecTooManyCloseParens, 10, 1},
      {"comp(1,2)+-comp(1,0)", ecSyntax, 11, 1},
      {"z=comp(1,0)", ecSyntax, 1, 1},
      {"comp(1E4932,0)+comp(1E4932,0)", ecOverflow, 15, 1},
  };
  for (const auto& c : cases) {
    const Failure f = Error(c.text);
    EXPECT_EQ(f.code, c.code) << c.text;
    EXPECT_EQ(f.pos, c.pos) << c.text;
    EXPECT_EQ(f.span, c.span) << c.text;
  }
}

TEST_F(ComplexEvaluatorTest, DeepNestingIsAnError)
{
  const std::string nested = std::string(5000, '(') + "comp(1,0)" + std::string(5000, ')');
  EXPECT_EQ(Error(nested).code, ecStackOverflow);
}

TEST_F(ComplexEvaluatorTest, UncheckedEvaluationKeepsTheOutputsForAnEmptyText)
{
  std::string text;
  bool failed = true;
  int pos = 7;
  int span = 3;
  TComplex value{cfRectangular, 1, 1};
  EvaluateComplex(text, failed, pos, value, span);
  EXPECT_TRUE(failed);
  EXPECT_EQ(pos, 7);
  text = "comp(1,2)";
  EvaluateComplex(text, failed, pos, value, span);
  EXPECT_FALSE(failed);
  ExpectNear(RectangularOf(value), 1, 2, "comp(1,2)");
}

TEST_F(ComplexEvaluatorTest, Text)
{
  EXPECT_EQ(ComplexToText(Value("comp(1,2)*comp(3,4)"), 12), "-5.0E+0+1.0E+1i");
  EXPECT_EQ(ComplexToText({cfRectangular, 1, -2}, 12), "1.0E+0-2.0E+0i");
  NotationMode = nmFix;
  EXPECT_EQ(ComplexToText({cfRectangular, 1.5L, -0.25L}, 12), "1.5-0.25i");
  EXPECT_EQ(ComplexToText({cfRectangular, -2, 3}, 12), "-2.0+3.0i");
  ComplexForm = cfPolar;
  EXPECT_EQ(ComplexToText({cfRectangular, 0, 2}, 12), "2.0*exp(1.570796327i)");
  EXPECT_EQ(ComplexToText({cfRectangular, 0, -2}, 12), "2.0*exp(-1.57079633i)");
  NumberBase = nbHexadecimal;
  EXPECT_EQ(ComplexToText({cfRectangular, 1, 2}, 12), "*exp(i)");
}

TEST_F(ComplexEvaluatorTest, TableMatchesTheRealPositions)
{
  const auto complexTable = ComplexFunctionTable();
  const auto realTable = FunctionTable();
  ASSERT_EQ(complexTable.size(), 88u);
  for (const TFunctionEntry& e : complexTable) {
    EXPECT_EQ(e.Code, &e - complexTable.data());
    const std::string_view name = e.Name;
    if (name != "___(" && name != "____(" && name != "comp(" && name != "LnGamma(") {
      EXPECT_EQ(name, realTable[static_cast<std::size_t>(e.Code)].Name);
    }
  }
  EXPECT_EQ(complexTable[17].Name, "comp(");
  EXPECT_EQ(complexTable[45].Name, "____(");
  EXPECT_EQ(ComplexHints(17), "Complex number of (..)");
  EXPECT_EQ(ComplexHints(66), "");
  EXPECT_EQ(ComplexSyntaxLines().size(), 14u);
}

}  // namespace
}  // namespace engine
