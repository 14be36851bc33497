#pragma once
// Y of a fractional order for arguments up to 2 by Temme's series, which has no cancellation
// near whole orders, and upward recurrence from |mu| <= 1/2.

#include "engine/Extended.h"

namespace engine {

// Y_n(t) for 0 < t <= 2 and a fractional n >= 0, with its estimated relative error; false where the
// recurrence leaves the range.
bool BesselYTemme(Extended n, Extended t, Extended& value, Extended& relativeError);

}  // namespace engine
