#pragma once
// Shared fixture of the numeric library's tests: a clean error state before each case, and
// comparisons by relative error.

#include "engine/EngineState.h"
#include "engine/Extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>

namespace engine::test {

class MathLibraryTest : public ::testing::Test {
protected:
  void SetUp() override { ClearError(); }

  static void ClearError()
  {
    ErrorFlag = false;
    ErrorCode = 0;
  }

  // The call succeeded: no flag, no code.
  static void ExpectNoError()
  {
    EXPECT_FALSE(ErrorFlag);
    EXPECT_EQ(ErrorCode, 0);
  }

  // The call failed with the code: flag and code both set.
  static void ExpectError(int code)
  {
    EXPECT_TRUE(ErrorFlag);
    EXPECT_EQ(ErrorCode, code);
  }

  // |actual - expected| <= tolerance * |expected| (absolute when expected is 0).
  static void ExpectRelative(Extended actual, Extended expected, Extended tolerance)
  {
    const Extended scale = expected == 0 ? 1 : std::fabs(expected);
    EXPECT_LE(std::fabs(actual - expected), tolerance * scale)
        << std::setprecision(21) << "actual " << actual << ", expected " << expected
        << ", relative error " << static_cast<double>(std::fabs(actual - expected) / scale);
  }
};

}  // namespace engine::test
