#pragma once
// The evaluator of complex mode: its own scanner over ComplexExprString; comp(Real, Image) hands its
// two parts to the real evaluator. The error code is shared with the real evaluator (ErrorCode).

#include "engine/ComplexNumber.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <string>

namespace engine {

// Scanner
inline thread_local std::string ComplexExprString;
inline thread_local unsigned char ComplexExprChar = 127;
inline thread_local int ComplexExprPos = 0;
inline thread_local int ComplexExprStart = 1;

// The first error of a complex evaluation (its code is in ErrorCode)
inline thread_local bool ComplexErrorFlag = false;
inline thread_local int ComplexErrorPos = 0;
inline thread_local int ComplexErrorSpan = 0;

inline thread_local TComplex ComplexResult = ComplexZero;     // the last result, read by "?"
inline thread_local std::uint8_t ComplexForm = cfRectangular;  // the display form

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
