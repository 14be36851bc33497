#pragma once
// The whole-grid stream: a signature, then named values in the order the grid offers them. A value
// is a flag, a whole number, a floating-point number, a text, a block of bytes, or a collection of
// items, each item a list of named values that are neither bytes nor collections.
//
// Reading parses the whole stream before anything is applied and checks every count and length
// against the bytes left, so a damaged or foreign stream raises EReadError and allocates no more
// than the stream's own size.

#include "grid/model/ByteStream.h"
#include "grid/model/PublishedProperties.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace grid {

enum TtsPropKind : std::uint8_t { pkGrid, pkCols, pkRows, pkCells };
using TtsPropKinds = std::uint8_t;  // bit n for TtsPropKind n
constexpr TtsPropKinds PropKindBit(TtsPropKind kind) { return TtsPropKinds(1u << kind); }
constexpr bool HasPropKind(TtsPropKinds kinds, TtsPropKind kind) { return (kinds & PropKindBit(kind)) != 0; }
inline constexpr TtsPropKinds kAllPropKinds = 0x0F;

using TtsStreamItem = std::vector<std::pair<std::string, TtsStreamValue>>;

enum TtsStreamEntryKind : std::uint8_t { seValue, seBinary, seCollection };

struct TtsStreamEntry {
  std::string Name;
  TtsStreamEntryKind Kind = seValue;
  TtsStreamValue Value;
  std::vector<std::uint8_t> Binary;
  std::vector<TtsStreamItem> Items;
};

class TtsGridStreamWriter {
 public:
  TtsGridStreamWriter();  // writes the signature
  void WriteValue(const std::string& name, const TtsStreamValue& value);
  void WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes);
  void WriteCollection(const std::string& name, const std::vector<TtsStreamItem>& items);  // none when empty
  std::vector<std::uint8_t> Bytes() const;  // with the end mark

 private:
  TtsByteWriter writer_;
};

// The entries of a whole-grid stream; EReadError for anything that is not one.
std::vector<TtsStreamEntry> ReadGridStream(std::span<const std::uint8_t> bytes);

// A list of named values on its own (the "Grid" block), and its reading.
std::vector<std::uint8_t> WriteStreamItem(const TtsStreamItem& item);
TtsStreamItem ReadStreamItem(std::span<const std::uint8_t> bytes);

// The value of a name in an item, or none.
const TtsStreamValue* FindStreamValue(const TtsStreamItem& item, const std::string& name);

}  // namespace grid
