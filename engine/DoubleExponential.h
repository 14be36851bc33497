#pragma once
// Tanh-sinh quadrature of the special functions: nodes crowd towards both ends double
// exponentially, so integrable end singularities (t^-0.5 at 0) and smooth integrands alike converge
// to full Extended precision in a few hundred points.

#include "engine/Extended.h"

#include <functional>

namespace engine {

struct QuadratureResult {
  Extended value = 0;
  Extended magnitude = 0;  // the integral of |f|: the scale of the rounding errors
  bool converged = false;  // two levels agreed to far better than 12 digits of the scale
};

// The integral of f over [a, b] (a < b). f receives the point and its distances to a and to b,
// exact where the rounded point would lose them.
using EndAwareIntegrand = std::function<Extended(Extended t, Extended fromA, Extended toB)>;
QuadratureResult IntegrateTanhSinh(const EndAwareIntegrand& f, Extended a, Extended b);

}  // namespace engine
