#pragma once
// One axis of a string grid's layout (columns or rows): the extents, the fixed cells, the first
// scrolled cell and the client extent. Each cell is followed by its grid line.

#include <vector>

namespace platform {

struct TGridAxis {
  const std::vector<int>& Extents;  // one per cell
  int Fixed = 0;
  int First = 0;  // the first scrollable cell in view
  int Client = 0;
  int Line = 0;

  int Count() const { return int(Extents.size()); }
  int Extent(int i) const { return Extents[std::size_t(i)]; }
  int Step(int i) const { return Extent(i) + Line; }
  int FixedEnd() const;
  // Where a cell starts in the client; -1 when it is scrolled out (between the fixed cells and First).
  int Start(int i) const;
  // The cell at a client coordinate, -1 when none.
  int At(int pos) const;
  // The last scrollable cell wholly in view, First - 1 when none is.
  int LastWhole() const;
  // The cells in view, fixed ones first, partly shown ones included.
  std::vector<int> InView() const;
  // The lowest first cell that shows cell i wholly (i itself when it alone is too big).
  int FirstShowing(int i) const;
};

}  // namespace platform
