#pragma once
// Loose labelling of a range: a tick spacing of 1, 2 or 5 times a power of ten and outer bounds that
// are whole multiples of it.

namespace plot {

class TNiceNum {
public:
  // The nice value near x: rounded (round) or the next one up (not round); MissingValue when x is
  // not a positive finite number.
  double NiceNumber(bool round, double x) const;
};

class TNiceNumbers {
public:
  TNiceNumbers(int tickCount, double a, double b);

  // Fills Step, NiceMin and NiceMax; leaves them as they are for an empty or non-finite range or
  // fewer than two ticks.
  void Calculate();

  double Min = 0;
  double Max = 0;
  double NiceMin = 0;
  double NiceMax = 1;
  double Step = 0.1;
  int TickCount = 0;
  TNiceNum NiceNum;
};

}  // namespace plot
