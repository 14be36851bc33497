#pragma once
// Operands that begin with a letter: built-in names, variables, user functions and user variables.

#include "engine/Extended.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// Code of the loop keyword "FORJTOKSTEPMDO(".
inline constexpr int LoopKeywordCode = 991;
// Name lookup failed; the error is recorded.
inline constexpr int NoNameCode = -1;

// A name as read, upper-cased, up to and including its terminator; longer names keep their first
// characters, which no table name matches.
struct TCollectedName {
  static constexpr std::size_t Capacity = 21;
  char Text[Capacity];
  std::size_t Length = 0;
  std::string_view View() const { return {Text, Length}; }
};

// Reads a name up to and including its terminator; ExprChar stays on the terminator.
TCollectedName CollectName();
// Reads a name up to and including its terminator (ExprChar stays on the terminator) and finds what
// it names. nameStart receives the position of its first character.
int ParseName(int& nameStart);
// A named operand at ExprChar, times sign; the caller applies the postfix signs.
void ParseNamedOperand(Extended& value, int sign);

}  // namespace engine
