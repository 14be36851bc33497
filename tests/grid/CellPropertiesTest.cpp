// Per-cell properties, resolution over cell, row, column and grid, and display-order moves.
#include "GridFixture.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(CellProperties, ElementsExistOnlyWhileACellSetsSomething)
{
  GridFixture f;
  TtsCellPropSet& cells = f.grid.CellProps();
  EXPECT_FALSE(cells.SetProp(2, 3, piColor, int(platform::clNone)));
  EXPECT_EQ(cells.Count(), 0);
  EXPECT_TRUE(f.services.log.empty());

  EXPECT_TRUE(cells.SetProp(2, 3, piColor, int(platform::clRed)));
  EXPECT_EQ(f.services.log.back(), "cell 2,3");
  EXPECT_NE(f.grid.CellRowsOfCol(2), nullptr);
  EXPECT_TRUE(cells.SetProp(2, 3, piColor, int(platform::clNone)));
  EXPECT_EQ(cells.Count(), 0);
  EXPECT_EQ(f.grid.CellRowsOfCol(2), nullptr);  // the index set went with its last member
  EXPECT_EQ(f.grid.CellColsOfRow(3), nullptr);

  cells.SetKeepFontCopy(1, 1, true);
  EXPECT_EQ(cells.Count(), 1);  // kept although every property is at its default
  EXPECT_EQ(f.grid.KeepCopyCells().Count(), 2);
  cells.SetKeepFontCopy(1, 1, false);
  EXPECT_EQ(cells.Count(), 0);
  EXPECT_EQ(f.grid.KeepCopyCells().Count(), 0);
}

TEST(CellProperties, ResetRepaintsTheCellOnceAndRemovesIt)
{
  GridFixture f;
  TtsCellPropSet& cells = f.grid.CellProps();
  cells.SetProp(1, 2, piColor, int(platform::clRed));
  cells.SetProp(1, 2, piWordWrap, int(wwOn));
  cells.SetProp(1, 2, piSpinIncrement, 0.5);
  cells.SetProp(1, 2, piPictures, int(dopOff), poShrink);
  f.services.log.clear();
  cells.Reset(1, 2, 0);
  EXPECT_EQ(cells.Count(), 1);
  cells.Reset(1, 2, kAllProperties);
  EXPECT_EQ(cells.Count(), 0);
  EXPECT_EQ(f.services.log, (std::vector<std::string>{"cell 1,2"}));
}

TEST(CellProperties, AParentFontSwitchedOffCopiesTheGridsFont)
{
  GridFixture f;
  f.grid.Font.SetSize(9);
  platform::TFont columnFont;
  columnFont.SetSize(20);
  f.grid.Col(1).SetFont(&columnFont);
  f.grid.CellProps().SetProp(1, 1, piParentFont, false);
  const TtsCellElement* cell = f.grid.CellProps().Find(1, 1);
  ASSERT_NE(cell, nullptr);
  ASSERT_NE(cell->OwnFont(), nullptr);
  EXPECT_EQ(cell->OwnFont()->Size(), 9);
  EXPECT_EQ(f.grid.ResolveFont(1, 1).Size(), 9);
  EXPECT_EQ(f.grid.ResolveFont(1, 2).Size(), 20);
}

TEST(CellProperties, TheSetOrdersCellsRowByRow)
{
  GridFixture f;
  TtsCellPropSet& cells = f.grid.CellProps();
  for (auto [col, row] : {std::pair{3, 1}, {1, 2}, {2, 1}, {1, 1}})
    cells.SetProp(col, row, piIs3D, true);
  const auto list = cells.ToList();
  std::vector<std::pair<int, int>> order;
  for (int i = 1; i <= list.Count(); ++i) {
    const auto* cell = static_cast<const TtsCellElement*>(list.Get(i));
    order.emplace_back(cell->DataCol(), cell->DataRow());
  }
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {1, 2}}));
}

TEST(Resolution, ColourByLevel)
{
  struct Case {
    TtsDrawOverlap overlap;
    platform::TColor cell;
    platform::TColor row;
    platform::TColor col;
    platform::TColor grid;
    bool is3D;
    platform::TColor expected;
  };
  using namespace platform;
  const Case cases[] = {
      {doDrawColOnTop, clNone, clRed, clBlue, clWindow, false, clBlue},
      {doDrawRowOnTop, clNone, clRed, clBlue, clWindow, false, clRed},
      {doDrawRowOnTop, clLime, clRed, clBlue, clWindow, false, clLime},
      {doDrawColOnTop, clNone, clNone, clNone, clWindow, true, clBtnFace},
      {doDrawColOnTop, clNone, clNone, clNone, clWindow, false, clWindow},
      {doDrawColOnTop, clNone, clNone, clNone, clYellow, true, clYellow},
  };
  for (const Case& c : cases) {
    GridFixture f;
    f.grid.Level.DrawOverlap = c.overlap;
    f.grid.Level.Color = c.grid;
    f.grid.CellProps().SetProp(2, 2, piColor, int(c.cell));
    f.grid.ChangeRow(2, [&](TtsRow& row) { row.SetColor(c.row); });
    f.grid.Col(2).SetColor(c.col);
    EXPECT_EQ(f.grid.ResolveColor(2, 2, c.is3D), c.expected);
  }
}

TEST(Resolution, EveryAttributeOfADataCell)
{
  GridFixture f;
  TtsGridModel& g = f.grid;
  EXPECT_EQ(g.ResolveControlType(1, 1), ctText);
  EXPECT_EQ(g.ResolveControlType(0, 1), ctNone);
  g.Col(1).SetControlType(ctCheck);
  g.CellProps().SetProp(1, 2, piControlType, int(ctPicture));
  EXPECT_EQ(g.ResolveControlType(1, 1), ctCheck);
  EXPECT_EQ(g.ResolveControlType(1, 2), ctPicture);

  EXPECT_EQ(g.ResolveHorzAlignment(2, 1), htaLeft);
  g.Level.HorzAlignment = htaCenter;
  EXPECT_EQ(g.ResolveHorzAlignment(2, 1), htaCenter);
  g.Col(2).SetAlignment(taRightJustify);  // the legacy alignment alone
  EXPECT_EQ(g.ResolveHorzAlignment(2, 1), htaRight);
  g.ChangeRow(1, [](TtsRow& row) { row.SetHorzAlignment(htaLeft); });
  EXPECT_EQ(g.ResolveHorzAlignment(2, 1), htaLeft);

  EXPECT_EQ(g.ResolveVertAlignment(3, 3), vtaTop);
  g.Level.VertAlignment = vtaBottom;
  EXPECT_EQ(g.ResolveVertAlignment(3, 3), vtaBottom);
  EXPECT_EQ(g.ResolveWordWrap(3, 3), wwDefault);
  g.Col(3).SetWordWrap(wwOff);
  EXPECT_EQ(g.ResolveWordWrap(3, 3), wwOff);

  g.ChangeRow(4, [](TtsRow& row) { row.SetIs3D(true); });
  g.CellProps().SetProp(4, 4, piIs3D, false);
  EXPECT_TRUE(g.ResolveIs3D(4, 4));  // no level switches off what a wider one switched on
  EXPECT_FALSE(g.ResolveIs3D(4, 3));

  EXPECT_EQ(g.ResolveSpinOptions(5, 1), 0);
  EXPECT_EQ(g.ResolveSpinIncrement(5, 1), 0);
  g.Col(5).SetButtonType(btVertSpin);
  g.Col(5).SetSpinIncrement(0.5);
  EXPECT_EQ(g.ResolveSpinOptions(5, 1), kAllSpinOptions);
  EXPECT_EQ(g.ResolveSpinIncrement(5, 1), 0.5);

  EXPECT_EQ(g.ResolvePicture(2, 2, poStretch), dopDefault);
  g.ChangeRow(2, [](TtsRow& row) { row.SetPicture(poStretch, dopOff); });
  EXPECT_EQ(g.ResolvePicture(2, 2, poStretch), dopOff);
  EXPECT_EQ(g.ResolvePicture(0, 2, poStretch), dopDefault);

  g.Col(2).SetMaskName("Phone");
  EXPECT_EQ(g.ResolveMaskName(2, 5), "Phone");
  EXPECT_EQ(g.ResolveMaskName(2, 6), "");

  g.Level.CheckBoxValues = "On|Off";
  EXPECT_EQ(g.ResolveCheckBoxValues(1, 1), "On|Off");
  g.Col(1).SetCheckBoxValues("Yes|No");
  EXPECT_EQ(g.ResolveCheckBoxValues(1, 1), "Yes|No");
}

TEST(Resolution, ButtonsOfReadOnlyCells)
{
  GridFixture f;
  TtsGridModel& g = f.grid;
  g.Col(2).SetButtonType(btCombo);
  g.Col(2).SetDropDownStyle(ddDropDownList);
  TtsDropDownStyle style = ddDropDown;
  EXPECT_EQ(g.ResolveButtonType(2, 1, style), btCombo);
  EXPECT_EQ(style, ddDropDownList);
  EXPECT_EQ(g.ResolveButtonType(1, 1, style), btNone);
  g.Col(2).SetReadOnly(true);
  EXPECT_EQ(g.ResolveButtonType(2, 1, style), btNone);
  g.Level.ReadOnlyButton = true;
  EXPECT_EQ(g.ResolveButtonType(2, 1, style), btCombo);
}

TEST(Resolution, FixedCellsAndHeadingButtons)
{
  GridFixture f;
  TtsGridModel& g = f.grid;
  EXPECT_EQ(g.ResolveColor(2, 0, false), platform::clBtnFace);
  g.Col(2).SetHeadingColor(platform::clAqua);
  EXPECT_EQ(g.ResolveColor(2, 0, false), platform::clAqua);
  EXPECT_EQ(g.ResolveColor(0, 3, false), platform::clBtnFace);
  g.Level.HorzAlignment = htaRight;
  EXPECT_EQ(g.ResolveHorzAlignment(1, 0), htaRight);
  g.Col(1).SetHeadingHorzAlignment(htaCenter);
  EXPECT_EQ(g.ResolveHorzAlignment(1, 0), htaCenter);
  EXPECT_TRUE(g.ResolveIs3D(1, 0));

  g.Level.HeadingButton = hbNone;
  EXPECT_FALSE(g.HasHeadingButton(1));
  EXPECT_FALSE(g.HeadingIsButton(1));
  g.Col(3).SetHeadingButton(cbButton);
  EXPECT_TRUE(g.HasHeadingButton(3));
  g.Level.HeadingButton = hbCell;
  EXPECT_TRUE(g.HeadingIsButton(1));
  g.Col(1).SetHeadingButton(cbNone);
  EXPECT_FALSE(g.HeadingIsButton(1));

  for (auto [col, row, message] : {std::tuple{0, 1, "tsGrid1: Column index 0 out of range"},
                                   {1, 0, "tsGrid1: Row index 0 out of range"}}) {
    try {
      g.CellControlType(col, row);
      ADD_FAILURE();
    } catch (const EInvalidGridOperation& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
}

TEST(DisplayOrder, MovingOneColumnShiftsTheOthersAndKeepsWidths)
{
  GridFixture f;
  f.grid.Col(5).SetWidth(100);
  f.grid.SetCurrentCell(3, 1);
  f.grid.Col(5).SetDisplayCol(2);
  EXPECT_EQ(f.DisplayOrder(), (std::vector<int>{1, 5, 2, 3, 4}));
  EXPECT_EQ(f.grid.Col(5).DisplayCol(), 2);
  EXPECT_EQ(f.grid.Col(2).DisplayCol(), 3);
  EXPECT_EQ(f.grid.ColWidth(2), 100);
  EXPECT_EQ(f.grid.CurrentDisplayCol(), 4);  // the current column moved along
  EXPECT_EQ(f.services.events, (std::vector<RecordingServices::Event>{{"ColMoved", 2, 1, false}}));

  for (int to : {2, 0, 6})
    f.grid.Col(5).SetDisplayCol(to);
  EXPECT_EQ(f.services.events.size(), 1u);
}

TEST(DisplayOrder, MovesWithHiddenColumns)
{
  GridFixture f;
  f.grid.Col(3).SetVisible(false);
  EXPECT_EQ(f.VisibleCols(), (std::vector<int>{1, 2, 4, 5}));
  f.grid.Col(2).SetDisplayCol(5);
  EXPECT_EQ(f.DisplayOrder(), (std::vector<int>{1, 3, 4, 5, 2}));
  EXPECT_EQ(f.VisibleCols(), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(f.grid.ColWidth(2), 0);  // the hidden column 3 now shows at 2
}

TEST(DisplayOrder, ABlockMoveGathersTheSelectedColumns)
{
  GridFixture f;
  f.grid.ColSelection().Set(2, true);
  f.grid.ColSelection().Set(4, true);
  f.grid.MoveColumns(4, 1);
  EXPECT_EQ(f.DisplayOrder(), (std::vector<int>{2, 4, 1, 3, 5}));
  EXPECT_EQ(f.services.events, (std::vector<RecordingServices::Event>{{"ColMoved", 1, 2, true}}));
  EXPECT_EQ(f.grid.ColSelection().First(), 1);
  EXPECT_EQ(f.grid.ColSelection().Last(), 2);

  GridFixture right;
  right.grid.ColSelection().Set(1, true);
  right.grid.ColSelection().Set(3, true);
  right.grid.MoveColumns(1, 4);
  EXPECT_EQ(right.DisplayOrder(), (std::vector<int>{2, 4, 1, 3, 5}));

  GridFixture plain;
  plain.grid.MoveColumns(5, 2);
  EXPECT_EQ(plain.DisplayOrder(), (std::vector<int>{1, 5, 2, 3, 4}));
  EXPECT_EQ(plain.services.events, (std::vector<RecordingServices::Event>{{"ColMoved", 2, 1, true}}));
}

TEST(DisplayOrder, ManySelectedColumnsRebuildTheVisibleListOnce)
{
  GridFixture f(130, 2);
  f.grid.Col(7).SetVisible(false);
  for (int c = 10; c <= 120; ++c)
    f.grid.ColSelection().Set(c, true);
  f.grid.MoveColumns(60, 2);
  EXPECT_EQ(f.grid.DataColOf(2), 10);
  EXPECT_EQ(f.grid.VisibleCols().VisibleCount(), 129);
  for (int i = 1; i <= 129; ++i)
    EXPECT_TRUE(f.grid.Col(f.grid.DataColOf(f.grid.VisibleCols().Get(i))).Visible()) << i;
}

TEST(DisplayOrder, RowsMoveThroughTheRowMap)
{
  GridFixture f;
  for (int r = 1; r <= 5; ++r)
    EXPECT_EQ(f.grid.DisplayRowOf(r), r);
  f.grid.ChangeRow(4, [](TtsRow& row) { row.SetHeight(33); });
  f.grid.MoveRow(4, 1);
  EXPECT_EQ(f.grid.DisplayRowOf(4), 1);
  EXPECT_EQ(f.grid.DisplayRowOf(1), 2);
  EXPECT_EQ(f.grid.DataRowOf(1), 4);
  EXPECT_EQ(f.grid.RowHeight(1), 33);
  EXPECT_EQ(f.services.events, (std::vector<RecordingServices::Event>{{"RowMoved", 1, 1, false}}));
  f.grid.MoveRow(4, 1);
  f.grid.MoveRow(9, 1);
  EXPECT_EQ(f.services.events.size(), 1u);

  f.grid.Level.GridMode = gmEditInsert;
  f.grid.SetInsertRowPresent(1);
  EXPECT_TRUE(f.grid.IsInsertRowShown(5));
  EXPECT_FALSE(f.grid.IsInsertRowShown(4));
}

}  // namespace
}  // namespace grid
