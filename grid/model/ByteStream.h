#pragma once
// Little-endian binary streams in memory: a writer that appends and a reader that never reads past
// the end (it raises EReadError instead).

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace grid {

// A stream that ended early or holds what can't be read ("Stream read error").
class EReadError : public std::runtime_error {
 public:
  EReadError();
};

class TtsByteWriter {
 public:
  void WriteByte(std::uint8_t value) { bytes_.push_back(value); }
  void WriteInt32(std::int32_t value);
  void WriteBytes(std::span<const std::uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
  void WriteText(const std::string& text);  // the bytes only
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

class TtsByteReader {
 public:
  explicit TtsByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }
  std::uint8_t ReadByte();
  std::int32_t ReadInt32();
  std::span<const std::uint8_t> ReadBytes(std::size_t count);
  std::string ReadText(std::size_t length);
  // The next bytes without moving on; raises when fewer remain.
  std::span<const std::uint8_t> Peek(std::size_t count) const;

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace grid
