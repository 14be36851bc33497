// The special functions against reference values computed apart with 256-bit arithmetic, at
// arguments given as exact Extended values: every value must be right to far more than the 12
// digits shown.
#include "engine/BuiltinFunctions.h"
#include "engine/FunctionTable.h"
#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace engine {
namespace {

struct ReferenceRow {
  std::string name;
  std::vector<Extended> arguments;
  Extended value = 0;
  std::string line;
};

std::vector<ReferenceRow> ReadRows(const std::string& file)
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
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
      row.arguments.push_back(std::strtold(words[i].c_str(), nullptr));
    row.value = std::strtold(words.back().c_str(), nullptr);
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

class ReferenceValuesTest : public EngineFixture {};

TEST_F(ReferenceValuesTest, EveryValueKeepsFourteenDigits)
{
  const std::vector<ReferenceRow> rows = ReadRows("reference-values.txt");
  ASSERT_GT(rows.size(), 400u);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    const int code = CodeOf(row.name);
    ASSERT_GE(code, 0);
    ErrorFlag = false;
    ErrorCode = 0;
    Extended x = row.arguments[0];
    const Extended y = row.arguments.size() > 1 ? row.arguments[1] : UndefinedValue;
    const Extended value = CallBuiltinFunction(code, x, y);
    ASSERT_FALSE(ErrorFlag) << "error " << ErrorCode;
    EXPECT_LE(std::fabs(value - row.value), 1E-14L * std::fabs(row.value))
        << std::setprecision(21) << value << " for " << row.value;
  }
}

}  // namespace
}  // namespace engine
