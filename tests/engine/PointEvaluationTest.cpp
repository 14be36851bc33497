#include "engine/PointEvaluation.h"

#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace engine {
namespace {

// Everything an evaluation at a point leaves behind that a caller can see.
struct TOutcome {
  bool Succeeded = false;
  Extended Value = 0;
  bool Flag = false;
  int Code = 0;
  int Pos = 0;
  int Span = 0;
  Extended Last = 0;
  int VarIndex = 0;
  std::vector<std::string> Names;
  std::vector<Extended> Values;
};

bool SameBits(Extended a, Extended b)
{
  return std::memcmp(&a, &b, 10) == 0;
}

bool SameOutcome(const TOutcome& a, const TOutcome& b)
{
  if (a.Succeeded != b.Succeeded || !SameBits(a.Value, b.Value) || a.Flag != b.Flag || a.Code != b.Code ||
      a.Pos != b.Pos || a.Span != b.Span || !SameBits(a.Last, b.Last) || a.VarIndex != b.VarIndex ||
      a.Names != b.Names || a.Values.size() != b.Values.size())
    return false;
  for (std::size_t i = 0; i < a.Values.size(); ++i) {
    if (!SameBits(a.Values[i], b.Values[i]))
      return false;
  }
  return true;
}

std::string Describe(const TOutcome& o)
{
  char value[64];
  std::snprintf(value, sizeof value, "%.21Lg", o.Value);
  return std::string(o.Succeeded ? "ok " : "failed ") + value + " error " + std::to_string(o.Code) + " at " +
         std::to_string(o.Pos) + "+" + std::to_string(o.Span) + (o.Flag ? " (set)" : "") + ", " +
         std::to_string(o.Names.size()) + " recorded";
}

class PointEvaluationTest : public EngineFixture {
protected:
  // The same starting state before each of the two evaluations that are compared.
  static void StartPoint(Extended x, Extended y)
  {
    VarValues[1] = x;
    VarValues[2] = y;
    VarValues[3] = 4;
    VarExprs->fill({});
    ErrorFlag = false;
    ErrorCode = 99;
    ErrorPos = 77;
    ErrorSpan = 55;
    LastResult = 2.5L;
    CurrentVarIndex = 0;
    UsedVarNames->clear();
    UsedVarValues->clear();
  }

  static TOutcome Finish(bool succeeded, Extended value)
  {
    return {succeeded, value, ErrorFlag, ErrorCode, ErrorPos, ErrorSpan, LastResult, CurrentVarIndex,
            UsedVarNames, UsedVarValues};
  }

  static TOutcome ByPoints(const TPointEvaluation& evaluation, Extended x, Extended y)
  {
    StartPoint(x, y);
    Extended value = 0;
    const bool succeeded = evaluation.Evaluate(value);
    return Finish(succeeded, value);
  }

  static TOutcome ByText(const std::string& text, Extended x, Extended y)
  {
    StartPoint(x, y);
    Extended value = 0;
    const bool succeeded = EvalTypedText(text, value);
    return Finish(succeeded, value);
  }
};

TEST_F(PointEvaluationTest, CompilesOnlyWhatKeepsItsMeaning)
{
  struct Case {
    const char* text;
    bool compiled;
  };
  const Case cases[] = {
      {"sin(x)*cos(y)", true},
      {"exp(-(x^2+y^2))*cos(3*x)", true},
      {"sqrt(x^2 + y^2)*sin(x)-ln(1+y^2)/(1+abs(x))+exp(-y)*cos(x)", true},
      {"-x\xB2+y\xB3-z\xBD", true},
      {"arctan2(y,x)+logN(2,x)", true},
      {"pi*e-\xB6+1.5E3%x", true},
      {"1.5e3*x", false},        // the exponent letter is a capital,
      {"1:30*x", true},
      {"(x=3)+y", false},        // an assignment
      {"solve(x^2-2,x,0,2)", false},
      {"integral(x,x,0,1)", false},
      {"if(x>0;1;2)", false},
      {"sum(x,y)", false},
      {"?+x", false},
      {"random*x", false},
      {"$FF+x", false},
      {"6&x", false},
      {"q+x", false},            // an unknown name
      {"x y", false},
      {"sin(x", false},
      {"x+", false},
      {"", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TPointEvaluation(c.text).Compiled(), c.compiled) << c.text;
}

TEST_F(PointEvaluationTest, UserNamesAreLeftToTheTextEvaluator)
{
  UserVariables->Set("a", 2);
  UserFunctions->Add("F(t)=t*2");
  for (const char* text : {"a*x", "F(x)+y"}) {
    const TPointEvaluation evaluation(text);
    EXPECT_FALSE(evaluation.Compiled()) << text;
    EXPECT_TRUE(SameOutcome(ByPoints(evaluation, 1.5L, 2), ByText(text, 1.5L, 2))) << text;
  }
}

// Errors at a point come out as the text gives them: code, position and span on the typed text.
TEST_F(PointEvaluationTest, ErrorsAtAPointAreTheTextEvaluatorsErrors)
{
  struct Case {
    const char* text;
    Extended x;
    Extended y;
  };
  const Case cases[] = {
      {"1 / (x - 1) + y", 1, 0},     {"ln(x) * 2", 0, 0},          {"x\xBD + 1", -4, 0},
      {"2 ^ (x * y)", 100, 100000},  {"gamma(x)", -2, 0},           {"y / x", 0, 3},
      {"x\xB3 * y\xB3", 1e2000L, 2}, {"arcsin(x) + y", 2, 0},       {"x + y", UndefinedValue, 1},
      {"sqrt(x)", -1, 0},            {"exp(x) - exp(y)", 1e5L, 1e5L},
  };
  for (const Case& c : cases) {
    const TPointEvaluation evaluation(c.text);
    ASSERT_TRUE(evaluation.Compiled()) << c.text;
    const TOutcome points = ByPoints(evaluation, c.x, c.y);
    const TOutcome text = ByText(c.text, c.x, c.y);
    EXPECT_FALSE(text.Succeeded) << c.text;
    EXPECT_TRUE(SameOutcome(points, text)) << c.text << ": " << Describe(points) << " / " << Describe(text);
  }
}

// The joined sine and cosine of a variable and the powers with a whole constant exponent give what
// the text gives, in both angle modes, at ordinary, far and awkward points and where they fail.
TEST_F(PointEvaluationTest, JoinedSineAndCosineAndWholePowersAgreeWithTheText)
{
  const char* const texts[] = {
      "sin(x)*cos(x)", "cos(y)-sin(y)+sin(x)^2", "sin(x)/cos(x)+cos(x)", "x^2+y^-3+x^4*y^0+x^-4",
      "(x^2)^3+x^1", "2^x+x^2.5",
  };
  const Extended points[] = {0, 0.5L, -3, 90, 1e10L, 1e300L, 1e-1000L, -1e2000L, 1e4000L, UndefinedValue};
  for (const int angleMode : {0, 1}) {
    AngleMode = angleMode;
    for (const char* text : texts) {
      const TPointEvaluation evaluation(text);
      ASSERT_TRUE(evaluation.Compiled()) << text;
      for (const Extended x : points) {
        const TOutcome compiled = ByPoints(evaluation, x, 0.25L - x);
        const TOutcome typed = ByText(text, x, 0.25L - x);
        EXPECT_TRUE(SameOutcome(compiled, typed))
            << text << " at " << static_cast<double>(x) << ": " << Describe(compiled) << " / " << Describe(typed);
      }
    }
  }
}

TEST_F(PointEvaluationTest, OtherNumberBasesFallBackToTheText)
{
  const TPointEvaluation evaluation("x+10");
  ASSERT_TRUE(evaluation.Compiled());
  NumberBase = nbHexadecimal;
  NumberChars = HexadecimalNumberChars();
  const TOutcome points = ByPoints(evaluation, 1, 0);
  const TOutcome text = ByText("x+10", 1, 0);
  EXPECT_TRUE(SameOutcome(points, text)) << Describe(points) << " / " << Describe(text);
}

// A loop over many points records each variable once, not once per point: the list ends with the
// record the last point alone makes, after whatever the list held before the loop.
TEST_F(PointEvaluationTest, PointAfterPointTheRecordOfTheLastPointReplacesTheOneBefore)
{
  UserVariables->Set("a", 2);
  const struct {
    const char* text;
    bool compiled;
  } cases[] = {{"sin(x)*cos(y)+x", true}, {"sin(x)+cos(x)", true}, {"a*x+y", false}, {"7", true}};
  for (const auto& c : cases) {
    const TPointEvaluation evaluation(c.text);
    ASSERT_EQ(evaluation.Compiled(), c.compiled) << c.text;
    const TOutcome alone = ByPoints(evaluation, 1.5L, -2);
    UsedVarNames = {"Z"};
    UsedVarValues = {4};
    for (int point = 0; point <= 1000; ++point) {
      VarValues[1] = 1.5L - point;
      VarValues[2] = point * 0.25L - 2;
      Extended value = 0;
      ASSERT_TRUE(evaluation.Evaluate(value)) << c.text;
    }
    const std::vector<std::string> recordedNames = UsedVarNames;
    const std::vector<Extended> recordedValues = UsedVarValues;
    std::vector<std::string> names = {"Z"};
    names.insert(names.end(), alone.Names.begin(), alone.Names.end());
    EXPECT_EQ(recordedNames, names) << c.text;
    ASSERT_EQ(recordedValues.size(), names.size()) << c.text;
    // The last point's values, in the order the single point recorded them.
    const TOutcome last = ByText(c.text, 1.5L - 1000, 1000 * 0.25L - 2);
    for (std::size_t i = 0; i < last.Values.size(); ++i)
      EXPECT_TRUE(SameBits(recordedValues[i + 1], last.Values[i])) << c.text << " value " << i;
  }
}

// A record of other variables at the end of the list stays; so do the recorded lists when they are
// out of step with each other.
TEST_F(PointEvaluationTest, RecordsOfOtherVariablesStay)
{
  const TPointEvaluation evaluation("x+y");
  ASSERT_TRUE(evaluation.Compiled());
  VarValues[1] = 1;
  VarValues[2] = 2;
  Extended value = 0;
  UsedVarNames = {"Y", "X"};
  UsedVarValues = {5, 6};
  ASSERT_TRUE(evaluation.Evaluate(value));
  EXPECT_EQ(*UsedVarNames, (std::vector<std::string>{"Y", "X", "X", "Y"}));
  EXPECT_EQ(*UsedVarValues, (std::vector<Extended>{5, 6, 1, 2}));

  UsedVarNames = {"X", "Y"};
  UsedVarValues = {5};
  ASSERT_TRUE(evaluation.Evaluate(value));
  EXPECT_EQ(*UsedVarNames, (std::vector<std::string>{"X", "Y", "X", "Y"}));
  EXPECT_EQ(*UsedVarValues, (std::vector<Extended>{5, 1, 2}));
}

// Random texts over numbers, x, y, operators, postfix signs, parentheses and built-in functions,
// some of them damaged, each at random points: compiled and text evaluation agree bit for bit.
class RandomText {
public:
  explicit RandomText(std::uint64_t start) : random_(start) {}

  std::string Next()
  {
    std::string text = Expression(2);
    if (Chance(8))
      Damage(text);
    return text;
  }

  Extended Point()
  {
    static const Extended special[] = {0, 1, -1, 2, 0.5L, -0.5L, 3, -3, 1e10L, -1e10L, 1e-20L, 170, 1e300L};
    if (Chance(3))
      return special[Below(std::size(special))];
    return std::uniform_real_distribution<double>(-5, 5)(random_);
  }

  bool Chance(int oneIn) { return Below(static_cast<std::size_t>(oneIn)) == 0; }

private:
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  template <std::size_t N>
  const char* Pick(const char* const (&choices)[N])
  {
    return choices[Below(N)];
  }

  std::string Expression(int depth)
  {
    std::string text = Term(depth);
    while (Chance(4))
      text += std::string(Chance(2) ? "+" : "-") + Blank() + Term(depth);
    return text;
  }

  std::string Term(int depth)
  {
    std::string text = Chance(8) ? "-" : "";
    text += Factor(depth);
    while (Chance(4))
      text += std::string(Pick({"*", "*", "/", "/", "%"})) + Blank() + Factor(depth);
    return text;
  }

  std::string Factor(int depth)
  {
    std::string text = Chance(20) ? "-" : "";
    text += Primary(depth);
    if (Chance(6))
      text += "^" + Factor(depth - 1);
    if (Chance(10))
      text += "\xB2";
    if (Chance(20))
      text += "\xBD";
    if (Chance(15))
      text += "\xB3";
    return text + Blank();
  }

  std::string Primary(int depth)
  {
    static const char* const numbers[] = {"0", "1", "2", "3", "10", "0.5", ".25", "1E3", "2.5E-3", "7", "100"};
    static const char* const rareNumbers[] = {"1E5000", "123456789012345678901", "1:30", "1e3", "1E-4950"};
    static const char* const names[] = {"x", "y", "x", "y", "X", "Y", "pi", "e", "\xB6", "z"};
    static const char* const functions[] = {"sin(", "cos(", "tan(", "exp(", "ln(", "log(", "sqrt(", "abs(",
                                            "arctan(", "arcsin(", "sinh(", "cosh(", "tanh(", "gamma(", "erf(",
                                            "round(", "frac(", "trunc(", "ceil(", "sign(", "sec(", "n!(",
                                            "lgamma(", "log2(", "10^(", "2^("};
    static const char* const twoArgs[] = {"arctan2(", "logN(", "perm(", "gcd("};
    const std::size_t kind = depth <= 0 ? Below(2) : Below(6);
    if (kind == 0)
      return Chance(30) ? Pick(rareNumbers) : Pick(numbers);
    if (kind == 1 || kind == 5)
      return Pick(names);
    if (kind == 2)
      return "(" + Expression(depth - 1) + ")";
    if (kind == 3)
      return Pick(functions) + Expression(depth - 1) + ")";
    if (Chance(10))  // a second argument where only one belongs, or none where two do
      return Chance(2) ? Pick(functions) + Expression(depth - 1) + "," + Expression(depth - 1) + ")"
                       : Pick(twoArgs) + Expression(depth - 1) + ")";
    return Pick(twoArgs) + Expression(depth - 1) + "," + Blank() + Expression(depth - 1) + ")";
  }

  std::string Blank() { return Chance(10) ? " " : ""; }

  void Damage(std::string& text)
  {
    static const char marks[] = "+-*/^()\xB2\xB3\xBD,.xye1?&|%";
    const std::size_t at = Below(text.size() + 1);
    if (Chance(2) && at < text.size())
      text.erase(at, 1);
    else
      text.insert(at, 1, marks[Below(sizeof marks - 1)]);
  }

  std::mt19937_64 random_;
};

TEST_F(PointEvaluationTest, AgreesWithTheTextEvaluatorOnRandomTexts)
{
  RandomText random(20261210);
  constexpr int Texts = 100000;
  int compiled = 0;
  int failures = 0;
  for (int n = 0; n < Texts && failures < 10; ++n) {
    const std::string text = random.Next();
    AngleMode = random.Chance(4) ? 1 : 0;
    const TPointEvaluation evaluation(text);
    compiled += evaluation.Compiled() ? 1 : 0;
    for (int point = 0; point < 2; ++point) {
      const Extended x = random.Chance(500) ? UndefinedValue : random.Point();
      const Extended y = random.Point();
      const TOutcome points = ByPoints(evaluation, x, y);
      const TOutcome typed = ByText(text, x, y);
      if (!SameOutcome(points, typed)) {
        ++failures;
        ADD_FAILURE() << text << " at (" << static_cast<double>(x) << ", " << static_cast<double>(y)
                      << "): compiled " << Describe(points) << ", text " << Describe(typed);
      }
    }
  }
  // Most texts compile; the damaged ones and a few names do not.
  EXPECT_GT(compiled, Texts / 2);
}

}  // namespace
}  // namespace engine
