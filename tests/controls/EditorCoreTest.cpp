#include "controls/editor/CommandProcessor.h"
#include "controls/editor/EditorCore.h"
#include "controls/editor/Exceptions.h"
#include "platform/VirtualKeys.h"
#include "tests/controls/TextStoreHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace controls {
namespace {

using namespace platform;
using test::Paras;

// A window of 20 rows and 40 columns with its own clipboard.
class FakeView : public TOvcEditorView {
 public:
  int Rows() const override { return rows; }
  int Columns() const override { return 40; }
  void Beep() override { ++beeps; }
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  std::optional<std::string> ClipboardText() override { return clipboard; }

  int rows = 20;
  int beeps = 0;
  std::string clipboard;
};

// An editor driven by keys through the "Default" command table, as the control does.
struct Editor {
  FakeView view;
  TOvcEditorCore core{&view};
  TOvcCommandProcessor keys;

  void Press(int key, TShiftState shift = 0)
  {
    const TOvcCommand cmd = keys.TranslateKeyShift(key, shift);
    if (cmd != ccNoCommand && cmd != ccSequencePending && cmd != ccSequenceFailed && core.ProcessCommand(cmd, key))
      return;
    if (key == VK_TAB)
      core.InsertTab();
    else if (key == VK_RETURN)
      core.NewLine(core.InsertMode() && !core.ReadOnly(), true);
  }
  void Type(std::string_view text)
  {
    for (const char ch : text)
      core.ProcessCommand(ccChar, static_cast<unsigned char>(ch));
  }
  void Load(const std::vector<std::string>& paras) { test::Fill(core.ParaList(), paras); }
  std::vector<std::string> Text() const { return Paras(core.ParaList()); }
};

TEST(EditorCore, EnterSplitsAndTrimsTheBlanksBeforeTheCaret)
{
  Editor e;
  e.Load({"abc   def"});
  e.core.MoveCaretTo(1, 7, false);  // before the d
  e.Press(VK_RETURN);
  EXPECT_EQ(e.Text(), (std::vector<std::string>{"abc", "def"}));
  EXPECT_EQ(e.core.CaretPara(), (TParaPos{2, 1}));

  Editor end;
  end.Load({"abc   "});
  end.Press(VK_END);
  end.Press(VK_RETURN);
  EXPECT_EQ(end.Text(), (std::vector<std::string>{"abc   ", ""}));
}

TEST(EditorCore, AutoIndentWritesTheIndentAsTheTabKindSays)
{
  struct Case {
    TTabType type;
    std::string indent;
  };
  for (const Case& c : {Case{ttReal, "\t\t"}, Case{ttFixed, std::string(16, ' ')}}) {
    Editor e;
    e.core.SetAutoIndent(true);
    e.core.SetTabType(c.type);
    e.Load({"\t\tx = 1"});
    e.Press(VK_END);
    e.Press(VK_RETURN);
    e.Type("y");
    EXPECT_EQ(e.Text(), (std::vector<std::string>{"\t\tx = 1", c.indent + "y"})) << c.type;
  }
}

TEST(EditorCore, FixedTabsFillToTheNextStop)
{
  for (const auto& [column, blanks] : {std::pair{5, 4}, std::pair{9, 8}, std::pair{1, 8}}) {
    Editor e;
    e.core.SetTabType(ttFixed);
    e.Load({"abcdefghij"});
    e.core.MoveCaretTo(1, column, false);
    e.Press(VK_TAB);
    EXPECT_EQ(e.core.ParaList().GetParaLength(1), 10 + blanks) << column;
    EXPECT_EQ(e.core.CaretCol(), column + blanks);
  }
}

TEST(EditorCore, VerticalMovesStopAtTheEndsWithoutTouchingTheColumn)
{
  Editor e;
  e.Load({"first line", "second"});
  e.core.MoveCaretTo(2, 4, false);
  e.Press(VK_DOWN);
  EXPECT_EQ(e.core.CaretLine(), 2);
  EXPECT_EQ(e.core.CaretCol(), 4);
  e.Press(VK_UP);
  EXPECT_EQ(e.core.CaretLine(), 1);
  EXPECT_EQ(e.core.CaretCol(), 4);
  e.core.MoveCaretTo(1, 9, false);
  e.Press(VK_DOWN);  // the shorter line cuts the column
  EXPECT_EQ(e.core.CaretCol(), 7);
}

TEST(EditorCore, BackspaceJoinsParagraphsAndDoesNothingAtTheStart)
{
  Editor e;
  e.Load({"ab", "cd"});
  e.Press(VK_BACK);
  EXPECT_EQ(e.Text(), (std::vector<std::string>{"ab", "cd"}));
  e.core.MoveCaretTo(2, 1, false);
  e.Press(VK_BACK);
  EXPECT_EQ(e.Text(), (std::vector<std::string>{"abcd"}));
  EXPECT_EQ(e.core.CaretPara(), (TParaPos{1, 3}));
}

TEST(EditorCore, CopyPasteAndOneUndoOfThePaste)
{
  Editor e;
  e.Load({"one\tx", "two", "three"});
  e.core.SelectAll(true);
  e.Press('C', ssCtrl);
  EXPECT_EQ(e.view.clipboard, "one x\r\ntwo\r\nthree");

  e.core.ClearText(false);
  e.Load({"[]"});
  e.core.MoveCaretTo(1, 2, false);
  e.view.clipboard = "one\ttab\r\ntwo\r\nthree";
  e.Press('V', ssCtrl);
  EXPECT_EQ(e.Text(), (std::vector<std::string>{"[one\ttab", "two", "three]"}));
  EXPECT_EQ(e.core.CaretPara(), (TParaPos{3, 6}));
  e.Press('Z', ssCtrl);
  EXPECT_EQ(e.Text(), (std::vector<std::string>{"[]"}));
  EXPECT_EQ(e.core.CaretPara(), (TParaPos{1, 2}));
  e.Press('Z', ssCtrl);  // nothing left to undo: a beep and no change
  EXPECT_EQ(e.view.beeps, 1);
}

TEST(EditorCore, ALongPasteKeepsItsLineBreaksWhole)
{
  // Line breaks right around where a 61440-byte cut would fall.
  std::string text(61439, 'a');
  text += "\r\n";
  for (int i = 0; i < 5000; ++i)
    text += "line\r\n";
  Editor e;
  e.view.clipboard = text;
  e.Press('V', ssCtrl);
  EXPECT_EQ(e.core.GetParaCount(), 5002);
  EXPECT_EQ(e.core.ParaList().GetParaLength(1), 61439);
  for (int para = 2; para <= 5001; ++para)
    ASSERT_EQ(e.core.GetPara(para), "line") << para;
}

TEST(EditorCore, TypingMovesTheCaretOfAnotherEditorOnTheSameText)
{
  Editor a;
  Editor b;
  a.Load({"hello world", "second", "third"});
  b.core.Attach(&a.core);
  b.core.MoveCaretTo(1, 7, false);  // before the w
  a.core.MoveCaretTo(1, 1, false);
  a.Type("X");
  EXPECT_EQ(b.core.CaretPara(), (TParaPos{1, 8}));
  EXPECT_EQ(b.core.GetPara(1)[std::size_t(b.core.CaretPara().Pos - 1)], 'w');

  // Deleting the paragraph that holds b's whole selection collapses it at b's caret.
  b.core.SetSelectionPara(2, 2, 2, 4, true);
  a.core.MoveCaretTo(2, 1, false);
  a.core.ProcessCommand(ccDelLine, 0);
  EXPECT_FALSE(b.core.HasSelection());
  EXPECT_EQ(b.core.SelStart(), b.core.CaretPara());
}

TEST(EditorCore, TheRingNeitherDanglesNorFreesTwice)
{
  auto a = std::make_unique<Editor>();
  Editor b;
  Editor c;
  a->Load({"shared"});
  b.core.Attach(&a->core);
  b.core.Attach(&a->core);  // already shared: nothing
  c.core.Attach(&b.core);
  EXPECT_TRUE(c.core.SharesTextWith(a->core));
  a.reset();  // the owner goes: b takes the text over
  EXPECT_EQ(b.core.GetPara(1), "shared");
  c.Type("!");
  EXPECT_EQ(b.core.GetPara(1), "!shared");
  b.core.ClearText(false);  // b leaves; c keeps the text
  EXPECT_EQ(c.core.GetPara(1), "!shared");
  EXPECT_EQ(b.core.GetPara(1), "");
  c.core.Attach(&b.core);  // c, the last holder, frees the old text and joins b
  EXPECT_TRUE(c.core.SharesTextWith(b.core));
}

TEST(EditorCore, SelectAllAndQueries)
{
  Editor e;
  e.core.SelectAll(true);
  EXPECT_FALSE(e.core.HasSelection());
  e.Load({"ab"});
  e.core.SelectAll(true);
  EXPECT_EQ(e.core.SelStart(), (TParaPos{1, 1}));
  EXPECT_EQ(e.core.SelEnd(), (TParaPos{1, 3}));
  EXPECT_EQ(e.core.CaretCol(), 3);
  EXPECT_THROW(e.core.GetLine(0), EInvalidLineOrPara);
  EXPECT_THROW(e.core.GetLine(2), EInvalidLineOrPara);
  EXPECT_THROW(e.core.GetPara(2), EInvalidLineOrPara);
}

TEST(EditorCore, CommandResultsOverwriteAndMarkers)
{
  Editor e;
  int user = 0;
  e.core.OnUserCommand = [&](TOvcCommand cmd) { user = cmd; };
  EXPECT_TRUE(e.core.ProcessCommand(300, 0));
  EXPECT_EQ(user, 300);
  EXPECT_FALSE(e.core.ProcessCommand(3, 0));

  e.Load({"abc", "def"});
  e.core.MoveCaretTo(2, 2, false);
  EXPECT_TRUE(e.core.ProcessCommand(ccSetMarker0 + 3, '3'));
  EXPECT_EQ(e.core.ParaList().Bookmark(3), (TParaPos{2, 2}));
  EXPECT_TRUE(e.core.ProcessCommand(ccSetMarker0 + 4, 'K'));  // not a digit: nothing stored
  EXPECT_EQ(e.core.ParaList().Bookmark(4), (TParaPos{}));
  e.core.MoveCaretTo(1, 1, false);
  e.core.ProcessCommand(ccGotoMarker0 + 3, '3');
  EXPECT_EQ(e.core.CaretPara(), (TParaPos{2, 2}));
  EXPECT_THROW(e.core.SetMarkerAt(1, 3, 1), EInvalidLineOrCol);

  e.core.SetInsertMode(false);
  e.core.MoveCaretTo(1, 3, false);
  e.Type("XYZ");  // overwrites c, then appends
  EXPECT_EQ(e.core.GetPara(1), "abXYZ");
}

TEST(EditorCore, StoreErrorsGoToOnErrorOrRaise)
{
  Editor e;
  e.core.ParaList().SetParaLengthLimit(3);
  e.Type("abc");
  EXPECT_THROW(e.Type("d"), EEditorError);
  int code = 0;
  e.core.OnError = [&](int c) { code = c; };
  e.Type("d");
  EXPECT_EQ(code, ecParaTooLong);
  EXPECT_EQ(e.core.GetPara(1), "abc");
}

TEST(EditorCore, PagingKeepsTheCaretInView)
{
  Editor e;
  std::vector<std::string> lines(100, "line");
  e.Load(lines);
  e.Press(VK_NEXT);
  EXPECT_EQ(e.core.CaretLine(), 20);
  EXPECT_EQ(e.core.TopLine(), 20);
  e.Press(VK_END, ssCtrl);
  EXPECT_EQ(e.core.CaretLine(), 100);
  EXPECT_EQ(e.core.TopLine(), 81);
  e.Press(VK_HOME, ssCtrl);
  EXPECT_EQ(e.core.CaretLine(), 1);
  EXPECT_EQ(e.core.TopLine(), 1);
}

}  // namespace
}  // namespace controls
