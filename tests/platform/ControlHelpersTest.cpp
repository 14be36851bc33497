#include "platform/ListBox.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(RadioGroup, ItemsMayChangeAndTheIndexFollows)
{
  RadioGroup group;
  int clicks = 0;
  group.OnClick = [&] { ++clicks; };
  group.SetItems({QStringLiteral("Rad"), QStringLiteral("Deg"), QStringLiteral("Grad")});
  group.SetItemIndex(2);
  EXPECT_TRUE(group.Button(2)->isChecked());

  group.SetItems({QStringLiteral("Scn"), QStringLiteral("Fix")});  // index 2 is gone
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_FALSE(group.Button(0)->isChecked());
  EXPECT_FALSE(group.Button(1)->isChecked());

  group.Button(1)->click();
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  group.SetItems({QStringLiteral("Scn"), QStringLiteral("Fix"), QStringLiteral("Eng")});
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_TRUE(group.Button(1)->isChecked());
  group.SetItemIndex(-1);
  EXPECT_FALSE(group.Button(1)->isChecked());
  EXPECT_EQ(clicks, 1);  // setting by program is no click
}

TEST(UpDown, StepsWithinItsRangeAndTakesTypedNumbers)
{
  QLineEdit edit;
  UpDown upDown;
  upDown.SetMin(1);
  upDown.SetMax(18);
  upDown.SetAssociate(&edit);
  upDown.SetPosition(12);
  EXPECT_EQ(edit.text(), QStringLiteral("12"));

  upDown.Click(btNext);
  EXPECT_EQ(upDown.Position(), 13);
  edit.setText(QStringLiteral("18"));
  upDown.Click(btNext);
  EXPECT_EQ(upDown.Position(), 18);
  EXPECT_EQ(edit.text(), QStringLiteral("18"));

  edit.setText(QStringLiteral("junk"));
  upDown.Click(btPrev);
  EXPECT_EQ(edit.text(), QStringLiteral("17"));

  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(&edit, &down);
  EXPECT_EQ(upDown.Position(), 16);

  upDown.SetWrap(true);
  upDown.SetPosition(1);
  upDown.Click(btPrev);
  EXPECT_EQ(upDown.Position(), 18);
}

TEST(ListBox, HorizontalExtentSetsTheScrollRange)
{
  ListBox list;
  list.resize(100, 80);
  list.addItem(QStringLiteral("short"));
  list.show();
  list.SetHorizontalExtent(400);
  const int viewport = list.viewport()->width();
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 400 - viewport);
  list.SetHorizontalExtent(0);
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
  list.hide();
}

}  // namespace
}  // namespace platform
