// integral(Low, Up, f(x)): the adaptive 21-point Kronrod rule. The piece with the largest error
// estimate is cut in two until the estimates together meet the precision the main window asks for
// (ProcDigits significant digits); the result keeps only the digits the estimates vouch for. Pieces
// close in on a singularity at an end by themselves; one that is not integrable is an error.
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/Evaluator.h"
#include "engine/FunctionText.h"
#include "engine/Host.h"
#include "engine/KnownDigits.h"
#include "engine/Quadrature.h"
#include "engine/ResultText.h"
#include "engine/UserBreak.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace engine {

namespace {

// Where a piece is cut, as a fraction of its width. Not the middle: the middles (and so the centre
// nodes) of the pieces of an interval like -1..1 fall on round numbers, where an integrand like
// sin(x)/x cannot be evaluated and the mirrored halves of an odd pole cancel to a false 0.
constexpr Extended CutFraction = 0.4671875L;
// Most pieces of one integral (21 evaluations each).
constexpr std::size_t MaxPieces = 1 << 15;
// The rounding of a sum of pieces, relative to the integrand's scale: no estimate gets below it.
constexpr Extended ScaleRounding = 100 * 1.1E-19L;
// With the pieces cut as far as they go, fewer digits than asked are shown down to this accuracy.
constexpr Extended LeastAccuracy = 1E-6L;
// Every so many generations a piece compares its magnitude with the one at the check before: on a
// piece next to a singularity like |x - c|^(p-1) it shrinks as the width to the power p. Below this
// p the singularity is not integrable (or not within reach).
constexpr int CheckGenerations = 16;
constexpr Extended LeastPower = 0.003L;
// Below this power a failing evaluation or a piece that cannot be cut marks a singularity.
constexpr Extended SingularPower = 0.25L;
// A jump between the end of a piece and the outermost node beside it is invisible to the Kronrod
// rule: f at the end (a cut, or an end of the interval where f is defined) is compared with the
// values of the two nodes nearest it, carried on in a straight line.
// A piece whose rule has not settled yet (error above this fraction of its magnitude) is not
// compared: its parts will be.
constexpr Extended SettledFraction = 1E-3L;
// A mismatch above this fraction of the values counts as a jump.
constexpr Extended JumpFraction = 1E-3L;

struct Piece {
  Extended a = 0;
  Extended b = 0;
  KronrodEstimate estimate;
  bool knownA = false;  // f is known at the end (a cut, or an end of the interval where f is defined): atA
  bool knownB = false;
  Extended atA = 0;
  Extended atB = 0;
  // How far the piece and its parts disagreed when its parent was cut: the rule's difference to the
  // Gauss sum can vanish by symmetry (equal jumps at mirrored places), this one hardly as well.
  Extended fromParent = 0;
  Extended error = 0;  // the larger of the two, and what jumps at the ends may hide
  int generation = 0;
  Extended checkedWidth = 0;  // width and magnitude at the last check
  Extended checkedMagnitude = 0;
  Extended power = 1;  // the power found by the last check
};

// The magnitude does not shrink: a singularity that is not integrable, or not within reach.
bool IsFlat(const Piece& piece)
{
  return piece.power < LeastPower;
}

bool ByError(const Piece& x, const Piece& y)
{
  return x.error < y.error;
}

// The nodes of a narrower piece would fall onto its ends or onto one another.
bool CanCut(const Piece& piece)
{
  const Extended largest = std::max(std::fabs(piece.a), std::fabs(piece.b));
  const Extended spacing = std::nextafter(largest, HUGE_VALL) - largest;
  return std::fabs(piece.b - piece.a) >= 512 * spacing;
}

// Checks the piece at every CheckGenerations-th generation; true when its magnitude no longer shrinks.
bool CheckFlat(Piece& piece)
{
  if (piece.generation % CheckGenerations != 0)
    return false;
  const Extended width = std::fabs(piece.b - piece.a);
  const Extended magnitude = piece.estimate.magnitude;
  if (piece.checkedWidth > 0 && piece.checkedMagnitude > 0 && magnitude > 0)
    piece.power = std::log(magnitude / piece.checkedMagnitude) / std::log(width / piece.checkedWidth);
  piece.checkedWidth = width;
  piece.checkedMagnitude = magnitude;
  return IsFlat(piece);
}

// What a jump between the end of a piece (where f is `atEnd`) and its nearest nodes may
// take from the integral: the jump times the gap; 0 where none shows.
Extended HiddenByJump(const Piece& piece, Extended atEnd, const Extended (&near)[2])
{
  const Extended width = std::fabs(piece.b - piece.a);
  if (piece.estimate.error > SettledFraction * piece.estimate.magnitude)
    return 0;
  const Extended d1 = KronrodEdgeGaps[0];
  const Extended d2 = KronrodEdgeGaps[1];
  const Extended carried = near[0] + (near[0] - near[1]) * d1 / (d2 - d1);
  const Extended mismatch = std::fabs(atEnd - carried);
  const Extended size = std::max({std::fabs(atEnd), std::fabs(near[0]), std::fabs(near[1]), piece.estimate.magnitude / width});
  return mismatch > JumpFraction * size ? mismatch * d1 * width : 0;
}

// The estimate as the progress line shows it: scientific, decimal, ProcDigits wide.
std::string EstimateText(Extended value)
{
  std::string text;
  int errorCode = 0;
  FormatNumber(TNumberFormat{nmScn, nbDecimal, ProcDigits}, value, text, errorCode);
  return text;
}

class Integration {
public:
  explicit Integration(FunctionText& f) : f_(f) {}

  // The integral over [low, up]; 0 with the error recorded on failure.
  Extended Run(Extended low, Extended up);

private:
  // Integrates a piece; false after an error.
  bool Estimate(Extended a, Extended b, const Piece* parent, Piece& piece);
  // Keeps the piece; false after an error or a stop.
  bool Keep(Piece& piece);
  // Replaces the worst piece by its two parts.
  bool CutWorst();
  // f at an end of the interval; false where it is not defined there (the error is dropped) or
  // after a stop.
  bool TryAt(Extended x, Extended& fx);
  // A non-integrable singularity at an end of a piece whose magnitude does not shrink: f is not
  // defined there.
  bool SingularAtAnEnd(const Piece& piece);
  // Records the error over the function text.
  Extended Fail(int code)
  {
    SetEvalErrorAt(code, f_.Start(), textEnd_ - f_.Start());
    return 0;
  }

  FunctionText& f_;
  int textEnd_ = 0;  // the end of the function text, kept from an evaluation that succeeded
  std::vector<Piece> pieces_;  // a heap, the largest error on top
  Extended value_ = 0;
  Extended error_ = 0;
  Extended magnitude_ = 0;
  // f at the interval's ends over its width: with the pieces cut as far as they go, the scale of
  // what a value at an end (a jump onto the end itself) may leave.
  Extended endScale_ = 0;
  bool diverges_ = false;
};

bool Integration::Estimate(Extended a, Extended b, const Piece* parent, Piece& piece)
{
  piece = {};
  piece.a = a;
  piece.b = b;
  const auto at = [this](Extended x, Extended& fx) {
    fx = f_.At(x);
    return !ErrorFlag;
  };
  if (!IntegrateKronrod(at, a, b, piece.estimate)) {
    // f fails inside a piece whose magnitude hardly shrinks: at the singularity it closes on.
    if (parent != nullptr && parent->power < SingularPower)
      Fail(ecSingularity);
    return false;
  }
  if (parent != nullptr) {
    piece.generation = parent->generation + 1;
    piece.checkedWidth = parent->checkedWidth;
    piece.checkedMagnitude = parent->checkedMagnitude;
    piece.power = parent->power;
  }
  return true;
}

bool Integration::TryAt(Extended x, Extended& fx)
{
  const int depth = ArgListDepth;  // an error drives the scan to the end and resets it
  fx = f_.At(x);
  if (!ErrorFlag || ErrorCode == ecUserBreak)
    return !ErrorFlag;
  ArgListDepth = depth;
  ErrorFlag = false;
  ErrorCode = 0;
  ErrorPos = 0;
  ErrorSpan = 0;
  return false;
}

bool Integration::SingularAtAnEnd(const Piece& piece)
{
  for (const Extended end : {piece.a, piece.b}) {
    f_.At(end);
    if (ErrorFlag)
      return true;
  }
  return false;
}

bool Integration::Keep(Piece& piece)
{
  piece.error = std::max(piece.estimate.error, piece.fromParent);
  if (piece.knownA)
    piece.error += HiddenByJump(piece, piece.atA, piece.estimate.nearA);
  if (piece.knownB)
    piece.error += HiddenByJump(piece, piece.atB, piece.estimate.nearB);
  if (CheckFlat(piece) && SingularAtAnEnd(piece)) {
    diverges_ = true;
    return false;
  }
  value_ += piece.estimate.value;
  error_ += piece.error;
  magnitude_ += piece.estimate.magnitude;
  pieces_.push_back(piece);
  std::push_heap(pieces_.begin(), pieces_.end(), ByError);
  return !PumpAndCheckBreak();
}

bool Integration::CutWorst()
{
  std::pop_heap(pieces_.begin(), pieces_.end(), ByError);
  const Piece worst = pieces_.back();
  pieces_.pop_back();
  value_ -= worst.estimate.value;
  error_ -= worst.error;
  magnitude_ -= worst.estimate.magnitude;
  const Extended cut = worst.a + (worst.b - worst.a) * CutFraction;
  const Extended atCut = f_.At(cut);
  Piece left;
  Piece right;
  if (ErrorFlag || !Estimate(worst.a, cut, &worst, left) || !Estimate(cut, worst.b, &worst, right))
    return false;
  left.knownA = worst.knownA;
  left.atA = worst.atA;
  right.knownB = worst.knownB;
  right.atB = worst.atB;
  left.knownB = right.knownA = true;
  left.atB = right.atA = atCut;
  left.fromParent = right.fromParent =
      std::fabs(worst.estimate.value - (left.estimate.value + right.estimate.value));
  return Keep(left) && Keep(right);
}

Extended Integration::Run(Extended low, Extended up)
{
  if (low == up) {
    f_.At(low);
    return 0;
  }
  const Extended wanted = std::pow(Extended(10), -static_cast<Extended>(std::clamp(*ProcDigits, 1, 18)));
  const Extended cut = low * (1 - CutFraction) + up * CutFraction;
  Piece left;
  Piece right;
  Extended atLow = 0;
  Extended atUp = 0;
  const bool knownLow = TryAt(low, atLow);
  const bool knownUp = !ErrorFlag && TryAt(up, atUp);
  if (ErrorFlag)
    return 0;
  const Extended atCut = f_.At(cut);
  if (ErrorFlag)
    return 0;
  textEnd_ = f_.End();
  if (!Estimate(low, cut, nullptr, left) || !Estimate(cut, up, nullptr, right))
    return 0;
  endScale_ = ((knownLow ? std::fabs(atLow) : 0) + (knownUp ? std::fabs(atUp) : 0)) * std::fabs(up - low);
  left.knownA = knownLow;
  left.atA = atLow;
  right.knownB = knownUp;
  right.atB = atUp;
  left.knownB = right.knownA = true;
  left.atB = right.atA = atCut;
  // Without a parent to compare with, each is cut at least once.
  left.fromParent = left.estimate.magnitude;
  right.fromParent = right.estimate.magnitude;
  if (!Keep(left) || !Keep(right))
    return diverges_ ? Fail(ecSingularity) : 0;
  for (;;) {
    if (!std::isfinite(value_) || !std::isfinite(magnitude_))
      return Fail(std::isnan(value_) ? ecArgumentError : ecOverflow);
    const Extended tolerance = std::max(wanted * std::fabs(value_), ScaleRounding * magnitude_);
    if (error_ <= tolerance) {
      // The running sums drift as pieces are taken out: the verdict stands on fresh ones.
      value_ = error_ = 0;
      for (const Piece& piece : pieces_) {
        value_ += piece.estimate.value;
        error_ += piece.error;
      }
      if (error_ <= tolerance)
        return RoundToKnownDigits(value_, error_);
    }
    if (!CanCut(pieces_.front()) || pieces_.size() >= MaxPieces) {
      if (error_ <= std::max(tolerance, LeastAccuracy * std::max(std::fabs(value_), endScale_)))
        return RoundToKnownDigits(value_, error_);
      return Fail(pieces_.front().power < SingularPower ? ecSingularity : ecIntervalError);
    }
    if (!CutWorst())
      return diverges_ ? Fail(ecSingularity) : 0;
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
