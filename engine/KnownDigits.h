#pragma once
// A result cut to the digits its error leaves.

#include "engine/Extended.h"

namespace engine {

// The value rounded to the decimal place that the error reaches, so that it shows no digit beyond
// what is known; the value itself when the error is within Extended's rounding.
Extended RoundToKnownDigits(Extended value, Extended error);

}  // namespace engine
