#pragma once
// TCustomGrid_ts: the windowed base of the grid. It owns the display geometry of a rectangle of
// cells: display counts (fixed columns and rows first, counted from 0), default and individual
// extents, the top-left scrollable cell, its own current cell and selection anchor; it computes the
// pixel layout (visible cells, hit tests, how far the view may scroll) and moves the view when the
// top-left cell changes. The grid switches its options off, so the base draws nothing itself.

#include "grid/window/GridExtents.h"

#include "platform/CustomControl.h"
#include "platform/GridTypes.h"

#include <QRect>
#include <QRegion>
#include <cstdint>

namespace grid {

using platform::GridOptionBit;
using platform::kDefaultGridOptions;
using platform::TGridCoord;
using platform::TGridOption;
using platform::TGridOptions;
using platform::TGridRect;
using enum platform::TGridOption;

enum TGridBorderStyle : std::uint8_t { gbsNone, gbsSingle };
enum TGridScrollBars : std::uint8_t { gsbNone, gsbHorizontal, gsbVertical, gsbBoth };

class TCustomGrid_ts;

// One axis of the pixel layout, computed on demand.
struct TGridAxisLayout {
  int LineWidth = 0;
  int FixedBoundary = 0;        // where the fixed cells end
  int GridBoundary = 0;         // where the last visible cell ends, at most the client extent
  int GridExtent = 0;           // the client width or height
  int LastFullVisibleCell = 0;
  int FullVisBoundary = 0;      // where the last fully visible cell ends
  int FixedCellCount = 0;
  int FirstGridCell = 0;        // the first scrollable cell shown
  int GridCellCount = 0;
  bool Columns = true;
  const TCustomGrid_ts* Grid = nullptr;
  int Extent(int index) const;  // the cell's width or height
};

struct TGridLayout {
  TGridAxisLayout Horz;
  TGridAxisLayout Vert;
};

class TCustomGrid_ts : public platform::CustomControl {
 public:
  explicit TCustomGrid_ts(QWidget* parent = nullptr);

  // Display counts and fixed counts ("Grid index out of range", "Fixed column count must be less
  // than column count", "Fixed row count must be less than row count").
  int GridCols() const { return colCount_; }
  void SetGridCols(int count);
  int GridRows() const { return rowCount_; }
  void SetGridRows(int count);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int count);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int count);

  // Extents in pixels.
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height);
  int ColWidth(int col) const { return ColExtent(col); }
  void SetColWidth(int col, int width);
  int RowHeight(int row) const { return RowExtent(row); }
  void SetRowHeight(int row, int height);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int width);
  bool ColWidthsAllocated() const { return colWidths_.Allocated(); }

  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options);
  bool HasOption(TGridOption option) const { return (options_ & GridOptionBit(option)) != 0; }
  TGridScrollBars BaseScrollBars() const { return scrollBars_; }
  void SetBaseScrollBars(TGridScrollBars bars);
  TGridBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TGridBorderStyle style);
  bool EditorMode() const { return editorMode_; }
  bool DefaultDrawing = true;
  bool SaveCellExtents = true;
  int GridState() const { return 0; }  // the grid never enters the base's sizing or moving states

  // Top-left scrollable cell, current cell and anchor of the base.
  TGridCoord TopLeftCell() const { return topLeft_; }
  int LeftCol() const { return topLeft_.X; }
  void SetLeftCol(int col);
  int TopRow() const { return topLeft_.Y; }
  void SetTopRow(int row);
  TGridCoord CurrentCell() const { return current_; }
  TGridCoord AnchorCell() const { return anchor_; }
  int ColOffset() const { return colOffset_; }

  // Geometry.
  TGridLayout ComputeLayout() const;
  TGridCoord CellAtPoint(int x, int y) const;  // (-1, -1) when either coordinate misses
  QRect RangeBounds(TGridRect range, bool includeLine = false) const;
  QRect CellBounds(int col, int row) const { return RangeBounds({col, row, col, row}); }
  void RepaintCell(int col, int row) { RepaintRange({col, row, col, row}); }
  void RepaintRange(TGridRect range);
  TGridCoord LastTopLeft(TGridCoord cell) const;
  void ScrollIntoView(TGridCoord cell);
  void SetCurrentCell(int col, int row, bool moveAnchor, bool show);
  void SetAnchorCell(TGridCoord cell);
  void SetGridSize(int cols, int rows);
  // Paint again at the next chance: all of the window.
  void Invalidate();

 protected:
  // The three steps of a top-left move, and the base's other virtual operations.
  virtual void ScrollToTopLeft(int col, int row);
  virtual void ScrollContents(int dx, int dy, const TGridLayout& layout);
  virtual void AfterTopLeftMove(TGridCoord oldTopLeft);
  virtual bool EditorAllowed() const;
  virtual bool CanSelectCell(int /*col*/, int /*row*/) const { return true; }
  virtual void RemoveColumn(int col);
  virtual void RemoveRow(int row);
  // The extent of a cell: its own width or height, else the default.
  virtual int ColExtent(int col) const { return colWidths_.Get(col, defaultColWidth_); }
  virtual int RowExtent(int row) const { return rowHeights_.Get(row, defaultRowHeight_); }

  // Notifications after the base changed something.
  virtual void NotifySize(int /*oldCols*/, int /*oldRows*/) {}
  virtual void NotifyTopLeft() {}
  virtual void NotifyColWidths() {}
  virtual void NotifyRowHeights() {}
  virtual void NotifyColumnMoved(int /*from*/, int /*to*/) {}
  virtual void NotifyRowMoved(int /*from*/, int /*to*/) {}

  // Marks a client rectangle (or everything) for painting; what is marked and not yet painted is
  // kept, so that a paint drawn at once can mark it again.
  virtual void InvalidateRect(const QRect& rect);
  virtual void InvalidateGridWindow();
  QRegion TakePendingPaint();
  void MarkPainted(const QRegion& region) { pendingPaint_ -= region; }

  bool MouseWheel(platform::TShiftState shift, int delta, int x, int y) override;
  // The platform's wheel events: true when one of them handled the wheel.
  virtual bool DoMouseWheel(platform::TShiftState /*shift*/, int /*delta*/, int /*x*/, int /*y*/) { return false; }

 private:
  void ComputeAxis(TGridAxisLayout& axis, int fixedCount, int firstCell, int cellCount, int clientExtent) const;
  int LineWidthOf(bool columns) const;
  void StoreFixed(bool columns, int count);
  void SizeSteps(int cols, int rows);

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  TGridExtents colWidths_;
  TGridExtents rowHeights_;
  TGridOptions options_ = kDefaultGridOptions;
  TGridScrollBars scrollBars_ = gsbBoth;
  TGridBorderStyle borderStyle_ = gbsSingle;
  bool editorMode_ = false;
  TGridCoord topLeft_{1, 1};
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  int colOffset_ = 0;
  QRegion pendingPaint_;
};

}  // namespace grid
