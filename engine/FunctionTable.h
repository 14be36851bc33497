#pragma once
// The table of built-in names that the evaluator searches and the main window's buttons address.

#include <span>
#include <string_view>

namespace engine {

// Argument kinds
inline constexpr int akNone = 0;   // a constant or a variable
inline constexpr int akOne = 1;
inline constexpr int akTwo = 2;
inline constexpr int akList = 3;   // a list or a special syntax

struct TFunctionEntry {
  std::string_view Name;  // a function's name ends with its "("
  int Code;
  int ArgKind;
};

std::span<const TFunctionEntry> FunctionTable();

}  // namespace engine
