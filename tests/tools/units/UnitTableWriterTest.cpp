// The table file as the editor writes it, and the factor entries it reads and writes.
#include "tools/units/UnitFactorEntry.h"
#include "tools/units/UnitTableWriter.h"

#include "engine/EvalContext.h"
#include "engine/Host.h"
#include "engine/Variables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace tools {
namespace {

TEST(UnitTableWriterTest, FactorsFillTheirFieldOf23Characters)
{
  struct Case {
    double value;
    const char* field;
  };
  const Case cases[] = {
      {1, " 1.00000000000000E+0000"},
      {1 / 0.3048, " 3.28083989501312E+0000"},
      {-1.5, "-1.50000000000000E+0000"},
      {0.001, " 1.00000000000000E-0003"},
      {0, " 0.00000000000000E+0000"},
      {-0.0, " 0.00000000000000E+0000"},
      {9.99999999999999999e-5, " 1.00000000000000E-0004"},  // rounding carries into the exponent
      {1e-310, " 9.99999999999997E-0311"},                   // a denormal: fewer digits held
      {std::numeric_limits<double>::max(), " 1.79769313486232E+0308"},
      {std::numeric_limits<double>::quiet_NaN(), " 0.00000000000000E+0000"},
      {-std::numeric_limits<double>::infinity(), " 0.00000000000000E+0000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTableFactor(c.value), c.field) << c.value;
    EXPECT_EQ(FormatTableFactor(c.value).size(), 23u);
  }
}

TEST(UnitTableWriterTest, AWrittenTableReadsBackWhole)
{
  TUnitTable table;
  table.Categories.push_back({"Length", {"meter", "foot"}, {{1, 1 / 0.3048}, {0.3048, 1}}});
  table.Categories.push_back({"Empty", {}, {}});  // no units: no factor line to skip
  table.Categories.push_back({"Mass", {"kg"}, {{1}}});
  const std::string bytes = WriteUnitTable(table);
  EXPECT_EQ(bytes.rfind("3\r\nLength\r\n2\r\nmeter\r\nfoot\r\n 1.00000000000000E+0000 ", 0), 0u);
  // Line k holds the factors into unit k, every field followed by a blank.
  EXPECT_NE(bytes.find("\r\n 1.00000000000000E+0000  3.04800000000000E-0001 \r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n 3.28083989501312E+0000  1.00000000000000E+0000 \r\n"), std::string::npos);

  const TUnitTableRead read = ReadUnitTable(bytes);
  EXPECT_FALSE(read.Damaged);
  ASSERT_EQ(read.Table.Categories.size(), 3u);
  EXPECT_EQ(read.Table.Categories[0].Units, (std::vector<std::string>{"meter", "foot"}));
  EXPECT_DOUBLE_EQ(read.Table.Categories[0].Factors[1][0], 0.3048);
  EXPECT_DOUBLE_EQ(read.Table.Categories[0].Factors[0][1], 3.28083989501312);
  EXPECT_EQ(read.Table.Categories[1].Name, "Empty");
  EXPECT_TRUE(read.Table.Categories[1].Units.empty());
  EXPECT_EQ(read.Table.Categories[2].Name, "Mass");
  EXPECT_EQ(read.Table.Categories[2].Factors, (std::vector<std::vector<double>>{{1}}));
}

TEST(UnitTableWriterTest, HostileNamesAndRaggedFactorsStillWriteAReadableTable)
{
  TUnitTable table;
  // Line breaks and other control characters in names, a factor table short of rows and columns.
  table.Categories.push_back({"Two\r\nlines\x1a", {"a\nb", "c\td", "e"}, {{1, 2}}});
  table.Categories.push_back({"After", {"x"}, {{1}}});
  const std::string bytes = WriteUnitTable(table);
  const TUnitTableRead read = ReadUnitTable(bytes);
  EXPECT_FALSE(read.Damaged);
  ASSERT_EQ(read.Table.Categories.size(), 2u);
  const TUnitCategory& first = read.Table.Categories[0];
  EXPECT_EQ(first.Name, "Two  lines ");
  EXPECT_EQ(first.Units, (std::vector<std::string>{"a b", "c d", "e"}));
  EXPECT_EQ(first.Factors, (std::vector<std::vector<double>>{{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}));
  EXPECT_EQ(read.Table.Categories[1].Name, "After");
}

TEST(UnitFactorEntryTest, ReciprocalsHave16SignificantDigits)
{
  struct Case {
    engine::Extended x;
    const char* text;
  };
  const Case cases[] = {
      {0.3048L, "3.280839895013123"},
      {1.0L / 3, "3"},
      {7, "0.1428571428571429"},
      {12, "0.08333333333333333"},
      {1000, "0.001"},
      {-4, "-0.25"},
      {1e20L, "1E-20"},
      {1e-20L, "1E20"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReciprocalText(c.x), c.text) << static_cast<double>(c.x);
  EXPECT_EQ(FactorCellText(1 / 0.3048), "3.28083989501312");
  EXPECT_EQ(FactorCellText(0.001), "0.001");
  EXPECT_EQ(FactorCellText(1e-13), "1E-13");
}

// Records the questions the engine asks of the main window.
class RecordingHost : public engine::EngineHost {
public:
  bool AskVariableValue(int i) override
  {
    asked.push_back(i);
    return false;
  }
  std::vector<int> asked;
};

TEST(UnitFactorEntryTest, EntriesAreNumbersOrExpressionsEvaluatedApartWithoutQuestions)
{
  RecordingHost host;
  engine::TEvalContext main;
  const engine::TContextScope scope(main);
  engine::SetHost(&host);
  engine::VarValues[1] = engine::UndefinedValue;

  struct Case {
    const char* text;
    engine::Extended value;
  };
  const Case cases[] = {
      {"0.3048", 0.3048L},
      {" 1e3 ", 1000},
      {"1/3", 1.0L / 3},
      {"2*3+1", 7},
      {"(x=5)*2", 10},  // the assignment stays in the copy
      {"x*2", 0},       // x unknown: nobody is asked, it counts 0
      {"abc", 0},
      {"", 0},
      {"0", 0},
      {"1/0", 0},
      {"1e400", 0},     // beyond a double
      {"10^400", 0},
      {"1\r\n2", 0},    // a control character
      {"1\x7f", 0},
  };
  TFactorReader reader;
  for (const auto& c : cases)
    EXPECT_EQ(reader.Read(c.text), c.value) << c.text;
  EXPECT_TRUE(host.asked.empty());
  EXPECT_EQ(engine::VarValues[1], engine::UndefinedValue);
  engine::SetHost(nullptr);
}

}  // namespace
}  // namespace tools
