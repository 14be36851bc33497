#pragma once
// Which values a cell of a control type takes: a text cell strings; a check box integer check
// states, strings and Null; a picture cell integer picture references and strings.

#include "grid/model/CellValue.h"
#include "grid/model/GridTypes.h"

namespace grid {

class TtsGridModel;

// Raises the grid's value error when the value does not fit the control type.
void CheckValueForControlType(const TtsGridModel& grid, TtsControlType type, const TtsCellValue& value);

}  // namespace grid
