#pragma once
// The list index error of the chart's point lists: an index outside a value, colour or label list.

#include "platform/Exceptions.h"

namespace chart {

class EListIndexError : public platform::Exception {
public:
  explicit EListIndexError(long long index);
};

// Raises EListIndexError unless 0 <= index < count.
void CheckListIndex(long long index, std::size_t count);

}  // namespace chart
