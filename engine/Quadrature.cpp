#include "engine/Quadrature.h"

#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Host.h"
#include "engine/MathError.h"
#include "engine/ResultText.h"
#include "engine/UserBreak.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace engine {

namespace {

// Beyond this many subintervals the passes count as not agreeing.
constexpr int MaxSubintervals = 1 << 14;
// The runtime's default text of an Extended: sign or blank, 15 significant digits, 4-digit exponent.
constexpr int DefaultTextWidth = 23;

Extended IntegrateComposite(Integrand f, Extended p1, Extended p2, Extended a, Extended b, int n)
{
  const Extended width = (b - a) / n;
  Extended sum = 0;
  for (int j = 0; j < n; ++j) {
    const Extended l = a + j * width;
    sum += GaussLegendre10(f, p1, p2, l, j == n - 1 ? b : l + width);
    if (ErrorFlag)
      return 0;
    if (PumpAndCheckBreak())
      return 0;
  }
  return sum;
}

}  // namespace

void ReadProcDigits()
{
  const std::string text = Host().PrecisionText();
  int digits = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
  if (error == std::errc() && end == text.data() + text.size() && digits > 0)
    ProcDigits = digits;
}

Extended GaussLegendre10(Integrand f, Extended p1, Extended p2, Extended l, Extended u)
{
  const Extended half = (u - l) / 2;
  const Extended middle = (l + u) / 2;
  Extended sum = 0;
  for (int i = 0; i < 5; ++i) {
    sum += GaussWeights[i] * (f(middle + half * GaussNodes[i], p1, p2) + f(middle - half * GaussNodes[i], p1, p2));
    if (ErrorFlag)
      return 0;
  }
  return half * sum;
}

Extended IntegrateAdaptive(Integrand f, Extended p1, Extended p2, Extended a, Extended b)
{
  ReadProcDigits();
  const auto compared = static_cast<std::size_t>(std::min(ProcDigits, DefaultTextWidth));
  int n = 1;
  Extended result = IntegrateComposite(f, p1, p2, a, b, n);
  std::string previous = SciText(result, DefaultTextWidth);
  while (!ErrorFlag) {
    if (n >= MaxSubintervals)
      return MathError(ecArgumentError);
    n *= 2;
    result = IntegrateComposite(f, p1, p2, a, b, n);
    if (ErrorFlag)
      return 0;
    const std::string current = SciText(result, DefaultTextWidth);
    if (current.compare(0, compared, previous, 0, compared) == 0)
      return result;
    previous = current;
  }
  return 0;
}

}  // namespace engine
