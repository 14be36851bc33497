// What the grid repaints: the strips a selection change touches, a cell button, and the pace of
// the autoscroll steps.

#include "grid/window/Grid.h"

#include <gtest/gtest.h>

#include <QRect>
#include <QRegion>
#include <vector>

namespace grid {
namespace {

// A grid that records the rectangles it marks for painting.
struct RecordingGrid : TtsGrid {
  RecordingGrid()
  {
    resize(400, 150);
    SetScrollBars(TScrollStyle::ssNone);
  }
  void InvalidateRect(const QRect& rect) override
  {
    marked += rect;
    TtsGrid::InvalidateRect(rect);
  }
  QRegion marked;
};

TEST(GridRepaint, ANewCellRangeRepaintsOnlyWhatChanges)
{
  RecordingGrid g;
  g.Model().SelectedRange = MakeRange(1, 1, 2, 2);
  g.UpdateSelectionKind();
  g.RepaintNewRange(1, 1, 3, 2);  // one column more
  EXPECT_EQ(g.marked, QRegion(g.RangeBounds({3, 1, 3, 2})));
  g.marked = QRegion();
  g.RepaintNewRange(3, 3, 4, 4);  // apart: the old range and the new one
  EXPECT_EQ(g.marked, QRegion(g.RangeBounds({1, 1, 2, 2})) + QRegion(g.RangeBounds({3, 3, 4, 4})));
  g.marked = QRegion();
  g.RepaintNewRange(1, 1, 1, 2);  // narrower: the column given up
  EXPECT_EQ(g.marked, QRegion(g.RangeBounds({2, 1, 2, 2})));
}

TEST(GridRepaint, WithColumnsSelectedTheRunsBetweenThemArePainted)
{
  RecordingGrid g;
  g.Model().ColSelection().Set(2, true);
  g.UpdateSelectionKind();
  g.RepaintNewRange(1, 1, 3, 2);
  // Columns 1 and 3 of rows 1..2, and column 2 outside the range (heading, rows 3..4).
  const QRegion expected = QRegion(g.RangeBounds({1, 1, 1, 2})) + QRegion(g.RangeBounds({3, 1, 3, 2})) +
                           QRegion(g.RangeBounds({2, 0, 2, 0})) + QRegion(g.RangeBounds({2, 3, 2, 4}));
  EXPECT_EQ(g.marked, expected);
}

TEST(GridRepaint, ACellButtonRepaintsItsStripOnly)
{
  RecordingGrid g;
  g.Model().Col(2).SetButtonType(btCombo);
  g.marked = QRegion();
  g.RepaintCellButton(2, 1);
  const QRect cell = g.CellBounds(2, 1);
  ASSERT_FALSE(g.marked.isEmpty());
  EXPECT_TRUE(cell.adjusted(0, -1, 0, 0).contains(g.marked.boundingRect()));
  EXPECT_EQ(g.marked.boundingRect().right(), cell.right() - 1);  // the grid line stays
  EXPECT_LT(g.marked.boundingRect().width(), 20);
  g.marked = QRegion();
  g.RepaintCellButton(1, 1);  // no button
  EXPECT_TRUE(g.marked.isEmpty());
}

TEST(GridRepaint, ASelectedCellRangeIsPaintedSelected)
{
  RecordingGrid g;
  g.Model().SelectedRange = MakeRange(2, 2, 3, 3);
  g.UpdateSelectionKind();
  EXPECT_EQ(g.SelectionKind(), 3);
  EXPECT_TRUE(g.IsCellSelected(3, 2));
  EXPECT_FALSE(g.IsCellSelected(1, 2));
  const QImage image = g.PaintToImage();
  const QRect cell = g.CellBounds(3, 3);
  EXPECT_EQ(image.pixel(cell.right() - 3, cell.top() + 2) & 0xFFFFFF, 0u);  // white inverted
}

TEST(GridRepaint, AutoscrollStepsComeSlowlyNearTheGridAndFastFurtherOut)
{
  RecordingGrid g;
  const int edge = g.ClientWidth();
  EXPECT_EQ(g.AutoScrollDelay(edge + 14, 30, 100, 100, 0), 200);
  EXPECT_EQ(g.AutoScrollDelay(edge + 15, 30, 100, 100, 0), 0);
  EXPECT_EQ(g.AutoScrollDelay(edge + 15, 30, 100, 100, 1), 200);  // only the vertical distance counts
  g.ScrollSpeed = spLow;
  EXPECT_EQ(g.AutoScrollDelay(edge + 50, 30, 100, 100, 0), 200);
  EXPECT_FALSE(g.AutoScrollWait(100, 100, 0));  // the wait has just begun
  g.ScrollSpeed = spHigh;
  EXPECT_TRUE(g.AutoScrollWait(100, 100, 0));
}

}  // namespace
}  // namespace grid
