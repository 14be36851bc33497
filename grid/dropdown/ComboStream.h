#pragma once
// The stream form of a combo: a grid stream of its settings ("DropDownRows", "DropDownCols",
// "ValueCol", "ValueColSorted", "CompareType", "AutoSearch", "AutoFill", "AutoFillConvertCase",
// "DropDownStyle") followed by its list, itself a whole-grid stream ("List") with its columns, rows,
// cell properties and stored values. A column, row or cell item carries it as its "Combo" value.

#include <cstdint>
#include <span>
#include <string>

namespace grid {

class TtsCombo;

// The bytes of a combo the grid window made; empty for any other combo.
std::string ComboStreamBytes(const TtsCombo& combo);
// Reads a combo's stream form into it. Every value is checked before the combo changes, and the
// list loads whole or not at all: EReadError (or the list's grid error) leaves the combo as it was.
// A combo the grid window did not make can't take one (EReadError).
void ReadComboStream(TtsCombo& combo, std::span<const std::uint8_t> bytes);

}  // namespace grid
