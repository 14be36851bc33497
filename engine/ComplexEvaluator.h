#pragma once
// The evaluator of complex mode: its own scanner over ComplexExprString; comp(Real, Image) hands its
// two parts to the real evaluator. The error code is shared with the real evaluator (ErrorCode).

#include "engine/ComplexNumber.h"
#include "engine/StateName.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <string>

namespace engine {

// Scanner of the current context
inline constexpr TStateName<&TContextState::ComplexExprString> ComplexExprString{};
inline constexpr TStateName<&TContextState::ComplexExprChar> ComplexExprChar{};
inline constexpr TStateName<&TContextState::ComplexExprPos> ComplexExprPos{};
inline constexpr TStateName<&TContextState::ComplexExprStart> ComplexExprStart{};

// The first error of a complex evaluation (its code is in ErrorCode)
inline constexpr TStateName<&TContextState::ComplexErrorFlag> ComplexErrorFlag{};
inline constexpr TStateName<&TContextState::ComplexErrorPos> ComplexErrorPos{};
inline constexpr TStateName<&TContextState::ComplexErrorSpan> ComplexErrorSpan{};

// The last result, read by "?", and the display form
inline constexpr TStateName<&TContextState::ComplexResult> ComplexResult{};
inline constexpr TStateName<&TContextState::ComplexForm> ComplexForm{};

// Evaluates text as it stands; the outputs are left alone for an empty text.
void EvaluateComplex(std::string& text, bool& failed, int& pos, TComplex& value, int& span);
// Removes blanks and checks parentheses first; text comes back without blanks. The value is in
// ComplexForm.
TComplex EvaluateComplexChecked(std::string& text, bool& failed, int& pos, int& span);
// The display text of a complex value in ComplexForm.
std::string ComplexToText(const TComplex& value, int digits);

// The lines of the complex-syntax message.
std::span<const std::string_view> ComplexSyntaxLines();

}  // namespace engine
