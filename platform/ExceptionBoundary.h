#pragma once
// The boundary between Qt's event delivery and handler code: an exception never unwinds through Qt;
// it is shown in an error message box and the program goes on.

#include <exception>
#include <utility>

namespace platform {

// Shows the message of the exception in flight (call from a catch block).
void ShowCurrentException() noexcept;

// The same, for handlers that must not open a box in the middle of their work (painting): the message is
// shown once the current event is done; while one waits, further ones are dropped.
void ShowCurrentExceptionLater() noexcept;

// Runs a handler; an exception it raises is shown and swallowed. Returns true when it ran through.
template <typename Handler>
bool Guard(Handler&& handler) noexcept
{
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (...) {
    ShowCurrentException();
    return false;
  }
}

// Runs a handler; an exception it raises is shown after the current event (see ShowCurrentExceptionLater).
template <typename Handler>
bool GuardDeferred(Handler&& handler) noexcept
{
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (...) {
    ShowCurrentExceptionLater();
    return false;
  }
}

// Wraps a handler for a signal connection so that its exceptions stop at the boundary.
template <typename Handler>
auto Guarded(Handler handler)
{
  return [handler = std::move(handler)](auto&&... args) mutable noexcept {
    Guard([&] { handler(std::forward<decltype(args)>(args)...); });
  };
}

}  // namespace platform
