// A shown grid's sizes after its default sizes change or one size is written quietly, its top-left
// moves, range selections repainted a run at a time, the combo list loaded again for a new current
// cell, and rows dropped by an undo handler.
#include "ComboFixture.h"
#include "ShownGrid.h"

#include "grid/window/Grid.h"
#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QRect>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

std::string Str(int a, int b) { return std::to_string(a) + "," + std::to_string(b); }

// A grid that records the rectangles it marks for painting.
class RecordingGrid : public TtsGrid {
 public:
  std::vector<QRect> invalidated;

 protected:
  void InvalidateRect(const QRect& rect) override
  {
    invalidated.push_back(rect);
    TtsGrid::InvalidateRect(rect);
  }
};

// A shown form with a storing grid holding "col,row" that has the focus.
struct SizedGrid {
  SizedGrid(int cols, int rows, int width = 400, int height = 200)
  {
    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(0, 0, 0, 0);
    grid = new RecordingGrid;
    layout->addWidget(grid);
    grid->SetStoreData(true);
    grid->SetCols(cols);
    grid->SetRows(rows);
    for (int c = 1; c <= cols; ++c)
      for (int r = 1; r <= rows; ++r)
        grid->SetCell(c, r, TtsCellValue(Str(c, r)));
    grid->OnColResized = [this](TtsBaseGrid&, int col) { log.push_back("col resized " + std::to_string(col)); };
    grid->OnRowResized = [this](TtsBaseGrid&, int row) { log.push_back("row resized " + std::to_string(row)); };
    grid->OnTopLeftChanged = [this](TtsBaseGrid&, int, int, int c, int r, bool) { log.push_back("top-left " + Str(c, r)); };
    ShowFocused(form, *grid, width, height);
  }
  QWidget& Target() const { return KeyTarget(*grid); }
  void Press(int key) { testing_support::PressKey(Target(), key); }

  QWidget form;
  RecordingGrid* grid = nullptr;
  std::vector<std::string> log;
};

// A shown form with a grid whose second column is a combo column (ComboFixture.h); the current
// cell is (2, 2) and the grid has the focus.
struct ComboForm {
  ComboForm()
  {
    auto* layout = new QVBoxLayout(&form);
    grid = new TtsGrid(&form);
    layout->addWidget(grid);
    grid->SetCols(3);
    grid->SetRows(5);
    MakeAlphaComboColumn(grid->Model().Col(2), ddDropDown);
    ShowFocused(form, *grid, 400, 300);
    grid->SetCurrentDataCol(2);
    grid->SetCurrentDataRow(2);
    QApplication::processEvents();
  }
  void Press(int key) { testing_support::PressKey(KeyTarget(*grid), key); }

  QWidget form;
  TtsGrid* grid = nullptr;
};

// Size bookkeeping ------------------------------------------------------------------------------------

TEST(SizeBookkeeping, ANewDefaultWidthReachesTheColumnsAtTheOldOneOnly)
{
  SizedGrid g(4, 3);
  TtsBaseGrid& grid = *g.grid;
  grid.Model().Col(2).SetWidth(100);
  grid.Model().Col(3).SetVisible(false);
  g.log.clear();
  grid.SetDefaultColWidth(50);
  EXPECT_EQ(grid.Model().Col(1).Width(), 50);
  EXPECT_EQ(grid.ColWidth(1), 50);
  EXPECT_EQ(grid.ColWidth(2), 100);  // its own width stays
  EXPECT_EQ(grid.Model().Col(3).Width(), 50);
  EXPECT_EQ(grid.ColWidth(3), 0);  // hidden: shown at 0, its width kept
  EXPECT_EQ(grid.ColWidth(0), 14);  // the row bar
  EXPECT_EQ(g.log, std::vector<std::string>{"col resized -1"});
  grid.SetRowBarOn(false);
  grid.SetDefaultColWidth(40);
  EXPECT_EQ(grid.ColWidth(0), 0);
  EXPECT_EQ(grid.RowBarWidth(), 14);
  EXPECT_FALSE(grid.ColWidthsBusy());
}

TEST(SizeBookkeeping, ANewDefaultHeightReachesRowsWithSettingsOfTheirOwnAndLeavesTheHeadingAlone)
{
  SizedGrid g(3, 4);
  TtsBaseGrid& grid = *g.grid;
  grid.SetRowColor(2, platform::clRed);  // a row object at the default height
  grid.SetRowHeightOf(3, 30);
  grid.SetRowVisible(4, false);
  grid.SetHeadingOn(false);
  g.log.clear();
  grid.SetDefaultRowHeight(20);
  EXPECT_EQ(grid.RowHeight(1), 20);
  EXPECT_EQ(grid.RowHeight(2), 20);
  EXPECT_EQ(grid.RowHeightOf(2), 20);
  EXPECT_EQ(grid.RowHeight(3), 30);
  EXPECT_EQ(grid.RowHeight(4), 0);
  EXPECT_EQ(grid.RowHeightOf(4), 20);
  EXPECT_EQ(grid.RowHeight(0), 0);  // the heading is off, its height kept
  EXPECT_EQ(grid.HeadingHeight(), 15);
  EXPECT_EQ(g.log, std::vector<std::string>{"row resized -1"});
  EXPECT_FALSE(grid.RowHeightsBusy());
}

TEST(SizeBookkeeping, DefaultSizesBelowOneBecomeOne)
{
  for (const int size : {0, -5}) {
    SizedGrid g(3, 3);
    g.grid->SetDefaultRowHeight(size);
    g.grid->SetDefaultColWidth(size);
    EXPECT_EQ(g.grid->DefaultRowHeight(), 1) << size;
    EXPECT_EQ(g.grid->DefaultColWidth(), 1) << size;
    EXPECT_EQ(g.grid->RowHeight(2), 1) << size;
    EXPECT_EQ(g.grid->ColWidth(2), 1) << size;
    EXPECT_EQ(g.grid->RowHeight(0), 15) << size;
    EXPECT_EQ(g.grid->ColWidth(0), 14) << size;
  }
}

TEST(SizeBookkeeping, NarrowerColumnsBringTheTopLeftBackWithinItsLimit)
{
  SizedGrid g(10, 3);
  TtsBaseGrid& grid = *g.grid;
  grid.SetLeftCol(10);
  const int scrolled = grid.LeftCol();
  ASSERT_GT(scrolled, 1);
  g.log.clear();
  grid.SetDefaultColWidth(30);  // all ten columns fit now
  EXPECT_EQ(grid.LeftCol(), 1);
  EXPECT_EQ(g.log, (std::vector<std::string>{"top-left 1,1", "col resized -1"}));
}

TEST(SizeBookkeeping, AColumnNarrowedByProgramBringsTheTopLeftBackWithinItsLimit)
{
  SizedGrid g(10, 3, 300, 200);
  TtsBaseGrid& grid = *g.grid;
  grid.SetLeftCol(10);
  const int scrolled = grid.LeftCol();
  g.log.clear();
  grid.Model().Col(10).SetWidth(4);
  EXPECT_LT(grid.LeftCol(), scrolled);
  EXPECT_EQ(grid.LeftCol(), grid.GetTopLeftLimits().X);
  EXPECT_EQ(g.log, (std::vector<std::string>{"top-left " + Str(grid.LeftCol(), 1), "col resized 10"}));
}

TEST(SizeBookkeeping, TheEditorFollowsItsCellToItsNewPlace)
{
  SizedGrid g(3, 3);
  TtsBaseGrid& grid = *g.grid;
  g.Press(Qt::Key_Right);
  ASSERT_EQ(grid.CurrentDataCol(), 2);
  ASSERT_TRUE(grid.EditorPlaced());
  grid.SetDefaultColWidth(100);
  EXPECT_TRUE(grid.EditorPlaced());
  EXPECT_EQ(grid.ActiveEditor().Left(), grid.CellBounds(2, 1).left() + 3);
  grid.SetRowBarWidth(40);
  EXPECT_EQ(grid.ActiveEditor().Left(), grid.CellBounds(2, 1).left() + 3);
}

TEST(SizeBookkeeping, AnOpenComboListTakesTheWidthItsColumnsNeedNow)
{
  ComboForm f;
  f.Press(Qt::Key_F4);
  ASSERT_TRUE(f.grid->DropDowns().IsComboDroppedDown());
  TtsComboGrid& list = f.grid->DropDowns().GridCombo().ComboGrid();
  const int before = list.width();
  list.SetDefaultColWidth(list.DefaultColWidth() + 50);
  EXPECT_EQ(list.width(), before + 50);
}

TEST(SizeBookkeeping, QuietSizesChangeOnlyWhatIsShownAndAHiddenColumnStaysAtNothing)
{
  SizedGrid g(4, 4);
  TtsBaseGrid& grid = *g.grid;
  g.log.clear();
  EXPECT_TRUE(grid.SetColWidthQuiet(2, 90));
  EXPECT_EQ(grid.ColWidth(2), 90);
  EXPECT_EQ(grid.Model().Col(2).Width(), 64);  // the column's own width stays
  EXPECT_FALSE(grid.SetColWidthQuiet(2, 90));
  EXPECT_TRUE(grid.SetRowHeightQuiet(3, 40));
  EXPECT_EQ(grid.RowHeight(3), 40);
  EXPECT_EQ(g.log, (std::vector<std::string>{"col resized 2", "row resized 3"}));
  grid.Model().Col(4).SetVisible(false);
  grid.SetColWidthQuiet(4, 90);
  EXPECT_EQ(grid.ColWidth(4), 0);
  EXPECT_FALSE(grid.SetColWidthQuiet(9, 90));
  EXPECT_FALSE(grid.ColWidthsBusy());
  EXPECT_FALSE(grid.RowHeightsBusy());
}

TEST(SizeBookkeeping, SizesSetByDisplayPositionGoToTheColumnsAndRowsShownThere)
{
  SizedGrid g(4, 4);
  TtsBaseGrid& grid = *g.grid;
  grid.Model().MoveColumn(4, 1);
  grid.SetColWidth(1, 80);  // data column 4 is shown first
  EXPECT_EQ(grid.Model().Col(4).Width(), 80);
  EXPECT_EQ(grid.ColWidth(1), 80);
  grid.SetColWidth(0, 20);
  EXPECT_EQ(grid.RowBarWidth(), 20);
  grid.SetRowHeight(2, 33);
  EXPECT_EQ(grid.RowHeightOf(2), 33);
  EXPECT_EQ(grid.RowHeight(2), 33);
  grid.SetRowHeight(0, 25);
  EXPECT_EQ(grid.HeadingHeight(), 25);
}

// Top-left changes ------------------------------------------------------------------------------------

TEST(TopLeftChanges, AScrollLetsGoOfTheHotCellButton)
{
  SizedGrid g(3, 20, 300, 120);
  TtsBaseGrid& grid = *g.grid;
  grid.Model().Col(2).SetButtonType(btNormal);
  grid.SetHotButton({2, 1});
  ASSERT_EQ(grid.HotButtonCell, (TGridCoord{2, 1}));
  const QPointF at(50, 50);
  QWheelEvent wheel(at, grid.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&grid, &wheel);
  ASSERT_GT(grid.TopRow(), 1);
  EXPECT_EQ(grid.HotButtonCell, (TGridCoord{-1, -1}));
}

TEST(TopLeftChanges, AScrollIsRememberedUntilTheEditorIsPlacedAgain)
{
  SizedGrid g(3, 20, 300, 120);
  TtsBaseGrid& grid = *g.grid;
  ASSERT_TRUE(grid.EditorPlaced());
  EXPECT_FALSE(grid.ScrolledSinceEditorPlaced());
  grid.SetTopRow(8);  // the current cell leaves the view, and the editor with it
  EXPECT_FALSE(grid.EditorPlaced());
  EXPECT_TRUE(grid.ScrolledSinceEditorPlaced());
  grid.MoveCurrentCell(1, 9);
  EXPECT_TRUE(grid.EditorPlaced());
  EXPECT_FALSE(grid.ScrolledSinceEditorPlaced());
}

// Range selection -------------------------------------------------------------------------------------

// Whether one recorded rectangle holds both cells.
bool OneStripHolds(const std::vector<QRect>& rects, const QRect& a, const QRect& b)
{
  for (const QRect& rect : rects)
    if (rect.contains(a) && rect.contains(b))
      return true;
  return false;
}

TEST(RangeSelectionRepaint, ARowRangeIsRepaintedAsOneStrip)
{
  SizedGrid g(3, 6);
  RecordingGrid& grid = *g.grid;
  grid.invalidated.clear();
  grid.SetRowRangeSelected(2, 4, true);
  EXPECT_EQ(grid.CountSelectedRows(1, 6), 3);
  EXPECT_TRUE(OneStripHolds(grid.invalidated, grid.CellBounds(0, 2), grid.CellBounds(3, 4)));
  grid.invalidated.clear();
  grid.SetRowRangeSelected(3, 5, false);
  EXPECT_EQ(grid.CountSelectedRows(1, 6), 1);
  EXPECT_TRUE(OneStripHolds(grid.invalidated, grid.CellBounds(0, 3), grid.CellBounds(3, 4)));
}

TEST(RangeSelectionRepaint, AColumnRangeIsRepaintedAsOneStripAndReplacesTheRows)
{
  SizedGrid g(4, 3);
  RecordingGrid& grid = *g.grid;
  grid.SetRowRangeSelected(1, 3, true);
  grid.invalidated.clear();
  grid.SelectColRange(2, 4, true);
  EXPECT_EQ(grid.CountSelectedCols(1, 4), 3);
  EXPECT_EQ(grid.CountSelectedRows(1, 3), 0);
  EXPECT_TRUE(OneStripHolds(grid.invalidated, grid.CellBounds(2, 0), grid.CellBounds(4, 3)));
  EXPECT_TRUE(OneStripHolds(grid.invalidated, grid.CellBounds(1, 1), grid.CellBounds(1, 3)));  // the rows gone
}

// Current-cell moves ----------------------------------------------------------------------------------

TEST(CurrentCellReload, TheComboListLoadsAgainWhenTheCurrentCellComesBack)
{
  ComboForm f;
  int inits = 0;
  f.grid->DropDowns().OnComboInit = [&](TtsBaseGrid&, TtsCombo&, int, int) { ++inits; };
  f.Press(Qt::Key_F4);
  ASSERT_TRUE(f.grid->DropDowns().IsComboDroppedDown());
  EXPECT_EQ(inits, 1);
  f.Press(Qt::Key_Escape);
  f.Press(Qt::Key_Down);
  f.Press(Qt::Key_Up);
  ASSERT_EQ(f.grid->CurrentDataRow(), 2);
  f.Press(Qt::Key_F4);
  EXPECT_EQ(inits, 2);
}

TEST(CurrentCellReload, AnUndoHandlerMayDropTheRowItUndoesWithoutEndingTheEditOrTouchingOtherRows)
{
  SizedGrid g(2, 4);
  TtsBaseGrid& grid = *g.grid;
  grid.OnEndCellEdit = [&](TtsBaseGrid&, int, int, bool&) { g.log.push_back("end cell"); };
  grid.OnEndRowEdit = [&](TtsBaseGrid&, int, bool&) { g.log.push_back("end row"); };
  grid.OnUndoRowEdit = [&](TtsBaseGrid& sender, int row, bool, bool&) {
    g.log.push_back("undo row " + std::to_string(row));
    sender.SetRows(3);
  };
  grid.MoveCurrentCell(1, 4);
  testing_support::TypeText(g.Target(), "x");
  ASSERT_TRUE(grid.CellEditing());
  testing_support::PressKey(g.Target(), Qt::Key_Escape);
  EXPECT_EQ(g.log, std::vector<std::string>{"undo row 4"});
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.CurrentDataRow(), 3);
  EXPECT_EQ(grid.Cell(1, 3).AsString(), "1,3");
  EXPECT_EQ(grid.Cell(2, 3).AsString(), "2,3");
  EXPECT_FALSE(grid.RowEditing());
}

}  // namespace
}  // namespace grid
