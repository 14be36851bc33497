#pragma once
// Everything other subsystems use of the calculation engine.

#include "engine/EngineState.h"
#include "engine/ErrorCodes.h"
#include "engine/ErrorText.h"
#include "engine/Evaluator.h"
#include "engine/Extended.h"
#include "engine/FunctionHints.h"
#include "engine/FunctionTable.h"
#include "engine/Host.h"
#include "engine/ResultText.h"
