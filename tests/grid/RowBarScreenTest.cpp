// What reaches the screen of the row bar when the mouse moves the current row: the arrow leaves the
// old row and shows on the new one at once, as a full repaint draws them.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "tests/grid/ShownGrid.h"
#include "tests/support/MouseInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>

namespace grid {
namespace {

using testing_support::Drag;
using testing_support::MoveHeldTo;
using testing_support::PressAt;
using testing_support::ReleaseAt;

QImage Repainted(QWidget& grid) { return grid.grab().toImage().convertToFormat(QImage::Format_RGB32); }

struct TRowBarMove {
  const char* Name;
  TtsRowSelectMode Mode;
  std::function<void(TtsGrid&)> Run;  // ends with the current cell on row 11
};

void PrintTo(const TRowBarMove& move, std::ostream* out) { *out << move.Name; }

// Whether the screen shows the row bar cells of the rows as a full repaint draws them.
::testing::AssertionResult RowBarShownAsRepainted(TtsGrid& grid, std::initializer_list<int> rows)
{
  const QImage shown = OnScreen(grid);
  const QImage full = Repainted(grid);
  for (const int row : rows) {
    const QRect bar = grid.CellBounds(0, row);
    if (bar.isEmpty())
      return ::testing::AssertionFailure() << "row " << row << " is not showing";
    if (shown.copy(bar) != full.copy(bar))
      return ::testing::AssertionFailure() << "the screen shows a stale row bar on row " << row;
  }
  return ::testing::AssertionSuccess();
}

QPointF Center(const TtsGrid& g, int col, int row)
{
  return QPointF(ColLeft(g, col) + g.ColWidth(col) / 2.0, RowTop(g, row) + g.RowHeight(row) / 2.0);
}

class RowBarScreen : public ::testing::TestWithParam<TRowBarMove> {};

TEST_P(RowBarScreen, TheArrowLeavesTheOldRowAndShowsOnTheNewOneAtOnce)
{
  QWidget form;
  QLineEdit* after = nullptr;
  TtsGrid* grid = PlaceGridAboveEdit(form, after);
  grid->SetCols(3);
  grid->SetRows(15);
  grid->SetRowSelectMode(GetParam().Mode);
  ShowFocused(form, *grid, 400, 24 * grid->DefaultRowHeight());
  ASSERT_TRUE(grid->RowBarOn());
  ASSERT_LT(RowTop(*grid, 11) + grid->RowHeight(11), grid->ClientHeight());
  const int oldRow = grid->Model().CurrentDisplayRow();
  ASSERT_EQ(oldRow, 1);
  ASSERT_TRUE(RowBarShownAsRepainted(*grid, {oldRow, 11}));

  GetParam().Run(*grid);
  ASSERT_EQ(grid->Model().CurrentDisplayRow(), 11);

  EXPECT_TRUE(RowBarShownAsRepainted(*grid, {oldRow, 11}));
}

const TRowBarMove kMoves[] = {
    {"CellClick", rsMulti, [](TtsGrid& g) { testing_support::ClickAt(g, Center(g, 2, 11)); }},
    {"CellDrag", rsMulti, [](TtsGrid& g) { Drag(g, Center(g, 2, 11), Center(g, 3, 11)); }},
    {"RowBarClick", rsNone, [](TtsGrid& g) { testing_support::ClickAt(g, Center(g, 0, 11)); }},
    {"RowBarSelect", rsMulti, [](TtsGrid& g) { testing_support::ClickAt(g, Center(g, 0, 11)); }},
    {"RowBarDragSingle", rsSingle,
     [](TtsGrid& g) {
       PressAt(g, Center(g, 0, 4));
       MoveHeldTo(g, Center(g, 0, 8));
       MoveHeldTo(g, Center(g, 0, 11));
       ReleaseAt(g, Center(g, 0, 11));
     }},
};

INSTANTIATE_TEST_SUITE_P(MouseMoves, RowBarScreen, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace grid
