#include "tools/units/UnitFactorEntry.h"

#include "engine/EngineState.h"
#include "engine/EvalContext.h"
#include "engine/Evaluator.h"
#include "tools/units/UnitConversion.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

namespace tools {
namespace {

bool HoldsControlCharacter(std::string_view text)
{
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127)
      return true;
  }
  return false;
}

// A factor is kept as a double: anything beyond its range counts 0.
engine::Extended Finite(engine::Extended value)
{
  const auto magnitude = std::fabs(value);
  if (!std::isfinite(value) || magnitude > std::numeric_limits<double>::max())
    return 0;
  return value;
}

// "%.*LG" with the exponent as the runtime's general form writes it: no plus sign, no leading zeros.
std::string GeneralText(long double value, int digits)
{
  char text[64];
  std::snprintf(text, sizeof text, "%.*LG", digits, value);
  std::string out(text);
  const auto e = out.find('E');
  if (e == std::string::npos)
    return out;
  std::string exponent = out.substr(e + 1);
  const bool negative = !exponent.empty() && exponent.front() == '-';
  if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
    exponent.erase(0, 1);
  while (exponent.size() > 1 && exponent.front() == '0')
    exponent.erase(0, 1);
  return out.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

}  // namespace

engine::Extended TFactorReader::Read(std::string_view text)
{
  if (text.empty() || HoldsControlCharacter(text))
    return 0;
  if (const auto number = ReadTypedValue(text))
    return Finite(*number);
  return Finite(Evaluate(std::string(text)));
}

engine::Extended TFactorReader::Evaluate(const std::string& text)
{
  const std::unique_ptr<engine::TEvalContext> apart = engine::TEvalContext::CopyOfCurrent();
  const engine::TContextScope scope(*apart);
  engine::SetHost(&quietHost_);
  engine::ErrorFlag = false;
  engine::ErrorCode = 0;
  engine::StopFlag = 0;
  engine::Extended value = 0;
  if (!engine::EvalTypedText(text, value))
    return 0;
  return value;
}

std::string ReciprocalText(engine::Extended x) { return GeneralText(1 / x, 16); }

std::string FactorCellText(double value) { return GeneralText(value, 15); }

}  // namespace tools
