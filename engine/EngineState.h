#pragma once
// The engine's state: one evaluator, kept in named variables rather than in an object. It is not
// re-entrant; nested evaluations save and restore what they disturb.

#include "engine/CharSet.h"
#include "engine/Extended.h"

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// Notation of decimal results.
inline constexpr int nmScn = 0;
inline constexpr int nmFix = 1;
inline constexpr int nmEng = 2;
inline constexpr int nmSxg = 3;

// Number bases.
inline constexpr int nbDecimal = 0;
inline constexpr int nbHexadecimal = 1;
inline constexpr int nbBinary = 2;

// The character after the last one of the text.
inline constexpr unsigned char EndMarker = 127;

// Scanner
inline std::string ExprString;      // the text under evaluation, normally without blanks
inline unsigned char ExprChar = EndMarker;
inline int ExprPos = 0;             // 1-based index of ExprChar; 0 before the first character
inline int ExprStart = 1;           // where the current (sub)expression began
inline int ArgListDepth = 0;        // nesting of argument lists; while above 0 a "," ends an operand

// The first error of an evaluation
inline bool ErrorFlag = false;
inline int ErrorCode = 0;
inline int ErrorPos = 0;            // 1-based position in ExprString
inline int ErrorSpan = 0;           // characters to highlight from ErrorPos
inline int UserFuncErrorCode = 0;   // an error inside a user function body, shown by code 27
inline int UserFuncErrorPos = 0;

inline Extended LastResult = 0;     // read by "?"
inline int CurrentVarIndex = 0;     // 1..10: the variable X..N last read or assigned

// Modes, set by the main window
inline int AngleMode = 0;           // 0 radians, 1 degrees
inline int NotationMode = nmScn;
inline int NumberBase = nbDecimal;
inline CharSet NumberChars = DecimalNumberChars();  // characters that may start a number
inline int ProcDigits = 9;          // digits of interval bounds as text
inline int ValueDigits = 18;        // digits of variable values in UsedVarValues and the variable dialog
inline std::uint8_t StopFlag = 0;   // set by the stop button

// Variables read or assigned by the last evaluation, with their values; the engine only appends,
// callers clear. The values are formatted only where they are shown (UsedValueText).
inline std::vector<std::string> UsedVarNames;
inline std::vector<Extended> UsedVarValues;

}  // namespace engine
