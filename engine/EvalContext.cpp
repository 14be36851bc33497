#include "engine/EvalContext.h"

#include "engine/ComplexEvaluator.h"
#include "engine/Constructs.h"
#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/Host.h"
#include "engine/RandomSource.h"

#include <stdexcept>
#include <utility>

namespace engine {

namespace {

// Exchanges a state with the working state of this thread.
void SwapWithWorking(TEvaluationState& s)
{
  using std::swap;
  swap(s.ExprString, ExprString);
  swap(s.ExprChar, ExprChar);
  swap(s.ExprPos, ExprPos);
  swap(s.ExprStart, ExprStart);
  swap(s.ArgListDepth, ArgListDepth);
  swap(s.ErrorFlag, ErrorFlag);
  swap(s.ErrorCode, ErrorCode);
  swap(s.ErrorPos, ErrorPos);
  swap(s.ErrorSpan, ErrorSpan);
  swap(s.UserFuncErrorCode, UserFuncErrorCode);
  swap(s.UserFuncErrorPos, UserFuncErrorPos);
  swap(s.CurrentVarIndex, CurrentVarIndex);
  swap(s.UsedVarNames, UsedVarNames);
  swap(s.UsedVarValues, UsedVarValues);
  swap(s.NestingDepth, NestingDepth);
  swap(s.ComplexNestingDepth, ComplexNestingDepth);
  swap(s.ArgumentFrames, ArgumentFrames);
  swap(s.CallDepth, CallDepth);
  swap(s.DefiningVariables, DefiningVariables);
  swap(s.LastPump, LastPump);
  swap(s.PumpDue, PumpDue);
  swap(s.ComplexExprString, ComplexExprString);
  swap(s.ComplexExprChar, ComplexExprChar);
  swap(s.ComplexExprPos, ComplexExprPos);
  swap(s.ComplexExprStart, ComplexExprStart);
  swap(s.ComplexErrorFlag, ComplexErrorFlag);
  swap(s.ComplexErrorPos, ComplexErrorPos);
  swap(s.ComplexErrorSpan, ComplexErrorSpan);
}

void SwapWithWorking(TLastingState& s)
{
  using std::swap;
  swap(s.LastResult, LastResult);
  swap(s.ComplexResult, ComplexResult);
  swap(s.ComplexForm, ComplexForm);
  swap(s.AngleMode, AngleMode);
  swap(s.NotationMode, NotationMode);
  swap(s.NumberBase, NumberBase);
  swap(s.NumberChars, NumberChars);
  swap(s.ProcDigits, ProcDigits);
  swap(s.ValueDigits, ValueDigits);
  swap(s.StopFlag, StopFlag);
  swap(s.VarValues, VarValues);
  swap(s.VarExprs, VarExprs);
  swap(s.UserVariables, UserVariables);
  swap(s.UserFunctions, UserFunctions);
  swap(s.LastLowBound, LastLowBound);
  swap(s.LastHighBound, LastHighBound);
  swap(s.LastSearchExpr, LastSearchExpr);
  swap(s.ExtremumIsMax, ExtremumIsMax);
  swap(s.ExtremumX, ExtremumX);
  swap(s.ExtremumSubdivisions, ExtremumSubdivisions);
  swap(s.ExtremumEvaluation, ExtremumEvaluation);
  swap(s.TopLevelCount, TopLevelCount);
  swap(s.RandomSource, RandomSource);
  swap(s.Host, InstalledHost);
}

}  // namespace

TEvalContext::TEvalContext() = default;

TEvalContext::~TEvalContext() = default;

std::unique_ptr<TEvalContext> TEvalContext::CopyOfCurrent()
{
  auto context = std::make_unique<TEvalContext>();
  TLastingState& s = context->lasting_;
  s.LastResult = LastResult;
  s.ComplexResult = ComplexResult;
  s.ComplexForm = ComplexForm;
  s.AngleMode = AngleMode;
  s.NotationMode = NotationMode;
  s.NumberBase = NumberBase;
  s.NumberChars = NumberChars;
  s.ProcDigits = ProcDigits;
  s.ValueDigits = ValueDigits;
  s.VarValues = VarValues;
  s.VarExprs = VarExprs;
  s.UserVariables = UserVariables;
  s.UserFunctions = UserFunctions;
  s.Host = InstalledHost;
  return context;
}

TContextScope::TContextScope(TEvalContext& context)
{
  const std::thread::id self = std::this_thread::get_id();
  std::thread::id idle{};
  if (!context.currentOn_.compare_exchange_strong(idle, self)) {
    if (idle == self)
      return;
    throw std::logic_error("evaluation context current on another thread");
  }
  context_ = &context;
  SwapWithWorking(context.evaluation_);
  SwapWithWorking(context.lasting_);
}

TContextScope::~TContextScope()
{
  if (context_ == nullptr)
    return;
  SwapWithWorking(context_->lasting_);
  SwapWithWorking(context_->evaluation_);
  context_->currentOn_.store(std::thread::id{});
}

TEvaluationAside::TEvaluationAside()
{
  SwapWithWorking(saved_);
}

TEvaluationAside::~TEvaluationAside()
{
  SwapWithWorking(saved_);
}

TEvalOutcome EvalText(TEvalContext& context, const std::string& text)
{
  const TContextScope scope(context);
  TEvalOutcome outcome;
  outcome.Value = EvalText(text);
  outcome.Failed = ErrorFlag;
  outcome.ErrorCode = ErrorCode;
  outcome.ErrorPos = ErrorPos;
  outcome.ErrorSpan = ErrorSpan;
  return outcome;
}

}  // namespace engine
