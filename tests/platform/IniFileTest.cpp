#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("Vexal.INI"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VEXAL_TEST_DATA_DIR "settings.ini"), path_));
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
  }

  std::vector<std::string> Lines() const { return ReadTextLines(path_); }

  QTemporaryDir dir_;
  QString path_;
};

TEST_F(IniFileTest, FindsSectionsAndKeysWithoutRegardToCase)
{
  const TIniFile ini(path_);
  EXPECT_EQ(ini.ReadFloat(QStringLiteral("graphics"), QStringLiteral("xx MIN"), 0), -10.0);
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("GRAPHICS"), QStringLiteral("XX MAX"), 0), 10);
  EXPECT_EQ(ini.ReadString(QStringLiteral("Graphics"), QStringLiteral("Missing"), QStringLiteral("d")),
            QStringLiteral("d"));
  EXPECT_EQ(ini.ReadSections(), (QStringList{QStringLiteral("Graphics"), QStringLiteral("Calc")}));
  EXPECT_EQ(ini.ReadSection(QStringLiteral("graphics")),
            (QStringList{QStringLiteral("Xx min"), QStringLiteral("Xx max")}));
  EXPECT_TRUE(ini.ValueExists(QStringLiteral("calc"), QStringLiteral("digits")));
  EXPECT_FALSE(ini.SectionExists(QStringLiteral("Files")));
}

TEST_F(IniFileTest, WritingAKeyKeepsCommentsAndTheOrderOfOtherLines)
{
  TIniFile ini(path_);
  ini.WriteFloat(QStringLiteral("GRAPHICS"), QStringLiteral("Yy min"), -2.5);
  ini.WriteFloat(QStringLiteral("graphics"), QStringLiteral("XX MIN"), 0.125);
  ini.WriteBool(QStringLiteral("Files"), QStringLiteral("Saved"), true);

  const std::vector<std::string> expected{
      "[Graphics]", "; ranges of the f(x) plot", "Xx min=0.125", "Xx max = 10", "Yy min=-2.5", "",
      "[Calc]",     "Digits=12",                 "",            "[Files]",     "Saved=1"};
  EXPECT_EQ(Lines(), expected);
  const QByteArray raw = ReadFileBytes(path_);
  EXPECT_TRUE(raw.startsWith("[Graphics]\r\n; ranges"));
  EXPECT_EQ(TIniFile(path_).ReadFloat(QStringLiteral("Graphics"), QStringLiteral("Yy min"), 0), -2.5);
}

TEST_F(IniFileTest, EraseSectionAndDeleteKeyRemoveOnlyTheirLines)
{
  TIniFile ini(path_);
  ini.DeleteKey(QStringLiteral("graphics"), QStringLiteral("xx max"));
  ini.EraseSection(QStringLiteral("CALC"));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"[Graphics]", "; ranges of the f(x) plot", "Xx min=-10", ""}));
}

TEST_F(IniFileTest, ReadsFallBackToTheDefaultOnBadText)
{
  TIniFile ini(path_);
  ini.SetAutoFlush(false);
  const QString s = QStringLiteral("S");
  ini.WriteString(s, QStringLiteral("comma"), QStringLiteral("1,5"));
  ini.WriteString(s, QStringLiteral("word"), QStringLiteral("abc"));
  ini.WriteString(s, QStringLiteral("hex"), QStringLiteral("$1F"));
  ini.WriteString(s, QStringLiteral("quoted"), QStringLiteral("\" a b \""));
  ini.WriteString(s, QStringLiteral("empty"), QString());
  EXPECT_EQ(ini.ReadFloat(s, QStringLiteral("comma"), 7), 7);
  EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("word"), 3), 3);
  EXPECT_EQ(ini.ReadInteger(s, QStringLiteral("hex"), 0), 31);
  EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("word"), true));
  EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("empty"), false));
  EXPECT_EQ(ini.ReadString(s, QStringLiteral("quoted"), {}), QStringLiteral(" a b "));
  EXPECT_EQ(ini.ReadSectionValues(s).size(), 5);
  EXPECT_FALSE(TIniFile(path_).SectionExists(s));  // not flushed yet
  ini.UpdateFile();
  EXPECT_TRUE(TIniFile(path_).SectionExists(s));
}

TEST(IniFileNumbers, FloatsAreWrittenWithAPointAndRead)
{
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{0.1, "0.1"},     {-2.5, "-2.5"},  {1e20, "1E20"}, {1.5e-7, "1.5E-7"},
                        {100, "100"},     {0, "0"},        {1.0 / 3, "0.3333333333333333"},
                        {0.1 + 0.2, "0.30000000000000004"}, {5e-324, "5E-324"}, {1.7976931348623157e308, "1.7976931348623157E308"}};
  for (const Case& c : cases) {
    EXPECT_EQ(TIniFile::FloatToText(c.value), QString::fromLatin1(c.text));
    EXPECT_EQ(TIniFile::TextToFloat(QString::fromLatin1(c.text)).value(), c.value) << c.text;  // exactly
  }
  EXPECT_FALSE(TIniFile::TextToFloat(QStringLiteral("2,5")));
  EXPECT_EQ(TIniFile::TextToInteger(QStringLiteral("-12")), -12);
  EXPECT_EQ(TIniFile::TextToInteger(QStringLiteral("0x10")), 16);
  EXPECT_FALSE(TIniFile::TextToInteger(QStringLiteral("12abc")));
  EXPECT_FALSE(TIniFile::TextToInteger(QStringLiteral("99999999999")));
}

TEST_F(IniFileTest, ValuesBeyondLatin1ReadBackAsWritten)
{
  const QString folder = QStringLiteral("/home/\u7528\u6237/\u0645\u0644\u0641\u0627\u062A \U0001F4C1/x\u00B2.VAR");
  TIniFile(path_).WriteString(QStringLiteral("Files"), QStringLiteral("Variables"), folder);
  EXPECT_EQ(TIniFile(path_).ReadString(QStringLiteral("Files"), QStringLiteral("Variables"), QString()), folder);
}

TEST_F(IniFileTest, AValueWithLineBreaksStaysOneLineAndAddsNoKeys)
{
  TIniFile(path_).WriteString(QStringLiteral("Graphics"), QStringLiteral("Title"),
                              QStringLiteral("pasted\r\n[Files]\nVariables=/elsewhere"));
  const TIniFile ini(path_);
  EXPECT_EQ(ini.ReadString(QStringLiteral("Graphics"), QStringLiteral("Title"), QString()),
            QStringLiteral("pasted  [Files] Variables=/elsewhere"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Files"), QStringLiteral("Variables"), QStringLiteral("none")),
            QStringLiteral("none"));
}

TEST_F(IniFileTest, AWriteThatCannotCreateTheFileRaisesAndKeepsTheOldOne)
{
  TIniFile ini(dir_.filePath(QStringLiteral("no-folder/Vexal.INI")));
  try {
    ini.WriteInteger(QStringLiteral("Calc"), QStringLiteral("Digits"), 5);
    FAIL() << "no error";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Can't create file ") + dir_.filePath(QStringLiteral("no-folder/Vexal.INI")));
  }
}

}  // namespace
}  // namespace platform
