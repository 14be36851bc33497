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

#include <algorithm>
#include <cstddef>
#include <ostream>
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

// Deleting columns or rows while the current cell is edited ----------------------------------------

enum class TDeleteBy { Range, Selection, Count };

struct TDeleteWhileEditing {
  const char* Name;
  bool Cols;  // columns, else rows
  TDeleteBy By;
  int From, To;  // the data columns or rows that go
  int EditCol, EditRow;
  const char* Typed;  // typed into the editor and not committed; empty: the editor only shows the cell
};

void PrintTo(const TDeleteWhileEditing& c, std::ostream* out) { *out << c.Name; }

class DeleteWhileEditing : public KeyedGrid, public ::testing::WithParamInterface<TDeleteWhileEditing> {
 protected:
  const TDeleteWhileEditing& Case() const { return GetParam(); }
  int Deleted() const { return Case().To - Case().From + 1; }
  int Along(int col, int row) const { return Case().Cols ? col : row; }
  bool EditedGoes() const
  {
    const int edited = Along(Case().EditCol, Case().EditRow);
    return edited >= Case().From && edited <= Case().To;
  }
  bool Typed() const { return *Case().Typed != 0; }

  // What the cell holds after the delete: the cell that moved there, with the typed text where it was typed.
  std::string Expected(int col, int row) const
  {
    int& index = Case().Cols ? col : row;
    if (index >= Case().From)
      index += Deleted();
    if (Typed() && col == Case().EditCol && row == Case().EditRow)
      return Case().Typed;
    return Str(col, row);
  }

  // The data cell that is current after the delete: the edited one where it moved to, or, when it went,
  // the one that took its place (the last one when nothing came after it).
  std::string ExpectedCurrent() const
  {
    int col = Case().EditCol;
    int row = Case().EditRow;
    int& index = Case().Cols ? col : row;
    if (EditedGoes())
      index = std::min(Case().From, 3 - Deleted());
    else if (index > Case().To)
      index -= Deleted();
    return Str(col, row);
  }

  void Delete()
  {
    const int from = Case().From;
    const int to = Case().To;
    switch (Case().By) {
      case TDeleteBy::Range:
        Case().Cols ? grid->DeleteCols(from, to) : grid->DeleteRows(from, to);
        return;
      case TDeleteBy::Selection:
        if (Case().Cols)
          grid->SelectCols(from, to);
        for (int i = from; i <= to && !Case().Cols; ++i)
          grid->SetRowSelected(i, true);
        Case().Cols ? grid->DeleteSelectedCols() : grid->DeleteSelectedRows();
        return;
      case TDeleteBy::Count:
        Case().Cols ? grid->SetCols(from - 1) : grid->SetRows(from - 1);
        return;
    }
  }

  // Every cell holds what Expected says.
  ::testing::AssertionResult CellsAsExpected() const
  {
    const int cols = Case().Cols ? 3 - Deleted() : 3;
    const int rows = Case().Cols ? 3 : 3 - Deleted();
    if (grid->Cols() != cols || grid->Rows() != rows)
      return ::testing::AssertionFailure() << grid->Cols() << " x " << grid->Rows() << " cells";
    for (int c = 1; c <= cols; ++c)
      for (int r = 1; r <= rows; ++r)
        if (Text(c, r) != Expected(c, r))
          return ::testing::AssertionFailure() << "cell " << Str(c, r) << " holds " << Text(c, r);
    return ::testing::AssertionSuccess();
  }
};

TEST_P(DeleteWhileEditing, NoValueLandsInAnotherCellAndTheScreenShowsTheCellsThatMoved)
{
  for (int r = 1; r < Case().EditRow; ++r)
    Press(Qt::Key_Down);
  for (int c = 1; c < Case().EditCol; ++c)
    Tab();
  ASSERT_EQ(Current(), Str(Case().EditCol, Case().EditRow));
  ASSERT_TRUE(grid->TextEditor().Visible());
  ASSERT_EQ(grid->TextEditor().Value().AsString(), Text(Case().EditCol, Case().EditRow));
  if (Typed())
    Type(Case().Typed);
  ASSERT_EQ(grid->CellEditing(), Typed());
  log.clear();

  Delete();

  EXPECT_TRUE(CellsAsExpected());
  EXPECT_EQ(Current(), ExpectedCurrent());
  const bool keeps = !EditedGoes();
  // A delete of the edited cell ends its edit first (within its row, only the cell edit); any other
  // leaves the edit open on its cell.
  EXPECT_EQ(grid->CellEditing(), Typed() && keeps);
  EXPECT_EQ(grid->RowEditing(), Typed() && (keeps || Case().Cols));
  if (Typed() && !keeps) {
    const std::string cell = Str(Case().EditCol, Case().EditRow);
    const Log ends = Case().Cols ? Log{"end cell " + cell} : Log{"end cell " + cell, "end row " + cell.substr(2)};
    ASSERT_GE(log.size(), ends.size());
    EXPECT_EQ(Log(log.begin(), log.begin() + std::ptrdiff_t(ends.size())), ends);
  }
  // The editor sits on the current cell and shows its value, or what was typed there.
  const grid::TtsEditGridControl& editor = grid->TextEditor();
  const QRect cell = grid->CellBounds(grid->Model().CurrentDisplayCol(), grid->Model().CurrentDisplayRow());
  EXPECT_TRUE(editor.Visible());
  EXPECT_TRUE(cell.contains(editor.Window().geometry())) << editor.Left() << "," << editor.Top();
  EXPECT_EQ(editor.Value().AsString(), Text(grid->CurrentDataCol(), grid->CurrentDataRow()));
  if (Typed() && keeps) {
    EXPECT_EQ(editor.Value().AsString(), Case().Typed);
    if (Case().By != TDeleteBy::Selection) {  // a selection drops the kept value: the editor reloads it
      EXPECT_EQ(editor.SelStart(), int(std::string(Case().Typed).size()));
    }
  }

  // The screen shows the cells that moved up or left: every cell but the current one as a grid that
  // holds the expected values draws it.
  const QImage shown = grid::OnScreen(*grid);
  QWidget form2;
  QLineEdit* after2 = nullptr;
  TtsGrid* expected = grid::PlaceGridAboveEdit(form2, after2);
  expected->SetStoreData(true);
  expected->SetCols(grid->Cols());
  expected->SetRows(grid->Rows());
  for (int c = 1; c <= grid->Cols(); ++c)
    for (int r = 1; r <= grid->Rows(); ++r)
      expected->SetCell(c, r, Expected(c, r));
  expected->SetCurrentDataRow(grid->CurrentDataRow());
  expected->SetCurrentDataCol(grid->CurrentDataCol());
  grid::ShowFocused(form2, *expected, form.width(), form.height());
  ASSERT_EQ(expected->size(), grid->size());
  const QImage drawn = grid::OnScreen(*expected);
  for (int c = 1; c <= grid->Cols(); ++c)
    for (int r = 1; r <= grid->Rows(); ++r) {
      if (c == grid->CurrentDataCol() && r == grid->CurrentDataRow())
        continue;
      const QRect bounds = grid->CellBounds(c, r);
      EXPECT_EQ(shown.copy(bounds), drawn.copy(bounds)) << "the screen shows a stale cell " << Str(c, r);
    }

  // Ending the edit writes what was typed into its own cell only.
  form.activateWindow();
  grid->setFocus();
  QApplication::processEvents();
  Enter();
  EXPECT_FALSE(grid->CellEditing());
  EXPECT_TRUE(CellsAsExpected());
}

const TDeleteWhileEditing kDeletesWhileEditing[] = {
    {"RowBeforeShown", false, TDeleteBy::Range, 1, 1, 1, 2, ""},
    {"RowBeforeTyped", false, TDeleteBy::Range, 1, 1, 2, 3, "xy"},
    {"RowAtShown", false, TDeleteBy::Range, 1, 1, 1, 1, ""},
    {"RowAtTyped", false, TDeleteBy::Range, 2, 2, 2, 2, "xy"},
    {"LastRowAtTyped", false, TDeleteBy::Range, 3, 3, 1, 3, "xy"},
    {"RowAfterTyped", false, TDeleteBy::Range, 2, 3, 2, 1, "xy"},
    {"ColBeforeShown", true, TDeleteBy::Range, 1, 1, 2, 1, ""},
    {"ColBeforeTyped", true, TDeleteBy::Range, 1, 2, 3, 2, "xy"},
    {"ColAtShown", true, TDeleteBy::Range, 1, 1, 1, 2, ""},
    {"ColAtTyped", true, TDeleteBy::Range, 2, 2, 2, 3, "xy"},
    {"ColAfterTyped", true, TDeleteBy::Range, 3, 3, 2, 2, "xy"},
    {"SelectedRowBeforeTyped", false, TDeleteBy::Selection, 1, 1, 1, 2, "xy"},
    {"SelectedRowAtTyped", false, TDeleteBy::Selection, 2, 2, 1, 2, "xy"},
    {"SelectedColBeforeTyped", true, TDeleteBy::Selection, 1, 1, 3, 1, "xy"},
    {"SelectedColAtTyped", true, TDeleteBy::Selection, 2, 3, 3, 1, "xy"},
    {"FewerRowsPastTyped", false, TDeleteBy::Count, 2, 3, 1, 3, "xy"},
    {"FewerColsPastTyped", true, TDeleteBy::Count, 2, 3, 3, 3, "xy"},
    {"FewerRowsBelowTyped", false, TDeleteBy::Count, 3, 3, 2, 2, "xy"},
};

INSTANTIATE_TEST_SUITE_P(Deletes, DeleteWhileEditing, ::testing::ValuesIn(kDeletesWhileEditing),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
