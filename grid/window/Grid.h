#pragma once
// The grid component: a TtsGridModel on the grid base window. Programs create it, size it with
// Cols and Rows, fill it through Cell (kept in its own store with StoreData, else supplied by
// OnCellLoaded), delete columns and rows, and shape it with the layout settings. Data columns and
// rows are 1-based; display column 0 is the row bar and display row 0 the heading.

#include "grid/model/CellStorage.h"
#include "grid/model/GridModel.h"
#include "grid/window/GridBase.h"
#include "grid/window/GridEvents.h"

#include <memory>
#include <string>

namespace grid {

enum TtsCellSelectMode : std::uint8_t { cmNone, cmRange };
enum TtsColSelectMode : std::uint8_t { csNone, csMulti };
enum TtsRowSelectMode : std::uint8_t { rsNone, rsSingle, rsMulti };
enum TtsGridLines : std::uint8_t { glNone, glVertLines, glHorzLines, glBoth };
enum TtsRowChangedIndicator : std::uint8_t { riOn, riOff, riAutoReset };
enum TtsResizeCols : std::uint8_t { rcNone, rcSingle, rcAll };
enum TtsResizeRows : std::uint8_t { rrNone, rrSingle, rrAll };
enum TtsScrollSpeed : std::uint8_t { spHigh, spLow, spVariable };
enum TtsFocusBorder : std::uint8_t { fbNone, fbDot, fbSingle, fbDouble };
enum TtsSelectionType : std::uint8_t { sltDefault, sltInvert, sltColor };
enum TtsCheckBoxStyle : std::uint8_t { stFlat, stCheck, stCross };

// The grid mode of a stored "EditMode" identifier ("emnone", "emeditinsert", "embrowse", any case;
// anything else is the edit mode).
TtsGridMode GridModeOfEditMode(const std::string& identifier);

class TtsCell;

class TtsBaseGrid : public TCustomGrid_ts, public TtsGridEvents, protected TtsGridServices {
 public:
  explicit TtsBaseGrid(QWidget* parent = nullptr);
  ~TtsBaseGrid() override;

  TtsGridModel& Model() { return model_; }
  const TtsGridModel& Model() const { return model_; }
  const std::string& Name() const { return model_.Name; }
  void SetName(const std::string& name);
  static const char* Version() { return "2.01"; }
  [[noreturn]] void GridError(const std::string& text) const { model_.GridError(text); }
  // True while the grid loads its stored layout: change events stay silent.
  bool Loading() const { return model_.ReadingStream; }
  void SetLoading(bool on) { model_.ReadingStream = on; }
  bool Designing() const { return model_.Designing; }

  // Counts: the data counts less the columns or rows a running delete has moved away.
  int Cols() const { return model_.Cols() - colsBeingDeleted_; }
  void SetCols(int count);
  int Rows() const { return model_.Rows() - model_.InsertRowPresent() - rowsBeingDeleted_; }
  void SetRows(int count);
  int InsertRowPresent() const { return model_.InsertRowPresent(); }
  void DeleteCols(int fromCol, int toCol);
  void DeleteRows(int fromRow, int toRow);
  void DeleteSelectedCols();
  void DeleteSelectedRows();  // the insert row is never deleted
  // The insert row of gmEditInsert: shown below the data rows, and made the last data row.
  void AddInsertRow();
  void CommitInsertRow();

  // Cell values.
  TtsCellValue Cell(int dataCol, int dataRow);
  void SetCell(int dataCol, int dataRow, const TtsCellValue& value);
  bool StoreData() const { return store_ != nullptr; }
  void SetStoreData(bool on);
  const Tts2DStorage* Store() const { return store_.get(); }
  // Whether a value suits a control type (raises the type's error); the value a cell of the type keeps.
  bool CheckCellValue(TtsControlType type, const TtsCellValue& value) const;
  static TtsCellValue ConvertCellValue(TtsControlType type, const TtsCellValue& value);
  // Drops stored values whose kind no longer suits the cell's control type (-1, -1: every cell).
  void RecheckStoredValues(int dataCol, int dataRow);
  // A paint starts: the next read fires OnRowLoaded again.
  void ForgetLoadedRow() { lastLoadedRow_ = -1; }

  // Columns, rows and cells by data index.
  TtsCol* GetColumn(const TtsCellValue& key);
  TtsCell CellAt(int dataCol, int dataRow);
  // "Column index %d out of range" / "Row index %d out of range" (rows: 1..display rows - 1).
  void CheckCol(int dataCol) const;
  void CheckRow(int dataRow) const;

  // Row attributes by data row: rows without a row object read the defaults; the accessors check
  // the row ("Row index %d out of range") except RowReadOnly, which reads false outside.
  platform::TColor RowColor(int dataRow) const;
  void SetRowColor(int dataRow, platform::TColor color);
  int RowHeightOf(int dataRow) const;
  void SetRowHeightOf(int dataRow, int height);
  bool RowVisible(int dataRow) const;
  void SetRowVisible(int dataRow, bool visible);  // rows 1..Rows
  bool RowIs3D(int dataRow) const;
  void SetRowIs3D(int dataRow, bool on);
  TAlignment RowAlignment(int dataRow) const;
  void SetRowAlignment(int dataRow, TAlignment alignment);
  bool RowAlign(int dataRow) const;
  void SetRowAlign(int dataRow, bool align);
  TtsHorzAlignment RowHorzAlignment(int dataRow) const;
  void SetRowHorzAlignment(int dataRow, TtsHorzAlignment alignment);
  TtsVertAlignment RowVertAlignment(int dataRow) const;
  void SetRowVertAlignment(int dataRow, TtsVertAlignment alignment);
  bool RowReadOnly(int dataRow) const;
  bool RowChangedMark(int dataRow) const;  // false outside
  void SetRowChangedMark(int dataRow, bool on);
  // Display positions: -1 outside; a row moves within 1..Rows.
  int DisplayRowOfData(int dataRow) const;
  void MoveRowTo(int dataRow, int displayRow);
  int DataRowBySerial(int serial) const;
  int DataColBySerial(int serial) const;

  // The current cell by data index (0 outside the data area); writing moves it.
  int CurrentDataCol() const { return model_.CurrentDataCol(); }
  void SetCurrentDataCol(int dataCol);
  int CurrentDataRow() const { return model_.CurrentDataRow(); }
  void SetCurrentDataRow(int dataRow);
  // Moves the current cell to a display cell after the cell-leave check.
  void MoveCurrentCell(int displayCol, int displayRow);

  // Update blocks: painting and layout wait until the block ends.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  bool InUpdate() const { return updateCount_ > 0; }

  // Layout settings.
  int DefaultColWidth() const { return model_.DefaultColWidth(); }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return model_.DefaultRowHeight(); }
  void SetDefaultRowHeight(int height);
  int FixedColCount() const { return fixedColCount_; }
  void SetFixedColCount(int count);
  int FixedRowCount() const { return fixedRowCount_; }
  void SetFixedRowCount(int count);
  int FrozenColCount() const { return frozenColCount_; }
  int FrozenRowCount() const { return frozenRowCount_; }
  int FixedWidth() const;
  int FixedHeight() const;
  bool HeadingOn() const;
  void SetHeadingOn(bool on);
  int HeadingHeight() const;
  void SetHeadingHeight(int height);
  bool RowBarOn() const;
  void SetRowBarOn(bool on);
  int RowBarWidth() const;
  void SetRowBarWidth(int width);
  TtsGridLines GridLines() const { return gridLines_; }
  void SetGridLines(TtsGridLines lines);
  int HorzLineWidth() const { return gridLines_ == glHorzLines || gridLines_ == glBoth ? 1 : 0; }
  int VertLineWidth() const { return gridLines_ == glVertLines || gridLines_ == glBoth ? 1 : 0; }
  TtsGridMode GridMode() const { return model_.Level.GridMode; }
  void SetGridMode(TtsGridMode mode);
  void SetEditMode(int ordinal);  // 0..3 the grid mode of that ordinal, else gmEdit
  TtsDrawOverlap DrawOverlap() const { return model_.Level.DrawOverlap; }
  void SetDrawOverlap(TtsDrawOverlap overlap);
  TtsRowChangedIndicator RowChangedIndicator() const { return rowChangedIndicator_; }
  void SetRowChangedIndicator(TtsRowChangedIndicator indicator);
  TtsRowSelectMode RowSelectMode() const { return rowSelectMode_; }
  void SetRowSelectMode(TtsRowSelectMode mode);
  const std::string& CheckBoxValues() const { return model_.Level.CheckBoxValues; }
  void SetCheckBoxValues(const std::string& values);
  bool AutoScale() const { return autoScale_; }
  void SetAutoScale(bool on);
  // Scaling with the form (m / d): with AutoScale the heading, the row bar, the widths and heights
  // and the heading font follow; without it nothing changes.
  void ChangeScale(int m, int d);
  // Plain settings: stored; a repaint (and the editor refreshed) where the look changes.
  platform::TColor LineColor = platform::clSilver;
  platform::TColor FixedLineColor = platform::clBlack;
  platform::TColor EditColor = platform::clNone;
  platform::TColor EditFontColor = platform::clNone;
  platform::TColor TransparentColor = platform::clNone;
  TtsColSelectMode ColSelectMode = csMulti;
  TtsCellSelectMode CellSelectMode = cmRange;
  TtsResizeCols ResizeCols = rcSingle;
  TtsResizeRows ResizeRows = rrAll;
  TtsScrollSpeed ScrollSpeed = spVariable;
  TtsFocusBorder FocusBorder = fbDot;
  TtsSelectionType SelectionType = sltDefault;
  TtsCheckBoxStyle CheckBoxStyle = stCheck;
  bool SelectFixed = true;
  bool AlwaysShowEditor = true;
  bool AlwaysShowFocus = false;
  bool SkipReadOnly = true;
  bool WantTabs = true;
  bool TabRowWrap = true;
  bool RowBarIndicator = true;
  bool ColMoving = true;
  bool RowMoving = true;
  bool ResizeColsInGrid = false;
  bool ResizeRowsInGrid = false;
  bool ThumbTracking = false;
  bool HeadingParentFont = true;
  void Changed();  // after a plain setting changed: repaint and refresh the editor

 protected:
  // Event firing: false when a handler raised (shown) and counts as a refusal.
  template <class Handler, class... Args>
  bool Fire(const Handler& handler, Args&&... args)
  {
    return !handler || FireGuarded([&] { handler(*this, std::forward<Args>(args)...); });
  }
  bool FireGuarded(const std::function<void()>& call);
  // Change events are silent while the grid loads.
  template <class Handler, class... Args>
  void FireChange(const Handler& handler, Args&&... args)
  {
    if (!Loading())
      Fire(handler, std::forward<Args>(args)...);
  }
  virtual void LoadCellValue(int dataCol, int dataRow, TtsControlType type, TtsCellValue& value);
  virtual bool CanLeaveCell() { return true; }
  void NotifyCellMoved();

  // Base window overrides.
  int ColExtent(int col) const override { return model_.ColWidth(col); }
  int RowExtent(int row) const override { return model_.RowHeight(row); }
  void NotifySize(int oldCols, int oldRows) override;
  void NotifyTopLeft() override;
  void Resized() override;
  // The wheel: the OnMouseWheelDown/Up handlers first; unshifted, a notch scrolls the system's wheel
  // lines, at most the rows fully shown.
  bool DoMouseWheel(platform::TShiftState shift, int delta, int x, int y) override;

  // Services for the model.
  bool Updating() const override { return updateCount_ > 0; }
  void InvalidateGrid() override;
  void InvalidateCol(int displayCol) override;
  void InvalidateRow(int displayRow) override;
  void InvalidateCell(int displayCol, int displayRow) override;
  bool CanLeaveCurrentCell() override { return CanLeaveCell(); }
  void ColMoved(int toDisplayCol, int count, bool byUser) override;
  void RowMoved(int toDisplayRow, int count, bool byUser) override;
  void ColResized(int dataCol) override;
  void RowResized(int dataRow) override;
  void CurrentCellMoved() override { NotifyCellMoved(); }

 private:
  friend class TtsCell;

  void SetDisplayColCount(int count);
  void SetDisplayRowCount(int count);
  void NormalizeFixedCols();
  void NormalizeFixedRows();
  void ApplyFixedColCount();
  void ApplyFixedRowCount();
  void SetStoreSizeHints();
  void PlaceCurrentCell(int displayCol, int displayRow);
  int NearestCol(int displayCol) const;
  int NearestRow(int displayRow) const;
  void ReportGridStatus();
  template <class Change>
  void ChangeRowChecked(int dataRow, Change change);
  const TtsRow* RowObject(int dataRow) const;  // checked; none without a row object

  TtsGridModel model_;
  std::unique_ptr<Tts2DStorage> store_;
  int colsBeingDeleted_ = 0;
  int rowsBeingDeleted_ = 0;
  int updateCount_ = 0;
  int lastLoadedRow_ = 0;
  bool inCellLoaded_ = false;
  // The cell whose value Cell is passing through the events, and that value.
  struct LoadingCell {
    int Col = 0;
    int Row = 0;
    TtsCellValue* Value = nullptr;
  } loading_;
  int lastCol_ = 1;  // the data cell of the last change events
  int lastRow_ = 1;
  int fixedColCount_ = 0;
  int fixedRowCount_ = 0;
  int frozenColCount_ = 0;
  int frozenRowCount_ = 0;
  TtsGridLines gridLines_ = glBoth;
  TtsRowChangedIndicator rowChangedIndicator_ = riOn;
  TtsRowSelectMode rowSelectMode_ = rsMulti;
  TtsGridStatus reportedStatus_ = gsNoSelection;
  int previousInsertRow_ = 0;  // the insert row before the last count change
  TGridCoord reportedTopLeft_{1, 1};
  bool autoScale_ = false;
  bool constructed_ = false;
};

// The grid the windows place on their forms.
class TtsGrid : public TtsBaseGrid {
 public:
  using TtsBaseGrid::TtsBaseGrid;
};

}  // namespace grid
