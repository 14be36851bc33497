// The grid's own window messages: its cursor given to the in-cell editors, the parent's font taken
// by the headings, and the cursor and hit test while the grid is designed.

#include "grid/window/Grid.h"

#include "platform/Cursors.h"
#include "platform/Font.h"
#include "tests/support/MouseInput.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QWidget>

namespace grid {
namespace {

TEST(GridMessages, TheGridsCursorGoesToItsTextAndCheckBoxEditors)
{
  TtsGrid g;
  g.SetCursor(platform::crHandPoint);
  EXPECT_EQ(g.Cursor, platform::crHandPoint);
  EXPECT_EQ(g.TextEditor().Cursor(), platform::crHandPoint);
  EXPECT_EQ(g.CheckEditor().Cursor(), platform::crHandPoint);
}

TEST(GridMessages, TheHeadingTakesTheParentsFontOnlyWhileHeadingParentFont)
{
  QWidget form;
  auto* g = new TtsGrid(&form);
  form.setFont(QFont("Liberation Serif", 14, QFont::Bold));
  EXPECT_EQ(g->HeadingFont().Name(), "Liberation Serif");
  EXPECT_EQ(g->HeadingFont().Size(), 14);
  EXPECT_NE(g->HeadingFont().Style() & platform::fsBold, 0);
  EXPECT_TRUE(g->HeadingParentFont);  // taken, not set by itself
  g->SetHeadingParentFont(false);
  const QString kept = g->HeadingFont().Name();
  form.setFont(QFont("Liberation Mono", 9));
  EXPECT_EQ(g->HeadingFont().Name(), kept);
}

TEST(GridMessages, WhileDesignedSizingBordersShowSplittersAndBelongToTheGrid)
{
  TtsGrid g;
  g.resize(400, 150);
  g.SetScrollBars(TScrollStyle::ssNone);
  // Row bar 14, columns 64: the border of column 1 lies at x = 77; the heading is 15 high.
  const int colBorder = 14 + 64 - 1;
  const int rowBorder = 15 + 14 - 1;
  EXPECT_EQ(g.DesignCursorAt(colBorder, 7), platform::crHSplit);
  EXPECT_EQ(g.DesignCursorAt(5, rowBorder), platform::crVSplit);
  EXPECT_EQ(g.DesignCursorAt(40, 40), platform::crArrow);
  EXPECT_FALSE(g.DesignHitTest(colBorder, 7));  // not designed
  g.Model().Designing = true;
  EXPECT_TRUE(g.DesignHitTest(colBorder, 7));
  EXPECT_FALSE(g.DesignHitTest(40, 40));
  EXPECT_EQ(g.MouseStatus(), msNone);  // the questions start nothing

  // Moving the mouse over the designed grid shows the same cursors.
  g.show();
  testing_support::SendMouse(g, QEvent::MouseMove, QPointF(colBorder, 7), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(g.CursorNumber(), platform::crHSplit);
  testing_support::SendMouse(g, QEvent::MouseMove, QPointF(40, 40), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(g.CursorNumber(), platform::crArrow);
}

}  // namespace
}  // namespace grid
