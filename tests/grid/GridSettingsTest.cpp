// Grid settings that change more than a stored value: design mode, row selection modes, the grid
// mode's insert row under the current cell.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(GridSettings, DesignModeTurnsLoadedValuesIntoTextInsteadOfRaising)
{
  TtsGrid g;
  g.Model().Designing = true;
  g.OnCellLoaded = [](TtsBaseGrid&, int, int, TtsCellValue& value) { value = 7; };
  EXPECT_EQ(g.Cell(1, 1), TtsCellValue("7"));
  g.CellAt(1, 1).SetControlType(ctCheck);
  EXPECT_EQ(g.Cell(1, 1), TtsCellValue(7));
}

TEST(GridSettings, RowSelectModeKeepsWhatTheNewModeAllows)
{
  TtsGrid g;
  TtsSelection& rows = g.Model().RowSelection();
  g.SetCurrentDataRow(2);
  for (int r : {1, 2, 3})
    rows.Set(r, true);
  g.SetRowSelectMode(rsSingle);
  EXPECT_EQ(rows.Count(), 1);
  EXPECT_TRUE(rows.Selected(2));
  g.SetRowSelectMode(rsNone);
  EXPECT_EQ(rows.Count(), 0);
}

TEST(GridSettings, StatusEventsFollowTheSelectionKind)
{
  TtsGrid g;
  std::vector<int> statuses;
  g.OnGridStatusChanged = [&](TtsBaseGrid&, TtsGridStatus, TtsGridStatus now) { statuses.push_back(now); };
  g.Model().RowSelection().Set(3, true);
  g.DeleteSelectedRows();  // the selection goes with the row
  g.Model().ColSelection().Set(1, true);
  g.SetRowSelectMode(rsSingle);
  EXPECT_EQ(statuses, (std::vector<int>{gsColsSelected}));
}

TEST(GridSettings, LeavingTheInsertModeFromTheInsertRowMovesTheCurrentCell)
{
  TtsGrid g;
  g.SetGridMode(gmEditInsert);
  g.SetCurrentDataRow(5);  // entering the insert row makes it a data row
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 5);
  EXPECT_EQ(g.Rows(), 5);
  g.SetCurrentDataRow(4);  // left unedited, it is the insert row again
  EXPECT_EQ(g.Rows(), 4);
  g.Model().SetCurrentCell(1, 5);  // on the insert row without entering it
  g.SetGridMode(gmBrowse);
  EXPECT_EQ(g.GridRows(), 5);
  EXPECT_EQ(g.CurrentDataRow(), 4);
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

std::vector<int> VisibleCols(TtsGrid& g)
{
  std::vector<int> list;
  for (int i = 1; i <= g.Model().VisibleCols().VisibleCount(); ++i)
    list.push_back(g.Model().VisibleCols().Get(i));
  return list;
}

TEST(GridSettings, DeletingAroundHiddenColumnsKeepsTheVisibleList)
{
  TtsGrid g;
  g.SetCols(5);
  g.Model().Col(2).SetVisible(false);
  EXPECT_EQ(VisibleCols(g), (std::vector<int>{1, 3, 4, 5}));
  g.DeleteCols(2, 2);  // the hidden one
  EXPECT_EQ(VisibleCols(g), (std::vector<int>{1, 2, 3, 4}));
  g.Model().Col(3).SetVisible(false);
  g.DeleteCols(1, 1);
  EXPECT_EQ(VisibleCols(g), (std::vector<int>{1, 3}));
  EXPECT_EQ(g.ColWidth(2), 0);
  g.SetCols(1);
  EXPECT_EQ(VisibleCols(g), (std::vector<int>{1}));
}

}  // namespace
}  // namespace grid
