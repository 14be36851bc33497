// A short, repeatable run of the whole-grid stream fuzz target: valid streams, every truncation of
// them, and repeatable random mutations (flipped bits, hostile counts, spliced bytes).
#include "grid/dropdown/ComboGrid.h"
#include "grid/window/Grid.h"
#include "grid/window/GridCell.h"

#include "StreamMutations.h"

#include <gtest/gtest.h>

#include <random>

int GridStreamFuzzInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ValidStream(grid::TtsPropMask properties)
{
  grid::TtsGrid source;
  source.SetStoreData(true);
  source.SetCols(3);
  source.SetRows(4);
  source.SetCell(1, 1, grid::TtsCellValue(std::string("Meter")));
  source.SetCell(3, 4, grid::TtsCellValue(std::string("Foot")));
  source.Model().Col(2).SetFieldName("B");
  source.Model().Col(3).SetColor(platform::clRed);
  source.SetRowColor(2, platform::clBlue);
  source.MoveRowTo(4, 1);
  source.CellAt(2, 2).SetColor(platform::clGreen);
  grid::TtsByteWriter writer;
  source.SaveGridToStream(writer, grid::kAllPropKinds, properties, true);
  return writer.Bytes();
}

// Fonts of the grid, a column, a row and a cell, image-list names, and the older settings.
Bytes FontsAndOlderSettings()
{
  grid::TtsGrid source;
  source.SetStoreData(true);
  source.ImageListIds().Add("Tools");
  source.SetCell(1, 2, grid::TtsCellValue(std::string("Inch")));
  platform::TFont font;
  font.SetName("Arial");
  font.SetStyle(platform::fsBold);
  source.Model().Font.Assign(font);
  source.HeadingFont().Assign(font);
  source.Model().Col(1).SetFont(&font);
  source.Model().Col(1).SetHeadingFont(&font);
  source.SetRowFont(2, &font);
  source.CellAt(3, 3).SetFont(font);
  grid::TtsByteWriter saved;
  source.SaveGridToStream(saved, true);

  grid::TtsGridStreamWriter older;
  older.WriteBinary("Grid", grid::WriteStreamItem({{"EditMode", std::string("emBrowse")},
                                                   {"HeadingAlignment", std::string("taCenter")},
                                                   {"ColWidths", std::string("14,30,40")},
                                                   {"RowHeights", std::string("15,20")}}));
  Bytes bytes = saved.Bytes();
  bytes.pop_back();  // the end mark: the older settings follow, after their own signature
  const Bytes more = older.Bytes();
  bytes.insert(bytes.end(), more.begin() + 4, more.end());
  return bytes;
}

// Own combos of a column, a row and a cell, each with a list of values and its own settings.
Bytes Combos()
{
  grid::TtsGrid source;
  source.SetCols(3);
  source.SetRows(3);
  const auto fill = [](grid::TtsCombo* combo, const char* value) {
    grid::TtsComboGrid* list = grid::ComboGridOf(combo);
    list->SetStoreData(true);
    list->SetRows(2);
    list->SetCell(1, 2, grid::TtsCellValue(std::string(value)));
    list->SetDropDownRows(3);
    list->SetAutoFill(true);
  };
  grid::TtsCol& col = source.Model().Col(2);
  col.SetButtonType(grid::btCombo);
  col.MakeCombo();
  fill(col.Combo(), "Meter");
  source.Model().ChangeRow(3, [](grid::TtsRow& row) {
    row.SetButtonType(grid::btCombo);
    row.MakeCombo();
  });
  fill(source.RowCombo(3), "Foot");
  grid::TtsCell cell = source.CellAt(1, 1);
  cell.SetButtonType(grid::btCombo);
  cell.MakeCombo();
  fill(cell.Combo(), "Inch");
  grid::TtsByteWriter writer;
  source.SaveGridToStream(writer, true);
  return writer.Bytes();
}

void Feed(const Bytes& bytes) { GridStreamFuzzInput(bytes.data(), bytes.size()); }

TEST(GridStreamFuzz, EveryTruncationOfAValidStreamFailsCleanly)
{
  for (const Bytes& stream : {ValidStream(grid::kAllProperties), ValidStream(grid::PropBit(grid::piColor)),
                              FontsAndOlderSettings(), Combos()}) {
    for (std::size_t length = 0; length <= stream.size(); ++length)
      Feed(Bytes(stream.begin(), stream.begin() + std::ptrdiff_t(length)));
  }
}

TEST(GridStreamFuzz, RandomMutationsFailCleanly)
{
  std::mt19937 random(52917);
  const Bytes streams[] = {ValidStream(grid::kAllProperties), ValidStream(grid::PropBit(grid::piColor)),
                           FontsAndOlderSettings(), Combos()};
  for (int round = 0; round < 800; ++round)
    Feed(grid::fuzz::Mutated(streams[round % 4], random, 3));
}

}  // namespace
