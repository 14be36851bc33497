#pragma once
// Typed texts against values computed apart at 40 digits: each must evaluate without an error and lie
// within a relative tolerance of its reference.

#include "engine/EngineState.h"
#include "engine/ErrorText.h"
#include "engine/Evaluator.h"
#include "engine/Extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace engine {

struct ReferenceCase {
  const char* text;
  Extended reference;
};

inline void ExpectReferences(std::initializer_list<ReferenceCase> cases, Extended relativeTolerance)
{
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Extended value = 0;
    ASSERT_TRUE(EvalTypedText(c.text, value)) << ErrorText(ErrorCode);
    EXPECT_LE(std::fabs(value - c.reference), relativeTolerance * std::fabs(c.reference))
        << static_cast<double>(value) << " against " << static_cast<double>(c.reference);
  }
}

}  // namespace engine
