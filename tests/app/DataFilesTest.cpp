#include "app/DataFiles.h"

#include "engine/ResultText.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace app {
namespace {

using Limits = std::numeric_limits<engine::Extended>;

bool SameBits(engine::Extended a, engine::Extended b)
{
  return std::memcmp(&a, &b, 10) == 0;  // the 80 bits of the value
}

TEST(FileNumbers, EveryValueWrittenReadsBackExactly)
{
  const volatile engine::Extended tiny = 1E-4000L;
  const engine::Extended values[] = {
      tiny * 1E-940L,  // subnormal
      Limits::denorm_min(), -Limits::denorm_min(), Limits::min(), Limits::min() / 3,
      Limits::max(),   -Limits::max(), 1.0L / 3, 0.1L, -2.5L, 0.0L, -0.0L, engine::UndefinedValue,
      1E4931L,         123456789012345678.0L,
  };
  for (const engine::Extended value : values) {
    const std::string text = engine::ExactNumberText(value);
    engine::Extended read = 42;
    ASSERT_TRUE(ReadFileNumber(QString::fromLatin1(text.c_str()), read)) << text;
    EXPECT_TRUE(SameBits(read, value)) << text;
  }
}

TEST(FileNumbers, OnlyDecimalNumbersAreRead)
{
  const char* refused[] = {"nan", "NAN", "INF", "-Infinity", "inf", "nan(123)", "0x1p3", "1E5000", "-1e99999",
                           "",    ".",   "E5",  "1e",        "1e+", "1.2.3",    "+-1",   "1 2",    "1,5",
                           "5x",  "--1"};
  for (const char* text : refused) {
    engine::Extended value = 7;
    EXPECT_FALSE(ReadFileNumber(QString::fromLatin1(text), value)) << text;
    EXPECT_EQ(value, 7) << text;
  }
  struct Case {
    const char* text;
    engine::Extended value;
  };
  const Case accepted[] = {{" 1.5 ", 1.5L}, {"+2", 2}, {".5", 0.5L}, {"5.", 5}, {"-3E2", -300}, {"1e-6000", 0}};
  for (const Case& c : accepted) {
    engine::Extended value = 7;
    EXPECT_TRUE(ReadFileNumber(QString::fromLatin1(c.text), value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(UserVariablesFile, ATinyValueReadsBackAndTheLinesAfterItStay)
{
  engine::UserVariables->Clear();
  const volatile engine::Extended tiny = 1E-4000L;
  engine::UserVariables->Set("late", 2);
  engine::UserVariables->Set("tiny", tiny * 1E-940L);
  const std::vector<std::string> lines = UserVariablesFileLines();
  ASSERT_EQ(lines.size(), 2u);
  QString error;
  const std::vector<TUserVariableLine> read = ParseUserVariableLines(lines, error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].Name, QStringLiteral("tiny"));
  EXPECT_TRUE(SameBits(read[0].Value, tiny * 1E-940L));
  EXPECT_EQ(read[1].Value, 2);
  engine::UserVariables->Clear();
}

// A long name cut where a blank follows the twentieth character: the name read is the one that
// comes back from the saved file.
TEST(UserVariablesFile, ANameCutBeforeABlankReadsBackAsItself)
{
  const struct {
    const char* line;
    const char* name;
  } cases[] = {{"abcdefghijklmnopqrs tuvw = 5", "abcdefghijklmnopqrs"},
               {"abcdefghijklmnopqr  tuvw = 5", "abcdefghijklmnopqr"},
               {"abcdefghijklmnopqrst uvw = 5", "abcdefghijklmnopqrst"}};
  for (const auto& c : cases) {
    QString error;
    const auto read = ParseUserVariableLines({c.line}, error);
    ASSERT_EQ(read.size(), 1u) << c.line;
    EXPECT_EQ(read[0].Name, QString::fromLatin1(c.name)) << c.line;
    const std::string saved = read[0].Name.toStdString() + " = 5";
    const auto again = ParseUserVariableLines({saved}, error);
    ASSERT_EQ(again.size(), 1u) << c.line;
    EXPECT_EQ(again[0].Name, read[0].Name) << c.line;
  }
}

TEST(UserVariablesFile, GarbageEndsTheLoadingWithTheConversionMessage)
{
  struct Case {
    const char* bad;
    const char* message;
  };
  const Case cases[] = {
      {"z = nan", "'nan' is not a valid floating point value"},
      {"z = INF", "'INF' is not a valid floating point value"},
      {"z = -Infinity", "'-Infinity' is not a valid floating point value"},
      {"z = nan(123)", "'nan(123)' is not a valid floating point value"},
      {"2.0E+0", "'2.0E+0' is not a valid floating point value"},  // no name
      {" = 3", "'= 3' is not a valid floating point value"},
  };
  for (const Case& c : cases) {
    QString error;
    const auto read = ParseUserVariableLines({"a = 1", c.bad, "b = 2"}, error);
    EXPECT_EQ(error, QString::fromLatin1(c.message)) << c.bad;
    ASSERT_EQ(read.size(), 1u) << c.bad;
    EXPECT_EQ(read[0].Name, QStringLiteral("a"));
  }
}

TEST(VariablesFile, ABadValueLeavesItsVariableUndefinedAndTheRestIsRead)
{
  std::vector<std::string> lines;
  for (int n = 1; n <= 10; ++n)
    lines.push_back(n == 2 ? "INF" : std::to_string(n) + ".5");
  for (int n = 1; n <= 10; ++n)
    lines.push_back(n == 10 ? "2*X" : "");
  engine::VarValues->fill(0);
  EXPECT_EQ(ReadVariablesFileLines(lines), QStringLiteral("'INF' is not a valid floating point value"));
  EXPECT_EQ(engine::VarValues[1], 1.5L);
  EXPECT_EQ(engine::VarValues[2], engine::UndefinedValue);
  EXPECT_EQ(engine::VarValues[10], 10.5L);
  EXPECT_EQ(engine::VarExprs[10], "2*X");
  engine::VarValues->fill(engine::UndefinedValue);
  for (auto& e : *engine::VarExprs)
    e.clear();
}

}  // namespace
}  // namespace app
