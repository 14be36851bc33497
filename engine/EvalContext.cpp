#include "engine/EvalContext.h"

#include "engine/EngineState.h"
#include "engine/Evaluator.h"
#include "engine/StateName.h"

#include <stdexcept>
#include <utility>

namespace engine {

TContextState& EnterThreadContext()
{
  thread_local TContextState own;
  CurrentStatePointer = &own;
  return own;
}

TEvalContext::TEvalContext() = default;

TEvalContext::~TEvalContext() = default;

std::unique_ptr<TEvalContext> TEvalContext::CopyOfCurrent()
{
  auto context = std::make_unique<TEvalContext>();
  const TContextState& from = CurrentState();
  TContextState& s = context->state_;
  s.LastResult = from.LastResult;
  s.ComplexResult = from.ComplexResult;
  s.ComplexForm = from.ComplexForm;
  s.StdDevStore = from.StdDevStore;
  s.AngleMode = from.AngleMode;
  s.NotationMode = from.NotationMode;
  s.NumberBase = from.NumberBase;
  s.NumberChars = from.NumberChars;
  s.ProcDigits = from.ProcDigits;
  s.ValueDigits = from.ValueDigits;
  s.VarValues = from.VarValues;
  s.VarExprs = from.VarExprs;
  s.UserVariables = from.UserVariables;
  s.UserFunctions = from.UserFunctions;
  s.InstalledHost = from.InstalledHost;
  return context;
}

TContextScope::TContextScope(TEvalContext& context) : previous_(CurrentStatePointer)
{
  const std::thread::id self = std::this_thread::get_id();
  std::thread::id idle{};
  if (context.currentOn_.compare_exchange_strong(idle, self))
    claimed_ = &context;
  else if (idle != self)
    throw std::logic_error("evaluation context current on another thread");
  CurrentStatePointer = &context.state_;
}

TContextScope::~TContextScope()
{
  CurrentStatePointer = previous_;
  if (claimed_ != nullptr)
    claimed_->currentOn_.store(std::thread::id{});
}

TEvaluationAside::TEvaluationAside() : current_(CurrentState()), saved_(std::move(current_))
{
  current_ = TEvaluationState();
}

TEvaluationAside::~TEvaluationAside()
{
  current_ = std::move(saved_);
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
