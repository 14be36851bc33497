// Row fonts, date-time definitions, the attributes a row sets for its cells, row selection and the
// display column of a data column, through the grid.

#include "grid/window/Grid.h"

namespace grid {

platform::TFont* TtsBaseGrid::RowFont(int dataRow)
{
  CheckRow(dataRow);
  TtsRow* row = model_.GridRows().At(dataRow);
  return row ? row->Font() : nullptr;
}

void TtsBaseGrid::SetRowFont(int dataRow, const platform::TFont* font)
{
  ChangeRowChecked(dataRow, [font](TtsRow& row) { row.SetFont(font); });
}

bool TtsBaseGrid::RowParentFont(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return !row || row->ParentFont();
}

void TtsBaseGrid::SetRowParentFont(int dataRow, bool on)
{
  ChangeRowChecked(dataRow, [on](TtsRow& row) { row.SetParentFont(on); });
}

bool TtsBaseGrid::RowKeepFontCopy(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row && row->KeepFontCopy();
}

void TtsBaseGrid::SetRowKeepFontCopy(int dataRow, bool on)
{
  ChangeRowChecked(dataRow, [on](TtsRow& row) { row.SetKeepFontCopy(on); });
}

TtsDateTimeDefComponent* TtsBaseGrid::RowDateTimeDef(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->DateTimeDef() : nullptr;
}

void TtsBaseGrid::SetRowDateTimeDef(int dataRow, TtsDateTimeDefComponent* definition)
{
  ChangeRowChecked(dataRow, [definition](TtsRow& row) { row.SetDateTimeDef(definition); });
}

const TtsAttributes& TtsBaseGrid::RowAttributes(int dataRow) const
{
  CheckRow(dataRow);
  return model_.RowLevel(dataRow);
}

TtsCombo* TtsBaseGrid::RowCombo(int dataRow) const
{
  const TtsRow* row = RowObject(dataRow);
  return row ? row->Combo() : nullptr;
}

bool TtsBaseGrid::RowSelected(int dataRow) const
{
  CheckRow(dataRow);
  return model_.RowSelection().Selected(model_.DisplayRowOf(dataRow));
}

bool TtsBaseGrid::IsRowSelected(int dataRow) const
{
  return dataRow >= 1 && dataRow < GridRows() && model_.RowSelection().Selected(model_.DisplayRowOf(dataRow));
}

void TtsBaseGrid::SetRowSelected(int dataRow, bool selected)
{
  if (dataRow < 1 || dataRow > Rows())
    GridError("Row index " + std::to_string(dataRow) + " out of range");
  const int displayRow = model_.DisplayRowOf(dataRow);
  TtsSelection& selection = model_.RowSelection();
  if (selection.Selected(displayRow) == selected || (selected && rowSelectMode_ == rsNone))
    return;
  if (selected && rowSelectMode_ == rsSingle) {
    for (int row = selection.First(); selection.Count() > 0 && row <= selection.Last(); ++row) {
      if (selection.Selected(row)) {
        selection.Set(row, false);
        InvalidateRow(row);
      }
    }
  }
  selection.Set(displayRow, selected);
  InvalidateRow(displayRow);
  SelectionChanged(kSelectRows);
  FirePendingSelectChanged();
  ReportGridStatus();
}

int TtsBaseGrid::DisplayColOfData(int dataCol) const
{
  return dataCol >= 1 && dataCol <= Cols() ? model_.DisplayColOf(dataCol) : -1;
}

void TtsBaseGrid::SetDisplayColOfData(int dataCol, int displayCol)
{
  if (dataCol >= 1 && dataCol <= Cols())
    model_.Col(dataCol).SetDisplayCol(displayCol);
}

}  // namespace grid
