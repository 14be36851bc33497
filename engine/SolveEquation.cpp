// solve(Low, Up, f(x)): a root of f by bisection down to neighbouring numbers, after an extremum
// search when f has no sign change.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/KnownDigits.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// An extremum closer to 0 than this (times the larger |f| at the interval's ends where that is
// below 1) touches the axis: a root without a sign change.
constexpr Extended TouchLevel = 1E-18L;

// Moves an end of the interval to the extremum when f(low) and f(up) have the same sign.
bool MoveToExtremum(FunctionText& f, Extended& low, Extended& fa, Extended fb, Extended level)
{
  const bool positive = fa > 0 && fb > 0;
  if (!positive && !(fa < 0 && fb < 0))
    return true;
  ExtremumIsMax = !positive;
  LastSearchExpr->clear();
  ExprPos = f.Start();
  const Extended extremum = SearchExtremum(false);
  if (ErrorFlag)
    return false;
  if (std::fabs(extremum) >= level && (extremum > 0) == positive) {
    SetEvalErrorAt(ecIntervalError, f.Start(), f.End() - f.Start());
    return false;
  }
  low = ExtremumX;
  fa = extremum;
  return true;
}

// Where |f| reaches the level between `inside` (below it) and `outside`, down to neighbouring numbers.
bool TouchBoundary(FunctionText& f, Extended inside, Extended outside, Extended level, Extended& boundary)
{
  for (;;) {
    const Extended width = outside - inside;
    const Extended mid = std::isfinite(width) ? inside + width / 2 : inside / 2 + outside / 2;
    if (mid == inside || mid == outside) {
      boundary = inside;
      return true;
    }
    const Extended fm = f.At(mid);
    if (ErrorFlag || PumpAndCheckBreak())
      return false;
    (std::fabs(fm) < level ? inside : outside) = mid;
  }
}

// Where f touches the axis, the root is known only as far as |f| stays below the level around it:
// the middle of that stretch, to the digits its width leaves.
bool TouchingRoot(FunctionText& f, Extended low, Extended up, Extended at, Extended level, Extended& root)
{
  Extended left = at;
  Extended right = at;
  if (!TouchBoundary(f, at, low, level, left) || !TouchBoundary(f, at, up, level, right))
    return false;
  root = RoundToKnownDigits(left / 2 + right / 2, right / 2 - left / 2);
  return true;
}

// Halves the sign change down to two neighbouring numbers. A bracket that ends between values larger
// than those at the interval's ends closes on a pole or a jump, not on a root.
Extended Bisect(FunctionText& f, Extended lo, Extended flo, Extended hi, Extended fhi, Extended scale)
{
  for (;;) {
    const Extended width = hi - lo;
    const Extended mid = std::isfinite(width) ? lo + width / 2 : lo / 2 + hi / 2;
    if (mid == lo || mid == hi) {
      if (std::min(std::fabs(flo), std::fabs(fhi)) > scale) {
        SetEvalErrorAt(ecSingularity, f.Start(), f.End() - f.Start());
        return 0;
      }
      return std::fabs(flo) <= std::fabs(fhi) ? lo : hi;
    }
    const Extended fm = f.At(mid);
    if (ErrorFlag)
      return 0;
    if (fm == 0)
      return mid;
    if ((fm > 0) == (fhi > 0)) {
      hi = mid;
      fhi = fm;
    } else {
      lo = mid;
      flo = fm;
    }
    if (PumpAndCheckBreak())
      return 0;
  }
}

}  // namespace

Extended SolveEquation()
{
  const int boundsStart = ExprPos;
  Extended low = 0;
  Extended up = 0;
  if (!ReadBounds(low, up))
    return 0;
  LastLowBound = VarValues[LowBoundVar] = low;
  LastHighBound = VarValues[HighBoundVar] = up;
  FunctionText f;
  Extended fa = f.At(low);
  if (ErrorFlag)
    return 0;
  Extended fb = f.At(up);
  if (ErrorFlag)
    return 0;
  if (low > up) {
    SetEvalErrorAt(ecIntervalError, boundsStart, f.Start() - boundsStart);
    return 0;
  }
  const Extended scale = std::max(std::fabs(fa), std::fabs(fb));
  const bool moved = (fa > 0 && fb > 0) || (fa < 0 && fb < 0);
  const Extended start = low;
  const Extended level = TouchLevel * std::min(scale, Extended(1));
  if (!MoveToExtremum(f, low, fa, fb, level))
    return 0;
  // An extremum that touches 0 without crossing it is the root.
  if (moved && (fa == 0 || (fa > 0) == (fb > 0))) {
    Extended root = 0;
    return TouchingRoot(f, start, up, low, level, root) ? root : 0;
  }
  if (fa == 0)
    return low;
  if (fb == 0)
    return up;
  return Bisect(f, low, fa, up, fb, scale);
}

}  // namespace engine
