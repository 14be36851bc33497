// Blanks, words and word steps of cell text.
#include "grid/paint/TextWords.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(TextWords, BlanksAreSpacesAndTabsAndTheLaterOneCounts)
{
  EXPECT_EQ(LastBlank("a b\tc", 5), 3);
  EXPECT_EQ(LastBlank("a\tb c", 5), 3);
  EXPECT_EQ(LastBlank("a b\tc", 3), 1);  // only the first n bytes
  EXPECT_EQ(LastBlank("abc", 3), -1);
  EXPECT_EQ(LastBlank("a b", 99), 1);  // n clipped to the text
  EXPECT_EQ(SkipBlanks(" \t x", 0), 3);
  EXPECT_EQ(SkipBlanks("   ", 1), 3);
  EXPECT_EQ(LastWordCharBefore("ab  \r\n", 6), 1);
  EXPECT_EQ(LastWordCharBefore("  ", 2), -1);
}

TEST(TextWords, WordStepsCrossTheWordThenTheGap)
{
  struct Case {
    const char* text;
    int offset, next, previous;
  };
  const Case cases[] = {
      {"one two", 0, 4, 0},
      {"one two", 1, 3, 1},     // from inside a word: to the next one, back to this one's start
      {"one two", 4, 3, 4},     // from a word start back over the gap and the word before
      {"one  \r\ntwo", 3, 4, 3},  // line breaks are not words
      {"one two", 7, 0, 3},
      {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextWordDistance(c.text, c.offset), c.next) << c.text << " at " << c.offset;
    EXPECT_EQ(PreviousWordDistance(c.text, c.offset), c.previous) << c.text << " at " << c.offset;
  }
  EXPECT_TRUE(IsLineBreakBefore("a\nb", 2));
  EXPECT_FALSE(IsLineBreakBefore("a\nb", 1));
  EXPECT_FALSE(IsLineBreakBefore("a\n", 0));
  EXPECT_EQ(CharsToBytes("abc", 5), 3);
  EXPECT_EQ(CharsToBytesFromEnd("abc", -1), 0);
  EXPECT_EQ(BytesToChars("abc", 2), 2);
}

}  // namespace
}  // namespace grid
