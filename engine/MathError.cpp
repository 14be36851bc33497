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

namespace engine {

Extended FunctionError(int code)
{
  LastResult = 0;
  ErrorCode = code;
  ErrorFlag = true;
  return 0;
}

}  // namespace engine
