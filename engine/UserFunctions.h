#pragma once
// User functions: one definition a line, NAME(p1,...,pn)=body, kept in *.FNC files; calling them.

#include "engine/StateName.h"
#include "engine/UserFunctionList.h"

#include <string>
#include <string_view>

namespace engine {

// The user functions of the current evaluation context.
inline constexpr TStateName<&TContextState::UserFunctions> UserFunctions{};

// The 1-based position of the first whole-word occurrence of word in text, or 0.
int FindWholeWord(const std::string& word, const std::string& text);

// Deepest nesting of user-function calls.
inline constexpr int MaxUserFunctionDepth = 256;

// Calls the user function whose upper-cased name (with its "(") ParseName collected, the scanner on
// the "(". True when it was called: code is 999 and the result is pushed. False when no entry
// matches, or with an error recorded (26 in an argument, 27 in the body).
bool ExpandUserFunction(std::string_view name, int nameStart, int& code);
// The value of placeholder k while a body is evaluated; false outside a body or beyond its arguments.
bool ArgumentValue(unsigned char placeholder, Extended& value);

}  // namespace engine
