#pragma once
// The generator behind rand, gauss and complex random: part of the current context's state, made at
// its first use.

#include <random>

namespace engine {

// The current context's generator, started from the clock when it has none yet.
std::mt19937_64& RandomGenerator();

}  // namespace engine
