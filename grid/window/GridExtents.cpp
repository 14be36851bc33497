#include "grid/window/GridExtents.h"

#include "grid/model/GridServices.h"

#include <algorithm>

namespace grid {

void TGridExtents::Allocate(int count, int defaultValue)
{
  values_.assign(std::size_t(std::max(count, 0)), defaultValue);
  allocated_ = true;
}

void TGridExtents::Drop()
{
  values_.clear();
  values_.shrink_to_fit();
  allocated_ = false;
}

void TGridExtents::Resize(int index, int amount, int defaultValue)
{
  if (amount == 0 || !allocated_)
    return;
  if (index < 0 || index > Count())
    throw EInvalidGridOperation("Grid index out of range");
  const long long count = (long long)Count() + amount;
  if (count < 0)
    throw EInvalidGridOperation("Too many rows or columns deleted");
  if (count > kMaxGridExtents)
    throw EInvalidGridOperation("Grid too large for operation");
  if (amount > 0)
    values_.insert(values_.begin() + index, std::size_t(amount), defaultValue);
  else
    values_.erase(values_.begin() + std::min(index, int(count)), values_.begin() + std::min(index - amount, Count()));
  values_.resize(std::size_t(count), defaultValue);
}

void TGridExtents::Move(int from, int to)
{
  if (!allocated_ || from == to || from < 0 || to < 0 || from >= Count() || to >= Count())
    return;
  if (from < to)
    std::rotate(values_.begin() + from, values_.begin() + from + 1, values_.begin() + to + 1);
  else
    std::rotate(values_.begin() + to, values_.begin() + from, values_.begin() + from + 1);
}

}  // namespace grid
