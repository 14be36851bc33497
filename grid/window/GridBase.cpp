#include "grid/window/GridBase.h"

#include "grid/model/GridServices.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace grid {

namespace {

[[noreturn]] void BaseError(const char* text) { throw EInvalidGridOperation(text); }

constexpr const char* kIndexOutOfRange = "Grid index out of range";

}  // namespace

int TGridAxisLayout::Extent(int index) const { return Columns ? Grid->ColWidth(index) : Grid->RowHeight(index); }

TCustomGrid_ts::TCustomGrid_ts(QWidget* parent) : CustomControl(parent)
{
  SetColor(platform::clWindow);
  resize(colCount_ * defaultColWidth_, rowCount_ * defaultRowHeight_);
}

// Counts -------------------------------------------------------------------------------------------

void TCustomGrid_ts::SetGridCols(int count)
{
  if (count == colCount_)
    return;
  count = std::max(count, 1);
  if (fixedCols_ >= count)
    SetFixedCols(count - 1);
  SetGridSize(count, rowCount_);
  if (HasOption(goRowSelect)) {
    anchor_.X = colCount_ - 1;
    InvalidateGridWindow();
  }
}

void TCustomGrid_ts::SetGridRows(int count)
{
  if (count == rowCount_)
    return;
  count = std::max(count, 1);
  if (fixedRows_ >= count)
    SetFixedRows(count - 1);
  SetGridSize(colCount_, count);
}

void TCustomGrid_ts::StoreFixed(bool columns, int count)
{
  if (count < 0)
    BaseError(kIndexOutOfRange);
  if (columns && count >= colCount_)
    BaseError("Fixed column count must be less than column count");
  if (!columns && count >= rowCount_)
    BaseError("Fixed row count must be less than row count");
  (columns ? fixedCols_ : fixedRows_) = count;
  topLeft_ = current_ = anchor_ = {fixedCols_, fixedRows_};
  if (HasOption(goRowSelect))
    anchor_.X = colCount_ - 1;
  InvalidateGridWindow();
}

void TCustomGrid_ts::SetFixedCols(int count)
{
  if (count != fixedCols_)
    StoreFixed(true, count);
}

void TCustomGrid_ts::SetFixedRows(int count)
{
  if (count != fixedRows_)
    StoreFixed(false, count);
}

void TCustomGrid_ts::SetGridSize(int cols, int rows)
{
  const int oldCols = colCount_;
  const int oldRows = rowCount_;
  try {
    SizeSteps(cols, rows);
  } catch (...) {
    try {
      SizeSteps(oldCols, oldRows);
    } catch (...) {
    }
    InvalidateGridWindow();
    throw;
  }
  NotifySize(oldCols, oldRows);
}

void TCustomGrid_ts::SizeSteps(int cols, int rows)
{
  const TGridCoord oldTopLeft = topLeft_;
  colCount_ = cols;
  rowCount_ = rows;
  if (fixedCols_ > cols)
    fixedCols_ = cols - 1;
  if (fixedRows_ > rows)
    fixedRows_ = rows - 1;
  colWidths_.SetCount(cols, defaultColWidth_);
  rowHeights_.SetCount(rows, defaultRowHeight_);
  topLeft_.X = std::clamp(topLeft_.X, fixedCols_, std::max(fixedCols_, cols - 1));
  topLeft_.Y = std::clamp(topLeft_.Y, fixedRows_, std::max(fixedRows_, rows - 1));
  if (current_.X >= cols || current_.Y >= rows) {
    current_ = {std::min(current_.X, cols - 1), std::min(current_.Y, rows - 1)};
    anchor_ = current_;
    ScrollIntoView(current_);
  }
  if (anchor_.X >= cols || anchor_.Y >= rows)
    anchor_ = current_;
  if (topLeft_ != oldTopLeft) {
    InvalidateGridWindow();
    return;
  }
  // Only the bands gained or lost.
  const TGridLayout layout = ComputeLayout();
  InvalidateRect(QRect(QPoint(0, 0), QSize(layout.Horz.GridExtent, layout.Vert.GridExtent)));
}

// Extents -------------------------------------------------------------------------------------------

void TCustomGrid_ts::SetDefaultColWidth(int width)
{
  colWidths_.Drop();
  defaultColWidth_ = width;
  NotifyColWidths();
  InvalidateGridWindow();
}

void TCustomGrid_ts::SetDefaultRowHeight(int height)
{
  rowHeights_.Drop();
  defaultRowHeight_ = height;
  NotifyRowHeights();
  InvalidateGridWindow();
}

void TCustomGrid_ts::SetColWidth(int col, int width)
{
  if (!colWidths_.Allocated())
    colWidths_.Allocate(colCount_, defaultColWidth_);
  if (col < 0 || col >= colCount_)
    BaseError(kIndexOutOfRange);
  if (colWidths_.Get(col, defaultColWidth_) == width)
    return;
  InvalidateGridWindow();
  colWidths_.Set(col, width);
  NotifyColWidths();
}

void TCustomGrid_ts::SetRowHeight(int row, int height)
{
  if (!rowHeights_.Allocated())
    rowHeights_.Allocate(rowCount_, defaultRowHeight_);
  if (row < 0 || row >= rowCount_)
    BaseError(kIndexOutOfRange);
  if (rowHeights_.Get(row, defaultRowHeight_) == height)
    return;
  InvalidateGridWindow();
  rowHeights_.Set(row, height);
  NotifyRowHeights();
}

void TCustomGrid_ts::SetGridLineWidth(int width)
{
  if (width == gridLineWidth_)
    return;
  gridLineWidth_ = width;
  InvalidateGridWindow();
}

void TCustomGrid_ts::SetOptions(TGridOptions options)
{
  if (options == options_)
    return;
  if (options & GridOptionBit(goRowSelect))
    options &= TGridOptions(~GridOptionBit(goAlwaysShowEditor));
  options_ = options;
  if (HasOption(goRowSelect))
    SetCurrentCell(current_.X, current_.Y, true, false);
  InvalidateGridWindow();
}

void TCustomGrid_ts::SetBaseScrollBars(TGridScrollBars bars)
{
  if (bars == scrollBars_)
    return;
  scrollBars_ = bars;
  InvalidateGridWindow();
}

void TCustomGrid_ts::SetBorderStyle(TGridBorderStyle style)
{
  if (style == borderStyle_)
    return;
  borderStyle_ = style;
  InvalidateGridWindow();
}

bool TCustomGrid_ts::EditorAllowed() const
{
  return HasOption(goEditing) && !HasOption(goRowSelect) && editorMode_ &&
         (HasOption(goAlwaysShowEditor) || hasFocus());
}

// Layout --------------------------------------------------------------------------------------------

int TCustomGrid_ts::LineWidthOf(bool columns) const
{
  const TGridOptions lines = columns ? GridOptionBit(goFixedVertLine) | GridOptionBit(goVertLine)
                                     : GridOptionBit(goFixedHorzLine) | GridOptionBit(goHorzLine);
  return (options_ & lines) ? gridLineWidth_ : 0;
}

void TCustomGrid_ts::ComputeAxis(TGridAxisLayout& axis, int fixedCount, int firstCell, int cellCount,
                                 int clientExtent) const
{
  axis.Grid = this;
  axis.LineWidth = LineWidthOf(axis.Columns);
  axis.FixedCellCount = fixedCount;
  axis.FirstGridCell = firstCell;
  axis.GridCellCount = cellCount;
  axis.GridExtent = clientExtent;
  axis.FixedBoundary = 0;
  for (int i = 0; i < fixedCount; ++i)
    axis.FixedBoundary += axis.Extent(i) + axis.LineWidth;
  axis.GridBoundary = axis.FixedBoundary;
  axis.FullVisBoundary = axis.FixedBoundary;
  axis.LastFullVisibleCell = firstCell;
  for (int i = firstCell; i < cellCount; ++i) {
    axis.GridBoundary += axis.Extent(i) + axis.LineWidth;
    if (axis.GridBoundary > clientExtent + axis.LineWidth) {
      axis.GridBoundary = clientExtent;
      break;
    }
    axis.LastFullVisibleCell = i;
    axis.FullVisBoundary = axis.GridBoundary;
  }
}

TGridLayout TCustomGrid_ts::ComputeLayout() const
{
  TGridLayout layout;
  layout.Horz.Columns = true;
  layout.Vert.Columns = false;
  ComputeAxis(layout.Horz, fixedCols_, topLeft_.X, colCount_, ClientWidth());
  ComputeAxis(layout.Vert, fixedRows_, topLeft_.Y, rowCount_, ClientHeight());
  return layout;
}

namespace {

int CellAt(const TGridAxisLayout& axis, int n)
{
  if (n < 0)
    return -1;
  int start = 0;
  int i = 0;
  if (n >= axis.FixedBoundary) {
    start = axis.FixedBoundary;
    i = axis.FirstGridCell;
  }
  for (; i < axis.GridCellCount; ++i) {
    start += axis.Extent(i) + axis.LineWidth;
    if (n < start)
      return i;
  }
  return -1;
}

// The left (top) edge of a cell on screen; 0 when it is scrolled out or beyond the client extent.
int CellEdge(const TGridAxisLayout& axis, int cell)
{
  int edge = 0;
  int i = 0;
  if (cell >= axis.FixedCellCount) {
    if (cell < axis.FirstGridCell)
      return 0;
    edge = axis.FixedBoundary;
    i = axis.FirstGridCell;
  }
  for (; i < cell; ++i) {
    edge += axis.Extent(i) + axis.LineWidth;
    if (edge > axis.GridExtent)
      return 0;
  }
  return edge;
}

// One axis of RangeBounds: false when the range shows nothing on this axis.
bool AxisBounds(const TGridAxisLayout& axis, int first, int last, bool includeLine, int& start, int& end)
{
  if (first > axis.LastFullVisibleCell + 1)
    return false;
  if (first >= axis.FixedCellCount && first < axis.FirstGridCell) {
    if (last < axis.FirstGridCell)
      return false;
    first = axis.FirstGridCell;
  }
  if (last > axis.LastFullVisibleCell) {
    const int next = axis.LastFullVisibleCell + 1;
    last = next < axis.GridCellCount && CellEdge(axis, next) != 0 ? next : axis.LastFullVisibleCell;
  }
  start = CellEdge(axis, first);
  const int lastEdge = CellEdge(axis, last);
  end = lastEdge != 0 ? lastEdge + axis.Extent(last) : start + axis.Extent(first);
  end = std::min(end, axis.GridExtent);
  if (includeLine)
    end += axis.LineWidth;
  return true;
}

}  // namespace

TGridCoord TCustomGrid_ts::CellAtPoint(int x, int y) const
{
  const TGridLayout layout = ComputeLayout();
  const TGridCoord cell{CellAt(layout.Horz, x), CellAt(layout.Vert, y)};
  if (cell.X < 0 || cell.Y < 0)
    return {-1, -1};
  return cell;
}

QRect TCustomGrid_ts::RangeBounds(TGridRect range, bool includeLine) const
{
  if (range.Right < range.Left || range.Bottom < range.Top)
    return {};
  const TGridLayout layout = ComputeLayout();
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  if (!AxisBounds(layout.Horz, range.Left, range.Right, includeLine, left, right) ||
      !AxisBounds(layout.Vert, range.Top, range.Bottom, includeLine, top, bottom))
    return {};
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void TCustomGrid_ts::RepaintRange(TGridRect range)
{
  const QRect rect = RangeBounds(range, true);
  if (!rect.isEmpty())
    InvalidateRect(rect);
}

namespace {

int MaxTopLeft(const TGridAxisLayout& axis, int target)
{
  if (target < axis.FixedCellCount)
    return target;
  int result = target;
  int line = axis.GridExtent + axis.LineWidth;
  for (int i = target; i >= axis.FixedCellCount; --i) {
    const int extent = axis.Extent(i);
    if (extent <= 0)
      continue;
    line -= extent + axis.LineWidth;
    if (line < axis.FixedBoundary) {
      if (result == target && axis.Extent(target) <= 0)
        result = i;
      break;
    }
    result = i;
  }
  return result;
}

}  // namespace

TGridCoord TCustomGrid_ts::LastTopLeft(TGridCoord cell) const
{
  const TGridLayout layout = ComputeLayout();
  return {MaxTopLeft(layout.Horz, cell.X), MaxTopLeft(layout.Vert, cell.Y)};
}

// Top-left moves -----------------------------------------------------------------------------------

void TCustomGrid_ts::SetLeftCol(int col)
{
  if (col != topLeft_.X)
    ScrollToTopLeft(col, topLeft_.Y);
}

void TCustomGrid_ts::SetTopRow(int row)
{
  if (row != topLeft_.Y)
    ScrollToTopLeft(topLeft_.X, row);
}

void TCustomGrid_ts::ScrollToTopLeft(int col, int row)
{
  if (col == topLeft_.X && row == topLeft_.Y)
    return;
  const TGridCoord old = topLeft_;
  topLeft_ = {col, row};
  AfterTopLeftMove(old);
}

void TCustomGrid_ts::ScrollIntoView(TGridCoord cell)
{
  const TGridLayout layout = ComputeLayout();
  auto inView = [](int c, int first, int last, int fixed) { return c < fixed || (c >= first && c <= last); };
  if (inView(cell.X, topLeft_.X, layout.Horz.LastFullVisibleCell, fixedCols_) &&
      inView(cell.Y, topLeft_.Y, layout.Vert.LastFullVisibleCell, fixedRows_))
    return;
  const TGridCoord old = topLeft_;
  const TGridCoord last = LastTopLeft(cell);
  if (cell.X >= fixedCols_) {
    if (cell.X < topLeft_.X)
      topLeft_.X = cell.X;
    else if (cell.X > layout.Horz.LastFullVisibleCell)
      topLeft_.X = last.X;
  }
  if (cell.Y >= fixedRows_) {
    if (cell.Y < topLeft_.Y)
      topLeft_.Y = cell.Y;
    else if (cell.Y > layout.Vert.LastFullVisibleCell)
      topLeft_.Y = last.Y;
  }
  if (topLeft_ != old)
    AfterTopLeftMove(old);
}

namespace {

// The pixel shift between two first scrollable cells: negative when moving forward; false when it
// exceeds the scrollable part.
bool PixelShift(const TGridAxisLayout& axis, int oldFirst, int newFirst, int& shift)
{
  int sum = 0;
  for (int i = std::min(oldFirst, newFirst); i < std::max(oldFirst, newFirst); ++i) {
    sum += axis.Extent(i) + axis.LineWidth;
    if (sum > axis.GridBoundary - axis.FixedBoundary)
      return false;
  }
  shift = newFirst > oldFirst ? -sum : sum;
  return true;
}

}  // namespace

void TCustomGrid_ts::AfterTopLeftMove(TGridCoord oldTopLeft)
{
  const TGridLayout layout = ComputeLayout();
  int dx = 0;
  int dy = 0;
  if (PixelShift(layout.Horz, oldTopLeft.X, topLeft_.X, dx) && PixelShift(layout.Vert, oldTopLeft.Y, topLeft_.Y, dy))
    ScrollContents(dx, dy, layout);
  else
    InvalidateGridWindow();
  NotifyTopLeft();
}

void TCustomGrid_ts::ScrollContents(int dx, int dy, const TGridLayout& layout)
{
  // The back buffer is drawn whole: the moved bands are painted again.
  const int width = ClientWidth();
  const int height = ClientHeight();
  if (dy == 0) {
    InvalidateRect(QRect(layout.Horz.FixedBoundary, 0, width - layout.Horz.FixedBoundary, height));
  } else if (dx == 0) {
    InvalidateRect(QRect(0, layout.Vert.FixedBoundary, width, height - layout.Vert.FixedBoundary));
  } else {
    InvalidateRect(QRect(layout.Horz.FixedBoundary, 0, width - layout.Horz.FixedBoundary, height));
    InvalidateRect(QRect(0, layout.Vert.FixedBoundary, layout.Horz.FixedBoundary, height - layout.Vert.FixedBoundary));
  }
}

// Current cell ------------------------------------------------------------------------------------

void TCustomGrid_ts::SetCurrentCell(int col, int row, bool moveAnchor, bool show)
{
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
    BaseError(kIndexOutOfRange);
  if (!CanSelectCell(col, row))
    return;
  const TGridCoord oldCurrent = current_;
  const TGridCoord oldAnchor = anchor_;
  current_ = {col, row};
  if (HasOption(goRowSelect))
    current_.X = fixedCols_;
  if (moveAnchor || !HasOption(goRangeSelect)) {
    anchor_ = current_;
    if (HasOption(goRowSelect))
      anchor_.X = colCount_ - 1;
  }
  if (show)
    ScrollIntoView(current_);
  auto selection = [](TGridCoord a, TGridCoord b) {
    return TGridRect{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
  };
  RepaintRange(selection(oldCurrent, oldAnchor));
  RepaintRange(selection(current_, anchor_));
}

void TCustomGrid_ts::SetAnchorCell(TGridCoord cell)
{
  anchor_ = cell;
  RepaintRange({std::min(current_.X, cell.X), std::min(current_.Y, cell.Y), std::max(current_.X, cell.X),
                std::max(current_.Y, cell.Y)});
}

void TCustomGrid_ts::RemoveColumn(int col)
{
  colWidths_.Move(col, colCount_ - 1);
  NotifyColumnMoved(col, colCount_ - 1);
  SetGridCols(colCount_ - 1);
}

void TCustomGrid_ts::RemoveRow(int row)
{
  rowHeights_.Move(row, rowCount_ - 1);
  NotifyRowMoved(row, rowCount_ - 1);
  SetGridRows(rowCount_ - 1);
}

// Window ---------------------------------------------------------------------------------------------

void TCustomGrid_ts::InvalidateRect(const QRect& rect)
{
  pendingPaint_ += rect;
  update(rect);
}

void TCustomGrid_ts::Invalidate()
{
  pendingPaint_ = QRegion(rect());
  CustomControl::Invalidate();
}

QRegion TCustomGrid_ts::TakePendingPaint()
{
  QRegion pending;
  std::swap(pending, pendingPaint_);
  return pending;
}

void TCustomGrid_ts::InvalidateGridWindow() { Invalidate(); }

bool TCustomGrid_ts::MouseWheel(platform::TShiftState shift, int delta, int x, int y)
{
  return DoMouseWheel(shift, delta, x, y);
}

}  // namespace grid
