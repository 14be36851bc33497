// The grid's row attributes, selected-row deletes, the insert row, the wheel and top-left events.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"
#include "tests/grid/ErrorOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace grid {
namespace {

struct WheelGrid : TtsGrid {
  using TtsBaseGrid::DoMouseWheel;
};

TEST(GridRows, RowAttributesKeepRowObjectsOnlyWhileSet)
{
  TtsGrid g;
  g.SetRowColor(2, platform::clNone);
  EXPECT_EQ(g.Model().GridRows().At(2), nullptr);
  g.SetRowColor(2, platform::clRed);
  EXPECT_EQ(g.RowColor(2), platform::clRed);
  g.SetRowColor(2, platform::clNone);
  EXPECT_EQ(g.Model().GridRows().At(2), nullptr);

  EXPECT_EQ(g.RowHeightOf(3), 14);
  g.SetDefaultRowHeight(20);
  EXPECT_EQ(g.RowHeightOf(3), 20);

  g.SetRowAlignment(1, TAlignment(2));
  g.SetRowAlign(1, true);
  EXPECT_EQ(g.RowHorzAlignment(1), htaCenter);
  g.SetRowAlign(1, false);
  EXPECT_EQ(g.RowHorzAlignment(1), htaDefault);

  EXPECT_EQ(ErrorOf([&] { g.SetRowColor(0, platform::clRed); }), "tsGrid1: Row index 0 out of range");
  EXPECT_EQ(ErrorOf([&] { g.RowColor(5); }), "tsGrid1: Row index 5 out of range");
  EXPECT_FALSE(g.RowReadOnly(99));
  EXPECT_FALSE(g.RowChangedMark(0));
  g.SetRowChangedMark(4, true);
  EXPECT_TRUE(g.RowChangedMark(4));
  g.SetRowChangedIndicator(riOff);
  EXPECT_FALSE(g.RowChangedMark(4));
  EXPECT_EQ(g.DisplayRowOfData(9), -1);
}

TEST(GridRows, RowsMoveAndKeepTheirSerials)
{
  TtsGrid g;
  const int serial = g.Model().GridRows().SerialOf(4);
  g.MoveRowTo(4, 1);
  EXPECT_EQ(g.DisplayRowOfData(4), 1);
  EXPECT_EQ(g.DataRowBySerial(serial), 4);
  EXPECT_EQ(g.DataRowBySerial(-7), -1);
  EXPECT_EQ(g.DataColBySerial(g.Model().Col(3).Serial()), 3);
  g.SetStoreData(true);
  for (int r = 1; r <= 4; ++r)
    g.SetCell(1, r, r);
  g.DeleteRows(2, 2);  // data 4 (shown first) becomes data 3 and keeps its place and serial
  EXPECT_EQ(g.DisplayRowOfData(3), 1);
  EXPECT_EQ(g.Cell(1, 3), TtsCellValue("4"));
  EXPECT_EQ(g.DataRowBySerial(serial), 3);
}

TEST(GridRows, DeletingSelectedRowsSkipsTheInsertRow)
{
  TtsGrid g;
  g.SetStoreData(true);
  for (int r = 1; r <= 4; ++r)
    g.SetCell(1, r, r);
  g.SetGridMode(gmEditInsert);
  g.Model().RowSelection().Set(5, true);  // the insert row alone: nothing
  g.DeleteSelectedRows();
  EXPECT_EQ(g.Rows(), 4);
  std::vector<int> deleted;
  g.OnDeleteRow = [&](TtsBaseGrid&, int row, bool) { deleted.push_back(row); };
  g.Model().RowSelection().Set(2, true);
  g.Model().RowSelection().Set(4, true);
  g.SetCurrentDataRow(3);
  g.DeleteSelectedRows();
  EXPECT_EQ(deleted, (std::vector<int>{4, 2}));
  EXPECT_EQ(g.Rows(), 2);
  EXPECT_EQ(g.GridRows(), 4);
  EXPECT_EQ(g.Cell(1, 2), TtsCellValue("3"));
  EXPECT_EQ(g.CurrentDataRow(), 2);  // the same data row, one further up
}

TEST(GridRows, TheInsertRowBecomesADataRow)
{
  TtsGrid g;
  std::vector<std::string> events;
  g.OnRowCountChanged = [&](TtsBaseGrid&, int o, int n) { events.push_back(std::to_string(o) + ">" + std::to_string(n)); };
  g.OnInsertRow = [&](TtsBaseGrid&, int row, bool byUser) { events.push_back("insert " + std::to_string(row) + (byUser ? " user" : "")); };
  g.SetGridMode(gmEditInsert);
  g.CommitInsertRow();
  EXPECT_EQ(g.Rows(), 5);
  EXPECT_EQ(g.GridRows(), 6);
  g.AddInsertRow();
  EXPECT_EQ(g.GridRows(), 7);
  EXPECT_EQ(events, (std::vector<std::string>{"4>5", "insert 5 user"}));
}

TEST(GridRows, TheWheelScrollsAtMostTheRowsShown)
{
  WheelGrid g;
  g.SetRows(20);
  g.resize(200, 15 + 2 * 14 + 5);  // two whole rows below the heading
  std::vector<std::string> moves;
  g.OnTopLeftChanged = [&](TtsBaseGrid&, int oc, int orow, int nc, int nr, bool) {
    moves.push_back(std::to_string(oc) + "," + std::to_string(orow) + ">" + std::to_string(nc) + "," + std::to_string(nr));
  };
  EXPECT_TRUE(g.DoMouseWheel(0, -120, 5, 5));
  EXPECT_EQ(g.TopRow(), 3);
  EXPECT_FALSE(g.DoMouseWheel(platform::ssCtrl, -120, 5, 5));
  EXPECT_EQ(g.TopRow(), 3);
  EXPECT_TRUE(g.DoMouseWheel(0, 120, 5, 5));
  EXPECT_EQ(g.TopRow(), 1);
  EXPECT_TRUE(g.DoMouseWheel(0, 120, 5, 5));  // at the top already: no event
  EXPECT_EQ(moves, (std::vector<std::string>{"1,1>1,3", "1,3>1,1"}));
  g.OnMouseWheelDown = [](TtsBaseGrid&, std::uint8_t, int, int, bool& handled) { handled = true; };
  EXPECT_TRUE(g.DoMouseWheel(0, -120, 5, 5));
  EXPECT_EQ(g.TopRow(), 1);
}

TEST(GridRows, TheStoreSizeHintsFollowTheCounts)
{
  TtsGrid g;
  g.SetCols(1000);
  g.SetRows(300);
  g.SetStoreData(true);
  EXPECT_EQ(g.Store()->DefaultRowCapacity, 300);
  EXPECT_EQ(g.Store()->DefaultColCapacity, 256);
  g.SetRows(10);
  EXPECT_EQ(g.Store()->DefaultColCapacity, 1000);
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

TEST(GridCellFonts, LeavingParentFontKeepsTheDrawnFont)
{
  TtsGrid g;
  g.Model().Font.SetSize(10);
  TtsCell cell = g.CellAt(2, 2);
  EXPECT_TRUE(cell.ParentFont());
  EXPECT_EQ(cell.Font(), nullptr);
  cell.SetParentFont(false);
  ASSERT_NE(cell.Font(), nullptr);
  EXPECT_EQ(cell.Font()->Size(), 10);
  g.Model().Font.SetSize(14);
  EXPECT_EQ(g.Model().ResolveFont(2, 2).Size(), 10);
  EXPECT_EQ(g.Model().ResolveFont(1, 2).Size(), 14);
  cell.SetParentFont(true);
  EXPECT_EQ(g.Model().ResolveFont(2, 2).Size(), 14);
  EXPECT_FALSE(cell.HasRecord());
}

TEST(GridScale, OnlyAnAutoScaledGridFollowsItsForm)
{
  TtsGrid g;
  g.ChangeScale(2, 1);
  EXPECT_EQ(g.HeadingHeight(), 15);
  EXPECT_EQ(g.ColWidth(1), 64);
  g.SetAutoScale(true);
  g.SetRowHeightOf(3, 20);
  g.ChangeScale(3, 2);
  EXPECT_EQ(g.HeadingHeight(), 23);  // 22.5 rounds up
  EXPECT_EQ(g.RowBarWidth(), 21);
  EXPECT_EQ(g.ColWidth(1), 96);
  EXPECT_EQ(g.RowHeightOf(2), 21);
  EXPECT_EQ(g.RowHeightOf(3), 30);
}

}  // namespace
}  // namespace grid
