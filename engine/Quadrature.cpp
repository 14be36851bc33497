#include "engine/Quadrature.h"

#include "engine/EngineState.h"
#include "engine/Host.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace engine {

namespace {

// Nodes of the 21-point Kronrod rule on [-1, 1] (the non-negative half); the odd ones (1, 3, ...)
// are the nodes of the 10-point Gauss rule.
constexpr Extended KronrodNodes[11] = {
    0.0L,
    0.1488743389816312108848L, 0.2943928627014601981311L, 0.4333953941292471907993L, 0.562757134668604683339L,
    0.6794095682990244062343L, 0.7808177265864168970637L, 0.8650633666889845107321L, 0.9301574913557082260012L,
    0.973906528517171720078L,  0.9956571630258080807355L,
};
constexpr Extended KronrodWeights[11] = {
    0.1494455540029169056649L,
    0.1477391049013384913748L,  0.1427759385770600807971L,  0.1347092173114733259281L, 0.123491976262065851078L,
    0.1093871588022976418992L,  0.09312545458369760553507L, 0.07503967481091995276704L, 0.05475589657435199603138L,
    0.03255816230796472747882L, 0.01169463886737187427806L,
};
constexpr Extended GaussWeights[5] = {0.2955242247147528701739L, 0.2692667193099963550912L, 0.2190863625159820439955L,
                                      0.1494513491505805931458L, 0.06667134430868813759357L};

// Beside a singularity like x^-0.97 at an end the Kronrod sum is off by up to this many times its
// difference to the Gauss sum (x^-0.5: half of it); on smooth pieces the difference is far above
// the Kronrod sum's error anyway.
constexpr Extended DifferenceFactor = 20;
// Rounding of one Extended operation, and the share of it a sum of 21 terms may gather.
constexpr Extended SumRounding = 20 * 1.1E-19L;

}  // namespace

void ReadProcDigits()
{
  const std::string text = Host().PrecisionText();
  int digits = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
  if (error == std::errc() && end == text.data() + text.size() && digits > 0)
    ProcDigits = digits;
}

bool IntegrateKronrod(const std::function<bool(Extended x, Extended& fx)>& f, Extended a, Extended b,
                      KronrodEstimate& estimate)
{
  const Extended centre = a / 2 + b / 2;
  const Extended half = b / 2 - a / 2;
  Extended fc = 0;
  if (!f(centre, fc))
    return false;
  Extended kronrod = KronrodWeights[0] * fc;
  Extended gauss = 0;
  Extended magnitude = KronrodWeights[0] * std::fabs(fc);
  for (int i = 1; i < 11; ++i) {
    Extended left = 0;
    Extended right = 0;
    if (!f(centre - half * KronrodNodes[i], left) || !f(centre + half * KronrodNodes[i], right))
      return false;
    kronrod += KronrodWeights[i] * (left + right);
    magnitude += KronrodWeights[i] * (std::fabs(left) + std::fabs(right));
    if (i % 2 == 1)
      gauss += GaussWeights[i / 2] * (left + right);
    if (i >= 9) {
      estimate.nearA[10 - i] = left;
      estimate.nearB[10 - i] = right;
    }
  }
  const Extended scale = std::fabs(half);
  estimate.value = kronrod * half;
  estimate.magnitude = magnitude * scale;
  // The part of the difference that rounding explains is not scaled up.
  const Extended rounding = SumRounding * estimate.magnitude;
  estimate.error = DifferenceFactor * std::max(std::fabs(kronrod - gauss) * scale - rounding, Extended(0)) + rounding;
  return true;
}

}  // namespace engine
