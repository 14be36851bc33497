#pragma once
// A set of 8-bit characters.

#include <bitset>
#include <string_view>

namespace engine {

class CharSet {
public:
  constexpr CharSet() = default;
  explicit CharSet(std::string_view chars) { Add(chars); }

  bool Contains(unsigned char c) const { return bits_.test(c); }
  void Add(unsigned char c) { bits_.set(c); }
  void Add(std::string_view chars)
  {
    for (const char c : chars)
      Add(static_cast<unsigned char>(c));
  }
  void Remove(unsigned char c) { bits_.reset(c); }
  bool operator==(const CharSet&) const = default;

private:
  std::bitset<256> bits_;
};

// NumberChars for each number base.
inline CharSet DecimalNumberChars() { return CharSet("#$.0123456789"); }
inline CharSet HexadecimalNumberChars() { return CharSet("#$0123456789ABCDEF"); }
inline CharSet BinaryNumberChars() { return CharSet("#$0123456789"); }

}  // namespace engine
