#include "grid/model/VisibleItems.h"

#include <algorithm>

namespace grid {

int TtsVisibleItems::Get(int index) const
{
  if (explicit_)
    return TtsSortIntList::Get(index);
  return index;
}

int TtsVisibleItems::Find(int position, bool& visible) const
{
  if (position <= visibleCount_ && position >= 1 && Get(position) == position) {
    visible = true;
    return position;
  }
  if (explicit_)
    return Search(position, visible);
  visible = false;
  return position > 0 ? visibleCount_ + 1 : 1;
}

void TtsVisibleItems::Add(int position)
{
  if (!explicit_)
    return;
  AddSorted(position);
  visibleCount_ = Count();
}

void TtsVisibleItems::Remove(int position)
{
  if (!explicit_) {
    for (int p = 1; p <= visibleCount_; ++p)
      Insert(p, p);
    explicit_ = true;
  }
  RemoveSorted(position);
  visibleCount_ = Count();
}

void TtsVisibleItems::SetCount(int count, int firstNewPosition)
{
  if (count == visibleCount_)
    return;
  visibleCount_ = count;
  if (!explicit_)
    return;
  while (Count() > count)
    Delete(Count());
  for (int next = firstNewPosition; Count() < count; ++next)
    Insert(Count() + 1, next);
}

void TtsVisibleItems::DropFrom(int position)
{
  if (!explicit_) {
    visibleCount_ = std::max(0, std::min(visibleCount_, position - 1));
    return;
  }
  while (Count() > 0 && TtsSortIntList::Get(Count()) >= position)
    Delete(Count());
  visibleCount_ = Count();
}

void TtsVisibleItems::Move(int from, int to)
{
  if (!explicit_ || from == to)
    return;
  bool fromVisible = false;
  const int fromIndex = Search(from, fromVisible);
  if (fromVisible)
    Delete(fromIndex);
  for (int i = 1; i <= Count(); ++i) {
    const int p = TtsSortIntList::Get(i);
    if (from < to && p > from && p <= to)
      Put(i, p - 1);
    else if (to < from && p >= to && p < from)
      Put(i, p + 1);
  }
  if (fromVisible)
    AddSorted(to);
}

void TtsVisibleItems::Assign(const TtsSortIntList& source)
{
  TtsSortIntList::Assign(source);
  if (const auto* items = dynamic_cast<const TtsVisibleItems*>(&source)) {
    visibleCount_ = items->visibleCount_;
    explicit_ = items->explicit_;
  }
}

}  // namespace grid
