// The selected positions of one axis: queries, counting over ranges, shrinking and assigning.
#include "grid/model/Selection.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace grid {
namespace {

TtsSelection Selecting(int size, std::initializer_list<int> positions)
{
  TtsSelection selection;
  selection.SetSize(size);
  for (int p : positions)
    selection.Set(p, true);
  return selection;
}

TEST(Selection, StartsEmptyAndNeverReportsPositionZero)
{
  TtsSelection selection;
  EXPECT_EQ(selection.Size(), 0);
  EXPECT_EQ(selection.Lowest(), -1);
  EXPECT_EQ(selection.Highest(), -1);
  EXPECT_EQ(selection.Count(), 0);
  selection = Selecting(6, {0, 3});
  EXPECT_FALSE(selection.IsSelected(0));
  EXPECT_TRUE(selection.IsSelected(3));
  EXPECT_FALSE(selection.IsSelected(-1));
  EXPECT_FALSE(selection.IsSelected(6));
}

TEST(Selection, KeepsTheSummaryWhenPositionsAreSetAndCleared)
{
  TtsSelection selection = Selecting(10, {4, 2, 7});
  EXPECT_EQ(selection.Count(), 3);
  EXPECT_EQ(selection.Lowest(), 2);
  EXPECT_EQ(selection.Highest(), 7);
  selection.Set(2, false);
  selection.Set(7, false);
  EXPECT_EQ(selection.Lowest(), 4);
  EXPECT_EQ(selection.Highest(), 4);
  selection.Set(4, false);
  EXPECT_EQ(selection.Count(), 0);
  EXPECT_EQ(selection.Lowest(), -1);
  EXPECT_EQ(selection.First(), 0);
}

TEST(Selection, NextAndPreviousSelected)
{
  const TtsSelection selection = Selecting(10, {2, 5, 8});
  struct Case {
    int position, next, prev;
  };
  for (const Case& c : {Case{-3, 2, -1}, Case{0, 2, -1}, Case{2, 5, -1}, Case{3, 5, 2}, Case{5, 8, 2},
                        Case{8, -1, 5}, Case{9, -1, 8}, Case{20, -1, 8}}) {
    EXPECT_EQ(selection.NextSelected(c.position), c.next) << c.position;
    EXPECT_EQ(selection.PrevSelected(c.position), c.prev) << c.position;
  }
  EXPECT_EQ(TtsSelection().NextSelected(0), -1);
  EXPECT_EQ(Selecting(4, {}).PrevSelected(3), -1);
}

TEST(Selection, CountsOverRangesInEitherOrderClippedToTheSize)
{
  const TtsSelection selection = Selecting(10, {0, 2, 3, 5, 9});
  struct Case {
    int a, b, count;
  };
  for (const Case& c : {Case{5, 2, 3}, Case{2, 5, 3}, Case{-4, 4, 2}, Case{0, 100, 4}, Case{6, 8, 0},
                        Case{4, 4, 0}, Case{5, 5, 1}, Case{3, 9, 3}, Case{10, 20, 0}}) {
    EXPECT_EQ(selection.CountSelected(c.a, c.b), c.count) << c.a << ".." << c.b;
  }
  EXPECT_EQ(Selecting(5, {}).CountSelected(1, 4), 0);
}

TEST(Selection, ShrinkingDropsThePositionsCutOff)
{
  struct Case {
    std::initializer_list<int> selected;
    int size, count, lowest, highest;
  };
  for (const Case& c : {Case{{2, 4, 7, 9}, 6, 2, 2, 4}, Case{{7, 9}, 6, 0, -1, -1}, Case{{2, 4}, 8, 2, 2, 4},
                        Case{{2, 5}, 5, 1, 2, 2}, Case{{1, 3}, 0, 0, -1, -1}}) {
    TtsSelection selection = Selecting(10, c.selected);
    selection.SetSize(c.size);
    EXPECT_EQ(selection.Size(), c.size);
    EXPECT_EQ(selection.Count(), c.count) << c.size;
    EXPECT_EQ(selection.Lowest(), c.lowest) << c.size;
    EXPECT_EQ(selection.Highest(), c.highest) << c.size;
  }
  TtsSelection grown = Selecting(4, {3});
  grown.SetSize(8);
  EXPECT_FALSE(grown.IsSelected(5));
  EXPECT_EQ(grown.Count(), 1);
}

TEST(Selection, AssignAnswersWhetherAnyBitChanged)
{
  TtsSelection empty = Selecting(5, {});
  EXPECT_FALSE(empty.Assign(Selecting(7, {})));
  EXPECT_EQ(empty.Size(), 7);

  TtsSelection same = Selecting(6, {1, 4});
  EXPECT_FALSE(same.Assign(Selecting(6, {1, 4})));

  TtsSelection other = Selecting(6, {1, 4});
  EXPECT_TRUE(other.Assign(Selecting(6, {1, 5})));
  EXPECT_TRUE(other.IsSelected(5));
  EXPECT_FALSE(other.IsSelected(4));
  EXPECT_EQ(other.Highest(), 5);

  TtsSelection cleared = Selecting(6, {2});
  EXPECT_TRUE(cleared.Assign(Selecting(6, {})));
  EXPECT_EQ(cleared.Count(), 0);
  EXPECT_FALSE(cleared.IsSelected(2));
}

TEST(Selection, ClearKeepsTheSize)
{
  TtsSelection selection = Selecting(6, {1, 2});
  selection.Clear();
  EXPECT_EQ(selection.Size(), 6);
  EXPECT_EQ(selection.Count(), 0);
  EXPECT_EQ(selection.Lowest(), -1);
  EXPECT_EQ(selection.CountSelected(0, 5), 0);
}

}  // namespace
}  // namespace grid
