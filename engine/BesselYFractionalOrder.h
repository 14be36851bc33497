#pragma once
// Y of a fractional order from Y_mu and Y_mu+1, |mu| <= 1/2, by upward recurrence: Temme's series
// for arguments up to 2 and Steed's continued fractions above. Neither cancels near whole orders.

#include "engine/Extended.h"

namespace engine {

// Y_n(t) for t > 0 and a fractional n >= 0, with its estimated relative error; false where the
// recurrence leaves the range or a fraction does not converge.
bool BesselYFractional(Extended n, Extended t, Extended& value, Extended& relativeError);

}  // namespace engine
