#include "grid/model/SortIntList.h"

#include <algorithm>

namespace grid {

int TtsSortIntList::Get(int index) const
{
  return index >= 1 && index <= count_ ? items_[std::size_t(index)] : 0;
}

void TtsSortIntList::Put(int index, int value)
{
  if (index >= 1 && index <= count_)
    items_[std::size_t(index)] = value;
}

void TtsSortIntList::Insert(int index, int value)
{
  if (index == 0)
    index = 1;
  if (index < 1 || index > count_ + 1)
    return;
  Grow(count_ + 1);
  std::move_backward(items_.begin() + index, items_.begin() + count_ + 1, items_.begin() + count_ + 2);
  items_[std::size_t(index)] = value;
  ++count_;
}

void TtsSortIntList::Delete(int index)
{
  if (index < 1 || index > count_)
    return;
  std::move(items_.begin() + index + 1, items_.begin() + count_ + 1, items_.begin() + index);
  --count_;
  Grow(count_);
}

void TtsSortIntList::AddSorted(int value)
{
  bool found = false;
  const int index = Search(value, found);
  if (!found)
    Insert(index, value);
}

void TtsSortIntList::RemoveSorted(int value)
{
  bool found = false;
  const int index = Search(value, found);
  if (found)
    Delete(index);
}

int TtsSortIntList::Search(int value, bool& found) const
{
  int low = 1;
  int high = count_;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int item = items_[std::size_t(middle)];
    if (value < item) {
      high = middle - 1;
    } else if (value == item) {
      found = true;
      return middle;
    } else {
      low = middle + 1;
    }
  }
  found = false;
  return low;
}

void TtsSortIntList::Assign(const TtsSortIntList& source)
{
  if (source.count_ == 0) {
    items_.clear();
    count_ = 0;
    capacity_ = 0;
    return;
  }
  Grow(source.count_);
  std::copy(source.items_.begin(), source.items_.begin() + source.count_ + 1, items_.begin());
  count_ = source.count_;
}

void TtsSortIntList::Grow(int needed)
{
  if (needed > capacity_)
    SetCapacity(needed + 100);
  else if (needed < capacity_ - 100)
    SetCapacity(needed);
}

void TtsSortIntList::SetCapacity(int capacity)
{
  if (capacity == capacity_)
    return;
  items_.resize(std::size_t(capacity) + 1);
  capacity_ = capacity;
}

}  // namespace grid
