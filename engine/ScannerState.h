#pragma once
// Saves the scanner state for a nested evaluation and puts it back when it goes out of scope.
// The text under evaluation is moved aside, not copied: ExprString is empty until the nested
// evaluation sets its own. The error state is shared by all evaluations and is not restored.

#include "engine/EngineState.h"

#include <string>
#include <utility>

namespace engine {

class ScannerState {
public:
  ScannerState()
      : exprString_(std::move(*ExprString)), exprChar_(ExprChar), exprPos_(ExprPos), exprStart_(ExprStart),
        argListDepth_(ArgListDepth)
  {
    ExprString->clear();
  }
  ~ScannerState()
  {
    ExprString = std::move(exprString_);
    ExprChar = exprChar_;
    ExprPos = exprPos_;
    ExprStart = exprStart_;
    ArgListDepth = argListDepth_;
  }
  ScannerState(const ScannerState&) = delete;
  ScannerState& operator=(const ScannerState&) = delete;

private:
  std::string exprString_;
  unsigned char exprChar_;
  int exprPos_;
  int exprStart_;
  int argListDepth_;
};

}  // namespace engine
