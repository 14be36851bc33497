// integral(Low, Up, f(x)): adaptive 21-point Kronrod rule. The piece with the largest error
// estimate is cut in two until the estimates together meet the precision the main window asks for;
// the result keeps only the digits the estimates vouch for.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/Host.h"
#include "engine/Quadrature.h"
#include "engine/ResultText.h"
#include "engine/UserBreak.h"
#include "engine/Variables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace engine {

namespace {

// Where a piece is cut, as a fraction of its width. Not the middle: a piece of a symmetric
// interval would have the interval's centre among its nodes' mirror pairs, where the halves of an
// odd pole cancel to a false 0.
constexpr Extended CutFraction = 0.4671875L;
// Most pieces of one integral (21 evaluations each).
constexpr std::size_t MaxPieces = 1 << 15;
// The rounding of a sum of pieces, relative to the integrand's scale: no estimate gets below it.
constexpr Extended ScaleRounding = 100 * 1.1E-19L;
// With the pieces cut as far as they go, fewer digits than asked are shown down to this accuracy.
constexpr Extended LeastAccuracy = 1E-6L;
// Pieces next to a singularity are checked every so many generations: when their scale has not
// shrunk (to below 0.7 of the check before and 0.5 of the one before that), the integral diverges.
constexpr int CheckGenerations = 16;

struct Piece {
  Extended a = 0;
  Extended b = 0;
  KronrodEstimate estimate;
  int generation = 0;
  Extended scaleBefore = -1;  // the magnitude at the last check, and at the one before
  Extended scaleTwoBefore = -1;
};

bool ByError(const Piece& x, const Piece& y)
{
  return x.estimate.error < y.estimate.error;
}

// The nodes of a narrower piece would fall onto its ends or onto one another.
bool CanCut(const Piece& piece)
{
  const Extended largest = std::max(std::fabs(piece.a), std::fabs(piece.b));
  const Extended spacing = std::nextafter(largest, HUGE_VALL) - largest;
  return std::fabs(piece.b - piece.a) >= 512 * spacing;
}

// A piece whose magnitude keeps its size generation after generation holds a non-integrable
// singularity. Records the check in the piece.
bool Diverges(Piece& piece)
{
  if (piece.generation % CheckGenerations != 0)
    return false;
  const Extended scale = piece.estimate.magnitude;
  const bool flat = scale > 0 && piece.scaleTwoBefore > 0 && scale >= 0.7L * piece.scaleBefore &&
                    scale >= 0.5L * piece.scaleTwoBefore;
  piece.scaleTwoBefore = piece.scaleBefore;
  piece.scaleBefore = scale;
  return flat;
}

// The estimate as the progress line shows it: scientific, decimal, ProcDigits wide.
std::string EstimateText(Extended value)
{
  std::string text;
  int errorCode = 0;
  FormatNumber(TNumberFormat{nmScn, nbDecimal, ProcDigits}, value, text, errorCode);
  return text;
}

// The value cut to the decimal place that the error reaches, so no digit beyond what is known.
Extended RoundToKnownDigits(Extended value, Extended error)
{
  if (!(error > 0) || error <= 1E-18L * std::fabs(value))
    return value;
  const int unit = static_cast<int>(std::ceil(std::log10(error)));
  const int digits = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value)))) - unit + 1;
  if (digits <= 0) {
    const Extended step = std::pow(Extended(10), static_cast<Extended>(unit));
    return std::nearbyint(value / step) * step;
  }
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
  Extended rounded = value;
  std::from_chars(text, written.ptr, rounded);
  return rounded;
}

class Integration {
public:
  explicit Integration(FunctionText& f) : f_(f) {}

  // The integral over [low, up]; 0 with the error recorded on failure.
  Extended Run(Extended low, Extended up);

private:
  // Integrates a piece and keeps it; false after an error or a stop.
  bool Add(Extended a, Extended b, const Piece* parent);
  Extended Fail(int code)
  {
    SetEvalErrorAt(code, f_.Start(), f_.End() - f_.Start());
    return 0;
  }

  FunctionText& f_;
  std::vector<Piece> pieces_;  // a heap, the largest error on top
  Extended value_ = 0;
  Extended error_ = 0;
  Extended magnitude_ = 0;
  bool diverges_ = false;
};

bool Integration::Add(Extended a, Extended b, const Piece* parent)
{
  Piece piece;
  piece.a = a;
  piece.b = b;
  const auto at = [this](Extended x, Extended& fx) {
    fx = f_.At(x);
    return !ErrorFlag;
  };
  if (!IntegrateKronrod(at, a, b, piece.estimate))
    return false;
  if (parent != nullptr) {
    piece.generation = parent->generation + 1;
    piece.scaleBefore = parent->scaleBefore;
    piece.scaleTwoBefore = parent->scaleTwoBefore;
  } else {
    piece.scaleBefore = piece.estimate.magnitude;
  }
  diverges_ = diverges_ || Diverges(piece);
  value_ += piece.estimate.value;
  error_ += piece.estimate.error;
  magnitude_ += piece.estimate.magnitude;
  pieces_.push_back(piece);
  std::push_heap(pieces_.begin(), pieces_.end(), ByError);
  return !PumpAndCheckBreak();
}

Extended Integration::Run(Extended low, Extended up)
{
  if (low == up) {
    f_.At(low);
    return 0;
  }
  const Extended wanted = std::pow(Extended(10), -static_cast<Extended>(std::clamp(ProcDigits, 1, 18)));
  const Extended cut = low * (1 - CutFraction) + up * CutFraction;
  if (!Add(low, cut, nullptr) || !Add(cut, up, nullptr))
    return 0;
  for (;;) {
    if (!std::isfinite(value_) || !std::isfinite(magnitude_))
      return Fail(std::isnan(value_) ? ecArgumentError : ecOverflow);
    if (diverges_)
      return Fail(ecSingularity);
    const Extended tolerance = std::max(wanted * std::fabs(value_), ScaleRounding * magnitude_);
    if (error_ <= tolerance) {
      // The running sums drift as pieces are taken out: the verdict stands on fresh ones.
      value_ = error_ = 0;
      for (const Piece& piece : pieces_) {
        value_ += piece.estimate.value;
        error_ += piece.estimate.error;
      }
      if (error_ <= tolerance)
        return RoundToKnownDigits(value_, error_);
    }
    if (!CanCut(pieces_.front()) || pieces_.size() >= MaxPieces) {
      if (error_ <= std::max(tolerance, LeastAccuracy * std::fabs(value_)))
        return RoundToKnownDigits(value_, error_);
      return Fail(ecIntervalError);
    }
    std::pop_heap(pieces_.begin(), pieces_.end(), ByError);
    const Piece worst = pieces_.back();
    pieces_.pop_back();
    value_ -= worst.estimate.value;
    error_ -= worst.estimate.error;
    magnitude_ -= worst.estimate.magnitude;
    const Extended middle = worst.a + (worst.b - worst.a) * CutFraction;
    if (!Add(worst.a, middle, &worst) || !Add(middle, worst.b, &worst))
      return 0;
    if ((pieces_.size() & (pieces_.size() - 1)) == 0)
      Host().ShowIntermediateResult(EstimateText(value_));
  }
}

}  // namespace

Extended IntegrateFunction()
{
  ReadProcDigits();
  Extended low = 0;
  Extended up = 0;
  if (!ReadBounds(low, up))
    return 0;
  LastLowBound = low;
  LastHighBound = up;
  FunctionText f;
  Integration integration(f);
  return integration.Run(low, up);
}

}  // namespace engine
