// min(Low, Up, f(x)) and max(Low, Up, f(x)): the absolute extremum of f over an interval, from
// turning points of 40 samples per subinterval refined by parabolic search.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

#include <cmath>
#include <vector>

namespace engine {

namespace {

constexpr int Samples = 40;
constexpr int MaxParabolicSteps = 500;

struct Point {
  Extended x;
  Extended value;
};

// (up - low) / parts, also where the difference itself would overflow.
Extended Spacing(Extended low, Extended up, int parts)
{
  const Extended spacing = (up - low) / parts;
  return std::isfinite(spacing) ? spacing : up / parts - low / parts;
}

// low + k spacing, also where k spacing alone would overflow.
Extended PointAt(Extended low, Extended spacing, int k)
{
  const Extended x = low + k * spacing;
  return std::isfinite(x) ? x : 2 * (low / 2 + k * (spacing / 2));
}

bool Better(Extended a, Extended b)
{
  return ExtremumIsMax ? a > b : a < b;
}

void SetNotFound(const FunctionText& f)
{
  SetEvalErrorAt(ecExtremumNotFound, f.Start(), f.End() - f.Start());
}

// The extremum near c, from the bracket d < c < b. Values are negated for a maximum.
bool ParabolicSearch(FunctionText& f, Extended d, Extended c, Extended b, Point& found)
{
  const Extended sign = ExtremumIsMax ? -1 : 1;
  Extended m = sign * f.At(d);
  Extended l = sign * f.At(c);
  Extended h = sign * f.At(b);
  if (ErrorFlag)
    return false;
  for (int i = 0; i < MaxParabolicSteps; ++i) {
    if (PumpAndCheckBreak())
      return false;
    const Extended o = (h - m) * (c - d);
    const Extended r = o - (b - d) * (l - m);
    const Extended t = 0.4L * d + 0.6L * b;
    Extended u = r == 0 ? t : d - ((b - d) * (b - d) * (l - m) - (c - d) * o) / (2 * r);
    // Over a very wide bracket the parabola's terms overflow.
    if (!std::isfinite(u) || std::fabs(u - (b / 2 + d / 2)) < 0.001L * (b - d))
      u = t;
    const Extended y = sign * f.At(u);
    if (ErrorFlag)
      return false;
    if (std::fabs(y - l) < 1e-6L * std::fabs(l) + 1e-20L) {
      found = {u, sign * y};
      return true;
    }
    if (u < c && y < l) {
      b = c;
      h = l;
      c = u;
      l = y;
      m = y;
    } else if (u < c) {
      d = u;
      m = y;
    } else if (y < l) {
      d = c;
      m = l;
      c = u;
      l = y;
    } else {
      b = u;
      h = y;
    }
  }
  SetNotFound(f);
  return false;
}

bool FindLocalExtremum(FunctionText& f, Extended lo, Extended hi, Point& best)
{
  if (hi < lo)
    std::swap(lo, hi);
  const Extended step = Spacing(lo, hi, Samples);
  std::vector<Extended> values(Samples + 1);
  for (int k = 0; k <= Samples; ++k) {
    values[k] = f.At(k == Samples ? hi : PointAt(lo, step, k));
    if (ErrorFlag)
      return false;
  }
  std::vector<int> turning;
  for (int k = 1; k < Samples; ++k)
    if ((values[k] > values[k - 1]) != (values[k + 1] > values[k]))
      turning.push_back(k);

  best = Better(values[Samples], values[0]) ? Point{hi, values[Samples]} : Point{lo, values[0]};
  if (turning.empty())
    return true;
  const int first = turning[0];
  const bool firstIsCandidate =
      ExtremumIsMax ? values[first - 1] <= values[first] : values[first] <= values[first - 1];
  for (std::size_t i = firstIsCandidate ? 0 : 1; i < turning.size(); i += 2) {
    const Extended p = PointAt(lo, step, turning[i]);
    Point refined{};
    if (!ParabolicSearch(f, p - step, p, p + step, refined))
      return false;
    if (Better(refined.value, best.value))
      best = refined;
  }
  return true;
}

}  // namespace

Extended SearchExtremum(bool readBounds)
{
  if (ErrorFlag)
    return 0;
  if (readBounds) {
    Extended low = 0;
    Extended up = 0;
    if (!ReadBounds(low, up))
      return 0;
    VarValues[LowBoundVar] = low;
    VarValues[HighBoundVar] = up;
  }
  FunctionText f;
  const Extended low = VarValues[LowBoundVar];
  const Extended up = VarValues[HighBoundVar];
  // The same search in a later evaluation refines; within one evaluation (an enclosing loop,
  // integral or plot point) it stays as it is.
  const bool sameEvaluation = ExtremumEvaluation == TopLevelEvaluation();
  ExtremumEvaluation = TopLevelEvaluation();
  const bool sameSearch = *ExprString == *LastSearchExpr && up == LastHighBound && low == LastLowBound;
  if (!sameSearch) {
    ExtremumSubdivisions = 1;
    LastLowBound = low;
    LastHighBound = up;
  } else if (!sameEvaluation) {
    if (ExtremumSubdivisions >= MaxSubdivisions) {
      SetEvalErrorAt(ecIntervalError, f.Start());
      return 0;
    }
    ExtremumSubdivisions *= 2;
  }
  LastSearchExpr = ExprString;

  const int n = ExtremumSubdivisions;
  // Infinite only for n = 1, where it is not used.
  const Extended width = Spacing(low, up, n);
  Point best{};
  for (int j = 0; j < n; ++j) {
    Point local{};
    if (!FindLocalExtremum(f, j == 0 ? low : PointAt(low, width, j), j == n - 1 ? up : PointAt(low, width, j + 1), local))
      return 0;
    if (j == 0 || Better(local.value, best.value))
      best = local;
  }
  ExtremumX = best.x;
  return best.value;
}

}  // namespace engine
