// The grid's press paths beyond the plain ones: a combo button held and dragged into its open list,
// heading hits, the cell-button timer around a press, a drag and drop begun from the selection, the
// press at design time, the focus arriving and leaving, and the objects behind a cell.

#include "grid/dropdown/CellButtons.h"
#include "grid/editor/CellEditorAdapters.h"
#include "platform/DragDrop.h"
#include "ComboFixture.h"
#include "MouseFixture.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace grid {
namespace {

// A point of the list in the owner grid's coordinates, where the owner's moves arrive.
QPoint ListPointInGrid(const TtsBaseGrid& owner, const TtsBaseGrid& list, int dataRow)
{
  const QPoint at = list.CellBounds(1, list.DisplayRowOfData(dataRow)).center();
  return owner.mapFromGlobal(list.mapToGlobal(at));
}

QPoint ComboButton(const TtsBaseGrid& g, int displayCol, int displayRow)
{
  return {ColLeft(g, displayCol) + g.ColWidth(displayCol) - 4, RowTop(g, displayRow) + 4};
}

struct HeldComboButton : ComboFixture {
  HeldComboButton()
  {
    drops().SetScreenSize({4000, 4000});
    button = ComboButton(grid, grid.Model().DisplayColOf(2), grid.DisplayRowOfData(2));
    Press(grid, button);
  }
  QPoint button;
};

// Dragging from a combo button into its list ------------------------------------------------------------

TEST(GridComboDrag, TheHeldButtonHandsThePressToTheListAndTheRowUnderTheReleaseIsChosen)
{
  HeldComboButton f;
  ASSERT_TRUE(f.drops().IsComboDroppedDown());
  TtsComboGrid& list = f.working();
  EXPECT_TRUE(list.MouseState().CaptureHandOver);
  EXPECT_TRUE(list.MouseState().AutoscrollBlocked);
  // Over the cell itself the button stays held.
  MoveTo(f.grid, f.button - QPoint(1, 0));
  EXPECT_EQ(f.grid.MouseStatus(), msCellButton);

  MoveTo(f.grid, ListPointInGrid(f.grid, list, 3));
  EXPECT_EQ(f.grid.MouseStatus(), msNone);
  EXPECT_FALSE(f.grid.CellButtonPressed);
  EXPECT_EQ(f.grid.HotButtonCell, (TGridCoord{f.grid.Model().CurrentDisplayCol(), f.grid.Model().CurrentDisplayRow()}));
  EXPECT_EQ(list.MouseStatus(), msRowSelect);
  EXPECT_TRUE(list.MouseCapture());
  EXPECT_FALSE(list.MouseState().CaptureHandOver);
  EXPECT_FALSE(list.MouseState().AutoscrollBlocked);  // the pointer is over its rows
  EXPECT_EQ(list.CurrentDataRow(), 3);

  MoveTo(f.grid, ListPointInGrid(f.grid, list, 4));
  EXPECT_EQ(list.CurrentDataRow(), 4);
  Release(f.grid, ListPointInGrid(f.grid, list, 4));
  EXPECT_EQ(f.EditorText(), "Charlie");
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
  EXPECT_FALSE(list.MouseCapture());
  EXPECT_EQ(list.MouseStatus(), msNone);
}

TEST(GridComboDrag, ReleasedOffTheListsRowsTheListClosesWithoutAChoice)
{
  HeldComboButton f;
  TtsComboGrid& list = f.working();
  const std::string before = f.EditorText();
  MoveTo(f.grid, ListPointInGrid(f.grid, list, 2));
  EXPECT_TRUE(list.Model().RowSelection().Selected(list.DisplayRowOfData(2)));
  // Beside the list the row is no longer selected; back over it, it is again.
  const QPoint beside = ListPointInGrid(f.grid, list, 2) + QPoint(list.width(), 0);
  MoveTo(f.grid, beside);
  EXPECT_FALSE(list.Model().RowSelection().Selected(list.DisplayRowOfData(2)));
  MoveTo(f.grid, ListPointInGrid(f.grid, list, 2));
  EXPECT_TRUE(list.Model().RowSelection().Selected(list.DisplayRowOfData(2)));
  MoveTo(f.grid, beside);
  Release(f.grid, beside);
  EXPECT_EQ(f.EditorText(), before);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(GridComboDrag, AReleaseOnTheButtonLeavesTheListOpenAndAPressInItChoosesAsBefore)
{
  HeldComboButton f;
  Release(f.grid, f.button);
  ASSERT_TRUE(f.drops().IsComboDroppedDown());
  TtsComboGrid& list = f.working();
  const QPointF row3 = list.CellBounds(1, list.DisplayRowOfData(3)).center();
  Press(list, row3.toPoint());
  EXPECT_FALSE(list.MouseState().CaptureHandOver);  // the press is the list's own
  Release(list, row3.toPoint());
  EXPECT_EQ(f.EditorText(), "Bravo");
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(GridComboDrag, AListWithItsOwnClickCellHandlerKeepsItsClicks)
{
  ComboFixture f;
  f.drops().OpenComboDropDown(2, 2);
  TtsComboGrid& list = f.working();
  std::vector<int> rows;
  list.OnClickCell = [&](TtsBaseGrid&, int, int rowDown, int, int, TtsClickPosition, TtsClickPosition) {
    rows.push_back(rowDown);
  };
  const std::string before = f.EditorText();
  Click(list, list.CellBounds(1, list.DisplayRowOfData(3)).center());
  EXPECT_EQ(rows, (std::vector<int>{3}));
  EXPECT_TRUE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(f.EditorText(), before);
  list.OnClickCell = nullptr;
  Click(list, list.CellBounds(1, list.DisplayRowOfData(3)).center());
  EXPECT_EQ(f.EditorText(), "Bravo");
}

TEST(GridComboDrag, APressOnTheGridOffTheOpenCellClosesTheList)
{
  ComboFixture f;
  auto center = [&](int col, int row) { return f.grid.CellBounds(col, row).center(); };
  const QPoint points[] = {center(0, 3), center(1, 0), center(3, 4), {5, f.grid.height() - 2}};
  for (const QPoint& at : points) {
    f.drops().OpenComboDropDown(2, 2);
    Click(f.grid, at);
    EXPECT_FALSE(f.drops().IsComboDroppedDown()) << at.x() << "," << at.y();
  }
}

// Heading hits ---------------------------------------------------------------------------------------------

TEST(GridHeadingHits, AButtonIsHitInItsTopFourteenPixelsAndAPressableHeadingAnywhere)
{
  MouseGrid g;
  g.SetHeadingHeight(30);
  g.Model().Col(3).SetHeading("Three");
  g.Model().Col(3).SetHeadingButton(cbButton);
  g.Model().Col(4).SetHeadingButton(cbCell);
  const TtsCellPaintInfo info = g.GetCellPaintInfo(3, 0, true);
  ASSERT_TRUE(info.HasButton);
  const platform::TRect b = info.ButtonRect;
  ASSERT_GT(b.Bottom, b.Top + 14);
  const struct {
    int x, y, col;
    bool hit, press;
  } cases[] = {
      {b.Left, b.Top, 3, true, true},
      {b.Right - 1, b.Top + 13, 3, true, true},
      {b.Right, b.Top, 3, false, false},
      {b.Left, b.Top + 14, 3, false, false},
      {ColLeft(g, 4) + 1, 29, 4, false, true},  // a heading acting as a button
      {ColLeft(g, 4) + 1, 31, 4, false, false},
      {ColLeft(g, 2) + 1, 5, 2, false, false},
      {5, 5, 9, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(g.HitHeadingButton(c.x, c.y, c.col), c.hit) << c.x << "," << c.y;
    EXPECT_EQ(g.CanPressHeading(c.x, c.y, c.col), c.press) << c.x << "," << c.y;
  }
  // Not on a selected heading, nor while another heading is held.
  g.SelectCols(3, 3);
  EXPECT_FALSE(g.CanPressHeading(b.Left, b.Top, 3));
  g.UnselectAllCols();
  g.PressedHeadingCol = 4;
  EXPECT_FALSE(g.CanPressHeading(b.Left, b.Top, 3));
}

// The cell-button timer around a press -------------------------------------------------------------------

TEST(GridPressTimer, TheHoverTimerWaitsDuringAPressAndRunsOnUnlessThePressHoldsTheMouse)
{
  MouseGrid g;
  TestClock clock;
  g.SetTimerClock(&clock);
  g.Model().Col(3).SetButtonType(btNormal);
  const QPoint button = ComboButton(g, 3, 4);
  Send(g, QEvent::MouseMove, button, Qt::NoButton, Qt::NoButton);  // a flat button lights up
  ASSERT_TRUE(clock.Running(kButtonHoverTimer));
  clock.timers[kButtonHoverTimer].Due = 1000;
  Press(g, g.Center(5, 5), Qt::NoModifier, Qt::RightButton);
  EXPECT_TRUE(clock.Running(kButtonHoverTimer));
  EXPECT_EQ(clock.timers[kButtonHoverTimer].Due, kButtonHoverInterval);  // started again
  Release(g, g.Center(5, 5), Qt::RightButton);

  Send(g, QEvent::MouseMove, button, Qt::NoButton, Qt::NoButton);
  ASSERT_TRUE(clock.Running(kButtonHoverTimer));
  Press(g, g.Center(5, 5));
  EXPECT_FALSE(clock.Running(kButtonHoverTimer));  // a left press holds the mouse
  Release(g, g.Center(5, 5));
  g.SetTimerClock(nullptr);
}

// A drag and drop begun from the selection ------------------------------------------------------------

TEST(GridDragStart, ADragBegunByOnCanStartDragEndsThePressWithoutMouseDown)
{
  MouseGrid g;
  Click(g, g.Center(0, 3));  // selects row 3
  ASSERT_TRUE(g.InDragArea(3, 3));  // a cell of the selected row
  int downs = 0;
  g.OnMouseDown = [&](TtsBaseGrid&, platform::TMouseButton, platform::TShiftState, int, int) { ++downs; };
  g.OnCanStartDrag = [](TtsBaseGrid& sender) { platform::BeginDrag(sender); };
  Press(g, g.Center(3, 3));
  EXPECT_TRUE(platform::Dragging());
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(g.MouseStatus(), msNone);
  int clicks = 0;
  g.OnClick = [&](TtsBaseGrid&) { ++clicks; };
  Release(g, g.Center(3, 5));  // the release belongs to the drag
  EXPECT_EQ(clicks, 0);
  platform::CancelDrag();
  EXPECT_EQ(g.Model().RowSelection().Count(), 1);

  // Without a drag the press goes on as usual.
  g.OnCanStartDrag = nullptr;
  Press(g, g.Center(3, 3));
  EXPECT_EQ(downs, 1);
  Release(g, g.Center(3, 3));
}

// Design time --------------------------------------------------------------------------------------------

TEST(GridDesignPress, APressMovesTheCurrentCellAndFiresItsEventsButSelectsNothing)
{
  MouseGrid g;
  g.Model().Designing = true;
  std::vector<std::string> log;
  g.OnMouseDown = [&](TtsBaseGrid&, platform::TMouseButton, platform::TShiftState, int, int) { log.push_back("down"); };
  g.OnDblClick = [&](TtsBaseGrid&) { log.push_back("double"); };
  g.OnClickCell = [&](TtsBaseGrid&, int, int, int, int, TtsClickPosition, TtsClickPosition) { log.push_back("cell"); };
  Click(g, g.Center(3, 4));
  EXPECT_EQ(g.Model().CurrentDisplayCol(), 3);
  EXPECT_EQ(g.Model().CurrentDisplayRow(), 4);
  Click(g, g.Center(0, 2));
  EXPECT_EQ(g.Model().RowSelection().Count(), 0);
  EXPECT_EQ(g.MouseStatus(), msNone);
  Send(g, QEvent::MouseButtonDblClick, g.Center(3, 4), Qt::LeftButton, Qt::LeftButton);
  Release(g, g.Center(3, 4));
  EXPECT_EQ(log, (std::vector<std::string>{"down", "down", "double", "down"}));

  // A border still starts a resize.
  Press(g, {g.Right(2), 5});
  EXPECT_EQ(g.MouseStatus(), msColResize);
  MoveTo(g, {g.Right(2) + 10, 5});
  Release(g, {g.Right(2) + 10, 5});
  EXPECT_EQ(g.ColWidth(2), 74);
}

// Focus ----------------------------------------------------------------------------------------------------

struct FocusWindow {
  FocusWindow()
  {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(&grid);
    layout->addWidget(&other);
    grid.SetCols(3);
    grid.SetRows(3);
    grid.SetStoreData(true);
    window.show();
    QApplication::setActiveWindow(&window);
    other.setFocus();
    QApplication::processEvents();
    grid.OnEnter = [this](TtsBaseGrid&) { log.push_back("enter"); };
    grid.OnExit = [this](TtsBaseGrid&) { log.push_back("exit"); };
  }
  QWidget window;
  TtsGrid grid;
  QLineEdit other;
  std::vector<std::string> log;
};

TEST(GridFocus, EnterAndExitFireOnceAsTheFocusComesAndGoesAndTheEditorCountsAsTheGrid)
{
  FocusWindow w;
  w.grid.setFocus();
  QApplication::processEvents();
  w.other.setFocus();
  QApplication::processEvents();
  w.grid.ActiveEditor().Window().setFocus();
  QApplication::processEvents();
  w.grid.setFocus();
  QApplication::processEvents();
  EXPECT_EQ(w.log, (std::vector<std::string>{"enter", "exit", "enter"}));
}

TEST(GridFocus, ARefusedEndOfTheCellEditKeepsTheFocusAndFiresNoExit)
{
  FocusWindow w;
  bool refuse = true;
  w.grid.OnEndCellEdit = [&](TtsBaseGrid&, int, int, bool& cancel) { cancel = refuse; };
  w.grid.setFocus();
  QApplication::processEvents();
  w.grid.SetCurrentDataCol(2);
  w.grid.StartEdit();
  ASSERT_TRUE(w.grid.CellEditing());
  w.other.setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(w.grid.CellEditing());
  EXPECT_EQ(w.log, (std::vector<std::string>{"enter"}));
  EXPECT_NE(QApplication::focusWidget(), &w.other);

  refuse = false;
  w.other.setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(w.grid.CellEditing());
  EXPECT_EQ(w.log.back(), "exit");
}

// The objects behind a cell -----------------------------------------------------------------------------

TEST(GridCellObjects, TheEditorOfAControlTypeAndOneButtonObjectPerKind)
{
  MouseGrid g;
  EXPECT_EQ(&g.GetGridControl(ctText), static_cast<TtsCustomGridControl*>(&g.TextEditor()));
  EXPECT_EQ(&g.GetGridControl(ctCheck), static_cast<TtsCustomGridControl*>(&g.CheckEditor()));
  EXPECT_EQ(&g.GetGridControl(ctPicture), &g.GetGridControl(ctPicture));
  EXPECT_NE(&g.GetGridControl(ctPicture), &g.GetGridControl(ctNone));
  EXPECT_EQ(&g.GetGridControl(ctNone), &g.GetGridControl(ctDefault));

  EXPECT_EQ(g.GetCellButton(2, 2), nullptr);  // no button, and none used before
  g.Model().Col(2).SetButtonType(btCombo);
  g.Model().Col(3).SetButtonType(btVertSpin);
  TtsCustomButton* combo = g.GetCellButton(2, 2);
  ASSERT_NE(dynamic_cast<TtsComboButton*>(combo), nullptr);
  EXPECT_EQ(combo->Width(), g.DefaultButtonWidth);
  EXPECT_EQ(combo->Height(), g.DefaultButtonHeight);
  EXPECT_EQ(g.GetCellButton(2, 5), combo);
  TtsCustomButton* spin = g.GetCellButton(3, 2);
  ASSERT_NE(dynamic_cast<TtsVertSpinButton*>(spin), nullptr);
  EXPECT_EQ(spin->Width(), g.SpinButtonWidth);
  EXPECT_EQ(g.GetCellButton(4, 2), spin);  // no button: the last object used
}

}  // namespace
}  // namespace grid
