#pragma once
// Character-level routines of the text store: blanks, tab-aware columns, line breaks.

#include <string>
#include <string_view>

namespace controls {

// A space or a tab.
bool IsBlank(char ch);
// The first len characters hold a tab.
bool HasTab(std::string_view text, int len);
// Width in columns of the first len characters; a tab moves to the next multiple of tabSize.
int TextColumns(std::string_view text, int len, int tabSize);
// Characters counted from the start until the width reaches column; length + 1 at the end of the text.
int CharsToColumn(std::string_view text, int column, int tabSize);
// Display column of character position pos (1-based) of a line.
int PosToColumn(std::string_view text, int len, int pos, int tabSize);
// Character position (1-based) at display column col of a line.
int ColumnToPos(std::string_view text, int len, int col, int tabSize);
// 0-based offset from line start where the next display line starts; fit is the first offset that does not fit.
int FindBreak(std::string_view line, int fit);
// Characters up to and including the last blank among the first len; len when there is none.
int LastBlankIn(std::string_view text, int len);
// Characters up to and including the first line feed; len when there is none.
int LineBreakLength(std::string_view text, int len);
// Extends text with ch up to len characters.
void PadWith(std::string& text, char ch, int len);
// Src with each tab replaced by blanks up to the next tab stop; empty for a tab size of 0.
std::string DetabText(std::string_view src, int tabSize);
// len copies of ch.
std::string CharString(char ch, int len);
// Inserts or removes one character at 0-based pos (insertion past the end appends).
void InsertCharAt(std::string& text, char ch, int pos);
void DeleteCharAt(std::string& text, int pos);
// First 0-based position of a character or substring; false when absent or either text is empty.
bool CharPos(std::string_view text, char ch, int& pos);
bool SubstringPos(std::string_view text, std::string_view pattern, int& pos);

}  // namespace controls
