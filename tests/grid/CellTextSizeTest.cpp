// The size of a cell's text: lines and height in the column's width.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include <gtest/gtest.h>

#include "tests/grid/ErrorOf.h"

namespace grid {
namespace {

TEST(CellTextSize, TextWrapsInItsColumnUnlessWrappingIsOff)
{
  TtsGrid g;
  g.SetStoreData(true);
  const int line = g.TextLineHeight();
  ASSERT_GT(line, 0);
  g.Model().Col(1).SetWidth(60);
  g.SetCell(1, 1, "one two three four five six seven eight");
  g.SetCell(1, 2, "short");
  g.SetCell(1, 3, "one two three four five six seven eight");
  g.CellAt(1, 3).SetWordWrap(wwOff);
  g.SetCell(1, 4, "1");
  g.CellAt(1, 4).SetControlType(ctCheck);

  struct Case {
    int row;
    bool several;
    int lines;  // when not several
  } cases[] = {{1, true, 0}, {2, false, 1}, {3, false, 1}, {4, false, 0}};
  for (const Case& c : cases) {
    const auto size = g.MeasureCellText(1, c.row);
    if (c.several) {
      EXPECT_GT(size.Lines, 2) << c.row;
    } else {
      EXPECT_EQ(size.Lines, c.lines) << c.row;
    }
    EXPECT_EQ(size.Height, size.Lines == 0 ? 0 : size.Lines * line + 1) << c.row;
  }
  EXPECT_EQ(g.CellTextLines(1, 1), g.MeasureCellText(1, 1).Lines);

  g.Model().Col(1).SetWidth(2000);  // the same text fits on one line
  EXPECT_EQ(g.CellTextLines(1, 1), 1);

  EXPECT_EQ(ErrorOf([&] { g.MeasureCellText(0, 1); }), "tsGrid1: Column index 0 out of range");
  EXPECT_EQ(ErrorOf([&] { g.MeasureCellText(1, 5); }), "tsGrid1: Row index 5 out of range");
}

}  // namespace
}  // namespace grid
