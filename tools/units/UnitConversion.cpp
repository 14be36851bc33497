#include "tools/units/UnitConversion.h"

#include <array>

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
