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
inline std::string ComplexExprString;
inline unsigned char ComplexExprChar = 127;
inline int ComplexExprPos = 0;
inline int ComplexExprStart = 1;

// The first error of a complex evaluation (its code is in ErrorCode)
inline bool ComplexErrorFlag = false;
inline int ComplexErrorPos = 0;
inline int ComplexErrorSpan = 0;

inline TComplex ComplexResult = ComplexZero;     // the last result, read by "?"
inline std::uint8_t ComplexForm = cfRectangular;  // the display form

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
