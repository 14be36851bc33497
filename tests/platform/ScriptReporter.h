#pragma once
// Modal scripts in tests: an unanswered or mismatched modal run fails the current test.

#include "platform/ModalRun.h"

#include <gtest/gtest.h>

namespace platform::testing {

inline ModalScript::Reporter FailTest()
{
  return [](const QString& message) { ADD_FAILURE() << message.toStdString(); };
}

}  // namespace platform::testing
