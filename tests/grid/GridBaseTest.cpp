// The grid base window: counts and fixed counts, extents, hit tests, range bounds, top-left moves.

#include "grid/window/GridBase.h"
#include "grid/model/GridServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

class RecordingBase : public TCustomGrid_ts {
 public:
  RecordingBase() { resize(400, 200); }
  using TCustomGrid_ts::AfterTopLeftMove;
  std::vector<std::string> log;

 protected:
  void ScrollContents(int dx, int dy, const TGridLayout& layout) override
  {
    log.push_back("scroll " + std::to_string(dx) + "," + std::to_string(dy));
    TCustomGrid_ts::ScrollContents(dx, dy, layout);
  }
  void InvalidateGridWindow() override { log.push_back("all"); }
  void NotifySize(int oldCols, int oldRows) override
  {
    log.push_back("size " + std::to_string(oldCols) + "," + std::to_string(oldRows));
  }
};

std::string ErrorOf(const std::function<void()>& action)
{
  try {
    action();
  } catch (const EInvalidGridOperation& e) {
    return e.what();
  }
  return "";
}

TEST(GridBase, CountsAndFixedCountsKeepTheirRules)
{
  RecordingBase g;
  EXPECT_EQ(g.GridCols(), 5);
  EXPECT_EQ(g.FixedCols(), 1);
  g.SetGridCols(0);
  EXPECT_EQ(g.GridCols(), 1);
  EXPECT_EQ(g.FixedCols(), 0);

  RecordingBase h;
  EXPECT_EQ(ErrorOf([&] { h.SetFixedCols(5); }), "Fixed column count must be less than column count");
  EXPECT_EQ(ErrorOf([&] { h.SetFixedRows(5); }), "Fixed row count must be less than row count");
  EXPECT_EQ(ErrorOf([&] { h.SetFixedCols(-1); }), "Grid index out of range");
  EXPECT_EQ(h.FixedCols(), 1);
  EXPECT_EQ(h.FixedRows(), 1);
  h.SetFixedCols(2);
  EXPECT_EQ(h.TopLeftCell(), (TGridCoord{2, 1}));
  EXPECT_EQ(h.CurrentCell(), (TGridCoord{2, 1}));
  EXPECT_EQ(h.AnchorCell(), (TGridCoord{2, 1}));
}

TEST(GridBase, ExtentsFallBackToTheDefault)
{
  RecordingBase g;
  g.SetColWidth(2, 100);
  EXPECT_EQ(g.ColWidth(2), 100);
  EXPECT_EQ(g.ColWidth(5), 64);  // at or beyond GridCols
  EXPECT_EQ(ErrorOf([&] { g.SetColWidth(5, 10); }), "Grid index out of range");
  g.SetDefaultColWidth(30);
  EXPECT_FALSE(g.ColWidthsAllocated());
  EXPECT_EQ(g.ColWidth(2), 30);
  g.SetRowHeight(4, 7);
  g.SetGridRows(8);  // new rows at the default
  EXPECT_EQ(g.RowHeight(4), 7);
  EXPECT_EQ(g.RowHeight(7), 24);
}

TEST(GridBase, AFailedResizeKeepsTheOldCounts)
{
  RecordingBase g;
  g.SetColWidth(1, 80);
  EXPECT_EQ(ErrorOf([&] { g.SetGridCols(200000000); }), "Grid too large for operation");
  EXPECT_EQ(g.GridCols(), 5);
  EXPECT_EQ(g.ColWidth(1), 80);
}

TEST(GridBase, PointsMapToCells)
{
  RecordingBase g;  // 5 x 5 cells of 64 x 24 with 1-pixel lines
  struct Case {
    int x, y;
    TGridCoord cell;
  } cases[] = {
      {0, 0, {0, 0}},     {64, 24, {0, 0}},  {65, 25, {1, 1}},  {70, 10, {1, 0}},
      {324, 124, {4, 4}}, {70, 150, {-1, -1}}, {390, 10, {-1, -1}}, {-1, 5, {-1, -1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(g.CellAtPoint(c.x, c.y), c.cell) << c.x << "," << c.y;
  g.SetGridCols(20);
  g.SetLeftCol(5);
  EXPECT_EQ(g.CellAtPoint(70, 10), (TGridCoord{5, 0}));
  EXPECT_EQ(g.CellAtPoint(10, 10), (TGridCoord{0, 0}));
}

TEST(GridBase, RangeBoundsCoverTheVisibleCells)
{
  RecordingBase g;
  g.SetGridCols(20);
  EXPECT_EQ(g.CellBounds(1, 1), QRect(65, 25, 64, 24));
  EXPECT_EQ(g.RangeBounds({1, 1, 2, 1}, true), QRect(65, 25, 130, 25));
  EXPECT_EQ(g.CellBounds(0, 0), QRect(0, 0, 64, 24));
  EXPECT_EQ(g.RangeBounds({3, 1, 19, 1}).right(), 399);  // cut at the client's edge
  EXPECT_TRUE(g.RangeBounds({2, 1, 1, 1}).isEmpty());
  g.SetLeftCol(5);
  EXPECT_TRUE(g.RangeBounds({2, 1, 3, 1}).isEmpty());  // wholly scrolled out
  EXPECT_EQ(g.RangeBounds({2, 1, 5, 1}).left(), 65);   // starts at the first scrollable cell
}

TEST(GridBase, LastTopLeftFitsTheTargetInTheView)
{
  RecordingBase g;
  g.SetGridCols(20);
  g.SetGridRows(20);
  EXPECT_EQ(g.LastTopLeft({19, 19}), (TGridCoord{15, 13}));
  EXPECT_EQ(g.LastTopLeft({0, 0}), (TGridCoord{0, 0}));
  g.ScrollIntoView({19, 2});
  EXPECT_EQ(g.TopLeftCell(), (TGridCoord{15, 1}));
  g.ScrollIntoView({3, 2});
  EXPECT_EQ(g.TopLeftCell(), (TGridCoord{3, 1}));
}

TEST(GridBase, AFarMoveRepaintsEverythingANearOneScrolls)
{
  RecordingBase g;
  g.SetGridCols(30);
  g.log.clear();
  g.SetLeftCol(2);
  EXPECT_EQ(g.log, (std::vector<std::string>{"scroll -65,0"}));
  g.log.clear();
  g.SetLeftCol(20);
  EXPECT_EQ(g.log, (std::vector<std::string>{"all"}));
  g.log.clear();
  g.SetLeftCol(20);
  EXPECT_TRUE(g.log.empty());
}

TEST(GridBase, CurrentCellStaysInsideTheGrid)
{
  RecordingBase g;
  EXPECT_EQ(ErrorOf([&] { g.SetCurrentCell(5, 1, true, false); }), "Grid index out of range");
  g.SetCurrentCell(4, 4, true, false);
  g.SetGridCols(3);
  EXPECT_EQ(g.CurrentCell(), (TGridCoord{2, 4}));
  EXPECT_EQ(g.AnchorCell(), (TGridCoord{2, 4}));
}

}  // namespace
}  // namespace grid
