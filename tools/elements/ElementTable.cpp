#include "tools/elements/ElementTable.h"

#include <cstddef>

namespace tools {

bool ReadCount(const std::string& line, int& count)
{
  std::size_t at = line.find_first_not_of(" \t");
  if (at == std::string::npos || line[at] < '0' || line[at] > '9')
    return false;
  long long value = 0;
  for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
    value = value * 10 + (line[at] - '0');
    if (value > TElementTable::kMaxCount)
      return false;
  }
  if (at < line.size() && line[at] != ' ' && line[at] != '\t')
    return false;
  count = int(value);
  return true;
}

void TElementTable::Clear()
{
  names_.clear();
  values_.clear();
}

bool TElementTable::Parse(const std::vector<std::string>& lines)
{
  Clear();
  badLine_.clear();
  std::size_t next = 0;
  const auto line = [&]() -> const std::string* { return next < lines.size() ? &lines[next++] : nullptr; };
  const auto refuse = [&](const std::string* text) {
    badLine_ = text ? *text : kEndOfFile;
    Clear();
    return false;
  };

  int n = 0;
  int m = 0;
  const std::string* text = line();
  if (!text || !ReadCount(*text, n))
    return refuse(text);
  text = line();
  if (!text || !ReadCount(*text, m))
    return refuse(text);
  if (lines.size() < std::size_t(2 + m))
    return refuse(nullptr);
  names_.assign(lines.begin() + 2, lines.begin() + 2 + m);
  next = std::size_t(2 + m);
  values_.reserve(std::size_t(n));
  for (int element = 0; element < n; ++element) {
    text = line();
    if (!text || text->find("===") == std::string::npos)
      return refuse(text);
    if (lines.size() - next < std::size_t(m))
      return refuse(nullptr);
    values_.emplace_back(lines.begin() + std::ptrdiff_t(next), lines.begin() + std::ptrdiff_t(next) + m);
    next += std::size_t(m);
  }
  return true;
}

const std::vector<std::string>* TElementTable::Element(int n) const
{
  if (n < 1 || n > ElementCount())
    return nullptr;
  return &values_[std::size_t(n - 1)];
}

}  // namespace tools
