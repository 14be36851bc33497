// A combo column driven from the keyboard through the grid's own in-cell editor: typing searches the
// list, F4 and the Alt arrows open it under the cell, Enter takes the list's row, Escape and Tab close it.
#include "ComboFixture.h"
#include "ShownGrid.h"

#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace grid;

// A shown form with a storing 3 x 5 grid whose second column is a combo column listing Alpha, Beta,
// Bravo and Charlie, and an edit after it; the current cell is (2, 2) and the grid has the focus.
class GridComboKeys : public ::testing::Test {
 protected:
  void Build(TtsDropDownStyle style)
  {
    grid = PlaceGridAboveEdit(form, after);
    grid->SetStoreData(true);
    grid->SetCols(3);
    grid->SetRows(5);
    TtsComboGrid* list = MakeAlphaComboColumn(grid->Model().Col(2), style);
    list->ValueColSorted = true;
    list->AutoSearch = asTop;
    grid->DropDowns().Clock = [this] { return now; };
    ShowFocused(form, *grid, 400, 300);
    grid->SetCurrentDataCol(2);
    grid->SetCurrentDataRow(2);
    QApplication::processEvents();
  }

  QWidget& Target() const { return KeyTarget(*grid); }
  // The keys are handled at once; no events are processed after them, as the offscreen platform
  // activates every window it shows, a drop-down's too, and an activation elsewhere closes the list.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
  {
    testing_support::PressKey(Target(), key, modifiers);
  }
  void Type(const QString& text) { testing_support::TypeText(Target(), text); }
  void Enter() { testing_support::PressEnter(Target()); }

  TtsGridDropDowns& drops() { return grid->DropDowns(); }
  TtsComboGrid& list() { return drops().GridCombo().ComboGrid(); }
  bool Open() { return grid->HasDropDowns() && drops().IsComboDroppedDown(); }
  std::string EditorText() const { return grid->ActiveEditor().Value().AsString(); }
  std::string CellText(int col, int row) const { return grid->Cell(col, row).AsString(); }

  QWidget form;
  TtsGrid* grid = nullptr;
  QLineEdit* after = nullptr;
  std::int64_t now = 10000;
};

TEST_F(GridComboKeys, TypingSearchesAListComboCellAndEscapeStartsTheSearchAfresh)
{
  Build(ddDropDownList);
  Type("b");
  EXPECT_EQ(EditorText(), "Beta");
  Type("r");
  EXPECT_EQ(EditorText(), "Bravo");
  EXPECT_FALSE(Open());
  Press(Qt::Key_Escape);
  EXPECT_TRUE(drops().ComboSearchText().empty());
  Type("c");
  EXPECT_EQ(EditorText(), "Charlie");
  Enter();
  EXPECT_EQ(CellText(2, 2), "Charlie");
}

TEST_F(GridComboKeys, TypingInAPlainCellLeavesTheCombosAlone)
{
  Build(ddDropDownList);
  Press(Qt::Key_Left);
  ASSERT_EQ(grid->CurrentDataCol(), 1);
  Type("b");
  EXPECT_EQ(EditorText(), "b");
  EXPECT_TRUE(drops().ComboSearchText().empty());
  EXPECT_FALSE(Open());
}

TEST_F(GridComboKeys, OpeningKeysDropTheListUnderTheCellAndCloseItAgain)
{
  Build(ddDropDownList);
  struct Case {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
  };
  const Case cases[] = {
      {"F4", Qt::Key_F4, Qt::NoModifier},
      {"Alt+Down", Qt::Key_Down, Qt::AltModifier},
      {"Alt+Up", Qt::Key_Up, Qt::AltModifier},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Press(c.key, c.modifiers);
    ASSERT_TRUE(Open());
    EXPECT_EQ(drops().DropDownCell(), QPoint(2, 2));
    const QRect cell = grid->CellBounds(grid->Model().CurrentDisplayCol(), grid->Model().CurrentDisplayRow());
    const QPoint cellBottom = grid->mapToGlobal(cell.bottomLeft());
    const QWidget& dropped = *list().window();
    EXPECT_GE(dropped.geometry().top(), cellBottom.y());
    EXPECT_EQ(grid->CurrentDataRow(), 2) << "the key did not move the current cell";
    Press(c.key, c.modifiers);
    EXPECT_FALSE(Open());
  }
}

TEST_F(GridComboKeys, EnterTakesTheListsCurrentRowIntoTheCell)
{
  Build(ddDropDownList);
  Press(Qt::Key_F4);
  ASSERT_TRUE(Open());
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  ASSERT_TRUE(Open());
  const int chosen = list().CurrentDataRow();
  ASSERT_GE(chosen, 1);
  const std::string expected = list().Cell(1, chosen).AsString();
  Enter();
  EXPECT_FALSE(Open());
  EXPECT_EQ(EditorText(), expected);
  EXPECT_EQ(grid->CurrentDataRow(), 2) << "Enter in the list does not move on";
  Enter();
  EXPECT_EQ(CellText(2, 2), expected) << "Enter without the list ends the edit with the value kept";
}

TEST_F(GridComboKeys, EscapeClosesTheListWithoutChangingTheCell)
{
  Build(ddDropDownList);
  grid->SetCell(2, 2, TtsCellValue("Beta"));
  grid->SetCurrentDataRow(3);
  grid->SetCurrentDataRow(2);
  Press(Qt::Key_F4);
  ASSERT_TRUE(Open());
  Press(Qt::Key_Down);
  Press(Qt::Key_Escape);
  EXPECT_FALSE(Open());
  EXPECT_EQ(EditorText(), "Beta");
  EXPECT_EQ(CellText(2, 2), "Beta");
}

TEST_F(GridComboKeys, TabClosesTheListAndMovesOn)
{
  Build(ddDropDownList);
  Press(Qt::Key_F4);
  ASSERT_TRUE(Open());
  Press(Qt::Key_Tab);
  EXPECT_FALSE(Open());
  EXPECT_EQ(grid->CurrentDataCol(), 3);
  EXPECT_EQ(grid->CurrentDataRow(), 2);
}

TEST_F(GridComboKeys, TheListClosesWhenTheFocusLeavesTheGrid)
{
  Build(ddDropDownList);
  Press(Qt::Key_F4);
  ASSERT_TRUE(Open());
  after->setFocus();
  EXPECT_FALSE(Open());
}

TEST_F(GridComboKeys, TheListClosesWhenTheGridScrolls)
{
  Build(ddDropDownList);
  grid->SetRows(40);
  QApplication::processEvents();
  QScrollBar* bar = nullptr;
  for (QScrollBar* each : grid->findChildren<QScrollBar*>())
    if (each->orientation() == Qt::Vertical)
      bar = each;
  ASSERT_NE(bar, nullptr);
  Press(Qt::Key_F4);
  ASSERT_TRUE(Open());
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_FALSE(Open());
}

TEST_F(GridComboKeys, TypingInAnEditableComboCellCompletesItFromTheList)
{
  Build(ddDropDown);
  TtsComboGrid* own = ComboGridOf(grid->Model().Col(2).Combo());
  own->SetAutoFill(true);
  Type("br");
  EXPECT_EQ(EditorText(), "Bravo");
  EXPECT_EQ(grid->ActiveEditor().SelStart(), 2);
  EXPECT_EQ(grid->ActiveEditor().SelLength(), 3);
}

TEST_F(GridComboKeys, LeavingAnEditableComboCellTakesTheListsCase)
{
  Build(ddDropDown);
  TtsComboGrid* own = ComboGridOf(grid->Model().Col(2).Combo());
  own->SetAutoFill(true);
  own->AutoFillConvertCase = afcOnExit;
  Type("bravo");
  EXPECT_EQ(EditorText(), "bravo");
  Press(Qt::Key_Tab);
  EXPECT_EQ(grid->CurrentDataCol(), 3);
  EXPECT_EQ(CellText(2, 2), "Bravo");
}

TEST_F(GridComboKeys, ReadOnlyAndBrowsingCombosDoNotDropDown)
{
  Build(ddDropDownList);
  grid->Model().Col(2).SetReadOnly(true);
  Press(Qt::Key_F4);
  EXPECT_FALSE(Open());
  grid->Model().Col(2).SetReadOnly(false);
  grid->SetGridMode(gmBrowse);
  Press(Qt::Key_F4);
  EXPECT_FALSE(Open());
}

}  // namespace
