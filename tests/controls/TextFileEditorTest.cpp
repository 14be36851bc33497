#include "controls/editor/Controller.h"
#include "controls/editor/Exceptions.h"
#include "controls/textfile/TextFileEditor.h"
#include "controls/textfile/TextFileLines.h"
#include "platform/Exceptions.h"
#include "tests/controls/TextStoreHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace controls {
namespace {

using Lines = std::vector<std::string>;

class TextFileEditorTest : public ::testing::Test {
 protected:
  TextFileEditorTest()
  {
    editor = new TOvcTextFileEditor(&form);
    editor->SetController(&controller);
  }

  QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
  void Write(const char* name, const std::string& bytes) const
  {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qsizetype(bytes.size()));
  }
  std::string Read(const char* name) const
  {
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
      return "<missing>";
    return file.readAll().toStdString();
  }
  Lines Text() const { return test::Paras(editor->Core().ParaList()); }
  void Show(const Lines& paras)
  {
    editor->ClearText(false);
    test::Fill(editor->Core().ParaList(), paras);
  }

  QTemporaryDir folder;
  QWidget form;
  TOvcController controller{&form};
  TOvcTextFileEditor* editor;  // owned by the form
};

TEST(TextFileLines, SplitsAtEveryLineEnd)
{
  struct Case {
    std::string bytes;
    Lines lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"x\r\ny\r\n", {"x", "y"}},
      {"x\r\ny", {"x", "y"}},
      {"x\ny", {"x", "y"}},
      {"x\n\ny\n", {"x", "", "y"}},
      {"x\n\ry", {"x", "", "y"}},
      {"x\r\r\ny", {"x", "", "y"}},
      {"x\ry\r", {"x", "y"}},
      {"\r\n", {""}},
      {"x\r\n\x1ay\r\n", {"x"}},
      {"ab\x1a", {"ab"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SplitTextFileLines(c.bytes), c.lines) << c.bytes;
}

TEST_F(TextFileEditorTest, LoadsLinesAsParagraphsAndSavesThemBackByteForByte)
{
  Write("a.txt", "x\r\ny\r\n");
  editor->LoadFromFile(Path("a.txt"));
  EXPECT_EQ(Text(), (Lines{"x", "y", ""}));
  EXPECT_TRUE(editor->IsOpen());
  EXPECT_EQ(editor->FileName(), Path("a.txt"));
  EXPECT_FALSE(editor->Modified());
  editor->SaveToFile(Path("b.txt"));
  EXPECT_EQ(Read("b.txt"), "x\r\ny\r\n");
  EXPECT_EQ(editor->FileName(), Path("a.txt"));

  Write("c.txt", "x\r\ny");  // no final line end: the same paragraphs, saved with one
  editor->LoadFromFile(Path("c.txt"));
  EXPECT_EQ(Text(), (Lines{"x", "y", ""}));
  editor->SaveToFile(Path("c.txt"));
  EXPECT_EQ(Read("c.txt"), "x\r\ny\r\n");

  Write("d.txt", "a\nb");  // a lone line feed ends a line too
  editor->LoadFromFile(Path("d.txt"));
  EXPECT_EQ(Text(), (Lines{"a", "b", ""}));

  Write("e.txt", "");
  editor->LoadFromFile(Path("e.txt"));
  EXPECT_EQ(Text(), (Lines{""}));
  editor->SaveToFile(Path("e.txt"));
  EXPECT_EQ(Read("e.txt"), "");
}

TEST_F(TextFileEditorTest, AUtf8FileIsReadAsItsCharactersAndSavedAsUtf8)
{
  struct Case {
    const char* name;
    std::string bytes;
    Lines paras;
    std::string saved;
  };
  const std::vector<Case> cases = {
      {"UTF-8 with LF", "caf\xC3\xA9\n\xC2\xB2 ok\n", {"caf\xE9", "\xB2 ok", ""}, "caf\xC3\xA9\r\n\xC2\xB2 ok\r\n"},
      {"Latin-1 stays Latin-1", "caf\xE9\r\n", {"caf\xE9", ""}, "caf\xE9\r\n"},
      {"ASCII", "abc\r\n", {"abc", ""}, "abc\r\n"},
      // A character without a Latin-1 byte can't be held: the bytes are kept as they are.
      {"UTF-8 beyond Latin-1", "\xCF\x80 r\r\n", {"\xCF\x80 r", ""}, "\xCF\x80 r\r\n"},
      {"invalid UTF-8", "\xC3(\r\n", {"\xC3(", ""}, "\xC3(\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write("in.txt", c.bytes);
    editor->LoadFromFile(Path("in.txt"));
    EXPECT_EQ(Text(), c.paras);
    editor->SaveToFile(Path("out.txt"));
    EXPECT_EQ(Read("out.txt"), c.saved);
  }
}

TEST_F(TextFileEditorTest, ALineBeyondTheParagraphLimitIsSplitNotCut)
{
  const std::string longLine(40000, 'x');
  Write("long.txt", longLine + "\r\nnext\r\n");
  editor->LoadFromFile(Path("long.txt"));
  EXPECT_EQ(Text(), (Lines{std::string(32767, 'x'), std::string(40000 - 32767, 'x'), "next", ""}));

  editor->SetParaLengthLimit(10);
  Write("words.txt", "alpha beta gamma\r\n");
  editor->SetTrimWhiteSpace(false);
  editor->LoadFromFile(Path("words.txt"));
  EXPECT_EQ(Text(), (Lines{"alpha ", "beta gamma", ""}));
  editor->SetTrimWhiteSpace(true);
  editor->LoadFromFile(Path("words.txt"));
  EXPECT_EQ(Text(), (Lines{"alpha", "beta gamma", ""}));
}

TEST_F(TextFileEditorTest, StoreLimitsDuringALoadRaiseTheLibraryText)
{
  editor->SetParaLimit(2);
  Write("three.txt", "a\r\nb\r\nc\r\n");
  try {
    editor->LoadFromFile(Path("three.txt"));
    FAIL() << "no exception";
  } catch (const EEditorError& error) {
    EXPECT_STREQ(error.what(), "Current operation will exceed the maximum number of allowed paragraphs");
  }
  EXPECT_FALSE(editor->IsOpen());
}

TEST_F(TextFileEditorTest, ControlCodesAndTabsAreSavedAsBlanks)
{
  Show({"a\tb", std::string("c\x01" "d"), "\x0b"});
  editor->SaveToFile(Path("tabs.txt"));
  EXPECT_EQ(Read("tabs.txt"), "a b\r\nc d\r\n\x0b\r\n");
}

TEST_F(TextFileEditorTest, TheBackupKeepsThePreviousFile)
{
  Write("data.txt", "old\r\n");
  Write("data.BAK", "older\r\n");
  editor->SetMakeBackup(true);
  Show({"new"});
  editor->SaveToFile(Path("data.txt"));
  EXPECT_EQ(Read("data.txt"), "new\r\n");
  EXPECT_EQ(Read("data.BAK"), "old\r\n");

  Show({"newer"});  // a file of the backup's own name has no backup
  editor->SaveToFile(Path("data.BAK"));
  EXPECT_EQ(Read("data.BAK"), "newer\r\n");
  EXPECT_EQ(Read("data.txt"), "new\r\n");

  editor->SetBackupExt("OLDER");
  EXPECT_EQ(editor->BackupExt(), "OLD");
  Show({"plain"});
  editor->SaveToFile(Path("plain"));  // nothing to back up yet
  EXPECT_EQ(Read("plain.OLD"), "<missing>");
  editor->SaveToFile(Path("plain"));
  EXPECT_EQ(Read("plain.OLD"), "plain\r\n");
  EXPECT_EQ(BackupFileName(QStringLiteral("dir.x/name"), "BAK"), QStringLiteral("dir.x/name.BAK"));
}

TEST_F(TextFileEditorTest, AFailedSaveReportsThePath)
{
  Write("keep.txt", "kept\r\n");
  Show({"lost"});
  const QString missing = Path("no-such-folder/x.txt");
  try {
    editor->SaveToFile(missing);
    FAIL() << "no exception";
  } catch (const platform::EFileError& error) {
    EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Can't create file "))) << error.Message().toStdString();
    EXPECT_TRUE(error.Message().contains(missing));
  }
  // A folder standing where the file should be: the save fails, the backup is kept apart.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("dir.txt")));
  editor->SetMakeBackup(true);
  EXPECT_THROW(editor->SaveToFile(Path("dir.txt")), platform::EFileError);
  editor->SaveToFile(Path("keep.txt"));
  EXPECT_EQ(Read("keep.BAK"), "kept\r\n");
  EXPECT_EQ(Read("keep.txt"), "lost\r\n");
}

TEST_F(TextFileEditorTest, FileNameAndIsOpenFollowTheirRules)
{
  Write("one.txt", "1\r\n");
  editor->SetFileName(Path("one.txt."));
  EXPECT_EQ(editor->FileName(), Path("one.txt"));
  editor->SetIsOpen(true);
  EXPECT_EQ(Text(), (Lines{"1", ""}));

  editor->SetFileName(Path("ONE.TXT"));  // the same name in other letters changes nothing
  EXPECT_TRUE(editor->IsOpen());
  EXPECT_EQ(editor->FileName(), Path("one.txt"));

  editor->SetFileName(Path("two.txt"));  // another name closes; the text stays
  EXPECT_FALSE(editor->IsOpen());
  EXPECT_EQ(Text(), (Lines{"1", ""}));

  // A missing file while closed: the text stays; while open: the editor is emptied.
  EXPECT_THROW(editor->LoadFromFile(Path("missing.txt")), platform::EFileError);
  EXPECT_EQ(Text(), (Lines{"1", ""}));
  editor->SetFileName(Path("one.txt"));
  editor->SetIsOpen(true);
  ASSERT_TRUE(editor->IsOpen());
  EXPECT_THROW(editor->LoadFromFile(Path("missing.txt")), platform::EFileError);
  EXPECT_FALSE(editor->IsOpen());
  EXPECT_EQ(Text(), (Lines{""}));

  editor->SetFileName(Path("one.txt"));
  editor->SetIsOpen(true);
  editor->SetIsOpen(false);
  EXPECT_EQ(Text(), (Lines{""}));
}

}  // namespace
}  // namespace controls
