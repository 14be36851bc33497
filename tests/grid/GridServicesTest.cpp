// What the grid answers its model (on-screen columns and rows, selection events, the current
// cell's place) and the row accessors of fonts, inherited attributes and selection.

#include "grid/window/Grid.h"
#include "tests/grid/ErrorOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace grid {
namespace {

struct ServicedGrid : TtsGrid {
  using TtsBaseGrid::ColOnScreen;
  using TtsBaseGrid::RowOnScreen;
  using TtsBaseGrid::FirstScrolledRow;
};

TEST(GridServices, OnlyFixedAndShownColumnsAndRowsAreOnScreen)
{
  ServicedGrid g;
  g.resize(300, 15 + 10 * 14);  // ten rows of 14 pixels under the heading
  g.SetRows(100);
  g.SetCols(30);
  g.PaintToImage();
  g.SetTopRow(20);
  EXPECT_EQ(g.FirstScrolledRow(), 20);
  struct Case {
    int row;
    bool onScreen;
  } cases[] = {{0, true}, {1, false}, {19, false}, {20, true}, {25, true}, {40, false}, {100, false}};
  for (const Case& c : cases)
    EXPECT_EQ(g.RowOnScreen(c.row), c.onScreen) << c.row;
  EXPECT_TRUE(g.ColOnScreen(0));
  EXPECT_TRUE(g.ColOnScreen(1));
  EXPECT_FALSE(g.ColOnScreen(30));
}

TEST(GridServices, HidingASelectedColumnFiresTheSelectionEventOnce)
{
  TtsGrid g;
  std::vector<TtsSelectType> kinds;
  g.OnSelectChanged = [&](TtsBaseGrid&, TtsSelectType kind, bool byUser) {
    EXPECT_FALSE(byUser);
    kinds.push_back(kind);
  };
  std::vector<TtsGridStatus> statuses;
  g.OnGridStatusChanged = [&](TtsBaseGrid&, TtsGridStatus, TtsGridStatus now) { statuses.push_back(now); };
  g.Model().ColSelection().Set(2, true);
  g.Model().Col(2).SetVisible(false);
  EXPECT_EQ(kinds, (std::vector<TtsSelectType>{stCols}));
  g.Model().Col(3).SetVisible(false);  // nothing was selected there
  EXPECT_EQ(kinds.size(), 1u);
  EXPECT_TRUE(statuses.empty());

  // A cell range narrowed by a hidden edge column: its event, and the status of a range.
  g.Model().SelectedRange = {1, 1, 4, 2};
  g.Model().Col(4).SetVisible(false);
  EXPECT_EQ(kinds, (std::vector<TtsSelectType>{stCols, stCellRange}));
  EXPECT_EQ(statuses, (std::vector<TtsGridStatus>{gsRangeSelected}));
}

TEST(GridServices, AListBoxRowSelectionFollowsTheCurrentRow)
{
  TtsGrid g;
  g.SetRowSelectMode(rsSingle);
  g.SetGridMode(gmListBox);
  g.SetCurrentDataRow(3);
  g.Model().GridRows().Ensure(3);
  g.Model().ChangeRow(3, [](TtsRow& row) { row.SetVisible(false); });  // the current row goes
  const int current = g.CurrentDataRow();
  ASSERT_NE(current, 3);
  EXPECT_TRUE(g.RowSelected(current));
  EXPECT_EQ(g.Model().RowSelection().Count(), 1);
}

TEST(GridServices, AColumnHiddenUnderTheCurrentCellMovesItToTheNearestShownOne)
{
  TtsGrid g;
  g.SetCurrentDataCol(2);
  g.Model().Col(2).SetVisible(false);
  EXPECT_EQ(g.CurrentDataCol(), 3);
  g.Model().Col(2).SetVisible(true);
  EXPECT_EQ(g.CurrentDataCol(), 3);
}

TEST(GridServices, AColumnOrRowTurnedReadOnlyUnderTheCurrentCellMovesItWhenTheGridSkipsThem)
{
  struct Case {
    bool skip;
    TtsGridMode mode;
    int col, row;  // the current data cell afterwards
  } cases[] = {{true, gmEdit, 3, 3}, {false, gmEdit, 2, 2}, {true, gmListBox, 2, 2}};
  for (const Case& c : cases) {
    TtsGrid g;
    g.SkipReadOnly = c.skip;
    g.SetGridMode(c.mode);
    g.SetCurrentDataCol(2);
    g.SetCurrentDataRow(2);
    g.Model().Col(2).SetReadOnly(true);
    g.Model().ChangeRow(2, [](TtsRow& row) { row.SetReadOnly(true); });
    EXPECT_EQ(g.CurrentDataCol(), c.col) << c.skip << int(c.mode);
    EXPECT_EQ(g.CurrentDataRow(), c.row) << c.skip << int(c.mode);
  }
  TtsGrid g;  // it moves on while it can, and stays once every column is read-only
  g.SetCurrentDataCol(2);
  for (int col = 1; col <= 4; ++col)
    g.Model().Col(col).SetReadOnly(true);
  EXPECT_EQ(g.CurrentDataCol(), 4);
}

TEST(GridRowAccess, RowSelectionFollowsTheSelectMode)
{
  struct Case {
    TtsRowSelectMode mode;
    std::vector<int> select;
    std::vector<int> selected;  // data rows 1..4 afterwards
  } cases[] = {
      {rsMulti, {1, 3}, {1, 3}},
      {rsSingle, {1, 3}, {3}},
      {rsNone, {1, 3}, {}},
  };
  for (const Case& c : cases) {
    TtsGrid g;
    g.SetRowSelectMode(c.mode);
    int events = 0;
    g.OnSelectChanged = [&](TtsBaseGrid&, TtsSelectType kind, bool) { events += kind == stRows; };
    for (int r : c.select)
      g.SetRowSelected(r, true);
    std::vector<int> selected;
    for (int r = 1; r <= 4; ++r)
      if (g.RowSelected(r))
        selected.push_back(r);
    EXPECT_EQ(selected, c.selected) << int(c.mode);
    EXPECT_EQ(events, c.mode == rsNone ? 0 : int(c.select.size())) << int(c.mode);
  }
  TtsGrid g;
  std::vector<TtsGridStatus> statuses;
  g.OnGridStatusChanged = [&](TtsBaseGrid&, TtsGridStatus, TtsGridStatus now) { statuses.push_back(now); };
  g.SetRowSelected(2, true);
  g.SetRowSelected(2, true);  // unchanged: no event
  g.SetRowSelected(2, false);
  EXPECT_EQ(statuses, (std::vector<TtsGridStatus>{gsRowsSelected, gsNoSelection}));
  EXPECT_EQ(ErrorOf([&] { g.SetRowSelected(5, true); }), "tsGrid1: Row index 5 out of range");
  EXPECT_EQ(ErrorOf([&] { g.RowSelected(0); }), "tsGrid1: Row index 0 out of range");
  EXPECT_FALSE(g.IsRowSelected(0));
  EXPECT_FALSE(g.IsRowSelected(99));
}

TEST(GridRowAccess, FontsAndDefinitionsKeepRowObjectsOnlyWhileSet)
{
  TtsGrid g;
  EXPECT_EQ(g.RowFont(2), nullptr);
  EXPECT_TRUE(g.RowParentFont(2));
  EXPECT_FALSE(g.RowKeepFontCopy(2));
  EXPECT_EQ(g.RowDateTimeDef(2), nullptr);

  g.SetRowParentFont(2, false);
  EXPECT_FALSE(g.RowParentFont(2));
  g.SetRowParentFont(2, true);
  EXPECT_EQ(g.Model().GridRows().At(2), nullptr);

  g.SetRowKeepFontCopy(3, true);
  ASSERT_NE(g.RowFont(3), nullptr);  // a copy of the grid's font
  EXPECT_EQ(g.RowFont(3)->Name(), g.Model().Font.Name());
  g.SetRowKeepFontCopy(3, false);
  EXPECT_EQ(g.Model().GridRows().At(3), nullptr);

  EXPECT_EQ(ErrorOf([&] { g.SetRowFont(0, nullptr); }), "tsGrid1: Row index 0 out of range");
  EXPECT_EQ(ErrorOf([&] { g.RowDateTimeDef(5); }), "tsGrid1: Row index 5 out of range");
}

TEST(GridRowAccess, DateTimeDefinitionsAreLetGoWhenTheyGo)
{
  TtsGrid g;
  auto definition = std::make_unique<TtsDateTimeDefComponent>();
  g.SetDateTimeDef(definition.get());
  g.SetRowDateTimeDef(2, definition.get());
  EXPECT_EQ(g.DateTimeDef(), definition.get());
  EXPECT_EQ(g.RowDateTimeDef(2), definition.get());
  definition.reset();
  EXPECT_EQ(g.DateTimeDef(), nullptr);
  EXPECT_EQ(g.RowDateTimeDef(2), nullptr);
}

TEST(GridRowAccess, ReadOnlyReadersShowWhatTheRowSets)
{
  TtsGrid g;
  EXPECT_EQ(g.RowControlType(1), ctDefault);
  EXPECT_EQ(g.RowSpinOptions(1), kAllSpinOptions);
  EXPECT_EQ(g.RowSpinIncrement(1), 1.0);
  EXPECT_EQ(g.RowButtonType(1), btDefault);
  EXPECT_EQ(g.RowWordWrap(1), wwDefault);
  EXPECT_EQ(g.RowDropDownStyle(1), ddDropDown);
  EXPECT_TRUE(g.RowParentCombo(1));
  EXPECT_EQ(g.RowCombo(1), nullptr);
  EXPECT_TRUE(g.RowMaskName(1).empty());
  g.Model().ChangeRow(1, [](TtsRow& row) {
    row.SetControlType(ctCheck);
    row.SetWordWrap(wwOn);
  });
  EXPECT_EQ(g.RowControlType(1), ctCheck);
  EXPECT_EQ(g.RowWordWrap(1), wwOn);
  EXPECT_EQ(ErrorOf([&] { g.RowControlType(5); }), "tsGrid1: Row index 5 out of range");
}

TEST(GridRowAccess, ARowsControlTypeDropsOnlyThatRowsUnsuitedValues)
{
  TtsGrid g;
  g.SetStoreData(true);
  for (int r = 1; r <= 3; ++r)
    g.SetCell(1, r, "text");
  g.Model().ChangeRow(2, [](TtsRow& row) { row.SetControlType(ctPicture); });
  EXPECT_EQ(g.Cell(1, 1).Text(), "text");
  EXPECT_TRUE(g.Cell(1, 2).IsEmpty());
  EXPECT_EQ(g.Cell(1, 3).Text(), "text");
}

TEST(GridRowAccess, DisplayColumnsOfDataColumns)
{
  TtsGrid g;
  g.SetDisplayColOfData(1, 3);
  struct Case {
    int dataCol, displayCol;
  } cases[] = {{0, -1}, {1, 3}, {2, 1}, {3, 2}, {4, 4}, {5, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(g.DisplayColOfData(c.dataCol), c.displayCol) << c.dataCol;
  g.SetDisplayColOfData(9, 1);  // outside: nothing
  g.SetDisplayColOfData(2, 0);
  EXPECT_EQ(g.DisplayColOfData(2), 1);
}

}  // namespace
}  // namespace grid
