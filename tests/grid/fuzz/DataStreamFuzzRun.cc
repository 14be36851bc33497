// A short, repeatable run of the "Data" stream fuzz target: valid streams, every truncation of
// them, and repeatable random mutations (flipped bits, hostile counts, spliced bytes).
#include "grid/model/CellStorage.h"
#include "grid/model/PictureHandles.h"

#include "platform/Bitmap.h"

#include "StreamMutations.h"

#include <gtest/gtest.h>

#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ValidStream(bool withPicture)
{
  grid::Tts2DStorage store;
  store.SetValue(1, 1, grid::skText, "Meter");
  store.SetValue(3, 1, grid::skInteger, 2);
  store.SetValue(2, 4, grid::skNull, grid::TtsCellValue::Null());
  store.SetValue(1, 5, grid::skImageName, "Sun");
  static const auto picture = std::make_shared<platform::TBitmap>(5, 3);
  if (withPicture) {
    store.SetValue(2, 2, grid::skPicture, grid::RegisterPicture(picture));
    store.SetValue(4, 5, grid::skPicture, grid::RegisterPicture(picture));
  }
  grid::TtsByteWriter writer;
  store.SaveToStream(writer);
  return writer.Bytes();
}

void Feed(const Bytes& bytes) { LLVMFuzzerTestOneInput(bytes.data(), bytes.size()); }

TEST(DataStreamFuzz, EveryTruncationOfAValidStreamFailsCleanly)
{
  for (bool withPicture : {false, true}) {
    const Bytes stream = ValidStream(withPicture);
    for (std::size_t length = 0; length <= stream.size(); ++length)
      Feed(Bytes(stream.begin(), stream.begin() + std::ptrdiff_t(length)));
  }
}

TEST(DataStreamFuzz, RandomMutationsFailCleanly)
{
  std::mt19937 random(77031);
  const Bytes streams[] = {ValidStream(false), ValidStream(true)};
  for (int round = 0; round < 3000; ++round)
    Feed(grid::fuzz::Mutated(streams[round % 2], random, 4));
}

}  // namespace
