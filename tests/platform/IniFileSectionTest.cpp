#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(IniFileSections, AnEmptySectionIsWrittenOnceAndKeptByLaterWrites)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("keys.ini"));
  {
    TIniFile ini(path);
    ini.WriteString(QStringLiteral("First"), QStringLiteral("A"), QStringLiteral("1"));
    ini.CreateSection(QStringLiteral("Empty\\Key"));
    ini.CreateSection(QStringLiteral("EMPTY\\KEY"));  // present already, in another case
    ini.CreateSection(QStringLiteral("first"));
  }
  TIniFile ini(path);
  EXPECT_TRUE(ini.SectionExists(QStringLiteral("empty\\key")));
  EXPECT_TRUE(ini.ReadSection(QStringLiteral("Empty\\Key")).isEmpty());
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"[First]", "A=1", "", "[Empty\\Key]"}));
  ini.WriteString(QStringLiteral("Empty\\Key"), QStringLiteral("B"), QStringLiteral("2"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Empty\\Key"), QStringLiteral("B"), {}), QStringLiteral("2"));
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"[First]", "A=1", "", "[Empty\\Key]", "B=2"}));
}

}  // namespace
}  // namespace platform
