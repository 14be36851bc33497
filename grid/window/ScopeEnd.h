#pragma once
// Runs a step at the end of a scope, however it is left.

namespace grid {

template <class Step>
struct AtScopeEnd {
  Step step;
  ~AtScopeEnd() { step(); }
};
template <class Step>
AtScopeEnd(Step) -> AtScopeEnd<Step>;

}  // namespace grid
