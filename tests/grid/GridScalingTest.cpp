// Scaling with the form: an auto-scaled grid turns its widths, heights and own fonts by the form's
// scale (MulDiv rounding: halves away from zero); a grid without AutoScale keeps them.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

struct ScaledGrid {
  explicit ScaledGrid(bool autoScale)
  {
    grid.SetCols(3);
    grid.SetRows(4);
    grid.SetDefaultColWidth(64);
    grid.SetDefaultRowHeight(14);
    grid.SetAutoScale(autoScale);
    grid.SetRowHeightOf(2, 20);
    platform::TFont font;
    font.Assign(grid.Model().Font);
    font.SetSize(10);
    grid.Model().Col(2).SetFont(&font);
    grid.CellAt(3, 3).SetFont(font);
  }
  TtsGrid grid;
};

TEST(GridScaling, From96To120DpiWidthsHeightsAndOwnFontsFollow)
{
  ScaledGrid g(true);
  g.grid.ChangeScale(120, 96);
  EXPECT_EQ(g.grid.ColWidth(1), 80);
  EXPECT_EQ(g.grid.DefaultColWidth(), 80);
  EXPECT_EQ(g.grid.DefaultRowHeight(), 18);  // 17.5
  EXPECT_EQ(g.grid.RowHeightOf(1), 18);
  EXPECT_EQ(g.grid.RowHeightOf(2), 25);
  EXPECT_EQ(g.grid.HeadingHeight(), 19);  // 15 * 1.25 = 18.75
  ASSERT_NE(g.grid.Model().Col(2).OwnFont(), nullptr);
  EXPECT_EQ(g.grid.Model().Col(2).OwnFont()->Size(), 13);  // 12.5
  EXPECT_EQ(g.grid.Model().ResolveFont(3, 3).Size(), 13);
  EXPECT_EQ(g.grid.Model().Col(1).OwnFont(), nullptr);  // follows the grid's font
}

TEST(GridScaling, WithoutAutoScaleNothingChanges)
{
  ScaledGrid g(false);
  g.grid.ChangeScale(120, 96);
  EXPECT_EQ(g.grid.ColWidth(1), 64);
  EXPECT_EQ(g.grid.DefaultRowHeight(), 14);
  EXPECT_EQ(g.grid.RowHeightOf(2), 20);
  EXPECT_EQ(g.grid.Model().Col(2).OwnFont()->Size(), 10);
}

TEST(GridScaling, TheOperationsScaleOnlyWhatTheirFlagsName)
{
  ScaledGrid g(false);
  g.grid.ScaleCols(2, 1, TtsBaseGrid::sfFont);
  EXPECT_EQ(g.grid.ColWidth(1), 64);
  EXPECT_EQ(g.grid.Model().Col(2).OwnFont()->Size(), 20);
  g.grid.ScaleRows(2, 1, TtsBaseGrid::sfHeight);
  EXPECT_EQ(g.grid.RowHeightOf(2), 40);
  EXPECT_EQ(g.grid.DefaultRowHeight(), 28);
  g.grid.ScaleCols(3, 3, TtsBaseGrid::sfWidth);  // the same scale: nothing
  EXPECT_EQ(g.grid.ColWidth(1), 64);
}

}  // namespace
}  // namespace grid
