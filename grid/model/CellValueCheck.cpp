#include "grid/model/CellValueCheck.h"

#include "grid/model/GridModel.h"

namespace grid {

void CheckValueForControlType(const TtsGridModel& grid, TtsControlType type, const TtsCellValue& value)
{
  const bool integer = value.Type() == TVarType::varInteger;
  switch (type) {
    case ctText:
      if (!value.IsString())
        grid.GridError("Invalid cell value. A text column requires a value of type string");
      break;
    case ctCheck:
      if (!integer && !value.IsString() && !value.IsNull())
        grid.GridError("Invalid cell value. A checkbox column requires a value of type TCheckBoxState or string");
      break;
    case ctPicture:
      if (!integer && !value.IsString())
        grid.GridError("Invalid cell value. A picture column requires a value of type TBitmap or string");
      break;
    default:
      break;
  }
}

}  // namespace grid
