#pragma once
// A number as an unevaluated sum of two Extended values, about 128 bits: for series whose
// alternating terms cancel, so that the digits the cancellation eats come out of the second half.

#include "engine/ExactArithmetic.h"
#include "engine/Extended.h"

#include <cmath>

namespace engine {

struct DoubleExtended {
  Extended hi = 0;
  Extended lo = 0;

  static DoubleExtended Normalized(Extended a, Extended b)
  {
    DoubleExtended r;
    TwoSum(a, b, r.hi, r.lo);
    return r;
  }
  Extended Value() const { return hi + lo; }
};

inline DoubleExtended operator-(const DoubleExtended& a)
{
  return {-a.hi, -a.lo};
}

inline DoubleExtended operator+(const DoubleExtended& a, const DoubleExtended& b)
{
  Extended s = 0, e = 0;
  TwoSum(a.hi, b.hi, s, e);
  return DoubleExtended::Normalized(s, e + a.lo + b.lo);
}

inline DoubleExtended operator*(const DoubleExtended& a, const DoubleExtended& b)
{
  Extended p = 0, e = 0;
  TwoProduct(a.hi, b.hi, p, e);
  return DoubleExtended::Normalized(p, e + a.hi * b.lo + a.lo * b.hi);
}

inline DoubleExtended operator/(const DoubleExtended& a, const DoubleExtended& b)
{
  const Extended q1 = a.hi / b.hi;
  const DoubleExtended r = a + -(b * DoubleExtended{q1, 0});
  const Extended q2 = r.hi / b.hi;
  return DoubleExtended::Normalized(q1, q2);
}

inline DoubleExtended Exactly(Extended a)
{
  return {a, 0};
}

}  // namespace engine
