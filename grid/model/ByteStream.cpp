#include "grid/model/ByteStream.h"

namespace grid {

EReadError::EReadError() : std::runtime_error("Stream read error") {}

void TtsByteWriter::WriteInt32(std::int32_t value)
{
  const auto bits = std::uint32_t(value);
  for (int shift = 0; shift < 32; shift += 8)
    bytes_.push_back(std::uint8_t(bits >> shift));
}

void TtsByteWriter::WriteText(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }

std::span<const std::uint8_t> TtsByteReader::Peek(std::size_t count) const
{
  if (count > Remaining())
    throw EReadError();
  return bytes_.subspan(position_, count);
}

std::span<const std::uint8_t> TtsByteReader::ReadBytes(std::size_t count)
{
  const auto bytes = Peek(count);
  position_ += count;
  return bytes;
}

std::uint8_t TtsByteReader::ReadByte() { return ReadBytes(1)[0]; }

std::int32_t TtsByteReader::ReadInt32()
{
  const auto bytes = ReadBytes(4);
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i)
    bits = (bits << 8) | bytes[std::size_t(i)];
  return std::int32_t(bits);
}

std::string TtsByteReader::ReadText(std::size_t length)
{
  const auto bytes = ReadBytes(length);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace grid
