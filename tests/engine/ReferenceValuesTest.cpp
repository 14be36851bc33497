// The special functions against reference values computed apart with 256-bit arithmetic, at
// arguments given as exact Extended values: every value must be right to far more than the 12
// digits shown. The elementary functions against values computed apart at 320 bits or more: every
// value within one unit of the last place of Extended.
#include "engine/BuiltinFunctions.h"
#include "engine/FunctionTable.h"
#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace engine {
namespace {

struct ReferenceRow {
  std::string name;
  std::vector<Extended> arguments;
  Extended value = 0;
  Extended offset = 0;  // the exact value minus value, in units of value's last place
  std::string line;
};

// Rows of a name, the arguments and, at the end, the value and as many more numbers as given.
std::vector<ReferenceRow> ReadRows(const std::string& file, std::size_t extraNumbers = 0)
{
  std::ifstream in(std::string(VEXAL_TEST_DATA_DIR) + file);
  std::vector<ReferenceRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#')
      continue;
    std::istringstream fields(line);
    ReferenceRow row;
    row.line = line;
    fields >> row.name;
    std::vector<std::string> words;
    for (std::string word; fields >> word;)
      words.push_back(word);
    const std::size_t valueIndex = words.size() - 1 - extraNumbers;
    for (std::size_t i = 0; i < valueIndex; ++i)
      row.arguments.push_back(std::strtold(words[i].c_str(), nullptr));
    row.value = std::strtold(words[valueIndex].c_str(), nullptr);
    if (extraNumbers > 0)
      row.offset = std::strtold(words[valueIndex + 1].c_str(), nullptr);
    rows.push_back(row);
  }
  return rows;
}

int CodeOf(const std::string& name)
{
  for (const auto& entry : FunctionTable())
    if (entry.Name == name)
      return entry.Code;
  return -1;
}

// The built-in function of the row at its arguments, which must not fail.
Extended Call(const ReferenceRow& row)
{
  const int code = CodeOf(row.name);
  EXPECT_GE(code, 0);
  ErrorFlag = false;
  ErrorCode = 0;
  Extended x = row.arguments[0];
  const Extended y = row.arguments.size() > 1 ? row.arguments[1] : UndefinedValue;
  const Extended value = CallBuiltinFunction(code, x, y);
  EXPECT_FALSE(ErrorFlag) << "error " << ErrorCode;
  return value;
}

using ReferenceValuesTest = EngineFixture;

TEST_F(ReferenceValuesTest, EveryValueKeepsFourteenDigits)
{
  const std::vector<ReferenceRow> rows = ReadRows("reference-values.txt");
  ASSERT_GT(rows.size(), 400u);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    const Extended value = Call(row);
    EXPECT_LE(std::fabs(value - row.value), 1E-14L * std::fabs(row.value))
        << std::setprecision(21) << value << " for " << row.value;
  }
}

// Every row of the file within one unit of the last place; the worst error of each function is
// recorded as a property of the test.
void ExpectWithinOneUnit(const std::string& file, std::size_t minimumRows)
{
  const std::vector<ReferenceRow> rows = ReadRows(file, 1);
  ASSERT_GT(rows.size(), minimumRows);
  std::map<std::string, Extended> worst;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    const Extended value = Call(row);
    // value - row.value is exact: the two lie within a few units of each other.
    const Extended unit = std::ldexp(Extended(1), std::ilogb(row.value) - 63);
    const Extended error = std::fabs((value - row.value) / unit - row.offset);
    EXPECT_LT(error, 1) << std::setprecision(21) << value;
    worst[row.name] = std::max(worst[row.name], error);
  }
  for (const auto& [name, error] : worst)
    testing::Test::RecordProperty(name, std::to_string(static_cast<double>(error)));
}

TEST_F(ReferenceValuesTest, ElementaryFunctionsWithinOneUnitInTheLastPlace)
{
  ExpectWithinOneUnit("elementary-references.txt", 2000);
}

// Random angles over every octave up to 2^90 and every 16th beyond, where the quarter turns are
// counted from a rounded product or from the bits of 2/pi.
TEST_F(ReferenceValuesTest, HugeAnglesWithinOneUnitInTheLastPlace)
{
  ExpectWithinOneUnit("huge-angle-references.txt", 4000);
}

TEST_F(ReferenceValuesTest, AnglesInDegreesWithinOneUnitInTheLastPlace)
{
  AngleMode = 1;
  ExpectWithinOneUnit("degree-references.txt", 300);
}

}  // namespace
}  // namespace engine
