#include "app/EvalText.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(EvalText, ItemsThatAreExpressionsBecomeTheirValues)
{
  struct Case {
    const char* name;
    std::string format, source, output;
  };
  const std::vector<Case> cases = {
      {"width form", "10:3", "total 1+2", "total      3.000"},
      {"blanks in the format", " 10 : 3 ", "1+2", "     3.000"},
      {"blanks and tabs kept", "4:1", "a \t 2*3  b", "a \t  6.0  b"},
      {"empty lines stay, no end after the last", "1:0", "1\r\n\r\n2\r\n", "1\r\n\r\n2"},
      {"lone line feeds", "1:0", "1\n2", "1\r\n2"},
      {"kind fixed", "ffFixed,6,2", "1/4", "0.25"},
      {"kind general", "FFGENERAL,7,0", "1/4", "0.25"},
      {"kind with one number is the default form", "ffFixed,6", "1/4", "  2.500000000000000E-01"},
      {"unknown kind is the default form", "ffOther,6,2", "1", "  1.000000000000000E+00"},
      {"the marker value is still a value", "1:0", "-1234567890", "-1234567890"},
      {"no expression", "5:1", "hello (", "hello ("},
      {"the end marker is no expression", "1:0", "1\x7f+5 2+2 3\x01", "1\x7f+5 4 3\x01"},
      {"number: thousands", "ffNumber,9,2", "1234567.891 -1234.5 12", "1,234,567.89 -1,234.50 12.00"},
      {"number: rounding makes a thousand", "ffNumber,4,0", "999.9", "1,000"},
      {"currency", "ffCurrency,9,2", "1234.5 -0.5 1E6", "$1,234.50 -$0.50 $1,000,000.00"},
      {"fixed: precision digits, then zeros", "ffFixed,3,5", "3.14159265", "3.14000"},
      {"fixed: a whole part beyond the precision", "ffFixed,6,2", "1234567 -2E20", "1.23457E+06 -2E+20"},
      {"fixed: small values keep their digits", "ffFixed,18,18", "1/3", "0.333333333333333333"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::ErrorCode = 3;
    const TEvalOutcome outcome = EvalLines(c.source, TEvalFormat(c.format));
    EXPECT_EQ(outcome.End, TEvalEnd::Done);
    EXPECT_EQ(outcome.Text, c.output);
    // The engine's error state is clear afterwards, whatever the items did.
    EXPECT_FALSE(engine::ErrorFlag);
    EXPECT_EQ(engine::ErrorCode, 0);
    EXPECT_EQ(engine::ErrorPos, 0);
  }
}

TEST(EvalText, AnOutputBeyondTheLimitIsNotBuilt)
{
  // 3 items of 1000 characters each, and their line ends, pass a limit of 2500 characters.
  const std::string source = "1 2\r\n3\r\n";
  EXPECT_EQ(EvalLines(source, TEvalFormat("1000:2"), 2500).End, TEvalEnd::TooLarge);
  const TEvalOutcome fits = EvalLines(source, TEvalFormat("1000:2"), 3003);
  EXPECT_EQ(fits.End, TEvalEnd::Done);
  EXPECT_EQ(fits.Text.size(), 3003u);
  // A value of thousands of digits in the width form is measured before it is printed.
  EXPECT_EQ(EvalLines("2^6000", TEvalFormat("1:0"), 1000).End, TEvalEnd::TooLarge);
  EXPECT_EQ(EvalLines("word", TEvalFormat("1:0"), 3).End, TEvalEnd::TooLarge);
}

TEST(EvalText, AComplexItemIsWrittenInTheCurrentForm)
{
  const std::uint8_t kept = engine::ComplexForm;
  engine::ComplexForm = engine::cfRectangular;
  EXPECT_EQ(EvalLines("z comp(1,2)*comp(3,4)", TEvalFormat("1:0")).Text, "z -5+i*(10)");
  EXPECT_EQ(EvalLines("z comp(1,2)*comp(3,4)", TEvalFormat("ffNumber,6,1")).Text, "z -5.0+i*(10.0)");
  engine::ComplexForm = kept;
}

}  // namespace
}  // namespace app
