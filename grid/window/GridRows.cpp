// Row attributes by data row through the grid, row display positions and serial numbers.

#include "grid/window/Grid.h"

namespace grid {

const TtsRow* TtsBaseGrid::RowObject(int dataRow) const
{
  CheckRow(dataRow);
  return model_.GridRows().At(dataRow);
}

platform::TColor TtsBaseGrid::RowColor(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->Color() : platform::clNone;
}

void TtsBaseGrid::SetRowColor(int dataRow, platform::TColor color)
{
  ChangeRowChecked(dataRow, [color](TtsRow& row) { row.SetColor(color); });
}

int TtsBaseGrid::RowHeightOf(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->Height() : model_.DefaultRowHeight();
}

void TtsBaseGrid::SetRowHeightOf(int dataRow, int height)
{
  ChangeRowChecked(dataRow, [height](TtsRow& row) { row.SetHeight(height); });
}

bool TtsBaseGrid::RowVisible(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return !row || row->Visible();
}

void TtsBaseGrid::SetRowVisible(int dataRow, bool visible)
{
  if (dataRow < 1 || dataRow > Rows())
    GridError("Row index " + std::to_string(dataRow) + " out of range");
  model_.ChangeRow(dataRow, [visible](TtsRow& row) { row.SetVisible(visible); });
}

bool TtsBaseGrid::RowIs3D(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row && row->Is3D();
}

void TtsBaseGrid::SetRowIs3D(int dataRow, bool on)
{
  ChangeRowChecked(dataRow, [on](TtsRow& row) { row.SetIs3D(on); });
}

TAlignment TtsBaseGrid::RowAlignment(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->Alignment() : taLeftJustify;
}

void TtsBaseGrid::SetRowAlignment(int dataRow, TAlignment alignment)
{
  ChangeRowChecked(dataRow, [alignment](TtsRow& row) { row.SetAlignment(alignment); });
}

bool TtsBaseGrid::RowAlign(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row && row->Align();
}

void TtsBaseGrid::SetRowAlign(int dataRow, bool align)
{
  ChangeRowChecked(dataRow, [align](TtsRow& row) { row.SetAlign(align); });
}

TtsHorzAlignment TtsBaseGrid::RowHorzAlignment(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->HorzAlignment() : htaDefault;
}

void TtsBaseGrid::SetRowHorzAlignment(int dataRow, TtsHorzAlignment alignment)
{
  ChangeRowChecked(dataRow, [alignment](TtsRow& row) { row.SetHorzAlignment(alignment); });
}

TtsVertAlignment TtsBaseGrid::RowVertAlignment(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->VertAlignment() : vtaDefault;
}

void TtsBaseGrid::SetRowVertAlignment(int dataRow, TtsVertAlignment alignment)
{
  ChangeRowChecked(dataRow, [alignment](TtsRow& row) { row.SetVertAlignment(alignment); });
}

bool TtsBaseGrid::RowReadOnly(int dataRow) const
{
  const TtsRow* row = dataRow >= 1 && dataRow < GridRows() ? model_.GridRows().At(dataRow) : nullptr;
  return row && row->ReadOnly();
}

bool TtsBaseGrid::RowChangedMark(int dataRow) const
{
  const TtsRow* row = dataRow >= 1 && dataRow < GridRows() ? model_.GridRows().At(dataRow) : nullptr;
  return row && row->RowChanged();
}

void TtsBaseGrid::SetRowChangedMark(int dataRow, bool on)
{
  if (dataRow < 1 || dataRow > Rows())
    GridError("Row index " + std::to_string(dataRow) + " out of range");
  if (on == RowChangedMark(dataRow))
    return;
  model_.ChangeRow(dataRow, [on](TtsRow& row) { row.SetRowChanged(on); });
  model_.InvalidateCell(0, model_.DisplayRowOf(dataRow));
}

int TtsBaseGrid::DisplayRowOfData(int dataRow) const
{
  return dataRow >= 1 && dataRow < GridRows() ? model_.DisplayRowOf(dataRow) : -1;
}

void TtsBaseGrid::MoveRowTo(int dataRow, int displayRow)
{
  if (dataRow < 1 || dataRow > Rows() || displayRow < 1 || displayRow > Rows())
    return;
  model_.MoveRow(dataRow, displayRow);
}

int TtsBaseGrid::DataRowBySerial(int serial) const
{
  int low = 1;
  int high = Rows();
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int found = model_.GridRows().SerialOf(middle);
    if (found == serial)
      return middle;
    if (found < serial)
      low = middle + 1;
    else
      high = middle - 1;
  }
  return -1;
}

int TtsBaseGrid::DataColBySerial(int serial) const
{
  for (int c = 1; c <= Cols(); ++c) {
    if (model_.Col(c).Serial() == serial)
      return c;
  }
  return -1;
}

}  // namespace grid
