#pragma once
// Skip-table substring search over a text buffer.

#include <array>
#include <cstdint>
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
