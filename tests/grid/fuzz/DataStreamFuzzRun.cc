// A short, repeatable run of the "Data" stream fuzz target: valid streams, every truncation of
// them, and repeatable random mutations (flipped bits, hostile counts, spliced bytes).
#include "grid/model/CellStorage.h"
#include "grid/model/PictureHandles.h"

#include "platform/Bitmap.h"

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
  std::mt19937 random(4102);
  const std::int32_t hostile[] = {0, -1, 1, 255, 0x7FFFFFFF, std::int32_t(0x80000000), 1 << 20, (1 << 20) + 1, 65536};
  const Bytes streams[] = {ValidStream(false), ValidStream(true)};
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes = streams[round % 2];
    const int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
      const std::size_t at = random() % bytes.size();
      switch (random() % 4) {
        case 0:
          bytes[at] ^= std::uint8_t(1u << (random() % 8));
          break;
        case 1: {
          const std::int32_t value = hostile[random() % std::size(hostile)];
          for (int i = 0; i < 4 && at + std::size_t(i) < bytes.size(); ++i)
            bytes[at + std::size_t(i)] = std::uint8_t(std::uint32_t(value) >> (8 * i));
          break;
        }
        case 2:
          bytes.resize(at);
          break;
        default:
          bytes.insert(bytes.begin() + std::ptrdiff_t(at), std::uint8_t(random()));
          break;
      }
    }
    Feed(bytes);
  }
}

}  // namespace
