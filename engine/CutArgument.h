#pragma once
// Cutting the arguments of constructs and assignments out of ExprString.

#include <string>

namespace engine {

// Copies the characters from ExprPos onward up to, at parenthesis depth 0, a ")", ",", "<", "=" or
// ">" (a "," at depth 1 counts as depth 0; "<", "=" and ">" also close a level). end receives that
// character's position. False, with ErrorFlag set, when the text ends first or the cut is empty.
bool CutArgument(int& end, std::string& text);
// The same up to the next "(".
bool CutToParenthesis(int& end, std::string& text);

}  // namespace engine
