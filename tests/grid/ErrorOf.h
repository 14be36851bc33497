#pragma once
// The text of the exception an action raises; empty when it raises none.

#include <exception>
#include <functional>
#include <string>

namespace grid {

inline std::string ErrorOf(const std::function<void()>& action)
{
  try {
    action();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

}  // namespace grid
