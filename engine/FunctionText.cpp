#include "engine/FunctionText.h"

#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/Variables.h"

#include <string>

namespace engine {

FunctionText::FunctionText(int variable)
    : start_(ExprPos), variable_(variable), saved_(VarValues[variable]), usedBefore_(UsedVarNames->size())
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
  ExprChar = start_ <= static_cast<int>(ExprString->size()) ? static_cast<unsigned char>(ExprString[start_ - 1]) : EndMarker;
  ExprStart = start_;
  Extended value = 0;
  ParseExpression(value);
  end_ = ExprPos;
  // The construct's own variable only takes trial values: it is not recorded. The other variables
  // are recorded once, however often the text runs.
  const std::string own(1, VarName(variable_));
  for (std::size_t i = UsedVarNames->size(); i > usedBefore_; --i) {
    if (UsedVarNames[i - 1] == own) {
      UsedVarNames->erase(UsedVarNames->begin() + static_cast<std::ptrdiff_t>(i - 1));
      UsedVarValues->erase(UsedVarValues->begin() + static_cast<std::ptrdiff_t>(i - 1));
    }
  }
  if (!evaluated_) {
    usedAfterFirst_ = UsedVarNames->size();
    evaluated_ = true;
  } else if (UsedVarNames->size() > usedAfterFirst_) {
    UsedVarNames->resize(usedAfterFirst_);
    UsedVarValues->resize(usedAfterFirst_);
  }
  return value;
}

}  // namespace engine
