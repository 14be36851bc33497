#pragma once
// The complex-number library of complex mode.

#include "engine/ComplexArithmetic.h"
#include "engine/ComplexFunctions.h"
#include "engine/ComplexGamma.h"
#include "engine/ComplexInverseFunctions.h"
#include "engine/ComplexNumber.h"
#include "engine/ComplexPowers.h"
