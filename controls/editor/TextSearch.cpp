#include "controls/editor/TextSearch.h"

#include <algorithm>

namespace controls {

namespace {

std::string_view Cut(std::string_view pattern) { return pattern.substr(0, std::min<std::size_t>(pattern.size(), 255)); }

template <typename Fold>
bool Search(std::string_view buffer, int len, const TSkipTable& table, int& pos, std::string_view pattern, Fold fold)
{
  pattern = Cut(pattern);
  const int n = int(pattern.size());
  len = std::clamp(len, 0, int(buffer.size()));
  if (n == 0)
    return false;
  if (n == 1) {
    for (int i = 0; i < len; ++i)
      if (fold(buffer[std::size_t(i)]) == pattern[0]) {
        pos = i;
        return true;
      }
    return false;
  }
  const char last = pattern[std::size_t(n - 1)];
  int end = n - 1;
  while (end < len) {
    const char ch = fold(buffer[std::size_t(end)]);
    if (ch != last) {
      end += table[std::uint8_t(ch)];
      continue;
    }
    int k = n - 2;
    while (k >= 0 && fold(buffer[std::size_t(end - (n - 1) + k)]) == pattern[std::size_t(k)])
      --k;
    if (k < 0) {
      pos = end - (n - 1);
      return true;
    }
    end += table[std::uint8_t(last)];
  }
  return false;
}

}  // namespace

char UpperChar(char ch)
{
  const auto c = std::uint8_t(ch);
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
    return char(c - 32);
  return ch;
}

void BuildSkipTable(std::string_view pattern, TSkipTable& table)
{
  pattern = Cut(pattern);
  const std::size_t n = pattern.size();
  table.fill(std::uint8_t(n));
  for (std::size_t i = 0; i + 1 < n; ++i)
    table[std::uint8_t(pattern[i])] = std::uint8_t(n - 1 - i);
}

bool SearchCase(std::string_view buffer, int len, const TSkipTable& table, int& pos, std::string_view pattern)
{
  return Search(buffer, len, table, pos, pattern, [](char ch) { return ch; });
}

bool SearchNoCase(std::string_view buffer, int len, const TSkipTable& table, int& pos, std::string_view pattern)
{
  return Search(buffer, len, table, pos, pattern, UpperChar);
}

}  // namespace controls
