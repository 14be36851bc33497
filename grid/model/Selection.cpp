#include "grid/model/Selection.h"

#include <algorithm>

namespace grid {

bool TtsSelection::Assign(const TtsSelection& source)
{
  const bool bothEmpty = count_ == 0 && source.count_ == 0;
  lowest_ = source.lowest_;
  highest_ = source.highest_;
  count_ = source.count_;
  if (bothEmpty) {
    bits_.assign(source.bits_.size(), false);
    return false;
  }
  const bool changed = bits_ != source.bits_;
  bits_ = source.bits_;
  return changed;
}

void TtsSelection::Clear()
{
  bits_.assign(bits_.size(), false);
  count_ = 0;
  lowest_ = -1;
  highest_ = -1;
}

void TtsSelection::SetSize(int count)
{
  count = std::max(count, 0);
  if (count < Size()) {
    for (int p = count; p < Size(); ++p)
      count_ -= Bit(p) ? 1 : 0;
    if (highest_ >= count)
      highest_ = LastSetBelow(count);
    if (lowest_ >= count)
      lowest_ = -1;
  }
  bits_.resize(std::size_t(count), false);
}

void TtsSelection::Set(int position, bool selected)
{
  if (position < 0 || position >= Size() || Bit(position) == selected)
    return;
  bits_[std::size_t(position)] = selected;
  if (selected) {
    lowest_ = count_ == 0 ? position : std::min(lowest_, position);
    highest_ = count_ == 0 ? position : std::max(highest_, position);
    ++count_;
    return;
  }
  if (--count_ == 0) {
    lowest_ = highest_ = -1;
    return;
  }
  if (position == lowest_)
    lowest_ = FirstSetFrom(position + 1);
  if (position == highest_)
    highest_ = LastSetBelow(position);
}

int TtsSelection::NextSelected(int position) const
{
  if (count_ == 0 || position >= highest_)
    return -1;
  return FirstSetFrom(std::max(position + 1, 0));
}

int TtsSelection::PrevSelected(int position) const
{
  if (count_ == 0 || lowest_ >= position)
    return -1;
  return LastSetBelow(std::min(position, Size()));
}

int TtsSelection::CountSelected(int a, int b) const
{
  if (b < a)
    std::swap(a, b);
  a = std::max(a, 1);
  b = std::min(b, Size() - 1);
  if (count_ == 0 || a > b || b < lowest_ || a > highest_)
    return 0;
  if (a <= lowest_ && b >= highest_)
    return count_;
  int counted = IsSelected(a) ? 1 : 0;
  for (int p = NextSelected(a); p != -1 && p <= b; p = NextSelected(p))
    ++counted;
  return counted;
}

void TtsSelection::Recount()
{
  count_ = int(std::count(bits_.begin(), bits_.end(), true));
  lowest_ = FirstSetFrom(0);
  highest_ = LastSetBelow(Size());
}

int TtsSelection::LastSetBelow(int position) const
{
  for (int p = position - 1; p >= 0; --p)
    if (Bit(p))
      return p;
  return -1;
}

int TtsSelection::FirstSetFrom(int position) const
{
  for (int p = position; p < Size(); ++p)
    if (Bit(p))
      return p;
  return -1;
}

}  // namespace grid
