#pragma once
// Numbers formatted by a picture such as "#,##0.###" or "##0.## %".

#include "chart/support/TextLines.h"

#include <QString>

namespace chart {

// Picture characters: "0" a digit always shown, "#" a digit shown when significant, "." the
// decimal point (its first occurrence), "," anywhere before it groups thousands, "E+0", "E-0" (or
// "e") scientific with at least as many exponent digits as zeros ("+" always signs the exponent,
// "-" only a negative one); text in '...' or "..." and any other character are copied. Up to
// three sections "positive;negative;zero": an empty or missing negative section gives the first
// one with a minus, the zero section serves values that round to zero. An empty picture, or
// a value of 1e18 and more without scientific picture, gives the general format of 15 digits.
// Not-a-number gives "NAN", infinities "INF" and "-INF".
QString FormatFloatPicture(const QString& picture, double value,
                           TNumberSeparators separators = LocaleNumberSeparators());
// The shortest text of 15 significant digits: "1234.5", "1E20", "1.5E-7".
QString FormatFloatGeneral(double value, TNumberSeparators separators = LocaleNumberSeparators());

}  // namespace chart
