// Own combos of columns, rows and cells in whole-grid streams: settings, list layout and list values
// come back; damaged or nested combo forms fail and leave the grid as it was.

#include "grid/dropdown/ComboGrid.h"
#include "grid/dropdown/ComboStream.h"
#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "ComboFixture.h"
#include "ErrorOf.h"
#include "SavedGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grid {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> ListValues(TtsComboGrid& list)
{
  std::vector<std::string> values;
  for (int r = 1; r <= list.Rows(); ++r)
    values.push_back(list.Cell(1, r).AsString());
  return values;
}

const std::vector<std::string> kAlpha{"Alpha", "Beta", "Bravo", "Charlie"};

// A grid whose second column has a combo with every setting away from its start.
void AddComboColumn(TtsBaseGrid& grid)
{
  TtsComboGrid* list = MakeAlphaComboColumn(grid.Model().Col(2), ddDropDownList);
  list->SetDropDownRows(7);
  list->SetDropDownCols(2);
  list->SetCols(2);
  list->SetCell(2, 3, TtsCellValue(std::string("third")));
  list->Model().Col(1).SetWidth(120);
  list->ValueCol = 2;
  list->ValueColSorted = true;
  list->CompareType = ctCaseSensitive;
  list->AutoSearch = asNone;
  list->SetAutoFill(true);  // also makes AutoSearch asTop
  list->AutoSearch = asCenter;
  list->AutoFillConvertCase = afcNone;
}

TEST(ComboStream, AColumnComboComesBackWithItsSettingsLayoutAndValues)
{
  TtsGrid source;
  AddComboColumn(source);
  TtsGrid target;
  target.LoadGridFromStream(SavedGrid(source), true);

  TtsCol& col = target.Model().Col(2);
  ASSERT_TRUE(col.ComboStored());
  TtsComboGrid* list = ComboGridOf(col.Combo());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListValues(*list), kAlpha);
  EXPECT_EQ(list->Cell(2, 3).AsString(), "third");
  EXPECT_EQ(list->Model().ColWidth(list->Model().DisplayColOf(1)), 120);
  EXPECT_EQ(list->DropDownRows(), 7);
  EXPECT_EQ(list->DropDownCols(), 2);
  EXPECT_EQ(list->ValueCol, 2);
  EXPECT_TRUE(list->ValueColSorted);
  EXPECT_EQ(list->CompareType, ctCaseSensitive);
  EXPECT_TRUE(list->AutoFill());
  EXPECT_EQ(list->AutoSearch, asCenter);
  EXPECT_EQ(list->AutoFillConvertCase, afcNone);
  EXPECT_EQ(list->DropDownStyle(), ddDropDownList);
  EXPECT_EQ(list->OwnerGrid(), &target);
  EXPECT_EQ(SavedGrid(target), SavedGrid(source));
}

TEST(ComboStream, AutoFillReadBackLeavesTheSearchAsWritten)
{
  TtsGrid source;
  TtsComboGrid* list = MakeAlphaComboColumn(source.Model().Col(1), ddDropDown);
  list->SetAutoFill(true);
  list->AutoSearch = asNone;
  TtsGrid target;
  target.LoadGridFromStream(SavedGrid(source), true);
  TtsComboGrid* loaded = ComboGridOf(target.Model().Col(1).Combo());
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(loaded->AutoFill());
  EXPECT_EQ(loaded->AutoSearch, asNone);
}

TEST(ComboStream, RowAndCellCombosComeBack)
{
  TtsGrid source;
  source.Model().ChangeRow(3, [](TtsRow& row) {
    row.SetButtonType(btCombo);
    row.MakeCombo();
  });
  TtsComboGrid* rowList = ComboGridOf(source.RowCombo(3));
  ASSERT_NE(rowList, nullptr);
  rowList->SetStoreData(true);
  rowList->SetRows(1);
  rowList->SetCell(1, 1, TtsCellValue(std::string("row value")));
  TtsCell cell = source.CellAt(4, 2);
  cell.SetButtonType(btCombo);
  cell.MakeCombo();
  TtsComboGrid* cellList = ComboGridOf(cell.Combo());
  ASSERT_NE(cellList, nullptr);
  cellList->SetDropDownRows(2);

  TtsGrid target;
  target.LoadGridFromStream(SavedGrid(source), true);
  TtsComboGrid* loadedRow = ComboGridOf(target.RowCombo(3));
  ASSERT_NE(loadedRow, nullptr);
  EXPECT_EQ(loadedRow->Cell(1, 1).AsString(), "row value");
  TtsComboGrid* loadedCell = ComboGridOf(target.CellAt(4, 2).Combo());
  ASSERT_NE(loadedCell, nullptr);
  EXPECT_EQ(loadedCell->DropDownRows(), 2);
  EXPECT_EQ(target.RowCombo(2), nullptr);
}

TEST(ComboStream, ACombosColumnLoadedByFieldNameFollowsItsColumnOrIsDropped)
{
  TtsGrid source;
  source.SetCols(3);
  source.Model().Col(1).SetFieldName("A");
  source.Model().Col(2).SetFieldName("B");
  source.Model().Col(3).SetFieldName("C");
  MakeAlphaComboColumn(source.Model().Col(2), ddDropDown);
  TtsComboGrid* cList = MakeAlphaComboColumn(source.Model().Col(3), ddDropDown);
  cList->SetCell(1, 1, TtsCellValue(std::string("Zulu")));

  TtsGrid target;
  target.SetCols(2);
  target.Model().Col(1).SetFieldName("C");
  target.Model().Col(2).SetFieldName("A");
  target.LoadGridFromStream(SavedGrid(source), false);
  TtsComboGrid* loaded = ComboGridOf(target.Model().Col(1).Combo());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Cell(1, 1).AsString(), "Zulu");
  EXPECT_EQ(target.Model().Col(2).Combo(), nullptr);
}

// The stream of a grid whose first column carries the given bytes as its combo.
Bytes StreamWithCombo(const std::string& comboBytes)
{
  TtsGridStreamWriter writer;
  writer.WriteCollection("ColProperties",
                         {{{"DataCol", std::int32_t(1)}, {"Col.ParentCombo", false}, {"Col.Combo", comboBytes}}});
  return writer.Bytes();
}

TEST(ComboStream, DamagedOrNestedComboFormsFailAndLeaveTheGridAsItWas)
{
  TtsGrid grid;
  AddComboColumn(grid);
  const Bytes before = SavedGrid(grid);
  TtsGrid other;
  MakeAlphaComboColumn(other.Model().Col(1), ddDropDown);
  const std::string good = ComboStreamBytes(*other.Model().Col(1).Combo());

  std::string cut = good.substr(0, good.size() - 3);
  std::string badStyle = good;
  const std::size_t style = badStyle.find("DropDownStyle");
  ASSERT_NE(style, std::string::npos);
  badStyle[style + std::string("DropDownStyle").size() + 1] = char(9);  // an out-of-range style
  // A combo whose list has a combo column of its own: list cells have no combos.
  TtsGridStreamWriter nested;
  nested.WriteBinary("List", StreamWithCombo(good));
  const Bytes nestedBytes = nested.Bytes();

  for (const std::string& bytes :
       {cut, badStyle, std::string("not a combo"), std::string(nestedBytes.begin(), nestedBytes.end())}) {
    EXPECT_THROW(grid.LoadGridFromStream(StreamWithCombo(bytes), true), EReadError);
    EXPECT_EQ(SavedGrid(grid), before);
  }
  // A combo value that is no text.
  TtsGridStreamWriter writer;
  writer.WriteCollection("ColProperties", {{{"DataCol", std::int32_t(1)}, {"Col.Combo", std::int32_t(5)}}});
  EXPECT_THROW(grid.LoadGridFromStream(writer.Bytes(), true), EReadError);
  EXPECT_EQ(SavedGrid(grid), before);
  // The good form loads.
  grid.LoadGridFromStream(StreamWithCombo(good), true);
  EXPECT_EQ(ListValues(*ComboGridOf(grid.Model().Col(1).Combo())), kAlpha);
}

TEST(ComboStream, AStreamWithMoreThan1024CombosIsRefusedBeforeAnyIsMade)
{
  TtsGrid grid;
  AddComboColumn(grid);
  const Bytes before = SavedGrid(grid);
  const std::vector<std::uint8_t> empty = TtsGridStreamWriter().Bytes();
  const std::string combo(empty.begin(), empty.end());
  std::vector<TtsStreamItem> items(1025, TtsStreamItem{{"DataCol", std::int32_t(1)}, {"Col.Combo", combo}});
  TtsGridStreamWriter writer;
  writer.WriteCollection("ColProperties", items);
  EXPECT_THROW(grid.LoadGridFromStream(writer.Bytes(), true), EReadError);
  EXPECT_EQ(SavedGrid(grid), before);
  items.resize(1024);  // as many as may come: the same column's combo, read again and again
  TtsGridStreamWriter allowed;
  allowed.WriteCollection("ColProperties", items);
  grid.LoadGridFromStream(allowed.Bytes(), true);
  EXPECT_NE(grid.Model().Col(1).Combo(), nullptr);
}

}  // namespace
}  // namespace grid
