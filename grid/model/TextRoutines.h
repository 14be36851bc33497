#pragma once
// Text routines of the grid: accelerators, image references, splitting, byte search and the
// character and line-break steps of the text drawing and editing code. Texts are 8-bit (Latin-1),
// so every character is one byte.

#include <string>
#include <string_view>

namespace grid {

// Double-byte character sets are not in use: every character is a single byte.
inline constexpr bool MultiByteText = false;

bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Removes accelerator marks: "&x" gives "x", "&&" gives "&", a final "&" is dropped. position: the
// 1-based place in the result of the first character that followed a single "&", 0 when none.
std::string StripAccelerators(const std::string& text, int& position);

// Splits off the text before the first separator (head) and keeps what follows it; without the
// separator head is the whole text, the text becomes empty and the answer is false.
bool SplitAt(std::string& text, std::string& head, char separator);

// Image references: name, code 1, list number, code 1, image number.
std::string MakeImageRef(const std::string& name, int listNumber, int imageNumber);
// A text without separator is a bare name: both numbers -1.
void ParseImageRef(const std::string& text, int& listNumber, int& imageNumber, std::string& name);

// Byte search within the first `length` bytes; -1 when absent.
int ScanByte(std::string_view text, char byte, int length);
int ScanByteBack(std::string_view text, char byte, int length);
int FindChar(std::string_view text, char byte, int length);
int FindCharBack(std::string_view text, char byte, int length);

// Characters and line breaks at 0-based positions; the end of the text is its terminator.
bool IsLineBreakAt(std::string_view text, int i);
// Moves i past a line break starting there (CR LF and LF CR count as one); false when none.
bool SkipLineBreak(std::string_view text, int& i);
int CharLenAt(std::string_view text, int i);
int CharLenBefore(std::string_view text, int n);

// Moves over decimal digits by step +1 or -1, or over non-digits.
int SkipDigits(std::string_view text, int index, int step);
int SkipNonDigits(std::string_view text, int index);

}  // namespace grid
