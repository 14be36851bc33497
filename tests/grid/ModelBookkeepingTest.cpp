// What the model asks of the window around hiding, moving and retyping columns and rows, the
// selected cell range when its edge is hidden, and the remembered cell element.
#include "GridFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace grid {
namespace {

bool Repainted(const GridFixture& f)
{
  return std::find(f.services.log.begin(), f.services.log.end(), "grid") != f.services.log.end();
}

TEST(ModelBookkeeping, HidingAndShowingAColumnRecomputeTheScrollRange)
{
  struct Case {
    int firstScrolled;
    int column;
    std::vector<std::string> hide;
  };
  for (const Case& c : {Case{1, 3, {"range held", "fire", "status"}}, Case{4, 3, {"fire", "status"}},
                        Case{3, 3, {"range held", "fire", "status"}}}) {
    GridFixture f;
    f.services.firstScrolled = c.firstScrolled;
    f.grid.Col(c.column).SetVisible(false);
    EXPECT_EQ(f.services.calls, c.hide) << c.firstScrolled;
    f.services.calls.clear();
    f.grid.Col(c.column).SetVisible(true);
    EXPECT_EQ(f.services.calls, (std::vector<std::string>{"range", "fire", "status"}));
  }
}

TEST(ModelBookkeeping, HidingASelectedColumnOrRowDeselectsItAndMarksTheChange)
{
  GridFixture f;
  f.grid.ColSelection().Set(2, true);
  f.grid.Col(2).SetVisible(false);
  EXPECT_FALSE(f.grid.ColSelection().Selected(2));
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"selection 1", "range held", "fire", "status"}));

  f.services.calls.clear();
  f.grid.RowSelection().Set(4, true);
  f.grid.ChangeRow(4, [](TtsRow& row) { row.SetVisible(false); });
  EXPECT_FALSE(f.grid.RowSelection().Selected(4));
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"selection 0", "range held", "follow", "fire", "status"}));
}

TEST(ModelBookkeeping, AShownColumnTakesTheCurrentCellWhenNoneHasIt)
{
  GridFixture f(1, 3);
  f.grid.Col(1).SetVisible(false);
  EXPECT_EQ(f.grid.CurrentDisplayCol(), 0);
  f.grid.Col(1).SetVisible(true);
  EXPECT_EQ(f.grid.CurrentDisplayCol(), 1);
}

TEST(ModelBookkeeping, TheCellRangeNarrowsPastHiddenEdges)
{
  struct Case {
    TtsRange range;
    std::vector<int> hidden;  // display columns hidden before, in order; the last one is the edge
    TtsRange narrowed;
  };
  const Case cases[] = {
      {{2, 1, 4, 3}, {2}, {3, 1, 4, 3}},          // left edge moves right
      {{2, 1, 4, 3}, {3, 4}, {2, 1, 2, 3}},       // right edge passes 4 and the hidden 3
      {{2, 1, 4, 3}, {3}, {2, 1, 4, 3}},          // inside: the range stays
      {{2, 1, 2, 3}, {2}, kNoCellRange},          // nothing left: cleared
      {{1, 1, 5, 3}, {5, 4, 1}, {2, 1, 3, 3}},    // each hide narrows its own edge
  };
  for (const Case& c : cases) {
    GridFixture f;
    f.grid.SelectedRange = c.range;
    for (int col : c.hidden)
      f.grid.Col(f.grid.DataColOf(col)).SetVisible(false);
    EXPECT_EQ(f.grid.SelectedRange, c.narrowed) << c.range.Left << "," << c.range.Right;
  }

  GridFixture rows;
  rows.grid.SelectedRange = {1, 2, 3, 4};
  rows.grid.ChangeRow(4, [](TtsRow& row) { row.SetVisible(false); });
  EXPECT_EQ(rows.grid.SelectedRange, (TtsRange{1, 2, 3, 3}));
  EXPECT_EQ(rows.services.calls.front(), "range held");
  EXPECT_NE(std::find(rows.services.calls.begin(), rows.services.calls.end(), "selection 2"), rows.services.calls.end());
}

TEST(ModelBookkeeping, AMoveRepaintsOnlyWhenItTouchesTheScreen)
{
  struct Case {
    int from;
    int to;
    int lastOnScreen;
    bool repainted;
  };
  for (const Case& c : {Case{5, 4, 3, false}, Case{5, 3, 3, true}, Case{2, 5, 3, true}, Case{5, 2, 1, false}}) {
    GridFixture f;
    f.services.lastColOnScreen = c.lastOnScreen;
    f.grid.Col(c.from).SetDisplayCol(c.to);
    EXPECT_EQ(Repainted(f), c.repainted) << c.from << " to " << c.to;
    EXPECT_EQ(f.services.calls, (std::vector<std::string>{"top-left"}));

    GridFixture r;
    r.services.lastRowOnScreen = c.lastOnScreen;
    r.grid.MoveRow(c.from, c.to);
    EXPECT_EQ(Repainted(r), c.repainted) << c.from << " to " << c.to;
    EXPECT_EQ(r.services.calls, (std::vector<std::string>{"top-left"}));
  }
}

TEST(ModelBookkeeping, AControlTypeChangeRechecksTheStoredValuesOfItsColumnOrRow)
{
  GridFixture f;
  f.grid.Col(3).SetControlType(ctCheck);
  f.grid.Col(3).SetControlType(ctCheck);
  f.grid.ChangeRow(2, [](TtsRow& row) { row.SetControlType(ctPicture); });
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"recheck 3,-1", "recheck -1,2"}));
  EXPECT_EQ(f.grid.GridRows().At(2)->ControlType(), ctPicture);
}

TEST(ModelBookkeeping, AReadOnlyChangeWhereTheCurrentCellStandsPlacesItAgain)
{
  GridFixture f;
  f.grid.Col(3).SetReadOnly(true);  // the current cell is in column 1
  f.grid.Col(1).SetReadOnly(true);
  f.grid.ChangeRow(1, [](TtsRow& row) { row.SetReadOnly(true); });
  f.grid.SetCurrentCell(0, 0);  // no current cell: any change looks for one
  f.grid.Col(4).SetReadOnly(true);
  EXPECT_EQ(f.services.calls, (std::vector<std::string>{"place col 1", "place row 1", "place col 1"}));
}

TEST(ModelBookkeeping, TheHeadingsLegacyAlignmentPairReadsInEitherOrder)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(2);
  col.SetHeadingAlignment(taRightJustify);  // "HeadingAlignment" before "HeadingAlign"
  EXPECT_EQ(col.HeadingHorzAlignment(), htaDefault);
  col.SetHeadingAlign(true);
  EXPECT_EQ(col.HeadingHorzAlignment(), htaRight);

  TtsCol& other = f.grid.Col(3);
  other.SetHeadingAlign(true);  // and the other way round
  other.SetHeadingAlignment(taCenter);
  EXPECT_EQ(other.HeadingHorzAlignment(), htaCenter);
  other.SetHeadingHorzAlignment(htaDefault);  // read last, it decides
  EXPECT_FALSE(other.HeadingAlign());
  EXPECT_EQ(other.HeadingAlignment(), taLeftJustify);
  EXPECT_FALSE(col.IsDefault());
  col.SetHeadingHorzAlignment(htaDefault);
  EXPECT_TRUE(col.IsDefault());

  // The cell pair of columns and rows behaves the same way.
  col.SetAlignment(taCenter);
  col.SetAlign(true);
  EXPECT_EQ(col.HorzAlignment(), htaCenter);
  col.SetAlignment(ToAlignment(ReadLegacyAlignment("TARIGHTJUSTIFY")));
  EXPECT_EQ(col.HorzAlignment(), htaRight);
}

TEST(ModelBookkeeping, WhatTheStreamWritesOfPositionsAndSpinSteps)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(2);
  EXPECT_FALSE(col.DisplayColStored());
  EXPECT_FALSE(col.SpinIncrementStored());
  col.SetSpinIncrement(0.5);
  EXPECT_TRUE(col.SpinIncrementStored());
  col.SetDisplayCol(4);
  EXPECT_TRUE(col.DisplayColStored());
  EXPECT_TRUE(f.grid.Col(3).DisplayColStored());  // moved one place left by it
  EXPECT_FALSE(f.grid.Col(5).DisplayColStored());

  f.grid.ChangeRow(2, [](TtsRow& row) { row.SetColor(platform::clRed); });
  EXPECT_FALSE(f.grid.GridRows().At(2)->DisplayRowStored());
  f.grid.MoveRow(2, 5);
  EXPECT_TRUE(f.grid.GridRows().At(2)->DisplayRowStored());
}

TEST(ModelBookkeeping, TheCurrentCellsResolvedAttributes)
{
  GridFixture f;
  f.grid.Col(2).SetMaskName("Date");
  f.grid.Col(2).SetControlType(ctCheck);
  f.grid.Col(2).SetCheckBoxValues("Yes|No");
  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetReadOnly(true); });
  f.grid.Col(2).SetHorzAlignment(htaCenter);
  f.grid.SetCurrentCell(2, 3);
  EXPECT_EQ(f.grid.CurrentMaskName(), "Date");
  EXPECT_EQ(f.grid.CurrentControlType(), ctCheck);
  EXPECT_TRUE(f.grid.CurrentReadOnly());
  EXPECT_EQ(f.grid.CurrentCheckBoxValues(), "Yes|No");
  EXPECT_EQ(f.grid.ResolveHorzAlignmentCode(2, 3), 2);
  EXPECT_EQ(f.grid.ResolveHorzAlignmentCode(1, 3), 0);
  f.grid.SetCurrentCell(1, 1);
  EXPECT_EQ(f.grid.CurrentControlType(), ctText);
  EXPECT_FALSE(f.grid.CurrentReadOnly());
}

TEST(ModelBookkeeping, RowsWithoutObjectsReadTheUnsetValues)
{
  GridFixture f;
  EXPECT_EQ(f.grid.RowLevel(2), TtsAttributes());
  EXPECT_EQ(f.grid.RowLevel(-1), TtsAttributes());
  EXPECT_EQ(f.grid.RowLevel(2).SpinOptions, kAllSpinOptions);
  EXPECT_EQ(f.grid.RowLevel(2).Picture(poCenter), dopDefault);
  f.grid.ChangeRow(2, [](TtsRow& row) { row.SetWordWrap(wwOn); });
  EXPECT_EQ(f.grid.RowLevel(2).WordWrap, wwOn);
}

TEST(CellElementCache, LookupsFollowElementsThatComeAndGo)
{
  GridFixture f;
  TtsCellPropSet& cells = f.grid.CellProps();
  EXPECT_EQ(cells.Find(2, 3), nullptr);
  cells.SetProp(2, 3, piColor, int(platform::clRed));
  ASSERT_NE(cells.Find(2, 3), nullptr);
  EXPECT_EQ(cells.Find(2, 3)->Attributes().Color, platform::clRed);
  EXPECT_EQ(cells.Find(3, 2), nullptr);
  EXPECT_EQ(cells.Find(2, 4), nullptr);  // a column with elements, a row without
  cells.SetProp(2, 3, piColor, int(platform::clNone));
  EXPECT_EQ(cells.Find(2, 3), nullptr);
  EXPECT_EQ(f.grid.CellRowsOfCol(2), nullptr);

  // A copy of another grid's cells is found and indexed like its own.
  GridFixture source;
  source.grid.CellProps().SetProp(4, 1, piIs3D, true);
  source.grid.CellProps().SetProp(1, 5, piWordWrap, int(wwOn));
  cells.SetProp(3, 3, piIs3D, true);
  EXPECT_NE(cells.Find(3, 3), nullptr);
  cells.Assign(source.grid.CellProps());
  EXPECT_EQ(cells.Find(3, 3), nullptr);
  EXPECT_EQ(f.grid.CellRowsOfCol(3), nullptr);
  ASSERT_NE(cells.Find(4, 1), nullptr);
  EXPECT_TRUE(cells.Find(4, 1)->Attributes().Is3D);
  ASSERT_NE(cells.Find(1, 5), nullptr);
  ASSERT_NE(f.grid.CellColsOfRow(5), nullptr);
  EXPECT_NE(f.grid.CellColsOfRow(5)->Find(1), nullptr);
  cells.Clear();
  EXPECT_EQ(cells.Find(4, 1), nullptr);
  EXPECT_EQ(f.grid.CellRowsOfCol(4), nullptr);
}

}  // namespace
}  // namespace grid
