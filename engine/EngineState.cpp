#include "engine/EngineState.h"
