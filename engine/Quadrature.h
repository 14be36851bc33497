#pragma once
// The 10-point Gauss and 21-point Kronrod rules of integral(, and the precision it works to.

#include "engine/Extended.h"

#include <functional>

namespace engine {

// ProcDigits := the number in the main window's precision edit, when it holds one.
void ReadProcDigits();

// One piece of an integral by the 21-point Kronrod rule.
struct KronrodEstimate {
  Extended value = 0;      // the Kronrod sum
  Extended error = 0;      // from |Kronrod - Gauss|, and the rounding of the sum
  Extended magnitude = 0;  // the same sum over |f|: the integrand's scale on the piece
  Extended nearA[2] = {};  // f at the two nodes nearest a, the nearest first
  Extended nearB[2] = {};  // and nearest b
};

// The distances of the two outermost nodes from the ends, as fractions of the width.
inline constexpr Extended KronrodEdgeGaps[2] = {0.0021714184870959596322L, 0.01304673574141413996102L};

// f over [a, b]; false as soon as f reports false (an evaluation error). The nodes are taken as
// centre + half-width * node, so an interval wider than the range still works.
bool IntegrateKronrod(const std::function<bool(Extended x, Extended& fx)>& f, Extended a, Extended b,
                      KronrodEstimate& estimate);

}  // namespace engine
