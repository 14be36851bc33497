#include "tools/units/UnitConversion.h"
#include "tools/units/UnitTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace tools {
namespace {

const std::string kTwoCategories =
    "2\r\n"
    "Length\r\n2\r\nmeter\r\nkilometer\r\n"
    " 1.00000000000000E+0000  1.00000000000000E+0003 \r\n"
    " 1.00000000000000E-0003  1.00000000000000E+0000 \r\n"
    "Temperature\r\n2\r\nCelsius\r\nFahrenheit\r\n"
    "1 0.5555555555555556\r\n1.8\r\n1\r\n";

TEST(UnitTableReadTest, CategoriesUnitsAndFactorsComeAsWritten) {
  const auto read = ReadUnitTable(kTwoCategories);
  EXPECT_FALSE(read.Damaged);
  ASSERT_EQ(read.Table.Categories.size(), 2u);
  const auto& length = read.Table.Categories[0];
  EXPECT_EQ(length.Name, "Length");
  EXPECT_EQ(length.Units, (std::vector<std::string>{"meter", "kilometer"}));
  EXPECT_EQ(length.Factors[1][0], 1000.0);  // line k holds the factors into unit k
  EXPECT_EQ(length.Factors[0][1], 0.001);
  // A CR LF line end is no part of the name; numbers run on over line ends.
  const auto& temperature = read.Table.Categories[1];
  EXPECT_EQ(temperature.Name, "Temperature");
  EXPECT_EQ(temperature.Units[1], "Fahrenheit");
  EXPECT_EQ(temperature.Factors[0][1], 1.8);
  EXPECT_EQ(temperature.Factors[1][1], 1.0);
}

TEST(UnitTableReadTest, DamageKeepsTheCategoriesBeforeIt) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t categories;
    bool damaged;
  };
  const std::string first = "Length\n1\nmeter\n1\n";
  const Case cases[] = {
      {"LF line ends", "1\n" + first, 1, false},
      {"a letter in the last category's factors", "2\n" + first + "Mass\n2\nkg\ng\n1 1E3\n1E-3 x\n", 1, true},
      {"a decimal comma", "2\n" + first + "Mass\n1\nkg\n1,0\n", 1, true},
      {"a unit count of two thousand million", "2\n" + first + "Mass\n2000000000\nkg\n", 1, true},
      {"a unit count above 1000", "2\n" + first + "Mass\n1001\nkg\n", 1, true},
      {"a negative unit count", "2\n" + first + "Mass\n-1\n", 1, true},
      {"fewer factors than units squared", "2\n" + first + "Mass\n2\nkg\ng\n1 1E3\n", 1, true},
      {"fewer categories than counted", "3\n" + first, 1, true},
      {"a category count above 1000", "1001\n" + first, 0, true},
      {"a category count that is no number", "two\n" + first, 0, true},
      {"an empty file", "", 0, false},
  };
  for (const auto& c : cases) {
    const auto read = ReadUnitTable(c.text);
    EXPECT_EQ(read.Table.Categories.size(), c.categories) << c.what;
    EXPECT_EQ(read.Damaged, c.damaged) << c.what;
  }
}

TEST(UnitTableReadTest, AFileThatCannotBeOpenedIsNoTableAndNoDamage) {
  EXPECT_FALSE(LoadUnitTable("/nonexistent/Vexal.unt").Opened);
  EXPECT_FALSE(LoadUnitTable(VEXAL_TEST_OUTPUT_DIR).Opened);  // a folder
}

TEST(UnitConversionTest, TemperatureFormulasTakeTheScaleOffsetFirst) {
  struct Case {
    int fromRow;
    long double typed;
    long double celsius, fahrenheit, kelvin, rankine, reaumur;
  };
  const Case cases[] = {
      {0, 100, 100, 212, 373.15L, 671.67L, 80},
      {1, -40, -40, -40, 233.15L, 419.67L, -32},
      {1, 32, 0, 32, 273.15L, 491.67L, 0},
      {2, 273.15L, 0, 32, 273.15L, 491.67L, 0},
      {3, 491.67L, 0, 32, 273.15L, 491.67L, 0},
      {4, 80, 100, 212, 373.15L, 671.67L, 80},
  };
  for (const auto& c : cases) {
    const auto results = ConvertTemperature(5, c.fromRow, c.typed);
    const long double expected[] = {c.celsius, c.fahrenheit, c.kelvin, c.rankine, c.reaumur};
    for (int t = 0; t < 5; ++t) {
      if (t == c.fromRow) {
        EXPECT_EQ(results[t].Kind, TUnitResult::Unchanged);
        continue;
      }
      ASSERT_EQ(results[t].Kind, TUnitResult::Value);
      // Zeros are exact (no 3.469447E-18 for 32 F); the rest to the last digits of the display.
      if (expected[t] == 0)
        EXPECT_EQ(results[t].Number, 0.0L) << "row " << c.fromRow << " -> " << t;
      else
        EXPECT_NEAR(static_cast<double>(results[t].Number / expected[t]), 1.0, 1e-17) << "row " << c.fromRow << " -> " << t;
    }
  }
}

TEST(UnitConversionTest, ATemperatureOfFewerRowsOrATypedRowBelowTheScalesWritesNothingBeyond) {
  EXPECT_EQ(ConvertTemperature(3, 0, 100).size(), 3u);
  for (const auto& result : ConvertTemperature(7, 5, 100)) EXPECT_EQ(result.Kind, TUnitResult::Unchanged);
}

TEST(UnitConversionTest, FactorsConvertEveryOtherRowAndAnUnknownFactorIsAnEmptyCell) {
  TUnitCategory category{"temperature", {"a", "b", "c"}, {{1, 1000, 0}, {0.001, 1, 0}, {0, 0, 1}}};
  const auto results = ConvertByFactors(category, 0, 2);
  EXPECT_EQ(results[0].Kind, TUnitResult::Unchanged);
  EXPECT_EQ(results[1].Kind, TUnitResult::Value);
  EXPECT_EQ(results[1].Number, 2000.0L);
  EXPECT_EQ(results[2].Kind, TUnitResult::Empty);
  EXPECT_FALSE(IsFormulaTemperature(category.Name));  // only the exact name goes by the formulas
  EXPECT_TRUE(IsFormulaTemperature("Temperature"));
}

std::string ShippedTablePath() { return std::string(VEXAL_SOURCE_DIR) + "data/Vexal.gun"; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const TUnitCategory& Category(const TUnitTable& table, const std::string& name) {
  for (const auto& category : table.Categories)
    if (category.Name == name) return category;
  throw std::runtime_error("no category " + name);
}

double Factor(const TUnitCategory& category, const std::string& from, const std::string& to) {
  auto index = [&](const std::string& unit) {
    for (std::size_t i = 0; i < category.Units.size(); ++i)
      if (category.Units[i] == unit) return i;
    throw std::runtime_error("no unit " + unit);
  };
  return category.Factors[index(from)][index(to)];
}

TEST(ShippedUnitTableTest, ReadsWholeWithExactInversesAndTheKnownConversions) {
  const auto file = LoadUnitTable(ShippedTablePath());
  ASSERT_TRUE(file.Opened);
  ASSERT_FALSE(file.Read.Damaged);
  const auto& table = file.Read.Table;
  ASSERT_EQ(table.Categories.size(), 12u);
  for (const auto& category : table.Categories) {
    const auto n = category.Units.size();
    for (std::size_t j = 0; j < n; ++j) {
      EXPECT_EQ(category.Factors[j][j], 1.0) << category.Name;
      for (std::size_t k = 0; k < n; ++k)
        EXPECT_NEAR(category.Factors[j][k] * category.Factors[k][j], 1.0, 1e-14) << category.Name << " " << j << " " << k;
    }
  }
  struct Case {
    const char *category, *from, *to;
    double factor;
  };
  // Values from the definitions (1959 yard and pound, SI, HB44), not from the table.
  const Case cases[] = {
      {"Length", "mile", "meter", 1609.344},      {"Length", "mile", "foot", 5280},
      {"Length", "mile", "inch", 63360},          {"Mass", "pound", "kilogram", 0.45359237},
      {"Mass", "pound", "ounce", 16},             {"Pressure", "atmosphere", "torr", 760},
      {"Pressure", "atmosphere", "bar", 1.01325}, {"Pressure", "atmosphere", "pound per square inch", 14.695948775513449},
      {"Energy", "kilowatt hour", "joule", 3.6e6}, {"Volume", "US gallon", "liter", 3.785411784},
      {"Speed", "kilometer per hour", "knot", 0.5399568034557235},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(Factor(Category(table, c.category), c.from, c.to) / c.factor, 1.0, 1e-14) << c.from << " -> " << c.to;
  EXPECT_EQ(Category(table, "Temperature").Units,
            (std::vector<std::string>{"Celsius", "Fahrenheit", "Kelvin", "Rankine", "Reaumur"}));
}

TEST(ShippedUnitTableTest, TheGeneratorWritesTheShippedTableByteForByte) {
  const std::string generated = std::string(VEXAL_TEST_OUTPUT_DIR) + "Vexal.gun.generated";
  const std::string command = "python3 " + std::string(VEXAL_SOURCE_DIR) + "data/generate/make_unit_table.py " + generated;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const auto shipped = ReadBytes(ShippedTablePath());
  ASSERT_FALSE(shipped.empty());
  EXPECT_TRUE(ReadBytes(generated) == shipped);
}

}  // namespace
}  // namespace tools
