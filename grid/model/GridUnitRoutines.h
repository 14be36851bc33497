#pragma once
// Small routines shared across the grid: ranges, the "not set" value of each property identifier
// and the legacy alignment identifiers of old layouts.

#include "grid/model/CellValue.h"
#include "grid/model/GridTypes.h"

#include <memory>
#include <string>

namespace grid {

// A range of display columns and rows.
struct TtsRange {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TtsRange&, const TtsRange&) = default;
};

constexpr TtsRange MakeRange(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

// The value that marks a property as not set; Unassigned for identifiers without a cell value.
TtsCellValue PropertyDefault(TtsPropId id);

// Frees the object and clears the reference.
template <class T>
void FreeAndClear(std::unique_ptr<T>& object)
{
  object.reset();
}

// "taLeftJustify", "taRightJustify", "taCenter" in any case; anything else reads as left.
TtsHorzAlignment ReadLegacyAlignment(const std::string& identifier);

}  // namespace grid
