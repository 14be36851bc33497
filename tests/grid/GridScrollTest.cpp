// Scrolling a grid: the plan of blitted and repainted strips, visible ranges, the top-left limits,
// the scroll bars with their proportional mapping of huge row counts, and bar messages.

#include "grid/window/Grid.h"
#include "grid/window/ScrollPlan.h"

#include "platform/Color.h"
#include "platform/ScrollBars.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <string>
#include <cmath>
#include <vector>

namespace grid {
namespace {

using platform::Rect;
using Kind = TtsScrollStepKind;

bool HasStep(const TtsScrollPlan& plan, Kind kind)
{
  for (const TtsScrollStep& step : plan)
    if (step.Kind == kind)
      return true;
  return false;
}

TtsScrollInput Vertical(int dy)
{
  TtsScrollInput in;
  in.DY = dy;
  in.ClientWidth = 200;
  in.ClientHeight = 120;
  in.FixedWidth = 14;
  in.FixedHeight = 20;
  in.RowsFitBottom = 120;
  in.LastRowBottom = 120;
  return in;
}

TEST(ScrollPlan, AScrollKeepingAFifthOfTheAreaBlitsOneKeepingLessRepaints)
{
  // 100 scrollable pixels: moving 80 keeps exactly a fifth.
  EXPECT_TRUE(HasStep(PlanScroll(Vertical(-80)), Kind::Scroll));
  EXPECT_EQ(PlanScroll(Vertical(-81)), (TtsScrollPlan{{Kind::Invalidate, Rect(0, 20, 200, 120)}}));
  EXPECT_TRUE(HasStep(PlanScroll(Vertical(80)), Kind::Scroll));
  EXPECT_EQ(PlanScroll(Vertical(81)), (TtsScrollPlan{{Kind::Invalidate, Rect(0, 20, 200, 120)}}));
}

TEST(ScrollPlan, ContentUpScrollsTheRowsAndRepaintsTheStripUncovered)
{
  TtsScrollInput in = Vertical(-14);
  in.FocusFrameOnFixedRow = true;
  const TtsScrollPlan expected{
      {Kind::Invalidate, Rect(0, 19, 200, 20)}, {Kind::Update},
      {Kind::Scroll, Rect(0, 20, 200, 120), 0, -14}, {Kind::Validate, Rect(0, 106, 200, 120)},
      {Kind::Update},                             {Kind::Invalidate, Rect(0, 106, 200, 120)},
  };
  EXPECT_EQ(PlanScroll(in), expected);
}

TEST(ScrollPlan, BothDirectionsAtOnceUseTheThreePartScroll)
{
  TtsScrollInput in = Vertical(-14);
  in.DX = -64;
  const TtsScrollPlan plan = PlanScroll(in);
  ASSERT_EQ(plan.size(), 1u);
  EXPECT_EQ(plan[0].Kind, Kind::BaseScroll);
}

TEST(ScrollPlan, KeepingTheCurrentRowScrollsAroundIt)
{
  TtsScrollInput in = Vertical(-14);
  in.Mode = 2;
  in.KeepRowRect = Rect(0, 48, 14, 61);
  const TtsScrollPlan plan = PlanScroll(in);
  ASSERT_FALSE(plan.empty());
  EXPECT_EQ(plan[0], (TtsScrollStep{Kind::Scroll, Rect(0, 20, 200, 48), 0, -14}));
  EXPECT_EQ(plan.back().Kind, Kind::Update);
}

TEST(ScrollPlan, WithoutDirectPaintTheWholeGridIsRepainted)
{
  TtsScrollInput in = Vertical(-14);
  in.DirectPaint = false;
  EXPECT_EQ(PlanScroll(in), (TtsScrollPlan{{Kind::Invalidate, Rect(0, 0, 200, 120)}}));
}

// A grid of 100 rows of 14 pixels under a 15-pixel heading.
struct HundredRows {
  explicit HundredRows(int rows = 100)
  {
    grid.resize(300, 15 + 10 * 14);  // ten rows; four columns leave room for the vertical bar
    grid.SetRows(rows);
    grid.PaintToImage();  // pending scroll-bar updates run after a paint
  }
  QScrollBar* Bar(Qt::Orientation orientation)
  {
    for (QScrollBar* bar : grid.findChildren<QScrollBar*>())
      if (bar->orientation() == orientation)
        return bar;
    return nullptr;
  }
  TtsGrid grid;
};

TEST(GridScroll, OneRowDownBlitsAndTwoPagesRepaintTheScrolledArea)
{
  HundredRows g;
  g.grid.SetTopRow(2);
  const TtsScrollPlan& plan = g.grid.LastScrollPlan();
  ASSERT_TRUE(HasStep(plan, Kind::Scroll));
  EXPECT_EQ(plan[0].DY, -14);
  g.grid.SetTopRow(30);
  EXPECT_EQ(g.grid.LastScrollPlan(),
            (TtsScrollPlan{{Kind::Invalidate, Rect(0, 0, g.grid.ClientWidth(), g.grid.ClientHeight())}}));
}

TEST(GridScroll, WhileUpdatingTheTopLeftMovesWithoutPaintingAndReportsOnceAtTheEnd)
{
  HundredRows g;
  int reports = 0;
  g.grid.OnTopLeftChanged = [&](TtsBaseGrid&, int, int, int, int, bool) { ++reports; };
  g.grid.SetTopRow(2);
  const TtsScrollPlan before = g.grid.LastScrollPlan();
  g.grid.BeginUpdate();
  g.grid.SetTopRow(5);
  g.grid.SetTopRow(6);
  EXPECT_EQ(g.grid.LastScrollPlan(), before);
  EXPECT_EQ(reports, 1);
  g.grid.EndUpdate();
  EXPECT_EQ(reports, 2);
  EXPECT_EQ(g.grid.TopRow(), 6);
}

TEST(GridScroll, MaxTopRowShowsTheLastRowsWhole)
{
  TtsGrid grid;
  grid.SetScrollBars(TScrollStyle::ssNone);
  grid.SetRows(10);
  grid.resize(200, 85);
  EXPECT_EQ(grid.MaxTopRow(), 6);  // rows 6..10: 15 + 5 * 14 = 85
  grid.resize(200, 84);
  EXPECT_EQ(grid.MaxTopRow(), 7);
  grid.resize(200, 400);
  EXPECT_EQ(grid.MaxTopRow(), grid.FixedRows());
  grid.resize(200, 85);
  grid.SetRowVisible(6, false);
  EXPECT_EQ(grid.MaxTopRow(), 5);  // the rows 5, 7..10 fill the area
  grid.SetRowVisible(6, true);
  grid.SetGridMode(gmEditInsert);
  EXPECT_EQ(grid.GridRows() - 1, 11);
  EXPECT_EQ(grid.MaxTopRow(), 7);  // the insert row shows last
}

TEST(GridScroll, ScrollBarStepsPagesAndEnds)
{
  HundredRows g;
  using namespace platform;
  g.grid.DoVertScroll(SB_LINEUP, 0);
  EXPECT_EQ(g.grid.TopRow(), 1);
  g.grid.DoVertScroll(SB_LINEDOWN, 0);
  EXPECT_EQ(g.grid.TopRow(), 2);
  g.grid.DoVertScroll(SB_PAGEDOWN, 0);
  EXPECT_EQ(g.grid.TopRow(), 2 + g.grid.RowsFittingFromTopRow());
  g.grid.DoVertScroll(SB_BOTTOM, 0);
  EXPECT_EQ(g.grid.TopRow(), g.grid.MaxTopRow());
  EXPECT_EQ(g.grid.MaxTopRow(), 100 - 10 + 1);
  g.grid.DoVertScroll(SB_TOP, 0);
  EXPECT_EQ(g.grid.TopRow(), 1);
}

TEST(GridScroll, TheThumbMovesTheGridWhileDraggedOnlyWithThumbTracking)
{
  HundredRows g;
  QScrollBar* bar = g.Bar(Qt::Vertical);
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(g.grid.ScrollBarShown(platform::SB_VERT));
  bar->setSliderDown(true);
  bar->setSliderPosition(40);
  EXPECT_EQ(g.grid.TopRow(), 1);
  bar->setSliderDown(false);  // the release is a thumb position
  EXPECT_EQ(g.grid.TopRow(), 40);
  g.grid.SetThumbTracking(true);
  bar->setSliderDown(true);
  bar->setSliderPosition(20);
  EXPECT_EQ(g.grid.TopRow(), 20);
  bar->setSliderDown(false);
  EXPECT_EQ(g.grid.GetScrollPos(platform::SB_VERT), 20);
}

TEST(GridScroll, AShownGridPagesDownByItsScrollBar)
{
  HundredRows g;
  g.grid.SetStoreData(true);
  for (int r = 1; r <= 100; ++r)
    g.grid.SetCell(1, r, "row " + std::to_string(r));
  g.grid.show();
  QApplication::processEvents();
  QScrollBar* bar = g.Bar(Qt::Vertical);
  ASSERT_NE(bar, nullptr);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  QApplication::processEvents();
  EXPECT_EQ(g.grid.TopRow(), 11);
  EXPECT_EQ(g.grid.GetScrollPos(platform::SB_VERT), 11);
  const QImage shot = g.grid.grab().toImage();
  shot.save(VEXAL_TEST_OUTPUT_DIR "GridScrolled.png");
  // The heading stays; the grid's first shown row is row 11.
  EXPECT_EQ(shot.pixel(40, 7) & 0xFFFFFF, platform::ColorToQColor(platform::clBtnFace).rgb() & 0xFFFFFF);
  g.grid.MoveCurrentCell(1, 11);
  QApplication::processEvents();
  const QImage current = g.grid.grab().toImage();
  int ink = 0;  // the row indicator beside the first shown row
  for (int y = 16; y < 28; ++y)
    for (int x = 1; x < 12; ++x)
      ink += qGray(current.pixel(x, y)) < 100;
  EXPECT_GT(ink, 5);
}

TEST(GridScroll, FortyThousandRowsMapProportionallyOntoTheBar)
{
  HundredRows g(40000);
  const platform::TScrollInfo info = g.grid.GetScrollInfo(platform::SB_VERT);
  EXPECT_EQ(info.Min, 0);
  EXPECT_EQ(info.Max, 32767);
  EXPECT_EQ(info.Page, 1);
  const TtsScrollGeometry geometry = g.grid.GetVertScrollGeometry();
  EXPECT_TRUE(geometry.Proportional);
  EXPECT_EQ(geometry.Count, g.grid.MaxTopRowPos() - 1);
  g.grid.DoVertScroll(platform::SB_THUMBPOSITION, 32767);
  EXPECT_EQ(g.grid.TopRow(), g.grid.MaxTopRow());
  EXPECT_EQ(g.grid.VertThumbPos(), 32767);
  g.grid.DoVertScroll(platform::SB_THUMBPOSITION, 16384);
  EXPECT_EQ(g.grid.TopRow(), int(std::nearbyint(double(geometry.Count) / 32767.0 * 16384.0)) + 1);
  g.grid.DoVertScroll(platform::SB_THUMBPOSITION, 0);
  EXPECT_EQ(g.grid.TopRow(), 1);
  EXPECT_EQ(g.grid.VertThumbPos(), 0);
}

TEST(GridScroll, BarsShowWhenNeededAndStayDisabledWhenAskedTo)
{
  TtsGrid grid;
  grid.resize(400, 300);
  grid.PaintToImage();
  EXPECT_FALSE(grid.ScrollBarShown(platform::SB_VERT));
  grid.SetAlwaysShowScrollBar(TScrollStyle::ssVertical);
  EXPECT_TRUE(grid.ScrollBarShown(platform::SB_VERT));
  EXPECT_FALSE(grid.ScrollBarEnabled(platform::SB_VERT));
  grid.SetRows(100);
  grid.PaintToImage();
  EXPECT_TRUE(grid.ScrollBarEnabled(platform::SB_VERT));
  const int range = grid.GetScrollInfo(platform::SB_VERT).Max;
  for (int r = 10; r < 20; ++r)
    grid.SetRowVisible(r, false);
  grid.PaintToImage();
  EXPECT_EQ(grid.GetScrollInfo(platform::SB_VERT).Max, range - 10);
}

TEST(GridScroll, ALineLeftAtTheFirstColumnIsIgnored)
{
  TtsGrid grid;
  grid.SetCols(30);
  grid.resize(300, 200);
  grid.PaintToImage();
  ASSERT_TRUE(grid.ScrollBarShown(platform::SB_HORZ));
  int moves = 0;
  grid.OnTopLeftChanged = [&](TtsBaseGrid&, int, int, int, int, bool) { ++moves; };
  grid.DoHorzScroll(platform::SB_LINELEFT, 0);
  EXPECT_EQ(moves, 0);
  grid.DoHorzScroll(platform::SB_LINERIGHT, 0);
  EXPECT_EQ(grid.LeftCol(), 2);
  EXPECT_EQ(moves, 1);
}

TEST(VisibleRange, WholeAndPartlyShownColumnsAndRows)
{
  TtsGrid grid;
  grid.SetScrollBars(TScrollStyle::ssNone);
  grid.SetCols(10);
  grid.resize(14 + 3 * 64 - 1, 200);  // three columns, the last line outside
  EXPECT_EQ(grid.ColsFittingFrom(1), 3);
  EXPECT_EQ(grid.LastColShownFrom(1), 3);
  grid.resize(14 + 3 * 64 - 2, 200);  // the third ends one pixel past the edge
  EXPECT_EQ(grid.ColsFittingFrom(1), 2);
  EXPECT_EQ(grid.LastColShownFrom(1), 3);
  EXPECT_EQ(grid.LastVisibleCol(), 3);
  grid.resize(1000, 200);  // the grid ends inside the client area
  EXPECT_EQ(grid.LastVisibleCol(), 10);
  EXPECT_EQ(grid.RowsPerPage(0, 0), std::min(200 / 1 + 1, grid.GridRows() - 1));
  grid.SetGridMode(gmEditInsert);
  EXPECT_EQ(grid.LastVisibleRow(), grid.GridRows() - 1);
}

TEST(VisibleRange, PagesBackAndForthOverTheVisibleRows)
{
  HundredRows g;
  g.grid.SetTopRow(50);
  EXPECT_EQ(g.grid.RowsFittingFromTopRow(), 10);
  EXPECT_EQ(g.grid.RowsFittingBeforeTopRow(), 10);
  g.grid.SetRowVisible(45, false);
  EXPECT_EQ(g.grid.RowsFittingBeforeTopRow(), 10);
  g.grid.DoVertScroll(platform::SB_PAGEUP, 0);
  EXPECT_EQ(g.grid.TopRow(), 39);  // ten shown rows back, row 45 skipped
}

}  // namespace
}  // namespace grid
