#pragma once
// What the grid's column, row and cell objects ask of the grid window: repaints, the in-cell
// editor, scroll bars, events and the checks only the window can answer. The defaults serve a grid
// model without a window; the grid control overrides them.

#include "grid/model/Combo.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace grid {

class TtsDateTimeDefComponent;

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
  // The scroll range recomputed from the top-left cell (with painting held unless keepPainting).
  virtual void UpdateScrollRange(bool /*keepPainting*/) {}
  // The top-left cell applied again within its limits after the display order changed.
  virtual void ReapplyTopLeft(bool /*alreadyLocked*/) {}
  // Whether a display column (row) is on screen: a fixed one, or one from the first scrolled to
  // the last shown. A move repaints the grid only when it touches one.
  virtual bool ColOnScreen(int /*displayCol*/) const { return true; }
  virtual bool RowOnScreen(int /*displayRow*/) const { return true; }
  // The first scrolled display column and row (the top-left cell).
  virtual int FirstScrolledCol() const { return 1; }
  virtual int FirstScrolledRow() const { return 1; }

  // Stored values whose kind no longer suits the cell's control type are dropped (-1: every
  // column, every row).
  virtual void RecheckStoredValues(int /*dataCol*/, int /*dataRow*/) {}

  // Selections: a change is marked (0 rows, 1 columns, 2 the cell range) and fired later.
  virtual void SelectionChanged(int /*kind*/) {}
  virtual void FirePendingSelectChanged() {}
  // The grid's status (selection kind, row changed, insert) checked again and reported.
  virtual void UpdateStatus() {}
  // The row selection follows the current row where the row select mode asks for it.
  virtual void SelectionFollowsRow() {}

  // Combos: a new one (none: the grid makes no combos); a changed one, which the grid shows again
  // (refresh) or forgets when it is the one in use; the drop-down closed when it shows this one;
  // the grid's combo state dropped.
  virtual std::unique_ptr<TtsCombo> CreateCombo() { return nullptr; }
  // The grid's own shared combo made when it has none (a column, row or cell became a combo cell).
  virtual void EnsureCombo() {}
  virtual void ComboChanged(TtsCombo& /*combo*/, bool /*refresh*/) {}
  virtual void CloseComboDropDown(const TtsCombo& /*combo*/) {}
  virtual void DropComboState(bool /*refresh*/) {}
  // The date-time drop-down state dropped: always, or only while it shows that definition.
  virtual void DropDateTimeState() {}
  virtual void DropDateTimeStateFor(const TtsDateTimeDefComponent* /*definition*/) {}

  // The current cell looks again for the column (row) it may stand in, at or around this one,
  // and moves there when it must (a column or row became read-only or writable).
  virtual void PlaceCurrentCol(int /*displayCol*/) {}
  virtual void PlaceCurrentRow(int /*displayRow*/) {}

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
