#pragma once
// The individual column widths or row heights of the grid base window: no array while every
// entry has the default; the first individual value makes one with every entry at the default.

#include <vector>

namespace grid {

class TGridExtents {
 public:
  bool Allocated() const { return allocated_; }
  int Count() const { return int(values_.size()); }
  // The stored value below the count, else the default.
  int Get(int index, int defaultValue) const
  {
    return allocated_ && index >= 0 && index < Count() ? values_[std::size_t(index)] : defaultValue;
  }
  void Allocate(int count, int defaultValue);  // every entry at the default
  void Set(int index, int value) { values_[std::size_t(index)] = value; }
  void Drop();
  // Grows (amount > 0) or shrinks the array at an index; new entries take the default. Raises
  // "Grid index out of range", "Too many rows or columns deleted" or "Grid too large for operation".
  void Resize(int index, int amount, int defaultValue);
  void SetCount(int count, int defaultValue) { Resize(Count(), count - Count(), defaultValue); }
  // Moves one entry, shifting the ones between by one place.
  void Move(int from, int to);

 private:
  std::vector<int> values_;
  bool allocated_ = false;
};

inline constexpr int kMaxGridExtents = 0x7FFFFFD;

}  // namespace grid
