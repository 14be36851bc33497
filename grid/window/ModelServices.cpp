// What the grid answers its model: whether a column or row is on screen, the scroll range, the
// selection-changed and status events, the list-box row selection and the current cell's place.

#include "grid/window/Grid.h"

namespace grid {

bool TtsBaseGrid::ColOnScreen(int displayCol) const
{
  return displayCol < FixedCols() || (displayCol >= LeftCol() && displayCol <= LastVisibleCol());
}

bool TtsBaseGrid::RowOnScreen(int displayRow) const
{
  return displayRow < FixedRows() || (displayRow >= TopRow() && displayRow <= LastVisibleRow());
}

void TtsBaseGrid::UpdateScrollRange(bool keepPainting)
{
  ReapplyTopLeft(keepPainting);
  UpdateScrollBars();
}

void TtsBaseGrid::SelectionChanged(int kind)
{
  if (kind >= kSelectRows && kind <= kSelectCellRange)
    pendingSelectChanges_ |= 1u << kind;
  KeepSelectionKind();
}

void TtsBaseGrid::FirePendingSelectChanged()
{
  for (int kind = kSelectRows; kind <= kSelectCellRange; ++kind) {
    const unsigned bit = 1u << kind;
    if ((pendingSelectChanges_ & bit) == 0)
      continue;
    pendingSelectChanges_ &= ~bit;
    FireChange(OnSelectChanged, TtsSelectType(kind), false);
  }
}

void TtsBaseGrid::SelectionFollowsRow()
{
  if (GridMode() != gmListBox || rowSelectMode_ != rsSingle)
    return;
  const int dataRow = CurrentDataRow();
  if (dataRow >= 1 && dataRow <= Rows())
    SetRowSelected(dataRow, true);
}

void TtsBaseGrid::PlaceCurrentCol(int displayCol)
{
  const int col = NearestCol(displayCol, SkipsReadOnly());
  if (col < 1)
    return;
  if (col == model_.CurrentDisplayCol())
    model_.RefreshEditor();
  else
    PlaceCurrentCell(col, model_.CurrentDisplayRow());
}

void TtsBaseGrid::PlaceCurrentRow(int displayRow)
{
  const int row = NearestRow(displayRow, SkipsReadOnly());
  if (row < 1)
    return;
  if (row == model_.CurrentDisplayRow())
    model_.RefreshEditor();
  else
    PlaceCurrentCell(model_.CurrentDisplayCol(), row);
}

}  // namespace grid
