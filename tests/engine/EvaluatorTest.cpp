#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <string>

namespace engine {
namespace {

class EvaluatorTest : public testing::Test {
protected:
  void SetUp() override
  {
    NumberBase = nbDecimal;
    NumberChars = DecimalNumberChars();
    LastResult = 0;
    ErrorCode = 0;
  }
  void TearDown() override { SetUp(); }
};

struct ValueCase {
  const char* text;
  Extended value;
};

TEST_F(EvaluatorTest, Values)
{
  const ValueCase cases[] = {
      {"2^3^2", 512},          {"-2^2", -4},          {"2^-1", 0.5L},         {"2^-3", 0.125L},
      {"8/2/2", 2},            {"5%20", 1},           {"6&3", 2},             {"6|3", 7},
      {"6\\3", 5},             {"-1&5", 5},           {"2.9|0", 2},           {"-2.9|0", -2},
      {"4294967296&4294967296", 0}, {"4294967295&4294967295", -1}, {"1+2&3", 3},
      {"$FF", 255},            {"#101", 5},           {"1:30", 1.5L},         {"1:30:36", 1.51L},
      {".5", 0.5L},            {"1E3", 1000},         {"1E-2", 0.01L},        {"1E0", 1},
      {"1E+2", 100},           {"2*(-3)", -6},        {"3\xB2", 9},           {"3\xB3", 27},
      {"9\xBD", 3},            {"-9\xBD", -3},        {"2^2\xB2", 16},        {"(2+3)*4", 20},
      {"1 + 2 * 3", 7},        {"((1))", 1},          {"-(2)", -2},           {"1E-5000", 0},
      {"9007199254740993-9007199254740992", 1},
      {"\xB6*2", 6.283185307179586476925286766559L},
  };
  for (const auto& c : cases) {
    const Extended value = EvalText(c.text);
    EXPECT_FALSE(ErrorFlag) << c.text << ": error " << ErrorCode << " at " << ErrorPos;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST_F(EvaluatorTest, LastResultIsReadByQuestionMark)
{
  EvalText("6*7");
  EXPECT_EQ(LastResult, 42);
  EXPECT_EQ(EvalText("?+1"), 43);
  EXPECT_EQ(EvalText("2^-?"), 0.5L / (1LL << 42));
}

struct ErrorCase {
  const char* text;
  int code;
  int pos;
  int span;
};

TEST_F(EvaluatorTest, Errors)
{
  const ErrorCase cases[] = {
      {"2+-3", ecSyntax, 3, 1},
      {"2^-*3", ecSyntax, 4, 1},
      {"2^-", ecSyntax, 3, 1},
      {"2^+", ecSyntax, 3, 1},
      {"2*-3", ecSyntax, 3, 1},
      {"--3", ecSyntax, 2, 1},
      {"*2", ecSyntax, 1, 1},
      {"%2", ecSyntax, 1, 1},
      {"2X", ecSyntax, 2, 1},
      {"1e3", ecSyntax, 2, 1},
      {"1:30.5", ecSyntax, 5, 1},
      {"1E", ecSyntax, 2, 1},
      {"1E+", ecSyntax, 3, 1},
      {"1E3.5", ecSyntax, 4, 1},
      {"$", ecSyntax, 1, 1},
      {"$G", ecSyntax, 2, 1},
      {"1/0", ecDivisionByZero, 3, 1},
      {"1/0+1", ecDivisionByZero, 3, 1},
      {"1/(2-2)", ecDivisionByZero, 3, 5},
      {"1/(2-2)*3", ecDivisionByZero, 3, 5},
      {"1 / 0", ecDivisionByZero, 5, 1},
      {"(1))", ecTooManyCloseParens, 4, 1},
      {")(", ecSyntax, 1, 1},
      {"(2+3", ecMissingCloseParen, 4, 1},
      {"(0-9)\xBD", ecArgumentNegative, 6, 1},
      {"0^0", ecDivisionByZero, 2, 1},
      {"0^-1", ecDivisionByZero, 2, 1},
      {"(0-2)^0.5", ecArgumentNegative, 6, 1},
      {"10^5000", ecOverflow, 3, 1},
      {"1E4000*1E4000", ecOverflow, 7, 1},
      {"1E4932+1E4932", ecOverflow, 7, 1},
      {"1E999999999", ecOverflow, 1, 11},
      {"1E4000\xB2", ecOverflow, 7, 1},
      {"1E20|0", ecOverflow, 5, 1},
      {"1E19&1", ecOverflow, 5, 1},
      {"abc+1", ecSyntax, 1, 3},
      {"2+abc", ecSyntax, 3, 3},
  };
  for (const auto& c : cases) {
    EvalText(c.text);
    EXPECT_TRUE(ErrorFlag) << c.text;
    EXPECT_EQ(ErrorCode, c.code) << c.text;
    EXPECT_EQ(ErrorPos, c.pos) << c.text;
    EXPECT_EQ(ErrorSpan, c.span) << c.text;
    EXPECT_EQ(ErrorText(ErrorCode).empty(), false);
  }
}

TEST_F(EvaluatorTest, ErrorTexts)
{
  EXPECT_EQ(ErrorText(0), "Syntax error");
  EXPECT_EQ(ErrorText(13), "Division by zero");
  EXPECT_EQ(ErrorText(16), "Too many \")\"");
  EXPECT_EQ(ErrorText(20), "\",\" expected");
  EXPECT_EQ(ErrorText(1), "Undefined");
  EXPECT_EQ(ErrorText(5), "Undefined");
  EXPECT_EQ(ErrorText(99), "Undefined");
  UserFuncErrorCode = 13;
  UserFuncErrorPos = 4;
  EXPECT_EQ(ErrorText(27), "User Function Error \"Division by zero position: 4\" ");
}

TEST_F(EvaluatorTest, EvalExpressionChecksNoParenthesesAndKeepsStateForEmptyText)
{
  ExprString = "(2+3";
  EXPECT_EQ(EvalExpression(ExprString), 5);
  EXPECT_FALSE(ErrorFlag);

  EvalText("1/0");
  ExprString->clear();
  EXPECT_EQ(EvalExpression(ExprString), 0);
  EXPECT_TRUE(ErrorFlag);
  EXPECT_EQ(ErrorCode, ecDivisionByZero);
}

TEST_F(EvaluatorTest, EvalSubExpressionReportsThroughItsArguments)
{
  bool failed = false;
  int pos = -1;
  int span = -1;
  EXPECT_EQ(EvalSubExpression("2*3", failed, pos, span), 6);
  EXPECT_FALSE(failed);
  EvalSubExpression("1/(1-1)", failed, pos, span);
  EXPECT_TRUE(failed);
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(span, 5);
  failed = true;
  EvalSubExpression("", failed, pos, span);
  EXPECT_TRUE(failed);
}

TEST_F(EvaluatorTest, NumberBases)
{
  NumberBase = nbHexadecimal;
  NumberChars = HexadecimalNumberChars();
  EXPECT_EQ(EvalText("10"), 10);
  EXPECT_EQ(EvalText("1E2"), 256);
  EXPECT_EQ(EvalText("1.8"), 1.5L);
  EXPECT_EQ(EvalText("$1F"), 31);
  NumberBase = nbBinary;
  NumberChars = BinaryNumberChars();
  EXPECT_EQ(EvalText("1E3"), 8);
  EXPECT_EQ(EvalText("1.1"), 1.5L);
  EvalText("1.2");  // 2 is no binary digit
  EXPECT_TRUE(ErrorFlag);
  EXPECT_EQ(ErrorCode, ecSyntax);
}

TEST_F(EvaluatorTest, DeepNestingIsAnErrorNotACrash)
{
  const int depth = 100000;
  const std::string nested = std::string(depth, '(') + "1" + std::string(depth, ')');
  EvalText(nested);
  EXPECT_TRUE(ErrorFlag);
  EXPECT_EQ(ErrorCode, ecStackOverflow);

  std::string chain = "2";
  for (int i = 0; i < depth; ++i)
    chain += "^1";
  EvalText(chain);
  EXPECT_EQ(ErrorCode, ecStackOverflow);

  const std::string moderate = std::string(500, '(') + "1" + std::string(500, ')');
  EXPECT_EQ(EvalText(moderate), 1);
  EXPECT_FALSE(ErrorFlag);
}

}  // namespace
}  // namespace engine
