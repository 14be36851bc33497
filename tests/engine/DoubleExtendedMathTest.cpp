#include "engine/DoubleExtendedMath.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace engine {

// Whole numbers the kernels turn into table indices and quarter turns: the same integer as the direct
// conversion, in every rounding mode.
TEST(DoubleExtendedMath, WholeNumbersConvertExactlyInEveryRoundingMode)
{
  const Extended wholes[] = {0, -0.0L, 1, -1, 3, -3, 52, -52, 64, -65, 1048575, -1048577, 4294967297.0L,
                             -4294967295.0L, 9007199254740991.0L, -9007199254740991.0L};
  for (const int mode : {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (const Extended whole : wholes) {
      const long long converted = WholeToInteger(whole);
      std::fesetround(FE_TONEAREST);
      EXPECT_EQ(converted, static_cast<long long>(whole)) << static_cast<double>(whole) << " in mode " << mode;
      EXPECT_EQ(converted & 3, static_cast<long long>(whole) & 3);
      std::fesetround(mode);
    }
  }
  std::fesetround(FE_TONEAREST);
  EXPECT_EQ(WholeToInteger(NearestWhole(2.5L)), 2);
  EXPECT_EQ(WholeToInteger(NearestWhole(-3.5L)), -4);
}

}  // namespace engine
