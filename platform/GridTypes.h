#pragma once
// Cell coordinates, cell rectangles and the grid options shared by the string grid and the grid control.

#include <initializer_list>

namespace platform {

struct TGridCoord {
  int X = 0;  // column
  int Y = 0;  // row
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {  // inclusive
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking,
};
using TGridOptions = unsigned;  // a bit per TGridOption

constexpr TGridOptions GridOptionBit(TGridOption option) { return TGridOptions(1u << option); }

constexpr TGridOptions GridOptions(std::initializer_list<TGridOption> options)
{
  TGridOptions set = 0;
  for (TGridOption o : options)
    set |= GridOptionBit(o);
  return set;
}

// Lines and range selection.
inline constexpr TGridOptions kDefaultGridOptions =
    GridOptions({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});

}  // namespace platform
