#include "engine/FunctionText.h"

#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/Variables.h"

namespace engine {

FunctionText::FunctionText(int variable)
    : start_(ExprPos), variable_(variable), saved_(VarValues[variable])
{
}

FunctionText::~FunctionText()
{
  VarValues[variable_] = saved_;
}

Extended FunctionText::At(Extended x)
{
  VarValues[variable_] = x;
  return Evaluate();
}

Extended FunctionText::Evaluate()
{
  ExprPos = start_;
  ExprChar = start_ <= static_cast<int>(ExprString.size()) ? static_cast<unsigned char>(ExprString[start_ - 1]) : EndMarker;
  ExprStart = start_;
  Extended value = 0;
  ParseExpression(value);
  end_ = ExprPos;
  // The variables of one evaluation are recorded once, however often the text runs.
  if (!evaluated_) {
    usedAfterFirst_ = UsedVarNames.size();
    evaluated_ = true;
  } else if (UsedVarNames.size() > usedAfterFirst_) {
    UsedVarNames.resize(usedAfterFirst_);
    UsedVarValues.resize(usedAfterFirst_);
  }
  return value;
}

}  // namespace engine
