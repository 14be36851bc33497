// Results beyond the range are errors in every path, and every error lies inside its text.

#include "EngineFixture.h"
#include "engine/EngineState.h"

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace engine {
namespace {

using ErrorPlacesTest = EngineFixture;

struct ComplexOutcome {
  bool failed = false;
  int pos = 0;
  int span = 0;
  TComplex value = ComplexZero;
};

ComplexOutcome EvalComplexText(const std::string& typed)
{
  ComplexOutcome outcome;
  ErrorCode = 0;
  std::string text = typed;
  EvaluateComplex(text, outcome.failed, outcome.pos, outcome.value, outcome.span);
  return outcome;
}

void ExpectInside(const std::string& text, int pos, int span)
{
  const int length = static_cast<int>(text.size());
  EXPECT_GE(pos, 1) << text;
  EXPECT_GE(span, 1) << text;
  EXPECT_LE(pos + span - 1, length) << text << " at " << pos << " span " << span;
}

TEST_F(ErrorPlacesTest, ResultsBeyondTheRangeAreErrorsInRealMode)
{
  const struct {
    std::string text;
    int code;
    int pos;
    int span;
  } cases[] = {
      {"1E999999999", ecOverflow, 1, 11},
      {"#1E5000", ecOverflow, 1, 7},
      {"#1.1E5000", ecOverflow, 1, 9},
      {"#" + std::string(20000, '1'), ecOverflow, 1, 20001},
      {std::string(5000, '9') + ":0", ecOverflow, 1, 5002},
      {"1:" + std::string(5000, '9'), ecOverflow, 1, 5002},
      {"1E4932*10", ecOverflow, 7, 1},
      {"-1E4932-1E4932", ecOverflow, 8, 1},
      {"(1E4000)\xB2", ecOverflow, 9, 1},
      {"(1E3000)\xB3", ecOverflow, 9, 1},
      {"(1E4000)^2", ecOverflow, 9, 1},
      {"sum(1E4932,1E4932)", ecOverflow, 1, 18},
      {"integral(0,1,1E4932*x)", ecOverflow, 14, 8},
      {"if(1>>0)then(1E4932*10)else(1)", ecOverflow, 20, 1},
  };
  for (const auto& c : cases) {
    const std::string shown = c.text.substr(0, 40);
    const Extended value = EvalText(c.text);
    ASSERT_TRUE(ErrorFlag) << shown << " gives " << static_cast<double>(value);
    EXPECT_EQ(ErrorCode, c.code) << shown;
    EXPECT_EQ(ErrorPos, c.pos) << shown;
    EXPECT_EQ(ErrorSpan, c.span) << shown;
  }
}

TEST_F(ErrorPlacesTest, LiteralsOfZeroWithAnyExponentAreZero)
{
  for (const char* text : {"#0E5000", "#0E99999", "#0.0E5000", "$0.E5000", "0E999999999"})
    EXPECT_EQ(Value(text), 0) << text;
}

TEST_F(ErrorPlacesTest, ResultsBeyondTheRangeAreErrorsInComplexMode)
{
  for (const char* text : {"comp(#1E5000,0)", "comp(1,1E999999999)", "comp(1E4932*10,0)", "e^comp(1E5,0)",
                           "comp(1E4000,0)\xB2", "comp(1E4000,0)*comp(1E4000,0)", "sqr(comp(1E3000,1E3000))",
                           "comp(1E4932,0)+comp(1E4932,0)"}) {
    const ComplexOutcome outcome = EvalComplexText(text);
    EXPECT_TRUE(outcome.failed) << text;
    EXPECT_EQ(ErrorCode, ecOverflow) << text;
  }
  const ComplexOutcome zero = EvalComplexText("comp(#0E5000,#0E5000)");
  EXPECT_FALSE(zero.failed);
  EXPECT_EQ(zero.value.X, 0);
  EXPECT_EQ(zero.value.Y, 0);
}

TEST_F(ErrorPlacesTest, ErrorsLieInsideTheText)
{
  const struct {
    bool complex;
    const char* text;
    int pos;
    int span;
  } cases[] = {
      {true, "e^-*e", 4, 1},
      {true, "   ", 1, 1},
      {true, " ", 1, 1},
      {true, "e^-", 3, 1},
      {false, "if(1>>0)th", 9, 2},
      {false, "e^-*e", 4, 1},
  };
  for (const auto& c : cases) {
    int pos = 0;
    int span = 0;
    if (c.complex) {
      const ComplexOutcome outcome = EvalComplexText(c.text);
      ASSERT_TRUE(outcome.failed) << c.text;
      pos = outcome.pos;
      span = outcome.span;
    } else {
      EvalText(c.text);
      ASSERT_TRUE(ErrorFlag) << c.text;
      pos = ErrorPos;
      span = ErrorSpan;
    }
    EXPECT_EQ(pos, c.pos) << c.text;
    EXPECT_EQ(span, c.span) << c.text;
  }
}

TEST_F(ErrorPlacesTest, RandomAndMutatedTextsGiveErrorsInsideTheText)
{
  const std::vector<std::string> starts = {
      "if(1>>0)then(2)else(3)", "e^-*e",      "comp(1,2)*comp(3,4)", "sum(1,2,3)",       "#101.1E11",
      "$FF.8E2",                "1:30:15",    "sin(pi/2)^2",         "integral(0,1,x)",  "(1+2)*(3-4)/5",
      "2^-3",                   "fac(5)",     "ln(comp(-1,0))",      "sqrt(comp(-4,0))", "1E4932*10"};
  const std::string alphabet = "0123456789.,:()+-*/^#$E e?xifthenls=<>|&%\\\xB2\xB3\xBD";
  std::mt19937 random(13);
  const auto pick = [&random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    if (round % 2 == 0) {
      text = starts[pick(starts.size())];
      for (int edits = 1 + static_cast<int>(pick(3)); edits > 0; --edits) {
        const char c = alphabet[pick(alphabet.size())];
        const std::size_t at = pick(text.size() + 1);
        switch (pick(3)) {
          case 0: text.insert(at, 1, c); break;
          case 1: if (at < text.size()) text.erase(at, 1); break;
          default: if (at < text.size()) text[at] = c; break;
        }
      }
    } else {
      for (std::size_t n = 1 + pick(12); n > 0; --n)
        text += alphabet[pick(alphabet.size())];
    }
    if (text.empty())
      continue;
    SCOPED_TRACE(text);
    ResetEngine();
    const Extended value = EvalText(text);
    if (ErrorFlag)
      ExpectInside(text, ErrorPos, ErrorSpan);
    else
      EXPECT_TRUE(std::isfinite(value));
    const ComplexOutcome outcome = EvalComplexText(text);
    if (outcome.failed)
      ExpectInside(text, outcome.pos, outcome.span);
    else
      EXPECT_TRUE(std::isfinite(outcome.value.X) && std::isfinite(outcome.value.Y));
  }
}

}  // namespace
}  // namespace engine
