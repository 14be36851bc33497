#include "grid/model/IntegerLists.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace grid {

int TtsIntegerList::Add(int value)
{
  items_.push_back(value);
  return Count() - 1;
}

void TtsIntegerList::Check(int index) const
{
  if (index < 0 || index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

int TtsIntegerList::Get(int index) const
{
  Check(index);
  return items_[std::size_t(index)];
}

void TtsIntegerList::Put(int index, int value)
{
  Check(index);
  items_[std::size_t(index)] = value;
}

void TtsIntegerList::Delete(int index)
{
  Check(index);
  items_.erase(items_.begin() + index);
}

int TtsIntegerList::IndexOf(int value) const
{
  const auto at = std::find(items_.begin(), items_.end(), value);
  return at == items_.end() ? -1 : int(at - items_.begin());
}

int TtsIntegerList::Remove(int value)
{
  const int index = IndexOf(value);
  if (index >= 0)
    Delete(index);
  return index;
}

TtsIntegerSet* TtsIntegerSetList::Get(int index) const
{
  return index >= 0 && index < Count() ? sets_[std::size_t(index)].get() : nullptr;
}

void TtsIntegerSetList::Put(int index, std::unique_ptr<TtsIntegerSet> set)
{
  if (index >= 0 && index < Count())
    sets_[std::size_t(index)] = std::move(set);
}

void TtsIntegerSetList::ClearSets()
{
  for (auto& set : sets_)
    set.reset();
}

void TtsIntegerSetList::Assign(const TtsIntegerSetList& source)
{
  ClearSets();
  const int common = std::min(Count(), source.Count());
  for (int i = 0; i < common; ++i) {
    if (const TtsIntegerSet* from = source.Get(i)) {
      auto copy = std::make_unique<TtsIntegerSet>();
      copy->Assign(*from);
      sets_[std::size_t(i)] = std::move(copy);
    }
  }
}

}  // namespace grid
