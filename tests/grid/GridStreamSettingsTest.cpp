// The grid's own settings, fonts and image-list names in a whole-grid stream, the older settings a
// stream may hold, and values of the wrong form or out of range.

#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "ErrorOf.h"
#include "SavedGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace grid {
namespace {

using Bytes = std::vector<std::uint8_t>;

platform::TFont Font(const char* name, int height, platform::TFontStyles style)
{
  platform::TFont font;
  font.SetName(name);
  font.SetHeight(height);
  font.SetStyle(style);
  font.SetColor(platform::clMaroon);
  return font;
}

// A stream of one "Grid" block holding the given values.
Bytes GridBlock(const TtsStreamItem& settings)
{
  TtsGridStreamWriter writer;
  writer.WriteValue("SavePropKinds", std::int32_t(PropKindBit(pkGrid)));
  writer.WriteBinary("Grid", WriteStreamItem(settings));
  return writer.Bytes();
}

TEST(GridStreamSettings, EverySettingFontAndImageListNameComesBack)
{
  TtsGrid source;
  source.LineColor = platform::clRed;
  source.FocusBorder = fbDouble;
  source.ResizeCols = rcAll;
  source.ColMoving = false;
  source.SpinButtonWidth = 15;
  source.SetSpinStartDelay(300);
  source.SetBorderStyle(gbsNone);
  source.SetRowChangedIndicator(riAutoReset);
  source.Model().Level.HeadingHorzAlignment = htaCenter;
  source.Model().Level.StretchPicture = false;
  source.SetCheckBoxValues("Yes|No");
  source.Model().Font.Assign(Font("Arial", -13, platform::fsBold));
  source.HeadingFont().Assign(Font("Courier New", -15, platform::fsItalic));
  const platform::TFont colFont = Font("Times New Roman", -20, platform::fsUnderline);
  const platform::TFont rowFont = Font("Arial", -9, 0);
  source.Model().Col(2).SetFont(&colFont);
  source.SetRowFont(3, &rowFont);
  source.CellAt(1, 4).SetFont(Font("Symbol", -12, platform::fsBold));
  source.SetStoreData(true);  // the names belong to stored picture references
  source.ImageListIds().Add("Tools");
  source.ImageListIds().Add("Flags, large");

  TtsGrid target;
  target.LoadGridFromStream(SavedGrid(source), true);
  EXPECT_EQ(target.LineColor, platform::clRed);
  EXPECT_EQ(target.FocusBorder, fbDouble);
  EXPECT_EQ(target.ResizeCols, rcAll);
  EXPECT_FALSE(target.ColMoving);
  EXPECT_EQ(target.SpinButtonWidth, 15);
  EXPECT_EQ(target.SpinStartDelay(), 300);
  EXPECT_EQ(target.BorderStyle(), gbsNone);
  EXPECT_EQ(target.RowChangedIndicator(), riAutoReset);
  EXPECT_EQ(target.Model().Level.HeadingHorzAlignment, htaCenter);
  EXPECT_FALSE(target.Model().Level.StretchPicture);
  EXPECT_EQ(target.CheckBoxValues(), "Yes|No");
  EXPECT_EQ(target.Model().Font.Data(), source.Model().Font.Data());
  EXPECT_FALSE(target.HeadingParentFont);
  EXPECT_EQ(target.HeadingFont().Data(), source.HeadingFont().Data());
  ASSERT_NE(target.Model().Col(2).OwnFont(), nullptr);
  EXPECT_EQ(target.Model().Col(2).OwnFont()->Name().toStdString(), "Times New Roman");
  ASSERT_NE(target.RowFont(3), nullptr);
  EXPECT_EQ(target.RowFont(3)->Height(), -9);
  ASSERT_NE(target.CellAt(1, 4).Font(), nullptr);
  EXPECT_EQ(target.CellAt(1, 4).Font()->Name().toStdString(), "Symbol");
  EXPECT_EQ(target.ImageListIds().CommaText(), source.ImageListIds().CommaText());
  EXPECT_EQ(SavedGrid(target), SavedGrid(source));
}

TEST(GridStreamSettings, OlderSettingsAreReadButNeverWritten)
{
  TtsGrid grid;
  const Bytes saved = SavedGrid(grid);
  for (const char* legacy : {"ColWidths", "RowHeights", "EditMode", "HeadingAlignment"}) {
    const std::string text(saved.begin(), saved.end());
    EXPECT_EQ(text.find(legacy), std::string::npos) << legacy;
  }
  struct Case {
    const char* Name;
    std::string Value;
    std::function<bool(TtsGrid&)> Holds;
  };
  const Case cases[] = {
      {"EditMode", "EmBrowse", [](TtsGrid& g) { return g.GridMode() == gmBrowse; }},
      {"EditMode", "emnone", [](TtsGrid& g) { return g.GridMode() == gmListBox; }},
      {"EditMode", "anything", [](TtsGrid& g) { return g.GridMode() == gmEdit; }},
      {"HeadingAlignment", "taCenter", [](TtsGrid& g) { return g.Model().Level.HeadingHorzAlignment == htaCenter; }},
      {"HeadingAlignment", "taLeftJustify",
       [](TtsGrid& g) { return g.Model().Level.HeadingHorzAlignment == htaDefault; }},
      {"ColWidths", "20,30,40,50,60,70,80",  // entries past the last column dropped
       [](TtsGrid& g) { return g.Model().Col(0).Width() == 20 && g.Model().Col(4).Width() == 60; }},
      {"RowHeights", "16,20", [](TtsGrid& g) { return g.HeadingHeight() == 16 && g.RowHeightOf(1) == 20; }},
  };
  for (const Case& test : cases) {
    TtsGrid target;
    target.LoadGridFromStream(GridBlock({{test.Name, test.Value}}), true);
    EXPECT_TRUE(test.Holds(target)) << test.Name << " " << test.Value;
  }
}

TEST(GridStreamSettings, ValuesOfTheWrongFormOrOutOfRangeFailTheLoad)
{
  const TtsStreamItem badSettings[] = {
      {{"GridLines", std::int32_t(9)}},
      {{"HeadingOn", std::int32_t(1)}},
      {{"ScrollBars", std::int32_t(-1)}},
      {{"Font.Style", std::int32_t(99)}},
      {{"Font.Name", std::string(300, 'x')}},
      {{"ColWidths", std::string("20,x")}},
      {{"EditMode", std::int32_t(2)}},
      {{"ImageListIds", true}},
  };
  TtsGrid grid;
  grid.SetStoreData(true);
  grid.SetCell(1, 1, TtsCellValue(std::string("mine")));
  const Bytes before = SavedGrid(grid);
  for (const TtsStreamItem& settings : badSettings) {
    EXPECT_THROW(grid.LoadGridFromStream(GridBlock(settings), true), EReadError) << settings[0].first;
    EXPECT_EQ(SavedGrid(grid), before) << settings[0].first;
  }

  const std::vector<TtsStreamItem> badItems[] = {
      {{{"DataCol", std::int32_t(1)}, {"Col.ButtonType", std::int32_t(99)}}},
      {{{"DataCol", std::int32_t(1)}, {"Col.Width", std::int32_t(-5)}}},
      {{{"DataCol", std::int32_t(1)}, {"Col.ReadOnly", std::int32_t(1)}}},  // a flag, not a number
      {{{"DataCol", std::int32_t(1)}, {"Col.SpinOptions", std::int32_t(8)}}},
      {{{"DataCol", std::int32_t(1)}, {"Col.Font.Pitch", std::int32_t(3)}}},
  };
  for (const auto& items : badItems) {
    TtsGridStreamWriter writer;
    writer.WriteValue("SavePropKinds", std::int32_t(PropKindBit(pkCols)));
    writer.WriteCollection("ColProperties", items);
    EXPECT_THROW(grid.LoadGridFromStream(writer.Bytes(), true), EReadError) << items[0][1].first;
    EXPECT_EQ(SavedGrid(grid), before) << items[0][1].first;
  }
  const char* cellsAndRows[][2] = {{"CellProperties", "Cell.ReadOnly"}, {"RowProperties", "Row.WordWrap"}};
  for (const auto& [collection, property] : cellsAndRows) {
    TtsGridStreamWriter writer;
    writer.WriteCollection(collection, {{{"DataCol", std::int32_t(1)},
                                         {"DataRow", std::int32_t(1)},
                                         {"DisplayRow", std::int32_t(1)},
                                         {property, std::int32_t(7)}}});
    EXPECT_THROW(grid.LoadGridFromStream(writer.Bytes(), true), EReadError) << property;
    EXPECT_EQ(SavedGrid(grid), before) << property;
  }
}

TEST(GridStreamSettings, AColumnTheGridLacksIsCheckedAndDropped)
{
  TtsGrid source;
  source.SetCols(2);
  source.Model().Col(1).SetFieldName("Kept");
  source.Model().Col(2).SetFieldName("Gone");
  source.Model().Col(2).SetColor(platform::clRed);
  source.Model().Col(2).SetWidth(99);
  TtsGrid target;
  target.SetCols(1);
  target.Model().Col(1).SetFieldName("Kept");
  target.LoadGridFromStream(SavedGrid(source), false);
  EXPECT_EQ(target.Cols(), 1);
  EXPECT_EQ(target.Model().Col(1).Color(), platform::clNone);
  EXPECT_EQ(target.Model().Col(1).Width(), 64);

  TtsGridStreamWriter damaged;
  damaged.WriteCollection("ColProperties", {{{"DataCol", std::int32_t(2)},
                                             {"FieldName", std::string("Gone")},
                                             {"Col.WordWrap", std::int32_t(40)}}});
  EXPECT_THROW(target.LoadGridFromStream(damaged.Bytes(), false), EReadError);
}

// Counts grown to the stream's limits and cut again: the rows and columns past the new count go in
// one pass, so the load ends at once instead of taking time growing with the square of the count.
TEST(GridStreamSettings, CountsGrownToTheirLimitsAndCutAgainLoad)
{
  TtsGridStreamWriter writer;
  writer.WriteValue("Rows", std::int32_t(1 << 20));
  writer.WriteValue("Rows", std::int32_t(0));
  writer.WriteValue("Cols", std::int32_t(1 << 16));
  writer.WriteValue("Cols", std::int32_t(2));
  TtsGrid grid;
  grid.LoadGridFromStream(writer.Bytes(), true);
  EXPECT_EQ(grid.Rows(), 0);
  EXPECT_EQ(grid.Cols(), 2);

  // Rows moved out of order and cut: the rows kept keep their places and contents.
  grid.SetStoreData(true);
  grid.SetRows(6);
  for (int r = 1; r <= 6; ++r)
    grid.SetCell(1, r, TtsCellValue(std::to_string(r)));
  grid.MoveRowTo(6, 1);
  grid.MoveRowTo(2, 4);
  grid.SetRows(3);
  ASSERT_EQ(grid.Rows(), 3);
  std::string shown;
  for (int d = 1; d <= 3; ++d)
    shown += grid.Cell(1, grid.Model().DataRowOf(d)).Text();
  EXPECT_EQ(shown, "132");
}

}  // namespace
}  // namespace grid
