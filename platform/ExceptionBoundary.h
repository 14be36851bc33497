#pragma once
// The boundary between Qt's event delivery and handler code: an exception never unwinds through Qt;
// it is shown in an error message box and the program goes on.

#include <exception>
#include <utility>

namespace platform {

// Shows the message of the exception in flight (call from a catch block).
void ShowCurrentException() noexcept;

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

// Wraps a handler for a signal connection so that its exceptions stop at the boundary.
template <typename Handler>
auto Guarded(Handler handler)
{
  return [handler = std::move(handler)](auto&&... args) mutable noexcept {
    Guard([&] { handler(std::forward<decltype(args)>(args)...); });
  };
}

}  // namespace platform
