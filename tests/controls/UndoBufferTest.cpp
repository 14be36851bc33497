#include "TextStoreHelpers.h"

#include "controls/editor/ParaList.h"
#include "controls/editor/UndoBuffer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace controls {
namespace {

using test::Fill;
using test::Paras;
using Strings = std::vector<std::string>;

struct Caret {
  int para = 0, pos = 0;
};

Caret UndoOnce(TOvcParaList& list)
{
  Caret c;
  list.Undo(nullptr, c.para, c.pos);
  return c;
}

Caret RedoOnce(TOvcParaList& list)
{
  Caret c;
  list.Redo(nullptr, c.para, c.pos);
  return c;
}

TEST(UndoBuffer, TypingAndBackspacesMergeIntoOneRecordEach)
{
  TOvcParaList list(nullptr, false);
  for (int i = 0; i < 3; ++i)
    list.InsertText(nullptr, 1, 1 + i, std::string(1, char('a' + i)));
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 1);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(1).Type, utInsertText);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(1).DataLen, 3);
  for (int pos = 3; pos >= 1; --pos)
    list.DeleteText(nullptr, 1, pos, 1);  // Backspace
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 2);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(2).Type, utDeleteText);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(2).Pos, 1);
  EXPECT_EQ(list.UndoBuffer().RecordData(2), "abc");
  EXPECT_EQ(list.UndoBuffer().RecordHeader(2).PrevSize, 14 + 3);
  EXPECT_EQ(list.GetParaText(1), "");

  Caret c = UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "abc");
  c = UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "");
  EXPECT_EQ(c.pos, 1);  // before the 'a'
  EXPECT_EQ(list.UndoBuffer().RedoCount(), 2);
  c = RedoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "abc");
  EXPECT_EQ(c.pos, 4);
  c = RedoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "");
  EXPECT_EQ(list.UndoBuffer().RedoCount(), 0);
  c = UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "abc");
}

TEST(UndoBuffer, DeleteKeyAndOverwriteMerge)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abcdef"});
  list.DeleteText(nullptr, 1, 2, 1);
  list.DeleteText(nullptr, 1, 2, 1);
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 1);
  EXPECT_EQ(list.UndoBuffer().RecordData(1), "bc");
  list.ReplaceText(nullptr, 1, 1, 1, "X");
  list.ReplaceText(nullptr, 1, 2, 1, "Y");
  list.ReplaceText(nullptr, 1, 3, 0, "Z");  // past the end: overwrite appends
  EXPECT_EQ(list.GetParaText(1), "XYZef");
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 2);
  EXPECT_EQ(list.UndoBuffer().RecordData(2), std::string("ad\0XYZ\0", 7));
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "adef");
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "abcdef");
}

// Replacements merge only when the next one starts right after the text the last one put in.
TEST(UndoBuffer, ReplacementsOfUnequalLengthUndoExactly)
{
  struct Replace {
    int pos, oldLen;
    const char* text;
  };
  struct Case {
    const char* start;
    std::vector<Replace> steps;
    const char* afterOneUndo;
  };
  const Case cases[] = {
      {"xyAxy", {{1, 2, "x"}, {3, 2, "x"}}, "xAxy"},  // a replace-all of "xy" by "x"
      {"", {{1, 0, "x"}, {1, 1, ""}}, "x"},
      {"abcd", {{1, 1, "XYZ"}, {4, 1, "Q"}}, "abcd"},  // overwrite typing on after a longer text: merged
      {"abcd", {{1, 2, "X"}, {2, 1, "Y"}}, "abcd"},    // ... after a shorter one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    TOvcParaList list(nullptr, false);
    Fill(list, {c.start});
    for (const Replace& r : c.steps)
      list.ReplaceText(nullptr, 1, r.pos, r.oldLen, r.text);
    UndoOnce(list);
    EXPECT_EQ(list.GetParaText(1), c.afterOneUndo);
    while (list.UndoBuffer().UndoCount() > 0)
      UndoOnce(list);
    EXPECT_EQ(list.GetParaText(1), c.start);
  }
}

// Group numbers wrap at 256, but neighbouring groups never share one.
TEST(UndoBuffer, NeighbouringGroupsNeverShareANumberAfterTheCounterWraps)
{
  TOvcParaList list(nullptr, false, 65535);
  for (int i = 0; i < 256; ++i) {
    const bool saved = list.UndoBuffer().BeginGroup();
    list.InsertText(nullptr, 1, 1 + i, "a");
    list.UndoBuffer().EndGroup(saved);
  }
  for (int i = 0; i < 255; ++i)
    UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "a");
  list.InsertText(nullptr, 1, 1, "b");  // the 257th group
  EXPECT_EQ(list.GetParaText(1), "ba");
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "a");
  RedoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "ba");
  UndoOnce(list);
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "");
}

TEST(UndoBuffer, SeparateStepsAreUndoneOneAtATime)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"0123456789"});
  list.InsertText(nullptr, 1, 1, "a");
  list.InsertText(nullptr, 1, 2, "b");
  list.InsertText(nullptr, 1, 9, "c");  // the caret moved elsewhere
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 2);
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "ab0123456789");
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), "0123456789");
}

TEST(UndoBuffer, NewEditDiscardsRedoAndReleasesItsParagraphs)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc", "def"});
  list.InsertParaBefore(nullptr, 2, "new");
  list.DeletePara(nullptr, 1);
  EXPECT_EQ(list.UndoBuffer().Handles().OwnedCount(), 1u);  // the deleted paragraph
  UndoOnce(list);
  UndoOnce(list);
  EXPECT_EQ(Paras(list), (Strings{"abc", "def"}));
  EXPECT_EQ(list.UndoBuffer().Handles().OwnedCount(), 1u);  // the undone insertion, held for redo
  list.InsertText(nullptr, 1, 1, "x");
  EXPECT_EQ(list.UndoBuffer().RedoCount(), 0);
  EXPECT_EQ(list.UndoBuffer().Handles().Count(), 0u);
}

TEST(UndoBuffer, FullBufferDropsTheOldestGroupsAndKeepsWorking)
{
  TOvcParaList list(nullptr, false);
  // Each step is its own group of one 114-byte record; 71 fit into 8192 bytes with 98 left.
  for (int i = 0; i < 71; ++i)
    list.InsertText(nullptr, 1, 1, std::string(100, char('A' + i % 26)));
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 71);
  EXPECT_EQ(list.UndoBuffer().FreeBytes(), 8192 - 71 * 114);
  // The 72nd needs room: the oldest groups go until max(8192 / 16, 114) = 512 bytes are free.
  list.InsertText(nullptr, 1, 1, std::string(100, 'z'));
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 71 - 4 + 1);
  EXPECT_EQ(list.UndoBuffer().FreeBytes(), 8192 - 68 * 114);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(1).PrevSize, 0);
  for (int i = 0; i < 68; ++i)
    UndoOnce(list);
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 0);
  EXPECT_EQ(list.GetParaText(1), std::string(100, 'D') + std::string(100, 'C') + std::string(100, 'B') +
                                     std::string(100, 'A'));
  for (int i = 0; i < 68; ++i)
    RedoOnce(list);
  EXPECT_EQ(list.GetParaLength(1), 7200);
  EXPECT_EQ(list.GetParaText(1).substr(0, 100), std::string(100, 'z'));
}

TEST(UndoBuffer, StepLargerThanTheBlockEmptiesTheHistory)
{
  TOvcParaList list(nullptr, false);
  list.InsertText(nullptr, 1, 1, "abc");
  ASSERT_EQ(list.InsertText(nullptr, 1, 1, std::string(9000, 'x')), ecOK);
  EXPECT_EQ(list.GetParaLength(1), 9003);
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 0);
  EXPECT_EQ(list.UndoBuffer().FreeBytes(), 8192);
  list.InsertText(nullptr, 1, 1, "y");
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 1);
  UndoOnce(list);
  EXPECT_EQ(list.GetParaLength(1), 9003);
}

TEST(UndoBuffer, ExtendingTheOnlyRecordThatFillsTheBlockStartsAfresh)
{
  TOvcParaList list(nullptr, false, 200);
  list.InsertText(nullptr, 1, 1, std::string(150, 'a'));
  list.InsertText(nullptr, 1, 151, std::string(40, 'b'));  // would extend to 204 bytes
  EXPECT_EQ(list.GetParaLength(1), 190);
  ASSERT_EQ(list.UndoBuffer().UndoCount(), 1);
  EXPECT_EQ(list.UndoBuffer().RecordHeader(1).DataLen, 40);
  UndoOnce(list);
  EXPECT_EQ(list.GetParaText(1), std::string(150, 'a'));
}

TEST(UndoBuffer, BrokenGroupRefusesItsLaterStepsUntilItEnds)
{
  TOvcParaList list(nullptr, false);
  Fill(list, {"abc", "def", "ghi"});
  TOvcUndoBuffer& buffer = list.UndoBuffer();
  const bool saved = buffer.BeginGroup();
  list.InsertText(nullptr, 1, 1, "x");
  list.InsertText(nullptr, 1, 1, std::string(9000, 'y'));
  EXPECT_TRUE(buffer.GroupBroken());
  list.InsertText(nullptr, 2, 1, "z");
  list.DeletePara(nullptr, 3);  // refused: the paragraph is destroyed at once
  buffer.EndGroup(saved);
  EXPECT_FALSE(buffer.GroupBroken());
  EXPECT_EQ(buffer.UndoCount(), 0);
  EXPECT_EQ(buffer.Handles().Count(), 0u);
  EXPECT_EQ(list.ParaCount(), 2);
  list.InsertText(nullptr, 2, 1, "w");
  EXPECT_EQ(buffer.UndoCount(), 1);
}

TEST(UndoBuffer, TooSmallABlockRecordsNothing)
{
  TOvcParaList list(nullptr, false, 14);
  EXPECT_EQ(list.UndoBuffer().BufferSize(), 0);
  EXPECT_EQ(list.InsertText(nullptr, 1, 1, "abc"), ecOK);
  EXPECT_EQ(list.UndoBuffer().UndoCount(), 0);
  list.SetUndoBufferSize(100000);
  EXPECT_EQ(list.UndoBuffer().BufferSize(), 65535);
}

TEST(UndoBuffer, GroupsNestAndNeverMerge)
{
  TOvcUndoBuffer buffer(1024);
  const bool outer = buffer.BeginGroup();
  const int id = buffer.GroupId();
  const bool inner = buffer.BeginGroup();
  EXPECT_EQ(buffer.GroupId(), id);
  buffer.AddRecord(utInsertText, false, 1, 1, "a");
  buffer.AddRecord(utInsertText, false, 1, 2, "b");
  buffer.EndGroup(inner);
  EXPECT_TRUE(buffer.Grouping());
  buffer.EndGroup(outer);
  EXPECT_FALSE(buffer.Grouping());
  EXPECT_EQ(buffer.UndoCount(), 2);
  EXPECT_EQ(buffer.UndoGroupId(), id);
  buffer.PopUndo();
  buffer.PopUndo();
  EXPECT_EQ(buffer.UndoGroupId(), -1);
  EXPECT_EQ(buffer.RedoGroupId(), id);
}

// Any sequence of edits undoes back to the start and redoes to the end, exactly.
void RandomEditsRoundTrip(unsigned trial)
{
  SCOPED_TRACE(trial);
  std::mt19937 random(trial);
  TOvcParaList list(nullptr, true, 65535);
  list.SetWrapColumn(9);
  Fill(list, {"one two three", "four", "", "five six"});
  const Strings start = Paras(list);
  for (int step = 0; step < 120; ++step) {
    const int para = 1 + int(random() % unsigned(list.ParaCount()));
    const int len = list.GetParaLength(para);
    const int pos = 1 + int(random() % unsigned(len + 3));
    switch (random() % 8) {
      case 0:
        list.InsertText(nullptr, para, pos, "ab c");
        break;
      case 1:
        list.DeleteText(nullptr, para, pos, int(random() % 5));
        break;
      case 2: {
        int indent = int(random() % 4);
        list.SplitPara(nullptr, para, std::min(pos, len + 1), true, indent, 2);
        break;
      }
      case 3:
        list.JoinParas(nullptr, para, len + 1);
        break;
      case 4: {
        const int oldLen = int(random() % 4);
        list.ReplaceText(nullptr, para, pos, oldLen, std::string("XYZ").substr(random() % 4));
        break;
      }
      case 5: {
        int p = para, q = std::min(pos, len + 1);
        list.InsertTextWithBreaks(nullptr, p, q, "l1\r\nl2\n");
        break;
      }
      case 6:
        if (para < list.ParaCount())
          list.DeleteRegion(nullptr, para, std::min(pos, len + 1), para + 1, 2);
        break;
      case 7:
        list.DeletePara(nullptr, para);
        break;
    }
  }
  const Strings end = Paras(list);
  int undos = 0;
  while (list.UndoBuffer().UndoCount() > 0) {
    UndoOnce(list);
    ++undos;
  }
  EXPECT_EQ(Paras(list), start);
  EXPECT_FALSE(list.Modified());
  for (int i = 0; i < undos; ++i)
    RedoOnce(list);
  EXPECT_EQ(Paras(list), end);
}

TEST(UndoBuffer, RandomEditsUndoAndRedoExactly)
{
  for (unsigned trial = 1; trial <= 40; ++trial)
    RandomEditsRoundTrip(trial);
}

}  // namespace
}  // namespace controls
