#pragma once
// Evaluation contexts. A context holds the whole mutable state of one evaluator: scanner, error
// state, modes, construct memory, call frames, variables, user definitions, the random generator and
// the host. The engine works on the context current on its thread, whose state is what the names of
// EngineState.h and the other state headers hold; every thread starts with a context of its own (on
// the main thread the main window's). A TContextScope makes another context current until it ends,
// so each window or thread that evaluates can keep a context apart from the main window's.

#include "engine/CharSet.h"
#include "engine/ComplexNumber.h"
#include "engine/EngineState.h"
#include "engine/Extended.h"
#include "engine/UserFunctions.h"
#include "engine/UserVariables.h"
#include "engine/Variables.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace engine {

class EngineHost;

// What one evaluation under way changes: put aside while it pumps events, so an evaluation started
// meanwhile begins afresh and cannot disturb it.
struct TEvaluationState {
  std::string ExprString;
  unsigned char ExprChar = EndMarker;
  int ExprPos = 0;
  int ExprStart = 1;
  int ArgListDepth = 0;
  bool ErrorFlag = false;
  int ErrorCode = 0;
  int ErrorPos = 0;
  int ErrorSpan = 0;
  int UserFuncErrorCode = 0;
  int UserFuncErrorPos = 0;
  int CurrentVarIndex = 0;
  std::vector<std::string> UsedVarNames;
  std::vector<Extended> UsedVarValues;
  int NestingDepth = 0;
  int ComplexNestingDepth = 0;
  std::vector<std::vector<Extended>> ArgumentFrames;
  int CallDepth = 0;
  std::array<bool, VariableCount + 1> DefiningVariables{};
  std::chrono::steady_clock::time_point LastPump;
  bool PumpDue = true;
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
  Extended LastResult = 0;
  TComplex ComplexResult = ComplexZero;
  std::uint8_t ComplexForm = cfRectangular;
  int AngleMode = 0;
  int NotationMode = nmScn;
  int NumberBase = nbDecimal;
  CharSet NumberChars = DecimalNumberChars();
  int ProcDigits = 9;
  int ValueDigits = 18;
  std::uint8_t StopFlag = 0;
  std::array<Extended, VariableCount + 1> VarValues = UndefinedVariables();
  std::array<std::string, VariableCount + 1> VarExprs;
  TUserVariables UserVariables;
  TUserFunctions UserFunctions;
  Extended LastLowBound = UndefinedValue;
  Extended LastHighBound = UndefinedValue;
  std::string LastSearchExpr;
  bool ExtremumIsMax = false;
  Extended ExtremumX = 0;
  int ExtremumSubdivisions = 1;
  int ExtremumEvaluation = -1;
  int TopLevelCount = 0;
  std::unique_ptr<std::mt19937_64> RandomSource;
  EngineHost* Host = nullptr;  // nullptr: the default host
};

class TEvalContext {
public:
  // A fresh context: default modes, no variable values, no user definitions, the default host.
  TEvalContext();
  ~TEvalContext();
  TEvalContext(const TEvalContext&) = delete;
  TEvalContext& operator=(const TEvalContext&) = delete;

  // A context with the modes, variables, user definitions, last result and host of the current one
  // and a fresh evaluation state, for a window or thread that evaluates apart from it.
  static std::unique_ptr<TEvalContext> CopyOfCurrent();

private:
  friend class TContextScope;

  // While the context is current its members hold the state it displaced.
  TEvaluationState evaluation_;
  TLastingState lasting_;
  std::atomic<std::thread::id> currentOn_{};
};

// Makes a context current on this thread for as long as it lives, and the one before current again
// after. A context already current on this thread stays so; one current on another thread is a fault
// (std::logic_error).
class TContextScope {
public:
  explicit TContextScope(TEvalContext& context);
  ~TContextScope();
  TContextScope(const TContextScope&) = delete;
  TContextScope& operator=(const TContextScope&) = delete;

private:
  TEvalContext* context_ = nullptr;  // nullptr when it was already current
};

// Puts the evaluation under way aside for as long as it lives: the working state gets a fresh
// evaluation state and the one under way comes back after. Used around the host's callbacks that run
// window events.
class TEvaluationAside {
public:
  TEvaluationAside();
  ~TEvaluationAside();
  TEvaluationAside(const TEvaluationAside&) = delete;
  TEvaluationAside& operator=(const TEvaluationAside&) = delete;

private:
  TEvaluationState saved_;
};

// What an evaluation in a context gave: its value and the error state it left there.
struct TEvalOutcome {
  Extended Value = 0;
  bool Failed = false;
  int ErrorCode = 0;
  int ErrorPos = 0;
  int ErrorSpan = 0;
};

// EvalText of Evaluator.h with the context current.
TEvalOutcome EvalText(TEvalContext& context, const std::string& text);

}  // namespace engine
