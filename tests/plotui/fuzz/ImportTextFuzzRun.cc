// A short, repeatable run of the series data readers' fuzz target over hostile clipboard texts and
// files.
#include "tests/support/HostileInputs.h"

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(ImportTextFuzz, HostileClipboardTextsAndFilesFillTheGridCleanly)
{
  const std::vector<std::string> valid = {
      "1 2\r\n3 4\r\n",
      "x\ty\n1.5\t2.5\n-1E-7\t3\n",
      "   1.5   2.5\r   3,4\r",
      "a,b,c\r\n1,2,3\r\n,5,6\r\n7,,9\r\n",
  };
  for (const std::string& input : testsupport::HostileFiles(valid)) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    ASSERT_FALSE(HasFatalFailure());
  }
  for (const std::string& text : testsupport::HostileTexts()) {
    const std::string input = "1 " + text + "\r\n" + text + " 2\r\n";
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
  }
}

}  // namespace
