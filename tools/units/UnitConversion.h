#pragma once
// What the converter writes into every row of a category when one row holds a typed value.

#include "tools/units/UnitTable.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tools {

struct TUnitResult {
  enum TKind { Unchanged, Empty, Value };
  TKind Kind = Unchanged;
  long double Number = 0;
};

// A typed value: a decimal number in the C locale ("1e3", "-40", ".5", blanks around it), read as an
// extended value; anything else (a comma, "1x", "inf", a value beyond the range) is none.
std::optional<long double> ReadTypedValue(std::string_view text);

// The general category converted by the temperature formulas (exactly this name); its rows are, in
// order, Celsius, Fahrenheit, Kelvin, Rankine and Reaumur.
bool IsFormulaTemperature(std::string_view categoryName);

// By the factors: every other row gets x * factor; an unknown factor (0) gives an empty cell.
std::vector<TUnitResult> ConvertByFactors(const TUnitCategory& category, int fromRow, long double x);

// By the temperature formulas, for a category of `rows` rows (only the first five are scales; a
// value typed below them changes nothing). Each scale's offset is taken off the typed value first,
// so 32 F is 0 C exactly.
std::vector<TUnitResult> ConvertTemperature(int rows, int fromRow, long double x);

}  // namespace tools
