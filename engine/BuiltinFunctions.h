#pragma once
// Computing the built-in names of the function table.

#include "engine/Extended.h"
#include "engine/StateName.h"

#include <cstdint>

namespace engine {

// Codes the evaluator handles itself.
inline constexpr int fcMin = 0;
inline constexpr int fcSolve = 22;
inline constexpr int fcIntegral = 27;
inline constexpr int fcMax = 37;
inline constexpr int fcFirstVariable = 67;  // x .. n: 67..76
inline constexpr int fcLastVariable = 76;
inline constexpr int fcIf = 88;
inline constexpr int fcIbeta = 113;
inline constexpr int fcPsned = 126;
inline constexpr int fcExtremumX = 130;

// The last standard deviation of "std(" in the current context.
inline constexpr TStateName<&TContextState::StdDevStore> StdDevStore{};

// The value of a built-in name from its arguments (a missing one is UndefinedValue); also stored
// in x. An error is recorded in the error state (the caller places it) and the result is 0.
Extended CallBuiltinFunction(int code, Extended& x, Extended y, Extended z = UndefinedValue);

// A built-in of one value that may be called straight, without CallBuiltinFunction's dispatch and
// checks: the code's computation alone, recording its own errors; nullptr for the other codes. The
// caller clears ErrorCode first and treats an error recorded or a result that is NaN or infinite as
// CallBuiltinFunction does.
using TDirectFunction = Extended (*)(const Extended&);
TDirectFunction DirectBuiltinFunction(int code);
// sin and cos of one value at once, each the same as its own call gives, errors as both record them.
void SineAndCosine(Extended x, Extended& s, Extended& c);
inline constexpr int fcSin = 1;
inline constexpr int fcCos = 12;

// Greatest common divisor and least common multiple; an lcm beyond 64 bits is rounded to an Extended.
std::uint64_t GcdOf(std::uint64_t a, std::uint64_t b);
Extended LcmOf(std::uint64_t a, std::uint64_t b);

}  // namespace engine
