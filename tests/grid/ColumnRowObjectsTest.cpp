// Column and row objects: headings, check-box values, fonts, widths and heights, visibility,
// resets, and the containers that hold them.
#include "GridFixture.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(ColumnObjects, HeadingsStripAcceleratorMarks)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(2);
  struct Case {
    const char* text;
    const char* heading;
    int accelerator;
  };
  for (const Case& c : {Case{"Na&me", "Name", 3}, Case{"A&&B", "A&B", 0}, Case{"&Unit", "Unit", 1}}) {
    col.SetHeading(c.text);
    EXPECT_EQ(col.Heading(), c.heading) << c.text;
    EXPECT_EQ(col.AcceleratorPos(), c.accelerator) << c.text;
  }
  col.SetFieldName("Symbol");
  col.SetHeading("");
  EXPECT_EQ(col.Heading(), "Symbol");
  EXPECT_FALSE(col.HeadingStored());
  EXPECT_EQ(f.services.log.back(), "cell 2,0");
}

TEST(ColumnObjects, CheckBoxValuesAreCheckedWithTheGridsMessage)
{
  GridFixture f;
  f.grid.Name = "tsUnits";
  TtsCol& col = f.grid.Col(1);
  for (const char* good : {"", "Yes|No", "Yes|No|Maybe"}) {
    col.SetCheckBoxValues(good);
    EXPECT_EQ(col.CheckBoxValues(), good);
  }
  for (const char* bad : {"Yes", "Yes||Maybe", "a|b|c|d"}) {
    try {
      col.SetCheckBoxValues(bad);
      ADD_FAILURE() << bad;
    } catch (const EInvalidGridOperation& e) {
      EXPECT_STREQ(e.what(),
                   "tsUnits: Invalid CheckBoxValues. CheckBoxValues have the format 'Checked|Unchecked|Grayed'. "
                   "The Grayed value is optional");
    }
    EXPECT_EQ(col.CheckBoxValues(), "Yes|No|Maybe") << bad;
  }
}

TEST(ColumnObjects, PlainValuesAndTheirLimits)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(1);
  col.SetMaxLength(-5);
  EXPECT_EQ(col.MaxLength(), 0);
  col.SetMaxLength(12);
  EXPECT_EQ(col.MaxLength(), 12);
  col.SetHorzAlignment(htaCenter);
  EXPECT_EQ(col.Alignment(), taCenter);
  EXPECT_TRUE(col.Align());
  col.SetAlign(false);
  EXPECT_EQ(col.HorzAlignment(), htaDefault);
  col.SetAlignment(taRightJustify);
  col.SetAlign(true);
  EXPECT_EQ(col.HorzAlignment(), htaRight);
  EXPECT_THROW(col.MakeCombo(), EInvalidGridOperation);
  EXPECT_THROW(f.grid.Col(6), EInvalidGridOperation);
}

TEST(ColumnObjects, FontsFollowTheGridUntilTheirCopyIsChanged)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(2);
  EXPECT_EQ(col.Font(), nullptr);
  col.SetKeepFontCopy(true);
  platform::TFont* copy = col.Font();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Data(), f.grid.Font.Data());
  EXPECT_TRUE(col.ParentFont());
  f.services.log.clear();
  copy->SetSize(14);  // a caller's change
  EXPECT_FALSE(col.ParentFont());
  EXPECT_EQ(f.services.log.front(), "col 2");

  TtsCol& other = f.grid.Col(3);
  f.services.log.clear();
  other.SetParentFont(false);  // a copy of the grid's font: it looks the same
  EXPECT_TRUE(f.services.log.empty());
  ASSERT_NE(other.OwnFont(), nullptr);
  EXPECT_EQ(other.OwnFont()->Data(), f.grid.Font.Data());
  other.SetParentFont(true);
  EXPECT_EQ(other.OwnFont(), nullptr);
}

TEST(ColumnObjects, WidthsInEffectAndAssigned)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(2);
  col.SetWidth(90);
  EXPECT_EQ(f.grid.ColWidth(2), 90);
  col.SetShownWidth(120);  // sized with the mouse
  EXPECT_EQ(col.AssignedWidth(), 90);
  col.Reset(PropBit(piColWidth));
  EXPECT_EQ(col.Width(), 90);
  EXPECT_EQ(f.grid.ColWidth(2), 90);

  TtsCol& plain = f.grid.Col(3);
  plain.SetShownWidth(100);
  plain.SetShownWidth(64);
  plain.SetWidth(64);
  plain.SetShownWidth(64);
  EXPECT_TRUE(plain.IsDefault());
  col.Reset(1u << 19);  // bit 19 names nothing
  EXPECT_EQ(col.Width(), 90);
}

TEST(ColumnObjects, AWidthOrHeightEqualToTheOldDefaultIsStoredWhenTheGridsDefaultDiffers)
{
  struct Case {
    int gridDefault;
    int size;
    bool stored;
  };
  for (const Case& c : {Case{64, 64, false}, Case{64, 80, true}, Case{80, 64, true}, Case{80, 80, true}}) {
    GridFixture f;
    f.grid.SetDefaultColWidth(c.gridDefault);
    f.grid.Col(1).SetWidth(c.size);
    EXPECT_EQ(f.grid.Col(1).WidthStored(), c.stored) << c.gridDefault << " " << c.size;
  }
  for (const Case& c : {Case{14, 14, false}, Case{14, 20, true}, Case{24, 14, true}}) {
    GridFixture f;
    f.grid.SetDefaultRowHeight(c.gridDefault);
    f.grid.ChangeRow(1, [&](TtsRow& row) {
      row.SetColor(platform::clRed);
      row.SetHeight(c.size);
    });
    EXPECT_EQ(f.grid.GridRows().At(1)->HeightStored(), c.stored) << c.gridDefault << " " << c.size;
  }
}

TEST(ColumnObjects, HidingAndShowingKeepsTheVisibleList)
{
  GridFixture f;
  f.grid.Col(3).SetVisible(false);
  EXPECT_EQ(f.VisibleCols(), (std::vector<int>{1, 2, 4, 5}));
  EXPECT_EQ(f.grid.ColWidth(3), 0);
  f.grid.Col(3).SetVisible(true);
  EXPECT_EQ(f.VisibleCols(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(f.grid.VisibleCols().Explicit());
  EXPECT_EQ(f.grid.ColWidth(3), 64);

  f.grid.SetCurrentCell(4, 1);
  f.services.canLeave = false;  // the current cell may not be left
  f.grid.Col(4).SetVisible(false);
  EXPECT_TRUE(f.grid.Col(4).Visible());
  f.services.canLeave = true;
  f.grid.Col(4).SetVisible(false);
  EXPECT_EQ(f.grid.CurrentDisplayCol(), 5);
}

TEST(ColumnObjects, ResetReturnsWhatTheMaskNames)
{
  GridFixture f;
  TtsCol& col = f.grid.Col(1);
  col.SetColor(platform::clRed);
  col.SetHeadingColor(platform::clBlue);
  col.SetWordWrap(wwOn);
  col.SetMaxLength(4);
  col.Reset(PropBit(piColor) | PropBit(piMaxLength));
  EXPECT_EQ(col.Color(), platform::clNone);
  EXPECT_EQ(col.HeadingColor(), platform::clNone);
  EXPECT_EQ(col.MaxLength(), 0);
  EXPECT_EQ(col.WordWrap(), wwOn);
  col.Reset(kAllProperties);
  EXPECT_TRUE(col.IsDefault());
}

TEST(ColumnContainers, LookupByKey)
{
  GridFixture f(4, 3);
  EXPECT_EQ(f.grid.GridCols().Count(), 5);
  for (int c = 0; c <= 4; ++c)
    EXPECT_EQ(f.grid.Col(c).DisplayCol(), c);
  f.grid.Col(2).SetFieldName("Unit");
  f.grid.Col(4).SetFieldName("unit");
  EXPECT_EQ(f.grid.GridCols().Get("UNIT"), &f.grid.Col(2));
  EXPECT_EQ(f.grid.GridCols().Get(0), &f.grid.Col(0));
  EXPECT_EQ(f.grid.GridCols().Get(TtsCellValue::Byte(2)), nullptr);
  EXPECT_EQ(f.grid.GridCols().Get(TtsCellValue::Smallint(2)), nullptr);
  try {
    f.grid.GridCols().Get(5);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_STREQ(e.what(), "tsGrid1: Column index 5 out of range");
  }
}

TEST(RowObjects, MadeOnlyWhileTheyHoldSomething)
{
  GridFixture f;
  TtsGridRows& rows = f.grid.GridRows();
  EXPECT_EQ(rows.ObjectCount(), 1);  // the heading row
  EXPECT_NE(rows.At(0), nullptr);
  rows.SetHeightOf(2, f.grid.DefaultRowHeight());
  EXPECT_EQ(rows.At(2), nullptr);
  rows.SetHeightOf(2, 30);
  EXPECT_EQ(rows.HeightOf(2), 30);
  rows.SetHeightOf(2, f.grid.DefaultRowHeight());
  EXPECT_EQ(rows.At(2), nullptr);

  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetHeight(40); });
  EXPECT_EQ(f.grid.RowHeight(3), 40);
  f.grid.ChangeRow(3, [&](TtsRow& row) { row.SetHeight(f.grid.DefaultRowHeight()); });
  EXPECT_EQ(rows.At(3), nullptr);
  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetColor(platform::clRed); });
  f.grid.ChangeRow(3, [](TtsRow& row) { row.SetColor(platform::clNone); });
  EXPECT_EQ(rows.ObjectCount(), 1);
  f.grid.ChangeRow(0, [](TtsRow& row) { row.SetColor(platform::clNone); });
  EXPECT_NE(rows.At(0), nullptr);  // never freed
  EXPECT_THROW(rows.Get(6), EInvalidGridOperation);
}

TEST(RowObjects, HiddenRowsLeaveTheVisibleListAndComeBack)
{
  GridFixture f;
  f.grid.ChangeRow(2, [](TtsRow& row) { row.SetVisible(false); });
  EXPECT_EQ(f.grid.RowHeight(2), 0);
  EXPECT_EQ(f.grid.VisibleRows().VisibleCount(), 4);
  f.grid.ChangeRow(2, [](TtsRow& row) { row.SetVisible(true); });
  EXPECT_EQ(f.grid.VisibleRows().VisibleCount(), 5);
  EXPECT_EQ(f.grid.GridRows().At(2), nullptr);  // default again: freed, nothing leaks
}

TEST(VisibleItems, MovesKeepHiddenPositionsHidden)
{
  TtsVisibleItems items;
  items.SetCount(5, 1);
  items.Remove(3);
  auto list = [&] {
    std::vector<int> values;
    for (int i = 1; i <= items.VisibleCount(); ++i)
      values.push_back(items.Get(i));
    return values;
  };
  EXPECT_EQ(list(), (std::vector<int>{1, 2, 4, 5}));
  items.Move(2, 5);
  EXPECT_EQ(list(), (std::vector<int>{1, 3, 4, 5}));
  items.Move(5, 2);
  EXPECT_EQ(list(), (std::vector<int>{1, 2, 4, 5}));
  bool visible = true;
  EXPECT_EQ(items.Find(3, visible), 3);
  EXPECT_FALSE(visible);

  TtsVisibleItems implicit;
  implicit.SetCount(4, 1);
  EXPECT_EQ(implicit.Find(2, visible), 2);
  EXPECT_TRUE(visible);
  EXPECT_EQ(implicit.Find(7, visible), 5);
  EXPECT_FALSE(visible);
}

TEST(CoordList, PairsAddRemoveAndWalk)
{
  TtsCoordList list;
  list.Add(1, 2);
  list.Add(3, 4);
  list.Add(1, 2);
  list.Remove(1, 2);
  list.Set(2, 5, 6);
  int position = 0;
  int col = 0;
  int row = 0;
  std::vector<std::pair<int, int>> pairs;
  while (list.Next(position, col, row))
    pairs.emplace_back(col, row);
  EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{3, 4}, {5, 6}}));
}

}  // namespace
}  // namespace grid
