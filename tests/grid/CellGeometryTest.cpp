// Where cells are on screen and when the grid needs a scroll bar, on a real grid: a 20-pixel row
// bar, a 15-pixel heading, columns of 64 and rows of 14 pixels with lines between them.

#include "grid/window/CellGeometry.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

struct GeometryGrid {
  explicit GeometryGrid(int cols = 8, TScrollStyle bars = TScrollStyle::ssNone)
  {
    grid.SetScrollBars(bars);
    grid.resize(250, 120);
    grid.SetCols(cols);
    grid.SetRows(20);
    grid.SetRowBarOn(true);
    grid.SetRowBarWidth(20);
    grid.SetHeadingOn(true);
    grid.SetHeadingHeight(15);
    grid.SetDefaultColWidth(64);
    grid.SetDefaultRowHeight(14);
    grid.SetGridLines(glBoth);
  }
  TtsGrid grid;
};

TEST(CellGeometry, ColumnsAndRowsStartAfterTheRowBarAndHeading)
{
  GeometryGrid g;
  struct Case {
    int index, left, top;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 20, 15}, Case{2, 84, 29}, Case{3, 148, 43}, Case{4, 212, 57},
                        Case{5, -1, 71}, Case{8, -1, 113}, Case{9, -1, -1}}) {
    EXPECT_EQ(ColLeft(g.grid, c.index), c.left) << c.index;
    EXPECT_EQ(RowTop(g.grid, c.index), c.top) << c.index;
  }
  for (int c = 1; c <= 4; ++c)
    EXPECT_EQ(ColLeft(g.grid, c), g.grid.CellBounds(c, 1).left()) << c;
}

TEST(CellGeometry, HiddenAndScrolledOutColumnsAreNotOnScreen)
{
  GeometryGrid g;
  g.grid.Model().Col(2).SetVisible(false);
  EXPECT_EQ(ColLeft(g.grid, 2), -1);
  EXPECT_EQ(ColLeft(g.grid, 3), 84);
  g.grid.SetLeftCol(4);
  EXPECT_EQ(ColLeft(g.grid, 3), -1);
  EXPECT_EQ(ColLeft(g.grid, 4), 20);
  EXPECT_EQ(ColLeft(g.grid, 5), 84);
}

TEST(CellGeometry, CellRectLeavesOutTheLinesUnlessTheWindowEdgeCutsTheCell)
{
  GeometryGrid g;
  const int width = g.grid.ClientWidth();
  ASSERT_GT(width, 212);
  ASSERT_LT(width, 276);
  EXPECT_EQ(CellRectRaw(g.grid, 1, 1), (platform::TRect{20, 15, 84, 29}));
  EXPECT_EQ(CellRect(g.grid, 1, 1), (platform::TRect{20, 15, 83, 28}));
  EXPECT_EQ(CellRect(g.grid, 4, 1), (platform::TRect{212, 15, width, 28}));
  EXPECT_EQ(CellRect(g.grid, 5, 1), platform::TRect{});
  EXPECT_EQ(CellRect(g.grid, 1, 9), platform::TRect{});
  g.grid.SetGridLines(glNone);
  EXPECT_EQ(CellRect(g.grid, 1, 1), (platform::TRect{20, 15, 84, 29}));
}

TEST(CellGeometry, CellsUnderAPointAndClampedToTheGrid)
{
  GeometryGrid g;
  const int width = g.grid.ClientWidth();
  const int height = g.grid.ClientHeight();
  struct Case {
    int x, y;
    platform::TPoint cell, clamped;
  };
  for (const Case& c : {Case{30, 20, {1, 1}, {1, 1}}, Case{5, 5, {0, 0}, {0, 0}}, Case{90, 30, {2, 2}, {2, 2}},
                        Case{-5, 20, {-1, 1}, {0, 1}}, Case{30, -1, {1, -1}, {1, 0}},
                        Case{width + 1, height + 1, {-1, -1}, {8, 20}}}) {
    EXPECT_EQ(CellAtPoint(g.grid, c.x, c.y), c.cell) << c.x << "," << c.y;
    EXPECT_EQ(CellAtPointClamped(g.grid, c.x, c.y), c.clamped) << c.x << "," << c.y;
  }
}

TEST(CellGeometry, RangeRectSpansTheCellsOnScreen)
{
  GeometryGrid g;
  const platform::TRect range = RangeRect(g.grid, 1, 1, 2, 3);
  EXPECT_EQ(range.Left, 20);
  EXPECT_EQ(range.Top, 15);
  EXPECT_EQ(range.Right, CellRectRaw(g.grid, 2, 3).Right);  // the grid's box holds the last lines
  EXPECT_EQ(range.Bottom, CellRectRaw(g.grid, 2, 3).Bottom);
  EXPECT_EQ(RangeRect(g.grid, 7, 1, 8, 2), platform::TRect{});
  EXPECT_EQ(RangeRect(g.grid, 1, 12, 2, 14), platform::TRect{});
  EXPECT_EQ(RangeRect(g.grid, -3, 1, -1, 2), platform::TRect{});
}

TEST(CellGeometry, AClipReachesACellUpToItsLines)
{
  GeometryGrid g;
  const platform::TRect cell = CellRect(g.grid, 1, 1);  // 20, 15, 83, 28
  struct Case {
    platform::TRect clip;
    bool reaches;
  };
  for (const Case& c : {Case{{0, 0, 20, 15}, true}, Case{{0, 0, 19, 15}, false}, Case{{83, 0, 90, 40}, false},
                        Case{{82, 27, 90, 40}, true}, Case{{30, 28, 40, 40}, false}})
    EXPECT_EQ(IntersectsClip(g.grid, c.clip, cell), c.reaches) << c.clip.Left << "," << c.clip.Top;
}

TEST(CellGeometry, AHorizontalBarIsNeededWhenTheColumnsOverflow)
{
  struct Case {
    int cols;
    int firstWidth;
    TScrollStyle bars;
    bool needed;
  };
  for (const Case& c : {Case{3, 64, TScrollStyle::ssBoth, false}, Case{4, 64, TScrollStyle::ssBoth, true},
                        Case{4, 64, TScrollStyle::ssHorizontal, true}, Case{4, 64, TScrollStyle::ssVertical, false},
                        Case{1, 400, TScrollStyle::ssBoth, false}, Case{2, 400, TScrollStyle::ssBoth, true}}) {
    GeometryGrid g(c.cols, c.bars);
    g.grid.Model().Col(1).SetWidth(c.firstWidth);
    EXPECT_EQ(NeedsHorzScrollBar(g.grid, 250), c.needed) << c.cols << " " << c.firstWidth;
  }
}

TEST(CellGeometry, AVerticalBarFollowsTheRowHeights)
{
  GeometryGrid g(2, TScrollStyle::ssBoth);
  EXPECT_TRUE(NeedsVertScrollBar(g.grid, 120));
  EXPECT_FALSE(NeedsVertScrollBar(g.grid, 15 + 20 * 14));
  g.grid.SetScrollBars(TScrollStyle::ssHorizontal);
  EXPECT_FALSE(NeedsVertScrollBar(g.grid, 120));
}

TEST(CellGeometry, TheGridNeedsItsBarsByTheColumnsAndRowsThatOverflow)
{
  GeometryGrid g(3);
  g.grid.SetRows(3);
  g.grid.resize(20 + 3 * 64 + 1, 15 + 3 * 14 + 1);
  g.grid.SetScrollBars(TScrollStyle::ssBoth);
  ASSERT_FALSE(g.grid.ScrollBarShown(platform::SB_VERT));
  EXPECT_FALSE(g.grid.HorzScrollBarNeeded());
  EXPECT_FALSE(g.grid.VertScrollBarNeeded());
  // A vertical bar that always shows takes its width from the columns' space first.
  g.grid.SetAlwaysShowScrollBar(TScrollStyle::ssVertical);
  EXPECT_TRUE(g.grid.HorzScrollBarNeeded());
  g.grid.SetAlwaysShowScrollBar(TScrollStyle::ssNone);
  g.grid.SetCols(4);
  EXPECT_TRUE(g.grid.HorzScrollBarNeeded());
}

TEST(CellGeometry, TheFirstShownColumnSkipsHiddenOnes)
{
  GeometryGrid g;
  EXPECT_EQ(FirstShownCol(g.grid), 1);
  EXPECT_EQ(FirstShownRow(g.grid), 1);
  g.grid.Model().Col(1).SetVisible(false);
  g.grid.Model().Col(2).SetVisible(false);
  EXPECT_EQ(FirstShownCol(g.grid), 3);
  for (int c = 3; c <= 8; ++c)
    g.grid.Model().Col(c).SetVisible(false);
  EXPECT_EQ(FirstShownCol(g.grid), 1);  // none shown
}

TEST(CellGeometry, AShownColumnNearAHiddenOneIsSoughtTowardsTheView)
{
  GeometryGrid g;
  g.grid.SetLeftCol(4);
  for (int c : {2, 3, 5})
    g.grid.Model().Col(c).SetVisible(false);
  struct Case {
    int col;
    bool found;
    int result;
  };
  // Left of the first scrolled column the previous one comes first, else the next one.
  for (const Case& c : {Case{4, true, 4}, Case{0, true, 1}, Case{3, true, 1}, Case{5, true, 6}, Case{2, true, 1}}) {
    int result = -1;
    EXPECT_EQ(ShownColNear(g.grid, c.col, result), c.found) << c.col;
    EXPECT_EQ(result, c.result) << c.col;
  }
  g.grid.Model().Col(1).SetVisible(false);
  int result = -1;
  EXPECT_TRUE(ShownColNear(g.grid, 3, result));  // nothing before it: the next one
  EXPECT_EQ(result, 4);
}

TEST(CellGeometry, VisibleCountsCountTheScrollableColumnsEndingInsideTheWindow)
{
  struct Case {
    int width, cols;
  };
  // A row bar of 20 and columns of 64 whose right line may fall outside.
  for (const Case& c : {Case{20 + 3 * 64, 3}, Case{20 + 3 * 64 - 1, 3}, Case{20 + 3 * 64 - 2, 2}, Case{20, 0},
                        Case{20 + 64 - 1, 1}}) {
    GeometryGrid g;
    g.grid.resize(c.width, 120);
    EXPECT_EQ(g.grid.VisibleColCount(), c.cols) << c.width;
  }
  GeometryGrid g;
  g.grid.resize(250, 15 + 5 * 14 - 1);
  EXPECT_EQ(g.grid.VisibleRowCount(), 5);
  g.grid.SetTopRow(3);
  EXPECT_EQ(g.grid.VisibleRowCount(), 5);
  EXPECT_EQ(HorzScrollBarHeight(g.grid), 0);
}

}  // namespace
}  // namespace grid
