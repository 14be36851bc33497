#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, MixedLineEndsReadAsTheSameLines)
{
  const Lines lines = ReadTextLines(QStringLiteral(VEXAL_TEST_DATA_DIR "mixed_line_ends.txt"));
  EXPECT_EQ(lines, (Lines{"first", "second", "third", "fourth", "", "sixth"}));
}

TEST(TextFile, SplitLinesKeepsNoStrayCarriageReturn)
{
  struct Case {
    std::string text;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"\xB2\xB3\r", {"\xB2\xB3"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(TextFile, WritesCrLfAndLatin1Bytes)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tape.txt"));
  WriteTextLines(path, {"x\xB2 = 4", "", "end"});
  EXPECT_EQ(ReadFileBytes(path), QByteArray("x\xB2 = 4\r\n\r\nend\r\n"));
}

TEST(TextFile, UnicodeLinesKeepEveryCharacter)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tape.txt"));
  struct Case {
    QStringList lines;
    QByteArray bytes;  // empty: not checked
  };
  const Case cases[] = {
      {{QStringLiteral("x\u00B2 = 4"), QString()}, QByteArray("x\xB2 = 4\r\n\r\n")},
      {{QStringLiteral("\u6570\u5B66 \U0001F600"), QStringLiteral("x\u00B2")},
       QByteArray("\xE6\x95\xB0\xE5\xAD\xA6 \xF0\x9F\x98\x80\r\nx\xC2\xB2\r\n")},
      {{QStringLiteral("e\u0301 \u05E9\u05DC\u05D5\u05DD"), QStringLiteral("plain")}, {}},
      {{QStringLiteral("\u00C3\u00A9")}, {}},  // Latin-1 bytes that would read as UTF-8
  };
  for (const Case& c : cases) {
    WriteUnicodeLines(path, c.lines);
    if (!c.bytes.isEmpty()) {
      EXPECT_EQ(ReadFileBytes(path), c.bytes);
    }
    EXPECT_EQ(ReadUnicodeLines(path), c.lines);
  }
}

TEST(TextFile, ReadingAMissingFileReportsIt)
{
  const QString path = QDir::temp().filePath(QStringLiteral("no-such-vexal-file.txt"));
  try {
    ReadTextLines(path);
    FAIL() << "no error";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Can't open file ") + path);
  }
}

class RewriteTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath(QStringLiteral("Vexal.HST"));
    WriteTextLines(path_, {"old"});
  }
  void ExpectOldFileAndError(const std::function<void()>& rewrite)
  {
    try {
      rewrite();
      ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Can't create file ") + path_);
    }
    EXPECT_EQ(ReadTextLines(path_), Lines{"old"});
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Vexal.HST")});
  }

  QTemporaryDir dir_;
  QString path_;
};

TEST_F(RewriteTest, AnUnwritableFolderKeepsTheOldFile)
{
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
  QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
  if (geteuid() != 0) {
    ExpectOldFileAndError([&] { WriteTextLines(path_, {"new"}); });
  } else {
    // Folder permissions do not bind root: try it as an unprivileged user in a forked child, which
    // shares this folder (the parent removes it afterwards).
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
          if (setgid(65534) != 0 || setuid(65534) != 0)
            std::_Exit(2);
          ExpectOldFileAndError([&] { WriteTextLines(path_, {"new"}); });
          std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
  }
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A read-only file in a writable folder: the rename could replace it, but no writer may.
TEST_F(RewriteTest, AReadOnlyFileIsRefusedAndKept)
{
  const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
  ASSERT_TRUE(QFile::setPermissions(path_, readOnly));
  const auto inode = [&] {
    struct stat status {};
    ::stat(QFile::encodeName(path_).constData(), &status);
    return status.st_ino;
  };
  const auto before = inode();
  ExpectOldFileAndError([&] { WriteTextLines(path_, {"new"}); });
  ExpectOldFileAndError([&] { WriteFileAtomic(path_, QByteArray("new")); });
  ExpectOldFileAndError([&] { CheckCanCreate(path_); });
  ExpectOldFileAndError([&] {
    TIniFile settings(path_);
    settings.WriteInteger(QStringLiteral("Calc"), QStringLiteral("Digits"), 15);
  });
  const QString link = dir_.filePath(QStringLiteral("link.HST"));
  ASSERT_TRUE(QFile::link(path_, link));
  try {
    WriteTextLines(link, {"new"});
    ADD_FAILURE() << "no error through the link";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Can't create file ") + link);
  }
  EXPECT_EQ(ReadTextLines(path_), Lines{"old"});
  EXPECT_EQ(inode(), before);
  const auto modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                        QFile::ReadOther | QFile::WriteOther;
  EXPECT_EQ(QFile::permissions(path_) & modeBits, readOnly);
  QFile::remove(link);
  // Made writable again, the same file is replaced as usual.
  ASSERT_TRUE(QFile::setPermissions(path_, readOnly | QFile::WriteOwner));
  WriteTextLines(path_, {"new"});
  EXPECT_EQ(ReadTextLines(path_), Lines{"new"});
}

TEST_F(RewriteTest, AWriteFailingMidwayKeepsTheOldFile)
{
  // A file-size limit makes the write fail part of the way through, for root as well.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Lines many(2000, std::string(40, 'x'));
  ExpectOldFileAndError([&] { WriteTextLines(path_, many); });
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}

TEST_F(RewriteTest, AnErrorWhileProducingTheTextKeepsTheOldFile)
{
  EXPECT_THROW(RewriteFile(path_,
                           [](QIODevice& out) {
                             out.write("half");
                             throw std::runtime_error("producer failed");
                           }),
               std::runtime_error);
  EXPECT_EQ(ReadTextLines(path_), Lines{"old"});
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Vexal.HST")});
}

TEST_F(RewriteTest, TheRenameFailingKeepsWhatStandsThere)
{
  // A folder of the file's name can't be replaced by a file.
  const QString folder = dir_.filePath(QStringLiteral("Vexal.USR"));
  ASSERT_TRUE(QDir().mkdir(folder));
  try {
    WriteTextLines(folder, {"x = 1"});
    ADD_FAILURE() << "no error";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Can't create file ") + folder);
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Vexal.HST")});
}

TEST(FullDisk, EveryRewriteKeepsTheOldFileAndSaysSo)
{
  const testsupport::FullDisk disk;
  if (!disk.Mounted())
    GTEST_SKIP() << disk.Why();
  const QString text = QString::fromStdString(disk.Path("Vexal.HST"));
  const QString ini = QString::fromStdString(disk.Path("Vexal.INI"));
  WriteTextLines(text, {"1+2", "3"});
  WriteTextLines(ini, {"[Calc]", "Digits=12"});
  disk.Fill();

  const auto expectRefused = [](const QString& path, const std::function<void()>& write) {
    try {
      write();
      ADD_FAILURE() << "no error for " << path.toStdString();
    } catch (const EFileError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Can't create file ") + path);
    }
  };
  // Small contents stay in a write buffer until the end: the failure shows only at the flush.
  expectRefused(text, [&] { WriteTextLines(text, {"4*5"}); });
  expectRefused(text, [&] { WriteTextLines(text, std::vector<std::string>(500, std::string(60, 'x'))); });
  expectRefused(text, [&] { WriteFileAtomic(text, QByteArray(10, 'b')); });
  TIniFile settings(ini);
  expectRefused(ini, [&] { settings.WriteInteger(QStringLiteral("Calc"), QStringLiteral("Digits"), 15); });
  expectRefused(QString::fromStdString(disk.Path("new.txt")), [&] {
    WriteTextLines(QString::fromStdString(disk.Path("new.txt")), {"new"});
  });

  EXPECT_EQ(ReadTextLines(text), (Lines{"1+2", "3"}));
  EXPECT_EQ(ReadTextLines(ini), (Lines{"[Calc]", "Digits=12"}));
  EXPECT_EQ(QDir(QString::fromStdString(disk.Path(""))).entryList(QDir::Files),
            (QStringList{QStringLiteral("Vexal.HST"), QStringLiteral("Vexal.INI")}));
}

TEST_F(RewriteTest, KeepsTheModeOfTheOldFileAndWritesThroughALink)
{
  QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
  const QString link = dir_.filePath(QStringLiteral("link.HST"));
  ASSERT_TRUE(QFile::link(path_, link));
  WriteTextLines(link, {"new"});
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadTextLines(path_), Lines{"new"});
  EXPECT_EQ(QFile::permissions(path_) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

}  // namespace
}  // namespace platform
