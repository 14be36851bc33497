#pragma once
// The generator behind rand and gauss: part of the working state, made at its first use.

#include <memory>
#include <random>

namespace engine {

inline thread_local std::unique_ptr<std::mt19937_64> RandomSource;

// The working state's generator, started from the clock when it has none yet.
std::mt19937_64& RandomGenerator();

}  // namespace engine
