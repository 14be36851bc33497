// Resizing columns and rows at their borders (with the double-click restore of the size last set
// by program) and moving the selected columns or rows to where the inverted drop line stands.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"

#include <algorithm>
#include <cmath>

namespace grid {

namespace {

// The size last set by program: the one the mouse replaced while the mouse's still holds.
int ProgramSize(int current, int setByMouse, int before) { return current == setByMouse ? before : current; }

}  // namespace

// Resizing ---------------------------------------------------------------------------------------------

// Where the sizing line ends: at the remembered size after a double click on the unmoved border,
// else at the pointer, up to the client extent. The new extent, 0 when the line is at or before
// the start.
int TtsBaseGrid::EndResizeExtent(int start, int extent, int coordinate, int client, int remembered)
{
  if (mouse_.BorderDblClick && start + extent == mouse_.ResizeLinePos + 1) {
    mouse_.ResizeLinePos = start + remembered - 1;
  } else {
    mouse_.ResizeLinePos = coordinate + mouse_.ResizeOffset;
    if (!(model_.IsComboGrid && Designing()))
      mouse_.ResizeLinePos = std::min(mouse_.ResizeLinePos, client);
  }
  mouse_.BorderDblClick = false;
  return mouse_.ResizeLinePos > start ? mouse_.ResizeLinePos - start + 1 : 0;
}

void TtsBaseGrid::EndColResize(int x, bool commit)
{
  const int index = mouse_.ResizeIndex;
  const int left = ColLeft(*this, index);
  DrawSizingLine();
  if (!commit || left < 0) {
    mouse_.BorderDblClick = false;
    return;
  }
  TtsCol& col = model_.Col(model_.DataColOf(index));
  const int remembered = index != 0 && ResizeCols == rcAll
                             ? ProgramSize(DefaultColWidth(), mouse_.MouseDefaultColWidth, mouse_.ProgramDefaultColWidth)
                             : col.AssignedWidth();
  const int width = EndResizeExtent(left, ColWidth(index), x, ClientWidth(), remembered);
  if (width == 0 || width == ColWidth(index))
    return;
  if (index != 0 && ResizeCols == rcAll)
    SetAllColWidths(width, true);
  else
    col.SetShownWidth(width);
  ReapplyTopLeft(false);
}

void TtsBaseGrid::EndRowResize(int y, bool commit)
{
  const int index = mouse_.ResizeIndex;
  const int top = RowTop(*this, index);
  DrawSizingLine();
  if (!commit || top < 0) {
    mouse_.BorderDblClick = false;
    return;
  }
  const int dataRow = model_.DataRowOf(index);
  const int remembered =
      index != 0 && ResizeRows == rrAll
          ? ProgramSize(DefaultRowHeight(), mouse_.MouseDefaultRowHeight, mouse_.ProgramDefaultRowHeight)
          : model_.GridRows().AssignedHeightOf(dataRow);
  const int height = EndResizeExtent(top, RowHeight(index), y, ClientHeight(), remembered);
  if (height == 0 || height == RowHeight(index))
    return;
  if (index != 0 && ResizeRows == rrAll)
    SetAllRowHeights(height, true);
  else
    model_.ChangeRow(dataRow, [height](TtsRow& row) { row.SetShownHeight(height); });
  ReapplyTopLeft(false);
  if (CanPaintDirect())
    repaint();
}

void TtsBaseGrid::SetAllColWidths(int width, bool keepInView)
{
  const int oldLeft = ColLeft(*this, mouse_.ResizeIndex);
  LockLayout(false);
  mouse_.ProgramDefaultColWidth =
      ProgramSize(DefaultColWidth(), mouse_.MouseDefaultColWidth, mouse_.ProgramDefaultColWidth);
  ColWidthBySetter = true;
  SetDefaultColWidth(width);
  ColWidthBySetter = false;
  for (int c = 1; c <= Cols(); ++c)
    model_.Col(c).SetShownWidth(width);
  mouse_.MouseDefaultColWidth = width;
  LockLayout(true);
  if (keepInView)
    KeepColInView(mouse_.ResizeIndex, width, oldLeft);
}

void TtsBaseGrid::SetAllRowHeights(int height, bool keepInView)
{
  const int oldTop = RowTop(*this, mouse_.ResizeIndex);
  LockLayout(false);
  mouse_.ProgramDefaultRowHeight =
      ProgramSize(DefaultRowHeight(), mouse_.MouseDefaultRowHeight, mouse_.ProgramDefaultRowHeight);
  RowHeightBySetter = true;
  SetDefaultRowHeight(height);
  RowHeightBySetter = false;
  for (int r = 1; r <= Rows(); ++r)
    if (model_.GridRows().At(r))
      model_.ChangeRow(r, [height](TtsRow& row) { row.SetShownHeight(height); });
  mouse_.MouseDefaultRowHeight = height;
  LockLayout(true);
  if (keepInView)
    KeepRowInView(mouse_.ResizeIndex, height, oldTop);
}

namespace {

// The first scrolled position that keeps `index`, whose leading edge stood at `oldStart`, where
// it was with all items `extent` long; `fixed` the first scrolled position.
int KeepInView(int index, int extent, int oldStart, int fixedExtent, int client, int fixed, int count)
{
  extent = std::max(extent, 1);
  int first = int(std::nearbyint(index - double(oldStart - fixedExtent) / extent));
  if (first > index) {
    first = index;
  } else {
    while (first < index && extent * (index - first + 1) > client - fixedExtent)
      ++first;
  }
  const int perPage = std::min((client - fixedExtent) / extent + 1, count - 1);
  if (first + perPage > count) {
    first = count - perPage;
    if (perPage < count - 1)
      ++first;
  }
  return std::max(first, fixed);
}

}  // namespace

void TtsBaseGrid::KeepColInView(int displayCol, int width, int oldLeft)
{
  if (displayCol < FixedCols() || FixedWidth() >= ClientWidth() || oldLeft < 0)
    return;
  const int left = KeepInView(displayCol, width, oldLeft, FixedWidth(), ClientWidth(), FixedCols(), GridCols());
  if (left != LeftCol())
    SetTopLeftLimited(left, TopRow());
}

void TtsBaseGrid::KeepRowInView(int displayRow, int height, int oldTop)
{
  if (displayRow < FixedRows() || FixedHeight() >= ClientHeight() || oldTop < 0)
    return;
  const int top = KeepInView(displayRow, height, oldTop, FixedHeight(), ClientHeight(), FixedRows(), GridRows());
  if (top != TopRow())
    SetTopLeftLimited(LeftCol(), top);
}

// Moving -----------------------------------------------------------------------------------------------

bool TtsBaseGrid::MoveChangesNothing(bool cols) const
{
  const TtsSelection& selection = cols ? model_.ColSelection() : model_.RowSelection();
  const int low = std::min(mouse_.MoveSource, mouse_.MoveTarget);
  const int high = std::max(mouse_.MoveSource, mouse_.MoveTarget);
  for (int i = low; i <= high; ++i)
    if (!selection.Selected(i) && (cols ? DisplayColVisible(i) : DisplayRowVisible(i)))
      return false;
  return true;
}

void TtsBaseGrid::StartColMove(int displayCol)
{
  mouse_.ColMoveAtEnd = false;
  SetCursorNumber(platform::crDrag);
  SetMouseStatus(msColMove);
  mouse_.MoveSource = mouse_.MoveTarget = displayCol;
  mouse_.ColMoveLineShown = false;
  DrawColMoveLine();
}

void TtsBaseGrid::StartRowMove(int displayRow)
{
  mouse_.RowMoveAtEnd = false;
  SetCursorNumber(platform::crDrag);
  SetMouseStatus(msRowMove);
  mouse_.MoveSource = mouse_.MoveTarget = displayRow;
  mouse_.RowMoveLineShown = false;
  DrawRowMoveLine();
}

// x (y) is -1 when the autoscroll loop moves the target.
void TtsBaseGrid::DragColMove(int x, int displayCol)
{
  if (x >= 0 && CheckAutoscroll(false, x))
    return;
  const int last = LastEnterableCol();
  if (x >= 0 && mouse_.MoveTarget == last && last != mouse_.MoveSource)
    mouse_.ColMoveAtEnd = x >= ColLeft(*this, last) && ColLeft(*this, last) >= 0;
  const int col = std::clamp(displayCol, FirstScrollableEnterableCol(), std::max(last, 1));
  if (col != mouse_.MoveTarget) {
    if (mouse_.ColMoveAtEnd) {
      DrawColMoveLine();
      mouse_.ColMoveAtEnd = false;
    }
    EraseMoveLine();
    mouse_.MoveTarget = col;
    DrawColMoveLine();
  } else if (!mouse_.ColMoveLineShown) {
    DrawColMoveLine();
  }
}

void TtsBaseGrid::DragRowMove(int y, int displayRow)
{
  if (y >= 0 && CheckAutoscroll(true, y))
    return;
  const int last = std::min(LastEnterableRow(), Rows());
  if (y >= 0 && mouse_.MoveTarget == last && last != mouse_.MoveSource)
    mouse_.RowMoveAtEnd = y >= RowTop(*this, last) && RowTop(*this, last) >= 0;
  if (model_.IsInsertRow(displayRow))
    --displayRow;
  const int row = std::clamp(displayRow, FirstScrollableEnterableRow(), std::max(last, 1));
  if (row != mouse_.MoveTarget) {
    if (mouse_.RowMoveAtEnd) {
      DrawRowMoveLine();
      mouse_.RowMoveAtEnd = false;
    }
    EraseMoveLine();
    mouse_.MoveTarget = row;
    DrawRowMoveLine();
  } else if (!mouse_.RowMoveLineShown) {
    DrawRowMoveLine();
  }
}

// A move scrolling on towards the end whose drop marker already stands at the last column (row),
// with that on screen, has nowhere further to go.
bool TtsBaseGrid::MoveMarkerAtEnd(bool rows) const
{
  if (rows)
    return mouse_.Status == msRowMove && LastVisibleRow() >= GridRows() - 1 &&
           mouse_.MoveTarget == std::min(LastEnterableRow(), Rows());
  return mouse_.Status == msColMove && LastVisibleCol() >= GridCols() - 1 && mouse_.MoveTarget == LastEnterableCol();
}

// The autoscroll loop of a move: the target follows the scroll. Towards the end the line stays
// hidden while the grid scrolls and is drawn after the last column (row) once that is on screen;
// towards the start the target is the column (row) before the first shown while the grid can
// scroll further, and the first shown with its line when it cannot.
void TtsBaseGrid::MoveScrollPass(int dx, int dy)
{
  const bool rows = mouse_.Status == msRowMove;
  const int step = rows ? (dy != 0 ? dy : mouse_.ScrollDy) : (dx != 0 ? dx : mouse_.ScrollDx);
  const bool beforeLoop = dx == 0 && dy == 0;
  bool& atEnd = rows ? mouse_.RowMoveAtEnd : mouse_.ColMoveAtEnd;
  const bool& lineShown = rows ? mouse_.RowMoveLineShown : mouse_.ColMoveLineShown;
  const int fixed = rows ? FixedRows() : FixedCols();
  const int count = rows ? GridRows() : GridCols();
  const int last = rows ? std::min(LastEnterableRow(), Rows()) : LastEnterableCol();
  const int first = rows ? FirstScrollableEnterableRow() : FirstScrollableEnterableCol();
  auto topLeft = [&] { return rows ? TopRow() : LeftCol(); };
  auto lastVisible = [&] { return rows ? LastVisibleRow() : LastVisibleCol(); };
  auto fully = [&] { return rows ? FullyVisibleRowCount() : FullyVisibleColCount(); };
  auto draw = [&] { rows ? DrawRowMoveLine() : DrawColMoveLine(); };
  auto scroll = [&](int by) {
    const int limit = rows ? MaxTopRow() : MaxLeftCol();
    const int to = std::clamp(topLeft() + by, fixed, std::max(fixed, limit));
    if (to == topLeft())
      return false;
    EraseMoveLine();
    if (rows)
      SetTopLeftLimited(LeftCol(), to);
    else
      SetTopLeftLimited(to, TopRow());
    return to == topLeft();
  };
  auto retarget = [&](int target) {
    EraseMoveLine();
    mouse_.MoveTarget = target;
  };
  int& target = mouse_.MoveTarget;
  if (step > 0) {
    if (beforeLoop) {
      if (target >= topLeft() && target <= lastVisible()) {
        if (target == last && target != mouse_.MoveSource && !atEnd) {
          draw();
          atEnd = lineShown;
        }
        retarget(std::min(topLeft() + fully() + 1, last));
      }
      return;
    }
    if (topLeft() + fully() < count && scroll(1)) {
      atEnd = false;
      retarget(std::min(topLeft() + fully() + 1, last));
      if (topLeft() + fully() >= count) {
        draw();
        atEnd = lineShown;
      }
    } else {
      if (!atEnd) {
        retarget(last);
        draw();
        atEnd = lineShown;
      }
      StopAutoScroll();
    }
    if (CanPaintDirect())
      repaint();
    return;
  }
  if (beforeLoop) {
    if (lineShown && target >= topLeft() && target <= lastVisible() && target >= fixed)
      EraseMoveLine();
    return;
  }
  if (topLeft() > first && scroll(-1)) {
    if (topLeft() > first) {
      retarget(std::max(topLeft() - 1, first));
    } else {
      retarget(topLeft());
      draw();
    }
  } else {
    if (target != topLeft()) {
      retarget(topLeft());
      draw();
    }
    StopAutoScroll();
  }
  if (CanPaintDirect())
    repaint();
}

void TtsBaseGrid::DrawColMoveLine()
{
  const int target = mouse_.MoveTarget;
  if (target < LeftCol() || target > LastVisibleCol() || MoveChangesNothing(true))
    return;
  const int left = ColLeft(*this, target);
  if (left < 0)
    return;
  const int x = target > mouse_.MoveSource ? left + ColWidth(target) : left;
  const bool rowsBelow = TopRow() + FullyVisibleRowCount() < GridRows();
  const int bottom = (rowsBelow ? ClientHeight() : LastRowBottom()) + 1;
  if (x + 2 > ClientWidth())
    return;
  FlipFeedback({{x, 0, x + 2, bottom}, false});
  mouse_.ColMoveLineShown = !mouse_.ColMoveLineShown;
}

void TtsBaseGrid::DrawRowMoveLine()
{
  const int target = mouse_.MoveTarget;
  if (target < TopRow() || target > LastVisibleRow() || MoveChangesNothing(false))
    return;
  const int top = RowTop(*this, target);
  if (top < 0)
    return;
  const int y = target > mouse_.MoveSource ? top + RowHeight(target) : top;
  int right = ClientWidth();
  if (LeftCol() + FullyVisibleColCount() >= GridCols()) {
    const platform::TRect last = CellRect(*this, GridCols() - 1, TopRow());
    right = last.IsEmpty() ? right : last.Right + VertLineWidth();
  }
  if (y + 1 > ClientHeight())
    return;
  FlipFeedback({{0, y, right, y + 2}, false});
  mouse_.RowMoveLineShown = !mouse_.RowMoveLineShown;
}

void TtsBaseGrid::EraseMoveLine()
{
  auto& lines = mouse_.Feedback;
  for (auto it = lines.begin(); it != lines.end();) {
    if (it->Dotted) {
      ++it;
      continue;
    }
    InvalidateRect(QRect(it->Rect.Left, it->Rect.Top, it->Rect.Width(), it->Rect.Height()));
    it = lines.erase(it);
  }
  mouse_.ColMoveLineShown = false;
  mouse_.RowMoveLineShown = false;
}

void TtsBaseGrid::EndColMove(bool commit)
{
  EraseMoveLine();
  SetCursorNumber(Cursor);
  if (!commit || MoveChangesNothing(true))
    return;
  model_.MoveColumns(mouse_.MoveSource, mouse_.MoveTarget);
  MoveCurrentQuietly(mouse_.MoveTarget, model_.CurrentDisplayRow());
  ShowFocus(false);
  NotifyCellMoved();
}

void TtsBaseGrid::EndRowMove(bool commit)
{
  EraseMoveLine();
  SetCursorNumber(Cursor);
  if (!commit || MoveChangesNothing(false))
    return;
  const int dataRow = CurrentDataRow();
  model_.MoveRows(mouse_.MoveSource, mouse_.MoveTarget);
  MoveCurrentQuietly(model_.CurrentDisplayCol(), model_.DisplayRowOf(dataRow));
  ShowFocus(false);
  NotifyCellMoved();
}

}  // namespace grid
