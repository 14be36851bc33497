#pragma once
// The grid's alignment types; the Default member of each leaves the choice to the next level
// (cell, row or column, grid).

#include <cstdint>

namespace grid {

enum TtsHorzAlignment : std::uint8_t { htaLeft, htaRight, htaCenter, htaDefault };
enum TtsVertAlignment : std::uint8_t { vtaTop, vtaBottom, vtaCenter, vtaDefault };

// The class library's text alignment (the legacy Alignment byte of columns, rows and cells).
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

constexpr TtsHorzAlignment ToHorzAlignment(TAlignment alignment, bool defined)
{
  if (!defined)
    return htaDefault;
  return alignment == taRightJustify ? htaRight : alignment == taCenter ? htaCenter : htaLeft;
}

constexpr TAlignment ToAlignment(TtsHorzAlignment alignment)
{
  return alignment == htaRight ? taRightJustify : alignment == htaCenter ? taCenter : taLeftJustify;
}

constexpr bool IsAlignmentDefined(TtsHorzAlignment alignment) { return alignment != htaDefault; }

}  // namespace grid
