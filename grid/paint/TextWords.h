#pragma once
// Blanks, words and character counts of cell text, shared by the text drawing and the in-cell
// editor. A blank is a space or a tab; a word character is anything but a blank or a line break.
// Offsets are 0-based bytes; every character is one byte.

#include <string_view>

namespace grid {

bool IsBlank(char c);
bool IsWordCharAt(std::string_view text, int i);
// The later of the last space and the last tab within the first n bytes; -1 when none.
int LastBlank(std::string_view text, int n);
// The offset after the blanks starting at i.
int SkipBlanks(std::string_view text, int i);
// The last word character before offset; -1 when none.
int LastWordCharBefore(std::string_view text, int offset);
// Bytes to the start of the next word: over the rest of this word, then over what is not a word.
int NextWordDistance(std::string_view text, int offset);
// Bytes back to the start of the previous word: over what is not a word, then over the word.
int PreviousWordDistance(std::string_view text, int offset);
bool IsLineBreakBefore(std::string_view text, int offset);
// Bytes of n characters from the start or from the end, and characters in n bytes: the same here,
// clipped to the text.
int CharsToBytes(std::string_view text, int n);
int CharsToBytesFromEnd(std::string_view text, int n);
int BytesToChars(std::string_view text, int n);

}  // namespace grid
