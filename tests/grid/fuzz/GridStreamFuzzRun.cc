// A short, repeatable run of the whole-grid stream fuzz target: valid streams, every truncation of
// them, and repeatable random mutations (flipped bits, hostile counts, spliced bytes).
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

void Feed(const Bytes& bytes) { GridStreamFuzzInput(bytes.data(), bytes.size()); }

TEST(GridStreamFuzz, EveryTruncationOfAValidStreamFailsCleanly)
{
  for (grid::TtsPropMask properties : {grid::kAllProperties, grid::PropBit(grid::piColor)}) {
    const Bytes stream = ValidStream(properties);
    for (std::size_t length = 0; length <= stream.size(); ++length)
      Feed(Bytes(stream.begin(), stream.begin() + std::ptrdiff_t(length)));
  }
}

TEST(GridStreamFuzz, RandomMutationsFailCleanly)
{
  std::mt19937 random(52917);
  const Bytes streams[] = {ValidStream(grid::kAllProperties), ValidStream(grid::PropBit(grid::piColor))};
  for (int round = 0; round < 400; ++round)
    Feed(grid::fuzz::Mutated(streams[round % 2], random, 3));
}

}  // namespace
