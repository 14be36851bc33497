// A bad "Data" stream fails with the read error: no huge allocation, no reading past its end.
#include "grid/model/CellStorage.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& bytes, std::int32_t value)
{
  for (int i = 0; i < 4; ++i)
    bytes.push_back(std::uint8_t(std::uint32_t(value) >> (8 * i)));
}

Bytes Ints(std::initializer_list<std::int32_t> values)
{
  Bytes bytes;
  for (std::int32_t v : values)
    Put32(bytes, v);
  return bytes;
}

// A row-1 cell naming picture 1, then a picture table of one entry with the given BMP header.
Bytes PictureStream(std::int32_t fileSize, std::int32_t width, std::int32_t height, std::size_t pixelBytes)
{
  Bytes bytes = Ints({1, 1});
  bytes.push_back(skPicture);
  Put32(bytes, 1);
  Put32(bytes, 0);
  Put32(bytes, 1);
  bytes.push_back('B');
  bytes.push_back('M');
  Put32(bytes, fileSize);
  Put32(bytes, 0);
  Put32(bytes, 54);  // pixel offset
  Put32(bytes, 40);  // info header size
  Put32(bytes, width);
  Put32(bytes, height);
  bytes.push_back(1);
  bytes.push_back(0);
  bytes.push_back(32);
  bytes.push_back(0);
  for (int i = 0; i < 6; ++i)
    Put32(bytes, 0);
  bytes.resize(bytes.size() + pixelBytes, 0x7F);
  return bytes;
}

TEST(DataStreamHostile, BadCountsLengthsAndPicturesFailWithTheReadError)
{
  struct Case {
    const char* what;
    Bytes bytes;
  };
  Bytes textCell = Ints({1, 1});
  textCell.push_back(skText);
  Put32(textCell, 0x7FFFFFFF);
  Bytes pictureZero = Ints({1, 1});
  pictureZero.push_back(skPicture);
  Put32(pictureZero, 0);
  Bytes pictureHuge = Ints({1, 1});
  pictureHuge.push_back(skPicture);
  Put32(pictureHuge, 0x7FFFFFFF);
  const Case cases[] = {
      {"no terminator", Ints({1, 0})},
      {"huge cell count", Ints({1, 0x7FFFFFFF, 0, 0})},
      {"negative cell count", Ints({1, -5, 0, 0})},
      {"huge row number", Ints({0x7FFFFFFF, 0, 0, 0})},
      {"huge text length", textCell},
      {"picture number 0", pictureZero},
      {"huge picture number", pictureHuge},
      {"huge picture count", Ints({0, 0x7FFFFFFF})},
      {"picture table missing", Ints({0, 1})},
      {"bitmap longer than the stream", PictureStream(4000, 2, 2, 16)},
      {"bitmap of huge size", PictureStream(54 + 16, 100000, 100000, 16)},
      {"bitmap without its pixels", PictureStream(54 + 16, 64, 64, 16)},
  };
  for (const Case& c : cases) {
    Tts2DStorage store;
    TtsByteReader reader(c.bytes);
    EXPECT_THROW(store.LoadFromStream(reader), EReadError) << c.what;
  }
}

TEST(DataStreamHostile, ASmallValidBitmapLoads)
{
  const Bytes bytes = PictureStream(54 + 16, 2, 2, 16);
  Tts2DStorage store;
  TtsByteReader reader(bytes);
  store.LoadFromStream(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(store.GetKind(1, 1), skPicture);
}

TEST(DataStreamHostile, CellsReadBeforeAFailureStay)
{
  Bytes bytes = Ints({2, 1});
  bytes.push_back(skInteger);
  Put32(bytes, 9);
  Put32(bytes, 3);  // row 3 ...
  Tts2DStorage store;
  TtsByteReader reader(bytes);
  EXPECT_THROW(store.LoadFromStream(reader), EReadError);
  EXPECT_EQ(store.GetValue(1, 2), TtsCellValue(9));
}

TEST(DataStreamHostile, CellsOutsideTheGridAreReadAndDropped)
{
  Bytes bytes = Ints({-4, 2});
  bytes.push_back(skText);
  Put32(bytes, 2);
  bytes.push_back('h');
  bytes.push_back('i');
  bytes.push_back(skInteger);
  Put32(bytes, 1);
  Put32(bytes, 0);
  Put32(bytes, 0);
  Tts2DStorage store;
  TtsByteReader reader(bytes);
  store.LoadFromStream(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(store.LastRow(), 0);
}

}  // namespace
}  // namespace grid
