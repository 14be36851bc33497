// A short, repeatable run of the text and settings file fuzz targets over hostile files.
#include "tests/platform/fuzz/TextReadersFuzzTarget.h"
#include "platform/IniFile.h"
#include "tests/support/HostileInputs.h"
#include "tests/support/ScratchFile.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kSettingsFiles = {
    "[Calc Settings]\r\nNotation=0\r\nAngle=1\r\nDigits=12\r\nPrecison=9\r\n; comment\r\n\r\n"
    "[Graphics]\r\nXx min=-10\r\nTitle=\"f()\"\r\nStepX0=200\r\nScale=1.5E-3\r\n\r\n[Calc]\r\nLeft=$10\r\nTop=-0\r\n",
    "[a]\nk=1\n[A]\nK=2\n[b]\rx = 0x7FFFFFFF\ry=NaN\r",
};

TEST(TextReadersFuzz, HostileFilesReadAsLines)
{
  for (const std::string& bytes : testsupport::HostileFiles(kSettingsFiles, 600))
    fuzz::TextFileTarget(bytes);
}

TEST(TextReadersFuzz, HostileSettingsFilesReadAndKeepWhatTheyHold)
{
  for (const std::string& bytes : testsupport::HostileFiles(kSettingsFiles, 600))
    fuzz::IniFileTarget(bytes);
}

}  // namespace

namespace {

// Lists of a file with a hundred thousand sections, or keys in one section, come in one pass.
TEST(TextReadersFuzz, HugeCountsOfSectionsAndKeysAreListedOnce)
{
  constexpr int kCount = 100000;
  std::string sections;
  std::string keys = "[Keys]\r\n";
  for (int i = 0; i < kCount; ++i) {
    sections += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    keys += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
  }
  sections += "[s0]\r\n";
  keys += "KEY0=again\r\n";
  const platform::TIniFile manySections(testsupport::ScratchFile("sections.ini", sections));
  const QStringList names = manySections.ReadSections();
  ASSERT_EQ(names.size(), kCount);
  EXPECT_EQ(names.back(), QStringLiteral("S99999"));
  const platform::TIniFile manyKeys(testsupport::ScratchFile("keys.ini", keys));
  const QStringList values = manyKeys.ReadSectionValues(QStringLiteral("keys"));
  ASSERT_EQ(values.size(), kCount);
  EXPECT_EQ(values.front(), QStringLiteral("Key0=0"));
  EXPECT_EQ(manyKeys.ReadSection(QStringLiteral("Keys")).back(), QStringLiteral("Key99999"));
}

}  // namespace

