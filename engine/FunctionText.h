#pragma once
// The function text of a construct, evaluated in place with X (or another variable) set.

#include "engine/Extended.h"

#include <cstddef>

namespace engine {

class FunctionText {
public:
  // The text starts at ExprPos; the variable's value is saved and put back at the end.
  explicit FunctionText(int variable = 1);
  ~FunctionText();
  FunctionText(const FunctionText&) = delete;
  FunctionText& operator=(const FunctionText&) = delete;

  // f(x): sets the variable and evaluates the text up to the construct's closing parenthesis.
  Extended At(Extended x);
  // The text as it stands (the variable as it is).
  Extended Evaluate();

  int Start() const { return start_; }
  int End() const { return end_; }  // the closing parenthesis, after an evaluation
  // The value the variable gets back.
  void SetSavedValue(Extended value) { saved_ = value; }

private:
  int start_;
  int end_ = 0;
  int variable_;
  Extended saved_;
  std::size_t usedBefore_;
  std::size_t usedAfterFirst_ = 0;
  bool evaluated_ = false;
};

}  // namespace engine
