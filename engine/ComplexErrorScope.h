#pragma once
// How the complex routines record errors: like the scalar guarded routines, each one clears
// ErrorCode when it starts, and afterwards ErrorCode holds the first error of its steps, even when a
// later step (a routine that clears ErrorCode itself) succeeded. Nothing non-finite leaves a routine.

#include "engine/ComplexNumber.h"

namespace engine {

class ComplexErrorScope {
public:
  ComplexErrorScope();   // clears ErrorCode
  ~ComplexErrorScope();  // puts the first error back into ErrorCode

  ComplexErrorScope(const ComplexErrorScope&) = delete;
  ComplexErrorScope& operator=(const ComplexErrorScope&) = delete;

  // Notes the outcome of the step that gave the value and passes the value on.
  template <typename T>
  T Keep(T value)
  {
    Note();
    return value;
  }
  void Note();  // notes the outcome of the step just run
  bool Failed() const { return first_ != 0; }

private:
  int first_ = 0;
};

// z when both parts are finite; otherwise error 11 and the overflow value in z's form
// (ComplexInfinity, or the largest modulus with z's angle or 0).
TComplex FiniteComplex(const TComplex& z);

}  // namespace engine
