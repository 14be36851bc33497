// Selection by mouse: presses on the row bar, the headings, the top-left corner and a cell's
// selection strip, the drags that extend what they selected, and the autoscroll loop that runs
// one step per timer tick while the pointer is held beyond an edge.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "grid/window/ScopeEnd.h"

#include <algorithm>

namespace grid {

using platform::TShiftState;

namespace {

bool Plain(TShiftState shift) { return (shift & (platform::ssShift | platform::ssCtrl)) == 0; }
bool CtrlOnly(TShiftState shift) { return (shift & platform::ssCtrl) != 0 && (shift & platform::ssShift) == 0; }
bool ShiftOnly(TShiftState shift) { return (shift & platform::ssShift) != 0 && (shift & platform::ssCtrl) == 0; }
bool CtrlShift(TShiftState shift) { return (shift & platform::ssShift) != 0 && (shift & platform::ssCtrl) != 0; }

// Whether position i lies on the dragged side of `near` up to `end` (near itself excluded).
bool Dragged(int i, int nearEnd, int farEnd)
{
  if (farEnd > nearEnd)
    return i > nearEnd && i <= farEnd;
  return farEnd < nearEnd && i >= farEnd && i < nearEnd;
}

bool BeginsInFixed(const TtsSelection& selection, int fixed)
{
  return selection.Count() > 0 && selection.Lowest() < fixed;
}

}  // namespace

void TtsBaseGrid::MoveCurrentQuietly(int displayCol, int displayRow)
{
  if (displayCol != model_.CurrentDisplayCol() || displayRow != model_.CurrentDisplayRow())
    PlaceCurrentCell(displayCol, displayRow);
}

// Presses -----------------------------------------------------------------------------------------------

void TtsBaseGrid::RowBarPress(TShiftState shift, int /*x*/, int /*y*/, int displayCol, int displayRow)
{
  if (!IsSelectable(-1, displayRow))
    return;
  const int current = model_.CurrentDisplayRow();
  const bool insert = model_.IsInsertRow(displayRow);
  if (RowSelectMode() != rsNone) {
    if (!(displayRow == current && model_.RowSelection().Selected(displayRow)) && !CanLeaveCell())
      return;
    RowGrab(shift, displayCol, displayRow);
    mouse_.SelectEndCol = displayCol;
  } else if (displayRow != current) {
    if (!CanLeaveCell())
      return;
    MoveCurrentQuietly(model_.CurrentDisplayCol(), displayRow);
    if (RowMoving && !insert)
      RowGrab(shift, displayCol, displayRow);
    mouse_.SelectEndCol = model_.CurrentDisplayCol();
  } else if (RowMoving && !insert) {
    RowGrab(shift, displayCol, displayRow);
    mouse_.SelectEndCol = displayCol;
  }
  mouse_.SelectEndRow = displayRow;
  FirePendingSelectChanged();
}

void TtsBaseGrid::RowGrab(TShiftState shift, int /*displayCol*/, int displayRow)
{
  const TtsSelection& rows = model_.RowSelection();
  const bool insert = model_.IsInsertRow(displayRow);
  if (RowMoving && !insert && !BeginsInFixed(rows, FixedRows()) &&
      (RowSelectMode() == rsNone || (Plain(shift) && rows.Selected(displayRow)))) {
    HideFocus(false);
    StartRowMove(displayRow);
    return;
  }
  if (RowSelectMode() == rsNone)
    return;
  if (!insert)
    SetMouseStatus(msRowSelect);
  UnselectAllCols();
  HideFocus(false);
  FirePendingSelectChanged();
  ApplyRowRule(shift, displayRow);
  ShowFocus(false);
}

void TtsBaseGrid::ApplyRowRule(TShiftState shift, int r)
{
  const int current = model_.CurrentDisplayRow();
  const int col = model_.CurrentDisplayCol();
  const TtsSelection& rows = model_.RowSelection();
  const bool listBoxRow = GridMode() == gmListBox && RowSelectMode() == rsSingle;
  const bool multi = RowSelectMode() == rsMulti && SelectionKind() == 2;
  if (CtrlOnly(shift) && !listBoxRow && !(RowSelectMode() == rsSingle && r != current)) {
    if (!model_.IsInsertRow(r))
      ToggleRows(r, r);
    MoveCurrentQuietly(col, r);
    return;
  }
  if (multi && ShiftOnly(shift)) {
    if (rows.Selected(current)) {
      SelectOnlyRows(current, r);
    } else {
      UnselectAllRows();
      MoveCurrentQuietly(col, r);
    }
    return;
  }
  if (multi && CtrlShift(shift)) {
    if (rows.Selected(current))
      SelectRows(current, r);
    else
      UnselectRows(current, r);
    MoveCurrentQuietly(col, r);
    return;
  }
  model_.ClearCellRange();
  SelectOnlyRows(r, r);
  MoveCurrentQuietly(col, r);
}

void TtsBaseGrid::HeadingPress(TShiftState shift, int /*x*/, int /*y*/, int displayCol, int /*displayRow*/)
{
  if (!IsSelectable(displayCol, -1))
    return;
  if (ColSelectMode == csMulti || ColMoving) {
    if (!CanLeaveCell())
      return;
    ColGrab(shift, displayCol);
  } else {
    MoveCurrentCell(displayCol, model_.CurrentDisplayRow());
  }
  mouse_.SelectEndCol = displayCol;
  mouse_.SelectEndRow = 0;
  FirePendingSelectChanged();
}

void TtsBaseGrid::ColGrab(TShiftState shift, int displayCol)
{
  const TtsSelection& cols = model_.ColSelection();
  if (ColMoving && !BeginsInFixed(cols, FixedCols()) &&
      (ColSelectMode == csNone || (Plain(shift) && cols.Selected(displayCol)))) {
    HideFocus(false);
    StartColMove(displayCol);
    return;
  }
  if (ColSelectMode != csMulti)
    return;
  SetMouseStatus(msColSelect);
  UnselectAllRows();
  HideFocus(false);
  FirePendingSelectChanged();
  ApplyColRule(cols.Count() == 0 ? TShiftState(0) : shift, displayCol);
  ShowFocus(false);
}

void TtsBaseGrid::ApplyColRule(TShiftState shift, int c)
{
  const int current = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  const TtsSelection& cols = model_.ColSelection();
  if (CtrlOnly(shift)) {
    ToggleCols(c, c);
    MoveCurrentQuietly(c, row);
    return;
  }
  if (ShiftOnly(shift)) {
    if (cols.Selected(current)) {
      SelectOnlyCols(current, c);
    } else {
      UnselectAllCols();
      MoveCurrentQuietly(c, row);
    }
    return;
  }
  if (CtrlShift(shift)) {
    if (cols.Selected(current))
      SelectCols(current, c);
    else
      UnselectCols(current, c);
    MoveCurrentQuietly(c, row);
    return;
  }
  model_.ClearCellRange();
  SelectOnlyCols(c, c);
  MoveCurrentQuietly(c, row);
}

void TtsBaseGrid::SelectAllPress(bool byMouse)
{
  if (byMouse && (RowSelectMode() != rsMulti || !CanLeaveCell()))
    return;
  if (byMouse)
    SetMouseStatus(msSelectAll);
  AtScopeEnd back{[&] {
    if (byMouse)
      SetMouseStatus(msNone);
  }};
  UnselectAllCols();
  model_.ClearCellRange();
  int visible = 0;
  for (int r = 1; r <= Rows(); ++r)
    visible += DisplayRowVisible(r) ? 1 : 0;
  if (byMouse && visible > 0 && CountSelectedRows(1, Rows()) == visible)
    UnselectAllRows();
  else
    SelectRows(1, Rows());
  FirePendingSelectChanged();
}

void TtsBaseGrid::CellRangePress(TShiftState shift, int x, int y, int displayCol, int displayRow)
{
  if (!IsSelectable(displayCol, displayRow) || !CanLeaveCell())
    return;
  if (model_.IsInsertRow(displayRow)) {
    CellClick(shift, x, displayRow, displayCol, y, true);
    return;
  }
  SetMouseStatus(msCellSelect);
  if (model_.HasCellRange() && (shift & platform::ssShift) != 0)
    ExtendCellRange(displayCol, displayRow);
  else if (model_.SelectedRange != MakeRange(displayCol, displayRow, displayCol, displayRow))
    StartCellRange(displayCol, displayRow);
  FirePendingSelectChanged();
}

void TtsBaseGrid::StartCellRange(int displayCol, int displayRow)
{
  if (model_.HasCellRange()) {
    RepaintRangeInState(model_.SelectedRange, {}, false);
  } else {
    UnselectAllRows();
    UnselectAllCols();
  }
  MoveCurrentQuietly(displayCol, displayRow);
  model_.SelectedRange = MakeRange(displayCol, displayRow, displayCol, displayRow);
  mouse_.SelectionAnchor = {displayCol, displayRow, displayCol, displayRow};
  RepaintRangeInState(model_.SelectedRange, {}, true);
  SelectionChanged(kSelectCellRange);
  FirePendingSelectChanged();
}

void TtsBaseGrid::ExtendCellRange(int displayCol, int displayRow)
{
  if (model_.IsInsertRow(displayRow))
    --displayRow;
  const int col = std::clamp(displayCol, FirstEnterableCol(), std::max(FirstEnterableCol(), LastEnterableCol()));
  const int row = std::clamp(displayRow, FirstEnterableRow(), std::max(FirstEnterableRow(), Rows()));
  if (row < 1 || col < 1)
    return;
  const platform::TRect& a = mouse_.SelectionAnchor;
  const TtsRange range = MakeRange(std::min(a.Left, col), std::min(a.Top, row), std::max(a.Left, col),
                                   std::max(a.Top, row));
  if (range == model_.SelectedRange)
    return;
  RepaintNewRange(range.Left, range.Top, range.Right, range.Bottom);
  model_.SelectedRange = range;
  SelectionChanged(kSelectCellRange);
  FirePendingSelectChanged();
}

// Drags ------------------------------------------------------------------------------------------------

void TtsBaseGrid::ExtendRowsTo(int target)
{
  if (model_.IsInsertRow(target))
    --target;
  target = std::max(target, FirstEnterableRow());
  const int current = model_.CurrentDisplayRow();
  // A drop-down list keeps its single row selected only while the pointer is over its data.
  if (target == current && model_.IsComboGrid && RowSelectMode() == rsSingle &&
      model_.RowSelection().Selected(current) != mouse_.InDataArea) {
    ToggleRows(current, current);
    FirePendingSelectChanged();
  }
  if (target == mouse_.SelectEndRow || target < 1)
    return;
  if (RowSelectMode() == rsMulti) {
    const int end = mouse_.SelectEndRow;
    const int low = std::min({current, end, target});
    const int high = std::max({current, end, target});
    for (int r = low; r <= high; ++r)
      if (Dragged(r, current, end) != Dragged(r, current, target))
        ToggleRows(r, r);
  } else if (RowSelectMode() == rsSingle) {
    target = std::min(target, LastEnterableRow());
    UnselectRows(mouse_.SelectEndRow, mouse_.SelectEndRow);
    MoveCurrentQuietly(model_.CurrentDisplayCol(), target);
    if (!model_.IsComboGrid || mouse_.InDataArea)
      SelectRows(target, target);
  }
  mouse_.SelectEndRow = target;
  FirePendingSelectChanged();
}

void TtsBaseGrid::ExtendColsTo(int target)
{
  target = std::max(target, FirstEnterableCol());
  if (target == mouse_.SelectEndCol || target < 1)
    return;
  const int current = model_.CurrentDisplayCol();
  const int end = mouse_.SelectEndCol;
  const int low = std::min({current, end, target});
  const int high = std::max({current, end, target});
  for (int c = low; c <= high; ++c)
    if (Dragged(c, current, end) != Dragged(c, current, target))
      ToggleCols(c, c);
  mouse_.SelectEndCol = target;
  FirePendingSelectChanged();
}

void TtsBaseGrid::DragRowSelection(int x, int y, int /*displayCol*/, int displayRow)
{
  mouse_.InDataArea = x >= 0 && x < ClientWidth() && y >= FixedHeight() && y < ClientHeight();
  if (CheckAutoscroll(true, y) || mouse_.AutoscrollBlocked)
    return;
  ExtendRowsTo(std::min(displayRow, Rows()));
}

void TtsBaseGrid::DragColSelection(int x, int /*y*/, int displayCol, int /*displayRow*/)
{
  if (CheckAutoscroll(false, x))
    return;
  ExtendColsTo(displayCol);
}

// Past the last visible column (row) the target is the last column (row) of the grid, in the row
// (column) under the pointer.
platform::TPoint TtsBaseGrid::CellRangeTarget(int x, int y) const
{
  const int lastCol = LastVisibleCol();
  const int lastRow = LastVisibleRow();
  const bool right = lastCol >= 1 && x > ColLeft(*this, lastCol) + ColWidth(lastCol) - 1;
  const bool below = lastRow >= 1 && y > RowTop(*this, lastRow) + RowHeight(lastRow) - 1;
  if (right)
    x = ColLeft(*this, lastCol) + ColWidth(lastCol) - 1 + VertLineWidth();
  if (below)
    y = RowTop(*this, lastRow) + RowHeight(lastRow) - 1 + HorzLineWidth();
  platform::TPoint cell = CellAtPointClamped(*this, std::max(x, 0), std::max(y, 0));
  if (right)
    cell.X = GridCols() - 1;
  if (below)
    cell.Y = GridRows() - 1;
  return cell;
}

void TtsBaseGrid::DragCellRange(int x, int y, int /*displayRow*/, int /*displayCol*/)
{
  const bool horizontal = CheckAutoscroll(false, x);
  const bool vertical = CheckAutoscroll(true, y);
  if (horizontal || vertical)
    return;
  const platform::TPoint target = CellRangeTarget(x, y);
  ExtendCellRange(target.X, target.Y);
}

void TtsBaseGrid::EndSelectDrag(TtsMouseStatus status, bool commit)
{
  if (!commit) {
    if (status == msRowSelect && !IsListBoxSingleRow())
      ToggleRows(model_.CurrentDisplayRow(), mouse_.SelectEndRow);
    else if (status == msColSelect)
      ToggleCols(model_.CurrentDisplayCol(), mouse_.SelectEndCol);
    else if (status == msCellSelect && model_.HasCellRange()) {
      RepaintRangeInState(model_.SelectedRange, {}, false);
      model_.ClearCellRange();
    }
  }
  FirePendingSelectChanged();
}

// Autoscroll -------------------------------------------------------------------------------------------

namespace {

// The first visible scrolled position: where scrolling back towards the fixed part ends.
template <class Visible>
int FirstScrolled(int fixed, int count, Visible visible)
{
  for (int i = fixed; i < count; ++i)
    if (visible(i))
      return i;
  return fixed;
}

}  // namespace

// Beyond the far edge while the grid can scroll on, or before the scrolled part while it can
// scroll back (not when what is dragged lies wholly in the fixed part): the loop starts.
// A drop-down list that just opened answers a request as handled without scrolling, until the
// pointer is back in its scrollable area.
bool TtsBaseGrid::CheckAutoscroll(bool vertical, int coordinate)
{
  if (mouse_.AutoscrollBlocked) {
    const int x = vertical ? mouse_.LastMove.X : coordinate;
    const int y = vertical ? coordinate : mouse_.LastMove.Y;
    if (x >= 0 && x < ClientWidth() && y >= FixedHeight() && y < ClientHeight()) {
      mouse_.AutoscrollBlocked = false;
      return false;
    }
    if (!AutoscrollRequest(vertical, coordinate))
      return false;
    if (!vertical)
      mouse_.AutoscrollBlocked = false;
    return true;
  }
  const int step = AutoscrollRequest(vertical, coordinate);
  if (step == 0)
    return false;
  if (step > 0 && MoveMarkerAtEnd(vertical))
    return true;
  (vertical ? mouse_.ScrollDy : mouse_.ScrollDx) = step;
  if (mouse_.Status == msCellSelect)
    (vertical ? mouse_.ScrollDx : mouse_.ScrollDy) = DiagonalStep(vertical, step);
  AutoScrollPass(0, 0);
  return true;
}

// A cell range scrolled along one axis goes diagonally while the pointer is also beyond an edge
// of the other: below the client area, or on the heading row (on the row bar) and above (left).
int TtsBaseGrid::DiagonalStep(bool vertical, int step) const
{
  const int x = mouse_.LastMove.X;
  const int y = mouse_.LastMove.Y;
  if (!vertical) {
    if (y >= ClientHeight())
      return 1;
    const int top = step > 0 ? (HeadingOn() ? HeadingHeight() : 0) : FixedHeight();
    return y <= top ? -1 : 0;
  }
  if (x >= ClientWidth())
    return 1;
  const int left = step < 0 ? FixedWidth() : (RowBarOn() ? RowBarWidth() : 0);
  return x <= left ? -1 : 0;
}

// The direction an autoscroll would take for a pointer coordinate on an axis, 0 for none.
int TtsBaseGrid::AutoscrollRequest(bool vertical, int coordinate)
{
  const int fixed = vertical ? FixedRows() : FixedCols();
  const int first = FirstScrolled(fixed, vertical ? GridRows() : GridCols(),
                                  [&](int i) { return vertical ? DisplayRowVisible(i) : DisplayColVisible(i); });
  const int topLeft = vertical ? TopRow() : LeftCol();
  const TtsRange& range = model_.SelectedRange;
  const TtsSelection& selection = vertical ? model_.RowSelection() : model_.ColSelection();
  int step = 0;
  if (coordinate >= (vertical ? ClientHeight() : ClientWidth()) && topLeft < (vertical ? MaxTopRow() : MaxLeftCol())) {
    step = 1;
  } else if (coordinate < (vertical ? FixedHeight() : FixedWidth()) && topLeft > first) {
    const bool fixedOnly = (model_.HasCellRange() && (vertical ? range.Bottom : range.Right) < fixed) ||
                           (selection.Count() > 0 && selection.Highest() < fixed);
    step = fixedOnly ? 0 : -1;
  }
  return step;
}

bool TtsBaseGrid::AutoScrolling() const { return autoScrollTimer_ && autoScrollTimer_->Enabled(); }

void TtsBaseGrid::StopAutoScroll()
{
  mouse_.ScrollDx = 0;
  mouse_.ScrollDy = 0;
  if (autoScrollTimer_)
    autoScrollTimer_->SetEnabled(false);
}

// One pass of the loop: extend what the action drags to the column or row the scroll reveals, then
// scroll by (dx, dy) where the grid can. (0, 0) only extends towards the edge, and starts the loop.
void TtsBaseGrid::AutoScrollPass(int dx, int dy)
{
  const bool pass = dx != 0 || dy != 0;
  if (mouse_.Status == msRowMove || mouse_.Status == msColMove) {
    MoveScrollPass(dx, dy);
    if (pass)
      return;
  } else {
    const int firstRow = FirstScrolled(FixedRows(), GridRows(), [this](int r) { return DisplayRowVisible(r); });
    const int firstCol = FirstScrolled(FixedCols(), GridCols(), [this](int c) { return DisplayColVisible(c); });
    if (pass) {
      const int row = std::clamp(TopRow() + dy, firstRow, std::max(firstRow, MaxTopRow()));
      const int col = std::clamp(LeftCol() + dx, firstCol, std::max(firstCol, MaxLeftCol()));
      if (row == TopRow() && col == LeftCol()) {
        EndAutoScroll();
        return;
      }
      SetTopLeftLimited(col, row);
    }
    ExtendTowardsEdge(!pass);
    if (pass) {
      if (CanPaintDirect())
        repaint();
      return;
    }
  }
  if (!autoScrollTimer_)
    autoScrollTimer_ = std::make_unique<platform::Timer>([this] {
      if (mouse_.ScrollDx == 0 && mouse_.ScrollDy == 0) {
        StopAutoScroll();
        return;
      }
      const QPoint screen = mapToGlobal(QPoint(mouse_.LastMove.X, mouse_.LastMove.Y));
      const int direction = mouse_.ScrollDx != 0 && mouse_.ScrollDy != 0 ? 2 : mouse_.ScrollDy != 0 ? 1 : 0;
      if (AutoScrollWait(screen.x(), screen.y(), direction))
        AutoScrollPass(mouse_.ScrollDx, mouse_.ScrollDy);
    });
  autoScrollTimer_->SetInterval(ScrollSpeed == spHigh && FastScrollDelay == 0 ? 0 : 10);
  autoScrollTimer_->SetEnabled(true);
}

// The selection follows the scroll: before the loop it reaches one past the view on the scrolled
// sides (rows and columns downwards and rightwards only to the last visible one), in a pass the
// column or row the scroll revealed; the other side follows the pointer.
void TtsBaseGrid::ExtendTowardsEdge(bool beforeLoop)
{
  const platform::TPoint under = CellAtPointClamped(*this, mouse_.LastMove.X, mouse_.LastMove.Y);
  const int ahead = beforeLoop ? 1 : 0;
  const bool range = mouse_.Status == msCellSelect;
  int edgeRow = under.Y;
  if (mouse_.ScrollDy > 0)
    edgeRow = std::min(LastVisibleRow() + (range ? ahead : 0), GridRows() - 1);
  else if (mouse_.ScrollDy < 0)
    edgeRow = std::max(TopRow() - ahead, 1);
  int edgeCol = under.X;
  if (mouse_.ScrollDx > 0)
    edgeCol = std::min(LastVisibleCol() + (range ? ahead : 0), GridCols() - 1);
  else if (mouse_.ScrollDx < 0)
    edgeCol = std::max(LeftCol() - ahead, 1);
  switch (mouse_.Status) {
    case msRowSelect: ExtendRowsTo(std::min(edgeRow, Rows())); break;
    case msColSelect: ExtendColsTo(edgeCol); break;
    case msCellSelect: ExtendCellRange(edgeCol, edgeRow); break;
    default: break;
  }
}

// The loop stops at the end of the grid: scrolling up or left, or a cell range scrolled any way
// but left alone, takes a last step to the cell under the pointer.
void TtsBaseGrid::EndAutoScroll()
{
  const int dx = mouse_.ScrollDx;
  const int dy = mouse_.ScrollDy;
  StopAutoScroll();
  const int x = mouse_.LastMove.X;
  const int y = mouse_.LastMove.Y;
  switch (mouse_.Status) {
    case msRowSelect:
      if (dy < 0)
        ExtendRowsTo(std::min(CellAtPointClamped(*this, x, y).Y, Rows()));
      break;
    case msColSelect:
      if (dx < 0)
        ExtendColsTo(CellAtPointClamped(*this, x, y).X);
      break;
    case msCellSelect:
      if (!(dx < 0 && dy == 0)) {
        const platform::TPoint target = CellRangeTarget(x, y);
        ExtendCellRange(target.X, target.Y);
      }
      break;
    default: break;
  }
}

}  // namespace grid
