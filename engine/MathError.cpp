#include "engine/MathError.h"

#include "engine/EngineState.h"

namespace engine {

Extended MathError(int code)
{
  ErrorCode = code;
  ErrorFlag = true;
  switch (code) {
  case ecArgumentError:
  case ecUnderflow:
    return 0;
  case ecOverflow:
  case ecSingularity:
    return MaxResultValue;
  default:
    ErrorFlag = false;
    return 0;
  }
}

}  // namespace engine
