// Layout settings: fixed (frozen) columns and rows, heading and row bar, grid lines, the grid mode
// with its insert row, and the settings that only repaint.

#include "grid/window/Grid.h"

#include "grid/model/CheckValues.h"

#include <algorithm>
#include <cctype>

namespace grid {

TtsGridMode GridModeOfEditMode(const std::string& identifier)
{
  std::string lower = identifier;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (lower == "emnone")
    return gmListBox;
  if (lower == "emeditinsert")
    return gmEditInsert;
  if (lower == "embrowse")
    return gmBrowse;
  return gmEdit;
}

void TtsBaseGrid::Changed()
{
  Invalidate();
  model_.RefreshEditor();
}

// Fixed columns and rows ---------------------------------------------------------------------------------

int TtsBaseGrid::FixedWidth() const
{
  int width = 0;
  for (int c = 0; c < FixedCols(); ++c)
    width += ColWidth(c);
  return width;
}

int TtsBaseGrid::FixedHeight() const
{
  int height = 0;
  for (int r = 0; r < FixedRows(); ++r)
    height += RowHeight(r);
  return height;
}

void TtsBaseGrid::SetFixedColCount(int count)
{
  if (count < 0)
    return;
  fixedColCount_ = count;
  ApplyFixedColCount();
}

void TtsBaseGrid::SetFixedRowCount(int count)
{
  if (count < 0)
    return;
  fixedRowCount_ = count;
  ApplyFixedRowCount();
}

void TtsBaseGrid::ApplyFixedColCount()
{
  const int fixed = GridCols() <= 0 ? 0 : std::min(GridCols() - 1, fixedColCount_ + 1);
  if (std::max(0, fixed - 1) == frozenColCount_ && fixed == FixedCols())
    return;
  try {
    SetFixedCols(fixed);
  } catch (...) {
    frozenColCount_ = std::max(0, FixedCols() - 1);
    throw;
  }
  frozenColCount_ = std::max(0, FixedCols() - 1);
  model_.RefreshEditor();
}

void TtsBaseGrid::ApplyFixedRowCount()
{
  const int fixed = GridRows() <= 0 ? 0 : std::min(GridRows() - 1, fixedRowCount_ + 1);
  if (std::max(0, fixed - 1) == frozenRowCount_ && fixed == FixedRows())
    return;
  try {
    SetFixedRows(fixed);
  } catch (...) {
    frozenRowCount_ = std::max(0, FixedRows() - 1);
    throw;
  }
  frozenRowCount_ = std::max(0, FixedRows() - 1);
  model_.RefreshEditor();
}

void TtsBaseGrid::NormalizeFixedCols()
{
  if (FixedCols() == 0 && GridCols() > 1)
    SetFixedCols(1);
  if (FixedCols() != fixedColCount_ + 1)
    ApplyFixedColCount();
}

void TtsBaseGrid::NormalizeFixedRows()
{
  if (FixedRows() == 0 && GridRows() > 1)
    SetFixedRows(1);
  if (FixedRows() != fixedRowCount_ + 1)
    ApplyFixedRowCount();
}

// Heading and row bar: data row 0 and data column 0 -------------------------------------------------------

bool TtsBaseGrid::HeadingOn() const
{
  const TtsRow* heading = model_.GridRows().At(0);
  return !heading || heading->Visible();
}

void TtsBaseGrid::SetHeadingOn(bool on)
{
  model_.ChangeRow(0, [on](TtsRow& heading) { heading.SetVisible(on); });
}

int TtsBaseGrid::HeadingHeight() const { return model_.GridRows().HeightOf(0); }

void TtsBaseGrid::SetHeadingHeight(int height)
{
  model_.ChangeRow(0, [height](TtsRow& heading) { heading.SetHeight(height); });
}

bool TtsBaseGrid::RowBarOn() const { return model_.Col(0).Visible(); }

void TtsBaseGrid::SetRowBarOn(bool on) { model_.Col(0).SetVisible(on); }

int TtsBaseGrid::RowBarWidth() const { return model_.Col(0).Width(); }

void TtsBaseGrid::SetRowBarWidth(int width) { model_.Col(0).SetWidth(width); }

// Settings with more to do -----------------------------------------------------------------------------

void TtsBaseGrid::SetGridLines(TtsGridLines lines)
{
  if (lines == gridLines_)
    return;
  gridLines_ = lines;
  Changed();
}

void TtsBaseGrid::SetGridColor(platform::TColor color)
{
  if (color == model_.Level.Color)
    return;
  model_.Level.Color = color;
  SetColor(color);
  Changed();
}

void TtsBaseGrid::SetHeadingColor(platform::TColor color)
{
  if (color == model_.Level.HeadingColor)
    return;
  model_.Level.HeadingColor = color;
  Invalidate();
}

void TtsBaseGrid::SetIs3D(bool on)
{
  if (on == model_.Level.Is3D)
    return;
  model_.Level.Is3D = on;
  Changed();
}

void TtsBaseGrid::SetHeading3D(bool on)
{
  if (on == model_.Level.Heading3D)
    return;
  model_.Level.Heading3D = on;
  Invalidate();
}

void TtsBaseGrid::SetGridMode(TtsGridMode mode)
{
  if ((model_.IsComboGrid && !Designing()) || mode == GridMode())
    return;
  if (mode == gmListBox && !CanLeaveCell())
    return;
  const int insertRow = mode == gmEditInsert ? 1 : 0;
  if (insertRow != InsertRowPresent()) {
    const int rows = Rows();
    const bool onInsertRow = InsertRowPresent() && model_.CurrentDisplayRow() == GridRows() - 1;
    model_.Level.GridMode = mode;
    model_.SetInsertRowPresent(insertRow);
    SetDisplayRowCount(rows);
    if (onInsertRow)
      PlaceCurrentCell(model_.CurrentDisplayCol(), NearestRow(rows));
  }
  model_.Level.GridMode = mode;
  Changed();
  ReportGridStatus();
}

void TtsBaseGrid::SetEditMode(int ordinal)
{
  SetGridMode(ordinal >= gmListBox && ordinal <= gmBrowse ? TtsGridMode(ordinal) : gmEdit);
}

void TtsBaseGrid::SetDrawOverlap(TtsDrawOverlap overlap)
{
  if (overlap == DrawOverlap())
    return;
  model_.Level.DrawOverlap = overlap;
  Changed();
  RecheckStoredValues(-1, -1);
}

void TtsBaseGrid::SetRowChangedIndicator(TtsRowChangedIndicator indicator)
{
  if (indicator == rowChangedIndicator_)
    return;
  rowChangedIndicator_ = indicator;
  if (indicator == riOn)
    return;
  for (int r = 1; r <= model_.Rows(); ++r) {
    if (const TtsRow* row = model_.GridRows().At(r); row && row->RowChanged())
      model_.ChangeRow(r, [](TtsRow& changed) { changed.SetRowChanged(false); });
  }
  Invalidate();
}

void TtsBaseGrid::SetRowSelectMode(TtsRowSelectMode mode)
{
  if ((model_.IsComboGrid && !Designing()) || mode == rowSelectMode_)
    return;
  rowSelectMode_ = mode;
  TtsSelection& rows = model_.RowSelection();
  if (rows.Count() > 0 && mode != rsMulti) {
    const int current = model_.CurrentDisplayRow();
    const bool keepCurrent = mode == rsSingle && rows.Selected(current);
    for (int r = 0; r < GridRows(); ++r)
      rows.Set(r, false);
    if (keepCurrent)
      rows.Set(current, true);
    Invalidate();
  }
  ReportGridStatus();
}

void TtsBaseGrid::SetCheckBoxValues(const std::string& values)
{
  if (!IsValidCheckValues(values))
    GridError("Invalid CheckBoxValues. CheckBoxValues have the format 'Checked|Unchecked|Grayed'. The Grayed value is optional");
  model_.Level.CheckBoxValues = values;
  Invalidate();
}

void TtsBaseGrid::SetAutoScale(bool on)
{
  if (!model_.IsComboGrid)
    autoScale_ = on;
}

}  // namespace grid
