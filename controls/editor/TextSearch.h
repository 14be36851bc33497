#pragma once
// Skip-table substring search over a text buffer.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace controls {

using TSkipTable = std::array<std::uint8_t, 256>;

// Fills the skip table of a pattern (patterns longer than 255 characters are cut).
void BuildSkipTable(std::string_view pattern, TSkipTable& table);
// First occurrence of pattern in the first len bytes of buffer; pos is its 0-based offset.
bool SearchCase(std::string_view buffer, int len, const TSkipTable& table, int& pos, std::string_view pattern);
// The same with each buffer character upper-cased; pattern and table come upper-cased.
bool SearchNoCase(std::string_view buffer, int len, const TSkipTable& table, int& pos, std::string_view pattern);
// Upper case of an 8-bit (Latin-1) character.
char UpperChar(char ch);

}  // namespace controls

namespace controls {

// A pattern of any length prepared for repeated searches, exact or with both sides upper-cased by
// UpperChar (one folding rule for finding and for comparing).
class TTextFinder {
 public:
  TTextFinder(std::string_view pattern, bool matchCase);
  int Length() const { return int(pattern_.size()); }
  // 0-based offset of the first match starting at from or later and ending within text; -1 for none.
  int FindFirst(std::string_view text, int from) const;
  // 0-based offset of the last match lying within the first limit characters; -1 for none.
  int FindLast(std::string_view text, int limit) const;
  // Whether text equals the pattern under the finder's rule.
  bool Matches(std::string_view text) const;

 private:
  char Fold(char ch) const { return matchCase_ ? ch : UpperChar(ch); }
  bool MatchesAt(std::string_view text, int at) const;

  std::string pattern_;
  bool matchCase_;
  std::array<int, 256> skip_{};
};

}  // namespace controls
