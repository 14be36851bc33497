#pragma once
// The texts of the matrix calculator: values in cells, the clipboard text of a grid, pasting, and the
// lines of its text file.

#include "engine/Extended.h"
#include "tools/matrix/MatrixGrid.h"

#include <string>
#include <vector>

namespace tools {

// A value as a cell shows it: general format, 7 significant digits; a zero of either sign is "0".
std::string MatrixValueText(engine::Extended value);

// The matrix rows, a TAB between cells and a CR LF after each row.
std::string GridClipboardText(const TMatrixGrid& grid);

// At most this many characters of the clipboard are pasted.
inline constexpr std::size_t kMaxPasteLength = 63999;

// Cuts pasted text into lines: CR, LF or CR LF end a line, the text after the last break is a line
// too; an empty line is an empty row.
std::vector<std::string> PasteLines(const std::string& text);
// Cuts the next field off a line: the first of blank, comma and TAB that occurs in it separates;
// copies of that separator right after it go too. Without a separator the rest is the field.
std::string CutField(std::string& line);
// The fields of one pasted line: a line holding a TAB is cut at each TAB, so empty cells and cells
// with blanks keep their places; any other line is cut by CutField.
std::vector<std::string> PasteFields(std::string line);
// Puts the fields of the text into the grid from a cell on; empty fields and cells beyond the grid
// are skipped, the grid keeps its size.
void PasteIntoGrid(TMatrixGrid& grid, const std::string& text, int row, int col);

// "Matrix <name>", then one line per column: the cells of rows 1..m joined by ",".
void AppendMatrixLines(const TMatrixGrid& grid, std::vector<std::string>& lines);

}  // namespace tools
