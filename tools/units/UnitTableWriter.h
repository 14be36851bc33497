#pragma once
// The unit-table file as the editor writes it: the whole table in the form ReadUnitTable reads. No
// widgets.

#include "tools/units/UnitTable.h"

#include <string>

namespace tools {

// A factor in its fixed field of 23 characters: a blank or "-", one digit, ".", 14 digits, "E", the
// exponent's sign and four digits (" 1.00000000000000E+0000"). A value that is not finite is 0.
std::string FormatTableFactor(double value);

// The file's bytes: C; per category its name, U, the U unit names and U factor lines (line k holds
// Factors[j][k] for j = 0..U-1, each field followed by a blank). Lines end in CR LF; a control
// character of a name is written as a blank, so a name stays one line. A factor missing from a
// ragged table is written as 1 on the diagonal and 0 elsewhere.
std::string WriteUnitTable(const TUnitTable& table);

}  // namespace tools
