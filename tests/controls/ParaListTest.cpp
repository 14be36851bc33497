#include "TextStoreHelpers.h"

#include "controls/editor/ParaList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace controls {
namespace {

using test::Fill;
using test::Lines;
using test::Paras;
using Strings = std::vector<std::string>;

// Records the notifications the list sends.
class RecordingEditor : public TParaListEditor {
 public:
  void ParaDeleted(int para) override { log.push_back("ParaDeleted " + std::to_string(para)); }
  void TextDeleted(int para, int pos, int count) override
  {
    log.push_back("TextDeleted " + std::to_string(para) + "," + std::to_string(pos) + "," + std::to_string(count));
  }
  void ParaSplit(int para, int pos, int indent) override
  {
    log.push_back("ParaSplit " + std::to_string(para) + "," + std::to_string(pos) + "," + std::to_string(indent));
  }
  void TextInserted(int para, int pos, int count) override
  {
    log.push_back("TextInserted " + std::to_string(para) + "," + std::to_string(pos) + "," + std::to_string(count));
  }
  void ParasJoined(int para, int pos) override
  {
    log.push_back("ParasJoined " + std::to_string(para) + "," + std::to_string(pos));
  }
  void UpdateLayout() override { log.push_back("UpdateLayout"); }
  std::vector<std::string> log;
};

TEST(ParaList, NewListHasOneEmptyParagraph)
{
  TOvcParaList list(nullptr, false);
  EXPECT_EQ(list.ParaCount(), 1);
  EXPECT_EQ(list.LineCount(), 1);
  EXPECT_EQ(list.TextBytes(), 0);
  EXPECT_EQ(list.GetParaLength(1), 0);
  EXPECT_FALSE(list.Modified());
  EXPECT_EQ(list.ParaLengthLimit(), 32767);
  EXPECT_EQ(list.UndoBuffer().BufferSize(), 8192);
}

TEST(ParaList, WrapsIntoDisplayLinesAt10Columns)
{
  TOvcParaList list(nullptr, true);
  list.SetWrapColumn(10);
  Fill(list, {"aaaa bbbb cccc", "abc-defghijkl", "short"});
  EXPECT_EQ(Lines(list), (Strings{"aaaa bbbb ", "cccc", "abc-", "defghijkl", "short"}));
  int col = 0;
  EXPECT_EQ(list.ParaPosToLine(1, 12, col), 2);
  EXPECT_EQ(col, 2);
  EXPECT_EQ(list.ParaPosToLine(3, 1, col), 5);
  int offset = -1;
  EXPECT_EQ(list.LineToPara(4, offset), 2);
  EXPECT_EQ(offset, 4);
  list.SetWordWrap(false);
  EXPECT_EQ(list.LineCount(), 3);
  EXPECT_EQ(Lines(list), (Strings{"aaaa bbbb cccc", "abc-defghijkl", "short"}));
}

TEST(ParaList, InsertBeyondTheEndFillsWithBlanksAndUndoesAsOne)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  ASSERT_EQ(list.InsertText(nullptr, 1, 10, "x"), ecOK);
  EXPECT_EQ(list.GetParaText(1), "abc      x");
  EXPECT_EQ(list.TextBytes(), 10);
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 1);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(1).Pos, 4);
  EXPECT_EQ(list.UndoBuffer().RecordData(1), "      x");
  int para = 0, pos = 0;
  list.Undo(nullptr, para, pos);
  EXPECT_EQ(list.GetParaText(1), "abc");
  EXPECT_EQ(list.TextBytes(), 3);
  EXPECT_EQ(pos, 4);
}

// The store must be unchanged after a refused edit.
struct StoreState {
  Strings paras;
  std::int64_t bytes;
  int undoCount;
  bool operator==(const StoreState&) const = default;
};
StoreState StateOf(const TOvcParaList& list)
{
  return {Paras(list), list.TextBytes(), list.UndoBuffer().UndoCount()};
}

TEST(ParaList, LimitsReturnTheirCodesAndLeaveTheStoreUnchanged)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc", "de", "fgh"});
  const StoreState before = StateOf(list);

  list.SetParaLimit(3);
  EXPECT_EQ(list.InsertParaBefore(nullptr, 2, "new"), ecTooManyParas);
  EXPECT_EQ(StateOf(list), before);
  list.SetParaLimit(MaxLimit);

  list.SetByteLimit(int(list.TextBytes()) + 2);
  EXPECT_EQ(list.InsertText(nullptr, 1, 1, "xyz"), ecBufferTooBig);
  EXPECT_EQ(list.InsertParaAfter(nullptr, 1, ""), ecOK);  // unchecked by design: callers check first
  list.DeletePara(nullptr, 2);
  list.UndoBuffer().Clear();
  EXPECT_EQ(StateOf(list), before);
  list.SetByteLimit(MaxLimit);

  list.SetParaLengthLimit(5);
  EXPECT_EQ(list.InsertText(nullptr, 1, 4, "xyz"), ecParaTooLong);
  EXPECT_EQ(list.ReplaceText(nullptr, 2, 1, 1, "vwxyz"), ecParaTooLong);
  EXPECT_EQ(StateOf(list), before);
}

TEST(ParaList, GapBlanksCountAgainstTheParagraphLengthLimit)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  list.SetParaLengthLimit(8);
  // 3 characters, 6 blanks and "x" would make 10.
  EXPECT_EQ(list.InsertText(nullptr, 1, 10, "x"), ecParaTooLong);
  EXPECT_EQ(list.GetParaText(1), "abc");
  EXPECT_EQ(list.InsertText(nullptr, 1, 8, "x"), ecOK);
  EXPECT_EQ(list.GetParaText(1), "abc    x");
  list.SetByteLimit(9);
  EXPECT_EQ(list.InsertText(nullptr, 1, 9 + 3, "y"), ecBufferTooBig);  // gap counted against the byte limit too
}

TEST(ParaList, OneMoreParagraphWhenTheLastIsEmpty)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"a", "b", ""});
  list.SetParaLimit(3);
  EXPECT_EQ(list.InsertParaBefore(nullptr, 1, "x"), ecOK);
  EXPECT_EQ(list.ParaCount(), 4);

  TOvcParaList full(nullptr, false);
  Fill(full, {"a", "b", "c"});
  full.SetParaLimit(3);
  EXPECT_EQ(full.InsertParaBefore(nullptr, 1, "x"), ecTooManyParas);
  EXPECT_EQ(full.ParaCount(), 3);
}

TEST(ParaList, JoinRefusedWhenTooLong)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abcd", "efgh"});
  list.SetParaLengthLimit(6);
  EXPECT_EQ(list.JoinParas(nullptr, 1, 5), ecCannotJoin);
  EXPECT_EQ(Paras(list), (Strings{"abcd", "efgh"}));
  list.SetParaLengthLimit(8);
  EXPECT_EQ(list.JoinParas(nullptr, 1, 5), ecOK);
  EXPECT_EQ(Paras(list), (Strings{"abcdefgh"}));
  EXPECT_EQ(list.TextBytes(), 8);
}

TEST(ParaList, SplitTrimsBlanksIndentsAndNotifiesOnce)
{
  RecordingEditor editor;
  TOvcParaList list(&editor, false);
  Fill(list, {"abc   def"});
  editor.log.clear();
  int indent = 5;
  ASSERT_EQ(list.SplitPara(&editor, 1, 7, true, indent, 4), ecOK);
  EXPECT_EQ(Paras(list), (Strings{"abc", "\t def"}));
  EXPECT_EQ(indent, 2);
  EXPECT_EQ(editor.log, (Strings{"ParaSplit 1,7,2"}));
  int para = 0, pos = 0;
  list.Undo(&editor, para, pos);
  EXPECT_EQ(Paras(list), (Strings{"abc   def"}));
  EXPECT_EQ(para, 1);
  EXPECT_EQ(pos, 7);
}

TEST(ParaList, SplitAtStartInsertsAnEmptyParagraphWithoutMarkers)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  int indent = 0;
  ASSERT_EQ(list.SplitPara(nullptr, 1, 1, true, indent, 0), ecOK);
  EXPECT_EQ(Paras(list), (Strings{"", "abc"}));
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 1);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(1).Type, utInsertParaBefore);
}

TEST(ParaList, SplitAtTheEndKeepsTrailingBlanks)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc  "});
  int indent = 0;
  list.SplitPara(nullptr, 1, 6, true, indent, 0);
  EXPECT_EQ(Paras(list), (Strings{"abc  ", ""}));
}

TEST(ParaList, PasteWithBreaks)
{
  struct Case {
    Strings before;
    int para, pos;
    std::string text;
    Strings after;
    int endPara, endPos;
  } cases[] = {
      {{"abc"}, 1, 1, "x\r\ny", {"x", "yabc"}, 2, 2},
      {{"abc"}, 1, 2, "1\n2\n3", {"a1", "2", "3bc"}, 3, 2},
      {{"abc"}, 1, 4, "\n", {"abc", ""}, 2, 1},
      {{"abc"}, 1, 2, "x\ry", {"ax\rybc"}, 1, 5},  // a lone carriage return stays
      {{"ab", "cd"}, 2, 3, "e\r\nf\r\n", {"ab", "cde", "f", ""}, 4, 1},
  };
  for (const Case& c : cases) {
    TOvcParaList list(nullptr, false);
    Fill(list, c.before);
    int para = c.para, pos = c.pos;
    ASSERT_EQ(list.InsertTextWithBreaks(nullptr, para, pos, c.text), ecOK);
    EXPECT_EQ(Paras(list), c.after) << c.text;
    EXPECT_EQ(para, c.endPara) << c.text;
    EXPECT_EQ(pos, c.endPos) << c.text;
    int up = 0, upos = 0;
    list.Undo(nullptr, up, upos);
    EXPECT_EQ(Paras(list), c.before) << "undo of " << c.text;
    EXPECT_EQ(list.UndoBuffer().UndoCount(), 0) << c.text;
  }
}

TEST(ParaList, PasteEndsAtAZeroCharacter)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  int para = 1, pos = 2;
  ASSERT_EQ(list.InsertTextWithBreaks(nullptr, para, pos, std::string("x\ny\0z\nw", 8)), ecOK);
  EXPECT_EQ(Paras(list), (Strings{"ax", "ybc"}));
}

TEST(ParaList, PasteStopsAtTheParagraphLimit)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  list.SetParaLimit(2);
  int para = 1, pos = 2;
  EXPECT_EQ(list.InsertTextWithBreaks(nullptr, para, pos, "1\n2\n3"), ecTooManyParas);
  EXPECT_LE(list.ParaCount(), 2);
}

TEST(ParaList, DeleteRegionAcrossParagraphs)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc", "def", "ghi", "jkl"});
  list.DeleteRegion(nullptr, 1, 2, 3, 3);
  EXPECT_EQ(Paras(list), (Strings{"ai", "jkl"}));
  // 3 + 3 * (3 + 2) before; less "bc", "gh", "def" with its break, and the break of the joined paragraph.
  EXPECT_EQ(list.TextBytes(), 18 - 2 - 2 - 5 - 2);
  int para = 0, pos = 0;
  list.Undo(nullptr, para, pos);
  EXPECT_EQ(Paras(list), (Strings{"abc", "def", "ghi", "jkl"}));
  list.DeleteRegion(nullptr, 2, 1, 4, 1);
  EXPECT_EQ(Paras(list), (Strings{"abc", "jkl"}));
}

TEST(ParaList, BookmarksFollowTheText)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abcdef", "ghi", "jkl"});
  list.SetBookmark(0, 1, 4);
  list.SetBookmark(1, 3, 2);
  list.SetBookmark(10, 1, 1);  // ignored
  list.InsertText(nullptr, 1, 1, "xx");
  EXPECT_EQ(list.Bookmark(0), (TParaPos{1, 6}));
  list.DeleteText(nullptr, 1, 5, 3);
  EXPECT_EQ(list.Bookmark(0), (TParaPos{0, 0}));  // inside the deleted range: cleared
  list.DeletePara(nullptr, 2);
  EXPECT_EQ(list.Bookmark(1), (TParaPos{2, 2}));
  int indent = 0;
  list.SplitPara(nullptr, 1, 2, false, indent, 0);
  EXPECT_EQ(list.Bookmark(1), (TParaPos{3, 2}));
  list.JoinParas(nullptr, 2, list.GetParaLength(2) + 1);
  EXPECT_EQ(list.Bookmark(1), (TParaPos{2, 2 + list.GetParaLength(2) - 3}));
}

TEST(ParaList, NotificationsForSimpleEdits)
{
  RecordingEditor editor;
  TOvcParaList list(&editor, false);
  Fill(list, {"abc", "def"});
  editor.log.clear();
  list.InsertText(&editor, 1, 2, "xy");
  list.DeleteText(&editor, 1, 1, 2);
  list.ReplaceText(&editor, 1, 1, 1, "pqr");
  list.ReplaceText(&editor, 1, 1, 3, "z");
  list.InsertParaBefore(&editor, 2, "n");
  list.JoinParas(&editor, 1, list.GetParaLength(1) + 1);
  EXPECT_EQ(editor.log, (Strings{"TextInserted 1,2,2", "TextDeleted 1,1,2", "TextInserted 1,2,2", "TextDeleted 1,2,2",
                                 "ParaSplit 2,1,0", "ParasJoined 1,4"}));
  EXPECT_EQ(Paras(list), (Strings{"zbcn", "def"}));
}

TEST(ParaList, UndoAndRedoNotifyLikeEdits)
{
  RecordingEditor editor;
  TOvcParaList list(&editor, false);
  Fill(list, {"abc", "def"});
  list.SetBookmark(3, 2, 2);
  list.DeletePara(&editor, 2);
  EXPECT_EQ(list.Bookmark(3), (TParaPos{0, 0}));
  editor.log.clear();
  int para = 0, pos = 0;
  list.Undo(&editor, para, pos);
  list.Redo(&editor, para, pos);
  EXPECT_EQ(editor.log, (Strings{"ParaSplit 2,1,0", "ParaDeleted 2"}));
  EXPECT_EQ(Paras(list), (Strings{"abc"}));
}

TEST(ParaList, ModifiedIsSetByEditsAndRestoredByUndo)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  EXPECT_FALSE(list.Modified());
  list.InsertText(nullptr, 1, 1, "x");
  EXPECT_TRUE(list.Modified());
  int para = 0, pos = 0;
  list.Undo(nullptr, para, pos);
  EXPECT_FALSE(list.Modified());
  list.Redo(nullptr, para, pos);
  EXPECT_TRUE(list.Modified());
  // Saved here: undoing past this point must report the text as modified again.
  list.SetModified(false);
  list.UndoBuffer().MarkAllModified();
  list.Undo(nullptr, para, pos);
  EXPECT_TRUE(list.Modified());
}

TEST(ParaList, LinesOutOfRangeAreEmpty)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc"});
  std::string_view text = "unchanged";
  EXPECT_EQ(list.GetLine(2, text), 0);
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(list.GetLine(0, text), 0);
  EXPECT_EQ(list.GetLineColumns(1), 3);
}

TEST(ParaList, LongReWrapReportsBusy)
{
  TOvcParaList list(nullptr, true);
  std::vector<bool> calls;
  list.SetBusyHook([&](bool busy) { calls.push_back(busy); });
  list.AddPara(std::string(5000, 'a'), false);
  list.SetWrapColumn(40);
  EXPECT_TRUE(calls.empty());  // 5002 bytes: quick
  list.AddPara(std::string(6000, 'b'), false);
  list.SetWrapColumn(50);
  EXPECT_EQ(calls, (std::vector<bool>{true, false}));
  EXPECT_EQ(list.LineCount(), 100 + 120 + 1);
}

TEST(ParaList, AddParaLoadsBeforeTheTrailingParagraph)
{
  TOvcParaList list(nullptr, true);
  list.SetWrapColumn(5);
  list.AddPara("one two", false);
  list.AddPara("three   ", true);
  EXPECT_EQ(Paras(list), (Strings{"one two", "three", ""}));
  EXPECT_EQ(list.TextBytes(), 9 + 7);
  EXPECT_EQ(list.LineCount(), 4);
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 0);
}

// Cached line lookups must agree with a walk from the start after any sequence of edits.
TEST(ParaList, LineLookupsAgreeWithBruteForceAfterRandomEdits)
{
  std::mt19937 random(12345);
  TOvcParaList list(nullptr, true);
  list.SetWrapColumn(12);
  const std::string words[] = {"alpha ", "be-ta ", "gamma", " ", "\t", "delta epsilon ", "x"};
  for (int step = 0; step < 1500; ++step) {
    const int para = 1 + int(random() % unsigned(list.ParaCount()));
    const int len = list.GetParaLength(para);
    const int pos = 1 + int(random() % unsigned(len + 1));
    switch (random() % 6) {
      case 0:
      case 1:
        list.InsertText(nullptr, para, pos, words[random() % 7]);
        break;
      case 2:
        list.DeleteText(nullptr, para, pos, int(random() % 6));
        break;
      case 3: {
        int indent = int(random() % 3);
        list.SplitPara(nullptr, para, pos, true, indent, 0);
        break;
      }
      case 4:
        if (para < list.ParaCount())
          list.JoinParas(nullptr, para, len + 1);
        break;
      case 5:
        list.ReplaceText(nullptr, para, pos, int(random() % 3), words[random() % 7]);
        break;
    }
    int line = 1;
    std::int64_t bytes = 0;
    for (int p = 1; p <= list.ParaCount(); ++p) {
      const TParaNode* node = list.GetNode(p);
      TParaNode fresh(node->Text(), 12, 8);
      ASSERT_EQ(fresh.LineCount(), node->LineCount()) << "step " << step;
      bytes += node->Length();
      const int probe = 1 + int(random() % unsigned(node->Length() + 1));
      int col = 0;
      const int expectedLine = line + fresh.PosToLine(probe, col) - 1;
      int gotCol = 0;
      ASSERT_EQ(list.ParaPosToLine(p, probe, gotCol), expectedLine) << "step " << step;
      ASSERT_EQ(gotCol, col);
      int offset = 0;
      ASSERT_EQ(list.LineToPara(line, offset), p) << "step " << step;
      line += node->LineCount();
    }
    ASSERT_EQ(list.LineCount(), line - 1) << "step " << step;
    ASSERT_GE(list.TextBytes(), bytes);
  }
}

}  // namespace
}  // namespace controls
