#pragma once
// Bessel J and Y of a whole order by recurrence: J downward from far beyond the order and the
// argument, normalised by J0 + 2 (J2 + J4 + ...) = 1; Y upward from Y0 and Y1, where Y
// grows. Both keep their digits for large orders near and beyond the argument.

#include "engine/Extended.h"

namespace engine {

// The amplitude sqrt(J^2 + Y^2) where J_n and Y_n oscillate (order below the argument), flattened
// over the turning point; 0 from the turning point on, where J falls and Y grows without zeros.
Extended OscillationAmplitude(int n, Extended t);

// An even order from which the downward recurrence reaches orders n and below with J fallen
// below its values there by the factor `fall`.
int DownwardStart(int n, Extended t, Extended fall);

// J_n(t) for t > 0 with its estimated relative error; false where the order or argument is too
// large for the recurrence or the value leaves the range.
bool BesselJWholeOrder(int n, Extended t, Extended& value, Extended& relativeError);

// Y_n(t) for t > 0 from y0 = Y0(t) and y1 = Y1(t) with their relative errors e0 and e1; an
// infinite value where Y_n lies beyond the range.
bool BesselYWholeOrder(int n, Extended t, Extended y0, Extended e0, Extended y1, Extended e1, Extended& value,
                       Extended& relativeError);

}  // namespace engine
