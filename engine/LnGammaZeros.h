#pragma once
// ln |gamma(x)| near its zeros below -2, where the reflection and the shifts cancel to a few
// digits: its Taylor series about each zero known to double-Extended precision.

#include "engine/Extended.h"

namespace engine {

// ln |gamma(x)| to full relative precision when x lies near one of the zeros; false elsewhere.
bool LnGammaNearZero(Extended x, Extended& value);

}  // namespace engine
