#include "engine/BesselDebye.h"

#include "engine/DoubleExtendedMath.h"
#include "engine/ExactArithmetic.h"
#include "engine/MathConstants.h"
#include "engine/PreciseKernels.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace engine {

namespace {

// Rounding of a double-Extended step, relative to its operands, with room.
constexpr Extended StepRounding = 1E-37L;
// Terms below this part of the sums are dropped.
constexpr Extended Negligible = 1E-40L;
// The largest last term of the expansion that its error may carry.
constexpr Extended Truncation = 1E-30L;
// The ratio of the order to the argument up to which the sums below converge well.
constexpr Extended MaxRatio = 0.9L;

// u_k(p) = p^k (a0 + a1 p^2 + ... + ak p^2k) / d: whole numerators a and the denominator d, exact
// in Extended up to k = 7; those of u_8 rounded, its term far below the digits kept.
struct DebyeCoefficients {
  Extended denominator;
  Extended numerators[9];
  int count;
};

constexpr DebyeCoefficients Coefficients[] = {
    {24.0L, {3.0L, -5.0L}, 2},
    {1152.0L, {81.0L, -462.0L, 385.0L}, 3},
    {414720.0L, {30375.0L, -369603.0L, 765765.0L, -425425.0L}, 4},
    {39813120.0L, {4465125.0L, -94121676.0L, 349922430.0L, -446185740.0L, 185910725.0L}, 5},
    {6688604160.0L,
     {1519035525.0L, -49286948607.0L, 284499769554.0L, -614135872350.0L, 566098157625.0L, -188699385875.0L},
     6},
    {4815794995200.0L,
     {2757049477875.0L, -127577298354750.0L, 1050760774457901.0L, -3369032068261860.0L, 5104696716244125.0L,
      -3685299006138750.0L, 1023694168371875.0L},
     7},
    {115579079884800.0L,
     {199689155040375.0L, -12493049053044375.0L, 138799253740521843.0L, -613221795981706275.0L,
      1347119637570231525.0L, -1570320948552481125.0L, 931766432052080625.0L, -221849150488590625.0L},
     8},
    {22191183337881600.0L,
     {134790179652253125.0L, -10960565081605263000.0L, 157768535329832893644.0L, -914113758588905038248.0L,
      2711772922412520971550.0L, -4513690624987320777000.0L, 4272845805510421639500.0L,
      -2152114239059719935000.0L, 448357133137441653125.0L},
     9},
};

// g(s) = arcsin s - s / (1 + sqrt(1 - s^2)) = sum over m of C(2m, m) / (4^m (2m + 1) (2m + 2)) s^(2m+1),
// all terms positive; s <= MaxRatio.
DoubleExtended ArcsinLessHalfChord(const DoubleExtended& s, int& terms)
{
  const DoubleExtended s2 = s * s;
  DoubleExtended term = ScaledBy(s, -1);
  DoubleExtended sum = term;
  for (terms = 1; terms < 2000; ++terms) {
    const Extended m = terms - 1;
    term = term * s2 * Exactly((2 * m + 1) * (2 * m + 1)) / Exactly((2 * m + 3) * (2 * m + 4));
    sum = sum + term;
    if (term.hi < Negligible * sum.hi)
      break;
  }
  return sum;
}

// sin and cos of a double-Extended angle whose low part is below 1E-10.
bool SinCosOfSum(const DoubleExtended& a, DoubleExtended& s, DoubleExtended& c)
{
  DoubleExtended sh;
  DoubleExtended ch;
  if (!SinCosPrecise(a.hi, sh, ch))
    return false;
  const DoubleExtended lo = Exactly(a.lo);
  const DoubleExtended lo2 = lo * lo;
  // The next terms are below 1E-40.
  const DoubleExtended cosLo = Exactly(1) + -ScaledBy(lo2, -1) + lo2 * lo2 / Exactly(24);
  const DoubleExtended sinLo = lo + -(lo * lo2 / Exactly(6));
  s = sh * cosLo + ch * sinLo;
  c = ch * cosLo + -(sh * sinLo);
  return true;
}

}  // namespace

bool BesselDebyeDoubleExtended(bool first, int n, Extended t, DoubleExtended& value, Extended& relativeError)
{
  if (!(t >= 1000) || !std::isfinite(t) || n < 0 || n > (1 << 24) || n > MaxRatio * t)
    return false;
  // J_n(n sec b) and Y_n(n sec b) are sqrt(2 / (pi w)) times P cos xi + Q sin xi and P sin xi - Q cos xi,
  // with w = n tan b = sqrt(t^2 - n^2), xi = w - n b - pi/4, P and Q the even and odd parts of the sum
  // of u_k(i cot b) / n^k = i^k w^-k sum_j a_j (-cot^2 b)^j / d.
  const Extended order = n;
  const DoubleExtended s = Exactly(order) / Exactly(t);
  const DoubleExtended root = Sqrt(Exactly(1) + -(s * s));
  const DoubleExtended w = Exactly(t) * root;
  const DoubleExtended inverseW = Exactly(1) / w;
  const DoubleExtended minusCot2 = -(Exactly(order) * inverseW * Exactly(order) * inverseW);
  DoubleExtended p = Exactly(1);
  DoubleExtended q;
  DoubleExtended power = Exactly(1);  // w^-k
  Extended last = 0;
  for (int k = 1; k <= static_cast<int>(std::size(Coefficients)); ++k) {
    const DebyeCoefficients& u = Coefficients[k - 1];
    DoubleExtended sum = Exactly(u.numerators[u.count - 1]);
    for (int j = u.count - 2; j >= 0; --j)
      sum = sum * minusCot2 + Exactly(u.numerators[j]);
    power = power * inverseW;
    DoubleExtended term = power * sum / Exactly(u.denominator);
    // i^k: k = 1, 2, 3, 4, ... go to Q, P, Q, P with signs +, -, -, +.
    if (k % 4 == 2 || k % 4 == 3)
      term = -term;
    if (k % 2 == 1)
      q = q + term;
    else
      p = p + term;
    last = std::fabs(term.hi);
  }
  if (!(last < Truncation))
    return false;  // the order too near the argument, or the argument too small
  // xi = t - (2n + 1) pi/4 + theta, theta = n arcsin(n/t) - (t - w) = n g(n/t).
  int terms = 0;
  const DoubleExtended theta = Exactly(order) * ArcsinLessHalfChord(s, terms);
  DoubleExtended st;
  DoubleExtended ct;
  DoubleExtended sTheta;
  DoubleExtended cTheta;
  if (!SinCosPrecise(t, st, ct) || !SinCosOfSum(theta, sTheta, cTheta))
    return false;
  // sqrt 2 cos chi and sqrt 2 sin chi for chi = t - (2n + 1) pi/4, as in the Hankel expansion.
  const int quarter = n % 4;
  const bool cpPositive = quarter == 0 || quarter == 3;
  const bool spPositive = quarter == 0 || quarter == 1;
  const DoubleExtended cosChi = (cpPositive ? ct : -ct) + (spPositive ? st : -st);
  const DoubleExtended sinChi = (cpPositive ? st : -st) + (spPositive ? -ct : ct);
  const DoubleExtended cosXi = cosChi * cTheta + -(sinChi * sTheta);
  const DoubleExtended sinXi = sinChi * cTheta + cosChi * sTheta;
  const DoubleExtended combined = first ? p * cosXi + q * sinXi : p * sinXi + -(q * cosXi);
  const Extended sum = combined.Value();
  if (sum == 0)
    return false;
  value = combined / Sqrt(DoubleExtended::Normalized(Pi, PiLow) * w);
  // Each step rounds by about StepRounding of the amplitude; theta carries that of each of its terms.
  const Extended scale = 2 * (std::fabs(p.hi) + std::fabs(q.hi));
  const Extended phase = StepRounding * (terms + 10) * std::fabs(theta.hi);
  const Extended absolute = (StepRounding * 60 + PreciseKernelRounding * 2 + phase + last) * scale;
  relativeError = absolute / std::fabs(sum) + StepRounding * 10;
  return true;
}

bool BesselDebyePrecise(bool first, int n, Extended t, Extended& value, Extended& relativeError)
{
  DoubleExtended precise;
  if (!BesselDebyeDoubleExtended(first, n, t, precise, relativeError))
    return false;
  value = precise.Value();
  relativeError += 4 * std::numeric_limits<Extended>::epsilon();
  return true;
}

}  // namespace engine
