#include "chart/series/GridIndex.h"

namespace chart {

bool TGridIndex::Set(int x, int z, int index)
{
  if (!InRange(x, z)) return false;
  auto& row = rows_[std::size_t(x - 1)];
  if (!row) {
    row = std::make_unique<TRow>();
    row->fill(-1);
  }
  (*row)[std::size_t(z - 1)] = index;
  return true;
}

void TGridIndex::Clear()
{
  for (auto& row : rows_) row.reset();
}

}  // namespace chart
