#pragma once
// Comma-separated fields of a text, read one by one.

#include <string_view>

namespace plot {

// The next field of rest: leading blanks skipped, up to the next comma or the end; rest moves past
// the field and its comma. Empty when rest is empty.
std::string_view NextToken(std::string_view& rest);

}  // namespace plot
