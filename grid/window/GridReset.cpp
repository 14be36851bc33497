// Resetting column, row and cell properties to their defaults, by property mask or by part.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/Grid.h"

namespace grid {
namespace {

// Runs a change inside an update block, closed whatever happens.
template <class Change>
void InUpdateBlock(TtsBaseGrid& grid, Change change)
{
  grid.BeginUpdate();
  try {
    change();
  } catch (...) {
    grid.EndUpdate();
    throw;
  }
  grid.EndUpdate();
}

}  // namespace

void TtsBaseGrid::ResetColProperties(TtsPropMask properties)
{
  if (properties == 0)
    return;
  const bool allWidths = ResizeCols == rcAll && HasProp(properties, piColWidth);
  InUpdateBlock(*this, [&] {
    if (HasProp(properties, piSelected))
      model_.ColSelection().Clear();
    const TtsPropMask perCol = ResizeCols == rcAll ? properties & ~PropBit(piColWidth) : properties;
    for (int c = 1; c <= Cols(); ++c)
      model_.Col(c).Reset(perCol);
  });
  if (!allWidths)
    return;
  // Every column back at the default width; the row bar keeps its own.
  const int rowBarWidth = RowBarWidth();
  for (int c = 1; c <= Cols(); ++c)
    model_.Col(c).SetWidth(DefaultColWidth());
  SetDefaultColWidth(DefaultColWidth());
  SetRowBarWidth(rowBarWidth);
}

void TtsBaseGrid::ResetRowProperties(TtsPropMask properties)
{
  if (properties == 0)
    return;
  const bool allHeights = ResizeRows == rrAll && HasProp(properties, piRowHeight);
  InUpdateBlock(*this, [&] {
    if (HasProp(properties, piSelected))
      model_.RowSelection().Clear();
    const TtsPropMask perRow = ResizeRows == rrAll ? properties & ~PropBit(piRowHeight) : properties;
    for (int r = 1; r <= Rows(); ++r) {
      if (model_.GridRows().At(r))
        model_.ChangeRow(r, [perRow](TtsRow& row) { row.Reset(perRow); });
      else if (HasProp(properties, piDisplayPos) && DisplayRowOfData(r) != r)
        MoveRowTo(r, r);
    }
  });
  if (!allHeights)
    return;
  // Every row back at the default height; the heading row keeps its own.
  const int headingHeight = HeadingHeight();
  for (int r = 1; r <= Rows(); ++r) {
    if (model_.GridRows().At(r))
      model_.ChangeRow(r, [this](TtsRow& row) { row.SetHeight(DefaultRowHeight()); });
  }
  SetDefaultRowHeight(DefaultRowHeight());
  SetHeadingHeight(headingHeight);
}

void TtsBaseGrid::ResetCellProperties(TtsPropMask properties)
{
  InUpdateBlock(*this, [&] {
    if (HasProp(properties, piSelected) && model_.HasCellRange()) {
      model_.ClearCellRange();
      SelectionChanged(kSelectCellRange);
    }
    model_.CellProps().ResetAll(properties);
  });
  ReportGridStatus();
}

void TtsBaseGrid::ResetCellProperty(int dataCol, int dataRow)
{
  CheckCol(dataCol);
  CheckRow(dataRow);
  model_.CellProps().Reset(dataCol, dataRow, kAllProperties);
  if (dataCol == CurrentDataCol() && dataRow == CurrentDataRow())
    model_.RefreshEditor();
}

void TtsBaseGrid::ResetGridParts(TtsPropKinds kinds)
{
  if (HasDropDowns() && HasPropKind(kinds, pkGrid))
    DropDowns().ResetGridCombo();
  const TtsGrid fresh;
  AssignGridParts(fresh, kinds, true);
  UpdateScrollBars();
}

}  // namespace grid
