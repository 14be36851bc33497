// What part of the grid is on screen: the last column or row shown, how many fit from a column or
// row on or one page back, and the page sizes.

#include "grid/window/GridAxis.h"

#include <algorithm>

namespace grid {

namespace {

int LastShownFrom(const TtsGridAxis& axis, int from)
{
  int x = axis.FixedExtent();
  int last = from;
  for (int i = from; x < axis.Client() && i < axis.Count(); ++i) {
    x += axis.Extent(i);
    last = i;
  }
  return last;
}

// Whole extents counted from index `from` on, their grid line aside.
int FullyVisibleFrom(const TtsGridAxis& axis, int from)
{
  int x = axis.FixedExtent();
  int count = 0;
  for (int i = from; i < axis.Count(); ++i) {
    if (x + axis.Extent(i) - axis.LineWidth() > axis.Client())
      break;
    x += axis.Extent(i);
    ++count;
  }
  return count;
}

}  // namespace

int TtsGridAxis::FittingFrom(int from) const
{
  int x = FixedExtent() - LineWidth();
  int count = 0;
  for (int i = from; i < Count() && x + Extent(i) <= Client(); ++i) {
    x += Extent(i);
    ++count;
  }
  return count;
}

int TtsGridAxis::ListFittingFrom(int position) const
{
  int x = FixedExtent() - LineWidth();
  int count = 0;
  for (int p = std::max(position, 1); p <= ListCount(); ++p) {
    const int extent = Extent(ItemAt(p));
    if (x + extent > Client())
      break;
    x += extent;
    ++count;
  }
  return count;
}

int TtsGridAxis::ListFittingBefore(int position) const
{
  int x = FixedExtent() - LineWidth();
  int count = 0;
  for (int p = std::min(position, ListCount() + 1) - 1; p >= 1; --p) {
    const int item = ItemAt(p);
    if (item < Fixed())
      break;
    const int extent = Extent(item);
    if (x + extent > Client())
      break;
    x += extent;
    ++count;
  }
  return count;
}

int TtsBaseGrid::LastColShownFrom(int col) const { return LastShownFrom({*this, false}, col); }
int TtsBaseGrid::LastRowShownFrom(int row) const { return LastShownFrom({*this, true}, row); }
int TtsBaseGrid::ColsFittingFrom(int col) const { return TtsGridAxis{*this, false}.FittingFrom(col); }
int TtsBaseGrid::RowsFittingFrom(int row) const { return TtsGridAxis{*this, true}.FittingFrom(row); }

int TtsBaseGrid::ColsFittingFromLeftCol() const
{
  const TtsGridAxis axis{*this, false};
  return axis.ListFittingFrom(axis.PositionOf(LeftCol()));
}

int TtsBaseGrid::RowsFittingFromTopRow() const
{
  const TtsGridAxis axis{*this, true};
  return axis.ListFittingFrom(axis.PositionOf(TopRow()));
}

int TtsBaseGrid::ColsFittingBeforeLeftCol() const
{
  const TtsGridAxis axis{*this, false};
  return axis.ListFittingBefore(axis.PositionOf(LeftCol()));
}

int TtsBaseGrid::RowsFittingBeforeTopRow() const
{
  const TtsGridAxis axis{*this, true};
  return axis.ListFittingBefore(axis.PositionOf(TopRow()));
}

int TtsBaseGrid::FullyVisibleColCount() const { return FullyVisibleFrom({*this, false}, LeftCol()); }
int TtsBaseGrid::FullyVisibleRowCount() const { return FullyVisibleFrom({*this, true}, TopRow()); }

int TtsBaseGrid::LastVisibleCol() const
{
  if (LeftCol() + FullyVisibleColCount() == GridCols())
    return LastEnterableCol();
  const int col = CellAtPoint(ClientWidth() - 1, 0).X;
  return col >= 0 ? col : LastEnterableCol();
}

int TtsBaseGrid::LastVisibleRow() const
{
  if (TopRow() + FullyVisibleRowCount() < GridRows()) {
    const int row = CellAtPoint(0, ClientHeight() - 1).Y;
    if (row >= 0)
      return row;
  }
  if (GridMode() == gmEditInsert)
    return GridRows() - 1;
  return LastEnterableRow();
}

int TtsBaseGrid::RowsPerPage(int height, int top) const
{
  return std::min((ClientHeight() - top) / std::max(height, 1) + 1, GridRows() - 1);
}

int TtsBaseGrid::ColsPerPage(int width) const
{
  return std::min((ClientWidth() - FixedWidth()) / std::max(width, 1) + 1, GridCols() - 1);
}

int TtsBaseGrid::LastRowBottom() const
{
  int y = FixedHeight();
  for (int r = TopRow(); r < GridRows() && y < ClientHeight(); ++r)
    y += RowHeight(r);
  return std::min(y, ClientHeight());
}

int TtsBaseGrid::FirstEnterableRow() const
{
  const TtsVisibleItems& rows = model_.VisibleRows();
  return rows.VisibleCount() > 0 ? rows.Get(1) : 1;
}

int TtsBaseGrid::LastEnterableRow() const
{
  const TtsVisibleItems& rows = model_.VisibleRows();
  return rows.VisibleCount() > 0 ? rows.Get(rows.VisibleCount()) : 0;
}

int TtsBaseGrid::FirstEnterableCol() const
{
  const TtsVisibleItems& cols = model_.VisibleCols();
  return cols.VisibleCount() > 0 ? cols.Get(1) : 1;
}

int TtsBaseGrid::LastEnterableCol() const
{
  const TtsVisibleItems& cols = model_.VisibleCols();
  return cols.VisibleCount() > 0 ? cols.Get(cols.VisibleCount()) : 0;
}

}  // namespace grid
