// Bessel functions of real order n >= 0 at t >= 0. J and Y: power series summed in double-Extended
// arithmetic for small and moderate t, the Hankel expansion for large t, recurrence over whole
// orders for large orders near and beyond t. I: its positive series or
// its large-argument expansion. K: the trapezoidal rule on its integral over the whole line, which
// converges geometrically, and for large orders the uniform expansion in the order. Each value carries an estimate of its relative error; one that cannot
// show 12 right digits is error 8.
#include "engine/AngleReduction.h"
#include "engine/BesselDebye.h"
#include "engine/BesselHankelPrecise.h"
#include "engine/BesselLargeOrder.h"
#include "engine/BesselNeumann.h"
#include "engine/BesselTurningPoint.h"
#include "engine/BesselWholeOrder.h"
#include "engine/BesselYFractionalOrder.h"
#include "engine/DoubleExtended.h"
#include "engine/DoubleExtendedMath.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/GammaFunctions.h"
#include "engine/IntegralFunctions.h"
#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "engine/PreciseKernels.h"
#include "engine/FunctionAccuracy.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace engine {

namespace {

constexpr Extended DoubleEpsilon = 1E-37L;  // rounding of a double-Extended step
constexpr Extended SingleEpsilon = 1.1E-19L;
constexpr Extended InvPi = 0.3183098861837906715381748L;
constexpr int MaxTerms = 100000;

// An approximation with its estimated relative error.
struct Estimate {
  Extended value = 0;
  Extended error = std::numeric_limits<Extended>::infinity();
};

bool IsWhole(Extended n) { return std::trunc(n) == n; }

// (t/2)^n / gamma(n + 1) with its relative error; n may be negative (not a negative integer).
Estimate SeriesFactor(Extended n, Extended t)
{
  const Extended half = t / 2;
  const Extended power = std::pow(half, n);
  const Extended gamma = std::tgamma(n + 1);
  if (std::isfinite(power) && power != 0 && std::isfinite(gamma) && std::fabs(gamma) > 1E-4900L)
    return {power / gamma, 8 * SingleEpsilon};
  const Extended exponent = n * std::log(half) - std::lgamma(n + 1);
  Extended sign = 1;
  if (n + 1 < 0 && std::fmod(std::floor(n + 1), 2) != 0)
    sign = -1;  // gamma is negative between -1 and -2, -3 and -4, ...
  return {sign * std::exp(exponent), (std::fabs(exponent) + 8) * SingleEpsilon};
}

struct SeriesSums {
  DoubleExtended value;
  Extended magnitude = 0;
  int terms = 0;
};

// Sum over k of (sign q)^k / (k! (n+1)_k), q = t^2/4, in double-Extended arithmetic.
SeriesSums BesselSeries(Extended n, Extended t, int sign)
{
  DoubleExtended q;
  TwoProduct(t, t, q.hi, q.lo);
  q = {q.hi / 4, q.lo / 4};
  if (sign < 0)
    q = -q;
  DoubleExtended term = Exactly(1);
  SeriesSums s{Exactly(1), 1, 1};
  for (int k = 1; k < MaxTerms; ++k) {
    const DoubleExtended nk = DoubleExtended::Normalized(n, static_cast<Extended>(k));
    term = term * q / (nk * Exactly(k));
    s.value = s.value + term;
    s.magnitude += std::fabs(term.hi);
    s.terms = k;
    if (k > q.hi * sign / (std::fabs(n) + 1) && std::fabs(term.hi) < 1E-40L * std::fabs(s.value.hi))
      break;
  }
  return s;
}

// J (sign -1) or I (sign +1) of order n by the power series.
Estimate SeriesJI(Extended n, Extended t, int sign)
{
  const Estimate factor = SeriesFactor(n, t);
  const SeriesSums s = BesselSeries(n, t, sign);
  const Extended sum = s.value.Value();
  const Extended sumError = DoubleEpsilon * s.terms * s.magnitude / std::max(std::fabs(sum), Extended(1E-4900L));
  return {factor.value * sum, factor.error + sumError};
}

// The Hankel expansion for large t: P and Q with their truncation and rounding.
struct HankelSums {
  Extended p = 0;
  Extended q = 0;
  Extended error = std::numeric_limits<Extended>::infinity();  // absolute, in units of |P| + |Q|
};

HankelSums Hankel(Extended n, Extended t)
{
  const Extended mu = 4 * n * n;
  HankelSums h{1, 0, 0};
  Extended term = 1;
  Extended previous = std::numeric_limits<Extended>::infinity();
  for (int k = 1; k < 1000; ++k) {
    const Extended odd = 2 * k - 1;
    term *= (mu - odd * odd) / (k * 8 * t);
    if (term == 0) {
      h.error = SingleEpsilon * 4;
      return h;
    }
    if (std::fabs(term) > previous)
      break;  // the asymptotic series turns: its error is about the smallest term
    previous = std::fabs(term);
    // Terms k = 1, 2, 3, 4, ... go to Q, P, Q, P with signs +, -, -, +.
    const Extended signed_ = (k % 4 == 1 || k % 4 == 0) ? term : -term;
    if (k % 2 == 1)
      h.q += signed_;
    else
      h.p += signed_;
    if (std::fabs(term) < SingleEpsilon * 1E-3L) {
      h.error = SingleEpsilon * 4;
      return h;
    }
  }
  h.error = previous / (std::fabs(h.p) + std::fabs(h.q)) + SingleEpsilon * 4;
  return h;
}

// J (first) and Y (second) by the Hankel expansion, each with its relative error.
struct JYEstimates {
  Estimate j;
  Estimate y;
};

JYEstimates HankelJY(Extended n, Extended t)
{
  const HankelSums h = Hankel(n, t);
  JYEstimates r;
  if (!std::isfinite(h.error))
    return r;
  // chi = t - (2n + 1) pi / 4: the angle's parts are taken apart, each exactly reduced.
  const Extended st = std::sin(t);
  const Extended ct = std::cos(t);
  const Extended sp = SinPi((2 * n + 1) / 4);
  const Extended cp = SinPi((2 * n + 3) / 4);
  const Extended cosChi = ct * cp + st * sp;
  const Extended sinChi = st * cp - ct * sp;
  const Extended amplitude = std::sqrt(2 * InvPi / t);
  const Extended scale = std::fabs(h.p) + std::fabs(h.q);
  const Extended j = amplitude * (h.p * cosChi - h.q * sinChi);
  const Extended y = amplitude * (h.p * sinChi + h.q * cosChi);
  const Extended absolute = (h.error + 4 * SingleEpsilon) * scale * amplitude;
  r.j = {j, absolute / std::max(std::fabs(j), Extended(1E-4900L))};
  r.y = {y, absolute / std::max(std::fabs(y), Extended(1E-4900L))};
  return r;
}

// The better of two estimates.
Estimate Better(const Estimate& a, const Estimate& b)
{
  return a.error <= b.error ? a : b;
}

// Y of a whole order by its series with the digamma sums.
Estimate SeriesYWhole(int n, Extended t)
{
  // Near a zero of Y the logarithmic part cancels the sum: ln(t/2) needs more than Extended digits.
  const DoubleExtended lnHalf = LnPrecise(t / 2);
  const Estimate factor = SeriesFactor(n, t);  // (t/2)^n / n!
  // Sum over k of (psi(k+1) + psi(n+k+1)) (-q)^k / (k! (n+1)_k), psi(m+1) = H_m - gamma.
  DoubleExtended q;
  TwoProduct(t, t, q.hi, q.lo);
  q = {-q.hi / 4, -q.lo / 4};
  DoubleExtended harmonicK;  // H_k
  DoubleExtended harmonicNK;
  for (int j = 1; j <= n; ++j)
    harmonicNK = harmonicNK + Exactly(1) / Exactly(j);
  const DoubleExtended twoGamma = EulerGammaPrecise + EulerGammaPrecise;
  DoubleExtended term = Exactly(1);
  DoubleExtended digammaSum = (harmonicK + harmonicNK) + -twoGamma;
  DoubleExtended sum = digammaSum;
  DoubleExtended jSum = Exactly(1);
  Extended magnitude = std::fabs(sum.hi);
  int terms = 1;
  for (int k = 1; k < MaxTerms; ++k) {
    term = term * q / (Exactly(k) * Exactly(static_cast<Extended>(n + k)));
    harmonicK = harmonicK + Exactly(1) / Exactly(k);
    harmonicNK = harmonicNK + Exactly(1) / Exactly(n + k);
    digammaSum = (harmonicK + harmonicNK) + -twoGamma;
    const DoubleExtended add = term * digammaSum;
    sum = sum + add;
    jSum = jSum + term;
    magnitude += std::fabs(add.hi) + std::fabs(term.hi) * std::fabs(2 * lnHalf.hi);
    terms = k;
    if (k > -q.hi / (n + 1) && std::fabs(add.hi) < 1E-40L * std::fabs(sum.hi) && std::fabs(term.hi) < 1E-40L * std::fabs(jSum.hi))
      break;
  }
  // Y = (2/pi) ln(t/2) J - (1/pi) sum_{k<n} (n-k-1)!/k! (t/2)^(2k-n) - (1/pi) (t/2)^n/n! sum.
  const DoubleExtended series = (lnHalf + lnHalf) * jSum + -sum;
  const Extended finitePart = series.Value() * factor.value;
  Extended front = 0;
  if (n > 0) {
    // (n-k-1)!/k! (t/2)^(2k-n), from k = n-1 down: each term from the one after it.
    const Extended h2 = (t / 2) * (t / 2);
    Extended termK = 1 / (t / 2);  // k = n-1: 0!/(n-1)! (t/2)^(n-2) ... built upward below
    termK = std::pow(t / 2, n - 2) / std::tgamma(static_cast<Extended>(n));
    for (int k = n - 1; k >= 0; --k) {
      front += termK;
      if (k > 0)
        termK *= k * (n - k) / h2;
    }
  }
  const Extended value = InvPi * (finitePart - front);
  const Extended lnPart = std::fabs(2 * lnHalf.hi * jSum.hi);
  const Extended absolute = InvPi * (std::fabs(factor.value) * (DoubleEpsilon * terms * magnitude + PreciseKernelRounding * lnPart + 8 * SingleEpsilon * std::fabs(series.Value())) +
                                     8 * SingleEpsilon * std::fabs(front) + SingleEpsilon * std::fabs(finitePart));
  return {value, absolute / std::max(std::fabs(value), Extended(1E-4900L))};
}

// Y of a fractional order: (J_n cos(n pi) - J_-n) / sin(n pi).
Estimate SeriesYFractional(Extended n, Extended t)
{
  const Estimate plus = SeriesJI(n, t, -1);
  const Estimate minus = SeriesJI(-n, t, -1);
  const Extended s = SinPi(n);
  const Extended c = SinPi(n + 0.5L);
  const Extended value = (plus.value * c - minus.value) / s;
  const Extended absolute = (std::fabs(plus.value * c) * (plus.error + SingleEpsilon) + std::fabs(minus.value) * minus.error) / std::fabs(s);
  return {value, absolute / std::max(std::fabs(value), Extended(1E-4900L)) + 4 * SingleEpsilon};
}

// J (first) or Y of a whole order in double-Extended arithmetic, when wanted: near the zeros and
// for long recurrences, where the Extended methods cannot keep the digits.
Estimate PreciseWholeOrder(bool wanted, bool first, Extended n, Extended t)
{
  Estimate e;
  if (!wanted || !IsWhole(n) || n > INT_MAX)
    return e;
  if (!BesselDebyePrecise(first, static_cast<int>(n), t, e.value, e.error))
    e = {};
  Estimate turning;
  if (!(e.error <= RequiredAccuracy) && BesselTurningPointPrecise(first, static_cast<int>(n), t, turning.value, turning.error))
    e = Better(e, turning);
  Estimate recurrence;
  if (!(e.error <= RequiredAccuracy) && BesselWholeOrderPrecise(first, static_cast<int>(n), t, recurrence.value, recurrence.error))
    e = Better(e, recurrence);
  Estimate hankel;
  if (!(e.error <= RequiredAccuracy) && BesselHankelPrecise(first, static_cast<int>(n), t, hankel.value, hankel.error))
    e = Better(e, hankel);
  return e;
}

// Beyond the turning point (n > t), J_n(t) falls and Y_n(t) grows as e^(-+n (a - tanh a)) with
// sech a = t / n (Debye's leading term, good to a few units in the exponent for n >= 100): true when
// the value lies far below (J) or above (Y) the range.
bool FarBeyondRange(Extended n, Extended t, bool y)
{
  constexpr Extended Margin = 50;
  if (!(n >= 100 && n > t))
    return false;
  const Extended a = std::acosh(n / t);
  const Extended th = std::tanh(a);
  const Extended exponent = n * (a - th);
  if (y)
    return exponent - 0.5L * std::log(Pi * n * th / 2) > ExpOverflowLimit + Margin;
  return -exponent - 0.5L * std::log(2 * Pi * n * th) < ExpUnderflowLimit - Margin;
}

// Checks the arguments: order and argument at least 0 and finite.
bool ValidArguments(Extended n, Extended t)
{
  return n >= 0 && t >= 0 && std::isfinite(n) && std::isfinite(t);
}

Extended Finish(const Estimate& e)
{
  if (e.value == 0 && e.error <= RequiredAccuracy)
    return MathError(ecUnderflow);
  return AccurateResult(e.value, e.error);
}

// Large-argument expansion of I: e^t / sqrt(2 pi t) times the alternating series.
Estimate AsymptoticI(Extended n, Extended t)
{
  const Extended mu = 4 * n * n;
  Extended term = 1;
  Extended sum = 1;
  Extended previous = std::numeric_limits<Extended>::infinity();
  for (int k = 1; k < 1000; ++k) {
    const Extended odd = 2 * k - 1;
    term *= -(mu - odd * odd) / (k * 8 * t);
    if (std::fabs(term) > previous)
      return {};
    previous = std::fabs(term);
    sum += term;
    if (std::fabs(term) < SingleEpsilon * 1E-3L)
      break;
  }
  const Extended logValue = t - 0.5L * std::log(2 * Pi * t) + std::log(sum);
  return {std::exp(logValue), (std::fabs(logValue) + 8) * SingleEpsilon};
}

// J (sign -1) or I (sign +1): the large-argument expansion where it reaches the digits, else the
// series.
Extended BesselJOrI(Extended n, Extended t, int sign)
{
  if (!ValidArguments(n, t))
    return FunctionError(ecArgumentOutOfRange);
  ErrorCode = 0;
  if (t == 0)
    return n == 0 ? 1 : 0;
  const bool j = sign < 0;
  if (j && FarBeyondRange(n, t, false))
    return MathError(ecUnderflow);
  Estimate best;
  if (t >= (j ? 20 : 30))
    best = j ? HankelJY(n, t).j : AsymptoticI(n, t);
  if (best.error > RequiredAccuracy && t <= (j ? 1000 : 20000))
    best = Better(best, SeriesJI(n, t, sign));
  Estimate recurrence;
  if (j && !(best.error <= RequiredAccuracy) && IsWhole(n) && n <= INT_MAX &&
      BesselJWholeOrder(static_cast<int>(n), t, recurrence.value, recurrence.error))
    best = Better(best, recurrence);
  Estimate steed;
  if (j && !(best.error <= RequiredAccuracy) && !IsWhole(n) && BesselJFractional(n, t, steed.value, steed.error))
    best = Better(best, steed);
  best = Better(best, PreciseWholeOrder(j && !(best.error <= RequiredAccuracy), true, n, t));
  return Finish(best);
}

// Y of order n at t > 0 by its expansion for large t or its series.
Estimate DirectY(Extended n, Extended t)
{
  Estimate best;
  if (t >= 20)
    best = HankelJY(n, t).y;
  if (best.error > RequiredAccuracy && t <= 1000) {
    if (IsWhole(n) && n <= 100000)
      best = Better(best, SeriesYWhole(static_cast<int>(n), t));
    else if (!IsWhole(n))
      best = Better(best, SeriesYFractional(n, t));
  }
  Estimate fractional;
  if (best.error > RequiredAccuracy && !IsWhole(n) && BesselYFractional(n, t, fractional.value, fractional.error))
    best = Better(best, fractional);
  return best;
}

// Y (y = true) and K of order n >= 1/2 at tiny t whose values reach the top of the range, or for K
// whose peak (sinh u = n / t) lies beyond it, where the methods below overflow on the way:
// -gamma(n)/pi (2/t)^n and gamma(n)/2 (2/t)^n, whose next terms are (t/2)^(2n) smaller, taken
// through logarithms. False elsewhere.
bool HugeAtTinyArgument(Extended n, Extended t, bool y, Extended& value)
{
  constexpr Extended TinyArgument = 1E-300L;
  constexpr Extended LogThreshold = 11000;
  constexpr Extended PeakLimit = 1E4900L;
  if (!(t < TinyArgument && n >= 0.5L))
    return false;
  const Extended power = n * (std::log(Extended(2)) - std::log(t));
  if (power < LogThreshold && (y || n / t < PeakLimit))
    return false;
  const Extended lnGamma = LnGammaAbs(n);
  const Extended lnValue = lnGamma + power - (y ? LnPi : std::log(Extended(2)));
  if (ErrorFlag || lnValue > ExpOverflowLimit) {
    value = MathError(ecOverflow);
    return true;
  }
  value = y ? -std::exp(lnValue) : std::exp(lnValue);
  return true;
}

// K from its logarithm, whose rounding grows with its size.
Extended KFromLogarithm(Extended logValue)
{
  if (logValue > ExpOverflowLimit)
    return MathError(ecOverflow);
  if (logValue < ExpUnderflowLimit)
    return MathError(ecUnderflow);
  return AccurateResult(std::exp(logValue), (std::fabs(logValue) + 16) * SingleEpsilon);
}

}  // namespace

Extended BesselJ(Extended n, Extended t)
{
  return BesselJOrI(n, t, -1);
}

Extended BesselY(Extended n, Extended t)
{
  if (!ValidArguments(n, t))
    return FunctionError(ecArgumentOutOfRange);
  ErrorCode = 0;
  if (t == 0)
    return FunctionError(ecSingularity);
  if (FarBeyondRange(n, t, true))
    return MathError(ecOverflow);
  if (Extended huge = 0; HugeAtTinyArgument(n, t, true, huge))
    return huge;
  Estimate best = DirectY(n, t);
  // The series loses a value too large for the range; the recurrence finds it.
  if ((!(best.error <= RequiredAccuracy) || best.value == 0) && IsWhole(n) && n > 1 && n <= INT_MAX) {
    const Estimate y0 = DirectY(0, t);
    const Estimate y1 = DirectY(1, t);
    Estimate recurrence;
    if (BesselYWholeOrder(static_cast<int>(n), t, y0.value, y0.error, y1.value, y1.error, recurrence.value, recurrence.error))
      best = best.value == 0 ? recurrence : Better(best, recurrence);
  }
  if (best.value != 0)
    best = Better(best, PreciseWholeOrder(!(best.error <= RequiredAccuracy), false, n, t));
  return Finish(best);
}

Extended BesselI(Extended n, Extended t)
{
  return BesselJOrI(n, t, 1);
}

Extended BesselK(Extended n, Extended t)
{
  if (!(t > 0) || !(n >= 0) || !std::isfinite(n) || !std::isfinite(t))
    return FunctionError(ecArgumentOutOfRange);
  ErrorCode = 0;
  if (Extended huge = 0; HugeAtTinyArgument(n, t, false, huge))
    return huge;
  if (n >= LargeBesselOrder)
    return KFromLogarithm(LnBesselKLargeOrder(n, t));
  // K = integral over u >= 0 of e^(L(u)), L = -t cosh u + ln cosh(n u); the peak of -t cosh u + n u
  // lies at sinh u = n / t, its width is 1 / sqrt(t cosh u).
  const auto logIntegrand = [n, t](Extended u) {
    const Extended nu = n * u;
    return -t * std::cosh(u) + nu + std::log1p(std::exp(-2 * nu)) - std::log(Extended(2));
  };
  const Extended peak = std::asinh(n / t);
  const Extended top = logIntegrand(peak);
  const Extended width = 1 / std::sqrt(t * std::cosh(peak));
  const Extended h = std::min<Extended>(0.1L, width / 4);
  // The trapezoidal sum of an even function over the whole line: h (f(0)/2 + sum f(kh)).
  Extended sum = std::exp(logIntegrand(0) - top) / 2;
  for (int k = 1; k < 10000000; ++k) {
    const Extended u = k * h;
    const Extended l = logIntegrand(u) - top;
    sum += std::exp(l);
    if (u > peak && l < -100)
      break;
  }
  return KFromLogarithm(top + std::log(h * sum));
}

}  // namespace engine
