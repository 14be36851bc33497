#pragma once
// Elementary functions computed to about 85 bits and rounded once: within one unit of the last
// place of Extended. Arguments are inside the domain (the callers check it); a result beyond the
// range is infinite.

#include "engine/DoubleExtended.h"
#include "engine/Extended.h"

namespace engine {

Extended Sinh(Extended x);
Extended Cosh(Extended x);
Extended Tanh(Extended x);
Extended Sech(Extended x);
Extended Csch(Extended x);  // x != 0

Extended ArcCosRadians(Extended x);  // |x| <= 1

Extended ArcSinh(Extended x);
Extended ArcCosh(Extended x);  // x >= 1
Extended ArcTanh(Extended x);  // |x| < 1

Extended Log10(Extended x);              // x > 0
Extended Log2(Extended x);               // x > 0
Extended LogBase(Extended b, Extended y);  // b, y > 0, b != 1
Extended Hypot(Extended a, Extended b);

// sin and cos of a finite angle in radians or degrees; in degrees exactly 0, 1 and -1 at the
// multiples of 90.
Extended SinOf(Extended angle, bool degrees);
Extended CosOf(Extended angle, bool degrees);
void SinCosOf(Extended angle, bool degrees, Extended& s, Extended& c);

// The inverse circular functions in degrees, rounded once: arcsin and arccos for |x| <= 1, arctan,
// and the angle of the point (x, y).
Extended ArcSinDegrees(Extended x);
Extended ArcCosDegrees(Extended x);
Extended ArcTanDegrees(Extended x);
Extended ArcTan2Degrees(Extended y, Extended x);
// The angle of the point (x, y) in radians, in [-pi, pi], to about 76 bits.
DoubleExtended AngleOfPoint(DoubleExtended y, DoubleExtended x);

// tan, cot, sec and csc of an angle in radians or degrees; false where the denominator is 0.
enum class TrigRatio { Tan, Cot, Sec, Csc };
bool TrigRatioOf(TrigRatio ratio, Extended angle, bool degrees, Extended& value);

}  // namespace engine
