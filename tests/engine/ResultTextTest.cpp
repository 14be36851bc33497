#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace engine {
namespace {

class ResultTextTest : public testing::Test {
protected:
  void SetUp() override { Reset(); }
  void TearDown() override
  {
    Reset();
    SetHost(nullptr);
  }
  static void Reset()
  {
    NotationMode = nmScn;
    NumberBase = nbDecimal;
    ErrorFlag = false;
    ErrorCode = 0;
    ExprString = "1+2";
  }
};

struct FormatCase {
  int notation;
  Extended value;
  const char* text;
};

TEST_F(ResultTextTest, DecimalNotations)
{
  const FormatCase cases[] = {
      {nmScn, 5, "5.0E+0"},          {nmScn, 123456789, "1.2345679E+8"}, {nmScn, -0.5L, "-5.0E-1"},
      {nmScn, 0, "0.0E+0"},          {nmScn, 1e300L, "1.0E+300"},      {nmScn, -1e-4000L, "-1.0E-4000"},
      {nmFix, 5, "5.0"},             {nmFix, 2.5L, "2.5"},             {nmFix, 0.25L, "0.25"},
      {nmFix, -5, "-5.0"},           {nmFix, 1e8L, "1.0E+8"},          {nmFix, 0, "0.0"},
      {nmFix, 0.00001L, "1.0E-5"},   {nmFix, 1234.5L, "1234.5"},       {nmFix, -0.75L, "-0.75"},
      {nmEng, 12345, "12.345E+3"},   {nmEng, 0.0001234L, "123.4E-6"},  {nmEng, 5, "5.0E+0"},
      {nmEng, 100000, "100.0E+3"},   {nmEng, -0.05L, "-50.0E-3"},
      {nmSxg, 1.5L, "1:30:0"},       {nmSxg, -2.25L, "-2:15:0"},       {nmSxg, 12.3456L, "12:20:44"},
      {nmSxg, 1.51L, "1:30:36"},     {nmSxg, 3.3L, "3:18:0"},
  };
  for (const auto& c : cases) {
    NotationMode = c.notation;
    EXPECT_EQ(FormatResult(12, c.value), c.text) << "notation " << c.notation;
    EXPECT_FALSE(ErrorFlag);
  }
}

TEST_F(ResultTextTest, ExtendedPrecisionShowsThrough)
{
  EXPECT_EQ(FormatResult(21, EvalText("0.1+0.2")), "3.0E-1");
  EXPECT_EQ(FormatResult(21, EvalText("1/3")), "3.3333333333333333E-1");
  EXPECT_EQ(FormatResult(12, EvalText("2/3")), "6.6666667E-1");
}

TEST_F(ResultTextTest, FixWithFewDigitsDoesNotGoNegative)
{
  NotationMode = nmFix;
  EXPECT_EQ(FormatResult(2, 5), "5");
  EXPECT_EQ(FormatResult(0, 0.5L), "0");  // rounds to even
}

TEST_F(ResultTextTest, SexagesimalLimit)
{
  NotationMode = nmSxg;
  LastResult = 7;
  EXPECT_EQ(FormatResult(12, 1e10L), "0:0:0");
  EXPECT_TRUE(ErrorFlag);
  EXPECT_EQ(ErrorCode, ecChangeNotation);
  EXPECT_EQ(ErrorPos, 4);
  EXPECT_EQ(LastResult, 0);
}

class TestHost : public EngineHost {
public:
  int group = 8;
  int DigitGroup() const override { return group; }
};

TEST_F(ResultTextTest, HexadecimalAndBinary)
{
  NumberBase = nbHexadecimal;
  EXPECT_EQ(FormatResult(12, 255), "FF");
  EXPECT_EQ(FormatResult(12, 255.9L), "FF");
  EXPECT_EQ(FormatResult(12, -16), "-10");
  EXPECT_EQ(FormatResult(12, 0), "0");
  EXPECT_EQ(FormatResult(12, 2147483647), "7FFFFFFF");
  EXPECT_FALSE(ErrorFlag);
  EXPECT_EQ(FormatResult(12, 2147483648.0L), "0.0");
  EXPECT_TRUE(ErrorFlag);
  EXPECT_EQ(ErrorCode, ecOverflow);
  EXPECT_EQ(ErrorPos, 4);

  TestHost host;
  SetHost(&host);
  NumberBase = nbBinary;
  EXPECT_EQ(FormatResult(12, 5), "00000101 ");
  EXPECT_EQ(FormatResult(12, 13), "00001101 ");
  EXPECT_EQ(FormatResult(12, 256), "00000001 00000000 ");
  EXPECT_EQ(FormatResult(12, -3), "-00000011 ");
  host.group = 32;
  EXPECT_EQ(FormatResult(12, 1), std::string(31, '0') + "1 ");
}

TEST_F(ResultTextTest, ExactNumberTextReadsBackExactly)
{
  EXPECT_EQ(ExactNumberText(0.05L), "5.0E-2");
  EXPECT_EQ(ExactNumberText(-2), "-2.0E+0");
  EXPECT_EQ(ExactNumberText(0), "0.0E+0");
  EXPECT_EQ(ExactNumberText(UndefinedValue), "1.23454321E-1");
  for (const Extended value : {1.0L / 3, -2.0L / 3 * 1e-4000L, 1e4932L, 123456789.123456789L, 0.1L + 0.2L}) {
    const std::string text = ExactNumberText(value);
    EXPECT_EQ(EvalText(text[0] == '-' ? "0" + text : text), value) << text;
  }
}

TEST_F(ResultTextTest, Steps)
{
  EXPECT_EQ(SciText(1234.6L, 12), " 1.235E+0003");
  EXPECT_EQ(SciText(0, 10), " 0.0E+0000");
  EXPECT_EQ(SciText(1, 30), "     1.00000000000000000E+0000");
  EXPECT_EQ(FixedText(2.5L, 8, 3), "   2.500");
  EXPECT_EQ(ToEngineering("1.234E+0004"), "12.34E+0003");
  EXPECT_EQ(ToEngineering("1.234E-0004"), "123.4E-0006");
  EXPECT_EQ(ToEngineering("1.2E+0005"), "120.0E+0003");
  EXPECT_EQ(IntToBaseText(0, 2), "0");
  EXPECT_EQ(IntToBaseText(255, 16), "FF");
  std::string text = "  2.500";
  EXPECT_EQ(TrimNumberText(text, nmScn), 2);
  EXPECT_EQ(text, "2.5");
  text = "2.0";
  TrimNumberText(text, nmScn);
  EXPECT_EQ(text, "2.0");
  // The notation comes with the call, whatever the modes say.
  NotationMode = nmScn;
  text = "1.50000E+0000";
  TrimNumberText(text, nmFix);
  EXPECT_EQ(text, "1.5");
  NotationMode = nmFix;
  text = "1.50000E+0000";
  TrimNumberText(text, nmScn);
  EXPECT_EQ(text, "1.5E+0000");
  EXPECT_EQ(MagnitudeText(12345.678L, TNumberFormat{nmEng, nbDecimal, 12}, 0, false), "12.34568E+3");
  std::string hours;
  ErrorFlag = false;
  EXPECT_TRUE(ToSexagesimal(1.5L, hours));
  EXPECT_EQ(hours, "1:30:0");
  EXPECT_FALSE(ToSexagesimal(1e6L, hours));
  EXPECT_EQ(hours, "0:0:0");
  EXPECT_FALSE(ErrorFlag);
}

// No formatting step may read past its text for a value that is not a number: every notation, base
// and step shows such a value as NAN or INF.
TEST_F(ResultTextTest, NonFiniteValuesInEveryNotationAndBase)
{
  constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
  constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
  const std::pair<Extended, const char*> values[] = {{NaN, "NAN"}, {Inf, "INF"}, {-Inf, "-INF"}};
  for (const auto& [value, text] : values) {
    for (const int notation : {nmScn, nmFix, nmEng, nmSxg}) {
      for (const int base : {nbDecimal, nbHexadecimal, nbBinary}) {
        Reset();
        NotationMode = notation;
        NumberBase = base;
        EXPECT_EQ(FormatResult(12, value), text) << "notation " << notation << ", base " << base;
      }
      NumberBase = nbDecimal;
      EXPECT_EQ(MagnitudeText(value, TNumberFormat{notation, nbDecimal, 12}, 0, notation == nmFix), text);
      EXPECT_EQ(ComplexToText({cfRectangular, value, 1}, 12).substr(0, std::string(text).size()), text);
    }
    EXPECT_EQ(SciText(value, 12), text);
    EXPECT_EQ(FixedText(value, 12, 3), text);
    std::string hours;
    EXPECT_FALSE(ToSexagesimal(value, hours));
    EXPECT_EQ(hours, "0:0:0");
  }
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

// The digit group of binary results that the main window chose.
class GroupHost : public EngineHost {
public:
  int DigitGroup() const override { return 4; }
};

TEST_F(ResultTextTest, AFormatOfItsOwnTouchesNeitherTheModesNorTheErrorState)
{
  GroupHost host;
  SetHost(&host);
  const Extended values[] = {0, 5, -2.5L, 1234.5678L, 0.000123L, 1e300L, -7e-40L, 3e9L, 1.51L, -0.25L};
  for (int base : {nbDecimal, nbHexadecimal, nbBinary}) {
    for (int notation : {nmScn, nmFix, nmEng, nmSxg}) {
      for (int digits : {6, 12, 18}) {
        for (const Extended value : values) {
          // FormatResult under these modes ...
          NotationMode = notation;
          NumberBase = base;
          ErrorFlag = false;
          const std::string expected = FormatResult(digits, value);
          const bool expectedError = ErrorFlag;
          const int expectedCode = ErrorCode;
          // ... is what the format gives while the modes and the error state are others.
          NotationMode = (notation + 1) % 4;
          NumberBase = (base + 1) % 3;
          ErrorFlag = false;
          ErrorCode = 99;
          std::string text;
          int code = 0;
          const bool shown = FormatNumber(TNumberFormat{notation, base, digits, 4}, value, text, code);
          EXPECT_EQ(text, expected) << base << ' ' << notation << ' ' << digits << ' ' << static_cast<double>(value);
          EXPECT_EQ(shown, !expectedError);
          if (expectedError) {
            EXPECT_EQ(code, expectedCode);
          }
          EXPECT_EQ(NotationMode, (notation + 1) % 4);
          EXPECT_EQ(NumberBase, (base + 1) % 3);
          EXPECT_FALSE(ErrorFlag);
          EXPECT_EQ(ErrorCode, 99);
        }
      }
    }
  }
}

}  // namespace
}  // namespace engine
