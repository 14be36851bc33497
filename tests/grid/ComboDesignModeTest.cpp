// The combo list of a grid being designed: it drops down on the grid's own form under the cell,
// where outside clicks leave it, follows its size settings in place, and goes back on closing.

#include "ComboFixture.h"

#include "tests/support/MouseInput.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

struct DesignFixture : ComboFixture {
  DesignFixture()
  {
    grid.Model().Designing = true;
    grid.Model().Col(2).SetWidth(200);
  }
  QRect Cell() const { return grid.CellBounds(grid.Model().DisplayColOf(2), grid.DisplayRowOfData(2)); }
};

TEST(ComboDesignMode, TheListDropsDownOnTheGridsFormUnderTheCell)
{
  DesignFixture f;
  std::vector<std::string> events;
  f.drops().OnComboDropDown = [&](TtsBaseGrid&, TtsCombo&, int, int) { events.push_back("down"); };
  f.drops().OnComboRollUp = [&](TtsBaseGrid&, TtsCombo&, int, int) { events.push_back("up"); };
  f.drops().OpenComboDropDown(2, 2);
  TtsComboGrid& list = f.working();
  ASSERT_TRUE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(list.parentWidget(), &f.window);
  EXPECT_TRUE(list.isVisible());
  EXPECT_FALSE(f.drops().ComboDropDownForm().isVisible());
  ASSERT_LT(list.width(), 200);
  const QRect cell = f.Cell();
  EXPECT_EQ(list.geometry().topLeft(), QPoint(cell.left() + 200 - list.width(), cell.top() + cell.height()));
  EXPECT_EQ(f.drops().DropDownCell(), QPoint(2, 2));

  f.drops().CloseDropDowns(false);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(list.parentWidget(), &f.drops().ComboDropDownForm());
  EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
  f.drops().OpenComboDropDown(2, 2);  // and again
  EXPECT_EQ(list.parentWidget(), &f.window);
  EXPECT_TRUE(list.isVisible());
}

TEST(ComboDesignMode, AClickElsewhereLeavesTheListOpen)
{
  DesignFixture f;
  QWidget other;
  other.resize(50, 50);
  other.show();
  f.drops().OpenComboDropDown(2, 2);
  testing_support::Click(other);
  EXPECT_TRUE(f.drops().IsComboDroppedDown());
  f.drops().ToggleComboDropDown(2, 2);  // its button closes it
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(ComboDesignMode, ASizeSettingResizesTheListInPlace)
{
  DesignFixture f;
  f.drops().OpenComboDropDown(2, 2);
  TtsComboGrid& list = f.working();
  const int fourRows = list.height();
  list.SetDropDownRows(2);
  EXPECT_EQ(list.height(), list.DropDownExtent(list.DropDownCols(), 2).height());
  EXPECT_LT(list.height(), fourRows);
  const QRect cell = f.Cell();
  EXPECT_EQ(list.geometry().top(), cell.top() + cell.height());
  EXPECT_EQ(list.parentWidget(), &f.window);
}

}  // namespace
}  // namespace grid
