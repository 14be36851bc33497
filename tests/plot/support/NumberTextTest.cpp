#include "plot/support/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

namespace plot {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, TrimNumberText)
{
  struct Case {
    const char* in;
    int mode;
    const char* out;
    int blanks;
  };
  const Case cases[] = {
      {"2.500", 0, "2.5", 0},          {"2.000", 0, "2.0", 0},       {"1.500E+0000", 1, "1.5", 0},
      {"1.500E+0000", 0, "1.5E+0000", 0}, {"  12.30", 0, "12.3", 2}, {"100", 0, "100", 0},
      {"1.0E+0012", 0, "1.0E+0012", 0}, {"0", 0, "0", 0},
  };
  for (const Case& c : cases) {
    std::string s = c.in;
    EXPECT_EQ(TrimNumberText(s, c.mode), c.blanks) << c.in;
    EXPECT_EQ(s, c.out) << c.in;
  }
}

TEST(NumberText, GeneralNotation)
{
  struct Case {
    long double value;
    int precision;
    const char* text;
  };
  const Case cases[] = {
      {1.5e-7L, 2, "1.5E-7"}, {2e20L, 15, "2E20"},   {123.456L, 4, "123.5"}, {0.0001L, 3, "0.0001"},
      {-0.25L, 15, "-0.25"},  {12345, 3, "1.23E4"},  {0, 5, "0"},            {100, 3, "100"},
      {0.5L, 0, "0.5"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GeneralText(c.value, c.precision), c.text) << double(c.value);
}

TEST(NumberText, LabelText)
{
  struct Case {
    int digits, mode;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {2, 1, 0.5, "0.5"},     {2, 1, 1234.5, "1234.5"}, {2, 1, -0.25, "-0.25"}, {2, 1, 1e7, "1.0E7"},
      {2, 1, 0, "0.0"},       {3, 0, 12345.678, "12346"}, {2, 0, 0.0005, "0.0005"}, {1, 0, -2e-9, "-2.0E-9"},
      {2, 1, kInf, ""},       {2, 1, std::numeric_limits<double>::quiet_NaN(), ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FloatToLabelText(c.digits, c.mode, c.value), c.text) << c.value;
}

TEST(NumberText, SignificantText)
{
  struct Case {
    int digits;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {2, 3.14159, "3.14"}, {2, 0.5, "0.50"}, {2, 0, "0.00"},       {2, 50, "50.00"},
      {2, 12345, "1.23E4"}, {1, -7, "-7.0"},  {0, 3.7, "4"},        {2, kInf, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FloatToSignificantText(c.digits, c.value), c.text) << c.value;
}

TEST(NumberText, ShortText)
{
  struct Case {
    int width, mode;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {8, 1, 3.14159, "3.14159"}, {8, 1, 0.5, "0.5"}, {8, 1, -2.5, "-2.5"}, {8, 1, 1e12, "1.0E+12"},
      {8, 1, 0, "0.0"},             {8, 1, kInf, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FloatToShortText(c.width, c.mode, c.value), c.text) << c.value;
}

}  // namespace
}  // namespace plot
