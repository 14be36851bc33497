#pragma once
// A format template of one floating-point argument, as the plot's settings give them for values:
// text with "%" conversions "%[index:][-][width][.precision]type" of type f (fixed, 2 decimals by
// default), e (scientific, 15 digits, an exponent of at least three digits), g (general, 15
// digits), n and m (fixed with thousands separators, 2 decimals), and "%%" for a percent sign.

#include <QString>
#include <optional>

namespace plot {

// The template applied to value; none when the template is not one of the above or asks for an
// argument other than the one value.
std::optional<QString> FormatValueTemplate(const QString& format, double value);

}  // namespace plot
