#pragma once
// Fuzz targets of the matrix calculator's text readers: any bytes pasted into a grid, and as the
// settings file its print margins are read from.

#include <string_view>

namespace fuzz {

// Pasted text fills the grid's cells with its fields; the grid keeps its size.
void MatrixPasteTarget(std::string_view bytes);
// Print margins read from any settings file lie on the page.
void PrintMarginsTarget(std::string_view bytes);

}  // namespace fuzz
