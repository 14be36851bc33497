#pragma once
// Y of a fractional order from Y_mu and Y_mu+1, |mu| <= 1/2, by upward recurrence: Temme's series
// for arguments up to 2 and Steed's continued fractions above. Neither cancels near whole orders.
// Steed's method gives J of the order as well, where the power series cancels and the
// large-argument expansion does not reach.

#include "engine/Extended.h"

namespace engine {

// Y_n(t) for t > 0 and a fractional n >= 0, with its estimated relative error; false where the
// recurrence leaves the range or a fraction does not converge.
bool BesselYFractional(Extended n, Extended t, Extended& value, Extended& relativeError);
// J_n(t) for t > 2 and n >= 0 by Steed's method, with its estimated relative error; false where the
// method does not apply (t <= 2, orders above 1000000) or does not converge.
bool BesselJFractional(Extended n, Extended t, Extended& value, Extended& relativeError);

}  // namespace engine
