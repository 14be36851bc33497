#include "engine/Extended.h"

#include <gtest/gtest.h>

namespace engine {

TEST(Extended, HoldsIntegersBeyondDouble)
{
  const Extended big = 9007199254740993.0L;
  EXPECT_EQ(big - 9007199254740992.0L, 1.0L);
  EXPECT_EQ(MaxResultValue, 1.18973149535723176502e4932L);
}

}  // namespace engine
