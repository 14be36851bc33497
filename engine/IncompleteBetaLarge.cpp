#include "engine/IncompleteBetaLarge.h"

#include "engine/MathConstants.h"
#include "engine/MathError.h"
#include "engine/StirlingParts.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// Nodes and weights of the 10-point Gauss-Legendre rule on [-1, 1], the positive half.
struct Node {
  Extended x;
  Extended w;
};
constexpr Node GaussLegendre[] = {
    {0.973906528517171720078L, 0.06667134430868813759357L},
    {0.8650633666889845107321L, 0.1494513491505805931458L},
    {0.6794095682990244062343L, 0.2190863625159820439955L},
    {0.4333953941292471907993L, 0.2692667193099963550912L},
    {0.1488743389816312108848L, 0.2955242247147528701739L},
};

// Beyond this many standard deviations the tail lies below the Extended range, or the peak leaves
// (0, 1) for the smallest parameters.
constexpr Extended FarFromBulk = 150;
// A panel's integrand that has fallen this far below the start ends the sum: e^-50 is 2E-22.
constexpr Extended Negligible = 50;

// The integrand t^a (1-t)^b / (t (1-t)) at t = x0 + delta, relative to x0^a y0^b: its logarithm,
// a ln(1 + delta/x0) + b ln(1 - delta/y0), taken as the parts that stay small near the peak.
class BetaPeak {
public:
  BetaPeak(Extended a, Extended b) : a_(a), b_(b)
  {
    // x0 on a grid of 2^-64, so that y0 = 1 - x0 is exact; a / (a + b) without overflow.
    const Extended bulk = 1 / (1 + b / a);
    x0_ = std::ldexp(std::nearbyint(std::ldexp(bulk, 64)), -64);
    y0_ = 1 - x0_;
    // a / x0 - b / y0 = (a y0 - b x0) / (x0 y0), the near-equal products taken with their errors.
    const Extended p = a * y0_;
    const Extended q = b * x0_;
    const Extended difference = (p - q) + (std::fma(a, y0_, -p) - std::fma(b, x0_, -q));
    slope_ = difference / (x0_ * y0_);
    sigma_ = bulk * std::sqrt((1 - bulk) / a);  // sqrt(x0 y0 / (a + b))
    // The grid must leave x0 well within the peak.
    usable_ = x0_ > 0 && y0_ > 0 && std::fabs(x0_ - bulk) <= 1E-3L * sigma_ && std::isfinite(slope_);
  }

  bool Usable() const { return usable_; }
  Extended X0() const { return x0_; }
  Extended Y0() const { return y0_; }
  Extended Sigma() const { return sigma_; }

  Extended LnIntegrand(Extended delta) const
  {
    return a_ * LnOnePlusMinus(delta / x0_) + b_ * LnOnePlusMinus(-delta / y0_) + slope_ * delta -
           std::log((x0_ + delta) * (y0_ - delta));
  }

  // The integral over s from `start` outward in `direction` (+1 or -1) of the integrand at
  // delta = sigma s, times e^-lnScale: panels narrow where the integrand falls fast.
  Extended Tail(Extended start, int direction, Extended lnScale) const
  {
    const Extended lnStart = LnIntegrand(sigma_ * start);
    Extended sum = 0;
    Extended s = start;
    for (int panel = 0; panel < 100000; ++panel) {
      const Extended h = 1 / std::max<Extended>(2, std::fabs(s));
      const Extended middle = s + direction * h / 2;
      Extended part = 0;
      for (const Node& node : GaussLegendre) {
        part += node.w * (std::exp(LnIntegrand(sigma_ * (middle + node.x * h / 2)) - lnScale) +
                          std::exp(LnIntegrand(sigma_ * (middle - node.x * h / 2)) - lnScale));
      }
      sum += part * h / 2;
      s += direction * h;
      if (LnIntegrand(sigma_ * s) < lnStart - Negligible)
        break;
      if (std::fabs(sigma_ * s) >= 0.9L * std::min(x0_, y0_))
        break;  // the integrand has long vanished there for parameters this large
    }
    return sum;
  }

private:
  Extended a_;
  Extended b_;
  Extended x0_ = 0;
  Extended y0_ = 0;
  Extended slope_ = 0;
  Extended sigma_ = 0;
  bool usable_ = false;
};

}  // namespace

bool IBetaNearBulk(Extended a, Extended b, Extended x, Extended y, Extended& value)
{
  if (!(a >= LargeBetaParameters && b >= LargeBetaParameters))
    return false;
  const BetaPeak peak(a, b);
  if (!peak.Usable())
    return false;
  // x - x0, from the part that holds its digits.
  const Extended delta = x < 0.5L ? x - peak.X0() : peak.Y0() - y;
  const Extended s = delta / peak.Sigma();
  if (!(std::fabs(s) <= FarFromBulk))
    return false;
  const Extended total = peak.Tail(0, 1, 0) + peak.Tail(0, -1, 0);
  // The tail beyond x, scaled by the integrand at x, whose logarithm then joins the ratio.
  const Extended lnAtX = peak.LnIntegrand(delta);
  const int direction = s <= 0 ? -1 : 1;
  const Extended tail = peak.Tail(s, direction, lnAtX);
  const Extended lnRatio = lnAtX + std::log(tail) - std::log(total);
  // A tail below the Extended range is error 28 as the result; its complement is 1.
  if (lnRatio < ExpUnderflowLimit)
    value = direction < 0 ? MathError(ecUnderflow) : 1;
  else
    value = direction < 0 ? std::exp(lnRatio) : 1 - std::exp(lnRatio);
  return true;
}

}  // namespace engine
