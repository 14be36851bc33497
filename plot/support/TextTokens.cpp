#include "plot/support/TextTokens.h"

namespace plot {

std::string_view NextToken(std::string_view& rest)
{
  const std::size_t start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const std::size_t comma = rest.find(',');
  const std::string_view token = rest.substr(0, comma);
  rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
  return token;
}

}  // namespace plot
