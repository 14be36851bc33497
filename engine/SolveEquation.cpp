// solve(Low, Up, f(x)): a root of f by bisection down to neighbouring numbers, after an extremum
// search when f has no sign change.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// Moves an end of the interval to the extremum when f(low) and f(up) have the same sign.
bool MoveToExtremum(FunctionText& f, Extended& low, Extended& fa, Extended fb)
{
  const bool positive = fa > 0 && fb > 0;
  if (!positive && !(fa < 0 && fb < 0))
    return true;
  ExtremumIsMax = !positive;
  LastSearchExpr.clear();
  ExprPos = f.Start();
  const Extended extremum = SearchExtremum(false);
  if (ErrorFlag)
    return false;
  if ((positive && extremum >= 1e-18L) || (!positive && extremum <= -1e-18L)) {
    SetEvalErrorAt(ecIntervalError, f.Start(), f.End() - f.Start());
    return false;
  }
  low = ExtremumX;
  fa = extremum;
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
  if (!MoveToExtremum(f, low, fa, fb))
    return 0;
  if (fa == 0)
    return low;
  if (fb == 0)
    return up;
  // An extremum that touches 0 without crossing it is the root.
  if (moved && (fa > 0) == (fb > 0))
    return low;
  return Bisect(f, low, fa, up, fb, scale);
}

}  // namespace engine
