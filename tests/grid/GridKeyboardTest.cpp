// The grid edited from the keyboard: real key events typed into a shown grid and its in-cell editor,
// with the events of the edit lifecycle in their order.
#include "grid/window/Grid.h"

#include "platform/ClipboardText.h"
#include "tests/grid/ShownGrid.h"
#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using grid::TtsBaseGrid;
using grid::TtsGrid;

std::string Str(int col, int row) { return std::to_string(col) + "," + std::to_string(row); }

// A shown form with a storing 3 x 3 grid holding "col,row" and an edit after it; the grid has the focus.
class KeyedGrid : public ::testing::Test {
 protected:
  KeyedGrid()
  {
    grid = grid::PlaceGridAboveEdit(form, after);
    grid->SetStoreData(true);
    grid->SetCols(3);
    grid->SetRows(3);
    for (int c = 1; c <= 3; ++c)
      for (int r = 1; r <= 3; ++r)
        grid->SetCell(c, r, Str(c, r));
    grid::ShowFocused(form, *grid, 400, 200);
    Record();
  }

  // Keys go where a user's would: to the widget with the focus.
  QWidget& Target() const { return grid::KeyTarget(*grid); }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
  {
    testing_support::PressKey(Target(), key, modifiers, text);
  }
  void Type(const QString& text) { testing_support::TypeText(Target(), text); }
  void Enter() { testing_support::PressEnter(Target()); }
  void Escape() { Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")); }
  void Tab() { Press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")); }

  std::string Current() const { return Str(grid->CurrentDataCol(), grid->CurrentDataRow()); }
  std::string Text(int col, int row) const { return grid->Cell(col, row).AsString(); }

  void Record()
  {
    grid->OnEndCellEdit = [this](TtsBaseGrid&, int c, int r, bool&) { log.push_back("end cell " + Str(c, r)); };
    grid->OnEndRowEdit = [this](TtsBaseGrid&, int r, bool&) { log.push_back("end row " + std::to_string(r)); };
    grid->OnUndoCellEdit = [this](TtsBaseGrid&, int c, int r, bool, bool&) { log.push_back("undo cell " + Str(c, r)); };
    grid->OnUndoRowEdit = [this](TtsBaseGrid&, int r, bool, bool&) { log.push_back("undo row " + std::to_string(r)); };
    grid->OnColChanged = [this](TtsBaseGrid&, int o, int n) { log.push_back("col " + Str(o, n)); };
    grid->OnRowChanged = [this](TtsBaseGrid&, int o, int n) { log.push_back("row " + Str(o, n)); };
    grid->OnCellChanged = [this](TtsBaseGrid&, int, int nc, int, int nr) { log.push_back("cell " + Str(nc, nr)); };
  }

  QWidget form;
  TtsGrid* grid = nullptr;
  QLineEdit* after = nullptr;
  std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(KeyedGrid, TypingALetterStartsAnEditHoldingIt)
{
  ASSERT_TRUE(grid->TextEditor().Visible());
  Type("a");
  EXPECT_TRUE(grid->CellEditing());
  EXPECT_TRUE(grid->RowEditing());
  EXPECT_EQ(grid->TextEditor().Value().AsString(), "a");
  EXPECT_EQ(Text(1, 1), "a");
}

TEST_F(KeyedGrid, TypingOnTheGridItselfStartsTheEditToo)
{
  grid->setFocus();
  testing_support::TypeText(*grid, "q");
  EXPECT_TRUE(grid->CellEditing());
  EXPECT_EQ(Text(1, 1), "q");
}

TEST_F(KeyedGrid, EnterEndsTheCellEditThenReportsTheColumnAndCell)
{
  Type("a");
  Enter();
  EXPECT_EQ(log, (Log{"end cell 1,1", "col 1,2", "cell 2,1"}));
  EXPECT_EQ(Current(), "2,1");
  EXPECT_FALSE(grid->CellEditing());
  EXPECT_TRUE(grid->RowEditing());
  EXPECT_EQ(Text(1, 1), "a");
}

TEST_F(KeyedGrid, LeavingTheRowEndsTheCellThenTheRowBeforeTheMoveIsReported)
{
  grid->SetCurrentDataCol(3);
  log.clear();
  Type("z");
  Tab();
  EXPECT_EQ(log, (Log{"end cell 3,1", "end row 1", "col 3,1", "row 1,2", "cell 1,2"}));
  EXPECT_FALSE(grid->RowEditing());
  EXPECT_TRUE(grid->RowChangedMark(1));
  log.clear();
  Press(Qt::Key_Down);  // nothing edited: only the move
  EXPECT_EQ(log, (Log{"row 2,3", "cell 1,3"}));
}

TEST_F(KeyedGrid, TabWrapsToTheNextRowOnlyWithTabRowWrap)
{
  for (const bool wrap : {true, false}) {
    grid->TabRowWrap = wrap;
    grid->SetCurrentDataRow(1);
    grid->SetCurrentDataCol(3);
    Tab();
    EXPECT_EQ(Current(), wrap ? "1,2" : "3,1") << wrap;
  }
  grid->SetCurrentDataCol(2);
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(Current(), "1,1");
}

TEST_F(KeyedGrid, SkipReadOnlyPassesOverAReadOnlyColumn)
{
  grid->Model().Col(1).SetReadOnly(true);
  for (const bool skip : {true, false}) {
    grid->SkipReadOnly = skip;
    grid->SetCurrentDataRow(1);
    grid->SetCurrentDataCol(3);
    Tab();
    EXPECT_EQ(Current(), skip ? "2,2" : "1,2") << skip;
  }
}

TEST_F(KeyedGrid, CtrlTabLeavesTheGrid)
{
  Type("a");
  Press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(after->hasFocus());
  EXPECT_EQ(Current(), "1,1");
}

TEST_F(KeyedGrid, EscapeUndoesTheCellThenTheRow)
{
  Type("x");
  Tab();
  Type("y");
  log.clear();
  Escape();
  EXPECT_EQ(log, (Log{"undo cell 2,1"}));
  EXPECT_EQ(Text(2, 1), "2,1");
  EXPECT_EQ(Text(1, 1), "x");
  EXPECT_EQ(grid->TextEditor().Value().AsString(), "2,1");
  EXPECT_TRUE(grid->RowEditing());
  Escape();
  EXPECT_EQ(log, (Log{"undo cell 2,1", "undo row 1"}));
  EXPECT_EQ(Text(1, 1), "1,1");
  EXPECT_FALSE(grid->RowEditing());
  EXPECT_FALSE(grid->RowModified());
}

TEST_F(KeyedGrid, EscapeOnTheFirstEditedCellUndoesCellAndRowAtOnce)
{
  Type("x");
  Escape();
  EXPECT_EQ(log, (Log{"undo cell 1,1", "undo row 1"}));
  EXPECT_EQ(Text(1, 1), "1,1");
  EXPECT_EQ(grid->TextEditor().Value().AsString(), "1,1");
}

// A refusal, by Cancel or by an exception, keeps the current cell and the edit where they were.
TEST_F(KeyedGrid, ARefusingEndCellEditBlocksEveryMove)
{
  Type("a");
  for (const bool raise : {false, true}) {
    grid->OnEndCellEdit = [raise](TtsBaseGrid&, int, int, bool& cancel) {
      if (raise)
        throw std::runtime_error("no");
      cancel = true;
    };
    Tab();
    Enter();
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    Press(Qt::Key_End, Qt::ControlModifier);
    grid->MoveCurrentCell(2, 2);
    grid->SetCurrentDataRow(3);
    EXPECT_EQ(Current(), "1,1") << raise;
    EXPECT_TRUE(grid->CellEditing()) << raise;
    EXPECT_EQ(Text(1, 1), "a");
  }
  grid->OnEndCellEdit = nullptr;
  Press(Qt::Key_Down);
  EXPECT_EQ(Current(), "1,2");
}

TEST_F(KeyedGrid, MaxLengthRefusesTheSixthCharacterTypedOrPasted)
{
  grid->Model().Col(1).SetMaxLength(5);
  grid->RefreshEditor(true);
  grid->TextEditor().SetValue(std::string());
  Type("abcdefg");
  EXPECT_EQ(grid->TextEditor().Value().AsString(), "abcde");
  EXPECT_EQ(Text(1, 1), "abcde");
  // A paste by program is held to the same length.
  grid->SetCurrentDataRow(2);
  grid->CurrentCell().SetSelStart(0);
  grid->CurrentCell().SetSelLength(3);
  platform::SetClipboardText("123456");
  grid->CurrentCell().PasteFromClipboard(false);
  EXPECT_EQ(Text(1, 2), "1,2");
  platform::SetClipboardText("1234");
  grid->CurrentCell().PasteFromClipboard(false);
  EXPECT_EQ(Text(1, 2), "1234");
}

TEST_F(KeyedGrid, ACheckBoxCellCyclesThroughThreeStatesWithAllowGrayed)
{
  grid->Model().Col(2).SetControlType(grid::ctCheck);
  grid->Model().Col(2).SetAllowGrayed(true);
  grid->SetCell(2, 1, 0);
  grid->SetCurrentDataCol(2);
  ASSERT_TRUE(grid->CheckEditor().Visible());
  std::vector<int> states;
  for (int i = 0; i < 3; ++i) {
    Press(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    states.push_back(grid->Cell(2, 1).AsInteger());
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 0}));
  EXPECT_TRUE(grid->CellEditing());
}

TEST_F(KeyedGrid, ACheckBoxValueOutsideItsStatesShowsGrayed)
{
  grid::TtsGridCheckBox& box = grid->CheckEditor().Box();
  for (const int value : {-1, 3, 255, 1 << 20}) {
    box.SetValue(value);
    EXPECT_EQ(box.State(), grid::cbGrayed) << value;
    const int cell = box.GlyphCell(box.State(), true);
    EXPECT_TRUE(cell >= 0 && cell < grid::kCheckGlyphCells) << value;
  }
  box.SetValue(1);
  EXPECT_EQ(box.State(), grid::cbChecked);
}

TEST_F(KeyedGrid, KeysMoveTheCurrentCellAroundTheGrid)
{
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::string from, to;
  } cases[] = {
      {Qt::Key_Down, Qt::NoModifier, "2,1", "2,2"},       {Qt::Key_Up, Qt::NoModifier, "2,1", "2,1"},
      {Qt::Key_Right, Qt::NoModifier, "3,1", "1,2"},      {Qt::Key_Left, Qt::NoModifier, "1,2", "3,1"},
      {Qt::Key_End, Qt::ControlModifier, "1,1", "3,3"},   {Qt::Key_Home, Qt::ControlModifier, "3,3", "1,1"},
      {Qt::Key_Right, Qt::ControlModifier, "1,2", "3,2"}, {Qt::Key_Down, Qt::ControlModifier, "2,1", "2,3"},
      {Qt::Key_PageDown, Qt::NoModifier, "1,1", "1,3"},   {Qt::Key_PageUp, Qt::NoModifier, "1,3", "1,1"},
  };
  for (const Case& c : cases) {
    grid->SetCurrentDataRow(c.from[2] - '0');
    grid->SetCurrentDataCol(c.from[0] - '0');
    Press(c.key, c.modifiers);
    EXPECT_EQ(Current(), c.to) << c.key << " from " << c.from;
  }
}

TEST_F(KeyedGrid, DownOnTheLastRowFiresNothing)
{
  grid->SetCurrentDataRow(3);
  log.clear();
  Press(Qt::Key_Down);
  EXPECT_EQ(Current(), "1,3");
  EXPECT_TRUE(log.empty());
}

TEST_F(KeyedGrid, F2KeepsTheCaretAndSuspendedKeysDoNothing)
{
  grid->AlwaysShowEditor = false;
  grid->SetCurrentDataCol(2);
  EXPECT_FALSE(grid->InEditMode());
  grid->setFocus();
  testing_support::PressKey(*grid, Qt::Key_F2);
  EXPECT_TRUE(grid->InEditMode());
  EXPECT_EQ(grid->TextEditor().SelLength(), 0);
  grid->SuspendKeys(false);
  testing_support::PressKey(*grid, Qt::Key_Down);
  EXPECT_EQ(Current(), "2,1");
  grid->SuspendKeys(true);
  grid->SuspendKeys(true);  // stops at 0
  EXPECT_FALSE(grid->KeysSuspended());
}

TEST_F(KeyedGrid, BrowseModeTypesNothing)
{
  grid->SetGridMode(grid::gmBrowse);
  grid->setFocus();
  testing_support::TypeText(*grid, "k");
  EXPECT_FALSE(grid->CellEditing());
  EXPECT_EQ(Text(1, 1), "1,1");
}

}  // namespace
