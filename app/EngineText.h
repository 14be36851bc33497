#pragma once
// The window text to engine text crossing, under the names the main window's code uses.

#include "tools/EngineText.h"

namespace app {

using tools::EightBitExpressionText;
using tools::EngineChar;
using tools::EngineFileName;
using tools::FromEngineFileName;
using tools::FromEngineText;
using tools::kNotAllowed;
using tools::SetNotAllowedError;
using tools::TEngineText;
using tools::ToEngineText;
using tools::WithEngineChars;

}  // namespace app
