#include "chart/support/DateSteps.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace chart {
namespace {

// Day numbers (days since 30 December 1899) computed apart.
constexpr double k2023Feb28 = 44985, k2023Jul01 = 45108, k2023Nov01 = 45231, k2023Dec01 = 45261,
                 k2023Dec15 = 45275, k2024Jan01 = 45292, k2024Jan10 = 45301, k2024Jan15 = 45306,
                 k2024Jan31 = 45322, k2024Feb01 = 45323, k2024Feb15 = 45337, k2024Feb20 = 45342,
                 k2024Feb29 = 45351, k2024Jul01 = 45474, k2025Feb28 = 45716;

TEST(DateTimeSteps, KindsOfLengths)
{
  EXPECT_EQ(StepKindOf(1.0 / 24), 10);
  EXPECT_EQ(StepKindOf(0.4), kNoStepKind);
  EXPECT_EQ(StepKindOf(365), 24);
  EXPECT_EQ(StepKindOf(15), 18);
  EXPECT_DOUBLE_EQ(NextLargerStep(1.5), 2);
  EXPECT_DOUBLE_EQ(NextLargerStep(400), 365);
  EXPECT_DOUBLE_EQ(NextLargerStep(0.5 / 86400), 365);
  EXPECT_DOUBLE_EQ(NextLargerStep(1.0 / 86400), 5.0 / 86400);
}

TEST(DateTimeSteps, FormatByStepLength)
{
  EXPECT_EQ(DateOrTimeFormat(2), QLocale::system().dateFormat(QLocale::ShortFormat));
  EXPECT_EQ(DateOrTimeFormat(1), QLocale::system().timeFormat(QLocale::ShortFormat));
}

TEST(DateTimeSteps, RoundsToTheStartOfTheKindsPeriod)
{
  struct Case {
    double date;
    int kind;
    double rounded;
  };
  const Case cases[] = {
      {k2024Feb20 + 0.75, 18, k2024Feb15}, {k2024Jan10 + 0.5, 18, k2024Jan01}, {k2024Feb20 + 0.5, 19, k2024Feb01},
      {k2024Feb20, 23, k2024Feb01},        {k2024Feb20 + 0.2, 24, k2024Jan01}, {k2024Feb20 + 0.9, 14, k2024Feb20},
      {2.0, 24, 2.0},                      {1.5, 19, 1.5},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(RoundDateToStep(c.date, c.kind), c.rounded) << c.date << " kind " << c.kind;
}

TEST(DateTimeSteps, CalendarStepsBothWays)
{
  struct Case {
    double from;
    int kind;
    bool forward;
    double to;
  };
  const Case cases[] = {
      // Half months: 1 -> 15 -> 1 of the next month, and the same way back.
      {k2024Jan10, 18, true, k2024Jan15},  {k2024Jan15, 18, true, k2024Feb01},   {k2024Jan31, 18, true, k2024Feb01},
      {k2024Jan01, 18, true, k2024Jan15},  {k2023Dec15, 18, true, k2024Jan01},   {k2024Feb20, 18, false, k2024Feb15},
      {k2024Feb15, 18, false, k2024Feb01}, {k2024Feb01, 18, false, k2024Jan15},  {k2024Jan01, 18, false, k2023Dec15},
      // Months from the first of the month; years keep the day where the month has it.
      {k2024Jan10, 19, true, k2024Feb01},  {k2024Jan10, 19, false, k2023Dec01},  {k2024Jan10, 20, false, k2023Nov01},
      {k2024Jan10, 23, true, k2024Jul01},  {k2024Jan10, 23, false, k2023Jul01},  {k2024Feb29, 24, true, k2025Feb28},
      {k2024Feb29, 24, false, k2023Feb28},
  };
  for (const auto& c : cases) {
    double value = c.from;
    StepDateTime(true, c.forward, value, c.kind, 0);
    EXPECT_DOUBLE_EQ(value, c.to) << c.from << " kind " << c.kind << (c.forward ? " forward" : " back");
  }
  // A forward half-month step always moves forward.
  for (double day = k2024Jan01; day < k2024Feb29; ++day) {
    double value = day;
    StepDateTime(true, true, value, 18, 0);
    EXPECT_GT(value, day);
  }
}

TEST(DateTimeSteps, PlainStepsAddTheLength)
{
  double value = 10;
  StepDateTime(false, true, value, 19, 0.5);
  EXPECT_DOUBLE_EQ(value, 10.5);
  StepDateTime(true, false, value, 14, 1);
  EXPECT_DOUBLE_EQ(value, 9.5);
  value = 1e300;  // beyond the calendar: stepped by length, no calendar arithmetic
  StepDateTime(true, true, value, 19, 30);
  EXPECT_DOUBLE_EQ(value, 1e300);
}

}  // namespace
}  // namespace chart
