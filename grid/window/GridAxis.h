#pragma once
// One direction of a grid's display: the columns with widths or the rows with heights, so that the
// visible-range, limit and scroll-bar arithmetic is written once for both.

#include "grid/window/Grid.h"

namespace grid {

struct TtsGridAxis {
  const TtsBaseGrid& Grid;
  bool Vertical;

  int Extent(int index) const { return Vertical ? Grid.RowHeight(index) : Grid.ColWidth(index); }
  int Count() const { return Vertical ? Grid.GridRows() : Grid.GridCols(); }
  int Fixed() const { return Vertical ? Grid.FixedRows() : Grid.FixedCols(); }
  int FixedExtent() const { return Vertical ? Grid.FixedHeight() : Grid.FixedWidth(); }
  int Client() const { return Vertical ? Grid.ClientHeight() : Grid.ClientWidth(); }
  int LineWidth() const { return Vertical ? Grid.HorzLineWidth() : Grid.VertLineWidth(); }
  int First() const { return Vertical ? Grid.TopRow() : Grid.LeftCol(); }
  const TtsVisibleItems& List() const { return Vertical ? Grid.Model().VisibleRows() : Grid.Model().VisibleCols(); }
  int ListCount() const { return List().VisibleCount(); }
  int ItemAt(int position) const { return List().Get(position); }
  // The position of a display index, or of the first visible one after it.
  int PositionOf(int index) const
  {
    bool visible = false;
    return List().Find(index, visible);
  }
  int FirstEnterable() const { return Vertical ? Grid.FirstEnterableRow() : Grid.FirstEnterableCol(); }
  int LastEnterable() const { return Vertical ? Grid.LastEnterableRow() : Grid.LastEnterableCol(); }
  // The display indexes from `from` on that fit whole after the fixed part.
  int FittingFrom(int from) const;
  // The same over the visible list from a list position on, or backwards from it.
  int ListFittingFrom(int position) const;
  int ListFittingBefore(int position) const;
};

}  // namespace grid
