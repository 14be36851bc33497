#pragma once
// The names of the engine's state (ExprString, ErrorFlag, VarValues, ...). Each is bound to its member
// of the state of the evaluation context current on this thread, reached through one pointer, so a
// name always means the current context's variable and nothing is copied when the context changes.
// A name reads, assigns and indexes as the variable it stands for; the members of a class-type
// variable are reached with "->" and the variable itself with "*" (as in "for (x : *UsedVarNames)",
// "std::move(*ExprString)"). Code that reads many names in a loop fetches CurrentState() once and
// uses its members.

#include "engine/ContextState.h"

#include <memory>
#include <type_traits>
#include <utility>

namespace engine {

// The state of the context current on this thread; nullptr until the thread first needs one.
inline constinit thread_local TContextState* CurrentStatePointer = nullptr;

// Makes the thread's own context current and returns its state: the context a thread works in
// outside any TContextScope (on the main thread the main window's).
[[gnu::cold]] TContextState& EnterThreadContext();

// The state of the context current on this thread.
inline TContextState& CurrentState()
{
  if (CurrentStatePointer == nullptr) [[unlikely]]
    EnterThreadContext();
  return *CurrentStatePointer;
}

template <auto Member>
class TStateName {
public:
  using Type = std::remove_reference_t<decltype(std::declval<TContextState&>().*Member)>;

  constexpr TStateName() = default;
  // A copy would be the name, not the value: "Type saved = Name;" keeps the value.
  TStateName(const TStateName&) = delete;
  TStateName& operator=(const TStateName&) = delete;

  operator Type&() const& { return CurrentState().*Member; }
  operator Type&() const&& = delete;  // std::move(Name) would copy: move *Name
  Type& operator*() const { return CurrentState().*Member; }
  Type* operator->() const { return std::addressof(**this); }

  template <class U>
    requires std::is_assignable_v<Type&, U&&>
  Type& operator=(U&& value) const
  {
    return **this = std::forward<U>(value);
  }
  Type& operator=(Type&& value) const { return **this = std::move(value); }  // also "Name = {...}"

  template <class I>
  decltype(auto) operator[](I&& index) const
  {
    return (**this)[std::forward<I>(index)];
  }

  template <class U> Type& operator+=(U&& value) const { return **this += std::forward<U>(value); }
  template <class U> Type& operator-=(U&& value) const { return **this -= std::forward<U>(value); }
  template <class U> Type& operator*=(U&& value) const { return **this *= std::forward<U>(value); }
  template <class U> Type& operator/=(U&& value) const { return **this /= std::forward<U>(value); }
  template <class U> Type& operator|=(U&& value) const { return **this |= std::forward<U>(value); }
  template <class U> Type& operator&=(U&& value) const { return **this &= std::forward<U>(value); }

  Type& operator++() const { return ++**this; }
  Type& operator--() const { return --**this; }
  Type operator++(int) const { return (**this)++; }
  Type operator--(int) const { return (**this)--; }
};

}  // namespace engine
