#include "plot/support/FloatList.h"

#include <algorithm>
#include <stdexcept>

namespace plot {

int TFloatList::Add(double x)
{
  if (items_.empty())
    MinValue = MaxValue = x;
  else {
    MinValue = std::min(MinValue, x);
    MaxValue = std::max(MaxValue, x);
  }
  items_.push_back(x);
  return Count() - 1;
}

double TFloatList::GetItem(int index) const
{
  if (index < 0 || index >= Count())
    throw std::out_of_range("float list index");
  return items_[static_cast<std::size_t>(index)];
}

void TFloatList::SetItem(int index, double x)
{
  if (index < 0 || index >= Count())
    throw std::out_of_range("float list index");
  items_[static_cast<std::size_t>(index)] = x;
}

}  // namespace plot
