#pragma once
// The ticks an axis visits while it draws or measures its labels: a linear axis runs from its
// first tick in steps of TickStep; a logarithmic one runs decade by decade through 1, 2 .. 9
// times the decade's start, every decade start a major tick. Walking a logarithmic axis leaves
// its logarithmic layout in TickCount, MajorEvery and TickStep.

#include <QString>

namespace plot {

class TAxis;

class TTickWalk {
public:
  explicit TTickWalk(TAxis& axis);

  // Ticks 1..Count(); none when the range is not finite or the integer layout has none.
  int Count() const { return count_; }
  bool IsMajor(int i) const;
  // On a logarithmic axis at a decade start: the step through the decade.
  void StartTick(int i);
  // The value whose pixel the tick takes (the data value on a logarithmic axis).
  double Value() const { return static_cast<double>(log_ ? p_ : t_); }
  // The decimal logarithm of the value on a logarithmic axis.
  double LogValue() const;
  void Advance();

  // Label of the current major tick; on a logarithmic axis the mantissa "10" and the raised
  // exponent.
  QString Label();
  QString Exponent() const;

  double Low;   // the range pair of the axis, in axis units
  double High;

private:
  TAxis& axis_;
  bool log_;
  int count_ = 0;
  long double t_ = 0;  // running value
  long double p_ = 0;  // running data value of a logarithmic axis
};

// Ticks per decade of a logarithmic axis: 1 to 9 times the decade's start.
inline constexpr int kLogTicksPerDecade = 9;
// No walk visits more ticks than this, whatever the range.
inline constexpr int kMaxTickCount = 10000;

}  // namespace plot
