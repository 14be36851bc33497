// A short, repeatable run of the element data file's fuzz target over hostile files.
#include "tests/tools/fuzz/ElementTableFuzzTarget.h"
#include "tests/support/HostileInputs.h"

#include <gtest/gtest.h>

namespace {

TEST(ElementTableFuzz, HostileElementFiles)
{
  const std::vector<std::string> valid = {
      "2\r\n3\r\nName\r\nSymbol\r\nMass\r\n=== 1 ===\r\nAlpha\r\nA\r\n1.5\r\n=== 2 ===\r\nBeta\r\nB\r\n[97]\r\n",
      "1\n1\nName\n=== 1 Hydrogen ===\nHydrogen"};
  for (const std::string& bytes : testsupport::HostileFiles(valid))
    fuzz::ElementTableTarget(bytes);
}

}  // namespace
