// Where an in-cell button is active and where it lies, its background at rest, and the setters of
// the button sizes and the grid's alignments.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

// A combo column whose left edge is at x = 100 (the row bar's width), 64 wide, rows of 14.
struct ButtonGrid {
  ButtonGrid()
  {
    grid.SetScrollBars(TScrollStyle::ssNone);
    grid.resize(400, 150);
    grid.SetCols(3);
    grid.SetRows(5);
    grid.SetRowBarOn(true);
    grid.SetRowBarWidth(100);
    grid.SetDefaultColWidth(64);
    grid.SetDefaultRowHeight(14);
    grid.SetGridLines(glBoth);
    grid.Model().Col(1).SetButtonType(btCombo);
  }
  TtsGrid grid;
};

TEST(CellButtons, AComboButtonCoversTheRightEndOfItsCell)
{
  ButtonGrid g;
  const int top = RowTop(g.grid, 2);
  ASSERT_EQ(ColLeft(g.grid, 1), 100);
  struct Case {
    int x, y;
    bool inside;
  };
  for (const Case& c : {Case{148, top + 1, false}, Case{149, top, true}, Case{163, top + 13, true},
                        Case{164, top + 1, false}, Case{120, top + 1, false}})
    EXPECT_EQ(g.grid.PointInButton(c.x, c.y, 1, 2), c.inside) << c.x << "," << c.y - top;
  EXPECT_FALSE(g.grid.PointInButton(150, top + 1, 2, 2));  // no button in column 2
}

TEST(CellButtons, ButtonsAreInactiveInReadOnlyCellsAndInTheListAndBrowseModes)
{
  ButtonGrid g;
  const int top = RowTop(g.grid, 1);
  EXPECT_TRUE(g.grid.IsButtonActive(150, top + 1, 1, 1, btCombo));
  EXPECT_FALSE(g.grid.IsButtonActive(150, top + 1, 1, 1, btNone));
  EXPECT_FALSE(g.grid.IsButtonActive(150, top + 1, 0, 1, btCombo));
  EXPECT_FALSE(g.grid.IsButtonActive(g.grid.ClientWidth() + 1, top + 1, 1, 1, btCombo));
  for (TtsGridMode mode : {gmListBox, gmBrowse}) {
    g.grid.SetGridMode(mode);
    EXPECT_FALSE(g.grid.IsButtonActive(150, top + 1, 1, 1, btCombo)) << int(mode);
  }
  g.grid.SetGridMode(gmEdit);
  g.grid.Model().Col(1).SetReadOnly(true);
  EXPECT_FALSE(g.grid.IsButtonActive(150, top + 1, 1, 1, btCombo));
}

TEST(CellButtons, ADropDownListComboTakesTheWholeCell)
{
  ButtonGrid g;
  const int top = RowTop(g.grid, 1);
  EXPECT_FALSE(g.grid.IsOverCellButton(110, top + 1, 1, 1));
  g.grid.Model().Col(1).SetDropDownStyle(ddDropDownList);
  EXPECT_TRUE(g.grid.IsOverCellButton(110, top + 1, 1, 1));
  EXPECT_TRUE(g.grid.IsOverCellButton(150, top + 1, 1, 1));
}

TEST(CellButtons, AButtonAtRestHasABackgroundOnlyWhereItShowsAFace)
{
  ButtonGrid g;
  EXPECT_EQ(g.grid.InactiveButtonColor(2, 3), platform::clBtnFace);
  g.grid.SetInactiveButtonState(ibsPicture);
  EXPECT_EQ(g.grid.InactiveButtonColor(2, 3), platform::clNone);
  EXPECT_EQ(g.grid.InactiveButtonColor(1, 1), platform::clBtnFace);  // the current cell
  g.grid.Model().Col(1).SetReadOnly(true);
  EXPECT_EQ(g.grid.InactiveButtonColor(1, 1), platform::clNone);
}

TEST(CellButtons, TheLegacyHeadingAlignmentMapsOntoTheHeadingAlignment)
{
  ButtonGrid g;
  struct Case {
    int legacy;
    TtsHorzAlignment alignment;
  };
  for (const Case& c : {Case{1, htaRight}, Case{2, htaCenter}, Case{0, htaDefault}}) {
    g.grid.SetLegacyHeadingAlignment(c.legacy);
    EXPECT_EQ(g.grid.Model().Level.HeadingHorzAlignment, c.alignment) << c.legacy;
  }
  g.grid.SetHeadingHorzAlignment(htaCenter);
  EXPECT_EQ(g.grid.LegacyHeadingAlignment(), 2);
  g.grid.SetHeadingHorzAlignment(htaLeft);
  EXPECT_EQ(g.grid.LegacyHeadingAlignment(), 0);
}

TEST(CellButtons, ButtonSizesMeasureTheCellsButtons)
{
  ButtonGrid g;
  EXPECT_EQ(g.grid.ButtonOuterSize(btCombo).cx, 15);
  g.grid.SetDefaultButtonWidth(13);
  g.grid.SetButtonEdgeWidth(1);
  EXPECT_EQ(g.grid.ButtonOuterSize(btCombo).cx, 15);
  g.grid.SetSpinButtonHeight(5);
  EXPECT_EQ(g.grid.ButtonOuterSize(btVertSpin).cy, 2 * 5 + 1 + 2);
  g.grid.DropDownFillLock(false);
  EXPECT_FALSE(g.grid.DropDownFillUnlocked());
  g.grid.DropDownFillLock(true);
  g.grid.DropDownFillLock(true);
  EXPECT_TRUE(g.grid.DropDownFillUnlocked());
}

TEST(CellButtons, AHotOrHeldButtonBeyondTheGridIsForgottenWhenItShrinks)
{
  ButtonGrid g;
  g.grid.Model().Col(3).SetButtonType(btNormal);
  g.grid.SetHotButton({3, 4});
  g.grid.SetRows(4);
  EXPECT_EQ(g.grid.HotButtonCell, (TGridCoord{3, 4}));
  g.grid.SetCols(2);
  EXPECT_EQ(g.grid.HotButtonCell, (TGridCoord{-1, -1}));
  g.grid.PressCellButton({2, 4});
  g.grid.SetRows(3);
  EXPECT_EQ(g.grid.PressedButtonCell, (TGridCoord{-1, -1}));
}

}  // namespace
}  // namespace grid
