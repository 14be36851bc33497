#pragma once
// Built-in special functions computed by series, continued fractions and quadrature.

#include "engine/Extended.h"

namespace engine {

Extended SineIntegral(Extended x);    // Si, odd
Extended CosineIntegral(Extended x);  // Ci; x < 0: error 8
Extended FermiDirac(Extended order, Extended x);

// Bessel functions of order n at t. Error 24 for an order or argument out of range.
Extended BesselJ(Extended n, Extended t);
Extended BesselY(Extended n, Extended t);
Extended BesselI(Extended n, Extended t);
Extended BesselK(Extended n, Extended t);

}  // namespace engine
