#pragma once
// Repeatable damage to a valid stream for the short fuzz runs: 1..maxEdits edits, each a flipped
// bit, a hostile 32-bit count written over four bytes, a cut, or a spliced random byte.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <random>
#include <vector>

namespace grid::fuzz {

inline std::vector<std::uint8_t> Mutated(std::vector<std::uint8_t> bytes, std::mt19937& random, int maxEdits)
{
  static const std::int32_t hostile[] = {0,       -1,      1, 255, 0x7FFFFFFF, std::int32_t(0x80000000),
                                         1 << 20, (1 << 20) + 1, 65536};
  const int edits = 1 + int(random() % unsigned(maxEdits));
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
  return bytes;
}

}  // namespace grid::fuzz
