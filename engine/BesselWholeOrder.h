#pragma once
// Bessel J and Y of a whole order by recurrence: J downward from far beyond the order and the
// argument, normalised by J0 + 2 (J2 + J4 + ...) = 1; Y upward from Y0 and Y1, where Y
// grows. Both keep their digits for large orders near and beyond the argument.

#include "engine/Extended.h"

namespace engine {

// J_n(t) for t > 0 with its estimated relative error; false where the order or argument is too
// large for the recurrence or the value leaves the range.
bool BesselJWholeOrder(int n, Extended t, Extended& value, Extended& relativeError);

// Y_n(t) for t > 0 from y0 = Y0(t) and y1 = Y1(t) with their relative errors e0 and e1; an
// infinite value where Y_n lies beyond the range.
bool BesselYWholeOrder(int n, Extended t, Extended y0, Extended e0, Extended y1, Extended e1, Extended& value,
                       Extended& relativeError);

}  // namespace engine
