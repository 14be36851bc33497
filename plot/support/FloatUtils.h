#pragma once
// Numeric helpers of the plotting library: the missing-value mark, the smallest and largest of a
// list, exchange, the decimal logarithm, powers and angles. Values are computed in extended
// precision.

#include <span>

namespace plot {

using Extended = long double;

// Marks a missing data value and an axis limit that is not set.
inline constexpr double MissingValue = 1234321.0;

// The largest and the smallest element (the earlier one on ties); the list must not be empty.
double MaxOfFloats(std::span<const double> values);
double MinOfFloats(std::span<const double> values);
inline double MaxOfFloats(double a, double b) { return MaxOfFloats({{a, b}}); }
inline double MinOfFloats(double a, double b) { return MinOfFloats({{a, b}}); }

// Exchanges the two values exactly.
void SwapFloats(double& a, double& b);
void SwapDoubles(double& a, double& b);
void SwapIntegers(int& a, int& b);

Extended Log10(Extended x);
// base ^ exponent for any sign of base: a negative base takes whole exponents only (0 otherwise),
// results below the smallest extended magnitude are 0, 0 ^ 0 is 1 and 0 to a negative power is
// +infinity.
Extended PowerOf(Extended base, Extended exponent);
// The angle of the vector (x, y) in radians, -pi..pi.
Extended VectorAngle(Extended y, Extended x);

}  // namespace plot
