#pragma once
// TtsGridModel: the grid without its window. It keeps the columns, the sparse rows and the cell
// properties, the display order (maps, visible lists, pixel extents, selections, current cell) and
// the grid-level attributes, resolves every cell attribute over cell, row, column and grid, and
// moves columns and rows in display order. What only the window can do goes to TtsGridServices.

#include "grid/model/CellProps.h"
#include "grid/model/Combo.h"
#include "grid/model/CoordList.h"
#include "grid/model/Definitions.h"
#include "grid/model/GridCols.h"
#include "grid/model/GridServices.h"
#include "grid/model/GridUnitRoutines.h"
#include "grid/model/IntegerLists.h"
#include "grid/model/Selection.h"
#include "grid/model/VisibleItems.h"

#include <functional>
#include <string>
#include <vector>

namespace grid {

enum TtsDrawOverlap : std::uint8_t { doDrawColOnTop, doDrawRowOnTop };
enum TtsHeadingButton : std::uint8_t { hbCell, hbButton, hbNone };
enum TtsGridMode : std::uint8_t { gmListBox, gmEdit, gmEditInsert, gmBrowse };

// The kinds of selection whose changes are marked for the selection-changed event.
inline constexpr int kSelectRows = 0;
inline constexpr int kSelectCols = 1;
inline constexpr int kSelectCellRange = 2;
// No cell range selected.
inline constexpr TtsRange kNoCellRange{0, 0, -1, -1};

// The grid's own values of the attributes that columns, rows and cells may leave to it.
struct TtsGridLevel {
  platform::TColor Color = platform::clWindow;
  platform::TColor HeadingColor = platform::clBtnFace;
  TtsHorzAlignment HorzAlignment = htaDefault;
  TtsVertAlignment VertAlignment = vtaDefault;
  TtsWordWrap WordWrap = wwDefault;
  bool Is3D = false;
  bool Heading3D = true;
  TtsHorzAlignment HeadingHorzAlignment = htaDefault;
  TtsVertAlignment HeadingVertAlignment = vtaDefault;
  TtsWordWrap HeadingWordWrap = wwDefault;
  TtsHeadingButton HeadingButton = hbNone;
  TtsDrawOverlap DrawOverlap = doDrawColOnTop;
  std::string CheckBoxValues;
  bool ReadOnly = false;
  bool ReadOnlyButton = false;
  bool StretchPicture = true;
  bool ShrinkPicture = true;
  bool CenterPicture = true;
  bool KeepAspectRatio = false;
  TtsGridMode GridMode = gmEdit;
};

class TtsGridModel {
 public:
  explicit TtsGridModel(TtsGridServices& services, int cols = 4, int rows = 4);
  TtsGridModel(const TtsGridModel&) = delete;
  TtsGridModel& operator=(const TtsGridModel&) = delete;
  ~TtsGridModel();

  TtsGridServices& Services() const { return services_; }
  std::string Name = "tsGrid1";
  [[noreturn]] void GridError(const std::string& text) const;

  TtsGridLevel Level;  // grid-level attributes
  platform::TFont Font;
  platform::TFont HeadingFont;
  bool Designing = false;
  bool IsComboGrid = false;
  bool ReadingStream = false;  // the grid loads its stored layout
  bool WritingStream = false;

  // Counts: data columns and rows; the display counts add the row bar and the heading row.
  int Cols() const { return cols_; }
  int Rows() const { return rows_; }
  void SetCols(int count);
  void SetRows(int count);
  int ColCount() const { return cols_ + 1; }
  int RowCount() const { return rows_ + 1; }

  // Pixel extents by display position: the column's own width, or the default; 0 while hidden.
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height);
  int CommonRowHeight() const { return defaultRowHeight_; }
  int ColWidth(int displayCol) const;
  void StoreColWidth(int displayCol, int width);
  int RowHeight(int displayRow) const;
  void StoreRowHeight(int displayRow, int height);

  // Display order.
  int DataColOf(int displayCol) const;
  int DisplayColOf(int dataCol) const;
  int DataRowOf(int displayRow) const;
  int DisplayRowOf(int dataRow) const { return rowsOf_.DisplayRowOf(dataRow); }
  TtsVisibleItems& VisibleCols() { return visibleCols_; }
  TtsVisibleItems& VisibleRows() { return visibleRows_; }
  const TtsVisibleItems& VisibleCols() const { return visibleCols_; }
  const TtsVisibleItems& VisibleRows() const { return visibleRows_; }
  TtsSelection& ColSelection() { return colSelection_; }
  TtsSelection& RowSelection() { return rowSelection_; }
  const TtsSelection& ColSelection() const { return colSelection_; }
  const TtsSelection& RowSelection() const { return rowSelection_; }
  // The selected cell range in display positions (kNoCellRange when none).
  TtsRange SelectedRange = kNoCellRange;
  bool HasCellRange() const;
  void ClearCellRange();
  // When a hidden column (row) was an edge of the cell range, that edge moves inwards past the
  // hidden ones; a range with nothing left is cleared.
  void NarrowCellRangeForHiddenCol(int displayCol);
  void NarrowCellRangeForHiddenRow(int displayRow);

  // The current cell by display position (column 0 / row 0: none).
  int CurrentDisplayCol() const { return currentCol_; }
  int CurrentDisplayRow() const { return currentRow_; }
  int CurrentDataCol() const;
  int CurrentDataRow() const;
  void SetCurrentCell(int displayCol, int displayRow);

  // Columns, rows and cells.
  TtsGridCols& GridCols() { return colsOf_; }
  TtsGridRows& GridRows() { return rowsOf_; }
  const TtsGridRows& GridRows() const { return rowsOf_; }
  TtsCol& Col(int dataCol) const;  // 0..Cols, else "Column index %d out of range"
  TtsCol* ColAt(int dataCol) const { return colsOf_.At(dataCol); }
  // Changes a row's properties: the row object is made first and freed again when it is default.
  template <class Change>
  void ChangeRow(int dataRow, Change change)
  {
    change(rowsOf_.Ensure(dataRow));
    rowsOf_.FreeIfDefault(dataRow);
  }
  // The attributes a data row sets: its row object's, or the unset values (also outside the rows).
  const TtsAttributes& RowLevel(int dataRow) const;
  TtsCellPropSet& CellProps() { return cellProps_; }
  const TtsCellPropSet& CellProps() const { return cellProps_; }
  // The data rows with cell elements of a column, and the columns of a row.
  const TtsIntegerSet* CellRowsOfCol(int dataCol) const { return cellRowsOfCol_.Get(dataCol); }
  const TtsIntegerSet* CellColsOfRow(int dataRow) const { return cellColsOfRow_.Get(dataRow); }
  void IndexCellProps(int dataCol, int dataRow);
  // False only when the indexes show that the column or the row has no cell elements.
  bool MayHaveCellProps(int dataCol, int dataRow) const;
  void UnindexCellProps(int dataCol, int dataRow);
  TtsCoordList& KeepCopyCells() { return keepCopyCells_; }
  TtsIntegerList& KeepCopyCols() { return keepCopyCols_; }
  TtsIntegerList& KeepCopyRows() { return keepCopyRows_; }
  // After the grid's font changed: the copies of columns, rows and cells follow it.
  void RenewFontCopies();
  void RenewCellFontCopies();

  // Effects, through the services.
  void InvalidateDisplayCol(int displayCol);
  bool RepaintDisplayCol(int displayCol);  // dropped while painting
  void InvalidateDisplayRow(int displayRow);
  bool RepaintDisplayRow(int displayRow);
  void InvalidateCell(int displayCol, int displayRow);
  bool RepaintCell(int displayCol, int displayRow);
  void RefreshEditor() { services_.RefreshEditor(); }
  // A new own combo from the window; without one this raises the grid error.
  std::unique_ptr<TtsCombo> CreateCombo();
  // An own combo for a column, row or cell: made, given the owner's style and ParentCombo off.
  void MakeOwnCombo(std::unique_ptr<TtsCombo>& combo, TtsAttributes& owner);

  // Date-time definitions: the grid's own, and one reference at the grid's link for every user.
  TtsDateTimeDefComponent* DateTimeDef() const { return dateTimeDef_; }
  void SetDateTimeDef(TtsDateTimeDefComponent* definition);
  void DateTimeLinkAdd(TtsDateTimeDefComponent* definition);
  void DateTimeLinkRemove(TtsDateTimeDefComponent* definition);
  // A user's field takes another definition: the reference at the link moves with it.
  void ReplaceDateTimeDef(TtsDateTimeDefComponent*& field, TtsDateTimeDefComponent* definition);
  const TtsDateTimeLink& DateTimeLink() const { return dateTimeLink_; }
  // A definition going away: the grid, its columns, rows and cells let go of it.
  void DateTimeDefRemoved(TtsDateTimeDefComponent& definition);
  // While the model is destroyed its parts tell the window nothing.
  bool Destroying() const { return destroying_; }

  // Resolution of a data cell's attributes (data column 0 and data row 0 are fixed cells).
  TtsControlType ResolveControlType(int dataCol, int dataRow) const;
  platform::TColor ResolveColor(int dataCol, int dataRow, bool is3D) const;
  const platform::TFont& ResolveFont(int dataCol, int dataRow) const;
  TtsHorzAlignment ResolveHorzAlignment(int dataCol, int dataRow) const;
  TtsVertAlignment ResolveVertAlignment(int dataCol, int dataRow) const;
  TtsWordWrap ResolveWordWrap(int dataCol, int dataRow) const;
  bool ResolveIs3D(int dataCol, int dataRow) const;
  TtsButtonType ResolveButtonType(int dataCol, int dataRow, TtsDropDownStyle& style) const;
  TtsSpinOptions ResolveSpinOptions(int dataCol, int dataRow) const;
  double ResolveSpinIncrement(int dataCol, int dataRow) const;
  TtsDrawOption ResolvePicture(int dataCol, int dataRow, TtsPictureOption option) const;
  std::string ResolveMaskName(int dataCol, int dataRow) const;
  std::string ResolveCheckBoxValues(int dataCol, int dataRow) const;
  bool IsCellReadOnly(int dataCol, int dataRow) const;
  bool HasHeadingButton(int displayCol) const;
  bool HeadingIsButton(int displayCol) const;
  // The public, range-checked form ("Column index %d out of range", "Row index %d out of range").
  TtsControlType CellControlType(int dataCol, const TtsCellValue& dataRow) const;
  TtsCombo* CellCombo(int dataCol, const TtsCellValue& dataRow) const;
  // 0 left, 1 right, 2 centre.
  int ResolveHorzAlignmentCode(int dataCol, int dataRow) const;
  // The resolvers at the current cell.
  std::string CurrentMaskName() const { return ResolveMaskName(CurrentDataCol(), CurrentDataRow()); }
  TtsControlType CurrentControlType() const { return ResolveControlType(CurrentDataCol(), CurrentDataRow()); }
  bool CurrentReadOnly() const { return IsCellReadOnly(CurrentDataCol(), CurrentDataRow()); }
  std::string CurrentCheckBoxValues() const { return ResolveCheckBoxValues(CurrentDataCol(), CurrentDataRow()); }
  // The combo that serves a data cell: the cell's own, else the row's or column's by DrawOverlap
  // (the first only while it leaves ParentCombo or the grid is designed); none outside the data.
  TtsCombo* ResolveCombo(int dataCol, int dataRow) const;

  // Display-order moves: one column or row, or the selected block at the end of a mouse move.
  void MoveColumn(int fromDisplayCol, int toDisplayCol);
  void MoveRow(int dataRow, int toDisplayRow);
  void MoveColumns(int fromDisplayCol, int toDisplayCol);
  void MoveRows(int fromDisplayRow, int toDisplayRow);
  void RebuildVisibleColumns();
  void RebuildVisibleRows();
  void SetInsertRowPresent(int present);
  bool IsInsertRow(int displayRow) const { return Level.GridMode == gmEditInsert && displayRow == RowCount() - 1; }
  bool IsInsertRowShown(int displayRow) const { return IsInsertRow(displayRow) && insertRowPresent_ == 1; }

  // Deleting: a data column or row goes to the end of the data and display order (position
  // endPos), its cell elements dropped and the later ones renumbered; the count then cuts it off.
  void MoveColToEnd(int dataCol, int endPos);
  void MoveRowToEnd(int dataRow, int endPos);
  int InsertRowPresent() const { return insertRowPresent_; }

  // A hidden or shown column or row: visible list, extent, selection and current cell.
  void ColumnVisibilityChanged(TtsCol& col);
  void RowVisibilityChanged(TtsRow& row);

 private:
  friend class TtsCol;
  friend class TtsRow;

  const TtsRow* RowAt(int dataRow) const { return rowsOf_.At(dataRow); }
  // Levels of a data cell in DrawOverlap order: the row or the column first.
  struct Levels {
    const TtsAttributes* first;
    const TtsAttributes* second;
  };
  Levels OverlapLevels(int dataCol, int dataRow) const;
  int CheckedCell(int dataCol, const TtsCellValue& dataRow) const;  // the row, after the range checks
  const TtsCellElement* Element(int dataCol, int dataRow) const { return cellProps_.Find(dataCol, dataRow); }
  bool IsFixedCell(int dataCol, int dataRow) const { return dataCol == 0 || dataRow == 0; }

  void MoveOneColumn(int from, int to, bool patchVisible);
  void MoveColumnWidth(int from, int to);
  void MoveColumnSelection(int from, int to);
  void FollowColumnMove(int from, int to);
  void MoveOneRow(int from, int to);
  void MoveRowHeight(int from, int to);
  void MoveRowSelection(int from, int to);
  void FollowRowMove(int from, int to);
  void FinishMove();
  void FinishSingleMove(bool onScreen);
  void DropCellElements(bool columns, int index);
  void RenumberCellElements(bool columns, int index, int endPos);
  void ShiftFontEntries(bool columns, int index);
  void AfterVisibilityChange();
  void NarrowCellRange(bool columns, int edge, const std::function<bool(int)>& hidden);
  int NextVisibleCol(int displayCol) const;
  int NextVisibleRow(int displayRow) const;

  // The grid's link to date-time definitions; tells the grid when one goes.
  class GridDateTimeLink : public TtsDateTimeLink {
   public:
    explicit GridDateTimeLink(TtsGridModel& grid) : grid_(grid) {}
    void ComponentDestroying(TtsDateTimeDefComponent& component) override { grid_.DateTimeDefRemoved(component); }

   private:
    TtsGridModel& grid_;
  };

  TtsGridServices& services_;
  bool destroying_ = false;
  GridDateTimeLink dateTimeLink_{*this};  // outlives the columns, rows and cells that use it
  TtsDateTimeDefComponent* dateTimeDef_ = nullptr;
  int cols_ = 0;
  int rows_ = 0;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::vector<int> colWidths_;   // by display column; -1: the default
  std::vector<int> rowHeights_;  // by display row; -1: the default
  std::vector<int> colMap_;      // display column -> data column
  std::vector<int> rowMap_;      // display row -> data row
  TtsVisibleItems visibleCols_;
  TtsVisibleItems visibleRows_;
  TtsSelection colSelection_;
  TtsSelection rowSelection_;
  int currentCol_ = 1;
  int currentRow_ = 1;
  int insertRowPresent_ = 0;
  int previousInsertRowPresent_ = 0;
  TtsGridCols colsOf_;
  TtsGridRows rowsOf_;
  TtsIntegerSetList cellRowsOfCol_;
  TtsIntegerSetList cellColsOfRow_;
  TtsCellPropSet cellProps_;
  TtsCoordList keepCopyCells_;
  TtsIntegerList keepCopyCols_;
  TtsIntegerList keepCopyRows_;
};

}  // namespace grid
