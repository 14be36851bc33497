#pragma once
// Evaluation contexts. A context holds the whole mutable state of one evaluator (ContextState.h) in
// one object. The engine works on the context current on its thread: the names of EngineState.h and
// the other state headers reach that context's state through one pointer. Every thread starts with a
// context of its own (on the main thread the main window's). A TContextScope makes another context
// current until it ends, so each window or thread that evaluates can keep a context apart from the
// main window's.

#include "engine/ContextState.h"
#include "engine/EngineState.h"
#include "engine/Extended.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace engine {

class TEvalContext {
public:
  // A fresh context: default modes, no variable values, no user definitions, the default host.
  TEvalContext();
  ~TEvalContext();
  TEvalContext(const TEvalContext&) = delete;
  TEvalContext& operator=(const TEvalContext&) = delete;

  // A context with the modes, variables, user definitions, last result and host of the current one
  // and a fresh evaluation state, for a window or thread that evaluates apart from it.
  static std::unique_ptr<TEvalContext> CopyOfCurrent();

private:
  friend class TContextScope;

  TContextState state_;
  std::atomic<std::thread::id> currentOn_{};  // the thread it is current on; none when idle
};

// Makes a context current on this thread for as long as it lives, and the one before current again
// after. A context may be made current again on the thread it is current on (scopes nest); one
// current on another thread is a fault (std::logic_error).
class TContextScope {
public:
  explicit TContextScope(TEvalContext& context);
  ~TContextScope();
  TContextScope(const TContextScope&) = delete;
  TContextScope& operator=(const TContextScope&) = delete;

private:
  TContextState* previous_ = nullptr;  // the state current before
  TEvalContext* claimed_ = nullptr;    // the context this scope made current on the thread; nullptr
                                       // when an outer scope had
};

// Puts the evaluation under way aside for as long as it lives: the current context gets a fresh
// evaluation state and the one under way comes back after. Used around the host's callbacks that run
// window events.
class TEvaluationAside {
public:
  TEvaluationAside();
  ~TEvaluationAside();
  TEvaluationAside(const TEvaluationAside&) = delete;
  TEvaluationAside& operator=(const TEvaluationAside&) = delete;

private:
  TEvaluationState& current_;  // of the context current when it began
  TEvaluationState saved_;
};

// What an evaluation in a context gave: its value and the error state it left there.
struct TEvalOutcome {
  Extended Value = 0;
  bool Failed = false;
  int ErrorCode = 0;
  int ErrorPos = 0;
  int ErrorSpan = 0;
};

// EvalText of Evaluator.h with the context current.
TEvalOutcome EvalText(TEvalContext& context, const std::string& text);

}  // namespace engine
