#pragma once
// Number texts of axis labels, legends, contour labels and dialog values.

#include "plot/support/FloatUtils.h"

#include <string>

namespace plot {

// The general notation: the shorter of fixed and scientific with `precision` significant digits
// (1..18), scientific when the value has more integer digits than the precision or is below
// 0.00001; the exponent as "E", a minus when negative, no leading zeros ("1.5E-7", "2E20").
std::string GeneralText(Extended value, int precision);

// Removes leading blanks and needless zeros: before an exponent's "E" (keeping a digit after the
// point), a whole "E+0000" in mode 1, trailing zeros of a fraction otherwise ("2.500" -> "2.5",
// "2.000" -> "2.0"). Returns the number of blanks removed.
int TrimNumberText(std::string& s, int mode);

// Axis label of a value with `digits` digits: fixed in mode 1 for moderate values, else general.
// Empty for a value that is not finite.
std::string FloatToLabelText(int digits, int mode, double value);
void FloatToLabelText(int digits, int mode, std::string& s, double value);

// Compact text of a value in a field of `width` characters (editors and dialogs).
std::string FloatToShortText(int width, int mode, double value);
void FloatToShortText(int width, int mode, std::string& s, double value);

// A value with `digits` digits after the point, in scientific notation when the general notation
// chooses it (legend and contour labels).
std::string FloatToSignificantText(int digits, double value);
void FloatToSignificantText(int digits, std::string& s, double value);

}  // namespace plot
