#include "platform/CanvasRecording.h"
#include "platform/StringGrid.h"
#include "tests/support/KeyInput.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <vector>

namespace platform {
namespace {

using testing_support::PressEnter;
using testing_support::PressKey;
using testing_support::TypeText;

// A grid as the matrix window uses it: one heading row and column, a 3 by 3 matrix, editing on.
struct EditGrid : ::testing::Test {
  TStringGrid grid;
  void SetUp() override
  {
    grid.resize(400, 200);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(40);
    grid.SetOptions(grid.Options() | GridOptions({goEditing}));
  }
  void Click(int col, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
  {
    const TRect r = grid.CellRect(col, row);
    const QPointF p(r.Left + 3, r.Top + 3);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&grid, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, p, Qt::LeftButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(&grid, &release);
  }
};

TEST_F(EditGrid, TypingOpensTheEditorOnTheCurrentCellAndEnterClosesIt)
{
  std::vector<QString> edits;
  grid.OnSetEditText = [&](int col, int row, const QString& text) {
    edits.push_back(QStringLiteral("%1,%2:%3").arg(col).arg(row).arg(text));
  };
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  TypeText(grid, QStringLiteral("2*pi"));
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("2*pi"));
  EXPECT_EQ(edits.back(), QStringLiteral("1,1:2*pi"));
  PressEnter(grid);
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("2*pi"));

  // A new character replaces the cell's text; Enter opens the editor with the text kept.
  TypeText(grid, QStringLiteral("7"));
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("7"));
  PressEnter(grid);
  PressEnter(grid);
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.EditorText(), QStringLiteral("7"));
  PressKey(grid, Qt::Key_End);  // stays in the editor
  TypeText(grid, QStringLiteral("5"));
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("75"));
}

TEST_F(EditGrid, ArrowKeysMoveBetweenCellsWithinTheMatrixAndCloseTheEditor)
{
  TypeText(grid, QStringLiteral("1"));
  PressKey(grid, Qt::Key_Right);  // inside the editor: the caret's move
  EXPECT_EQ(grid.Col(), 1);
  PressKey(grid, Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_FALSE(grid.EditorMode());
  TypeText(grid, QStringLiteral("2"));
  PressEnter(grid);
  PressKey(grid, Qt::Key_Right);
  TypeText(grid, QStringLiteral("3"));
  PressEnter(grid);
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("1"));
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("2"));
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("3"));

  // The heading row and column are never current; moves stop at the edges.
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int col;
    int row;
  } moves[] = {
      {Qt::Key_Up, Qt::NoModifier, 2, 1},      {Qt::Key_Up, Qt::NoModifier, 2, 1},
      {Qt::Key_Left, Qt::NoModifier, 1, 1},    {Qt::Key_Left, Qt::NoModifier, 1, 1},
      {Qt::Key_End, Qt::ControlModifier, 3, 3}, {Qt::Key_Down, Qt::NoModifier, 3, 3},
      {Qt::Key_Home, Qt::NoModifier, 1, 3},    {Qt::Key_Home, Qt::ControlModifier, 1, 1},
      {Qt::Key_PageDown, Qt::NoModifier, 1, 3},
  };
  for (const auto& m : moves) {
    PressKey(grid, m.key, m.modifiers);
    EXPECT_EQ(grid.Col(), m.col) << m.key;
    EXPECT_EQ(grid.Row(), m.row) << m.key;
  }
}

TEST_F(EditGrid, EscapeGivesTheCellItsTextBack)
{
  grid.SetCells(1, 1, QStringLiteral("sin(1)"));
  PressKey(grid, Qt::Key_F2);
  ASSERT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.EditorText(), QStringLiteral("sin(1)"));
  TypeText(grid, QStringLiteral("9"));  // the whole text was selected
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("9"));
  PressKey(grid, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  EXPECT_FALSE(grid.EditorMode());
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("sin(1)"));
}

TEST_F(EditGrid, KeyDownHandlerSeesEditorKeysFirstAndMayGrowTheGrid)
{
  // As the matrix window: Enter in an open editor runs the calculation; Down on the last row adds one.
  int calculations = 0;
  grid.OnKeyDown = [&](int& key, TShiftState) {
    if (key == VK_RETURN && grid.EditorMode())
      ++calculations;
    if (key == VK_DOWN && !grid.EditorMode() && grid.Row() == grid.RowCount() - 1)
      grid.SetRowCount(grid.RowCount() + 1);
    if (key == VK_DELETE && !grid.EditorMode())
      key = 0;
  };
  TypeText(grid, QStringLiteral("4"));
  PressEnter(grid);
  EXPECT_EQ(calculations, 1);
  PressEnter(grid);  // opens the editor: no calculation
  EXPECT_EQ(calculations, 1);
  PressEnter(grid);
  PressKey(grid, Qt::Key_End, Qt::ControlModifier);
  ASSERT_EQ(grid.Row(), 3);
  PressKey(grid, Qt::Key_Down);
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.Row(), 4);
  PressKey(grid, Qt::Key_Delete);
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("4"));
}

TEST_F(EditGrid, SelectCellHandlerCanRefuseAMove)
{
  grid.OnSelectCell = [](int col, int, bool& canSelect) { canSelect = col != 2; };
  PressKey(grid, Qt::Key_Right);
  EXPECT_EQ(grid.Col(), 1);
  grid.SetCol(3);
  EXPECT_EQ(grid.Col(), 3);
  Click(2, 2);
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(EditGrid, ShiftKeysAndShiftClicksSelectARangeWhoseCurrentCellStays)
{
  PressKey(grid, Qt::Key_Right, Qt::ShiftModifier);
  PressKey(grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 2}));
  EXPECT_EQ(grid.Col(), 1);
  Click(3, 3, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 3, 3}));
  PressKey(grid, Qt::Key_Down);
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 1, 2}));

  grid.SetOptions(grid.Options() & ~GridOptions({goRangeSelect}));
  PressKey(grid, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 2, 2}));

  grid.SetOptions(grid.Options() | GridOptions({goRowSelect}));
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 2, 3, 2}));
  TypeText(grid, QStringLiteral("1"));  // no editing in row selection
  EXPECT_FALSE(grid.EditorMode());
}

TEST_F(EditGrid, ClicksMoveTheCurrentCellAndASecondClickEdits)
{
  int clicks = 0;
  grid.OnClick = [&] { ++clicks; };
  Click(2, 3);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_FALSE(grid.EditorMode());
  Click(2, 3);
  EXPECT_TRUE(grid.EditorMode());
  Click(0, 0);  // a heading: no move
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(clicks, 3);
}

TEST_F(EditGrid, TabMovesAlongTheRowsOnlyWithGoTabs)
{
  grid.SetCol(3);
  PressKey(grid, Qt::Key_Tab);
  EXPECT_EQ(grid.Row(), 1);
  grid.SetOptions(grid.Options() | GridOptions({goTabs}));
  PressKey(grid, Qt::Key_Tab);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 2);
  PressKey(grid, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(EditGrid, AlwaysShownEditorFollowsTheCurrentCellAndPassesEdgesOn)
{
  grid.SetCells(1, 1, QStringLiteral("ab"));
  grid.SetCells(2, 1, QStringLiteral("cd"));
  grid.SetOptions(grid.Options() | GridOptions({goAlwaysShowEditor}));
  ASSERT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.EditorText(), QStringLiteral("ab"));
  PressKey(grid, Qt::Key_End);     // the caret to the text's end
  PressKey(grid, Qt::Key_Right);   // and on to the next cell
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_TRUE(grid.EditorMode());
  EXPECT_EQ(grid.EditorText(), QStringLiteral("cd"));
  PressEnter(grid);  // selects the text, stays open
  EXPECT_TRUE(grid.EditorMode());
}

TEST_F(EditGrid, TheEditorLiesOverTheCurrentCellAndMovesWhenTheViewScrolls)
{
  for (int i = 1; i < 4; ++i) {
    grid.SetCells(0, i, QStringLiteral("A[%1,J]").arg(i));
    grid.SetCells(i, 0, QStringLiteral("A[I,%1]").arg(i));
  }
  grid.SetColWidths(0, 60);
  grid.SetCells(1, 1, QStringLiteral("1"));
  grid.SetCells(2, 1, QStringLiteral("2"));
  PressKey(grid, Qt::Key_Down);
  TypeText(grid, QStringLiteral("3.5"));
  const auto* editor = grid.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  const TRect r = grid.CellRect(1, 2);
  EXPECT_EQ(editor->geometry(), QRect(r.Left, r.Top, r.Width(), r.Height()));
  grid.grab().save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "string-grid-editing.png"));

  grid.resize(400, 60);  // the editor hides while its cell is scrolled out of view
  grid.SetRowCount(40);
  grid.SetTopRow(10);
  EXPECT_TRUE(editor->isHidden());
  EXPECT_TRUE(grid.EditorMode());
  grid.SetTopRow(1);
  EXPECT_FALSE(editor->isHidden());
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("3.5"));
}

TEST(StringGrid, AnEditorShownByTheProgramLeavesTheFocusWhereItIs)
{
  QWidget window;
  auto* other = new QLineEdit(&window);
  auto* grid = new TStringGrid(&window);
  window.show();
  window.activateWindow();
  QApplication::processEvents();
  other->setFocus();
  grid->SetOptions(grid->Options() | GridOptions({goEditing, goAlwaysShowEditor}));
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(window.focusWidget(), other);
  grid->setFocus();  // the focus that comes to the grid goes on to its open editor
  grid->SetCol(2);
  EXPECT_EQ(window.focusWidget(), grid->findChild<QLineEdit*>());
}

// Keys the open editor leaves to others go on to the window once; they never come back to the editor.
TEST(StringGrid, KeysTheEditorLeavesGoOnToTheWindowOnce)
{
  struct Window : QWidget {
    int keys = 0;
    void keyPressEvent(QKeyEvent* event) override
    {
      ++keys;
      event->accept();
    }
  } window;
  auto* grid = new TStringGrid(&window);
  grid->resize(300, 150);
  grid->SetOptions(grid->Options() | GridOptions({goEditing}));
  window.show();
  TypeText(*grid, QStringLiteral("2"));
  ASSERT_TRUE(grid->EditorMode());
  auto* editor = grid->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  int expected = 0;
  for (QWidget* target : {static_cast<QWidget*>(editor), static_cast<QWidget*>(grid)})
    for (const int key : {int(Qt::Key_Shift), int(Qt::Key_Control), int(Qt::Key_F5)}) {
      SCOPED_TRACE(key);
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(target, &press);
      EXPECT_EQ(window.keys, ++expected);
    }
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("2"));
}

TEST(StringGrid, CountsKeepFixedCellsBelowThemAndDropCellsOutside)
{
  TStringGrid grid;
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetCells(4, 4, QStringLiteral("x"));
  grid.SetCells(1, 1, QStringLiteral("y"));
  grid.SetSelection({4, 4, 4, 4});
  grid.SetColCount(3);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 2);
  grid.SetColCount(5);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.Cells(4, 4), QString());
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("y"));
  EXPECT_EQ(grid.Cells(9, 9), QString());
  grid.SetCells(9, 9, QStringLiteral("lost"));  // outside: nothing is written
  EXPECT_EQ(grid.Cells(9, 9), QString());

  EXPECT_THROW(grid.SetFixedCols(5), EInvalidGridOperation);
  EXPECT_THROW(grid.SetFixedRows(-1), EInvalidGridOperation);
  EXPECT_THROW(grid.SetColWidths(5, 10), EInvalidGridOperation);
  grid.SetColCount(1);  // the fixed column gives way
  EXPECT_EQ(grid.FixedCols(), 0);
  EXPECT_EQ(grid.Col(), 0);
  grid.SetRowCount(0);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.FixedRows(), 0);
}

TEST(StringGrid, GeometryFollowsWidthsLinesAndScrolling)
{
  TStringGrid grid;
  grid.resize(200, 100);
  grid.SetColCount(10);
  grid.SetRowCount(30);
  grid.SetDefaultRowHeight(20);
  grid.SetColWidths(0, 30);
  EXPECT_EQ(grid.CellRect(0, 0), (TRect{0, 0, 30, 20}));
  EXPECT_EQ(grid.CellRect(1, 1), (TRect{31, 21, 95, 41}));
  EXPECT_EQ(grid.MouseCoord(31, 21), (TGridCoord{1, 1}));
  EXPECT_EQ(grid.MouseCoord(30, 21), (TGridCoord{0, 1}));  // the line belongs to the cell before it
  EXPECT_EQ(grid.MouseCoord(1000, 5), (TGridCoord{-1, -1}));
  EXPECT_TRUE(grid.ScrollBarShown(SB_VERT));
  EXPECT_TRUE(grid.ScrollBarShown(SB_HORZ));

  // Moving down past the view scrolls it so that the current row shows whole.
  const int visible = grid.VisibleRowCount();
  ASSERT_GT(visible, 0);
  grid.SetRow(1 + visible);
  EXPECT_EQ(grid.TopRow(), 2);
  EXPECT_TRUE(grid.CellRect(1, grid.Row()).Bottom <= grid.ClientHeight());
  EXPECT_TRUE(grid.CellRect(1, 1).IsEmpty());
  EXPECT_EQ(grid.GetScrollPos(SB_VERT), 2);

  // The top row never goes beyond the one that shows the last row at the bottom.
  grid.SetTopRow(1000);
  EXPECT_EQ(grid.TopRow(), 30 - visible);
  grid.SetTopRow(-5);
  EXPECT_EQ(grid.TopRow(), 1);

  // Everything fits: no bars.
  grid.SetColCount(2);
  grid.SetRowCount(3);
  EXPECT_FALSE(grid.ScrollBarShown(SB_VERT));
  EXPECT_FALSE(grid.ScrollBarShown(SB_HORZ));
}

TEST(StringGrid, PaintsFixedCellsTextSelectionAndTellsOnDrawCellTheState)
{
  TStringGrid grid;
  grid.resize(200, 100);
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetCells(1, 0, QStringLiteral("A[I,1]"));
  grid.SetCells(1, 1, QStringLiteral("12"));
  grid.SetSelection({1, 1, 2, 2});
  std::vector<std::pair<TGridCoord, TGridDrawState>> drawn;
  grid.OnDrawCell = [&](TCanvas&, int col, int row, const TRect&, TGridDrawState state) {
    drawn.push_back({{col, row}, state});
  };
  const QImage image = grid.PaintToImage();
  ASSERT_EQ(drawn.size(), 9u);
  EXPECT_EQ(drawn[0].second, gdFixed);
  EXPECT_EQ(drawn[4].first, (TGridCoord{1, 1}));
  EXPECT_EQ(drawn[4].second, gdSelected);
  EXPECT_EQ(drawn[8].second, gdSelected);

  const auto colourAt = [&](int x, int y) { return image.pixelColor(x, y); };
  const TRect fixed = grid.CellRect(0, 1);
  EXPECT_EQ(colourAt(fixed.Left + 20, fixed.Top + 10), ColorToQColor(clBtnFace));
  const TRect selected = grid.CellRect(2, 2);
  EXPECT_EQ(colourAt(selected.Left + 20, selected.Top + 10), ColorToQColor(clHighlight));
  const TRect current = grid.CellRect(1, 1);  // the current cell is not highlighted
  EXPECT_EQ(colourAt(current.Right - 3, current.Bottom - 3), ColorToQColor(clWindow));
  bool textInk = false;
  for (int x = current.Left + 2; x < current.Left + 16; ++x)
    for (int y = current.Top + 2; y < current.Bottom - 2; ++y)
      textInk = textInk || colourAt(x, y) == QColor(Qt::black);
  EXPECT_TRUE(textInk);
  EXPECT_EQ(colourAt(current.Right, current.Top + 5), ColorToQColor(clSilver));  // the grid line

  image.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR "string-grid.png"));
}

TEST(StringGrid, DraggingAColumnEdgeSizesItWithGoColSizing)
{
  TStringGrid grid;
  grid.resize(300, 100);
  grid.SetOptions(grid.Options() | GridOptions({goColSizing}));
  const int edge = grid.CellRect(1, 0).Right;
  const auto send = [&](QEvent::Type type, int x, Qt::MouseButtons buttons) {
    const QPointF p(x, 5);
    QMouseEvent event(type, p, p, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&grid, &event);
  };
  send(QEvent::MouseButtonPress, edge, Qt::LeftButton);
  send(QEvent::MouseMove, edge + 25, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, edge + 25, Qt::NoButton);
  EXPECT_EQ(grid.ColWidths(1), 89);
  EXPECT_EQ(grid.Col(), 1);
}

}  // namespace
}  // namespace platform
