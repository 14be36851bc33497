#include "engine/BesselYFractionalOrder.h"

#include "engine/AccurateElementary.h"
#include "engine/AngleReduction.h"
#include "engine/MathConstants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace engine {

namespace {

constexpr Extended Rounding = 1.1E-19L;
constexpr int ZetaCount = 72;
constexpr int MaxRecurrence = 1000000;
constexpr int RescaleExponent = 6000;
const Extended RescaleLimit = std::ldexp(Extended(1), RescaleExponent);
constexpr Extended Infinity = std::numeric_limits<Extended>::infinity();

// zeta(k) for k = 2 .. 71: the sum to 99 and the Euler-Maclaurin tail from 100.
const std::array<Extended, ZetaCount>& Zeta()
{
  static const std::array<Extended, ZetaCount> table = [] {
    std::array<Extended, ZetaCount> z{};
    constexpr Extended N = 100;
    for (int k = 2; k < ZetaCount; ++k) {
      const Extended s = k;
      const Extended nk = std::pow(N, -s);
      Extended sum = nk * N / (s - 1) + nk / 2 + s * nk / N / 12 - s * (s + 1) * (s + 2) * nk / (N * N * N) / 720 +
                     s * (s + 1) * (s + 2) * (s + 3) * (s + 4) * nk / std::pow(N, 5) / 30240;
      for (int n = 99; n >= 1; --n)
        sum += std::pow(static_cast<Extended>(n), -s);
      z[k] = sum;
    }
    return z;
  }();
  return table;
}

// 1/gamma(1 + mu) = e^(phi - E), 1/gamma(1 - mu) = e^(-phi - E) from the series of ln gamma(1 + x):
// E = sum over even k of zeta(k) mu^k / k, phi = gamma mu + sum over odd k >= 3 of zeta(k) mu^k / k.
struct ReciprocalGammas {
  Extended plus = 0;    // 1/gamma(1 + mu)
  Extended minus = 0;   // 1/gamma(1 - mu)
  Extended gamma1 = 0;  // (1/gamma(1 - mu) - 1/gamma(1 + mu)) / (2 mu), without cancellation
  Extended gamma2 = 0;  // (1/gamma(1 - mu) + 1/gamma(1 + mu)) / 2
};

ReciprocalGammas GammasNearOne(Extended mu)
{
  const auto& zeta = Zeta();
  Extended even = 0;
  Extended odd = 0;  // phi / mu - gamma
  Extended power = mu;
  for (int k = 2; k < ZetaCount; ++k) {
    power *= mu;
    const Extended term = zeta[k] * power / k;
    if (k % 2 == 0)
      even += term;
    else
      odd += term / mu;
  }
  const Extended phiOverMu = EulerGammaExact + odd;
  const Extended phi = mu * phiOverMu;
  const Extended scale = std::exp(-even);
  ReciprocalGammas g;
  g.plus = scale * std::exp(phi);
  g.minus = scale * std::exp(-phi);
  g.gamma1 = -scale * (mu == 0 ? phiOverMu : Sinh(phi) / mu);
  g.gamma2 = scale * Cosh(phi);
  return g;
}

// Y_mu and Y_mu+1 with their relative errors.
struct StartingPair {
  Extended y = 0;
  Extended y1 = 0;
  Extended error = 0;
  Extended error1 = 0;
  Extended j = 0;  // J_n itself, from Steed's method only
  Extended jError = std::numeric_limits<Extended>::infinity();
};

// Temme's series for 0 < t <= 2.
StartingPair TemmePair(Extended mu, Extended t)
{
  const ReciprocalGammas g = GammasNearOne(mu);
  const Extended half = t / 2;
  const Extended d = -std::log(half);
  const Extended e = mu * d;
  const Extended piMu = Pi * mu;
  const Extended fact = mu == 0 ? 1 : piMu / SinPi(mu);
  const Extended fact2 = e == 0 ? 1 : Sinh(e) / e;
  Extended ff = 2 / Pi * fact * (g.gamma1 * Cosh(e) + g.gamma2 * fact2 * d);
  const Extended expE = std::exp(e);
  // p = (t/2)^-mu gamma(1 + mu) / pi, q = (t/2)^mu gamma(1 - mu) / pi.
  Extended p = expE / (g.plus * Pi);
  Extended q = 1 / (expE * Pi * g.minus);
  const Extended halfPiMu = piMu / 2;
  const Extended fact3 = mu == 0 ? 1 : SinPi(mu / 2) / halfPiMu;
  const Extended r = Pi * halfPiMu * fact3 * fact3;
  Extended c = 1;
  const Extended minusQ = -half * half;
  Extended sum = ff + r * q;
  Extended sum1 = p;
  Extended magnitude = std::fabs(ff) + std::fabs(r * q);
  Extended magnitude1 = std::fabs(p);
  for (int i = 1; i < 1000; ++i) {
    ff = (i * ff + p + q) / (i * i - mu * mu);
    c *= minusQ / i;
    p /= i - mu;
    q /= i + mu;
    const Extended del = c * (ff + r * q);
    sum += del;
    const Extended del1 = c * p - i * del;
    sum1 += del1;
    magnitude += std::fabs(del);
    magnitude1 += std::fabs(del1);
    if (std::fabs(del) < (1 + std::fabs(sum)) * Rounding * 1E-3L && std::fabs(del1) < (1 + std::fabs(sum1)) * Rounding * 1E-3L)
      break;
  }
  return {-sum, -sum1 * (2 / t), 16 * Rounding * magnitude / std::fabs(sum), 16 * Rounding * magnitude1 / std::fabs(sum1)};
}

// Steed's method for t > 2: the continued fraction for J'_n / J_n brought down to mu by the stable
// downward recurrence, and the complex continued fraction for (J' + i Y') / (J + i Y) at mu, tied
// together by the Wronskian.
bool SteedPair(Extended n, Extended mu, int whole, Extended t, StartingPair& out)
{
  constexpr Extended Small = 1E-4000L;
  constexpr int MaxSteps = 1000000;
  const Extended xi = 1 / t;
  const Extended xi2 = 2 * xi;
  int sign = 1;
  Extended h = std::max(n / t, Small);
  Extended d = 0;
  Extended c = h;
  int i = 1;
  for (; i < MaxSteps; ++i) {
    // Each coefficient 2 (n + i) / t computed afresh: a sum of steps would drift over the many
    // steps a large argument takes.
    const Extended b = 2 * (n + i) / t;
    d = b - d;
    if (std::fabs(d) < Small)
      d = Small;
    c = b - 1 / c;
    if (std::fabs(c) < Small)
      c = Small;
    d = 1 / d;
    const Extended del = c * d;
    h *= del;
    if (d < 0)
      sign = -sign;
    if (std::fabs(del - 1) < Rounding / 4)
      break;
  }
  if (i >= MaxSteps)
    return false;
  const int fractionSteps = i;
  // Down from J_n = 1 and J'_n = h: a multiple of J_mu and J'_mu, scaled by 2^-RescaleExponent
  // `rescaled` times on the way.
  struct Descent {
    Extended jl = 0;
    Extended jpl = 0;
    int rescaled = 0;
  };
  const auto descend = [n, t, whole](Extended ratio) {
    Descent d{1, ratio, 0};
    for (int l = whole; l >= 1; --l) {
      const Extended order = n - (whole - l);
      const Extended next = order / t * d.jl + d.jpl;
      d.jpl = (order - 1) / t * next - d.jl;
      d.jl = next;
      if (std::fabs(d.jl) > RescaleLimit) {
        d.jl = std::ldexp(d.jl, -RescaleExponent);
        d.jpl = std::ldexp(d.jpl, -RescaleExponent);
        ++d.rescaled;
      }
    }
    return d;
  };
  const Descent down = descend(h);
  const Extended jl = sign * down.jl;
  const Extended jpl = sign * down.jpl;
  if (jl == 0)
    return false;
  const Extended f = jpl / jl;
  Extended a = 0.25L - mu * mu;
  Extended p = -0.5L * xi;
  Extended q = 1;
  const Extended br = 2 * t;
  Extended bi = 2;
  Extended scale = a * xi / (p * p + q * q);
  Extended cr = br + q * scale;
  Extended ci = bi + p * scale;
  Extended den = br * br + bi * bi;
  Extended dr = br / den;
  Extended di = -bi / den;
  Extended dlr = cr * dr - ci * di;
  Extended dli = cr * di + ci * dr;
  Extended temp = p * dlr - q * dli;
  q = p * dli + q * dlr;
  p = temp;
  for (i = 2; i < MaxSteps; ++i) {
    a += 2 * (i - 1);
    bi += 2;
    dr = a * dr + br;
    di = a * di + bi;
    if (std::fabs(dr) + std::fabs(di) < Small)
      dr = Small;
    scale = a / (cr * cr + ci * ci);
    cr = br + cr * scale;
    ci = bi - ci * scale;
    if (std::fabs(cr) + std::fabs(ci) < Small)
      cr = Small;
    den = dr * dr + di * di;
    dr /= den;
    di /= -den;
    dlr = cr * dr - ci * di;
    dli = cr * di + ci * dr;
    temp = p * dlr - q * dli;
    q = p * dli + q * dlr;
    p = temp;
    if (std::fabs(dlr - 1) + std::fabs(dli) < Rounding / 4)
      break;
  }
  if (i >= MaxSteps)
    return false;
  const Extended gam = (p - f) / q;
  const Extended jMu = std::copysign(std::sqrt(xi2 / Pi / ((p - f) * gam + q)), jl);
  out.y = jMu * gam;
  const Extended yPrime = out.y * (p + q / gam);
  out.y1 = mu * xi * out.y - yPrime;
  // The fractions and the Wronskian fix J and Y to a few roundings of their common amplitude.
  const Extended amplitude = std::hypot(jMu, out.y);
  out.error = 64 * Rounding * amplitude / std::fabs(out.y);
  out.error1 = 64 * Rounding * (amplitude + std::fabs(yPrime)) / std::fabs(out.y1);
  // J_n = sign J_mu / (the descent's J_mu); the descent's rounding acts as a change of its start, whose
  // effect is measured by descending again from a start changed by 2^-20.
  out.j = sign * std::ldexp(jMu / jl, -RescaleExponent * down.rescaled);
  if (out.j != 0 && std::isfinite(out.j)) {
    constexpr Extended Change = 0x1p-20L;
    const Descent changed = descend(h * (1 + Change));
    const bool comparable = changed.rescaled == down.rescaled && changed.jl != 0;
    const Extended growthJ = comparable ? std::fabs(changed.jl / down.jl - 1) / Change : Infinity;
    const Extended growthF = comparable ? std::fabs(changed.jpl / changed.jl / (jpl / jl) - 1) / Change : Infinity;
    out.jError = out.error * std::fabs(out.y) / std::fabs(jMu) + 4 * Rounding * (whole + fractionSteps + 10) * std::max({growthJ, growthF, Extended(1)});
  }
  return std::isfinite(out.y) && std::isfinite(out.y1) && out.y != 0 && out.y1 != 0;
}

}  // namespace

bool BesselYFractional(Extended n, Extended t, Extended& value, Extended& relativeError)
{
  const Extended whole = std::nearbyint(n);
  const Extended mu = n - whole;
  if (whole > MaxRecurrence)
    return false;
  StartingPair start;
  if (t <= 2)
    start = TemmePair(mu, t);
  else if (!SteedPair(n, mu, static_cast<int>(whole), t, start))
    return false;
  if (whole == 0) {
    value = start.y;
    relativeError = start.error;
    return std::isfinite(value);
  }
  // Up from Y_mu and Y_mu+1 by Y_k+1 = 2k/t Y_k - Y_k-1. Where the orders stay below t the values
  // oscillate, and an error in a starting value can grow relative to the result: the growth is
  // measured by running the recurrence again from each starting value changed by 2^-20.
  const auto recur = [mu, t, whole](Extended y0, Extended y1) {
    for (int k = 1; k < whole; ++k) {
      const Extended next = 2 * (mu + k) / t * y1 - y0;
      y0 = y1;
      y1 = next;
    }
    return y1;
  };
  constexpr Extended Change = 0x1p-20L;
  value = recur(start.y, start.y1);
  if (!std::isfinite(value) || value == 0)
    return false;
  const Extended growth0 = std::fabs(recur(start.y * (1 + Change), start.y1) / value - 1) / Change;
  const Extended growth1 = std::fabs(recur(start.y, start.y1 * (1 + Change)) / value - 1) / Change;
  relativeError = growth0 * start.error + growth1 * start.error1 + 4 * whole * Rounding * std::max({growth0, growth1, Extended(1)});
  return true;
}

bool BesselJFractional(Extended n, Extended t, Extended& value, Extended& relativeError)
{
  const Extended whole = std::nearbyint(n);
  StartingPair start;
  if (t <= 2 || whole > MaxRecurrence || !SteedPair(n, n - whole, static_cast<int>(whole), t, start) || !std::isfinite(start.jError))
    return false;
  value = start.j;
  relativeError = start.jError;
  return true;
}

}  // namespace engine
