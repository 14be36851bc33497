#pragma once
// Factor entries of the unit-table editor: the text of a factor cell read as a value, and the texts the
// editor writes into cells. No widgets.

#include "engine/Extended.h"
#include "engine/Host.h"

#include <string>
#include <string_view>

namespace tools {

// Reads factor cells. A plain number is taken as it stands; any other text is evaluated as an
// expression in a fresh copy of the current context, so an assignment changes nothing outside it and
// an unknown variable asks nobody. A text that does not evaluate, a text holding a control
// character, and a result that is not a finite double count 0.
class TFactorReader {
public:
  engine::Extended Read(std::string_view text);

private:
  engine::Extended Evaluate(const std::string& text);

  engine::EngineHost quietHost_;  // answers Cancel to every question
};

// 1 / x in the general form with 16 significant digits ("0.1428571428571429", "3", "1E-20").
std::string ReciprocalText(engine::Extended x);

// A stored factor as a cell shows it: the general form with 15 significant digits.
std::string FactorCellText(double value);

}  // namespace tools
