// A short, repeatable run of the matrix calculator's text reader fuzz targets over hostile texts.
#include "tests/tools/fuzz/MatrixTextFuzzTarget.h"
#include "tests/support/HostileInputs.h"
#include "tests/support/ScratchFile.h"
#include "tools/MatrixPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(MatrixTextFuzz, HostilePastedTexts)
{
  const std::vector<std::string> valid = {"1\t2\t3\r4\t5\t6\r", "1, 2,,3\r\n-0 1E99999 NaN\n\n0x1F\t$FF"};
  for (const std::string& bytes : testsupport::HostileFiles(valid))
    fuzz::MatrixPasteTarget(bytes);
}

TEST(MatrixTextFuzz, HostilePrintMargins)
{
  const std::vector<std::string> valid = {"[Print]\r\nLeft=25\r\nTop=10\r\nRight=20\r\nBottom=10\r\n"};
  for (const std::string& bytes : testsupport::HostileFiles(valid, 300))
    fuzz::PrintMarginsTarget(bytes);
}

}  // namespace

namespace {

TEST(MatrixTextFuzz, PrintMarginsOffThePageKeepTheirDefaults)
{
  struct Case {
    const char* text;
    int left;
  } const cases[] = {{"40", 40}, {"0", 0}, {"80", 80}, {"81", 25}, {"-1", 25}, {"2147483647", 25},
                     {"$FFFFFFFF", 25}, {"1E99999", 25}, {"NaN", 25}, {"", 25}};
  for (const Case& c : cases) {
    const std::string file = std::string("[Print]\r\nLeft=") + c.text + "\r\nTop=-2147483648\r\n";
    const tools::TPrintMargins margins =
        tools::ReadPrintMargins(testsupport::ScratchFile("margins.ini", file));
    EXPECT_EQ(margins.Left, c.left) << c.text;
    EXPECT_EQ(margins.Top, 10) << c.text;
  }
}

}  // namespace
