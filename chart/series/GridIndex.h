#pragma once
// Where each point of a grid series lies: for grid positions 1..kGridSize along X and Z, the index
// of the point stored there. Rows are made only for columns that hold points.

#include <array>
#include <memory>

namespace chart {

class TGridIndex {
public:
  static constexpr int kGridSize = 500;

  static bool InRange(int x, int z) { return x >= 1 && x <= kGridSize && z >= 1 && z <= kGridSize; }
  // The point at (x, z), -1 when none is or the position lies outside the grid.
  int At(int x, int z) const
  {
    if (!InRange(x, z)) return -1;
    const auto& row = rows_[std::size_t(x - 1)];
    return row ? (*row)[std::size_t(z - 1)] : -1;
  }
  // Stores index at (x, z); a position outside the grid is ignored. Returns whether it was stored.
  bool Set(int x, int z, int index);
  void Clear();

private:
  using TRow = std::array<int, kGridSize>;
  std::array<std::unique_ptr<TRow>, kGridSize> rows_;
};

}  // namespace chart
