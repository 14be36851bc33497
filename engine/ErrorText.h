#pragma once

#include <string>

namespace engine {

// The message of an error code; "Undefined" for a code without one.
std::string ErrorText(int code);

}  // namespace engine
