#pragma once
// The step sequence of numeric axes: 1, 2, 5, 10, 20, 50, ...

namespace chart {

// The next step of the sequence above step (0.3 -> 0.5, 7 -> 10, 10 -> 20). Zero, negative,
// infinite and NaN steps come back unchanged, as does a step whose successor would overflow.
double NextNiceStep(double step);

}  // namespace chart
