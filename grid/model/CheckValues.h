#pragma once
// The texts of check-box values: "Checked|Unchecked|Grayed" (the grayed part optional).

#include "grid/model/CellValue.h"

#include <string>

namespace grid {

enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };

struct TtsCheckValues {
  std::string Checked;
  std::string Unchecked;
  std::string Grayed;
};

// Splits at "|"; answers whether the text is well-formed (empty, or a non-empty unchecked part and
// no third separator).
bool SplitCheckValues(const std::string& text, TtsCheckValues& values);
bool IsValidCheckValues(const std::string& text);

TCheckBoxState CheckStateOfText(const std::string& text, const std::string& values);
TCheckBoxState CheckStateOfValue(const TtsCellValue& value, const std::string& values);
// The text of a state; "Null" (in any case) gives Null, empty values the empty text.
TtsCellValue CheckValueOfState(TCheckBoxState state, const std::string& values);

}  // namespace grid
