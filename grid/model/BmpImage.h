#pragma once
// The bytes of one BMP file image at the front of a stream, as its headers give them.

#include "grid/model/ByteStream.h"

#include <span>

namespace grid {

// Limits of a picture read from a stream.
inline constexpr int kMaxStreamPictureSide = 16384;
inline constexpr long long kMaxStreamPicturePixels = 16LL * 1024 * 1024;

// Reads one BMP file image (file header, info header, colour table, pixels) and returns its bytes.
// Raises EReadError when the headers are not a BMP's, or claim more bytes than remain, or a size
// beyond the limits.
std::span<const std::uint8_t> ReadBmpImage(TtsByteReader& stream);

}  // namespace grid
