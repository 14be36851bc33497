#pragma once
// Puts the engine's modes, variables, user variables and user functions back to their start state.

#include "engine/BuiltinFunctions.h"
#include "engine/Engine.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include <gtest/gtest.h>

namespace engine {

class EngineFixture : public testing::Test {
protected:
  void SetUp() override { ResetEngine(); }
  void TearDown() override { ResetEngine(); }

  static void ResetEngine()
  {
    SetHost(nullptr);
    AngleMode = 0;
    NotationMode = nmScn;
    NumberBase = nbDecimal;
    NumberChars = DecimalNumberChars();
    LastResult = 0;
    ErrorFlag = false;
    ErrorCode = 0;
    StopFlag = 0;
    VarValues->fill(UndefinedValue);
    VarExprs->fill({});
    UsedVarNames->clear();
    UsedVarValues->clear();
    UserVariables->Clear();
    UserFunctions->Clear();
  }

  // The value of a text that must evaluate without an error.
  static Extended Value(const std::string& text)
  {
    const Extended value = EvalText(text);
    EXPECT_FALSE(ErrorFlag) << text << ": " << ErrorText(ErrorCode) << " at " << ErrorPos;
    return value;
  }

  // The error code of a text that must fail.
  static int Error(const std::string& text)
  {
    EvalText(text);
    EXPECT_TRUE(ErrorFlag) << text;
    return ErrorFlag ? ErrorCode : -1;
  }
};

}  // namespace engine
