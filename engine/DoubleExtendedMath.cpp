#include "engine/DoubleExtendedMath.h"

#include "engine/LongAngleReduction.h"

#include <array>
#include <cmath>

namespace engine {

namespace {

// ln 2 = Ln2High + Ln2Mid + Ln2Low to 200 bits.
constexpr Extended Ln2High = 0xb17217f7d1cf79acp-64L;
constexpr Extended Ln2Mid = -0xd871319ff0342543p-130L;
constexpr Extended Ln2Low = 0xf343267298b62d8ap-200L;

// pi/2 in four pieces of 64 bits.
constexpr Extended HalfPi1 = 0xc90fdaa22168c235p-63L;
constexpr Extended HalfPi2 = -0xece675d1fc8f8cbbp-129L;
constexpr Extended HalfPi3 = -0xb7ed8fbbacc19c60p-194L;
constexpr Extended HalfPi4 = 0x82efa98ec4e6c894p-261L;
constexpr Extended TwoOverPi = 0xa2f9836e4e44152ap-64L;
constexpr Extended QuarterPi = HalfPi1 / 2;

constexpr Extended Sqrt2 = 0xb504f333f9de6484p-63L;
constexpr Extended Log2OfE = 1.4426950408889634074L;

// Beyond this the quarter turns no longer fit the exact products of the short reduction.
constexpr Extended ReductionLimit = 4611686018427387904.0L;  // 2^62

// pi/2 in pieces of 32 bits, whose products with a quarter-turn count below 2^32 are exact, and
// the rest to 64 bits.
constexpr Extended QuarterPiece1 = 0xc90fdaa2p-31L;
constexpr Extended QuarterPiece2 = 0x2168c234p-63L;
constexpr Extended QuarterPiece3 = 0xc4c6628bp-95L;
constexpr Extended QuarterPiece4 = 0x80dc1cd1p-127L;
constexpr Extended QuarterPiece5 = 0x29024e088a67cc74p-191L;
// Below this the quarter turns stay under 2^32.
constexpr Extended ShortReductionLimit = 0x1p32L;

constexpr int FactorialCount = 30;

// 1/k! for k = 0 .. 29.
const std::array<DoubleExtended, FactorialCount>& InverseFactorials()
{
  static const std::array<DoubleExtended, FactorialCount> table = [] {
    std::array<DoubleExtended, FactorialCount> t{};
    t[0] = Exactly(1);
    for (int k = 1; k < FactorialCount; ++k)
      t[k] = t[k - 1] / Exactly(k);
    return t;
  }();
  return table;
}

DoubleExtended Plus(const DoubleExtended& a, Extended b)
{
  return a + Exactly(b);
}

// x - n ln 2 for an integer n of at most 15 bits (n ln2 to 128 bits and more).
DoubleExtended MinusLn2Times(const DoubleExtended& x, Extended n)
{
  Extended p = 0, e = 0;
  TwoProduct(n, Ln2High, p, e);
  const DoubleExtended small = Plus(Plus(Exactly(n * Ln2Low), n * Ln2Mid), e);
  return Plus(x, -p) + -small;
}

// Steps of halving before the series of e^s - 1, and its terms.
constexpr int HalvingSteps = 5;
constexpr int ExpTerms = 12;

// The sum over j of x^j / (first + j step)! up to last!, in Extended: for the terms of a series far
// below its first one, whose rounding no longer counts.
Extended Tail(Extended x, int first, int last, int step)
{
  const auto& inverse = InverseFactorials();
  Extended t = inverse[last].hi;
  for (int k = last - step; k >= first; k -= step)
    t = t * x + inverse[k].hi;
  return t;
}

// e^r - 1 for |r| <= about 0.35: a series at s = r / 2^5, then 5 doublings e^2a - 1 = E (E + 2).
// s + s^2 (1/2 + s/6) is kept at full width; the terms from s^4 on, below 2^-24 of s, in Extended.
DoubleExtended ExpMinusOneReduced(const DoubleExtended& r)
{
  const auto& inverse = InverseFactorials();
  const DoubleExtended s = ScaledBy(r, -HalvingSteps);
  const Extended x = s.hi;
  const Extended x2 = x * x;
  const Extended tail = Tail(x, 4, ExpTerms, 1) * (x2 * x2);
  const DoubleExtended head = (s * s) * (inverse[3] * s + inverse[2]);
  DoubleExtended e = s + Plus(head, tail);
  for (int i = 0; i < HalvingSteps; ++i)
    e = e * Plus(e, 2);
  return e;
}

// x = q pi/2 + r for |x| < 2^32 without long products: x - k piece1 is exact (the two lie within a
// factor of 2), the next pieces' products are exact and are taken away exactly, and the last one's
// rounding lies below 2^-150 of r even where x comes closest to a multiple of pi/2.
void ReduceShort(Extended x, int& q, DoubleExtended& r)
{
  const Extended k = NearestWhole(x * TwoOverPi);
  Extended s1 = 0, e1 = 0, s2 = 0, e2 = 0, s3 = 0, e3 = 0;
  TwoSum(x - k * QuarterPiece1, -(k * QuarterPiece2), s1, e1);
  TwoSum(s1, -(k * QuarterPiece3), s2, e2);
  TwoSum(s2, -(k * QuarterPiece4), s3, e3);
  r = DoubleExtended::Normalized(s3, ((e1 + e2) + e3) - k * QuarterPiece5);
  q = static_cast<int>(WholeToInteger(k) & 3);
}

// x - k pi/2 for 2^32 <= |x| < 2^62 and k within one of x 2/pi: x - k p1 is exact (the two lie
// within a factor of 2); the other products are kept whole.
DoubleExtended MinusQuarterTurns(Extended x, Extended k)
{
  Extended p1 = 0, e1 = 0, p2 = 0, e2 = 0, p3 = 0, e3 = 0;
  TwoProduct(k, HalfPi1, p1, e1);
  TwoProduct(k, HalfPi2, p2, e2);
  TwoProduct(k, HalfPi3, p3, e3);
  const DoubleExtended rest = Plus(Plus(Plus(Plus(Plus(Exactly(k * HalfPi4), e3), p3), e2), p2), e1);
  return Exactly(x - p1) + -rest;
}

}  // namespace

DoubleExtended ScaledBy(const DoubleExtended& a, int n)
{
  return {std::ldexp(a.hi, n), std::ldexp(a.lo, n)};
}

DoubleExtended ExpMinusOne(const DoubleExtended& x)
{
  const Extended n = NearestWhole(x.hi * Log2OfE);
  if (n == 0)
    return ExpMinusOneReduced(x);
  const DoubleExtended e = ExpMinusOneReduced(MinusLn2Times(x, n));
  return Plus(ScaledBy(Plus(e, 1), static_cast<int>(n)), -1);
}

ScaledExp ExpScaled(const DoubleExtended& x)
{
  const Extended n = NearestWhole(x.hi * Log2OfE);
  const DoubleExtended r = n == 0 ? x : MinusLn2Times(x, n);
  return {Plus(ExpMinusOneReduced(r), 1), static_cast<int>(n)};
}

DoubleExtended Ln(const DoubleExtended& y)
{
  int e = std::ilogb(y.hi);
  DoubleExtended m = ScaledBy(y, -e);
  if (m.hi > Sqrt2) {
    m = ScaledBy(m, -1);
    ++e;
  }
  // l0 is within an ulp of ln m; m e^-l0 - 1 is the small rest, computed without cancellation:
  // (m - 1) + m (e^-l0 - 1).
  const Extended l0 = std::log(m.Value());
  const DoubleExtended rest = Plus(Exactly(m.hi - 1), m.lo) + m * ExpMinusOne(Exactly(-l0));
  const DoubleExtended lnM = Plus(rest, l0);
  if (e == 0)
    return lnM;
  return MinusLn2Times(lnM, -e);
}

DoubleExtended LnOnePlus(const DoubleExtended& u)
{
  // (1 + u) e^-l0 - 1 = u + E + u E with E = e^-l0 - 1.
  const Extended l0 = std::log1p(u.Value());
  const DoubleExtended e = ExpMinusOne(Exactly(-l0));
  const DoubleExtended rest = (u + e) + u * e;
  return Plus(rest, l0);
}

DoubleExtended Sqrt(const DoubleExtended& y)
{
  if (y.hi <= 0)
    return {};
  const Extended s = std::sqrt(y.hi);
  Extended p = 0, e = 0;
  TwoProduct(s, s, p, e);
  const Extended residual = ((y.hi - p) - e) + y.lo;
  return DoubleExtended::Normalized(s, residual / (2 * s));
}

bool ReduceByQuarterTurns(Extended x, int& q, DoubleExtended& r)
{
  if (std::fabs(x) <= 0.785L) {
    q = 0;
    r = Exactly(x);
    return true;
  }
  if (!std::isfinite(x))
    return false;
  if (!(std::fabs(x) < ReductionLimit)) {
    ReduceByQuarterTurnsLong(x, q, r);
    return true;
  }
  if (std::fabs(x) < ShortReductionLimit) {
    ReduceShort(x, q, r);
    return true;
  }
  // x 2/pi is rounded to a quarter here, so a fraction near 1/2 can round to the far whole number:
  // then r lies beyond pi/4 and the neighbour is taken.
  Extended k = NearestWhole(x * TwoOverPi);
  r = MinusQuarterTurns(x, k);
  if (r.hi > QuarterPi) {
    k += 1;
    r = MinusQuarterTurns(x, k);
  } else if (r.hi < -QuarterPi) {
    k -= 1;
    r = MinusQuarterTurns(x, k);
  }
  q = static_cast<int>(static_cast<long long>(k) & 3);
  return true;
}

namespace {

// The series of sin r / r and cos r for |r| <= about pi/4, in z = r^2: terms up to r^27 and r^28,
// below 2^-100 of the result. From z^4 (sine) and z^5 (cosine) on they are below 2^-20 of the
// result and are summed in Extended.
DoubleExtended SinSeries(const DoubleExtended& z)
{
  const auto& inverse = InverseFactorials();
  const Extended w = -z.hi;
  DoubleExtended series = Plus(inverse[7], w * Tail(w, 9, 27, 2));
  for (int k = 5; k >= 1; k -= 2)
    series = series * -z + inverse[k];
  return series;
}

DoubleExtended CosSeries(const DoubleExtended& z)
{
  const auto& inverse = InverseFactorials();
  const Extended w = -z.hi;
  DoubleExtended series = Plus(inverse[8], w * Tail(w, 10, 28, 2));
  for (int k = 6; k >= 0; k -= 2)
    series = series * -z + inverse[k];
  return series;
}

}  // namespace

void SinCosReduced(int q, const DoubleExtended& r, DoubleExtended& s, DoubleExtended& c)
{
  const DoubleExtended z = r * r;
  const DoubleExtended sr = SinSeries(z) * r;
  const DoubleExtended cr = CosSeries(z);
  switch (q) {
  case 0: s = sr; c = cr; break;
  case 1: s = cr; c = -sr; break;
  case 2: s = -sr; c = -cr; break;
  default: s = -cr; c = sr; break;
  }
}

DoubleExtended Ln2()
{
  return Plus(Exactly(Ln2High), Ln2Mid);
}

}  // namespace engine
