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

// The first entry, in table order, that an upper-cased name with its terminator names: entries of
// kind 0 are compared without the terminator, the others with it. Found through an index.
const TFunctionEntry* FindFunctionEntry(std::string_view upperName);
// The argument kind of a code (akNone for a code without an entry).
int ArgKindOf(int code);

}  // namespace engine
