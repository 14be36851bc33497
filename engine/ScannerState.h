#pragma once
// Saves the scanner state for a nested evaluation and puts it back when it goes out of scope.
// The error state is shared by all evaluations and is not restored.

#include "engine/EngineState.h"

#include <string>

namespace engine {

class ScannerState {
public:
  ScannerState()
      : exprString_(ExprString), exprChar_(ExprChar), exprPos_(ExprPos), exprStart_(ExprStart),
        argListDepth_(ArgListDepth)
  {
  }
  ~ScannerState() { Restore(); }
  ScannerState(const ScannerState&) = delete;
  ScannerState& operator=(const ScannerState&) = delete;

  void Restore() const
  {
    ExprString = exprString_;
    ExprChar = exprChar_;
    ExprPos = exprPos_;
    ExprStart = exprStart_;
    ArgListDepth = argListDepth_;
  }

private:
  std::string exprString_;
  unsigned char exprChar_;
  int exprPos_;
  int exprStart_;
  int argListDepth_;
};

}  // namespace engine
