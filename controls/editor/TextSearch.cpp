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

namespace controls {

TTextFinder::TTextFinder(std::string_view pattern, bool matchCase) : pattern_(pattern), matchCase_(matchCase)
{
  for (char& ch : pattern_)
    ch = Fold(ch);
  const int n = Length();
  skip_.fill(n);
  for (int i = 0; i + 1 < n; ++i)
    skip_[std::uint8_t(pattern_[std::size_t(i)])] = n - 1 - i;
}

bool TTextFinder::MatchesAt(std::string_view text, int at) const
{
  for (int k = Length() - 1; k >= 0; --k)
    if (Fold(text[std::size_t(at + k)]) != pattern_[std::size_t(k)])
      return false;
  return true;
}

int TTextFinder::FindFirst(std::string_view text, int from) const
{
  const int n = Length();
  const int len = int(text.size());
  if (n == 0)
    return -1;
  for (int end = std::max(from, 0) + n - 1; end < len;) {
    if (MatchesAt(text, end - n + 1))
      return end - n + 1;
    end += skip_[std::uint8_t(Fold(text[std::size_t(end)]))];
  }
  return -1;
}

int TTextFinder::FindLast(std::string_view text, int limit) const
{
  const int n = Length();
  limit = std::min(limit, int(text.size()));
  if (n == 0)
    return -1;
  for (int at = limit - n; at >= 0; --at)
    if (MatchesAt(text, at))
      return at;
  return -1;
}

bool TTextFinder::Matches(std::string_view text) const
{
  return int(text.size()) == Length() && MatchesAt(text, 0);
}

}  // namespace controls
