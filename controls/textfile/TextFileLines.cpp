#include "controls/textfile/TextFileLines.h"

namespace controls {

std::vector<std::string> SplitTextFileLines(std::string_view bytes)
{
  constexpr char kEndOfFile = 26;
  if (const auto end = bytes.find(kEndOfFile); end != std::string_view::npos)
    bytes = bytes.substr(0, end);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
      ++start;
  }
  return lines;
}

}  // namespace controls
