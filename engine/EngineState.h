#pragma once
// The engine's working state: the names the evaluator and the main window use for the state of the
// evaluation context current on this thread (ContextState.h says what each holds; StateName.h how a
// name reaches it). Each thread starts in a context of its own; on the main thread it is the main
// window's. Nested evaluations save and restore what they disturb.

#include "engine/ContextState.h"
#include "engine/StateName.h"

namespace engine {

// Scanner
inline constexpr TStateName<&TContextState::ExprString> ExprString{};
inline constexpr TStateName<&TContextState::ExprChar> ExprChar{};
inline constexpr TStateName<&TContextState::ExprPos> ExprPos{};
inline constexpr TStateName<&TContextState::ExprStart> ExprStart{};
inline constexpr TStateName<&TContextState::ArgListDepth> ArgListDepth{};

// The first error of an evaluation
inline constexpr TStateName<&TContextState::ErrorFlag> ErrorFlag{};
inline constexpr TStateName<&TContextState::ErrorCode> ErrorCode{};
inline constexpr TStateName<&TContextState::ErrorPos> ErrorPos{};
inline constexpr TStateName<&TContextState::ErrorSpan> ErrorSpan{};
inline constexpr TStateName<&TContextState::UserFuncErrorCode> UserFuncErrorCode{};
inline constexpr TStateName<&TContextState::UserFuncErrorPos> UserFuncErrorPos{};

inline constexpr TStateName<&TContextState::LastResult> LastResult{};
inline constexpr TStateName<&TContextState::CurrentVarIndex> CurrentVarIndex{};

// Modes, set by the main window
inline constexpr TStateName<&TContextState::AngleMode> AngleMode{};
inline constexpr TStateName<&TContextState::NotationMode> NotationMode{};
inline constexpr TStateName<&TContextState::NumberBase> NumberBase{};
inline constexpr TStateName<&TContextState::NumberChars> NumberChars{};
inline constexpr TStateName<&TContextState::ProcDigits> ProcDigits{};
inline constexpr TStateName<&TContextState::ValueDigits> ValueDigits{};
inline constexpr TStateName<&TContextState::StopFlag> StopFlag{};

// Variables read or assigned by the last evaluation, with their values; the engine only appends,
// callers clear. The values are formatted only where they are shown (UsedValueText).
inline constexpr TStateName<&TContextState::UsedVarNames> UsedVarNames{};
inline constexpr TStateName<&TContextState::UsedVarValues> UsedVarValues{};

// Bookkeeping of the evaluator, its user-function calls and its pumping of events
inline constexpr TStateName<&TContextState::NestingDepth> NestingDepth{};
inline constexpr TStateName<&TContextState::ComplexNestingDepth> ComplexNestingDepth{};
inline constexpr TStateName<&TContextState::TopLevelCount> TopLevelCount{};
inline constexpr TStateName<&TContextState::ArgumentFrames> ArgumentFrames{};
inline constexpr TStateName<&TContextState::CallDepth> CallDepth{};
inline constexpr TStateName<&TContextState::LastPump> LastPump{};
inline constexpr TStateName<&TContextState::PumpDue> PumpDue{};

}  // namespace engine
