#pragma once
// A text evaluated at many points, as the plot loops do: compiled once, where its meaning allows,
// into a flat program; each point runs the program, or the text evaluator when the text could not
// be compiled or the program fails at that point (so errors come out exactly as the text gives them).

#include "engine/CompiledProgram.h"
#include "engine/Extended.h"

#include <string>

namespace engine {

class TPointEvaluation {
public:
  explicit TPointEvaluation(std::string text);

  // Evaluates the text at the current values of the variables as EvalTypedText does: the same
  // value, error state and recorded variables. False when an error was recorded. Over many points
  // the recorded list does not grow: a point's record replaces a record of the same names that
  // ends the list (the point before's).
  bool Evaluate(Extended& value) const;

  bool Compiled() const { return compiled_; }
  const std::string& Text() const { return text_; }

private:
  bool RunCompiled(Extended& value) const;

  std::string text_;
  TCompiledProgram program_;
  bool compiled_ = false;
};

}  // namespace engine
