#pragma once
// The engine's working state: the state of the evaluation context current on this thread (see
// EvalContext.h), under the names the evaluator and the main window use. Each thread has its own;
// on the main thread it is the main window's context. Nested evaluations save and restore what they
// disturb.

#include "engine/CharSet.h"
#include "engine/Extended.h"

#include <chrono>
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
inline thread_local std::string ExprString;      // the text under evaluation, normally without blanks
inline thread_local unsigned char ExprChar = EndMarker;
inline thread_local int ExprPos = 0;             // 1-based index of ExprChar; 0 before the first character
inline thread_local int ExprStart = 1;           // where the current (sub)expression began
inline thread_local int ArgListDepth = 0;        // nesting of argument lists; while above 0 a "," ends an operand

// The first error of an evaluation
inline thread_local bool ErrorFlag = false;
inline thread_local int ErrorCode = 0;
inline thread_local int ErrorPos = 0;            // 1-based position in ExprString
inline thread_local int ErrorSpan = 0;           // characters to highlight from ErrorPos
inline thread_local int UserFuncErrorCode = 0;   // an error inside a user function body, shown by code 27
inline thread_local int UserFuncErrorPos = 0;

inline thread_local Extended LastResult = 0;     // read by "?"
inline thread_local int CurrentVarIndex = 0;     // 1..10: the variable X..N last read or assigned

// Modes, set by the main window
inline thread_local int AngleMode = 0;           // 0 radians, 1 degrees
inline thread_local int NotationMode = nmScn;
inline thread_local int NumberBase = nbDecimal;
inline thread_local CharSet NumberChars = DecimalNumberChars();  // characters that may start a number
inline thread_local int ProcDigits = 9;          // digits of interval bounds as text
inline thread_local int ValueDigits = 18;        // digits of variable values in UsedVarValues and the variable dialog
inline thread_local std::uint8_t StopFlag = 0;   // set by the stop button

// Variables read or assigned by the last evaluation, with their values; the engine only appends,
// callers clear. The values are formatted only where they are shown (UsedValueText).
inline thread_local std::vector<std::string> UsedVarNames;
inline thread_local std::vector<Extended> UsedVarValues;

// Bookkeeping of the evaluator, its user-function calls and its pumping of events
inline thread_local int NestingDepth = 0;            // operands being parsed (error 2 beyond MaxNestingDepth)
inline thread_local int ComplexNestingDepth = 0;     // the same in complex mode
inline thread_local int TopLevelCount = 0;           // evaluations begun outside any other
inline thread_local std::vector<std::vector<Extended>> ArgumentFrames;  // arguments of the calls under way, innermost last
inline thread_local int CallDepth = 0;               // user-function calls under way
inline thread_local std::chrono::steady_clock::time_point LastPump;  // when events were last pumped
inline thread_local bool PumpDue = true;             // the next step of a construct pumps at once

}  // namespace engine
