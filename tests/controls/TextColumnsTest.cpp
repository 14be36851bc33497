#include "controls/editor/ParaNode.h"
#include "controls/editor/TextColumns.h"
#include "controls/editor/TextSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace controls {
namespace {

std::vector<std::string> WrapLines(const std::string& text, int column, int tabSize = 8)
{
  TParaNode node(text, column, tabSize);
  std::vector<std::string> lines;
  for (int line = 1; line <= node.LineCount(); ++line)
    lines.emplace_back(node.LineText(line));
  return lines;
}

TEST(WordWrap, BreaksAtBlanksHyphensOrHard)
{
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"aaaa bbbb cccc", {"aaaa bbbb ", "cccc"}},
      {"abcdefghijklmn", {"abcdefghij", "klmn"}},
      {"abc-defghijkl", {"abc-", "defghijkl"}},
      {"abc- defghijkl", {"abc- ", "defghijkl"}},
      {"aaaaaaaaaa   bbb", {"aaaaaaaaaa   ", "bbb"}},  // blanks past the column stay on the line
      {"aaaaaaaaaa", {"aaaaaaaaaa"}},                  // exactly as wide as the column
      {"aaaaaaaaaa  ", {"aaaaaaaaaa  "}},
      {"", {""}},
      {"one two three four five", {"one two ", "three four ", "five"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WrapLines(c.text, 10), c.lines) << c.text;
}

TEST(WordWrap, NoWrapColumnsGiveOneLine)
{
  EXPECT_EQ(WrapLines("aaaa bbbb cccc", NoWrapColumn).size(), 1u);
  EXPECT_EQ(WrapLines("aaaa bbbb cccc", 0).size(), 1u);
}

TEST(WordWrap, TabStopsRestartOnEveryDisplayLine)
{
  // "ab" + tab reaches column 8; "cd" fits to 10; the next line starts fresh.
  EXPECT_EQ(WrapLines("ab\tcd efgh\tij", 10), (std::vector<std::string>{"ab\tcd ", "efgh\tij"}));
}

TEST(TabColumns, CountAsTheStoreSays)
{
  const std::string text = "ab\tc";
  EXPECT_EQ(TextColumns(text, 4, 8), 9);
  EXPECT_EQ(TextColumns(text, 3, 8), 8);
  EXPECT_EQ(ColumnToPos(text, 4, 5, 8), 3);  // inside the tab
  EXPECT_EQ(ColumnToPos(text, 4, 9, 8), 4);
  EXPECT_EQ(ColumnToPos(text, 4, 12, 8), 4 + 3);
  EXPECT_EQ(PosToColumn(text, 4, 4, 8), 9);
  EXPECT_EQ(PosToColumn(text, 4, 3, 8), 3);
  EXPECT_EQ(PosToColumn(text, 4, 6, 8), 9 + 2);
  EXPECT_EQ(PosToColumn(text, 4, 0, 8), 1);
  EXPECT_EQ(ColumnToPos("abc", 3, 7, 8), 7);
  EXPECT_EQ(CharsToColumn("abc", 10, 8), 4);
  EXPECT_EQ(DetabText("a\tb", 4), "a   b");
  EXPECT_EQ(DetabText("a\tb", 0), "");
}

TEST(CharRoutines, SmallHelpers)
{
  EXPECT_EQ(LastBlankIn("ab cd ef", 8), 6);
  EXPECT_EQ(LastBlankIn("abcdef", 6), 6);
  EXPECT_EQ(LineBreakLength("ab\ncd", 5), 3);
  EXPECT_EQ(LineBreakLength("abcd", 4), 4);
  int pos = -1;
  EXPECT_TRUE(SubstringPos("hello world", "wor", pos));
  EXPECT_EQ(pos, 6);
  EXPECT_FALSE(SubstringPos("", "a", pos));
  EXPECT_FALSE(CharPos("abc", 'x', pos));
  std::string s = "ac";
  InsertCharAt(s, 'b', 1);
  InsertCharAt(s, 'd', 99);
  EXPECT_EQ(s, "abcd");
  DeleteCharAt(s, 0);
  EXPECT_EQ(s, "bcd");
  PadWith(s, '.', 5);
  EXPECT_EQ(s, "bcd..");
}

TEST(SkipSearch, FindsFirstOccurrence)
{
  struct Case {
    std::string buffer, pattern;
    int expected;  // -1: not found
  } cases[] = {
      {"the quick brown fox", "brown", 10}, {"aaaaab", "ab", 4},     {"abc", "x", -1},
      {"abc", "c", 2},                       {"abcabc", "cab", 2},     {"ab", "abc", -1},
      {"xyz", "", -1},                        {"mississippi", "issip", 4},
  };
  for (const Case& c : cases) {
    TSkipTable table;
    BuildSkipTable(c.pattern, table);
    int pos = -1;
    const bool found = SearchCase(c.buffer, int(c.buffer.size()), table, pos, c.pattern);
    EXPECT_EQ(found ? pos : -1, c.expected) << c.buffer << " / " << c.pattern;
  }
}

TEST(SkipSearch, NoCaseUpperCasesTheBuffer)
{
  TSkipTable table;
  BuildSkipTable("BROWN", table);
  int pos = -1;
  EXPECT_TRUE(SearchNoCase("The Quick Brown", 15, table, pos, "BROWN"));
  EXPECT_EQ(pos, 10);
  EXPECT_FALSE(SearchCase("The Quick Brown", 15, table, pos, "BROWN"));
}

TEST(SkipSearch, TableEntries)
{
  TSkipTable table;
  BuildSkipTable("abca", table);
  EXPECT_EQ(table['a'], 3);  // the first 'a' (index 0); the last character is not entered
  EXPECT_EQ(table['b'], 2);
  EXPECT_EQ(table['c'], 1);
  EXPECT_EQ(table['z'], 4);
}

}  // namespace
}  // namespace controls
