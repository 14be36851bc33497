// The current cell over a grid model and a recording window side: the cached value, the value
// set as if typed, the clipboard commands, the editor selection and the insert-row jump.
#include "GridFixture.h"
#include "grid/model/CurrentCell.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace grid {
namespace {

// The window side: cells held in a map, the editor loader storing straight back.
class RecordingHost : public TtsCurrentCellHost {
 public:
  bool WindowExists() const override { return window; }
  TtsCellValue ReadCell(int c, int r) override
  {
    ++reads;
    readWhileSuspended = current->ReadingValue();
    auto it = cells.find({c, r});
    return it == cells.end() ? TtsCellValue() : it->second;
  }
  void LoadEditorValue(const TtsCellValue& value) override { current->Store(value, ownsPictures); }
  void ReloadEditorDisplay() override { calls.push_back("reload"); }
  void SetEditorSelection(int start, int length) override
  {
    calls.push_back("select " + std::to_string(start) + "," + std::to_string(length));
  }
  bool EditorCopy() override { return Log("copy"); }
  bool EditorCut(bool) override { return Log("cut"); }
  bool EditorPaste(bool) override { return Log("paste"); }
  bool EditorShowing() const override { return showing; }
  bool StartEdit() override { return Log("edit mode") && editable; }
  bool StartCellAndRowEdit() override { return Log("start edit") && startAllowed; }
  bool CurrentColEditable() const override { return editable; }
  void MarkEditorValueChanged() override { calls.push_back("changed"); }
  void TypeEditorValue(const TtsCellValue& value) override { typed.push_back(value); }
  void InvalidateCurrentCell() override { calls.push_back("invalidate"); }
  void FreePicture(const TtsCellValue& picture) override { freed.push_back(picture); }
  TextExtent WrappedTextExtent(const std::string& text) override { return {12 * int(text.size() / 4 + 1), int(text.size() / 4 + 1)}; }
  bool InsertPending() const override { return insertPending; }
  bool CanLeaveCurrentCell() override { return canLeave; }
  void EnterInsertRow(int c, int r) override { calls.push_back("insert row " + std::to_string(c) + "," + std::to_string(r)); }
  void ScrollCellIntoView(int c, int r) override { calls.push_back("scroll " + std::to_string(c) + "," + std::to_string(r)); }

  bool Log(const std::string& call)
  {
    calls.push_back(call);
    return true;
  }

  TtsCurrentCell* current = nullptr;
  std::map<std::pair<int, int>, TtsCellValue> cells;
  std::vector<std::string> calls;
  std::vector<TtsCellValue> typed;
  std::vector<TtsCellValue> freed;
  int reads = 0;
  bool readWhileSuspended = false;
  bool window = true;
  bool showing = false;
  bool editable = true;
  bool startAllowed = true;
  bool insertPending = false;
  bool canLeave = true;
  bool ownsPictures = false;
};

struct CurrentCellFixture : GridFixture {
  CurrentCellFixture() { host.current = &cell; }
  void ColumnType(int dataCol, TtsControlType type) { grid.Col(dataCol).SetControlType(type); }

  RecordingHost host;
  TtsCurrentCell cell{grid, host};
};

TEST(CurrentCell, ReadsANonEmptyValueOnceUntilTheCacheIsCleared)
{
  CurrentCellFixture f;
  f.grid.SetCurrentCell(2, 3);
  f.host.cells[{2, 3}] = "abc";
  EXPECT_EQ(f.cell.GetValue(), TtsCellValue("abc"));
  EXPECT_EQ(f.cell.GetValue(), TtsCellValue("abc"));
  EXPECT_EQ(f.host.reads, 1);
  EXPECT_TRUE(f.host.readWhileSuspended);
  EXPECT_FALSE(f.cell.ReadingValue());
  EXPECT_TRUE(f.cell.IsCachedFor(2, 3));

  f.cell.ClearValue();
  f.cell.GetValue();
  EXPECT_EQ(f.host.reads, 2);

  f.grid.SetCurrentCell(2, 4);  // an empty cell is read every time
  EXPECT_TRUE(f.cell.GetValue().IsEmpty());
  f.cell.GetValue();
  EXPECT_EQ(f.host.reads, 4);
}

TEST(CurrentCell, IsInvalidOutsideTheDataAndInAnUnusableGrid)
{
  CurrentCellFixture f;
  f.host.cells[{1, 1}] = "x";
  f.grid.SetCurrentCell(0, 1);
  EXPECT_EQ(f.cell.DataCol(), -1);
  EXPECT_EQ(f.cell.ControlType(), ctNone);
  EXPECT_TRUE(f.cell.GetValue().IsEmpty());
  EXPECT_EQ(f.cell.SelStart(), 0);

  f.grid.SetCurrentCell(1, 1);
  f.grid.Designing = true;
  EXPECT_FALSE(f.cell.Usable());
  EXPECT_TRUE(f.cell.GetValue().IsEmpty());
  EXPECT_FALSE(f.cell.SetValue("y", false, false));
  EXPECT_EQ(f.host.reads, 0);
  EXPECT_TRUE(f.host.typed.empty());
}

TEST(CurrentCell, FollowsTheDisplayOrderToTheDataCell)
{
  CurrentCellFixture f;
  f.grid.MoveColumn(1, 3);
  f.grid.SetCurrentCell(3, 2);
  EXPECT_EQ(f.cell.DataCol(), 1);
  EXPECT_EQ(f.cell.DataRow(), 2);
}

TEST(CurrentCell, SetValueChecksTheValueAgainstTheControlType)
{
  struct Case {
    TtsControlType type;
    TtsCellValue value;
    bool taken;
  };
  const Case cases[] = {
      {ctText, "text", true},          {ctText, 12.5, false},       {ctText, TtsCellValue::Null(), false},
      {ctCheck, true, false},          {ctCheck, 1, true},          {ctCheck, "Yes", true},
      {ctCheck, TtsCellValue::Null(), true}, {ctPicture, 4, true},  {ctPicture, "pic", true},
      {ctPicture, 2.0, false},
  };
  for (const Case& c : cases) {
    CurrentCellFixture f;
    f.ColumnType(1, c.type);
    f.grid.SetCurrentCell(1, 1);
    if (c.taken) {
      EXPECT_TRUE(f.cell.SetValue(c.value, false, false)) << int(c.type);
      ASSERT_EQ(f.host.typed.size(), 1u);
      EXPECT_EQ(f.host.typed[0], c.value);
    } else {
      EXPECT_THROW(f.cell.SetValue(c.value, false, false), EInvalidGridOperation) << int(c.type);
      EXPECT_TRUE(f.host.typed.empty());
      EXPECT_TRUE(f.host.calls.empty()) << "no edit started";
    }
  }
}

TEST(CurrentCell, SetValueNamesTheColumnKindInItsError)
{
  CurrentCellFixture f;
  f.ColumnType(1, ctCheck);
  try {
    f.cell.SetValue(false, false, false);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_NE(std::string(e.what()).find("A checkbox column requires a value of type TCheckBoxState or string"),
              std::string::npos);
  }
}

TEST(CurrentCell, SetValueRunsTheEditStepsOrRefuses)
{
  CurrentCellFixture f;
  f.host.cells[{1, 1}] = "old";
  f.cell.GetValue();
  EXPECT_TRUE(f.cell.SetValue("new", true, true));
  EXPECT_EQ(f.host.calls, (std::vector<std::string>{"start edit", "edit mode", "changed"}));
  EXPECT_FALSE(f.cell.IsCachedFor(1, 1));
  EXPECT_EQ(f.services.log, (std::vector<std::string>{"cell 1,1"}));

  for (bool cancel : {true, false}) {
    CurrentCellFixture refused;
    refused.host.startAllowed = !cancel;
    refused.host.editable = cancel;
    refused.host.cells[{1, 1}] = "kept";
    refused.cell.GetValue();
    EXPECT_FALSE(refused.cell.SetValue("new", false, true));
    EXPECT_TRUE(refused.host.typed.empty());
    EXPECT_TRUE(refused.cell.IsCachedFor(1, 1));
    EXPECT_TRUE(refused.services.log.empty());
  }
}

TEST(CurrentCell, ClearingTheCacheFreesAnOwnedPicture)
{
  CurrentCellFixture f;
  f.ColumnType(1, ctPicture);
  f.host.ownsPictures = true;
  f.host.cells[{1, 1}] = 77;
  f.cell.GetValue();
  f.cell.ClearValue();
  ASSERT_EQ(f.host.freed.size(), 1u);
  EXPECT_EQ(f.host.freed[0], TtsCellValue(77));
  f.cell.ClearValue();
  EXPECT_EQ(f.host.freed.size(), 1u);

  CurrentCellFixture g;  // destroying the current cell frees its picture
  g.host.ownsPictures = true;
  g.host.cells[{1, 1}] = 5;
  {
    TtsCurrentCell scoped(g.grid, g.host);
    g.host.current = &scoped;
    scoped.GetValue();
  }
  EXPECT_EQ(g.host.freed, std::vector<TtsCellValue>{TtsCellValue(5)});
}

TEST(CurrentCell, ClipboardActsOnlyOnATextCell)
{
  struct Case {
    TtsControlType type;
    bool showing;
    bool acted;
    std::vector<std::string> repaint;
  };
  for (const Case& c : {Case{ctText, false, true, {"cell 1,1"}}, Case{ctText, true, true, {}},
                        Case{ctCheck, false, false, {}}}) {
    CurrentCellFixture f;
    f.ColumnType(1, c.type);
    f.services.log.clear();
    f.host.showing = c.showing;
    EXPECT_EQ(f.cell.CutToClipboard(true), c.acted);
    EXPECT_EQ(f.services.log, c.repaint);
    EXPECT_EQ(f.cell.PasteFromClipboard(true), c.acted);
    EXPECT_EQ(f.cell.CopyToClipboard(), c.acted);
  }
  CurrentCellFixture refused;
  refused.host.editable = false;
  EXPECT_FALSE(refused.cell.EditAndPasteFromClipboard(true));
  EXPECT_EQ(refused.host.calls, (std::vector<std::string>{"edit mode"}));
  CurrentCellFixture hidden;
  hidden.host.window = false;
  EXPECT_FALSE(hidden.cell.CopyToClipboard());
}

TEST(CurrentCell, AllSelectedComparesTheEditorSelectionWithTheText)
{
  CurrentCellFixture f;
  f.host.cells[{1, 1}] = "four";
  f.cell.EditorSelectionChanged(0, 4);
  EXPECT_TRUE(f.cell.AllSelected());
  f.cell.EditorSelectionChanged(1, 3);
  EXPECT_FALSE(f.cell.AllSelected());
  f.cell.SetSelLength(2);
  EXPECT_EQ(f.host.calls.back(), "select 1,2");
  f.ColumnType(1, ctCheck);
  EXPECT_TRUE(f.cell.AllSelected());
}

TEST(CurrentCell, TextExtentOfATextCellOnly)
{
  CurrentCellFixture f;
  f.host.cells[{1, 1}] = "abcdefghij";  // three lines of 12 pixels
  EXPECT_EQ(f.cell.TextLines(), 3);
  EXPECT_EQ(f.cell.TextHeight(), 37);
  f.ColumnType(1, ctCheck);
  EXPECT_EQ(f.cell.TextLines(), 0);
  EXPECT_EQ(f.cell.TextHeight(), 0);
}

TEST(CurrentCell, MovesToTheInsertRowOnlyInInsertMode)
{
  struct Case {
    TtsGridMode mode;
    bool pending;
    bool canLeave;
    int dataCol;
    bool moved;
  };
  for (const Case& c : {Case{gmEditInsert, false, true, 2, true}, Case{gmEdit, false, true, 2, false},
                        Case{gmEditInsert, true, true, 2, false}, Case{gmEditInsert, false, false, 2, false},
                        Case{gmEditInsert, false, true, 0, false}, Case{gmEditInsert, false, true, 6, false}}) {
    CurrentCellFixture f;
    f.grid.Level.GridMode = c.mode;
    f.host.insertPending = c.pending;
    f.host.canLeave = c.canLeave;
    f.cell.MoveToInsertRow(c.dataCol);
    EXPECT_EQ(f.host.calls, c.moved ? std::vector<std::string>{"insert row 2,6"} : std::vector<std::string>{})
        << c.mode << c.pending << c.canLeave << c.dataCol;
  }
}

TEST(CurrentCell, MakeVisibleAndRefreshNeedAValidCell)
{
  CurrentCellFixture f;
  f.grid.SetCurrentCell(3, 4);
  f.cell.MakeVisible();
  f.cell.RefreshValue();
  EXPECT_EQ(f.host.calls, (std::vector<std::string>{"scroll 3,4", "reload"}));
  f.host.calls.clear();
  f.grid.SetCurrentCell(0, 4);
  f.cell.MakeVisible();
  f.cell.RefreshValue();
  EXPECT_TRUE(f.host.calls.empty());
}

TEST(CurrentCell, PictureOptionsFallBackToTheCurrentCellsOwn)
{
  CurrentCellFixture f;
  EXPECT_TRUE(f.cell.PictureOption(poStretch));
  EXPECT_FALSE(f.cell.PictureOption(poKeepAspectRatio));
  f.cell.PictureOptions().Stretch = false;
  EXPECT_FALSE(f.cell.PictureOption(poStretch));
  f.grid.Col(1).SetPicture(poStretch, dopOn);
  EXPECT_TRUE(f.cell.PictureOption(poStretch));
  f.host.cells[{1, 1}] = "x";
  f.cell.PictureOptions().Center = false;
  f.cell.GetValue();  // a new cached value resets the own options
  EXPECT_TRUE(f.cell.PictureOptions().Center);
}

}  // namespace
}  // namespace grid
