// The grid scrolling by itself while the pointer is held beyond an edge: a cell range dragged past
// a corner goes diagonally and ends at the pointer, and a column move drops after the last column
// once the grid has scrolled to it.

#include "MouseFixture.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <utility>
#include <vector>

namespace grid {
namespace {

void RunAutoScroll(const TtsBaseGrid& g)
{
  QElapsedTimer clock;
  clock.start();
  while (g.AutoScrolling() && clock.elapsed() < 5000)
    QApplication::processEvents();
}

TEST(GridAutoScroll, ACellRangePastTheBottomRightCornerScrollsBothWaysAndEndsAtTheLastCell)
{
  MouseGrid g;
  g.ScrollSpeed = spHigh;
  std::vector<std::pair<int, int>> topLefts;
  g.OnTopLeftChanged = [&](TtsBaseGrid&, int, int, int newCol, int newRow, bool) {
    topLefts.push_back({newCol, newRow});
  };
  const int left = g.LeftCol();
  const int top = g.TopRow();
  Press(g, {ColLeft(g, 2) + 1, g.Center(2, 2).y()});  // the selection strip
  ASSERT_EQ(g.MouseStatus(), msCellSelect);
  MoveTo(g, {g.width() + 5, g.height() + 5});
  EXPECT_TRUE(g.AutoScrolling());
  RunAutoScroll(g);
  EXPECT_FALSE(g.AutoScrolling());
  ASSERT_FALSE(topLefts.empty());
  EXPECT_EQ(topLefts.front(), std::make_pair(left + 1, top + 1));  // one step on both axes together
  EXPECT_EQ(g.LeftCol(), g.MaxLeftCol());
  EXPECT_EQ(g.TopRow(), g.MaxTopRow());
  EXPECT_EQ(g.Model().SelectedRange, MakeRange(2, 2, 8, 20));
  Release(g, {g.width() + 5, g.height() + 5});
  EXPECT_EQ(g.Model().SelectedRange, MakeRange(2, 2, 8, 20));
}

TEST(GridAutoScroll, PastTheRightEdgeBelowTheHeadingARangeScrollsOnlyRight)
{
  MouseGrid g;
  g.ScrollSpeed = spHigh;
  Press(g, {ColLeft(g, 2) + 1, g.Center(2, 3).y()});
  MoveTo(g, {g.width() + 5, g.Center(2, 3).y()});
  RunAutoScroll(g);
  EXPECT_EQ(g.LeftCol(), g.MaxLeftCol());
  EXPECT_EQ(g.TopRow(), 1);
  EXPECT_EQ(g.Model().SelectedRange, MakeRange(2, 3, 8, 3));
  Release(g, {g.width() + 5, g.Center(2, 3).y()});
}

TEST(GridAutoScroll, AColumnMovedPastTheRightEdgeDropsAfterTheLastColumn)
{
  MouseGrid g;
  g.ScrollSpeed = spHigh;
  std::vector<int> moves;
  g.OnColMoved = [&](TtsBaseGrid&, int to, int, bool) { moves.push_back(to); };
  Click(g, g.Center(2, 0));
  Press(g, g.Center(2, 0));
  ASSERT_EQ(g.MouseStatus(), msColMove);
  const int y = g.Center(2, 0).y();
  MoveTo(g, {g.width() + 5, y});
  RunAutoScroll(g);
  EXPECT_EQ(g.LeftCol(), g.MaxLeftCol());
  EXPECT_EQ(g.MouseState().MoveTarget, 8);
  EXPECT_TRUE(g.MouseState().ColMoveAtEnd);
  ASSERT_EQ(g.FeedbackLines().size(), 1u);
  EXPECT_EQ(g.FeedbackLines()[0].Rect.Left, ColLeft(g, 8) + g.ColWidth(8));
  // Further right: nowhere more to go.
  MoveTo(g, {g.width() + 9, y});
  EXPECT_FALSE(g.AutoScrolling());
  EXPECT_EQ(g.MouseState().MoveTarget, 8);

  // Back over the grid the marker leaves the end once, and one line follows the pointer.
  MoveTo(g, g.Center(6, 0));
  EXPECT_FALSE(g.MouseState().ColMoveAtEnd);
  EXPECT_EQ(g.MouseState().MoveTarget, 6);
  ASSERT_EQ(g.FeedbackLines().size(), 1u);
  MoveTo(g, {g.width() + 5, y});
  RunAutoScroll(g);
  EXPECT_EQ(g.MouseState().MoveTarget, 8);
  Release(g, {g.width() + 5, y});
  EXPECT_EQ(moves, (std::vector<int>{8}));
  EXPECT_EQ(g.Model().DataColOf(8), 2);
  EXPECT_TRUE(g.FeedbackLines().empty());
}

TEST(GridAutoScroll, ARowMovedBelowTheGridDropsAfterTheLastRow)
{
  MouseGrid g;
  g.ScrollSpeed = spHigh;
  std::vector<int> moves;
  g.OnRowMoved = [&](TtsBaseGrid&, int to, int, bool) { moves.push_back(to); };
  Click(g, g.Center(0, 2));
  Press(g, g.Center(0, 2));
  ASSERT_EQ(g.MouseStatus(), msRowMove);
  const QPoint below(5, g.height() + 5);
  MoveTo(g, below);
  RunAutoScroll(g);
  EXPECT_EQ(g.TopRow(), g.MaxTopRow());
  EXPECT_EQ(g.MouseState().MoveTarget, 20);
  EXPECT_TRUE(g.MouseState().RowMoveAtEnd);
  ASSERT_EQ(g.FeedbackLines().size(), 1u);
  EXPECT_EQ(g.FeedbackLines()[0].Rect.Top, RowTop(g, 20) + g.RowHeight(20));
  Release(g, below);
  EXPECT_EQ(moves, (std::vector<int>{20}));
  EXPECT_EQ(g.Model().DataRowOf(20), 2);
}

TEST(GridAutoScroll, AColumnMovedPastTheFixedColumnsScrollsBackToTheFirst)
{
  MouseGrid g;
  g.ScrollSpeed = spHigh;
  g.SetTopLeftLimited(g.MaxLeftCol(), 1);
  const int start = g.LeftCol();
  ASSERT_GT(start, 1);
  std::vector<int> moves;
  g.OnColMoved = [&](TtsBaseGrid&, int to, int, bool) { moves.push_back(to); };
  Click(g, g.Center(7, 0));
  Press(g, g.Center(7, 0));
  ASSERT_EQ(g.MouseStatus(), msColMove);
  MoveTo(g, {2, g.Center(7, 0).y()});  // over the row bar
  RunAutoScroll(g);
  EXPECT_EQ(g.LeftCol(), 1);
  EXPECT_EQ(g.MouseState().MoveTarget, 1);
  EXPECT_EQ(g.FeedbackLines().size(), 1u);
  Release(g, {2, g.Center(7, 0).y()});
  EXPECT_EQ(moves, (std::vector<int>{1}));
  EXPECT_EQ(g.Model().DataColOf(1), 7);
}

}  // namespace
}  // namespace grid
