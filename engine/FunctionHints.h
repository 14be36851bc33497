#pragma once
// The assistant's one-line description of each built-in name, by code.

#include <string_view>

namespace engine {

inline constexpr int FunctionHintCount = 130;

// The hint of a code 0..129 ("%A" stands for the angle unit); empty for other codes.
std::string_view FunctionHints(int code);

}  // namespace engine
