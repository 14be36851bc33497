#pragma once
// Runs a call at the end of a scope, also when the scope is left by an exception.

#include <utility>

namespace grid {

template <class F>
class Finally {
 public:
  explicit Finally(F f) : f_(std::move(f)) {}
  ~Finally() { f_(); }
  Finally(const Finally&) = delete;
  Finally& operator=(const Finally&) = delete;

 private:
  F f_;
};

}  // namespace grid
