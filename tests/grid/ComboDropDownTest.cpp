// Combo cells: the list that drops down under the cell, where it goes on the screen, what closes it,
// the row chosen in it, its size, and the keyboard search and auto-fill.
#include "ComboFixture.h"

#include "tests/support/KeyInput.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

using namespace grid;
using testing_support::TypeText;

QPoint Global(const QWidget& widget, QPoint at) { return widget.mapToGlobal(at); }

// A click on the cell whose list is open, where its editor lies: the one press on the grid that
// leaves the list open.
void ClickDroppedDownCell(ComboFixture& f) { testing_support::Click(f.editor->Window()); }

TEST(ComboSearch, ListStyleKeysFindTheNextValueWithTheLetterAndWrap)
{
  ComboFixture f(ddDropDownList, false);
  TypeText(f.editor->Window(), "b");
  EXPECT_EQ(f.EditorText(), "Beta");
  TypeText(f.editor->Window(), "b");
  EXPECT_EQ(f.EditorText(), "Bravo");
  TypeText(f.editor->Window(), "b");
  EXPECT_EQ(f.EditorText(), "Beta");
  TypeText(f.editor->Window(), "c");
  EXPECT_EQ(f.EditorText(), "Charlie");
  EXPECT_EQ(f.working().CurrentDataRow(), 4);
}

TEST(ComboSearch, SortedListsSearchIncrementallyForTwoSeconds)
{
  ComboFixture f(ddDropDownList, true);
  TypeText(f.editor->Window(), "b");
  EXPECT_EQ(f.EditorText(), "Beta");
  f.now += 500;
  TypeText(f.editor->Window(), "r");
  EXPECT_EQ(f.EditorText(), "Bravo");
  EXPECT_EQ(f.drops().ComboSearchText(), "br");

  // No value begins with "brc": nothing found, the search text stays.
  f.now += 500;
  TypeText(f.editor->Window(), "c");
  EXPECT_EQ(f.EditorText(), "Bravo");
  EXPECT_EQ(f.drops().ComboSearchText(), "br");

  // After two seconds the search starts again.
  f.now += 2000;
  TypeText(f.editor->Window(), "c");
  EXPECT_EQ(f.EditorText(), "Charlie");
  EXPECT_EQ(f.drops().ComboSearchText(), "c");

  // Escape (from the grid's key handling) clears the search text.
  EXPECT_TRUE(f.drops().ComboCellKey(27));
  EXPECT_EQ(f.drops().ComboSearchText(), "");
}

TEST(ComboSearch, TheSearchTextStartsAgainInAnotherCell)
{
  ComboFixture f(ddDropDownList, true);
  TypeText(f.editor->Window(), "b");
  EXPECT_EQ(f.drops().ComboSearchText(), "b");
  f.grid.SetCurrentDataRow(3);
  f.AttachEditor(false);
  TypeText(f.editor->Window(), "c");
  EXPECT_EQ(f.EditorText(), "Charlie");
  EXPECT_EQ(f.drops().ComboSearchText(), "c");
}

TEST(ComboSearch, ABAndCWithinTwoSecondsFindsNothingAndKeepsB)
{
  ComboFixture f(ddDropDownList, true);
  TypeText(f.editor->Window(), "bc");
  EXPECT_EQ(f.EditorText(), "Beta");
  EXPECT_EQ(f.drops().ComboSearchText(), "b");
}

TEST(ComboSearch, FindComboRowCases)
{
  ComboFixture f(ddDropDownList, true);
  TtsComboGrid& list = *f.list;
  const TtsComboSearch search(list, {});
  struct Case {
    bool sorted;
    const char* text;
    bool whole;
    int row;
    bool found;
  } cases[] = {
      {true, "br", true, 3, true},   {true, "BR", true, 3, true},  {true, "bz", true, 3, false},
      {true, "a", true, 1, true},    {true, "zz", true, 4, false}, {true, "charlie", true, 4, true},
      {false, "b", false, 2, true},  {false, "ch", false, 4, true}, {false, "Bravos", false, 3, true},
      {false, "x", false, 0, false},
  };
  for (const Case& c : cases) {
    list.ValueColSorted = c.sorted;
    list.SetCurrentDataRow(0);
    bool found = false;
    const int row = search.FindComboRow(c.text, c.whole, found);
    EXPECT_EQ(found, c.found) << c.text;
    if (c.found || c.sorted) {
      EXPECT_EQ(row, c.row) << c.text;
    }
  }
  list.CompareType = ctCaseSensitive;
  list.ValueColSorted = false;
  bool found = true;
  search.FindComboRow("br", false, found);
  EXPECT_FALSE(found);
}

TEST(ComboSearch, CompareTextTreatsLengthZeroByEmptiness)
{
  EXPECT_EQ(CompareTextNoCase("", "", 0), 0);
  EXPECT_GT(CompareTextNoCase("a", "", 0), 0);
  EXPECT_LT(CompareTextCase("", "a", 0), 0);
  EXPECT_EQ(CompareTextNoCase("ABc", "abD", 2), 0);
  EXPECT_NE(CompareTextCase("ABc", "abD", 2), 0);
  EXPECT_EQ(CompareTextNoCase("\xC4rger", "\xE4RGER", 5), 0);  // Latin-1 letters fold too
}

TEST(ComboSearch, AsCenterPutsTheFoundRowInTheMiddleLine)
{
  ComboFixture f(ddDropDownList, false);
  TtsComboGrid& list = *f.list;
  list.SetRows(20);
  for (int r = 5; r <= 20; ++r)
    list.SetCell(1, r, TtsCellValue("Item " + std::to_string(r)));
  list.AutoSearch = asCenter;
  list.SetDropDownRows(7);
  f.drops().OpenComboDropDown(2, 2);
  f.drops().ShowComboRow(12);
  EXPECT_EQ(f.working().TopRow(), f.working().DisplayRowOfData(12) - 3);
}

TEST(ComboAutoFill, TypedTextIsCompletedWithTheRestSelected)
{
  ComboFixture f(ddDropDown, false);
  f.list->SetAutoFill(true);
  TypeText(f.editor->Window(), "br");
  EXPECT_EQ(f.EditorText(), "Bravo");
  EXPECT_EQ(f.editor->SelStart(), 2);
  EXPECT_EQ(f.editor->SelLength(), 3);
}

TEST(ComboAutoFill, WithoutCaseConversionTheTypedPartKeepsItsCase)
{
  for (const TtsConvertCase convert : {afcOnExit, afcNone}) {
    ComboFixture f(ddDropDown, false);
    f.list->SetAutoFill(true);
    f.list->AutoFillConvertCase = convert;
    TypeText(f.editor->Window(), "BR");
    EXPECT_EQ(f.EditorText(), "BRavo");
    EXPECT_EQ(f.editor->SelLength(), 3);
  }
}

TEST(ComboAutoFill, ACaseOnlyDifferenceChangesOnEditWithAfcOnEditAndOnExitWithAfcOnExit)
{
  {
    ComboFixture f(ddDropDown, false);
    f.list->SetAutoFill(true);
    f.editor->SetValue(TtsCellValue("bravo"));
    f.drops().ComboCellEdited();
    EXPECT_EQ(f.EditorText(), "Bravo");
  }
  {
    ComboFixture f(ddDropDown, false);
    f.list->SetAutoFill(true);
    f.list->AutoFillConvertCase = afcOnExit;
    f.editor->SetValue(TtsCellValue("bravo"));
    f.drops().ComboCellEdited();
    EXPECT_EQ(f.EditorText(), "bravo");
    f.editor->SetValue(TtsCellValue("bra"));
    f.drops().AutoFillOnExit();  // differs by more than case: left alone
    EXPECT_EQ(f.EditorText(), "bra");
    f.editor->SetValue(TtsCellValue("bravo"));
    f.drops().AutoFillOnExit();
    EXPECT_EQ(f.EditorText(), "Bravo");
  }
}

TEST(ComboAutoFill, SettingAutoFillTurnsTheSearchOnExceptWhileLoading)
{
  ComboFixture f;
  TtsComboGrid& list = *f.list;
  list.AutoSearch = asNone;
  list.SetLoading(true);
  list.SetAutoFill(true);
  EXPECT_EQ(list.AutoSearch, asNone);
  list.SetLoading(false);
  list.SetAutoFill(false);
  list.SetAutoFill(true);
  EXPECT_EQ(list.AutoSearch, asTop);
}

// Opening, placement and closing -------------------------------------------------------------------------

TEST(ComboDropDown, OpensBelowTheCellAndFiresItsEvents)
{
  ComboFixture f;
  std::vector<std::string> events;
  f.drops().OnComboDropDown = [&](TtsBaseGrid&, TtsCombo&, int c, int r) {
    events.push_back("down " + std::to_string(c) + "," + std::to_string(r));
  };
  f.drops().OnComboRollUp = [&](TtsBaseGrid&, TtsCombo&, int c, int r) {
    events.push_back("up " + std::to_string(c) + "," + std::to_string(r));
  };
  f.drops().SetScreenSize({2000, 2000});
  f.drops().ToggleComboDropDown(2, 2);
  ASSERT_TRUE(f.drops().IsComboDroppedDown());
  EXPECT_TRUE(DropDownHooksInstalled());
  const QRect cell = f.grid.CellBounds(f.grid.Model().DisplayColOf(2), f.grid.DisplayRowOfData(2));
  const QPoint cellAt = Global(f.grid, cell.topLeft());
  const QRect form = f.drops().ComboDropDownForm().geometry();
  EXPECT_EQ(form.topLeft(), QPoint(cellAt.x(), cellAt.y() + cell.height()));  // wider than the cell
  EXPECT_EQ(form.size(), f.working().size());
  EXPECT_EQ(f.drops().DropDownCell(), QPoint(2, 2));

  f.drops().ToggleComboDropDown(2, 2);  // the same cell's button again
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
  EXPECT_FALSE(DropDownHooksInstalled());
  EXPECT_EQ(events, (std::vector<std::string>{"down 2,2", "up 2,2"}));
  EXPECT_EQ(f.drops().DropDownCell(), QPoint(-1, -1));
  EXPECT_FALSE(f.drops().CloseComboDropDown(false, false));  // closing a closed list answers false
}

TEST(ComboDropDown, ANarrowerListEndsAtTheCellsRightEdge)
{
  ComboFixture f;
  f.grid.Model().Col(2).SetWidth(200);
  f.drops().SetScreenSize({2000, 2000});
  f.drops().OpenComboDropDown(2, 2);
  const QRect cell = f.grid.CellBounds(f.grid.Model().DisplayColOf(2), f.grid.DisplayRowOfData(2));
  const QRect form = f.drops().ComboDropDownForm().geometry();
  ASSERT_LT(form.width(), 200);
  EXPECT_EQ(form.left() + form.width(), Global(f.grid, cell.topLeft()).x() + 200);
}

TEST(ComboDropDown, AtTheScreensBottomTheListOpensAboveTheCell)
{
  ComboFixture f;
  f.window.move(300, 400);
  const int displayRow = f.grid.DisplayRowOfData(2);
  const QRect cell = f.grid.CellBounds(f.grid.Model().DisplayColOf(2), displayRow);
  const QPoint cellAt = Global(f.grid, cell.topLeft());
  const int cellTop = cellAt.y() + cell.height() + f.grid.HorzLineWidth() - f.grid.Model().RowHeight(displayRow);
  f.drops().SetScreenSize({cellAt.x() + 2000, cellAt.y() + cell.height() + 20});
  f.drops().OpenComboDropDown(2, 2);
  const QRect form = f.drops().ComboDropDownForm().geometry();
  EXPECT_GT(form.top(), 0);
  EXPECT_EQ(form.top() + form.height(), cellTop);
}

TEST(ComboDropDown, PlacementCases)
{
  struct Case {
    QPoint point;
    QSize size;
    int cellTop;
    QPoint placed;
  } cases[] = {
      {{10, 100}, {50, 40}, 80, {10, 100}},     // fits below
      {{10, 190}, {50, 40}, 170, {10, 130}},    // above the cell
      {{10, 190}, {50, 400}, 170, {10, 0}},     // never above the top
      {{180, 10}, {50, 40}, 0, {150, 10}},      // moved left to the right edge
      {{180, 10}, {500, 40}, 0, {0, 10}},       // never left of the edge
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceBelowCell(c.point, c.size, c.cellTop, {200, 200}), c.placed);
  EXPECT_EQ(CentreOnScreen({51, 40}, {200, 201}), QPoint(74, 80));
  EXPECT_EQ(CentreOnScreen({300, 250}, {200, 201}), QPoint(0, 0));  // its caption stays on the screen
}

TEST(ComboDropDown, StaysOpenOnAClickOnItsEditorAndClosesOnAClickOutside)
{
  ComboFixture f;
  QWidget other;
  other.resize(50, 50);
  other.show();
  int rollUps = 0;
  f.drops().OnComboRollUp = [&](TtsBaseGrid&, TtsCombo&, int, int) { ++rollUps; };
  f.drops().OpenComboDropDown(2, 2);
  ClickDroppedDownCell(f);
  EXPECT_TRUE(f.drops().IsComboDroppedDown());
  testing_support::Click(other);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(rollUps, 1);
  EXPECT_FALSE(DropDownHooksInstalled());
}

TEST(ComboDropDown, ActivatingAnotherWindowClosesIt)
{
  ComboFixture f;
  QWidget other;
  other.show();
  f.drops().OpenComboDropDown(2, 2);
  QEvent activation(QEvent::ActivationChange);
  QApplication::sendEvent(&other, &activation);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(ComboDropDown, AClickOnTheLastRegisteredGridClosesNothing)
{
  ComboFixture first;
  ComboFixture second;
  first.drops().OpenComboDropDown(2, 2);
  second.drops().OpenComboDropDown(2, 2);
  EXPECT_EQ(DropDownGrids().size(), 2u);
  ClickDroppedDownCell(second);
  EXPECT_TRUE(first.drops().IsComboDroppedDown());
  EXPECT_TRUE(second.drops().IsComboDroppedDown());
  ClickDroppedDownCell(first);  // the second closes, the walk stops at the first
  EXPECT_TRUE(first.drops().IsComboDroppedDown());
  EXPECT_FALSE(second.drops().IsComboDroppedDown());
  first.drops().CloseDropDowns(false);
  EXPECT_FALSE(DropDownHooksInstalled());
}

TEST(ComboDropDown, ARollUpHandlerThatDestroysAnotherOpenGridEndsThePressCleanly)
{
  auto first = std::make_unique<ComboFixture>();
  ComboFixture second;
  QWidget other;
  other.show();
  first->drops().OpenComboDropDown(2, 2);
  second.drops().OpenComboDropDown(2, 2);
  second.drops().OnComboRollUp = [&](TtsBaseGrid&, TtsCombo&, int, int) { first.reset(); };
  testing_support::Click(other);
  EXPECT_FALSE(second.drops().IsComboDroppedDown());
  EXPECT_EQ(first, nullptr);
  EXPECT_FALSE(DropDownHooksInstalled());
}

TEST(ComboDropDown, RegisteringTwiceNeedsTwoUnregisters)
{
  struct Owner : TtsDropDownOwner {
    bool OwnsDropDownWindow(const QWidget*) const override { return false; }
    void CloseDropDownsFromHook() override {}
    bool IgnoredByDropDownHooks() const override { return false; }
  } owner;
  RegisterDropDownGrid(owner);
  RegisterDropDownGrid(owner);
  UnregisterDropDownGrid(owner);
  EXPECT_TRUE(DropDownHooksInstalled());
  UnregisterDropDownGrid(owner);
  EXPECT_FALSE(DropDownHooksInstalled());
}

TEST(ComboDropDown, AGridDestroyedWithItsListOpenLeavesNoHook)
{
  {
    ComboFixture f;
    f.drops().OpenComboDropDown(2, 2);
    EXPECT_TRUE(DropDownHooksInstalled());
  }
  EXPECT_FALSE(DropDownHooksInstalled());
  EXPECT_TRUE(DropDownGrids().empty());
}

// Choosing a row ---------------------------------------------------------------------------------------------

TEST(ComboDropDown, AChosenRowBecomesTheCellsValueWithTheTextSelected)
{
  ComboFixture f(ddDropDown);
  int rollUps = 0;
  f.drops().OnComboRollUp = [&](TtsBaseGrid&, TtsCombo&, int, int) { ++rollUps; };
  f.drops().OpenComboDropDown(2, 2);
  f.working().SetCurrentDataRow(3);
  f.drops().ComboRowChosen(1, 3, 1, 3);
  EXPECT_EQ(f.EditorText(), "Bravo");
  EXPECT_EQ(f.editor->SelStart(), 0);
  EXPECT_EQ(f.editor->SelLength(), 5);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(rollUps, 1);

  f.drops().OpenComboDropDown(2, 2);
  f.drops().ComboRowChosen(1, 0, 1, 0);  // a press on the heading row
  EXPECT_TRUE(f.drops().IsComboDroppedDown());
}

TEST(ComboDropDown, AClickOnARowOfTheListChoosesIt)
{
  ComboFixture f(ddDropDown);
  f.drops().OpenComboDropDown(2, 2);
  TtsComboGrid& list = f.working();
  const QPointF row3 = list.CellBounds(1, list.DisplayRowOfData(3)).center();
  testing_support::SendMouse(list, QEvent::MouseButtonPress, row3, Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(f.drops().IsComboDroppedDown());  // a press on the list closes nothing
  testing_support::SendMouse(list, QEvent::MouseButtonRelease, row3, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(f.EditorText(), "Bravo");
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(ComboDropDown, TheValueComesFromTheHandlerElseFromTheValueColumn)
{
  ComboFixture f(ddDropDown);
  f.list->SetCols(2);
  f.list->SetCell(2, 3, TtsCellValue("B-code"));
  f.list->ValueCol = 2;
  f.drops().OpenComboDropDown(2, 2);
  f.working().SetCurrentDataRow(3);
  f.drops().ComboRowChosen(2, 3, 2, 3);
  EXPECT_EQ(f.EditorText(), "B-code");

  f.drops().OnComboGetValue = [](TtsBaseGrid&, TtsCombo&, int col, int row, int comboRow, TtsCellValue& value) {
    value = TtsCellValue("row " + std::to_string(comboRow) + " for " + std::to_string(col) + "," +
                         std::to_string(row));
  };
  f.drops().OpenComboDropDown(2, 2);
  f.working().SetCurrentDataRow(1);
  f.drops().ComboRowChosen(1, 1, 1, 1);
  EXPECT_EQ(f.EditorText(), "row 1 for 2,2");
}

TEST(ComboDropDown, AValueOfTheWrongKindRaisesAndTheListStillCloses)
{
  ComboFixture f(ddDropDown);
  f.grid.Model().Col(2).SetControlType(ctCheck);
  f.drops().OnComboGetValue = [](TtsBaseGrid&, TtsCombo&, int, int, int, TtsCellValue& value) {
    value = TtsCellValue(2.5);
  };
  f.drops().OpenComboDropDown(2, 2);
  f.working().SetCurrentDataRow(1);
  EXPECT_THROW(f.drops().ComboRowChosen(1, 1, 1, 1), EInvalidGridOperation);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(f.drops().DropDownCell(), QPoint(-1, -1));
}

// Size of the list --------------------------------------------------------------------------------------------

TEST(ComboListSize, WidthCountsDropDownColsVisibleColumnsAndBorders)
{
  ComboFixture f;
  TtsComboGrid& list = *f.list;
  list.SetCols(4);
  list.Model().Col(2).SetVisible(false);
  list.Model().Col(1).SetWidth(60);
  list.Model().Col(3).SetWidth(40);
  list.Model().Col(4).SetWidth(50);
  list.SetDropDownCols(2);
  list.SetRowBarOn(false);
  list.SetBorderStyle(gbsSingle);
  EXPECT_EQ(list.DropDownWidth(2), 100 + 2);
  list.SetRowBarOn(true);
  EXPECT_EQ(list.DropDownWidth(2), 100 + 2 + list.RowBarWidth());
}

TEST(ComboListSize, HeightIsAtMostTheVisibleRows)
{
  ComboFixture f;
  TtsComboGrid& list = *f.list;
  list.SetRows(3);
  list.SetHeadingOn(true);
  list.SetBorderStyle(gbsSingle);
  list.SetDefaultRowHeight(16);
  EXPECT_EQ(list.DropDownHeight(8), 2 + list.HeadingHeight() + 3 * 16);
  EXPECT_EQ(list.DropDownHeight(2), 2 + list.HeadingHeight() + 2 * 16);
  list.SetRows(0);
  EXPECT_EQ(list.DropDownHeight(8), 2 + list.HeadingHeight() + 16);  // at least one row
}

TEST(ComboListSize, AnOpenListFollowsTheDropDownRowsOfItsCellsCombo)
{
  ComboFixture f;
  f.drops().SetScreenSize({2000, 2000});
  f.drops().OpenComboDropDown(2, 2);
  const int fourRows = f.drops().ComboDropDownForm().height();
  f.list->SetDropDownRows(2);
  ASSERT_TRUE(f.drops().IsComboDroppedDown());
  EXPECT_EQ(f.working().DropDownRows(), 2);
  EXPECT_LT(f.drops().ComboDropDownForm().height(), fourRows);
  EXPECT_EQ(f.drops().ComboDropDownForm().size(), f.working().size());
  f.drops().CloseDropDowns(false);
  f.list->SetDropDownRows(3);  // closed: nothing to follow
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(ComboListSize, AVerticalBarIsAddedWhenRowsAreLeftOver)
{
  ComboFixture f;
  TtsComboGrid& list = *f.list;
  const int bar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  list.SetScrollBars(TScrollStyle::ssVertical);
  const QSize fits = list.DropDownExtent(1, 4);
  EXPECT_EQ(fits.width(), list.DropDownWidth(1));
  const QSize scrolls = list.DropDownExtent(1, 2);
  EXPECT_EQ(scrolls.width(), list.DropDownWidth(1) + bar);
}

// The working combo and the cell's combo -------------------------------------------------------------------

TEST(WorkingCombo, TheCellsComboIsLoadedIntoTheWorkingListOnceAndItsEventsFire)
{
  ComboFixture f;
  int inits = 0;
  f.drops().OnComboInit = [&](TtsBaseGrid&, TtsCombo&, int, int) { ++inits; };
  f.drops().OpenComboDropDown(2, 2);
  EXPECT_EQ(f.drops().ActiveCombo(), f.grid.Model().Col(2).Combo());
  EXPECT_EQ(f.working().Rows(), 4);
  EXPECT_EQ(CellValueText(f.working().Cell(1, 3)), "Bravo");
  f.drops().CloseDropDowns(false);
  f.drops().OpenComboDropDown(2, 2);
  EXPECT_EQ(inits, 1);  // the layout was still valid

  f.list->SetCell(1, 3, TtsCellValue("Brisk"));
  f.drops().ComboChanged(*f.grid.Model().Col(2).Combo(), true);  // loaded again while open
  EXPECT_EQ(CellValueText(f.working().Cell(1, 3)), "Brisk");
  f.list->SetCell(1, 3, TtsCellValue("Brusque"));
  f.drops().CloseDropDowns(false);
  f.drops().ComboChanged(*f.grid.Model().Col(2).Combo(), false);  // loaded at the next opening
  f.drops().OpenComboDropDown(2, 2);
  EXPECT_EQ(CellValueText(f.working().Cell(1, 3)), "Brusque");
  EXPECT_EQ(inits, 3);
}

TEST(WorkingCombo, AnotherCellOrAWiderColumnLoadsTheListAgain)
{
  ComboFixture f;
  TtsCellPropSet& cells = f.grid.Model().CellProps();
  cells.SetProp(2, 4, piButtonType, TtsCellValue(int(btCombo)));
  cells.MakeCombo(2, 4);
  TtsComboGrid& own = *ComboGridOf(cells.Find(2, 4)->Combo());
  own.SetStoreData(true);
  own.SetRows(1);
  own.SetCell(1, 1, TtsCellValue("Zulu"));
  f.drops().OpenComboDropDown(2, 2);
  EXPECT_EQ(f.working().Rows(), 4);
  f.drops().OpenComboDropDown(2, 4);
  EXPECT_EQ(f.working().Rows(), 1);
  EXPECT_EQ(CellValueText(f.working().Cell(1, 1)), "Zulu");

  int inits = 0;
  f.drops().OnComboInit = [&](TtsBaseGrid&, TtsCombo&, int, int) { ++inits; };
  f.drops().OpenComboDropDown(2, 4);
  EXPECT_EQ(inits, 0);
  f.grid.Model().Col(2).SetWidth(150);
  f.drops().OpenComboDropDown(2, 4);
  EXPECT_EQ(inits, 1);
}

TEST(WorkingCombo, ACellWithoutAComboGetsTheWorkingListSetUpForIt)
{
  ComboFixture f;
  f.grid.Model().Col(3).SetButtonType(btCombo);
  f.grid.Model().Col(3).SetDropDownStyle(ddDropDownList);
  f.drops().OpenComboDropDown(3, 1);
  EXPECT_EQ(f.drops().ActiveCombo(), nullptr);
  EXPECT_EQ(f.working().DropDownStyle(), ddDropDownList);
  EXPECT_EQ(f.working().DefaultColWidth(), f.grid.Model().ColWidth(3) + 10);
  EXPECT_GE(f.working().DefaultRowHeight(), f.grid.ComboRowHeight);
}

TEST(WorkingCombo, ARemovedComboIsNoLongerActive)
{
  ComboFixture f;
  f.drops().OpenComboDropDown(2, 2);
  f.grid.Model().Col(2).SetParentCombo(true);  // removes the column's own combo
  EXPECT_EQ(f.drops().ActiveCombo(), nullptr);
  EXPECT_FALSE(f.drops().IsComboDroppedDown());
}

TEST(WorkingCombo, ListsStartWithTheOwnersLookAndNameTheirErrors)
{
  ComboFixture f;
  TtsComboGrid& list = *f.list;
  EXPECT_EQ(list.GridMode(), gmListBox);
  EXPECT_EQ(list.RowSelectMode(), rsSingle);
  EXPECT_FALSE(list.HeadingOn());
  EXPECT_EQ(list.DefaultRowHeight(), f.grid.ComboRowHeight);
  EXPECT_EQ(list.ValueCol, 1);
  EXPECT_EQ(list.DropDownRows(), 4);
  try {
    list.CheckCol(0);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(std::string(e.what()), f.grid.Name() + ".Combo: Column index 0 out of range");
  }
  list.SetGridMode(gmEdit);  // a list keeps its mode
  EXPECT_EQ(list.GridMode(), gmListBox);
}

}  // namespace
