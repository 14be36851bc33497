#include "grid/model/BmpImage.h"

#include <cstdlib>

namespace grid {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at)
{
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }

bool KnownInfoHeaderSize(std::uint32_t size)
{
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

void Require(bool condition)
{
  if (!condition)
    throw EReadError();
}

}  // namespace

std::span<const std::uint8_t> ReadBmpImage(TtsByteReader& stream)
{
  const auto header = stream.Peek(kFileHeaderSize + 4);
  Require(header[0] == 'B' && header[1] == 'M');
  const std::uint32_t fileSize = U32(header, 2);
  const std::uint32_t infoSize = U32(header, kFileHeaderSize);
  Require(KnownInfoHeaderSize(infoSize));
  Require(fileSize >= kFileHeaderSize + infoSize && fileSize <= stream.Remaining());
  const auto image = stream.Peek(fileSize);

  long long width = 0;
  long long height = 0;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  if (infoSize == 12) {
    width = U16(image, 18);
    height = U16(image, 20);
    bitsPerPixel = U16(image, 24);
  } else {
    width = std::int32_t(U32(image, 18));
    height = std::llabs(std::int32_t(U32(image, 22)));
    bitsPerPixel = U16(image, 28);
    compression = U32(image, 30);
  }
  Require(width > 0 && height > 0 && width <= kMaxStreamPictureSide && height <= kMaxStreamPictureSide);
  Require(width * height <= kMaxStreamPicturePixels);
  Require(bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
          bitsPerPixel == 24 || bitsPerPixel == 32);
  const std::uint32_t pixelOffset = U32(image, 10);
  Require(pixelOffset >= kFileHeaderSize + infoSize && pixelOffset <= fileSize);
  if (compression == 0 || compression == 3) {  // uncompressed: the pixels must all be there
    const long long stride = (width * bitsPerPixel + 31) / 32 * 4;
    Require(pixelOffset + stride * height <= fileSize);
  }
  return stream.ReadBytes(fileSize);
}

}  // namespace grid
