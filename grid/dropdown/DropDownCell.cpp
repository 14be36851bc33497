#include "grid/dropdown/DropDownCell.h"

#include "grid/window/Grid.h"

namespace grid {

std::string CellValueText(const TtsCellValue& value)
{
  if (value.IsEmpty() || value.IsNull())
    return {};
  return value.AsString();
}

TtsCellValue TtsStoredDropDownCell::Value() const
{
  return grid_.Cell(grid_.CurrentDataCol(), grid_.CurrentDataRow());
}

void TtsStoredDropDownCell::ChangeValue(const TtsCellValue& value)
{
  grid_.SetCell(grid_.CurrentDataCol(), grid_.CurrentDataRow(), value);
}

void TtsStoredDropDownCell::Select(int start, int length)
{
  selStart_ = start;
  selLength_ = length;
}

}  // namespace grid
