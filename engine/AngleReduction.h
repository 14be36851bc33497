#pragma once
// Circular functions whose argument is reduced exactly before any rounding: sin(pi x) for the
// gamma reflection, and sines and cosines of degrees, exact at every multiple of 90 degrees.

#include "engine/DoubleExtended.h"
#include "engine/Extended.h"

namespace engine {

// sin(pi x); exactly 0 at every integer, with full relative accuracy near them.
Extended SinPi(Extended x);
// Sine and cosine of an angle in degrees to about 85 bits, for functions that round once at the
// end; 0, 1 and -1 exactly at the multiples of 90 degrees.
void SinCosDegreesPrecise(Extended degrees, DoubleExtended& s, DoubleExtended& c);
// Finite degrees = q 90 + radians (in degrees), q in 0..3, |radians| <= pi/4, to about 128 bits.
void ReduceDegreesPrecise(Extended degrees, int& q, DoubleExtended& radians);
// Tangent of an angle in degrees: exact at the multiples of 45 degrees; false at a pole.
bool TanDegrees(Extended degrees, Extended& t);

}  // namespace engine
