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

// The parts of r = a + h + r.lo that both sin r and cos r use: a = j/64, h = r.hi - a exact,
// |h| <= 1/128, and the series of sin h' - h' and cos h' - 1 for h' = h + r.lo.
struct SplitAngle {
  const TablePoint* point = nullptr;
  Extended h = 0;
  Extended hh = 0;
  Extended low = 0;
  Extended sinRest = 0;
  Extended cosRest = 0;
};

SplitAngle Split(const DoubleExtended& r)
{
  SplitAngle a;
  const Extended j = NearestWhole(r.hi * Steps);
  a.point = &Table()[static_cast<std::size_t>(WholeToInteger(j) + Last)];
  a.h = r.hi - j / Steps;
  a.hh = a.h + r.lo;
  a.low = r.lo;
  const Extended h2 = a.hh * a.hh;
  a.sinRest = -a.hh * h2 * (1.0L / 6 - h2 * (1.0L / 120 - h2 * (1.0L / 5040)));
  a.cosRest = -h2 * (0.5L - h2 * (1.0L / 24 - h2 * (1.0L / 720 - h2 * (1.0L / 40320))));
  return a;
}

// sin(q pi/2 + r) from the split angle as sum + rest, |rest| below 2^-13 of |sum|:
//   sin r = S + C h' + (C (sin h' - h') + S (cos h' - 1)),
//   cos r = C - S h' + (C (cos h' - 1) - S (sin h' - h')),
// where S and C are the table's sin a and cos a. The bracket is below 2^-14 of the result, so its
// rounding does not count; S + C h is summed exactly.
void SineOfSplit(int q, const SplitAngle& a, Extended& sum, Extended& rest)
{
  q &= 3;
  const TablePoint& point = *a.point;
  const bool cosine = (q & 1) != 0;
  const DoubleExtended& base = cosine ? point.cosine : point.sine;
  const DoubleExtended slope = cosine ? -point.sine : point.cosine;
  const Extended bracket = cosine ? point.cosine.hi * a.cosRest - point.sine.hi * a.sinRest
                                  : point.cosine.hi * a.sinRest + point.sine.hi * a.cosRest;
  Extended product = 0, productError = 0, sumError = 0;
  TwoProduct(slope.hi, a.h, product, productError);
  TwoSum(base.hi, product, sum, sumError);
  rest = sumError + (base.lo + productError + slope.hi * a.low + slope.lo * a.hh + bracket);
  if (q >= 2) {
    sum = -sum;
    rest = -rest;
  }
}

Extended SineOfSplit(int q, const SplitAngle& a)
{
  Extended sum = 0, rest = 0;
  SineOfSplit(q, a, sum, rest);
  return sum + rest;
}

}  // namespace

Extended SineOfQuarterTurns(int q, const DoubleExtended& r)
{
  return SineOfSplit(q, Split(r));
}

void SineAndCosineOfQuarterTurns(int q, const DoubleExtended& r, Extended& s, Extended& c)
{
  const SplitAngle a = Split(r);
  s = SineOfSplit(q, a);
  c = SineOfSplit(q + 1, a);
}

void SineAndCosineToBits(int q, const DoubleExtended& r, DoubleExtended& s, DoubleExtended& c)
{
  const SplitAngle a = Split(r);
  Extended sum = 0, rest = 0;
  SineOfSplit(q, a, sum, rest);
  s = DoubleExtended::Normalized(sum, rest);
  SineOfSplit(q + 1, a, sum, rest);
  c = DoubleExtended::Normalized(sum, rest);
}

}  // namespace engine
