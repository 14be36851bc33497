// The grid's mouse, driven by real mouse events: selection sets, row and column selection by drags
// and shifted presses, cell ranges, sizing zones and resizing with the double-click restore,
// moving columns and rows, click events, cell buttons and heading buttons, autoscroll.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "grid/window/GridCursors.h"
#include "grid/editor/GridEditBox.h"
#include "ComboFixture.h"
#include "MouseFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <string>
#include <vector>

namespace grid {
namespace {

std::vector<int> Selected(const TtsSelection& set)
{
  std::vector<int> list;
  for (int i = 1; i < set.Size(); ++i)
    if (set.IsSelected(i))
      list.push_back(i);
  return list;
}

// Selection sets ---------------------------------------------------------------------------------------

TEST(GridSelectionSets, RangesInEitherOrderAndTheirEnds)
{
  MouseGrid g;
  g.SelectCols(5, 2);
  EXPECT_EQ(Selected(g.Model().ColSelection()), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(g.SelectionKind(), 1);
  g.UnselectAllCols();
  g.SelectCols(0, 0);
  EXPECT_EQ(g.Model().ColSelection().Count(), 0);
  EXPECT_EQ(g.SelectionKind(), 0);

  g.SelectCols(2, 8);
  g.UnselectCols(4, 5);
  const TtsSelection& cols = g.Model().ColSelection();
  EXPECT_EQ(cols.Lowest(), 2);
  EXPECT_EQ(cols.Highest(), 8);
  EXPECT_EQ(cols.Count(), 5);
  g.UnselectCols(6, 9);
  EXPECT_EQ(cols.Highest(), 3);
  EXPECT_EQ(g.CountSelectedCols(1, 8), 2);
  EXPECT_EQ(g.CountSelectedCols(3, 7), 1);
}

TEST(GridSelectionSets, HiddenColumnsStayOutAndTogglesReturnToNothing)
{
  MouseGrid g;
  g.Model().Col(3).SetVisible(false);
  g.SelectCols(2, 4);
  EXPECT_EQ(Selected(g.Model().ColSelection()), (std::vector<int>{2, 4}));
  g.UnselectAllCols();
  g.Model().Col(3).SetVisible(true);

  g.ToggleRows(3, 4);
  EXPECT_EQ(g.SelectionKind(), 2);
  g.ToggleRows(4, 3);
  EXPECT_EQ(g.SelectionKind(), 0);
  g.ToggleCols(3, 4);
  EXPECT_EQ(g.SelectionKind(), 1);
  g.ToggleCols(3, 4);
  EXPECT_EQ(g.SelectionKind(), 0);
}

TEST(GridSelectionSets, OnlyTheSelectionOfRowsReachesTheInsertRow)
{
  MouseGrid g;
  g.SetGridMode(gmEditInsert);
  const int insertRow = g.GridRows() - 1;
  ASSERT_TRUE(g.Model().IsInsertRow(insertRow));
  g.ToggleRows(insertRow - 1, insertRow);
  EXPECT_FALSE(g.Model().RowSelection().Selected(insertRow));
  g.SelectRows(insertRow, insertRow);
  EXPECT_TRUE(g.Model().RowSelection().Selected(insertRow));
}

TEST(GridSelectionSets, ChangesAreReportedOncePerKind)
{
  MouseGrid g;
  std::vector<TtsSelectType> fired;
  g.OnSelectChanged = [&](TtsBaseGrid&, TtsSelectType kind, bool) { fired.push_back(kind); };
  Click(g, g.Center(3, 0));
  EXPECT_EQ(fired, (std::vector<TtsSelectType>{stCols}));
}

// Row and column selection by mouse ----------------------------------------------------------------------

TEST(GridMouseSelection, DraggingOverTheRowBarAndBackLeavesTheRowsBetween)
{
  MouseGrid g;
  g.RowMoving = false;  // a press on a selected row drags the selection
  Press(g, g.Center(0, 2));
  EXPECT_EQ(g.MouseStatus(), msRowSelect);
  MoveTo(g, g.Center(0, 5));
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{2, 3, 4, 5}));
  MoveTo(g, g.Center(0, 3));
  Release(g, g.Center(0, 3));
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{2, 3}));
  EXPECT_EQ(g.MouseStatus(), msNone);
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 2);

  // Crossing above the current row flips the rows below it back first.
  Press(g, g.Center(0, 3));
  MoveTo(g, g.Center(0, 5));
  MoveTo(g, g.Center(0, 1));
  Release(g, g.Center(0, 1));
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{1, 2, 3}));
}

TEST(GridMouseSelection, DraggingFromRowFiveToNineAndBackToSeven)
{
  MouseGrid g;
  g.resize(400, 400);
  Press(g, g.Center(0, 5));
  MoveTo(g, g.Center(0, 9));
  MoveTo(g, g.Center(0, 7));
  Release(g, g.Center(0, 7));
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{5, 6, 7}));
}

TEST(GridMouseSelection, ShiftedPressesOnTheRowBar)
{
  MouseGrid g;
  Click(g, g.Center(0, 2));
  Click(g, g.Center(0, 4), Qt::ControlModifier);  // flips 4, current row 4
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{2, 4}));
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 4);
  Click(g, g.Center(0, 6), Qt::ShiftModifier);  // current 4 selected: exactly 4..6
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{4, 5, 6}));
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 4);
  Click(g, g.Center(0, 2), Qt::ControlModifier | Qt::ShiftModifier);  // 4 selected: 2..4 added
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{2, 3, 4, 5, 6}));
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 2);

  // Ctrl+Shift with the current row unselected removes the range.
  Click(g, g.Center(0, 2), Qt::ControlModifier);  // 2 unselected, current 2
  Click(g, g.Center(0, 5), Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Selected(g.Model().RowSelection()), (std::vector<int>{6}));
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 5);
}

TEST(GridMouseSelection, HeadingsSelectColumnsAndTheCornerSelectsAllRows)
{
  MouseGrid g;
  Press(g, g.Center(2, 0));
  MoveTo(g, g.Center(4, 0));
  Release(g, g.Center(4, 0));
  EXPECT_EQ(Selected(g.Model().ColSelection()), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(g.Model().CurrentDisplayCol(), 2);

  Click(g, g.Center(0, 0));
  EXPECT_EQ(g.SelectionKind(), 2);
  EXPECT_EQ(g.CountSelectedRows(1, 20), 20);
  EXPECT_EQ(g.Model().ColSelection().Count(), 0);
  Click(g, g.Center(0, 0));  // all were selected: none now
  EXPECT_EQ(g.SelectionKind(), 0);
}

TEST(GridMouseSelection, EscapeDuringARowDragFlipsTheDraggedRowsBack)
{
  MouseGrid g;
  Press(g, g.Center(0, 2));
  MoveTo(g, g.Center(0, 4));
  Escape(g);
  EXPECT_EQ(g.MouseStatus(), msNone);
  EXPECT_EQ(g.Model().RowSelection().Count(), 0);
  Release(g, g.Center(0, 4));
}

TEST(GridMouseSelection, TheSelectionStripStartsACellRange)
{
  MouseGrid g;
  const int left = ColLeft(g, 2);
  EXPECT_EQ(g.GetCursorAt(left + 1, g.Center(2, 2).y(), 2, 2), crCellRange);
  Press(g, {left + 1, g.Center(2, 2).y()});
  EXPECT_EQ(g.MouseStatus(), msCellSelect);
  MoveTo(g, g.Center(4, 3));
  Release(g, g.Center(4, 3));
  EXPECT_EQ(g.SelectionKind(), 3);
  EXPECT_EQ(g.Model().SelectedRange, MakeRange(2, 2, 4, 3));
  // Shift extends from the anchor; a plain click in a cell ends the range.
  Click(g, {ColLeft(g, 1) + 1, g.Center(1, 1).y()}, Qt::ShiftModifier);
  EXPECT_EQ(g.Model().SelectedRange, MakeRange(1, 1, 2, 2));
  Click(g, g.Center(5, 4));
  EXPECT_EQ(g.SelectionKind(), 0);
  EXPECT_EQ(g.Model().CurrentDisplayCol(), 5);
}

TEST(GridMouseSelection, HoldingThePointerBelowTheGridScrollsUntilTheLastRowShows)
{
  MouseGrid g;
  g.ScrollSpeed = spHigh;
  Press(g, g.Center(0, 2));
  MoveTo(g, {10, g.height() + 5});
  EXPECT_TRUE(g.AutoScrolling());
  QElapsedTimer clock;
  clock.start();
  while (g.AutoScrolling() && clock.elapsed() < 5000)
    QApplication::processEvents();
  EXPECT_FALSE(g.AutoScrolling());
  EXPECT_EQ(g.TopRow(), g.MaxTopRow());
  EXPECT_TRUE(g.Model().RowSelection().Selected(20));
  EXPECT_EQ(g.CountSelectedRows(1, 20), 19);  // rows 2..20
  Release(g, {10, g.height() + 5});
}

TEST(GridMouseSelection, AMoveEndsTheAutoscrollLoop)
{
  MouseGrid g;
  g.ScrollSpeed = spLow;
  Press(g, g.Center(0, 2));
  MoveTo(g, {10, g.height() + 5});
  EXPECT_TRUE(g.AutoScrolling());
  MoveTo(g, g.Center(0, 3));
  EXPECT_FALSE(g.AutoScrolling());
  Release(g, g.Center(0, 3));
}

// Sizing zones and resizing ---------------------------------------------------------------------------------

TEST(GridSizing, TheZoneOfAColumnBorderAndOfARowBorder)
{
  MouseGrid g;
  const int e = g.Right(2);
  const struct {
    int x;
    TtsMouseStatus kind;
  } cols[] = {{e - 3, msNone}, {e - 2, msColResize}, {e + 1, msColResize}, {e + 2, msNone}};
  for (const auto& c : cols)
    EXPECT_EQ(g.SizingHit(c.x, 5, 0, 2), c.kind) << c.x;
  EXPECT_EQ(g.MouseState().ResizeIndex, 2);
  const int b = g.Bottom(3);
  EXPECT_EQ(g.SizingHit(5, b + 2, 3, 0), msRowResize);
  EXPECT_EQ(g.SizingHit(5, b + 3, 3, 0), msNone);
  // Inside the data area only with the in-grid switches.
  EXPECT_EQ(g.SizingHit(e, g.Center(2, 3).y(), 3, 2), msNone);
  g.ResizeColsInGrid = true;
  EXPECT_EQ(g.SizingHit(e, g.Center(2, 3).y(), 3, 2), msColResize);
  EXPECT_EQ(g.SizingHit(g.Right(0), 5, 0, 0), msRowBarResize);
  EXPECT_EQ(g.SizingHit(5, g.Bottom(0), 0, 0), msHeadingResize);
  g.ResizeCols = rcNone;
  EXPECT_EQ(g.SizingHit(e, 5, 0, 2), msNone);
}

TEST(GridSizing, WithoutTheRowBarTheFirstBorderIsTheFirstColumns)
{
  MouseGrid g;
  g.SetRowBarOn(false);
  EXPECT_EQ(g.SizingHit(g.Right(1), 5, 0, 1), msColResize);
  EXPECT_EQ(g.MouseState().ResizeIndex, 1);
}

TEST(GridSizing, ReleasingOnePixelRightOfTheLeftEdgeGivesTwoPixels)
{
  MouseGrid g;
  std::vector<int> resized;
  g.OnColResized = [&](TtsBaseGrid&, int col) { resized.push_back(col); };
  const int left = ColLeft(g, 2);
  Press(g, {g.Right(2), 5});
  EXPECT_EQ(g.MouseStatus(), msColResize);
  EXPECT_EQ(g.FeedbackLines().size(), 1u);
  MoveTo(g, {left + 1, 5});
  Release(g, {left + 1, 5});
  EXPECT_EQ(g.ColWidth(2), 2);
  EXPECT_EQ(resized, std::vector<int>{2});
  EXPECT_TRUE(g.FeedbackLines().empty());
  // At or left of the left edge nothing changes.
  const int before = g.ColWidth(3);
  Press(g, {g.Right(3), 5});
  MoveTo(g, {ColLeft(g, 3) - 4, 5});
  Release(g, {ColLeft(g, 3) - 4, 5});
  EXPECT_EQ(g.ColWidth(3), before);
}

TEST(GridSizing, ABorderDoubleClickRestoresTheAssignedWidthWithoutClickEvents)
{
  MouseGrid g;
  g.Model().Col(2).SetWidth(50);
  int clicks = 0;
  int doubleClicks = 0;
  g.OnClick = [&](TtsBaseGrid&) { ++clicks; };
  g.OnDblClick = [&](TtsBaseGrid&) { ++doubleClicks; };
  g.OnDblClickCell = [&](TtsBaseGrid&, int, int, TtsClickPosition) { ++doubleClicks; };
  for (int drag : {30, 10}) {  // two mouse resizes
    Press(g, {g.Right(2), 5});
    MoveTo(g, {g.Right(2) + drag, 5});
    Release(g, {g.Right(2) + drag, 5});
  }
  EXPECT_EQ(g.ColWidth(2), 90);
  DoubleClick(g, {g.Right(2), 5});
  EXPECT_EQ(g.ColWidth(2), 50);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(doubleClicks, 0);
  EXPECT_TRUE(g.FeedbackLines().empty());
}

TEST(GridSizing, WithAllColumnsTheRestoreIsTheDefaultWidthBefore)
{
  MouseGrid g;
  g.ResizeCols = rcAll;
  Press(g, {g.Right(2), 5});
  Release(g, {g.Right(2) + 20, 5});
  EXPECT_EQ(g.ColWidth(2), 84);
  EXPECT_EQ(g.ColWidth(5), 84);
  DoubleClick(g, {g.Right(2), 5});
  EXPECT_EQ(g.ColWidth(2), 64);
  EXPECT_EQ(g.ColWidth(7), 64);
}

TEST(GridSizing, AResizeBeyondTheClientAreaEndsThereAndRowsResizeInTheRowBar)
{
  MouseGrid g;
  Press(g, {g.Right(1), 5});
  Release(g, {g.width() + 50, 5});
  EXPECT_EQ(g.ColWidth(1), g.ClientWidth() - ColLeft(g, 1) + 1);

  const int heading = g.HeadingHeight();
  Press(g, {5, g.Bottom(2)});
  EXPECT_EQ(g.MouseStatus(), msRowResize);
  Release(g, {5, g.Bottom(2) + 10});
  EXPECT_EQ(g.RowHeight(2), g.RowHeight(5));  // every row with rrAll
  EXPECT_EQ(g.HeadingHeight(), heading);
}

TEST(GridSizing, EscapeErasesTheLineAndKeepsTheWidth)
{
  MouseGrid g;
  const int width = g.ColWidth(2);
  Press(g, {g.Right(2), 5});
  MoveTo(g, {g.Right(2) + 30, 5});
  Escape(g);
  EXPECT_TRUE(g.FeedbackLines().empty());
  EXPECT_EQ(g.MouseStatus(), msNone);
  Release(g, {g.Right(2) + 30, 5});
  EXPECT_EQ(g.ColWidth(2), width);
}

TEST(GridSizing, TheSizingLineDrawnTwiceLeavesThePictureAsItWas)
{
  MouseGrid g;
  const QImage before = g.PaintToImage();
  Press(g, {g.Right(2), 5});
  const QImage during = g.PaintToImage();
  EXPECT_NE(during, before);
  g.DrawSizingLine();
  EXPECT_EQ(g.PaintToImage(), before);
  g.DrawSizingLine();
  Release(g, {g.Right(2), 5});
  EXPECT_EQ(g.PaintToImage(), before);
}

// Moving columns and rows ----------------------------------------------------------------------------------

TEST(GridMoving, MovingColumnFiveToTwoFiresOnColMoved)
{
  MouseGrid g;
  struct Moved {
    int to, count;
    bool byUser;
  };
  std::vector<Moved> moves;
  g.OnColMoved = [&](TtsBaseGrid&, int to, int count, bool byUser) { moves.push_back({to, count, byUser}); };
  Click(g, g.Center(5, 0));  // selects column 5
  Press(g, g.Center(5, 0));  // a plain press on a selected heading grabs it
  EXPECT_EQ(g.MouseStatus(), msColMove);
  MoveTo(g, g.Center(2, 0));
  EXPECT_EQ(g.MouseState().MoveTarget, 2);
  EXPECT_EQ(g.FeedbackLines().size(), 1u);
  Release(g, g.Center(2, 0));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].to, 2);
  EXPECT_EQ(moves[0].count, 1);
  EXPECT_TRUE(moves[0].byUser);
  EXPECT_EQ(g.Model().DataColOf(2), 5);
  EXPECT_EQ(g.Model().CurrentDisplayCol(), 2);
  EXPECT_TRUE(g.FeedbackLines().empty());
}

TEST(GridMoving, EscapeDuringAMoveAndADropInsideTheBlockMoveNothing)
{
  MouseGrid g;
  int moved = 0;
  g.OnColMoved = [&](TtsBaseGrid&, int, int, bool) { ++moved; };
  Press(g, g.Center(3, 0));
  MoveTo(g, g.Center(4, 0));
  Release(g, g.Center(4, 0));  // columns 3..4 selected
  Press(g, g.Center(3, 0));
  MoveTo(g, g.Center(1, 0));
  Escape(g);
  EXPECT_TRUE(g.FeedbackLines().empty());
  Release(g, g.Center(1, 0));
  Press(g, g.Center(3, 0));
  MoveTo(g, g.Center(4, 0));
  Release(g, g.Center(4, 0));
  EXPECT_EQ(moved, 0);
  EXPECT_EQ(g.Model().DataColOf(1), 1);
  EXPECT_EQ(g.Model().DataColOf(3), 3);
}

TEST(GridMoving, AfterARowMoveTheCurrentCellStaysOnItsDataRow)
{
  MouseGrid g;
  Click(g, g.Center(0, 2));
  Press(g, g.Center(0, 2));
  EXPECT_EQ(g.MouseStatus(), msRowMove);
  MoveTo(g, g.Center(0, 4));
  Release(g, g.Center(0, 4));
  EXPECT_EQ(g.Model().DataRowOf(4), 2);
  EXPECT_EQ(g.CurrentDataRow(), 2);
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 4);
}

// Clicks ---------------------------------------------------------------------------------------------

struct ClickLog {
  explicit ClickLog(TtsBaseGrid& g)
  {
    g.OnClickCell = [this](TtsBaseGrid&, int c1, int r1, int c2, int r2, TtsClickPosition p1, TtsClickPosition p2) {
      cells.push_back({c1, r1, c2, r2, p1, p2});
    };
    g.OnMouseDown = [this](TtsBaseGrid&, platform::TMouseButton, platform::TShiftState, int, int) { ++downs; };
  }
  struct Cell {
    int c1, r1, c2, r2;
    TtsClickPosition p1, p2;
    friend bool operator==(const Cell&, const Cell&) = default;
  };
  std::vector<Cell> cells;
  int downs = 0;
};

TEST(GridClicks, ClickCellCarriesTheDataCellsAndPositionsOfPressAndRelease)
{
  MouseGrid g;
  g.Model().MoveColumn(1, 3);  // display column 3 shows data column 1
  ClickLog log(g);
  Press(g, g.Center(3, 2));
  MoveTo(g, g.Center(0, 4));
  Release(g, g.Center(0, 4));
  Press(g, g.Center(2, 1));
  Release(g, {g.width() + 20, g.height() + 20});
  ASSERT_EQ(log.cells.size(), 2u);
  EXPECT_EQ(log.cells[0], (ClickLog::Cell{1, 2, 0, 4, cpCell, cpRowBar}));
  EXPECT_EQ(log.cells[1].p2, cpOutside);
  EXPECT_EQ(log.cells[1].c2, -1);
  EXPECT_EQ(log.downs, 2);
}

TEST(GridClicks, ARightClickMovesTheCurrentCellOnlyToAnUnselectedCell)
{
  MouseGrid g;
  ClickLog log(g);
  Press(g, g.Center(3, 4), Qt::NoModifier, Qt::RightButton);
  Release(g, g.Center(3, 4), Qt::RightButton);
  EXPECT_EQ(g.Model().CurrentDisplayCol(), 3);
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 4);
  g.SelectRows(2, 2);
  Press(g, g.Center(1, 2), Qt::NoModifier, Qt::RightButton);
  Press(g, g.Center(0, 0), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 4);
  EXPECT_EQ(log.downs, 3);
  EXPECT_TRUE(log.cells.empty());
}

TEST(GridClicks, AGridThatCannotTakeTheFocusSelectsNothingWithCheckMouseFocus)
{
  MouseGrid g;
  g.CheckMouseFocus = true;
  g.setFocusPolicy(Qt::NoFocus);
  ClickLog log(g);
  Click(g, g.Center(0, 3));
  EXPECT_EQ(g.SelectionKind(), 0);
  EXPECT_EQ(log.downs, 1);
}

TEST(GridClicks, MouseStatusChangesAreReportedOnce)
{
  MouseGrid g;
  std::vector<std::pair<TtsMouseStatus, TtsMouseStatus>> changes;
  g.OnMouseStatusChanged = [&](TtsBaseGrid&, TtsMouseStatus o, TtsMouseStatus n) { changes.push_back({o, n}); };
  Press(g, g.Center(0, 2));
  MoveTo(g, g.Center(0, 3));
  Release(g, g.Center(0, 3));
  const std::vector<std::pair<TtsMouseStatus, TtsMouseStatus>> expected{{msNone, msRowSelect},
                                                                          {msRowSelect, msNone}};
  EXPECT_EQ(changes, expected);
}

TEST(GridClicks, CursorsOverTheRowBarHeadingsAndBorders)
{
  MouseGrid g;
  EXPECT_EQ(g.GetCursorAt(5, g.Center(0, 3).y(), 0, 3), crRowSelect);
  EXPECT_EQ(g.GetCursorAt(g.Center(2, 0).x(), 5, 2, 0), crColSelect);
  EXPECT_EQ(g.GetCursorAt(g.Right(2), 5, 2, 0), platform::crHSplit);
  EXPECT_EQ(g.GetCursorAt(5, g.Bottom(2), 0, 2), platform::crVSplit);
  EXPECT_EQ(g.GetCursorAt(g.width() + 5, 5, 2, 0), platform::crDefault);
  for (platform::TCursor cursor : {crCellRange, crRowSelect, crColSelect}) {
    QPoint hot;
    const QImage picture = GridCursorImage(cursor, &hot);
    ASSERT_FALSE(picture.isNull());
    EXPECT_NE(qAlpha(picture.pixel(hot)), 0) << cursor;  // the hot spot lies on the picture
  }
}

TEST(GridClicks, APressOnTheCurrentCellStartsTheEditWithTheCaretWhereItLanded)
{
  MouseGrid g;
  g.SetStoreData(true);
  g.SetCell(2, 2, TtsCellValue("abcdefgh"));
  g.show();
  Click(g, g.Center(2, 2));  // another cell: only the current cell moves
  EXPECT_EQ(g.Model().CurrentDisplayCol(), 2);
  EXPECT_FALSE(g.CellEditing());
  auto* box = dynamic_cast<TtsGridEditBox*>(&g.TextEditor().Window());
  ASSERT_NE(box, nullptr);
  ClickLog log(g);
  Click(g, {g.Right(2) - 3, g.Center(2, 2).y()});  // right of the text
  EXPECT_EQ(box->CaretPos(), 8);
  EXPECT_EQ(box->SelLength(), 0);
  EXPECT_EQ(log.downs, 0);  // the press went on to the editor
}

// Cell and heading buttons ------------------------------------------------------------------------------

struct ButtonLog {
  explicit ButtonLog(TtsBaseGrid& g)
  {
    g.OnButtonDown = [this](TtsBaseGrid&, int c, int r) { log.push_back("down " + Cell(c, r)); };
    g.OnButtonUp = [this](TtsBaseGrid&, int c, int r) { log.push_back("up " + Cell(c, r)); };
    g.OnButtonClick = [this](TtsBaseGrid&, int c, int r) { log.push_back("click " + Cell(c, r)); };
    g.OnHeadingDown = [this](TtsBaseGrid&, int c) { log.push_back("heading down " + std::to_string(c)); };
    g.OnHeadingUp = [this](TtsBaseGrid&, int c) { log.push_back("heading up " + std::to_string(c)); };
    g.OnHeadingClick = [this](TtsBaseGrid&, int c) { log.push_back("heading click " + std::to_string(c)); };
  }
  static std::string Cell(int c, int r) { return std::to_string(c) + "," + std::to_string(r); }
  std::vector<std::string> log;
};

QPoint ButtonPoint(const MouseGrid& g, int col, int row) { return {g.Right(col) - 4, RowTop(g, row) + 4}; }

TEST(GridButtons, ANormalButtonReleasedOffItGivesDownAndUpButNoClick)
{
  MouseGrid g;
  g.Model().Col(2).SetButtonType(btNormal);
  ButtonLog events(g);
  Press(g, ButtonPoint(g, 2, 3));
  EXPECT_EQ(g.MouseStatus(), msCellButton);
  EXPECT_TRUE(g.CellButtonPressed);
  MoveTo(g, g.Center(4, 5));
  EXPECT_FALSE(g.CellButtonPressed);
  Release(g, g.Center(4, 5));  // over a cell without a button: the press still ends with its up event
  EXPECT_EQ(events.log, (std::vector<std::string>{"down 2,3", "up 2,3"}));
  events.log.clear();
  Click(g, ButtonPoint(g, 2, 3));
  EXPECT_EQ(events.log, (std::vector<std::string>{"down 2,3", "click 2,3", "up 2,3"}));
}

TEST(GridButtons, AButtonPressFiresNoClickCell)
{
  MouseGrid g;
  g.Model().Col(2).SetButtonType(btNormal);
  ClickLog log(g);
  Click(g, ButtonPoint(g, 2, 3));
  EXPECT_TRUE(log.cells.empty());
}

TEST(GridButtons, AHeadingButtonReleasedOffTheHeadingGivesNoClick)
{
  MouseGrid g;
  g.Model().Col(3).SetHeading("Three");
  g.Model().Col(3).SetHeadingButton(cbButton);
  g.Model().Col(3).SetSortPicture(spUp);
  ButtonLog events(g);
  const TtsCellPaintInfo info = g.GetCellPaintInfo(3, 0, true);
  ASSERT_TRUE(info.HasButton);
  const QPoint on(info.ButtonRect.Left + 3, info.ButtonRect.Top + 3);
  const QImage up = g.PaintToImage();
  Press(g, on);
  EXPECT_EQ(g.MouseStatus(), msHeadingButton);
  EXPECT_TRUE(g.HeadingShownDown);
  const QImage down = g.PaintToImage();
  // The sort picture moves one pixel right and down while the button is held.
  const QRect b(info.ButtonRect.Left, info.ButtonRect.Top, info.ButtonRect.Width(), info.ButtonRect.Height());
  EXPECT_NE(down.copy(b), up.copy(b));
  EXPECT_EQ(down.copy(b.left() + 3, b.top() + 1, 9, 10), up.copy(b.left() + 2, b.top(), 9, 10));
  MoveTo(g, g.Center(3, 3));
  EXPECT_FALSE(g.HeadingShownDown);
  Release(g, g.Center(3, 3));
  EXPECT_EQ(events.log, (std::vector<std::string>{"heading down 3", "heading up 3"}));
  EXPECT_EQ(g.PaintToImage(), up);

  events.log.clear();
  Click(g, on);
  EXPECT_EQ(events.log, (std::vector<std::string>{"heading down 3", "heading up 3", "heading click 3"}));
  // Escape while it is shown down clicks it too.
  events.log.clear();
  Press(g, on);
  Escape(g);
  EXPECT_EQ(events.log, (std::vector<std::string>{"heading down 3", "heading up 3", "heading click 3"}));
  Release(g, on);
  EXPECT_EQ(g.Model().ColSelection().Count(), 0);  // the heading button selects nothing
}

TEST(GridButtons, AHeadingActingAsACellIsPressedAnywhereInIt)
{
  MouseGrid g;
  g.Model().Col(4).SetHeadingButton(cbCell);
  ButtonLog events(g);
  Click(g, g.Center(4, 0));
  EXPECT_EQ(events.log, (std::vector<std::string>{"heading down 4", "heading up 4", "heading click 4"}));
}

TEST(GridButtons, AComboButtonOpensItsListAndClosesItAgain)
{
  ComboFixture f;
  f.drops().SetScreenSize({2000, 2000});
  const QPoint button(ColLeft(f.grid, 2) + f.grid.ColWidth(2) - 4, RowTop(f.grid, 2) + 4);
  Click(f.grid, button);
  EXPECT_TRUE(f.drops().IsComboDroppedDown());
  Click(f.grid, button);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

}  // namespace
}  // namespace grid
