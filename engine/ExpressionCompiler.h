#pragma once
// Compiles an expression text, blanks removed, into a flat program with the text evaluator's
// meaning. Declines (returns false) whatever it cannot compile with that meaning: assignments,
// constructs, list functions, user variables and functions, "?", random numbers, numbers outside
// the decimal base, and every text that would give a syntax error.

#include "engine/CompiledProgram.h"

#include <string>

namespace engine {

bool CompileExpression(const std::string& stripped, TCompiledProgram& program);

}  // namespace engine
