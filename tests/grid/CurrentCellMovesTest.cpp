// The current cell moved by program: the cells that can take it, the insert row of gmEditInsert,
// range selection with its current-cell rules, and the top-left reports.
#include "grid/window/Grid.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

std::string Str(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

struct MovesGrid {
  MovesGrid()
  {
    grid.SetStoreData(true);
    grid.SetCols(4);
    grid.SetRows(4);
    grid.resize(400, 200);
    grid.show();
    QApplication::processEvents();
  }
  std::string Current() const { return Str(grid.CurrentDataCol(), grid.CurrentDataRow()); }

  TtsGrid grid;
  std::vector<std::string> log;
};

TEST(CurrentCellSearch, ReadOnlyColumnsAreSkippedOnlyWhenAskedAndNeverInListBoxMode)
{
  MovesGrid g;
  g.grid.Model().Col(2).SetReadOnly(true);
  g.grid.Model().Col(4).SetVisible(false);
  int col = 0;
  ASSERT_TRUE(g.grid.NextEnterableCol(1, true, false, col));
  EXPECT_EQ(col, 3);
  ASSERT_TRUE(g.grid.NextEnterableCol(1, false, false, col));
  EXPECT_EQ(col, 2);
  EXPECT_FALSE(g.grid.NextEnterableCol(3, false, false, col));  // column 4 is hidden
  EXPECT_EQ(g.grid.LastEnterableCol(false, false), 3);
  ASSERT_TRUE(g.grid.PrevEnterableCol(3, true, false, col));
  EXPECT_EQ(col, 1);
  g.grid.SetGridMode(gmListBox);
  ASSERT_TRUE(g.grid.NextEnterableCol(1, true, false, col));
  EXPECT_EQ(col, 2);
}

TEST(CurrentCellSearch, CellWalksGoInReadingOrderAndSkipReadOnlyCellsWhenAsked)
{
  MovesGrid g;
  g.grid.Model().Col(1).SetReadOnly(true);
  int col = 0;
  int row = 0;
  ASSERT_TRUE(g.grid.NextEnterableCell(4, 1, true, col, row));
  EXPECT_EQ(Str(col, row), "2,2");
  ASSERT_TRUE(g.grid.NextEnterableCell(4, 1, false, col, row));
  EXPECT_EQ(Str(col, row), "1,2");
  ASSERT_TRUE(g.grid.PrevEnterableCell(2, 2, true, col, row));
  EXPECT_EQ(Str(col, row), "4,1");
  EXPECT_FALSE(g.grid.NextEnterableCell(4, 4, false, col, row));
  ASSERT_TRUE(g.grid.NextEnterableCell(0, 0, true, col, row));  // from row 0: the first row
  EXPECT_EQ(Str(col, row), "2,1");
  EXPECT_TRUE(g.grid.IsCellReadOnly(1, 3));
  EXPECT_FALSE(g.grid.IsCellReadOnly(0, 3));  // outside the data cells
}

TEST(CurrentCellMoves, AMoveOntoTheCurrentCellDoesNothing)
{
  MovesGrid g;
  g.grid.OnCellChanged = [&](TtsBaseGrid&, int, int, int, int) { g.log.push_back("cell"); };
  g.grid.MoveCurrentCell(1, 1);
  g.grid.SetCurrentDataRow(1);
  EXPECT_TRUE(g.log.empty());
  g.grid.MoveCurrentCell(3, 2);
  EXPECT_EQ(g.Current(), "3,2");
  EXPECT_EQ(g.log.size(), 1u);
}

TEST(CurrentCellMoves, OnColChangedNeverFiresInListBoxMode)
{
  MovesGrid g;
  g.grid.SetGridMode(gmListBox);
  g.grid.OnColChanged = [&](TtsBaseGrid&, int, int) { g.log.push_back("col"); };
  g.grid.OnCellChanged = [&](TtsBaseGrid&, int, int, int, int) { g.log.push_back("cell"); };
  g.grid.SetCurrentDataCol(3);
  EXPECT_EQ(g.log, (std::vector<std::string>{"cell"}));
}

TEST(CurrentCellMoves, AMoveWithinTheRowEndsOnlyTheCellEdit)
{
  MovesGrid g;
  g.grid.OnEndCellEdit = [&](TtsBaseGrid&, int c, int r, bool&) { g.log.push_back("end cell " + Str(c, r)); };
  g.grid.OnEndRowEdit = [&](TtsBaseGrid&, int r, bool&) { g.log.push_back("end row " + std::to_string(r)); };
  ASSERT_TRUE(g.grid.CurrentCell().SetValue(std::string("x"), false, false));
  g.grid.SetCurrentDataCol(2);
  EXPECT_EQ(g.log, (std::vector<std::string>{"end cell 1,1"}));
  EXPECT_TRUE(g.grid.RowEditing());
  EXPECT_TRUE(g.grid.CellEditEnded());
  g.grid.SetCurrentDataRow(2);
  EXPECT_EQ(g.log, (std::vector<std::string>{"end cell 1,1", "end row 1"}));
  EXPECT_EQ(g.grid.Cell(1, 1).AsString(), "x");
}

TEST(CurrentCellMoves, EnteringTheInsertRowMakesItADataRowAndLeavingItUneditedGivesItBack)
{
  MovesGrid g;
  g.grid.SetGridMode(gmEditInsert);
  g.grid.OnRowCountChanged = [&](TtsBaseGrid&, int o, int n) { g.log.push_back("count " + Str(o, n)); };
  g.grid.OnInsertRow = [&](TtsBaseGrid&, int r, bool user) { g.log.push_back("insert " + std::to_string(r) + (user ? " user" : "")); };
  g.grid.OnDeleteRow = [&](TtsBaseGrid&, int r, bool user) { g.log.push_back("delete " + std::to_string(r) + (user ? " user" : "")); };
  EXPECT_EQ(g.grid.Rows(), 4);
  g.grid.MoveCurrentCell(1, 5);
  EXPECT_EQ(g.grid.Rows(), 5);
  g.grid.MoveCurrentCell(1, 2);
  EXPECT_EQ(g.grid.Rows(), 4);
  EXPECT_EQ(g.grid.InsertRowPresent(), 1);
  EXPECT_EQ(g.log, (std::vector<std::string>{"count 4,5", "insert 5 user", "count 5,4", "delete 5 user"}));
}

TEST(CurrentCellMoves, AnEditOnTheNewRowShowsAFreshInsertRowBelowIt)
{
  MovesGrid g;
  g.grid.SetGridMode(gmEditInsert);
  g.grid.MoveCurrentCell(2, 5);
  ASSERT_TRUE(g.grid.CurrentCell().SetValue(std::string("new"), false, false));
  EXPECT_TRUE(g.grid.InsertRowPending());
  EXPECT_EQ(g.grid.InsertRowPresent(), 1);
  EXPECT_EQ(g.grid.GridRows(), 7);
  g.grid.MoveCurrentCell(2, 1);
  EXPECT_EQ(g.grid.Rows(), 5);
  EXPECT_EQ(g.grid.Cell(2, 5).AsString(), "new");
}

TEST(RangeSelection, SingleRowModeSelectsOneRowAndMakesItCurrent)
{
  MovesGrid g;
  g.grid.SetRowSelectMode(rsSingle);
  g.grid.SelectRowRange(3, 4, true, false);
  EXPECT_EQ(g.grid.SelectionKind(), 0);
  g.grid.SelectRowRange(4, 4, true, false);
  EXPECT_TRUE(g.grid.IsRowSelected(4));
  EXPECT_EQ(g.grid.Model().CurrentDisplayRow(), 4);
}

TEST(RangeSelection, ListBoxSingleRowModeKeepsItsRowSelected)
{
  MovesGrid g;
  g.grid.SetGridMode(gmListBox);
  g.grid.SetRowSelectMode(rsSingle);
  g.grid.SetRowRangeSelected(2, 2, true);
  g.grid.SetRowRangeSelected(2, 2, false);
  EXPECT_TRUE(g.grid.IsRowSelected(2));
}

TEST(RangeSelection, ColumnRangesAreClippedAndReplaceARowSelection)
{
  MovesGrid g;
  g.grid.SelectRowRange(1, 2, true, false);
  g.grid.SelectColRange(5, 2, true);  // beyond the columns
  EXPECT_EQ(g.grid.SelectionKind(), 2);
  g.grid.SelectColRange(3, 2, true);  // backwards
  EXPECT_EQ(g.grid.SelectionKind(), 2);
  g.grid.SelectColRange(-3, 2, true);
  EXPECT_EQ(g.grid.SelectionKind(), 1);
  EXPECT_EQ(g.grid.Model().ColSelection().Count(), 2);
  EXPECT_FALSE(g.grid.IsRowSelected(1));
  g.grid.SelectColRange(2, 9, false);
  EXPECT_EQ(g.grid.Model().ColSelection().Count(), 1);
}

TEST(RangeSelection, ARefusedEndOfTheEditSelectsNothing)
{
  MovesGrid g;
  g.grid.OnEndCellEdit = [](TtsBaseGrid&, int, int, bool& cancel) { cancel = true; };
  ASSERT_TRUE(g.grid.CurrentCell().SetValue(std::string("x"), false, false));
  g.grid.SelectRowRange(2, 3, true, false);
  g.grid.SelectColRange(2, 3, true);
  EXPECT_EQ(g.grid.SelectionKind(), 0);
  EXPECT_TRUE(g.grid.CellEditing());
}

TEST(TopLeft, ScrollingPastTheLimitSnapsBackAndReportsOnce)
{
  TtsGrid grid;
  grid.SetCols(3);
  grid.SetRows(40);
  grid.resize(300, 120);
  grid.show();
  QApplication::processEvents();
  std::vector<std::string> reports;
  grid.OnTopLeftChanged = [&](TtsBaseGrid&, int, int, int c, int r, bool user) {
    reports.push_back(Str(c, r) + (user ? " user" : ""));
  };
  const int limit = grid.GetTopLeftLimits().Y;
  grid.SetTopLeftLimited(1, 100);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(grid.TopRow(), limit);
  grid.SetTopLeftLimited(1, limit);
  EXPECT_EQ(reports.size(), 1u);  // unchanged: no report
}

}  // namespace
}  // namespace grid
