#include "engine/BesselYSmallArgument.h"

#include "engine/AccurateElementary.h"
#include "engine/AngleReduction.h"
#include "engine/MathConstants.h"

#include <array>
#include <cmath>

namespace engine {

namespace {

constexpr Extended Rounding = 1.1E-19L;
constexpr int ZetaCount = 72;
constexpr int MaxRecurrence = 2000;

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

}  // namespace

bool BesselYTemme(Extended n, Extended t, Extended& value, Extended& relativeError)
{
  const Extended whole = std::nearbyint(n);
  const Extended mu = n - whole;
  if (whole > MaxRecurrence)
    return false;
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
  // Y_mu and Y_mu+1, then up: Y_k+1 = 2k/t Y_k - Y_k-1 grows, and keeps the relative error.
  Extended yPrevious = -sum;
  Extended y = -sum1 * (2 / t);
  Extended errorPrevious = 16 * Rounding * magnitude / std::fabs(sum);
  Extended error = 16 * Rounding * magnitude1 / std::fabs(sum1);
  if (whole == 0) {
    value = yPrevious;
    relativeError = errorPrevious;
    return std::isfinite(value);
  }
  for (int k = 1; k < whole; ++k) {
    const Extended factor = 2 * (mu + k) / t;
    const Extended next = factor * y - yPrevious;
    const Extended absolute = std::fabs(factor * y) * (error + Rounding) + std::fabs(yPrevious) * errorPrevious;
    yPrevious = y;
    errorPrevious = error;
    y = next;
    error = absolute / std::fabs(next) + Rounding;
    if (!std::isfinite(y))
      return false;
  }
  value = y;
  relativeError = error;
  return std::isfinite(value);
}

}  // namespace engine
