#include "plot/support/ValueTemplate.h"

#include <gtest/gtest.h>

#include <tuple>

namespace plot {
namespace {

TEST(ValueTemplate, OneValueConversions)
{
  const std::tuple<const char*, double, const char*> cases[] = {
      {"%.2f", 2.5, "2.50"},       {"%f", -1, "-1.00"},          {"%8.3f|", 3.14159, "   3.142|"},
      {"%-8.1f|", 3.14159, "3.1     |"}, {"%e", 1234.5, "1.23450000000000E+003"}, {"%.3e", 0.00012345, "1.23E-004"},
      {"%g", 0.1, "0.1"},          {"%.3g", 1234567, "1.23E6"}, {"%n", 1234567.891, "1,234,567.89"},
      {"%.0n", -1234, "-1,234"},   {"%0:.1f and %0:.2f", 1.25, "1.2 and 1.25"}, {"100%%: %.0f", 7, "100%: 7"},
      {"plain", 1, "plain"},
  };
  for (const auto& [format, value, text] : cases) {
    const auto result = FormatValueTemplate(QString::fromLatin1(format), value);
    ASSERT_TRUE(result.has_value()) << format;
    EXPECT_EQ(*result, QString::fromLatin1(text)) << format;
  }
  for (const char* bad : {"%d", "%s", "%.2f %.2f", "%1:f", "50%", "%x"})
    EXPECT_FALSE(FormatValueTemplate(QString::fromLatin1(bad), 1).has_value()) << bad;
}

}  // namespace
}  // namespace plot
