// Copying a grid by parts, copying only its data, and resetting column, row and cell properties.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

TtsCellValue Text(const std::string& text) { return TtsCellValue(text); }

// Three columns, five rows, values everywhere, one change of each part.
void Fill(TtsBaseGrid& grid)
{
  grid.SetStoreData(true);
  grid.SetCols(3);
  grid.SetRows(5);
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 3; ++c)
      grid.SetCell(c, r, Text(std::to_string(c) + "," + std::to_string(r)));
  grid.SetGridLines(glVertLines);
  grid.Model().Col(2).SetColor(platform::clBlue);
  grid.SetDisplayColOfData(3, 1);
  grid.SetRowColor(4, platform::clRed);
  grid.MoveRowTo(5, 1);
  grid.CellAt(1, 2).SetColor(platform::clGreen);
}

TEST(GridParts, EachKindCopiesItsOwnPartOnly)
{
  TtsGrid source;
  Fill(source);
  struct Case {
    TtsPropKinds Kinds;
    bool Settings;
    bool Cols;
    bool Rows;
    bool Cells;
  };
  const Case cases[] = {
      {PropKindBit(pkGrid), true, false, false, false},
      {PropKindBit(pkCols), false, true, false, false},
      {PropKindBit(pkRows), false, false, true, false},
      {PropKindBit(pkCells), false, false, false, true},
      {kAllPropKinds, true, true, true, true},
  };
  for (const Case& test : cases) {
    TtsGrid copy;
    copy.AssignGridParts(source, test.Kinds, false);
    const int kinds = test.Kinds;
    EXPECT_EQ(copy.GridLines() == glVertLines, test.Settings) << kinds;
    EXPECT_EQ(copy.Cols() == 3, test.Cols) << kinds;
    EXPECT_EQ(copy.Model().ColAt(2) && copy.Model().Col(2).Color() == platform::clBlue, test.Cols) << kinds;
    EXPECT_EQ(copy.DisplayColOfData(3) == 1, test.Cols) << kinds;
    EXPECT_EQ(copy.Rows() == 5, test.Rows || test.Cells) << kinds;  // cells grow the grid to hold them
    EXPECT_EQ(copy.Rows() >= 4 && copy.RowColor(4) == platform::clRed, test.Rows) << kinds;
    EXPECT_EQ(copy.CellAt(1, 2).Color() == platform::clGreen, test.Cells) << kinds;
    EXPECT_FALSE(copy.StoreData()) << kinds;  // no data asked for
  }
}

TEST(GridParts, WithoutDataStoredValuesThatNoLongerSuitTheirCellsAreDropped)
{
  TtsGrid source;
  source.Model().Col(2).SetControlType(ctCheck);
  TtsGrid copy;
  copy.SetStoreData(true);
  copy.SetCell(1, 1, Text("kept"));
  copy.SetCell(2, 1, Text("text in a future check cell"));
  copy.SetCell(2, 2, TtsCellValue(std::int32_t(1)));
  copy.AssignGridParts(source, PropKindBit(pkCols), false);
  EXPECT_TRUE(copy.StoreData());
  EXPECT_EQ(copy.Cell(1, 1).Text(), "kept");
  EXPECT_EQ(copy.Store()->GetKind(2, 1), 1);  // a check cell keeps texts (its value texts)
  EXPECT_EQ(copy.Store()->GetKind(2, 2), 1);

  TtsGrid pictures;
  pictures.Model().Col(1).SetControlType(ctPicture);
  copy.AssignGridParts(pictures, PropKindBit(pkCols), false);
  EXPECT_EQ(copy.Store()->GetKind(1, 1), 0);  // a text is no picture
}

TEST(GridParts, SelectionsAndRowChangedMarksFollowTheirKinds)
{
  TtsGrid source;
  source.SetRowSelected(2, true);
  source.SetRowChangedMark(3, true);
  TtsGrid copy;
  copy.AssignGridParts(source, PropKindBit(pkCols), false);
  EXPECT_FALSE(copy.RowSelected(2));
  EXPECT_FALSE(copy.RowChangedMark(3));
  copy.AssignGridParts(source, PropKindBit(pkRows), false);
  EXPECT_TRUE(copy.RowSelected(2));
  EXPECT_TRUE(copy.RowChangedMark(3));
}

TEST(GridParts, ACopyThatMovesTheCurrentCellReportsIt)
{
  TtsGrid source;
  source.SetCols(2);
  source.SetRows(2);
  TtsGrid copy;
  copy.SetCurrentDataCol(4);
  copy.SetCurrentDataRow(4);
  std::vector<std::string> events;
  copy.OnColChanged = [&](TtsBaseGrid&, int from, int to) {
    events.push_back("col " + std::to_string(from) + ">" + std::to_string(to));
  };
  copy.OnRowChanged = [&](TtsBaseGrid&, int from, int to) {
    events.push_back("row " + std::to_string(from) + ">" + std::to_string(to));
  };
  copy.Assign(source);
  EXPECT_EQ(copy.CurrentDataCol(), 2);
  EXPECT_EQ(copy.CurrentDataRow(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"col 4>2", "row 4>2"}));
}

TEST(GridParts, CopyGridTakesOnlyTheValuesThatFit)
{
  TtsGrid source;
  Fill(source);
  source.ImageListIds().Add("Tools");
  TtsGrid copy;
  copy.SetCols(2);
  copy.SetRows(3);
  copy.CopyGrid(source);
  EXPECT_EQ(copy.Cols(), 2);
  EXPECT_EQ(copy.Rows(), 3);
  EXPECT_EQ(copy.GridLines(), glBoth);
  EXPECT_EQ(copy.Model().Col(2).Color(), platform::clNone);
  EXPECT_TRUE(copy.StoreData());
  EXPECT_EQ(copy.Cell(2, 3).Text(), "2,3");
  EXPECT_EQ(copy.ImageListIds().IndexOf("Tools"), 0);
  EXPECT_EQ(copy.Store()->GetKind(3, 1), 0);
  EXPECT_EQ(copy.Store()->GetKind(1, 4), 0);
  // Grown again, the grid shows nothing of the source beyond its old counts.
  copy.SetCols(3);
  copy.SetRows(5);
  EXPECT_TRUE(copy.Cell(3, 1).IsEmpty());
  EXPECT_TRUE(copy.Cell(1, 5).IsEmpty());
}

TEST(GridParts, ACopyOfAGridBeingDesignedTakesItsDisplayOrderAsDataOrder)
{
  TtsGrid source;
  Fill(source);  // data column 3 shown first, data row 5 shown first
  source.Model().Designing = true;
  TtsGrid copy;
  copy.Assign(source);
  EXPECT_TRUE(copy.Designing());
  for (int c = 1; c <= 3; ++c)
    EXPECT_EQ(copy.DisplayColOfData(c), c);
  EXPECT_EQ(copy.Cell(1, 1).Text(), "3,5");
  EXPECT_EQ(copy.Cell(2, 1).Text(), "1,5");
  EXPECT_EQ(copy.Cell(3, 2).Text(), "2,1");
  EXPECT_EQ(copy.Model().Col(3).Color(), platform::clBlue);  // data column 2 was shown third
  EXPECT_EQ(copy.RowColor(5), platform::clRed);
  EXPECT_EQ(copy.CellAt(2, 3).Color(), platform::clGreen);  // source cell (1, 2) sat at display (2, 3)
}

TEST(GridReset, ColumnPropertiesByMask)
{
  TtsGrid grid;
  grid.Model().Col(1).SetColor(platform::clRed);
  grid.Model().Col(1).SetReadOnly(true);
  grid.Model().Col(2).SetWidth(90);
  grid.SetDisplayColOfData(4, 1);
  grid.ResetColProperties(0);
  EXPECT_EQ(grid.Model().Col(1).Color(), platform::clRed);

  grid.ResetColProperties(PropBit(piColor) | PropBit(piDisplayPos));
  EXPECT_EQ(grid.Model().Col(1).Color(), platform::clNone);
  EXPECT_TRUE(grid.Model().Col(1).ReadOnly());
  EXPECT_EQ(grid.DisplayColOfData(4), 4);
  EXPECT_EQ(grid.Model().Col(2).Width(), 90);  // not in the mask

  grid.SetDefaultColWidth(50);
  grid.ResizeCols = rcAll;
  grid.SetRowBarWidth(20);
  grid.ResetColProperties(PropBit(piColWidth));
  for (int c = 1; c <= 4; ++c)
    EXPECT_EQ(grid.Model().Col(c).Width(), 50) << c;
  EXPECT_EQ(grid.RowBarWidth(), 20);
}

TEST(GridReset, RowPropertiesByMask)
{
  TtsGrid grid;
  grid.SetRows(6);
  grid.SetRowHeightOf(2, 30);
  grid.SetRowColor(3, platform::clRed);
  grid.MoveRowTo(6, 1);
  grid.SetRowSelected(4, true);
  grid.SetHeadingHeight(20);

  grid.ResetRowProperties(PropBit(piSelected) | PropBit(piDisplayPos));
  EXPECT_FALSE(grid.RowSelected(4));
  EXPECT_EQ(grid.DisplayRowOfData(6), 6);
  EXPECT_EQ(grid.RowColor(3), platform::clRed);

  ASSERT_EQ(grid.ResizeRows, rrAll);
  grid.ResetRowProperties(PropBit(piRowHeight));
  for (int r = 1; r <= 6; ++r)
    EXPECT_EQ(grid.RowHeightOf(r), 14) << r;  // DefaultRowHeight never set
  EXPECT_EQ(grid.HeadingHeight(), 20);
  EXPECT_EQ(grid.RowColor(3), platform::clRed);
  grid.ResetRowProperties(PropBit(piColor));
  EXPECT_EQ(grid.Model().GridRows().At(3), nullptr);  // back at its defaults, the row object goes
}

TEST(GridReset, CellPropertiesAndOneCell)
{
  TtsGrid grid;
  grid.SetName("Units");
  grid.CellAt(1, 1).SetColor(platform::clRed);
  grid.CellAt(1, 1).SetIs3D(true);
  grid.CellAt(2, 2).SetColor(platform::clBlue);
  grid.Model().SelectedRange = {1, 1, 2, 2};
  grid.ResetCellProperties(PropBit(piColor));
  EXPECT_EQ(grid.CellAt(1, 1).Color(), platform::clNone);
  EXPECT_TRUE(grid.CellAt(1, 1).Is3D());
  EXPECT_FALSE(grid.CellAt(2, 2).HasRecord());
  EXPECT_TRUE(grid.Model().HasCellRange());
  grid.ResetCellProperties(PropBit(piSelected));
  EXPECT_FALSE(grid.Model().HasCellRange());

  grid.ResetCellProperty(1, 1);
  EXPECT_FALSE(grid.CellAt(1, 1).HasRecord());
  EXPECT_EQ(ErrorOf([&] { grid.ResetCellProperty(5, 1); }), "Units: Column index 5 out of range");
  EXPECT_EQ(ErrorOf([&] { grid.ResetCellProperty(1, 0); }), "Units: Row index 0 out of range");
}

TEST(GridReset, TheWholeGridGoesBackToANewGrids)
{
  TtsGrid grid;
  Fill(grid);
  grid.SetName("Kept");
  grid.ResetGridProperties();
  TtsGrid fresh;
  TtsByteWriter a;
  TtsByteWriter b;
  grid.SaveGridToStream(a, true);
  fresh.SaveGridToStream(b, true);
  EXPECT_EQ(a.Bytes(), b.Bytes());
  EXPECT_FALSE(grid.StoreData());
  EXPECT_EQ(grid.Name(), "Kept");
}

}  // namespace
}  // namespace grid
