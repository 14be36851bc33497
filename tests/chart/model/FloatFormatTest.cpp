#include "chart/model/FloatFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace chart {
namespace {

struct TFormatCase {
  const char* Picture;
  double Value;
  const char* Text;
};

TEST(FloatFormat, PicturesOfValuesAndPercents)
{
  const TFormatCase cases[] = {
      {"#,##0.###", 1234.5678, "1,234.568"},
      {"#,##0.###", 0, "0"},
      {"#,##0.###", -1234567.1, "-1,234,567.1"},
      {"#,##0.###", -0.0001, "0"},  // rounds to zero: no sign
      {"#,##0.###", 999.9996, "1,000"},
      {"#,##0", 1e20, "100,000,000,000,000,000,000"},
      {"##0.## %", 12.5, "12.5 %"},
      {"##0.## %", 100, "100 %"},
      {"##0.## %", 33.333333, "33.33 %"},
      {"0.00", 0.125, "0.13"},  // half away from zero
      {"#,##0", 2.5, "3"},
      {"#,##0", 9999.5, "10,000"},
      {"000", 7, "007"},
      {"#.##", 0.5, ".5"},
      {"0.0;(0.0);\"zero\"", -2.26, "(2.3)"},
      {"0.0;(0.0);\"zero\"", 0, "zero"},
      {"0.0;(0.0)", 3, "3.0"},
      {"'v='0", 4, "v=4"},
      {"", 0.1, "0.1"},
      {"", 1e-5, "1e-05"},
      {"#,##0.###", std::numeric_limits<double>::infinity(), "INF"},
      {"#,##0.###", std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloat(c.Picture, c.Value, {}), QString::fromLatin1(c.Text)) << c.Picture << " " << c.Value;
}

TEST(FloatFormat, LocaleSeparators)
{
  EXPECT_EQ(FormatFloat("#,##0.###", 1234.5678, {u'.', u','}), "1.234,568");
}

}  // namespace
}  // namespace chart
