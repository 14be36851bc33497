#include "chart/model/ListIndexError.h"

namespace chart {

EListIndexError::EListIndexError(long long index)
    : platform::Exception(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}

void CheckListIndex(long long index, std::size_t count)
{
  if (index < 0 || index >= static_cast<long long>(count)) throw EListIndexError(index);
}

}  // namespace chart
