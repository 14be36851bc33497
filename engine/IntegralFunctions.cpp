#include "engine/IntegralFunctions.h"

#include "engine/ElementaryFunctions.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FactorialGamma.h"
#include "engine/MathConstants.h"
#include "engine/Quadrature.h"

#include <cmath>

namespace engine {

namespace {

// The auxiliary functions f and g of Si and Ci for x > 1.
Extended AuxF(Extended x)
{
  const Extended y = x * x;
  return (y * (y * (y * (y + 38.027264L) + 265.187033L) + 335.67732L) + 38.102495L) /
         (y * (y * (y * (y + 40.021433L) + 322.624911L) + 570.23628L) + 157.105423L) / x;
}

Extended AuxG(Extended x)
{
  const Extended y = x * x;
  return (y * (y * (y * (y + 42.242855L) + 302.757865L) + 352.018498L) + 21.821899L) /
         (y * (y * (y * (y + 48.196927L) + 482.485984L) + 1114.978885L) + 449.690326L) / y;
}

Extended SinOverT(Extended t, Extended, Extended) { return t == 0 ? 1 : std::sin(t) / t; }
Extended CosMinusOneOverT(Extended t, Extended, Extended) { return t == 0 ? 0 : (std::cos(t) - 1) / t; }

Extended FermiDiracIntegrand(Extended t, Extended order, Extended x)
{
  return EvalPower(t, order) / (GuardedExp(t - x) + 1);
}

Extended BesselJIntegrand(Extended theta, Extended n, Extended t)
{
  return std::pow(std::sin(theta), 2 * n) * std::cos(t * std::cos(theta));
}

Extended BesselIIntegrand(Extended theta, Extended n, Extended t)
{
  return GuardedExp(t * std::cos(theta)) * std::pow(std::sin(theta), 2 * n);
}

Extended BesselKIntegrand(Extended u, Extended n, Extended t)
{
  const Extended exponent = -t * (u + 1 / u) / 2;
  const Extended e = exponent <= -70 ? 0 : std::exp(exponent);
  return e * (std::pow(u, n) + std::pow(u, -n)) / u;
}

Extended ExpOrZero(Extended exponent, Extended below)
{
  return exponent < below ? 0 : std::exp(exponent);
}

Extended BesselYIntegrand(Extended theta, Extended n, Extended t)
{
  if (theta == 0)
    return 0;
  const Extended d = theta / Pi;
  const Extended s = t * (d - 1 / d) / 2;
  const Extended lnD = std::log(d);
  const Extended g = ExpOrZero(s + (n - 1) * lnD, -80);
  const Extended h = ExpOrZero(s - (n + 1) * lnD, -80);
  return std::sin(t * std::sin(theta) - n * theta) - (h + g * std::cos(n * Pi)) / Pi;
}

}  // namespace

Extended SineIntegral(Extended x)
{
  if (x < 0)
    return FunctionError(ecArgumentError);
  if (x <= 1)
    return IntegrateAdaptive(SinOverT, 0, 0, 0, x);
  return Pi / 2 - AuxF(x) * std::cos(x) - AuxG(x) * std::sin(x);
}

Extended CosineIntegral(Extended x)
{
  if (x < 0)
    return FunctionError(ecArgumentError);
  if (x <= 1)
    return GuardedLn(x) + 0.5772156649015328606L + IntegrateAdaptive(CosMinusOneOverT, 0, 0, 0, x);
  return AuxF(x) * std::sin(x) - AuxG(x) * std::cos(x);
}

Extended UpperNormalTail(Extended x)
{
  const Extended a = std::fabs(x) / 1.4142135623731L;
  Extended t = 0;
  if (a <= 10) {
    const Extended p =
        114.09129476797L + a * (141.83210568472L + a * (88.728616552568L + a * (31.499397334774L + a * (6.294988791298L + 0.56413052029668L * a))));
    const Extended q =
        114.09129476797L +
        a * (270.57034584754L + a * (279.94326328665L + a * (162.63669095274L + a * (56.35922843497L + a * (11.155129488023L + a)))));
    t = std::exp(-a * a) * p / q / 2;
  }
  return x >= 0 ? t : 1 - t;
}

Extended FermiDirac(Extended order, Extended x)
{
  return IntegrateAdaptive(FermiDiracIntegrand, order, x, 0, x + 23);
}

Extended BesselJ(Extended n, Extended t)
{
  if (n < 0 || t < 0)
    return FunctionError(ecArgumentOutOfRange);
  if (n == 0 && t == 0)
    return 1;
  const Extended factor = EvalPower(t / 2, n) / (GammaFunction(n + 0.5L) * std::sqrt(Pi));
  if (ErrorFlag)
    return 0;
  return factor * IntegrateAdaptive(BesselJIntegrand, n, t, 0, Pi);
}

Extended BesselI(Extended n, Extended t)
{
  if (n < 0 || t < 0)
    return FunctionError(ecArgumentOutOfRange);
  if (n == 0 && t == 0)
    return 1;
  const Extended factor = EvalPower(t / 2, n) / (GammaFunction(n + 0.5L) * std::sqrt(Pi));
  if (ErrorFlag)
    return 0;
  return factor * IntegrateAdaptive(BesselIIntegrand, n, t, 0, Pi);
}

Extended BesselK(Extended n, Extended t)
{
  if (t <= 0 || n < 0)
    return FunctionError(ecArgumentOutOfRange);
  return 0.5L * IntegrateAdaptive(BesselKIntegrand, n, t, 0, 1);
}

Extended BesselY(Extended n, Extended t)
{
  if (n < 0 || t < 0)
    return FunctionError(ecArgumentOutOfRange);
  if (t == 0)
    return FunctionError(ecSingularity);
  if (t < 0.0001L) {
    // Leading terms of the small-argument expansions.
    if (n == 0)
      return 2 / Pi * (std::log(t / 2) + EulerGamma);
    const Extended gamma = GammaFunction(n);
    if (ErrorFlag)
      return 0;
    return -gamma * EvalPower(2 / t, n) / Pi;
  }
  return IntegrateAdaptive(BesselYIntegrand, n, t, 0, Pi) / Pi;
}

}  // namespace engine
