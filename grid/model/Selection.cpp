#include "grid/model/Selection.h"

#include <algorithm>

namespace grid {

void TtsSelection::Set(int index, bool selected)
{
  if (index < 0 || index >= int(bits_.size()) || bits_[std::size_t(index)] == selected)
    return;
  bits_[std::size_t(index)] = selected;
  Recount();
}

int TtsSelection::CountIn(int from, int to) const
{
  int count = 0;
  for (int i = std::min(from, to); i <= std::max(from, to); ++i)
    count += Selected(i) ? 1 : 0;
  return count;
}

void TtsSelection::Recount()
{
  count_ = 0;
  first_ = 0;
  last_ = 0;
  for (int i = 0; i < int(bits_.size()); ++i) {
    if (!bits_[std::size_t(i)])
      continue;
    ++count_;
    if (first_ == 0)
      first_ = i;
    last_ = i;
  }
}

}  // namespace grid
