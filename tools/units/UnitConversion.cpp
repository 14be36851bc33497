#include "tools/units/UnitConversion.h"

#include <array>
#include <charconv>

namespace tools {
namespace {

enum TScale { Celsius, Fahrenheit, Kelvin, Rankine, Reaumur, ScaleCount };

constexpr long double kKelvinOffset = 273.15L;
constexpr long double kRankineOffset = 459.67L;  // Rankine of 0 F
constexpr long double kRankineOfFreezing = 491.67L;  // Rankine of 0 C

// Every scale from the typed one, each by the shortest way from the typed value.
std::array<long double, ScaleCount> TemperatureScales(TScale from, long double x)
{
  switch (from) {
    case Celsius:
      return {x, x * 9 / 5 + 32, x + kKelvinOffset, (x + kKelvinOffset) * 9 / 5, x * 4 / 5};
    case Fahrenheit:
      return {(x - 32) * 5 / 9, x, (x + kRankineOffset) * 5 / 9, x + kRankineOffset, (x - 32) * 4 / 9};
    case Kelvin:
      return {x - kKelvinOffset, x * 9 / 5 - kRankineOffset, x, x * 9 / 5, (x - kKelvinOffset) * 4 / 5};
    case Rankine:
      return {(x - kRankineOfFreezing) * 5 / 9, x - kRankineOffset, x * 5 / 9, x, (x - kRankineOfFreezing) * 4 / 9};
    case Reaumur:
    case ScaleCount:
      break;
  }
  return {x * 5 / 4, x * 9 / 4 + 32, x * 5 / 4 + kKelvinOffset, (x * 5 / 4 + kKelvinOffset) * 9 / 5, x};
}

}  // namespace

std::optional<long double> ReadTypedValue(std::string_view text)
{
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  // from_chars takes no plus sign; a digit must lead the mantissa, so "inf", "nan" and a second sign
  // are no numbers.
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  const std::size_t mantissa = !plus && !text.empty() && text.front() == '-' ? 1 : 0;
  const std::size_t digit = mantissa < text.size() && text[mantissa] == '.' ? mantissa + 1 : mantissa;
  if (digit >= text.size() || text[digit] < '0' || text[digit] > '9') return std::nullopt;
  long double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsFormulaTemperature(std::string_view categoryName) { return categoryName == "Temperature"; }

std::vector<TUnitResult> ConvertByFactors(const TUnitCategory& category, int fromRow, long double x)
{
  const int rows = static_cast<int>(category.Units.size());
  std::vector<TUnitResult> results(rows);
  if (fromRow < 0 || fromRow >= rows) return results;
  for (int t = 0; t < rows; ++t) {
    if (t == fromRow) continue;
    const double factor = category.Factors[fromRow][t];
    results[t] = factor == 0 ? TUnitResult{TUnitResult::Empty} : TUnitResult{TUnitResult::Value, x * factor};
  }
  return results;
}

std::vector<TUnitResult> ConvertTemperature(int rows, int fromRow, long double x)
{
  std::vector<TUnitResult> results(rows > 0 ? rows : 0);
  if (fromRow < 0 || fromRow >= ScaleCount || fromRow >= rows) return results;
  const auto scales = TemperatureScales(static_cast<TScale>(fromRow), x);
  for (int t = 0; t < rows && t < ScaleCount; ++t) {
    if (t != fromRow) results[t] = {TUnitResult::Value, scales[t]};
  }
  return results;
}

}  // namespace tools
