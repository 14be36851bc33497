#include "engine/AngleReduction.h"

#include "engine/DoubleExtendedMath.h"
#include "engine/MathConstants.h"

#include <cmath>

namespace engine {

namespace {

constexpr Extended RadiansPerDegree = 0x8efa351294e9c8aep-69L;
constexpr Extended RadiansPerDegreeLow = 0xec5f66e9485c4d90p-137L;

}  // namespace

Extended SinPi(Extended x)
{
  if (!std::isfinite(x))
    return std::sin(x);
  // fmod is exact, and so are the steps that fold r into [-1/2, 1/2] (Sterbenz).
  Extended r = std::fmod(x, Extended(2));
  if (r > 1)
    r -= 2;
  else if (r < -1)
    r += 2;
  if (r > 0.5L)
    r = 1 - r;
  else if (r < -0.5L)
    r = -1 - r;
  return std::sin(Pi * r);
}

namespace {

// degrees = 90 q + a exactly, with |a| <= 45 and q in 0..3.
struct QuarterTurns {
  int q = 0;
  Extended a = 0;
};

QuarterTurns ReduceDegrees(Extended degrees)
{
  // r - 90 q is exact: |r| < 360 and the difference lies on r's grid.
  const Extended r = std::fmod(degrees, Extended(360));
  const Extended q = NearestWhole(r / 90);
  return {static_cast<int>((WholeToInteger(q) % 4 + 4) % 4), r - 90 * q};
}

}  // namespace

void ReduceDegreesPrecise(Extended degrees, int& q, DoubleExtended& radians)
{
  const QuarterTurns turns = ReduceDegrees(degrees);
  TwoProduct(turns.a, RadiansPerDegree, radians.hi, radians.lo);
  radians = DoubleExtended::Normalized(radians.hi, radians.lo + turns.a * RadiansPerDegreeLow);
  q = turns.q;
}

void SinCosDegreesPrecise(Extended degrees, DoubleExtended& s, DoubleExtended& c)
{
  if (!std::isfinite(degrees)) {
    s = c = Exactly(std::sin(degrees));
    return;
  }
  int q = 0;
  DoubleExtended t;
  ReduceDegreesPrecise(degrees, q, t);
  SinCosReduced(q, t, s, c);
}

bool TanDegrees(Extended degrees, Extended& t)
{
  if (!std::isfinite(degrees)) {
    t = std::sin(degrees);
    return true;
  }
  const QuarterTurns turns = ReduceDegrees(degrees);
  const Extended a = turns.a;
  const Extended ta = std::fabs(a) == 45 ? (a > 0 ? 1 : -1) : std::tan(a * RadiansPerDegree);
  if (turns.q % 2 == 0) {
    t = ta;
    return true;
  }
  if (ta == 0)
    return false;
  t = -1 / ta;
  return true;
}

}  // namespace engine
