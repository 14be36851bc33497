#pragma once
// A flat program of an expression over the variables: postfix steps over a value stack, run at
// many points. A step that would record an error makes the run fail; the caller then evaluates the
// text to obtain the error exactly.

#include "engine/BuiltinFunctions.h"
#include "engine/Extended.h"

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

enum class TStep : std::uint8_t {
  Constant,  // push Constant
  Variable,  // push the value of variable Index (1..10)
  Negate,    // a sign: top *= -1
  Add,
  Subtract,
  Multiply,
  Divide,
  Percent,   // a * b / 100
  Power,
  WholePower,  // top to the whole power Index (SmallWholeExponent), the exponent a constant
  Square,
  Root,
  Cube,
  Call,      // built-in Index with Arguments (0, 1 or 2) values from the stack
  Direct,    // built-in Index of one value through Function
  SineOfVariable,    // push sin of variable Index; its cosine is kept for a CosineOfVariable
  CosineOfVariable,  // the same for cos
};

struct TProgramStep {
  TStep Step = TStep::Constant;
  std::uint8_t Arguments = 0;
  int Index = 0;
  Extended Constant = 0;
  TDirectFunction Function = nullptr;
};

inline constexpr int MaxProgramStack = 64;

struct TCompiledProgram {
  std::vector<TProgramStep> Steps;
  std::vector<int> VariableReads;  // in reading order, as the text evaluator records them
  std::vector<std::string> ReadNames;  // their names, recorded as they stand after each run
};

// Runs the program at the current variable values. False when a step fails (an undefined
// variable, an arithmetic or function error); the error state may then hold a partial record.
bool RunProgram(const TCompiledProgram& program, Extended& value);

}  // namespace engine
