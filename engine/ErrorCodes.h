#pragma once
// Error codes of an evaluation (texts by ErrorText).

#include "engine/MathError.h"

namespace engine {

inline constexpr int ecSyntax = 0;
inline constexpr int ecStackOverflow = 2;
inline constexpr int ecExtremumNotFound = 6;
// ecArgumentError 8, ecArgumentNegative 10, ecOverflow 11, ecSingularity 12: MathError.h
inline constexpr int ecDivisionByZero = 13;
inline constexpr int ecTooManyCloseParens = 16;
inline constexpr int ecMissingOpenParen = 17;
inline constexpr int ecMissingCloseParen = 18;
inline constexpr int ecCommaExpected = 20;
inline constexpr int ecIntervalError = 21;
inline constexpr int ecUserBreak = 22;
inline constexpr int ecChangeNotation = 23;
inline constexpr int ecArgumentOutOfRange = 24;
inline constexpr int ecMissingArgument = 26;
inline constexpr int ecUserFunctionError = 27;
// ecUnderflow 28: MathError.h

}  // namespace engine
