// The grid's keys and editor placement driven by real key and mouse events on a shown form: heading
// accelerators, a current cell out of view brought back before a key acts, Left and Right that only
// scroll, edit mode left when the focus goes, where the caret lands when a value is loaded, and the
// spin repeats of text and picture cells.

#include "grid/window/Grid.h"
#include "tests/grid/ComboFixture.h"
#include "tests/grid/NamedImageList.h"
#include "tests/grid/ShownGrid.h"
#include "tests/grid/TestClock.h"
#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

using testing_support::PressKey;

std::string Str(int col, int row) { return std::to_string(col) + "," + std::to_string(row); }

// A shown form with a storing grid holding "col,row" and an edit below it; the grid has the focus.
struct PlacedForm {
  void Build(int cols, int rows, int width = 400)
  {
    grid = PlaceGridAboveEdit(form, after);
    grid->SetStoreData(true);
    grid->SetCols(cols);
    grid->SetRows(rows);
    for (int c = 1; c <= cols; ++c)
      for (int r = 1; r <= rows; ++r)
        grid->SetCell(c, r, Str(c, r));
    ShowFocused(form, *grid, width, 220);
  }

  QWidget& Target() const { return KeyTarget(*grid); }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
  {
    PressKey(Target(), key, modifiers, text);
  }
  std::string Current() const { return Str(grid->CurrentDataCol(), grid->CurrentDataRow()); }
  std::string EditorText() const { return grid->TextEditor().Value().AsString(); }
  bool WholeTextSelected() const
  {
    const TtsEditGridControl& editor = grid->TextEditor();
    return editor.SelStart() == 0 && editor.SelLength() == int(EditorText().size()) && editor.SelLength() > 0;
  }
  // The current column shown whole between the fixed part and the client's right edge.
  bool CurrentColInView() const
  {
    const int col = grid->Model().CurrentDisplayCol();
    const QRect cell = grid->CellBounds(col, grid->Model().CurrentDisplayRow());
    return col >= grid->LeftCol() && cell.right() < grid->ClientWidth();
  }

  QWidget form;
  TtsGrid* grid = nullptr;
  QLineEdit* after = nullptr;
};

struct PlacedGrid : ::testing::Test, PlacedForm {};

// Heading accelerators ----------------------------------------------------------------------------------

TEST_F(PlacedGrid, AltWithAHeadingAcceleratorClicksThatHeadingWhereverTheFocusIs)
{
  Build(3, 3);
  grid->Model().Col(1).SetHeading("&Name");
  grid->Model().Col(2).SetHeading("&Mass");
  grid->Model().Col(3).SetHeading("Sym&bol");
  std::vector<int> clicked;
  grid->OnHeadingClick = [&](TtsBaseGrid&, int dataCol) { clicked.push_back(dataCol); };

  Press(Qt::Key_M, Qt::AltModifier);  // the editor has the focus
  Press(Qt::Key_B, Qt::AltModifier);
  after->setFocus();
  after->clear();
  Press(Qt::Key_N, Qt::AltModifier);  // another control has it
  EXPECT_EQ(clicked, (std::vector<int>{2, 3, 1}));

  // A letter no heading has goes on to the control with the focus; Ctrl+Alt is no accelerator.
  Press(Qt::Key_Q, Qt::AltModifier);
  Press(Qt::Key_M, Qt::AltModifier | Qt::ControlModifier);
  Press(Qt::Key_M, Qt::NoModifier, QStringLiteral("m"));
  EXPECT_EQ(clicked.size(), 3u);
  EXPECT_EQ(after->text(), "m");
}

TEST_F(PlacedGrid, TheFirstMatchingHeadingInDisplayOrderWinsAndADisabledGridTakesNone)
{
  Build(3, 3);
  grid->Model().Col(1).SetHeading("&Atom");
  grid->Model().Col(3).SetHeading("&area");
  std::vector<int> clicked;
  grid->OnHeadingClick = [&](TtsBaseGrid&, int dataCol) { clicked.push_back(dataCol); };
  Press(Qt::Key_A, Qt::AltModifier);
  grid->Model().Col(3).SetDisplayCol(1);
  Press(Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicked, (std::vector<int>{1, 3}));

  after->setFocus();
  grid->setEnabled(false);
  Press(Qt::Key_A, Qt::AltModifier);
  grid->setEnabled(true);
  grid->hide();
  Press(Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicked.size(), 2u);
}

// Before a key acts ---------------------------------------------------------------------------------------

TEST_F(PlacedGrid, ACurrentCellScrolledOutOfViewComesBackBeforeTheKeyMoves)
{
  Build(12, 4, 300);
  grid->SetLeftCol(6);
  ASSERT_FALSE(CurrentColInView());
  Press(Qt::Key_Down);
  EXPECT_EQ(Current(), "1,2");
  EXPECT_TRUE(CurrentColInView());
}

TEST_F(PlacedGrid, EscapeWithTheCurrentCellOutOfViewOnlyBringsItBack)
{
  Build(12, 4, 300);
  std::vector<std::string> undone;
  grid->OnUndoCellEdit = [&](TtsBaseGrid&, int c, int r, bool, bool&) { undone.push_back(Str(c, r)); };
  testing_support::TypeText(Target(), "x");
  ASSERT_TRUE(grid->CellEditing());
  grid->SetLeftCol(6);
  Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  EXPECT_TRUE(CurrentColInView());
  EXPECT_TRUE(undone.empty());
  EXPECT_TRUE(grid->CellEditing());
  Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  EXPECT_EQ(undone, (std::vector<std::string>{"1,1"}));
}

TEST_F(PlacedGrid, ModifierKeysAloneLeaveTheViewWhereItIs)
{
  Build(12, 4, 300);
  grid->SetLeftCol(6);
  Press(Qt::Key_Shift, Qt::ShiftModifier);
  Press(Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(grid->LeftCol(), 6);
}

TEST_F(PlacedGrid, EscapeWithAPendingListSearchOnlyEndsTheSearch)
{
  Build(3, 3);
  TtsComboGrid* list = MakeAlphaComboColumn(grid->Model().Col(2), ddDropDownList);
  list->ValueColSorted = true;
  list->AutoSearch = asTop;
  grid->SetCurrentDataCol(2);
  std::vector<std::string> undone;
  grid->OnUndoCellEdit = [&](TtsBaseGrid&, int c, int r, bool, bool&) { undone.push_back(Str(c, r)); };
  testing_support::TypeText(Target(), "b");
  ASSERT_EQ(grid->ActiveEditor().Value().AsString(), "Beta");
  ASSERT_FALSE(grid->DropDowns().ComboSearchText().empty());
  Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  EXPECT_TRUE(grid->DropDowns().ComboSearchText().empty());
  EXPECT_TRUE(undone.empty());
  EXPECT_EQ(grid->Cell(2, 1).AsString(), "Beta");
  Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  EXPECT_EQ(undone, (std::vector<std::string>{"2,1"}));
  EXPECT_EQ(grid->Cell(2, 1).AsString(), "2,1");
}

TEST_F(PlacedGrid, CtrlEndKeysAlongTheRowDoNotScrollBackAcrossFirst)
{
  Build(12, 4, 300);
  std::vector<int> lefts;
  grid->SetLeftCol(6);
  grid->OnTopLeftChanged = [&](TtsBaseGrid&, int, int, int newCol, int, bool) { lefts.push_back(newCol); };
  Press(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(Current(), "12,1");
  for (int left : lefts)
    EXPECT_GE(left, 6) << "scrolled back to the old current column first";
}

// Left and Right only scroll --------------------------------------------------------------------------------

TEST_F(PlacedGrid, LeftAndRightWithoutEditorOrFocusFrameScrollByAColumn)
{
  Build(12, 4, 300);
  grid->SetGridMode(gmBrowse);
  grid->FocusBorder = fbNone;
  grid->setFocus();
  ASSERT_EQ(grid->LeftCol(), 1);
  Press(Qt::Key_Right);
  EXPECT_EQ(grid->LeftCol(), 2);
  EXPECT_EQ(Current(), "2,1");
  Press(Qt::Key_Right);
  EXPECT_EQ(grid->LeftCol(), 3);
  EXPECT_EQ(Current(), "3,1");
  Press(Qt::Key_Left);
  EXPECT_EQ(grid->LeftCol(), 2);
  EXPECT_EQ(Current(), "2,1");
  Press(Qt::Key_Left);
  Press(Qt::Key_Left);  // the first column is already the first scrolled one: nothing more
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(Current(), "1,1");

  // With a focus frame the arrows move the current cell instead.
  grid->FocusBorder = fbDot;
  Press(Qt::Key_Right);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(Current(), "2,1");
}

// Focus loss ------------------------------------------------------------------------------------------------

TEST_F(PlacedGrid, LosingTheFocusLeavesEditModeKeepingTheTypedValue)
{
  for (const bool storing : {true, false}) {
    SCOPED_TRACE(storing ? "storing" : "values from OnCellLoaded");
    PlacedForm fixture;
    fixture.Build(3, 3);
    TtsGrid& g = *fixture.grid;
    g.AlwaysShowEditor = false;
    if (!storing) {
      g.SetStoreData(false);
      g.OnCellLoaded = [](TtsBaseGrid&, int c, int r, TtsCellValue& value) { value = Str(c, r); };
    }
    fixture.Press(Qt::Key_F2);
    ASSERT_TRUE(g.InEditMode());
    testing_support::TypeText(fixture.Target(), "ab");
    ASSERT_EQ(fixture.EditorText(), "ab1,1");  // F2 leaves the caret at the start
    fixture.after->setFocus();
    EXPECT_FALSE(g.InEditMode());
    EXPECT_FALSE(g.TextEditor().Visible());
    EXPECT_EQ(g.Cell(1, 1).AsString(), "ab1,1");

    g.setFocus();
    fixture.Press(Qt::Key_F2);
    EXPECT_TRUE(g.InEditMode());
    EXPECT_EQ(fixture.EditorText(), "ab1,1");
  }
}

TEST_F(PlacedGrid, WithAlwaysShowEditorTheFocusGoingKeepsEditMode)
{
  Build(3, 3);
  testing_support::TypeText(Target(), "q");
  after->setFocus();
  EXPECT_TRUE(grid->InEditMode());
  EXPECT_EQ(grid->Cell(1, 1).AsString(), "q");
}

TEST_F(PlacedGrid, WhileACellIsEditedCellReadsTheValueBeingEditedEvenWithoutAStore)
{
  Build(3, 3);
  grid->SetStoreData(false);
  grid->OnCellLoaded = [](TtsBaseGrid&, int c, int r, TtsCellValue& value) { value = Str(c, r); };
  testing_support::TypeText(Target(), "zz");
  EXPECT_EQ(grid->Cell(1, 1).AsString(), "zz");
  EXPECT_EQ(grid->Cell(2, 1).AsString(), "2,1");
}

// Values loaded into the editor -------------------------------------------------------------------------------

TEST_F(PlacedGrid, AKeyMoveSelectsTheWholeTextAndAValueWrittenByProgramReachesTheEditor)
{
  Build(3, 3);
  Press(Qt::Key_Right);
  EXPECT_EQ(EditorText(), "2,1");
  EXPECT_TRUE(WholeTextSelected());
  EXPECT_EQ(grid->EditorCaretMode(), 1);

  // Written while the editor shows it: the editor and Cell both give the new value.
  grid->SetCell(2, 1, std::string("new"));
  EXPECT_EQ(EditorText(), "new");
  EXPECT_EQ(grid->Cell(2, 1).AsString(), "new");

  const struct {
    int Mode;
    bool WholeSelected;
    int Caret;
  } cases[] = {{0, true, 0}, {2, false, 0}};
  for (const auto& test : cases) {
    grid->SetEditorCaretMode(test.Mode);
    grid->SetCell(2, 1, std::string("mode ") + std::to_string(test.Mode));
    EXPECT_EQ(WholeTextSelected(), test.WholeSelected) << test.Mode;
    EXPECT_EQ(grid->TextEditor().SelStart(), test.Caret) << test.Mode;
    EXPECT_EQ(grid->EditorCaretMode(), 1);
  }
}

TEST_F(PlacedGrid, TheEditorFollowsTheCurrentColumnsSettingsAtOnce)
{
  Build(3, 3);
  TtsCol& col = grid->Model().Col(1);
  col.SetColor(platform::clRed);
  col.SetMaxLength(4);
  col.SetHorzAlignment(htaRight);
  EXPECT_EQ(grid->TextEditor().Color(), platform::clRed);
  EXPECT_EQ(grid->TextEditor().MaxLength(), 4);
  EXPECT_EQ(grid->TextEditor().HorzAlignment(), htaRight);
  EXPECT_TRUE(grid->TextEditor().Visible());
}

// Spin repeats --------------------------------------------------------------------------------------------------

class SpinCells : public PlacedGrid {
 protected:
  SpinCells()
  {
    Build(3, 3);
    grid->SetTimerClock(&clock);
    grid->Model().Col(1).SetButtonType(btVertSpin);
    grid->OnSpinRepeat = [this](TtsBaseGrid&, int c, int r, int count, int part) {
      repeats.push_back(Str(c, r) + " #" + std::to_string(count) + " part " + std::to_string(part));
    };
  }
  ~SpinCells() override { grid->SetTimerClock(nullptr); }  // the clock goes before the form
  // Holds the upper (part 1) or lower half of the spin button of a cell.
  void HoldSpin(int col, int row, int part)
  {
    const QRect cell = grid->CellBounds(col, row);
    const QPointF at(cell.right() - 3, part == 1 ? cell.top() + 2 : cell.bottom() - 2);
    QCursor::setPos(grid->mapToGlobal(at.toPoint()));  // the hover timer looks where the pointer is
    testing_support::SendMouse(*grid, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    held = at;
  }
  void Release()
  {
    testing_support::SendMouse(*grid, QEvent::MouseButtonRelease, held, Qt::LeftButton, Qt::NoButton);
  }

  TestClock clock;
  std::vector<std::string> repeats;
  QPointF held;
};

TEST_F(SpinCells, OnSpinRepeatFiresAtThePressAndAtEveryTimerRepeat)
{
  grid->SetCell(1, 2, std::string("5"));
  HoldSpin(1, 2, 1);
  clock.Advance(500 + 2 * 80, *grid);
  Release();
  clock.Advance(500, *grid);
  EXPECT_EQ(repeats, (std::vector<std::string>{"1,2 #1 part 1", "1,2 #2 part 1", "1,2 #3 part 1", "1,2 #4 part 1"}));
  EXPECT_EQ(grid->Cell(1, 2).AsString(), "9");
}

TEST_F(SpinCells, LeavingAHeldHalfAndComingBackDoesNotStepAgain)
{
  grid->SetCell(1, 2, std::string("5"));
  HoldSpin(1, 2, 1);
  const QPointF off(held.x() - 40, held.y());
  testing_support::SendMouse(*grid, QEvent::MouseMove, off, Qt::NoButton, Qt::LeftButton);
  testing_support::SendMouse(*grid, QEvent::MouseMove, held, Qt::NoButton, Qt::LeftButton);
  Release();
  EXPECT_EQ(repeats, (std::vector<std::string>{"1,2 #1 part 1"}));
  EXPECT_EQ(grid->Cell(1, 2).AsString(), "6");
}

TEST_F(SpinCells, APictureCellSpinsThroughItsImageList)
{
  NamedImageList pictures;
  pictures.pictures = {{1, "Sky.Sun"}, {2, "Rain"}, {3, "Sky.Snow"}};
  grid->SetImageList(&pictures);
  grid->Model().Col(1).SetControlType(ctPicture);
  grid->Model().Col(1).SetSpinOptions(TtsSpinOptions(spoAutoIncrement | spoKeyEdit));  // no repeats
  std::vector<std::string> edits;
  grid->OnCellEdit = [&](TtsBaseGrid&, int c, int r, bool byUser) {
    edits.push_back(Str(c, r) + (byUser ? " by user" : ""));
  };

  const struct {
    int Part;
    std::string Picture;
  } steps[] = {{1, "Sky.Sun"}, {1, "Rain"}, {1, "Sky.Snow"}, {1, "Sky.Snow"}, {2, "Rain"}};
  for (const auto& step : steps) {
    HoldSpin(1, 3, step.Part);
    Release();
    EXPECT_EQ(grid->Cell(1, 3).AsString(), step.Picture) << "part " << step.Part;
  }
  EXPECT_EQ(edits.size(), 4u);  // the step past the last picture changes nothing
  EXPECT_TRUE(grid->CellEditing());

  // A handler may refuse the step; without an image list nothing steps.
  grid->OnSpinIncrement = [](TtsBaseGrid&, int, int, int, TtsCellValue&, int&, int&, bool& accept) { accept = false; };
  HoldSpin(1, 3, 1);
  Release();
  grid->OnSpinIncrement = nullptr;
  grid->SetImageList(nullptr);
  HoldSpin(1, 3, 2);
  Release();
  EXPECT_EQ(grid->Cell(1, 3).AsString(), "Rain");
}

}  // namespace
}  // namespace grid
