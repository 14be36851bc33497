#include "controls/editor/EditorCore.h"
#include "controls/editor/Exceptions.h"
#include "tests/controls/TextStoreHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace controls {
namespace {

struct Pos {
  int para1, pos1, para2, pos2;
  bool operator==(const Pos&) const = default;
};

struct Editor {
  TOvcEditorCore core;
  explicit Editor(const std::vector<std::string>& paras) { test::Fill(core.ParaList(), paras); }
  std::vector<std::string> Text() const { return test::Paras(core.ParaList()); }
  Pos Sel() const { return {core.SelStart().Para, core.SelStart().Pos, core.SelEnd().Para, core.SelEnd().Pos}; }
  TParaPos Caret() const { return core.CaretPara(); }
};

TEST(EditorSearch, FindsAndSelectsAsTheOptionsSay)
{
  struct Case {
    const char* name;
    std::vector<std::string> text;
    TParaPos caret;
    std::string pattern;
    TEditorSearchOptions options;
    bool found;
    Pos selection;
  };
  const std::string longTail(300, 'x');
  const std::vector<Case> cases = {
      {"forward from the caret", {"abc abc"}, {1, 2}, "abc", 0, true, {1, 5, 1, 8}},
      {"not before the caret", {"abc xy"}, {1, 2}, "abc", 0, false, {1, 2, 1, 2}},
      {"ignore case", {"x ABC"}, {1, 1}, "abc", 0, true, {1, 3, 1, 6}},
      {"match case", {"ABC abc"}, {1, 1}, "abc", soMatchCase, true, {1, 5, 1, 8}},
      {"accented letters fold", {"x \xC9t\xC9"}, {1, 1}, "\xE9t\xE9", 0, true, {1, 3, 1, 6}},
      {"next paragraph", {"nothing", "", "the end"}, {1, 1}, "end", 0, true, {3, 5, 3, 8}},
      {"whole word skips concat", {"concat, cat!"}, {1, 1}, "cat", soWholeWord, true, {1, 9, 1, 12}},
      {"whole word at the edges", {"cat"}, {1, 1}, "cat", soWholeWord, true, {1, 1, 1, 4}},
      {"global ignores the caret", {"ab ab"}, {1, 5}, "ab", soGlobal, true, {1, 1, 1, 3}},
      {"backward takes the last", {"aaaa"}, {1, 5}, "aa", soBackward, true, {1, 3, 1, 5}},
      {"backward not past the caret", {"ab ab"}, {1, 4}, "ab", soBackward, true, {1, 1, 1, 3}},
      {"backward previous paragraph", {"key", "none"}, {2, 3}, "key", soBackward, true, {1, 1, 1, 4}},
      {"backward global", {"ab ab"}, {1, 1}, "ab", soBackward | soGlobal, true, {1, 4, 1, 6}},
      {"a pattern longer than 255 needs all of it", {longTail + "a " + longTail + "b"}, {1, 1},
       longTail + "b", 0, true, {1, 303, 1, 604}},
      {"a pattern longer than 255 is not found by its start", {longTail + "a"}, {1, 1}, longTail + "b", 0, false,
       {1, 1, 1, 1}},
      {"pattern longer than the text", {"ab"}, {1, 1}, "abc", 0, false, {1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Editor e(c.text);
    e.core.MoveCaretToPara(c.caret.Para, c.caret.Pos, false);
    EXPECT_EQ(e.core.Search(c.pattern, c.options), c.found);
    EXPECT_EQ(e.Sel(), c.selection);
    EXPECT_EQ(e.Text(), c.text);
  }
}

TEST(EditorSearch, BackwardSearchWalksLeftAndPutsTheCaretAtTheStart)
{
  Editor e({"aaaa"});
  e.core.MoveCaretToPara(1, 5, false);
  ASSERT_TRUE(e.core.Search("aa", soBackward));
  EXPECT_EQ(e.Sel(), (Pos{1, 3, 1, 5}));
  EXPECT_EQ(e.Caret(), (TParaPos{1, 3}));
  ASSERT_TRUE(e.core.Search("aa", soBackward));
  EXPECT_EQ(e.Sel(), (Pos{1, 1, 1, 3}));
  EXPECT_FALSE(e.core.Search("aa", soBackward));
}

TEST(EditorSearch, EmptyTextFindsTrivially)
{
  Editor e({"abc"});
  e.core.MoveCaretToPara(1, 2, false);
  EXPECT_TRUE(e.core.Search("", 0));
  EXPECT_EQ(e.core.Replace("", "x", soReplaceAll), 0);
  EXPECT_EQ(e.Text(), std::vector<std::string>{"abc"});
  EXPECT_EQ(e.Caret(), (TParaPos{1, 2}));
  EXPECT_EQ(e.core.DoSearchReplace("b", std::nullopt, soReplaceAll), 0);
}

TEST(EditorSearch, ReplaceAllCountsAndDoesNotSearchTheInsertedText)
{
  struct Case {
    const char* name;
    std::vector<std::string> text;
    std::string pattern, replacement;
    TEditorSearchOptions options;
    int result;
    std::vector<std::string> after;
  };
  const std::vector<Case> cases = {
      {"a by xyz", {"aaa"}, "a", "xyz", soGlobal, 3, {"xyzxyzxyz"}},
      {"growing into itself", {"a a"}, "a", "aa", soGlobal, 2, {"aa aa"}},
      {"by nothing", {"a-b-c", "-"}, "-", "", soGlobal, 3, {"abc", ""}},
      {"ignore case with accents", {"\xC9t\xE9 \xE9T\xC9"}, "\xE9t\xE9", "x", soGlobal, 2, {"x x"}},
      {"whole words", {"cat concat cat"}, "cat", "dog", soGlobal | soWholeWord, 2, {"dog concat dog"}},
      {"backward", {"abab"}, "ab", "X", soGlobal | soBackward, 2, {"XX"}},
      {"none", {"abc"}, "z", "y", soGlobal, -1, {"abc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Editor e(c.text);
    EXPECT_EQ(e.core.Replace(c.pattern, c.replacement, soReplaceAll | c.options), c.result);
    EXPECT_EQ(e.Text(), c.after);
    EXPECT_FALSE(e.core.HasSelection());
  }
}

TEST(EditorSearch, OneUndoRevertsOneOfSeveralReplacements)
{
  Editor e({"a b a b a"});
  ASSERT_EQ(e.core.Replace("a", "zz", soReplaceAll | soGlobal), 3);
  EXPECT_EQ(e.Text(), std::vector<std::string>{"zz b zz b zz"});
  e.core.Undo();
  EXPECT_EQ(e.Text(), std::vector<std::string>{"zz b zz b a"});
  e.core.Undo();
  e.core.Undo();
  EXPECT_EQ(e.Text(), std::vector<std::string>{"a b a b a"});
}

TEST(EditorSearch, ReplaceAllInsideTheSelectionKeepsItOverTheReplacedText)
{
  Editor e({"aaa bbb aaa"});
  e.core.SetSelectionPara(1, 1, 1, 4, true);
  EXPECT_EQ(e.core.Replace("a", "c", soReplaceAll | soSelection), 3);
  EXPECT_EQ(e.Text(), std::vector<std::string>{"ccc bbb aaa"});
  EXPECT_EQ(e.Sel(), (Pos{1, 1, 1, 4}));

  Editor shorter({"xx abab yy ab"});
  shorter.core.SetSelectionPara(1, 4, 1, 8, true);
  EXPECT_EQ(shorter.core.Replace("ab", "c", soReplaceAll | soSelection), 2);
  EXPECT_EQ(shorter.Text(), std::vector<std::string>{"xx cc yy ab"});
  EXPECT_EQ(shorter.Sel(), (Pos{1, 4, 1, 6}));
  EXPECT_EQ(shorter.Caret(), (TParaPos{1, 6}));
}

TEST(EditorSearch, ReplaceNextReplacesTheSelectedMatchThenSelectsTheNext)
{
  Editor e({"ab ab"});
  EXPECT_EQ(e.core.Replace("AB", "x", soReplace), 0);  // selects the first match only
  EXPECT_EQ(e.Sel(), (Pos{1, 1, 1, 3}));
  EXPECT_EQ(e.core.Replace("AB", "x", soReplace), 1);
  EXPECT_EQ(e.Text(), std::vector<std::string>{"x ab"});
  EXPECT_EQ(e.Sel(), (Pos{1, 3, 1, 5}));
  EXPECT_EQ(e.core.Replace("AB", "x", soReplace), 1);  // no further match: still 1
  EXPECT_EQ(e.Text(), std::vector<std::string>{"x x"});
  EXPECT_EQ(e.core.Replace("AB", "x", soReplace), -1);
}

TEST(EditorSearch, ReplacementErrorsStopTheScanAndKeepWhatWasDone)
{
  Editor e({"aaaa"});
  e.core.ParaList().SetParaLengthLimit(6);
  int reported = 0;
  e.core.OnError = [&](int code) { reported = code; };
  EXPECT_EQ(e.core.Replace("a", "bb", soReplaceAll | soGlobal), ecParaTooLong);
  EXPECT_EQ(reported, ecParaTooLong);
  EXPECT_EQ(e.Text(), std::vector<std::string>{"bbbbaa"});

  Editor raising({"aaaa"});
  raising.core.ParaList().SetParaLengthLimit(4);
  EXPECT_THROW(raising.core.Replace("a", "bb", soReplaceAll | soGlobal), EEditorError);
}

TEST(EditorSearch, ReadOnlyTextIsSearchedButNeverReplaced)
{
  Editor e({"abc"});
  e.core.SetReadOnly(true);
  EXPECT_EQ(e.core.Replace("b", "x", soReplaceAll | soGlobal), 0);
  EXPECT_EQ(e.Text(), std::vector<std::string>{"abc"});
  EXPECT_TRUE(e.core.Search("b", soGlobal));
}

TEST(EditorSearch, CurrentWordAroundTheCaret)
{
  struct Case {
    int pos;
    std::string word;
  };
  const std::vector<Case> cases = {{1, "alpha"}, {3, "alpha"}, {5, "alpha"}, {6, ""},   {7, "beta"},
                                   {10, "beta"}, {11, ""},      {12, ""},      {13, "x"}, {14, ""}};
  Editor e({"alpha beta,(x"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pos);
    e.core.MoveCaretToPara(1, c.pos, false);
    EXPECT_EQ(e.core.GetCurrentWord(), c.word);
  }
}

}  // namespace
}  // namespace controls
