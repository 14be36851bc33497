// Copying a whole grid from another.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include <gtest/gtest.h>

#include <string>

namespace grid {
namespace {

TEST(GridAssign, ACopyTakesCountsOrderAttributesSelectionsAndData)
{
  TtsGrid source;
  source.SetStoreData(true);
  source.SetCols(5);
  source.SetRows(6);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 5; ++c)
      source.SetCell(c, r, std::to_string(c) + "," + std::to_string(r));
  source.SetDisplayColOfData(4, 1);
  source.MoveRowTo(6, 2);
  source.SetRowColor(3, platform::clRed);
  source.SetRowHeightOf(5, 30);
  source.Model().Col(2).SetColor(platform::clBlue);
  source.CellAt(1, 1).SetColor(platform::clGreen);
  source.SetGridLines(glHorzLines);
  source.LineColor = platform::clRed;
  source.SetFixedColCount(1);
  source.SetRowSelected(4, true);
  source.ImageListIds().Add("Tools");

  TtsGrid copy;
  copy.SetRowColor(2, platform::clYellow);  // reset by the copy
  copy.Assign(source);

  EXPECT_EQ(copy.Cols(), 5);
  EXPECT_EQ(copy.Rows(), 6);
  EXPECT_EQ(copy.Cell(3, 4).Text(), "3,4");
  EXPECT_EQ(copy.Cell(5, 6).Text(), "5,6");
  for (int c = 1; c <= 5; ++c)
    EXPECT_EQ(copy.DisplayColOfData(c), source.DisplayColOfData(c)) << c;
  for (int r = 1; r <= 6; ++r)
    EXPECT_EQ(copy.DisplayRowOfData(r), source.DisplayRowOfData(r)) << r;
  EXPECT_EQ(copy.RowColor(3), platform::clRed);
  EXPECT_EQ(copy.RowColor(2), platform::clNone);
  EXPECT_EQ(copy.RowHeightOf(5), 30);
  EXPECT_EQ(copy.Model().Col(2).Color(), platform::clBlue);
  EXPECT_EQ(copy.CellAt(1, 1).Color(), platform::clGreen);
  EXPECT_EQ(copy.GridLines(), glHorzLines);
  EXPECT_EQ(copy.LineColor, platform::clRed);
  EXPECT_EQ(copy.FixedColCount(), 1);
  EXPECT_TRUE(copy.RowSelected(4));
  EXPECT_EQ(copy.ImageListIds().IndexOf("Tools"), 0);

  // The copy is independent of its source.
  source.SetCell(1, 1, "changed");
  EXPECT_EQ(copy.Cell(1, 1).Text(), "1,1");
}

TEST(GridAssign, ACopyWithoutStorageDropsTheStoredValuesAndOntoItselfChangesNothing)
{
  TtsGrid source;
  TtsGrid copy;
  copy.SetStoreData(true);
  copy.SetCell(1, 1, "kept?");
  copy.Assign(source);
  EXPECT_FALSE(copy.StoreData());
  EXPECT_TRUE(copy.Cell(1, 1).IsEmpty());

  source.SetStoreData(true);
  source.SetCell(2, 2, "x");
  source.Assign(source);
  EXPECT_EQ(source.Cell(2, 2).Text(), "x");
}

}  // namespace
}  // namespace grid
