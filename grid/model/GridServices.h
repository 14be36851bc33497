#pragma once
// What the grid's column, row and cell objects ask of the grid window: repaints, the in-cell
// editor, scroll bars, events and the checks only the window can answer. The defaults serve a grid
// model without a window; the grid control overrides them.

#include <stdexcept>
#include <string>

namespace grid {

// A grid error: the grid's Name, ": " and a fixed text.
class EInvalidGridOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TtsGridServices {
 public:
  virtual ~TtsGridServices() = default;

  // Painting state: while updates are suspended nothing is marked; while a paint runs, repaint
  // requests (not invalidations) are dropped.
  virtual bool Updating() const { return false; }
  virtual bool Painting() const { return false; }

  virtual void InvalidateGrid() {}
  virtual void InvalidateCol(int /*displayCol*/) {}
  virtual void InvalidateRow(int /*displayRow*/) {}
  virtual void InvalidateCell(int /*displayCol*/, int /*displayRow*/) {}
  // The in-cell editor takes the current cell's resolved attributes again.
  virtual void RefreshEditor() {}
  virtual void UpdateScrollBars() {}

  // Whether the current cell may be left (ends its edit); false keeps it where it is.
  virtual bool CanLeaveCurrentCell() { return true; }

  // Events (the grid leaves them out while it loads).
  virtual void ColMoved(int /*toDisplayCol*/, int /*count*/, bool /*byUser*/) {}
  virtual void RowMoved(int /*toDisplayRow*/, int /*count*/, bool /*byUser*/) {}
  virtual void ColResized(int /*dataCol*/) {}
  virtual void RowResized(int /*dataRow*/) {}
  virtual void CurrentCellMoved() {}
};

}  // namespace grid
