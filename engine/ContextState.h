#pragma once
// The whole mutable state of one evaluation context: scanner, error state, modes, construct memory,
// call frames, variables, user definitions, the random generator and the host. The engine reaches
// the state of the context current on its thread through the names of StateName.h.

#include "engine/CharSet.h"
#include "engine/ComplexNumber.h"
#include "engine/Extended.h"
#include "engine/UserFunctionList.h"
#include "engine/UserVariableList.h"
#include "engine/VariableSlots.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace engine {

class EngineHost;

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

// What one evaluation under way changes: put aside while it pumps events, so an evaluation started
// meanwhile begins afresh and cannot disturb it.
struct TEvaluationState {
  // Scanner
  std::string ExprString;            // the text under evaluation, normally without blanks
  unsigned char ExprChar = EndMarker;
  int ExprPos = 0;                   // 1-based index of ExprChar; 0 before the first character
  int ExprStart = 1;                 // where the current (sub)expression began
  int ArgListDepth = 0;              // nesting of argument lists; while above 0 a "," ends an operand

  // The first error of an evaluation
  bool ErrorFlag = false;
  int ErrorCode = 0;
  int ErrorPos = 0;                  // 1-based position in ExprString
  int ErrorSpan = 0;                 // characters to highlight from ErrorPos
  int UserFuncErrorCode = 0;         // an error inside a user function body, shown by code 27
  int UserFuncErrorPos = 0;

  int CurrentVarIndex = 0;           // 1..10: the variable X..N last read or assigned

  // Variables read or assigned by the last evaluation, with their values; the engine only appends,
  // callers clear. The values are formatted only where they are shown (UsedValueText).
  std::vector<std::string> UsedVarNames;
  std::vector<Extended> UsedVarValues;

  // Bookkeeping of the evaluator, its user-function calls and its pumping of events
  int NestingDepth = 0;              // operands being parsed (error 2 beyond MaxNestingDepth)
  int ComplexNestingDepth = 0;       // the same in complex mode
  std::vector<std::vector<Extended>> ArgumentFrames;  // arguments of the calls under way, innermost last
  int CallDepth = 0;                 // user-function calls under way
  std::array<bool, VariableCount + 1> DefiningVariables{};  // defining expressions under way
  std::chrono::steady_clock::time_point LastPump;  // when events were last pumped
  bool PumpDue = true;               // the next step of a construct pumps at once

  // The scanner and first error of complex mode (its code is in ErrorCode)
  std::string ComplexExprString;
  unsigned char ComplexExprChar = EndMarker;
  int ComplexExprPos = 0;
  int ComplexExprStart = 1;
  bool ComplexErrorFlag = false;
  int ComplexErrorPos = 0;
  int ComplexErrorSpan = 0;
};

// What lasts from one evaluation to the next.
struct TLastingState {
  Extended LastResult = 0;                     // read by "?"
  TComplex ComplexResult = ComplexZero;        // the last complex result, read by "?"
  std::uint8_t ComplexForm = cfRectangular;    // the display form of complex values
  Extended StdDevStore = UndefinedValue;       // the last standard deviation of "std("

  // Modes, set by the main window
  int AngleMode = 0;                           // 0 radians, 1 degrees
  int NotationMode = nmScn;
  int NumberBase = nbDecimal;
  CharSet NumberChars = DecimalNumberChars();  // characters that may start a number
  int ProcDigits = 9;                          // digits of interval bounds as text
  int ValueDigits = 18;                        // digits of variable values in UsedVarValues and the variable dialog
  std::uint8_t StopFlag = 0;                   // set by the stop button

  // 1-based: entry 0 is not used.
  std::array<Extended, VariableCount + 1> VarValues = UndefinedVariables();
  std::array<std::string, VariableCount + 1> VarExprs;
  TUserVariables UserVariables;
  TUserFunctions UserFunctions;

  // The memory of solve, integral and the extremum searches
  Extended LastLowBound = UndefinedValue;      // bounds of the last solve, integral or extremum search
  Extended LastHighBound = UndefinedValue;
  std::string LastSearchExpr;                  // the ExprString of the last extremum search
  bool ExtremumIsMax = false;
  Extended ExtremumX = 0;                      // the abscissa of the last extremum found ("minx", "maxx")
  int ExtremumSubdivisions = 1;                // doubled when the same search is repeated
  int ExtremumEvaluation = -1;                 // the top-level evaluation of the last search
  int TopLevelCount = 0;                       // evaluations begun outside any other

  std::unique_ptr<std::mt19937_64> RandomSource;  // behind rand, gauss and complex random; made at first use
  EngineHost* InstalledHost = nullptr;            // nullptr: the default host
};

struct TContextState : TEvaluationState, TLastingState {};

}  // namespace engine
