#include "engine/EvaluateApart.h"

#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/ScannerState.h"

namespace engine {

Extended EvaluateApart(const std::string& text)
{
  const ScannerState outer;
  ExprString = text;
  ArgListDepth = 0;
  return EvalExpression(ExprString);
}

}  // namespace engine
