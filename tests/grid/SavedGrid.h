#pragma once
// A grid's whole-grid stream with every part, every property and its stored values.

#include "grid/window/Grid.h"

#include <cstdint>
#include <vector>

namespace grid {

inline std::vector<std::uint8_t> SavedGrid(TtsBaseGrid& grid)
{
  TtsByteWriter writer;
  grid.SaveGridToStream(writer, true);
  return writer.Bytes();
}

}  // namespace grid
