#include "platform/StringGridAxis.h"

#include <algorithm>

namespace platform {

int TGridAxis::FixedEnd() const
{
  int end = 0;
  for (int i = 0; i < std::min(Fixed, Count()); ++i)
    end += Step(i);
  return end;
}

int TGridAxis::Start(int i) const
{
  if (i < 0 || i >= Count())
    return -1;
  int pos = 0;
  if (i < Fixed) {
    for (int j = 0; j < i; ++j)
      pos += Step(j);
    return pos;
  }
  if (i < First)
    return -1;
  pos = FixedEnd();
  for (int j = First; j < i; ++j)
    pos += Step(j);
  return pos;
}

int TGridAxis::At(int pos) const
{
  if (pos < 0 || pos >= Client)
    return -1;
  int end = 0;
  for (int i = 0; i < std::min(Fixed, Count()); ++i) {
    end += Step(i);
    if (pos < end)
      return i;
  }
  for (int i = First; i < Count(); ++i) {
    end += Step(i);
    if (pos < end)
      return i;
  }
  return -1;
}

int TGridAxis::LastWhole() const
{
  int end = FixedEnd();
  int last = First - 1;
  for (int i = First; i < Count(); ++i) {
    end += Extent(i);
    if (end > Client)
      break;
    last = i;
    end += Line;
  }
  return last;
}

std::vector<int> TGridAxis::InView() const
{
  std::vector<int> cells;
  int pos = 0;
  for (int i = 0; i < std::min(Fixed, Count()) && pos < Client; ++i) {
    cells.push_back(i);
    pos += Step(i);
  }
  for (int i = First; i < Count() && pos < Client; ++i) {
    cells.push_back(i);
    pos += Step(i);
  }
  return cells;
}

int TGridAxis::FirstShowing(int i) const
{
  if (i < Fixed)
    return Fixed;
  int room = Client - FixedEnd();
  int first = i;
  for (int j = i; j >= Fixed; --j) {
    room -= Extent(j);
    if (room < 0)
      break;
    first = j;
    room -= Line;
  }
  return first;
}

}  // namespace platform
