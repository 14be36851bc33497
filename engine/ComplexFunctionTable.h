#pragma once
// The names of complex mode: 88 entries whose positions match the real table for the same name.

#include "engine/FunctionTable.h"

#include <span>
#include <string_view>

namespace engine {

inline constexpr int ComplexHintCount = 66;

std::span<const TFunctionEntry> ComplexFunctionTable();
// The assistant's description of a complex name by code; empty for codes without one.
std::string_view ComplexHints(int code);

}  // namespace engine
