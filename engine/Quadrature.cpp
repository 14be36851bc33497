#include "engine/Quadrature.h"

#include "engine/EngineState.h"
#include "engine/Host.h"

#include <charconv>
#include <string>

namespace engine {

void ReadProcDigits()
{
  const std::string text = Host().PrecisionText();
  int digits = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
  if (error == std::errc() && end == text.data() + text.size() && digits > 0)
    ProcDigits = digits;
}

}  // namespace engine
