#pragma once
// J and Y of a whole order near and below the argument (0.9 t < n <= t), where the Debye expansion
// no longer converges: the upward recurrence in double-Extended arithmetic from two orders near
// 0.6 t given by that expansion. Below the turning point both J and Y oscillate, so the recurrence
// keeps the digits of either relative to their amplitude.

#include "engine/Extended.h"

namespace engine {

// J_n(t) (first = true) or Y_n(t) with the estimated relative error; false outside the range above,
// where the start values are not found, or for orders beyond 2^24.
bool BesselTurningPointPrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError);

}  // namespace engine
