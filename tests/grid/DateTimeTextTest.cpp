#include "grid/model/DateTimeText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace grid;

namespace {

constexpr int kCurrentYear = 2026;
constexpr double kMarch15th2024 = 45366;
constexpr double kHour = 1.0 / 24;

TtsDateFormat German()
{
  TtsDateFormat format;
  format.ShortDateFormat = "dd.MM.yyyy";
  format.DateSeparator = '.';
  format.TimeAMString = "";
  format.TimePMString = "";
  format.LongMonthNames[2] = "M\xe4rz";
  format.ShortMonthNames[2] = "M\xe4r";
  format.LongDayNames[5] = "Freitag";
  return format;
}

TtsDateFormat YearFirst()
{
  TtsDateFormat format;
  format.ShortDateFormat = "yyyy-MM-dd";
  format.DateSeparator = '-';
  return format;
}

}  // namespace

TEST(DateTimeText, DateOrderAndPatterns)
{
  struct Case {
    const char* shortFormat;
    char separator;
    TtsDateOrder order;
    const char* pattern;
    const char* fourDigitPattern;
  };
  const Case cases[] = {
      {"M/d/yyyy", '/', doMDY, "M/D/YYYY", "M/D/YYYY"},  {"dd.MM.yy", '.', doDMY, "DD.MM.YY", "DD.MM.YYYY"},
      {"yyyy-MM-dd", '-', doYMD, "YYYY-MM-DD", "YYYY-MM-DD"}, {"EE/M/d", '/', doYMD, "YY/M/D", "YYYY/M/D"},
      {"", '/', doMDY, "M/D/YY", "M/D/YYYY"},             {"ggg", '/', doMDY, "M/D/YY", "M/D/YYYY"},
      {"MMM d yyy", ' ', doMDY, "MM D YYYY", "MM D YYYY"},
  };
  for (const Case& c : cases) {
    TtsDateFormat format;
    format.ShortDateFormat = c.shortFormat;
    format.DateSeparator = c.separator;
    EXPECT_EQ(DateOrder(format), c.order) << c.shortFormat;
    EXPECT_EQ(BuildDateFormat(false, format), c.pattern) << c.shortFormat;
    EXPECT_EQ(BuildDateFormat(true, format), c.fourDigitPattern) << c.shortFormat;
  }
}

TEST(DateTimeText, FormatEdits)
{
  const std::pair<const char*, const char*> years[] = {
      {"M/d/yy", "M/d/yyyy"}, {"M/d/yyyy", "M/d/yyyy"}, {"YY-MM", "YYyy-MM"}, {"d/M/y", "d/M/y"}, {"", ""},
      {"yy", "yyyy"},         {"yyy", "yyy"},
  };
  for (const auto& [format, expanded] : years)
    EXPECT_EQ(ExpandYearFormat(format), expanded) << format;

  const std::pair<const char*, const char*> times[] = {
      {"h:mm AM/PM", "h:mm"}, {"h:mm a/p", "h:mm"}, {"hh:mm:ss ampm", "hh:mm:ss"}, {"HH:mm", "HH:mm"},
      {"am/pm h:mm", "h:mm"}, {"", ""},
  };
  for (const auto& [format, removed] : times)
    EXPECT_EQ(RemoveAmPm(format), removed) << format;

  EXPECT_TRUE(HasAmPm(TtsDateFormat{}));
  EXPECT_FALSE(HasAmPm(German()));
}

TEST(DateTimeText, MonthAndDayNames)
{
  const TtsDateFormat english;
  const std::pair<const char*, const char*> months[] = {
      {"15 March 2024", "15 3 2024"}, {"mAy 5", "5 5"},          {"Marching 3", "Marching 3"},
      {"3Mar", "3Mar"},               {"Dec", "12"},             {"Sept 1", "Sept 1"},
      {"", ""},                       {"Jan Feb", "1 Feb"},      {"Feb January", "Feb 1"},
  };
  for (const auto& [text, replaced] : months)
    EXPECT_EQ(ReplaceMonthName(text, english), replaced) << text;
  EXPECT_EQ(ReplaceMonthName("15. M\xc4RZ 2024", German()), "15. 3 2024");  // Latin-1 letters fold too
  EXPECT_EQ(ReplaceMonthName("M\xe4rzen", German()), "M\xe4rzen");

  const std::pair<const char*, const char*> days[] = {
      {"Monday 3/4", " 3/4"}, {"Mondays", "Mondays"}, {"sun, 1/2", ", 1/2"}, {"1/2 fri", "1/2 "}, {"", ""},
  };
  for (const auto& [text, removed] : days)
    EXPECT_EQ(RemoveDayName(text, english), removed) << text;

  TtsDateFormat emptyNames;
  emptyNames.LongMonthNames.fill("");
  emptyNames.ShortMonthNames.fill("");
  EXPECT_EQ(ReplaceMonthName("1 2 3", emptyNames), "1 2 3");
}

TEST(DateTimeText, YearDigits)
{
  EXPECT_EQ(YearDigits("3/15/2024", TtsDateFormat{}), "2024");
  EXPECT_EQ(YearDigits("2024-3-15", YearFirst()), "2024");
  EXPECT_EQ(YearDigits("3/15", TtsDateFormat{}), "");
  EXPECT_EQ(YearDigits("", YearFirst()), "");
  EXPECT_EQ(YearDigits("a1b22c333d", TtsDateFormat{}), "333");
}

TEST(DateTimeText, TextsThatAreDates)
{
  struct Case {
    const char* text;
    double expected;
  };
  const double march15th2026 = 46096;
  const Case cases[] = {
      {"3/15/2024", kMarch15th2024},
      {"  3/15/2024\t", kMarch15th2024},
      {"3/15/24", kMarch15th2024},
      {"03/15/0024", *EncodeDate(24, 3, 15)},
      {"3/15", march15th2026},
      {"3 / 15 / 2024", kMarch15th2024},
      {"2024-03-15", kMarch15th2024},
      {"March 15, 2024", kMarch15th2024},
      {"Friday, March 15, 2024", kMarch15th2024},
      {"fri mar 15 2024", kMarch15th2024},
      {"2/29/2024", kMarch15th2024 - 15},
      {"1/1/00", 36526},
      {"1/1/0001", -693593},
      {"12/31/9999", 2958465},
      {"3/15/2024 6:30 PM", kMarch15th2024 + 18.5 * kHour},
      {"3/15/2024 6:30pm", kMarch15th2024 + 18.5 * kHour},
      {"3/15/2024 10 am", kMarch15th2024 + 10 * kHour},
      {"3/15/2024 18:30:36.5", kMarch15th2024 + 18.51 * kHour + 0.5 / 86400},
      {"3/15 18:30", march15th2026 + 18.5 * kHour},
      {"12/29/1899 6:00", -1.25},
      {"45366", kMarch15th2024},
      {"0", 0},
      {"2958465", 2958465},
      {"18:30", 18.5 * kHour},
      {"12:00 AM", 0},
      {"12:00 PM", 0.5},
      {"0:00:00", 0},
      {"23:59:59", (86400 - 1) / 86400.0},
  };
  for (const Case& c : cases) {
    const std::optional<double> value = TextToDateTime(c.text, TtsDateFormat{}, kCurrentYear);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_NEAR(*value, c.expected, 1e-9) << c.text;
  }

  EXPECT_NEAR(TextToDateTime("15.03.2024", German(), kCurrentYear).value_or(-1), kMarch15th2024, 1e-9);
  EXPECT_NEAR(TextToDateTime("Freitag, 15. M\xe4rz 2024", German(), kCurrentYear).value_or(-1), kMarch15th2024, 1e-9);
  EXPECT_NEAR(TextToDateTime("15.3.", German(), kCurrentYear).value_or(-1), 46096, 1e-9);
  EXPECT_NEAR(TextToDateTime("2024-3-15 12:00", YearFirst(), kCurrentYear).value_or(-1), kMarch15th2024 + 0.5, 1e-9);
  EXPECT_NEAR(TextToDateTime("24-3-15", YearFirst(), kCurrentYear).value_or(-1), kMarch15th2024, 1e-9);
}

TEST(DateTimeText, TextsThatAreNoDates)
{
  const char* const texts[] = {
      "",  "   ", "abc", "2/30/2024", "2/29/2023", "13/1/2024", "0/1/2024", "1/0/2024", "1/32/2024", "1/1/10000",
      "3/15/2024 garbage", "3//15", "3/", "/3/15", "-5", "+5", "3/15/2024 10", "3/15/2024 24:00", "3/15/2024 10:60",
      "10:30:60", "13:00 PM", "25:00", "10:", "10:30:", "10:30:15.", "99999999", "2958466",
      "1234567890123/1/1", "1/1/1234567890123", "15 mar 2024", "3.15.2024", "\xff\xfe", "M\xe4rz 3",
      "3/15/2024 6:30 PM PM", "1/2/3/4", "12/30/1899 ::",
  };
  for (const char* text : texts)
    EXPECT_FALSE(TextToDateTime(text, TtsDateFormat{}, kCurrentYear).has_value()) << text;
  EXPECT_FALSE(TextToDateTime("3/15/2024", German(), kCurrentYear).has_value());
  EXPECT_FALSE(TextToDateTime("15.03.2024 6", German(), kCurrentYear).has_value());
}

TEST(DateTimeText, RandomBytesNeverCrash)
{
  const char alphabet[] = "0123456789/:.-, APMapmJanMarFri\xe4\xff\t";
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
  std::uniform_int_distribution<int> length(0, 24);
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (int k = length(random); k > 0; --k)
      text += alphabet[pick(random)];
    const std::optional<double> value = TextToDateTime(text, TtsDateFormat{}, kCurrentYear);
    if (value) {
      EXPECT_TRUE(std::isfinite(*value) && std::fabs(*value) <= 2958466) << text;
    }
  }
}

TEST(DateTimeText, ValuesToDateTimes)
{
  const double now = 46000.25;
  struct Case {
    TtsCellValue value;
    double expected;
  };
  const Case cases[] = {
      {TtsCellValue("3/15/2024"), kMarch15th2024},
      {TtsCellValue("3/15"), 45731},  // 15 March of the year of now
      {TtsCellValue(""), now},
      {TtsCellValue("  "), now},
      {TtsCellValue("no date"), now},
      {TtsCellValue(1.5), 1.5},
      {TtsCellValue::Date(-2.25), -2.25},
      {TtsCellValue(5), now},
      {TtsCellValue(true), now},
      {TtsCellValue::Null(), now},
      {TtsCellValue(), now},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_DOUBLE_EQ(ValueToDateTime(cases[i].value, TtsDateFormat{}, now), cases[i].expected) << i;

  EXPECT_GE(YearOf(NowDateTime()), 2020);  // the local date
}

TEST(DateTimeText, CalendarArithmetic)
{
  EXPECT_EQ(YearOf(kMarch15th2024), 2024);
  EXPECT_EQ(YearOf(0), 1899);
  EXPECT_EQ(YearOf(-1.25), 1899);
  EXPECT_EQ(YearOf(2), 1900);
  EXPECT_EQ(YearOf(-693593), 1);
  EXPECT_EQ(YearOf(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(YearOf(1e300), 0);
  EXPECT_FALSE(EncodeDate(1900, 2, 29).has_value());
  EXPECT_TRUE(EncodeDate(2000, 2, 29).has_value());
  EXPECT_FALSE(EncodeDate(0, 1, 1).has_value());
  EXPECT_FALSE(EncodeDateTime(2024, 1, 1, 0, 0, 0, 1000).has_value());
}
