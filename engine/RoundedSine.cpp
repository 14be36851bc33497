#include "engine/RoundedSine.h"

#include "engine/DoubleExtendedMath.h"

#include <array>
#include <cmath>

namespace engine {

namespace {

constexpr int Steps = 64;  // table points per radian
constexpr int Last = 52;   // beyond pi/4 + 1/64

struct TablePoint {
  DoubleExtended sine;
  DoubleExtended cosine;
};

// sin and cos of j / 64 for |j| <= Last, from the 85-bit kernels.
const std::array<TablePoint, 2 * Last + 1>& Table()
{
  static const std::array<TablePoint, 2 * Last + 1> table = [] {
    std::array<TablePoint, 2 * Last + 1> t{};
    for (int j = -Last; j <= Last; ++j) {
      TablePoint& point = t[static_cast<std::size_t>(j + Last)];
      SinCosReduced(0, Exactly(static_cast<Extended>(j) / Steps), point.sine, point.cosine);
    }
    return t;
  }();
  return table;
}

}  // namespace

Extended SineOfQuarterTurns(int q, const DoubleExtended& r)
{
  // r = a + h + r.lo with a = j/64 and h = r.hi - a exact, |h| <= 1/128:
  //   sin r = S + C h' + (C (sin h' - h') + S (cos h' - 1)),
  //   cos r = C - S h' + (C (cos h' - 1) - S (sin h' - h')),
  // where S and C are the table's sin a and cos a. The bracket is below 2^-14 of the result, so its
  // rounding does not count; S + C h is summed exactly.
  const Extended j = NearestWhole(r.hi * Steps);
  const TablePoint& point = Table()[static_cast<std::size_t>(static_cast<int>(j) + Last)];
  const Extended h = r.hi - j / Steps;
  const Extended hh = h + r.lo;
  const Extended h2 = hh * hh;
  const Extended sinRest = -hh * h2 * (1.0L / 6 - h2 * (1.0L / 120 - h2 * (1.0L / 5040)));
  const Extended cosRest = -h2 * (0.5L - h2 * (1.0L / 24 - h2 * (1.0L / 720 - h2 * (1.0L / 40320))));
  q &= 3;
  const bool cosine = (q & 1) != 0;
  const DoubleExtended& base = cosine ? point.cosine : point.sine;
  const DoubleExtended slope = cosine ? -point.sine : point.cosine;
  const Extended bracket = cosine ? point.cosine.hi * cosRest - point.sine.hi * sinRest
                                  : point.cosine.hi * sinRest + point.sine.hi * cosRest;
  Extended product = 0, productError = 0, sum = 0, sumError = 0;
  TwoProduct(slope.hi, h, product, productError);
  TwoSum(base.hi, product, sum, sumError);
  const Extended rest = sumError + (base.lo + productError + slope.hi * r.lo + slope.lo * hh + bracket);
  const Extended value = sum + rest;
  return q >= 2 ? -value : value;
}

}  // namespace engine
