// The grid component without pixels: creation, cell values and their events, counts, deleting
// columns and rows, layout settings and cell attributes through the grid.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "platform/ModalRun.h"
#include "tests/grid/ErrorOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace grid {
namespace {

using platform::ModalScript;

ModalScript::Reporter FailTest()
{
  return [](const QString& message) { ADD_FAILURE() << message.toStdString(); };
}

struct StoringGrid {
  StoringGrid()
  {
    grid.resize(400, 300);
    grid.SetStoreData(true);
  }
  // Fills column c, row r with "c,r".
  void Fill()
  {
    for (int r = 1; r <= grid.Rows(); ++r)
      for (int c = 1; c <= grid.Cols(); ++c)
        grid.SetCell(c, r, std::to_string(c) + "," + std::to_string(r));
  }
  std::string Text(int c, int r) { return grid.Cell(c, r).AsString(); }
  TtsGrid grid;
  std::vector<std::string> events;
};

TEST(GridComponent, ANewGridHasItsDefaults)
{
  TtsGrid g;
  EXPECT_EQ(g.Cols(), 4);
  EXPECT_EQ(g.Rows(), 4);
  EXPECT_EQ(g.GridCols(), 5);
  EXPECT_EQ(g.GridRows(), 5);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.CurrentDataCol(), 1);
  EXPECT_EQ(g.CurrentDataRow(), 1);
  EXPECT_FALSE(g.StoreData());
  EXPECT_EQ(g.DefaultRowHeight(), 14);
  EXPECT_EQ(g.DefaultColWidth(), 64);
  EXPECT_EQ(g.RowBarWidth(), 14);
  EXPECT_EQ(g.HeadingHeight(), 15);
  EXPECT_EQ(g.ColWidth(0), 14);
  EXPECT_EQ(g.RowHeight(0), 15);
  EXPECT_EQ(g.GridMode(), gmEdit);
  EXPECT_EQ(std::string(TtsGrid::Version()), "2.01");
  EXPECT_TRUE(g.Cell(1, 1).IsEmpty());
  g.SetCell(1, 1, "written");
  EXPECT_TRUE(g.Cell(1, 1).IsEmpty());  // nothing kept without StoreData or OnCellLoaded
}

TEST(GridComponent, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
  StoringGrid f;
  const std::pair<int, int> outside[] = {{0, 1}, {5, 1}, {1, 0}, {1, 5}, {-1, -1}};
  for (const auto& [c, r] : outside) {
    f.grid.SetCell(c, r, "x");
    EXPECT_TRUE(f.grid.Cell(c, r).IsEmpty()) << c << "," << r;
  }
  EXPECT_EQ(f.grid.Store()->LastRow(), 0);
}

TEST(GridComponent, StoredValuesTakeTheFormOfTheirControlType)
{
  StoringGrid f;
  f.grid.CellAt(2, 1).SetControlType(ctCheck);
  struct Case {
    int col;
    TtsCellValue written;
    TtsCellValue read;
  } cases[] = {
      {1, 42, "42"},
      {1, 1.5, "1.5"},
      {1, "text", "text"},
      {2, "yes", "yes"},
      {2, TtsCellValue::Null(), TtsCellValue::Null()},
      {2, 1, 1},
  };
  for (const Case& c : cases) {
    f.grid.SetCell(c.col, 1, c.written);
    EXPECT_EQ(f.grid.Cell(c.col, 1), c.read) << c.read.AsString();
  }
  f.grid.SetCell(1, 1, TtsCellValue());
  EXPECT_TRUE(f.grid.Cell(1, 1).IsEmpty());
  EXPECT_EQ(f.grid.Store()->GetKind(1, 1), skEmpty);
  f.grid.SetCell(3, 3, "kept?");
  f.grid.SetStoreData(false);
  f.grid.SetStoreData(true);
  EXPECT_TRUE(f.grid.Cell(3, 3).IsEmpty());
}

TEST(GridComponent, NullIntoAStoredTextCellIsRefusedAndTheTextStays)
{
  StoringGrid f;
  f.grid.SetCell(1, 1, "abc");
  EXPECT_EQ(ErrorOf([&] { f.grid.SetCell(1, 1, TtsCellValue::Null()); }),
            "tsGrid1: Invalid cell value. A text column requires a value of type string");
  EXPECT_EQ(f.Text(1, 1), "abc");
}

TEST(GridComponent, OnCellLoadedSuppliesAndChecksValues)
{
  TtsGrid g;
  std::vector<int> loadedRows;
  g.OnRowLoaded = [&](TtsBaseGrid&, int row) { loadedRows.push_back(row); };
  TtsCellValue supplied = "from handler";
  g.OnCellLoaded = [&](TtsBaseGrid&, int, int, TtsCellValue& value) { value = supplied; };
  EXPECT_EQ(g.Cell(1, 1), TtsCellValue("from handler"));
  EXPECT_EQ(g.Cell(2, 1), TtsCellValue("from handler"));
  EXPECT_EQ(g.Cell(2, 3), TtsCellValue("from handler"));
  EXPECT_EQ(loadedRows, (std::vector<int>{1, 3}));
  g.ForgetLoadedRow();  // a paint starts
  g.Cell(1, 3);
  EXPECT_EQ(loadedRows, (std::vector<int>{1, 3, 3}));

  supplied = 7;
  EXPECT_EQ(ErrorOf([&] { g.Cell(1, 1); }), "tsGrid1: Invalid cell value. A text column requires a value of type string");
  g.CellAt(1, 1).SetControlType(ctCheck);
  supplied = 2.5;
  EXPECT_EQ(ErrorOf([&] { g.Cell(1, 1); }),
            "tsGrid1: Invalid cell value. A checkbox column requires a value of type TCheckBoxState or string");
  g.CellAt(1, 1).SetControlType(ctPicture);
  supplied = TtsCellValue::Null();
  EXPECT_EQ(ErrorOf([&] { g.Cell(1, 1); }),
            "tsGrid1: Invalid cell value. A picture column requires a value of type TBitmap or string");
  g.CellAt(1, 1).SetControlType(ctNone);
  EXPECT_TRUE(g.Cell(1, 1).IsEmpty());
}

TEST(GridComponent, ReadingACellInsideOnCellLoadedRaises)
{
  TtsGrid g;
  std::string inner;
  g.OnCellLoaded = [&](TtsBaseGrid& sender, int, int, TtsCellValue&) { inner = ErrorOf([&] { sender.Cell(2, 2); }); };
  g.Cell(1, 1);
  EXPECT_EQ(inner, "tsGrid1: Cannot get Cell property value while in OnCellLoaded event");
  inner.clear();
  g.OnCellLoaded = nullptr;
  g.Cell(1, 1);  // the flag is gone once the handler is done
  EXPECT_TRUE(inner.empty());
}

TEST(GridComponent, AHandlerExceptionIsShownAndTheGridGoesOn)
{
  StoringGrid f;
  f.grid.SetCell(1, 1, "kept");
  f.grid.OnCellLoaded = [](TtsBaseGrid& sender, int, int, TtsCellValue&) { sender.Cell(2, 2); };
  {
    ModalScript script(FailTest());
    script.ExpectMessage("tsGrid1: Cannot get Cell property value while in OnCellLoaded event", platform::mrOk);
    EXPECT_EQ(f.Text(1, 1), "kept");
    EXPECT_EQ(script.StepsLeft(), 0);
  }
  f.grid.OnCellLoaded = nullptr;
  EXPECT_EQ(f.Text(1, 1), "kept");

  f.grid.OnDeleteRow = [](TtsBaseGrid&, int row, bool) {
    if (row == 3)
      throw std::runtime_error("handler failed");
  };
  ModalScript script(FailTest());
  script.ExpectMessage("handler failed", platform::mrOk);
  f.grid.DeleteRows(2, 4);
  EXPECT_EQ(f.grid.Rows(), 1);
  EXPECT_EQ(f.grid.GridRows(), 2);
  EXPECT_EQ(f.Text(1, 1), "kept");
}

TEST(GridComponent, GetColumnByIndexOrFieldName)
{
  TtsGrid g;
  g.Model().Col(2).SetFieldName("Price");
  EXPECT_EQ(g.GetColumn(2), &g.Model().Col(2));
  EXPECT_EQ(g.GetColumn("price"), &g.Model().Col(2));
  EXPECT_EQ(g.GetColumn(TtsCellValue::Null()), nullptr);
  EXPECT_EQ(ErrorOf([&] { g.GetColumn(0); }), "tsGrid1: Column index 0 out of range");
  EXPECT_EQ(ErrorOf([&] { g.GetColumn(5); }), "tsGrid1: Column index 5 out of range");
  EXPECT_EQ(ErrorOf([&] { g.GetColumn("Weight"); }), "tsGrid1: Unknown field name 'Weight'");
}

TEST(GridComponent, AControlTypeChangeDropsValuesThatDoNotSuit)
{
  StoringGrid f;
  f.grid.SetCell(1, 1, "text");
  f.grid.CellAt(2, 1).SetControlType(ctCheck);
  f.grid.SetCell(2, 1, 1);
  f.grid.CellAt(1, 1).SetControlType(ctCheck);  // text suits a check box
  EXPECT_EQ(f.Text(1, 1), "text");
  f.grid.CellAt(1, 1).SetControlType(ctPicture);
  EXPECT_TRUE(f.grid.Cell(1, 1).IsEmpty());
  f.grid.CellAt(2, 1).SetControlType(ctCheck);  // unchanged: the state stays
  EXPECT_EQ(f.grid.Cell(2, 1), TtsCellValue(1));
  f.grid.CellAt(2, 1).SetControlType(ctText);
  EXPECT_TRUE(f.grid.Cell(2, 1).IsEmpty());
}

TEST(GridComponent, CellAttributesCheckTheirIndexesOnWrite)
{
  TtsGrid g;
  EXPECT_EQ(ErrorOf([&] { g.CellAt(1, 0).SetColor(platform::clRed); }), "tsGrid1: Row index 0 out of range");
  EXPECT_EQ(ErrorOf([&] { g.CellAt(9, 1).SetColor(platform::clRed); }), "tsGrid1: Column index 9 out of range");
  EXPECT_EQ(g.CellAt(1, 0).Color(), platform::clNone);
  g.CellAt(2, 2).SetColor(platform::clRed);
  EXPECT_TRUE(g.CellAt(2, 2).HasRecord());
  g.CellAt(2, 2).SetColor(platform::clNone);
  EXPECT_FALSE(g.CellAt(2, 2).HasRecord());
  g.CellAt(2, 2).SetHorzAlignment(htaCenter);
  EXPECT_EQ(g.CellAt(2, 2).Alignment(), TAlignment(2));
  EXPECT_TRUE(g.CellAt(2, 2).Align());
}

TEST(GridComponent, CountsFollowTheirRules)
{
  StoringGrid f;
  std::vector<std::string>& events = f.events;
  f.grid.OnColCountChanged = [&](TtsBaseGrid&, int o, int n) { events.push_back("cols " + std::to_string(o) + ">" + std::to_string(n)); };
  f.grid.OnRowCountChanged = [&](TtsBaseGrid&, int o, int n) { events.push_back("rows " + std::to_string(o) + ">" + std::to_string(n)); };
  f.Fill();
  f.grid.SetRows(f.grid.Rows());
  EXPECT_TRUE(events.empty());
  f.grid.SetRows(6);
  EXPECT_EQ(f.Text(4, 4), "4,4");
  EXPECT_TRUE(f.grid.Cell(1, 6).IsEmpty());
  f.grid.SetCols(2);
  EXPECT_EQ(f.Text(2, 4), "2,4");
  f.grid.SetCols(4);
  EXPECT_TRUE(f.grid.Cell(3, 1).IsEmpty());  // cut values don't come back
  f.grid.SetCols(-3);
  EXPECT_EQ(f.grid.Cols(), 0);
  EXPECT_EQ(f.grid.GridCols(), 1);
  EXPECT_EQ(f.grid.FixedCols(), 0);
  EXPECT_EQ(f.grid.CurrentDataCol(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"rows 4>6", "cols 4>2", "cols 2>4", "cols 4>0"}));
  f.grid.SetCols(3);
  EXPECT_EQ(f.grid.FixedCols(), 1);
  EXPECT_EQ(f.grid.CurrentDataCol(), 1);
}

TEST(GridComponent, ShrinkingPastTheCurrentCellMovesIt)
{
  StoringGrid f;
  f.grid.SetCurrentDataRow(4);
  f.grid.SetCurrentDataCol(3);
  std::vector<std::string> moves;
  f.grid.OnCellChanged = [&](TtsBaseGrid&, int oc, int nc, int orow, int nr) {
    moves.push_back(std::to_string(oc) + "," + std::to_string(orow) + ">" + std::to_string(nc) + "," + std::to_string(nr));
  };
  f.grid.SetRows(2);
  f.grid.SetCols(1);
  EXPECT_EQ(moves, (std::vector<std::string>{"3,4>3,2", "3,2>1,2"}));
}

TEST(GridComponent, DeletingRowsFiresLastToFirst)
{
  StoringGrid f;
  f.Fill();
  std::vector<std::string> seen;
  f.grid.OnDeleteRow = [&](TtsBaseGrid& g, int row, bool byUser) {
    seen.push_back(std::to_string(row) + " rows " + std::to_string(g.Rows()) + (byUser ? " user" : ""));
  };
  f.grid.DeleteRows(1, f.grid.Rows());
  EXPECT_EQ(seen, (std::vector<std::string>{"4 rows 3", "3 rows 2", "2 rows 1", "1 rows 0"}));
  EXPECT_EQ(f.grid.Rows(), 0);
  EXPECT_EQ(f.grid.Store()->LastRow(), 0);
  EXPECT_EQ(f.grid.CurrentDataRow(), 0);
  f.grid.SetRows(2);
  EXPECT_TRUE(f.grid.Cell(1, 1).IsEmpty());
  EXPECT_EQ(f.grid.CurrentDataRow(), 1);
}

TEST(GridComponent, DeletingClipsItsRangeAndKeepsTheRestInPlace)
{
  struct Case {
    int from, to;
    std::vector<std::string> firstRow;  // the texts of row 1 afterwards
  } cases[] = {
      {3, 1, {"1,1", "2,1", "3,1", "4,1"}},
      {0, 2, {"3,1", "4,1"}},
      {3, 9, {"1,1", "2,1"}},
      {2, 3, {"1,1", "4,1"}},
      {5, 9, {"1,1", "2,1", "3,1", "4,1"}},
  };
  for (const Case& c : cases) {
    StoringGrid f;
    f.Fill();
    f.grid.DeleteCols(c.from, c.to);
    std::vector<std::string> row;
    for (int col = 1; col <= f.grid.Cols(); ++col)
      row.push_back(f.Text(col, 1));
    EXPECT_EQ(row, c.firstRow) << c.from << ".." << c.to;
    EXPECT_EQ(f.grid.GridCols(), f.grid.Cols() + 1);
  }
}

TEST(GridComponent, DeletedColumnsTakeTheirAttributesAlong)
{
  StoringGrid f;
  f.grid.CellAt(1, 2).SetColor(platform::clRed);
  f.grid.CellAt(3, 2).SetColor(platform::clBlue);
  f.grid.Model().Col(3).SetFieldName("Third");
  f.grid.SetCurrentDataCol(4);
  f.grid.DeleteCols(1, 1);
  EXPECT_EQ(f.grid.CellAt(2, 2).Color(), platform::clBlue);
  EXPECT_FALSE(f.grid.CellAt(3, 2).HasRecord());
  EXPECT_FALSE(f.grid.CellAt(1, 2).HasRecord());
  EXPECT_EQ(f.grid.GetColumn("Third"), f.grid.GetColumn(2));
  EXPECT_EQ(f.grid.CurrentDataCol(), 3);  // the same data cell, one further left
  f.grid.DeleteRows(1, 1);
  EXPECT_EQ(f.grid.CellAt(2, 1).Color(), platform::clBlue);
  EXPECT_FALSE(f.grid.CellAt(2, 2).HasRecord());
}

TEST(GridComponent, DeletingMovedColumnsKeepsTheDisplayOrder)
{
  StoringGrid f;
  f.Fill();
  f.grid.Model().MoveColumn(4, 1);  // display order 4,1,2,3
  f.grid.DeleteCols(2, 2);
  EXPECT_EQ(f.grid.Cols(), 3);
  std::vector<std::string> shown;
  for (int display = 1; display <= 3; ++display)
    shown.push_back(f.Text(f.grid.Model().DataColOf(display), 1));
  EXPECT_EQ(shown, (std::vector<std::string>{"4,1", "1,1", "3,1"}));
}

TEST(GridComponent, EditModeNamesReadAsGridModes)
{
  const std::pair<const char*, TtsGridMode> cases[] = {
      {"EmBrowse", gmBrowse}, {"emnone", gmListBox}, {"EMEDITINSERT", gmEditInsert}, {"emEdit", gmEdit}, {"other", gmEdit}};
  for (const auto& [name, mode] : cases)
    EXPECT_EQ(GridModeOfEditMode(name), mode) << name;
  TtsGrid g;
  g.SetEditMode(7);
  EXPECT_EQ(g.GridMode(), gmEdit);
  g.SetEditMode(3);
  EXPECT_EQ(g.GridMode(), gmBrowse);
}

TEST(GridComponent, TheInsertRowComesAndGoesWithItsMode)
{
  StoringGrid f;
  f.grid.SetGridMode(gmEditInsert);
  EXPECT_EQ(f.grid.Rows(), 4);
  EXPECT_EQ(f.grid.GridRows(), 6);
  f.grid.SetRows(2);
  EXPECT_EQ(f.grid.GridRows(), 4);
  f.grid.DeleteRows(1, 2);
  EXPECT_EQ(f.grid.Rows(), 0);
  EXPECT_EQ(f.grid.GridRows(), 2);
  f.grid.SetGridMode(gmEdit);
  EXPECT_EQ(f.grid.GridRows(), 1);
}

TEST(GridComponent, LayoutSettingsShapeTheFixedPart)
{
  TtsGrid g;
  g.SetFixedColCount(10);
  EXPECT_EQ(g.FixedCols(), 4);
  EXPECT_EQ(g.FrozenColCount(), 3);
  g.SetFixedColCount(-1);
  EXPECT_EQ(g.FixedColCount(), 10);
  g.SetFixedColCount(1);
  EXPECT_EQ(g.FixedCols(), 2);
  EXPECT_EQ(g.FixedWidth(), 14 + 64);
  g.SetRowBarOn(false);
  EXPECT_EQ(g.ColWidth(0), 0);
  EXPECT_EQ(g.FixedWidth(), 64);
  g.SetRowBarOn(true);
  g.SetHeadingOn(false);
  EXPECT_EQ(g.RowHeight(0), 0);
  EXPECT_FALSE(g.HeadingOn());
  g.SetHeadingOn(true);
  g.SetHeadingHeight(20);
  EXPECT_EQ(g.RowHeight(0), 20);
  g.SetDefaultRowHeight(18);
  EXPECT_EQ(g.RowHeight(0), 20);
  EXPECT_EQ(g.RowHeight(2), 18);
  g.SetDefaultColWidth(50);
  EXPECT_EQ(g.ColWidth(0), 14);
  EXPECT_EQ(g.ColWidth(2), 50);
  EXPECT_EQ(ErrorOf([&] { g.SetCheckBoxValues("a|b|c|d"); }),
            "tsGrid1: Invalid CheckBoxValues. CheckBoxValues have the format 'Checked|Unchecked|Grayed'. The Grayed "
            "value is optional");
  g.SetCheckBoxValues("Yes|No");
  EXPECT_EQ(g.CheckBoxValues(), "Yes|No");
  g.SetGridLines(glVertLines);
  EXPECT_EQ(g.VertLineWidth(), 1);
  EXPECT_EQ(g.HorzLineWidth(), 0);
}

TEST(GridComponent, ChangeEventsAreSilentWhileLoading)
{
  TtsGrid g;
  int fired = 0;
  g.OnRowCountChanged = [&](TtsBaseGrid&, int, int) { ++fired; };
  g.OnDeleteRow = [&](TtsBaseGrid&, int, bool) { ++fired; };
  g.OnRowChanged = [&](TtsBaseGrid&, int, int) { ++fired; };
  g.SetLoading(true);
  g.SetRows(9);
  g.SetCurrentDataRow(5);
  g.DeleteRows(1, 2);
  g.SetLoading(false);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(g.CurrentDataRow(), 3);
  g.SetRows(2);
  EXPECT_EQ(fired, 2);  // count and current row
}

}  // namespace
}  // namespace grid
