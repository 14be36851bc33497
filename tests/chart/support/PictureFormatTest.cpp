#include "chart/support/DatePicture.h"
#include "chart/support/NumberPicture.h"

#include <gtest/gtest.h>

#include <limits>

namespace chart {
namespace {

constexpr TNumberSeparators kStandard{u',', u'.'};

struct TPictureCase {
  const char* Picture;
  double Value;
  const char* Text;
};

TEST(NumberPicture, FormatsByPlaceholdersSectionsAndLiterals)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const TPictureCase cases[] = {
      {"#,##0.###", 1234.5678, "1,234.568"},
      {"#,##0.###", 1e12, "1,000,000,000,000"},
      {"#,##0.###", 1000, "1,000"},
      {"#,##0.###", -0.5, "-0.5"},
      {"#,##0.###", 0.0001, "0"},
      {"#,##0.###", -0.0001, "0"},  // no minus on a zero
      {"#,##0.###", 123456789.5, "123,456,789.5"},
      {"##0.## %", 12.345, "12.35 %"},  // a percent sign is text: no scaling
      {"0.00", 2.5, "2.50"},
      {"#.##", 0.5, ".5"},
      {"000", 7, "007"},
      {"'$'#,##0.00", 5, "$5.00"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.0e-0", 0.00123, "1.2e-3"},
      {"0.0e-0", 1230, "1.2e3"},
      {"0;(0);\"zero\"", -5, "(5)"},
      {"0;(0);\"zero\"", 0.2, "zero"},
      {"0;(0);\"zero\"", 5, "5"},
      {"0.0;;", -2.75, "-2.8"},
      {"", 1234.5, "1234.5"},
      {"", 1.5e-7, "1.5E-7"},
      {"#,##0", 1e20, "1E20"},
      {"#,##0", nan, "NAN"},
      {"#,##0", inf, "INF"},
      {"#,##0", -inf, "-INF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloatPicture(c.Picture, c.Value, kStandard), c.Text) << c.Picture << " " << c.Value;
  EXPECT_EQ(FormatFloatPicture("#,##0.###", 1234.5678, {u'.', u','}), "1.234,568");
}

TEST(DatePicture, FormatsDatesAndTimesByPicture)
{
  const double when = 45356.58829861111;  // 5 March 2024, 14:07:09
  const TPictureCase cases[] = {
      {"dd/mm/yyyy hh:nn:ss", when, "05/03/2024 14:07:09"},
      {"d/m/yy h:n", when, "5/3/24 14:7"},
      {"hh:mm", when, "14:07"},  // minutes after an hour
      {"yyyy-mm-dd", when, "2024-03-05"},
      {"h am/pm", when, "2 pm"},
      {"hh AM/PM", 45356.25, "06 AM"},
      {"h a/p", 45356.5, "12 p"},
      {"'day' d", when, "day 5"},
      {"dd/mm/yyyy hh:nn:ss", 45356.9999999999, "06/03/2024 00:00:00"},  // rounds into the next day
      {"dd/mm/yyyy", 0, "30/12/1899"},
      {"dd/mm/yyyy", 1e300, ""},
      {"dd/mm/yyyy", std::numeric_limits<double>::quiet_NaN(), ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatDateTimePicture(c.Picture, c.Value), c.Text) << c.Picture << " " << c.Value;
}

}  // namespace
}  // namespace chart
