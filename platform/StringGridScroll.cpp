// Scrolling and geometry of the string grid: the top-left cell, the scroll bars, cell rectangles.

#include "platform/StringGrid.h"

#include "platform/StringGridEditor.h"

#include <algorithm>

namespace platform {

// Scrolling

void TStringGrid::SetTopRow(int row)
{
  SetTopLeft(topLeft_.X, row);
}

void TStringGrid::SetLeftCol(int col)
{
  SetTopLeft(col, topLeft_.Y);
}

void TStringGrid::SetTopLeft(int col, int row)
{
  col = std::clamp(col, fixedCols_, std::max(fixedCols_, Columns().FirstShowing(ColCount() - 1)));
  row = std::clamp(row, fixedRows_, std::max(fixedRows_, Rows().FirstShowing(RowCount() - 1)));
  if (TGridCoord{col, row} == topLeft_)
    return;
  topLeft_ = {col, row};
  SyncScrollBars();
  UpdateEditor();
  Invalidate();
  if (OnTopLeftChanged)
    OnTopLeftChanged();
}

int TStringGrid::VisibleColCount() const
{
  const TGridAxis axis = Columns();
  return std::max(0, axis.LastWhole() - axis.First + 1);
}

int TStringGrid::VisibleRowCount() const
{
  const TGridAxis axis = Rows();
  return std::max(0, axis.LastWhole() - axis.First + 1);
}

void TStringGrid::ScrollIntoView(int col, int row)
{
  TGridCoord topLeft = topLeft_;
  const TGridAxis columns = Columns();
  if (col >= fixedCols_ && col < topLeft.X)
    topLeft.X = col;
  else if (col > columns.LastWhole())
    topLeft.X = columns.FirstShowing(col);
  const TGridAxis rows = Rows();
  if (row >= fixedRows_ && row < topLeft.Y)
    topLeft.Y = row;
  else if (row > rows.LastWhole())
    topLeft.Y = rows.FirstShowing(row);
  SetTopLeft(topLeft.X, topLeft.Y);
}

// The bars count cells: the range is the scrollable cells, the page what shows at the far end.
void TStringGrid::SyncScrollBars()
{
  if (syncingBars_)
    return;
  syncingBars_ = true;
  const auto sync = [this](int bar, bool wanted, const TGridAxis& axis) {
    if (!wanted) {
      if (ScrollBarShown(bar))
        ShowScrollBar(bar, false);
      return;
    }
    const int lastFirst = std::max(axis.Fixed, axis.FirstShowing(axis.Count() - 1));
    TScrollInfo info;
    info.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.Min = axis.Fixed;
    info.Max = axis.Count() - 1;
    info.Page = axis.Count() - lastFirst;
    info.Pos = axis.First;
    SetScrollInfo(bar, info);
  };
  const bool horizontal = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
  const bool vertical = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
  for (int pass = 0; pass < 2; ++pass) {  // a bar that comes or goes changes the room of the other
    sync(SB_VERT, vertical, Rows());
    sync(SB_HORZ, horizontal, Columns());
  }
  syncingBars_ = false;
  const TGridCoord before = topLeft_;
  ClampPositions();
  if (before != topLeft_) {
    SyncScrollBars();
    UpdateEditor();
  }
}

void TStringGrid::ScrollBarMessage(int bar, int code, int pos)
{
  const bool vertical = bar == SB_VERT;
  const int first = vertical ? topLeft_.Y : topLeft_.X;
  const int page = std::max(1, vertical ? VisibleRowCount() : VisibleColCount());
  int target = first;
  switch (code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_THUMBTRACK:
      if (!HasOption(goThumbTracking))
        return;
      target = pos;
      break;
    case SB_THUMBPOSITION: target = pos; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = vertical ? RowCount() : ColCount(); break;
    default: return;
  }
  if (vertical)
    SetTopRow(target);
  else
    SetLeftCol(target);
}

// Geometry

TRect TStringGrid::CellRect(int col, int row) const
{
  const TGridAxis columns = Columns();
  const TGridAxis rows = Rows();
  const int x = columns.Start(col);
  const int y = rows.Start(row);
  if (x < 0 || y < 0 || x >= columns.Client || y >= rows.Client)
    return {};
  return {x, y, std::min(x + columns.Extent(col), columns.Client), std::min(y + rows.Extent(row), rows.Client)};
}

TGridCoord TStringGrid::MouseCoord(int x, int y) const
{
  const int col = Columns().At(x);
  const int row = Rows().At(y);
  if (col < 0 || row < 0)
    return {-1, -1};
  return {col, row};
}

}  // namespace platform
