#pragma once
// One row of a command table: a key or two-key sequence and its command.

#include "controls/editor/CommandCodes.h"

#include <cstdint>

namespace controls {

struct TOvcCmdRow {
  std::uint8_t Key1 = 0;
  std::uint8_t Shift1 = 0;
  std::uint8_t Key2 = 0;  // 0 for a one-key row
  std::uint8_t Shift2 = 0;
  TOvcCommand Command = ccNone;

  // Key1, Shift1, Key2 and Shift2 read as one little-endian 32-bit value.
  std::uint32_t KeySequence() const
  {
    return std::uint32_t(Key1) | std::uint32_t(Shift1) << 8 | std::uint32_t(Key2) << 16 | std::uint32_t(Shift2) << 24;
  }
  static TOvcCmdRow FromKeySequence(std::uint32_t sequence, TOvcCommand command)
  {
    return {std::uint8_t(sequence), std::uint8_t(sequence >> 8), std::uint8_t(sequence >> 16),
            std::uint8_t(sequence >> 24), command};
  }
  bool operator==(const TOvcCmdRow&) const = default;
};

}  // namespace controls
