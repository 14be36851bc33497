#pragma once
// The grid component: a TtsGridModel on the grid base window. Programs create it, size it with
// Cols and Rows, fill it through Cell (kept in its own store with StoreData, else supplied by
// OnCellLoaded), delete columns and rows, and shape it with the layout settings. Data columns and
// rows are 1-based; display column 0 is the row bar and display row 0 the heading.

#include "grid/editor/CellEditorAdapters.h"
#include "grid/editor/CheckGlyphs.h"
#include "grid/model/CellStorage.h"
#include "grid/model/CurrentCell.h"
#include "grid/model/Definitions.h"
#include "grid/model/GridModel.h"
#include "grid/model/GridStreamFormat.h"
#include "grid/model/RegistryKey.h"
#include "grid/model/ImageListIds.h"
#include "grid/window/GridBase.h"
#include "grid/window/GridEvents.h"
#include "grid/window/GridTimers.h"
#include "grid/window/MouseTypes.h"
#include "grid/window/ScrollPlan.h"

#include "platform/StringGrid.h"

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
enum TtsInactiveButtonState : std::uint8_t { ibsBackGround, ibsPicture, ibsNone };
using platform::TScrollStyle;

// One direction of a scroll bar: positions in the visible list, and how they map onto the bar.
struct TtsScrollGeometry {
  int Count = 0;
  int Range = 0;
  bool Proportional = false;
  int Last = 0;
  int First = 0;
};

// The grid mode of a stored "EditMode" identifier ("emnone", "emeditinsert", "embrowse", any case;
// anything else is the edit mode).
TtsGridMode GridModeOfEditMode(const std::string& identifier);

class TtsCell;
class TtsCustomButton;
class TtsCustomGridControl;
class TtsGridPainter;
class TtsGridDropDowns;

class TtsBaseGrid : public TCustomGrid_ts, public TtsGridEvents, public TtsMouseEvents, protected TtsGridServices {
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
  void RecheckStoredValues(int dataCol, int dataRow) override;
  // The image lists stored picture references point into ("ImageListIds").
  TtsImageListIds& ImageListIds() { return imageListIds_; }
  const TtsImageListIds& ImageListIds() const { return imageListIds_; }
  // The grid's date-time drop-down settings (none by default).
  TtsDateTimeDefComponent* DateTimeDef() const { return model_.DateTimeDef(); }
  void SetDateTimeDef(TtsDateTimeDefComponent* definition) { model_.SetDateTimeDef(definition); }
  // Measuring text: the height of one line in the grid's font, and the height (measured plus 1)
  // and line count of a text cell's value in its column's width (0, 0 for other cells).
  int TextLineHeight() const;
  struct TextSize {
    int Height = 0;
    int Lines = 0;
  };
  TextSize MeasureCellText(int dataCol, int dataRow);
  int CellTextHeight(int dataCol, int dataRow) { return MeasureCellText(dataCol, dataRow).Height; }
  int CellTextLines(int dataCol, int dataRow) { return MeasureCellText(dataCol, dataRow).Lines; }
  // Persistence and copying
  // Copies another grid: its settings, counts, columns and rows (display order included), cell
  // attributes, selections and stored values. A copy onto itself does nothing. A grid not being
  // designed takes the source's design mode.
  void Assign(const TtsBaseGrid& source);
  // Copies the chosen parts; with data also StoreData, the image-list names and the stored values,
  // else the stored values that no longer suit their cells are dropped. The current cell's change
  // events fire when the copy moved it.
  void AssignGridParts(const TtsBaseGrid& source, TtsPropKinds kinds, bool withData);
  // Copies StoreData and the stored values only; values beyond this grid's columns and rows are dropped.
  void CopyGrid(const TtsBaseGrid& source);
  // Resets the properties a mask names in every column, row or cell (none for a mask of 0). With
  // ResizeCols (ResizeRows) at rcAll (rrAll) the widths (heights) go back to the default as a whole.
  void ResetColProperties(TtsPropMask properties);
  void ResetRowProperties(TtsPropMask properties);
  void ResetCellProperties(TtsPropMask properties);
  // One cell back to its defaults (checked: "Column index %d out of range", "Row index %d out of range").
  void ResetCellProperty(int dataCol, int dataRow);
  // The chosen parts (every part) back to a new grid's; StoreData goes off and the stored values with it.
  void ResetGridParts(TtsPropKinds kinds);
  void ResetGridProperties() { ResetGridParts(kAllPropKinds); }
  bool Copying() const { return copying_; }
  // The named pictures of picture cells. With one, a picture name is stored with its list's index in
  // the image-list names and the picture's identity, and read back under the picture's present name.
  TtsImageListComponent* ImageList() const { return imageLink_.Component(); }
  void SetImageList(TtsImageListComponent* list) { imageLink_.SetComponent(list); }
  TtsCellValue ReadPictureName(int dataCol, int dataRow, const TtsCellValue& stored);
  TtsCellValue PictureNameToStore(const TtsCellValue& name);
  // Any other object: "Cannot assign <its class> to <this class>", before anything changes.
  void Assign(const QObject& source);
  // Whole-grid saves and loads: the chosen property kinds, the properties a mask names (the rest
  // written at their defaults) and the stored values. A load reads and checks the whole stream
  // before the grid changes: a bad stream raises EReadError, a bad column or row the grid's error,
  // and the grid stays as it was. Files are replaced whole ("Can't create file " on failure).
  void SaveGridToStream(TtsByteWriter& stream, TtsPropKinds kinds, TtsPropMask properties, bool saveData);
  void SaveGridToStream(TtsByteWriter& stream, bool saveData) { SaveGridToStream(stream, kAllPropKinds, kAllProperties, saveData); }
  void LoadGridFromStream(std::span<const std::uint8_t> bytes, bool matchByDataCol);
  void SaveGridToFile(const std::string& fileName, TtsPropKinds kinds, TtsPropMask properties, bool saveData);
  void LoadGridFromFile(const std::string& fileName, bool matchByDataCol);
  // A registry value holds the grid (bytes) or the full path of the file that does (a text).
  // "Failed to create key %s" when the key can't be made; loading answers false for a missing key
  // or value, an empty path or a value of another type, and leaves the grid alone.
  void SaveGridToRegistry(const std::string& key, const std::string& valueName, const std::string& fileName,
                          TtsPropKinds kinds, TtsPropMask properties, bool saveData,
                          const std::string& settingsFile = RegistryFileName());
  void SaveGridToRegistry(const std::string& key, const std::string& valueName, const std::string& fileName,
                          bool saveData, const std::string& settingsFile = RegistryFileName())
  {
    SaveGridToRegistry(key, valueName, fileName, kAllPropKinds, kAllProperties, saveData, settingsFile);
  }
  bool LoadGridFromRegistry(const std::string& key, const std::string& valueName, bool matchByDataCol,
                            const std::string& settingsFile = RegistryFileName());
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
  // Fonts: RowFont follows the row's font reading rules (it may make or drop the row's own copy).
  platform::TFont* RowFont(int dataRow);
  void SetRowFont(int dataRow, const platform::TFont* font);
  bool RowParentFont(int dataRow) const;
  void SetRowParentFont(int dataRow, bool on);
  bool RowKeepFontCopy(int dataRow) const;
  void SetRowKeepFontCopy(int dataRow, bool on);
  TtsDateTimeDefComponent* RowDateTimeDef(int dataRow) const;
  void SetRowDateTimeDef(int dataRow, TtsDateTimeDefComponent* definition);
  // The attributes a row sets for its cells (checked), and readers of the ones set elsewhere.
  const TtsAttributes& RowAttributes(int dataRow) const;
  TtsButtonType RowButtonType(int dataRow) const { return RowAttributes(dataRow).ButtonType; }
  TtsWordWrap RowWordWrap(int dataRow) const { return RowAttributes(dataRow).WordWrap; }
  const std::string& RowMaskName(int dataRow) const { return RowAttributes(dataRow).MaskName; }
  TtsCombo* RowCombo(int dataRow) const;
  bool RowParentCombo(int dataRow) const { return RowAttributes(dataRow).ParentCombo; }
  TtsDrawOption RowPicture(int dataRow, TtsPictureOption option) const { return RowAttributes(dataRow).Picture(option); }
  TtsControlType RowControlType(int dataRow) const { return RowAttributes(dataRow).ControlType; }
  TtsSpinOptions RowSpinOptions(int dataRow) const { return RowAttributes(dataRow).SpinOptions; }
  double RowSpinIncrement(int dataRow) const { return RowAttributes(dataRow).SpinIncrement; }
  TtsDropDownStyle RowDropDownStyle(int dataRow) const { return RowAttributes(dataRow).DropDownStyle; }
  // Row selection by data row: RowSelected raises outside the rows, IsRowSelected reads false there.
  // Setting checks 1..Rows; rsNone selects nothing and rsSingle keeps one row selected.
  bool RowSelected(int dataRow) const;
  bool IsRowSelected(int dataRow) const;
  void SetRowSelected(int dataRow, bool selected);
  // The display column of a data column: -1 outside 1..Cols; setting moves the column (nothing outside).
  int DisplayColOfData(int dataCol) const;
  void SetDisplayColOfData(int dataCol, int displayCol);
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
  void BeginUpdate() { UpdateLock(true); }
  void EndUpdate() { UpdateLock(false); }
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
  // Read-only columns and rows are skipped: SkipReadOnly outside design mode and list-box mode.
  bool SkipsReadOnly() const;
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

  // Painting settings.
  platform::TColor GridColor() const { return model_.Level.Color; }
  void SetGridColor(platform::TColor color);
  platform::TColor HeadingColor() const { return model_.Level.HeadingColor; }
  void SetHeadingColor(platform::TColor color);
  bool Is3D() const { return model_.Level.Is3D; }
  void SetIs3D(bool on);
  bool Heading3D() const { return model_.Level.Heading3D; }
  void SetHeading3D(bool on);
  // The font of the headings: a copy of the grid's font while HeadingParentFont; a change of its
  // own clears HeadingParentFont.
  platform::TFont& HeadingFont() { return model_.HeadingFont; }
  void SetHeadingParentFont(bool on);
  platform::TColor SelectionColor = platform::clHighlight;
  platform::TColor SelectionFontColor = platform::clHighlightText;
  platform::TColor FocusColor = platform::clNone;
  platform::TColor FocusFontColor = platform::clNone;
  TtsInactiveButtonState InactiveButtonState = ibsBackGround;
  bool FlatButtons = true;
  int ButtonEdgeWidth = 2;
  int DefaultButtonWidth = 11;
  int DefaultButtonHeight = 9;
  int SpinButtonWidth = 11;
  int SpinButtonHeight = 9;
  TtsVertAlignment RowBarAlignment = vtaDefault;
  int ComboRowHeight = 14;  // the row height of the drop-down grids of combo cells
  // The heading press and the cell buttons under the mouse (set by the mouse handling).
  int PressedHeadingCol = -1;
  bool PressedHeadingIsButton = false;
  bool HeadingShownDown = false;
  TGridCoord HotButtonCell{-1, -1};
  TGridCoord PressedButtonCell{-1, -1};
  int PressedButtonPart = 0;
  bool CellButtonPressed = false;

  // Paint queries.
  TtsCellPaintInfo GetCellPaintInfo(int displayCol, int displayRow, bool full);
  void RefreshCellPaintInfo(TtsCellPaintInfo& info, bool editing);
  bool IsCellSelected(int displayCol, int displayRow) const;
  // 0 nothing, 1 columns, 2 rows, 3 a cell range: the kind last set by the selection operations.
  int SelectionKind() const { return selectionKind_; }
  // Repaints the change from the present selection to a new one (display range).
  void RepaintNewRange(int left, int top, int right, int bottom);
  // Before and after the current cell moves: the focus area is repainted, without focus first.
  void HideFocus(bool updateNow);
  void ShowFocus(bool updateNow);
  // After FocusBorder, FocusColor or FocusFontColor changed; always: the old border was a frame.
  void FocusSettingChanged(bool always);
  // A cell's button is painted again in the state of HotButtonCell and PressedButtonCell.
  void RepaintCellButton(int displayCol, int displayRow);
  // The wait between two autoscroll steps for a pointer at client (x, y), screen (screenX, screenY);
  // direction 0 horizontal, 1 vertical, 2 both.
  int AutoScrollDelay(int x, int y, int screenX, int screenY, int direction) const;
  // Whether the next autoscroll step may run now; a step not yet due keeps the wait's start.
  bool AutoScrollWait(int screenX, int screenY, int direction);
  int FastScrollDelay = 0;
  int SlowScrollDelay = 200;
  bool IsSelectionColored() const;
  bool IsFocusCell(int displayCol, int displayRow, bool checkFocus) const;
  TtsPaintCellState GetPaintCellState(int displayCol, int displayRow) const;
  void InvalidateFocusCell(int displayCol, int displayRow, bool always);
  bool FirstPaintDone() const { return firstPaintDone_; }
  bool CanvasAttached() const { return canvasAttached_; }
  bool IsPainting() const { return isPainting_; }
  // The spin half under a point: 1 the upper (right) half, 2 the other, 0 none.
  int SpinPartAt(int x, int y, int displayCol, int displayRow);
  bool IsOnSpinPart(int x, int y, int displayCol, int displayRow, int part);
  // Full width and height of a cell's button (its own size plus both edges); 0, 0 without one.
  platform::TSize ButtonOuterSize(TtsButtonType type) const;
  platform::TSize ButtonInnerSize(TtsButtonType type) const;

  // Repaint and locks.
  bool IsUpdating() const { return updateCount_ > 0 || Loading(); }
  bool LayoutUnlocked() const { return layoutLockCount_ == 0; }
  bool CanPaintDirect() const;
  bool InDirectPaint() const { return directPaintDepth_ > 0; }
  void UpdateLock(bool lock);
  void LockLayout(bool unlock);
  void DirectPaintLock(bool enter);
  void ReapplyTopLeft(bool alreadyLocked) override;
  bool IsCellShowing(int displayCol, int displayRow) const;
  using TCustomGrid_ts::RepaintRange;
  void RepaintRange(int left, int top, int right, int bottom, bool selected);
  void RepaintRow(int displayRow, bool selected);
  void RepaintColParts(int displayCol, int partCode, bool selected);
  void RepaintRowBar(bool selected);
  // Moves the top-left cell; mode 1 keeps the previous current cell out of the blit, mode 2 its row.
  using TCustomGrid_ts::ScrollToTopLeft;
  void ScrollToTopLeft(int leftCol, int topRow, int mode);
  void SetTopLeftLimited(int leftCol, int topRow);
  // The last move of the pixels, as planned.
  const TtsScrollPlan& LastScrollPlan() const { return lastScrollPlan_; }
  int ScrollMode() const { return scrollMode_; }

  // Visible ranges, in display indexes.
  int LastColShownFrom(int col) const;
  int LastRowShownFrom(int row) const;
  int ColsFittingFrom(int col) const;
  int RowsFittingFrom(int row) const;
  int ColsFittingFromLeftCol() const;
  int RowsFittingFromTopRow() const;
  int ColsFittingBeforeLeftCol() const;
  int RowsFittingBeforeTopRow() const;
  int LastVisibleCol() const;
  int LastVisibleRow() const;
  int RowsPerPage(int height, int top) const;
  int ColsPerPage(int width) const;
  int FullyVisibleColCount() const;
  int FullyVisibleRowCount() const;
  int LastRowBottom() const;
  // The first and last display row (column) the current cell may take.
  int FirstEnterableRow() const;
  int LastEnterableRow() const;
  int FirstEnterableCol() const;
  int LastEnterableCol() const;

  // Top-left limits and the scroll bars' moves.
  int MaxTopRow() const;
  int MaxLeftCol() const;
  int MaxTopRowPos() const;
  int MaxLeftColPos() const;
  TGridCoord GetTopLeftLimits() const { return {MaxLeftCol(), MaxTopRow()}; }
  int VertScrollTarget(int code, int pos) const;
  int HorzScrollTarget(int code, int pos) const;
  void DoVertScroll(int code, int pos);
  void DoHorzScroll(int code, int pos);

  // Scroll bars: positions in the visible lists.
  TtsScrollGeometry GetVertScrollGeometry() const;
  TtsScrollGeometry GetHorzScrollGeometry() const;
  int VertThumbPos() const;
  int HorzThumbPos() const;
  int VertPageSize(int range, int count, int last) const;
  void UpdateScrollBars() override;
  void UpdateScrollPos();
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  TScrollStyle AlwaysShowScrollBar() const { return alwaysShowScrollBar_; }
  void SetAlwaysShowScrollBar(TScrollStyle style);
  void SetThumbTracking(bool on) { ThumbTracking = on; }
  bool HorzScrollBarNeeded() const;
  bool VertScrollBarNeeded() const;
  bool ScrollBarsPending() const { return scrollBarsPending_; }

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
  virtual bool CanLeaveCell() { return CanLeaveCell(-1, -1, false); }
  void NotifyCellMoved();

  // Base window overrides.
  int ColExtent(int col) const override { return model_.ColWidth(col); }
  int RowExtent(int row) const override { return model_.RowHeight(row); }
  void NotifySize(int oldCols, int oldRows) override;
  void NotifyTopLeft() override;
  void Resized() override;
  void Paint(platform::TCanvas& canvas) override;
  void ScrollBarMessage(int bar, int code, int pos) override;
  void AfterTopLeftMove(TGridCoord oldTopLeft) override;
  void ScrollContents(int dx, int dy, const TGridLayout& layout) override;
  void NotifyColWidths() override { HandleColWidthsChange(); }
  void NotifyRowHeights() override { HandleRowHeightsChange(); }
  // The wheel: the OnMouseWheelDown/Up handlers first; unshifted, a notch scrolls the system's wheel
  // lines, at most the rows fully shown.
  bool DoMouseWheel(platform::TShiftState shift, int delta, int x, int y) override;

  // Services for the model.
  bool Updating() const override { return updateCount_ > 0; }
  bool Painting() const override { return isPainting_; }
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
  bool ColOnScreen(int displayCol) const override;
  bool RowOnScreen(int displayRow) const override;
  int FirstScrolledCol() const override { return LeftCol(); }
  int FirstScrolledRow() const override { return TopRow(); }
  void UpdateScrollRange(bool keepPainting) override;
  void SelectionChanged(int kind) override;
  void FirePendingSelectChanged() override;
  void UpdateStatus() override { ReportGridStatus(); }
  void SelectionFollowsRow() override;
  void PlaceCurrentCol(int displayCol) override;
  void PlaceCurrentRow(int displayRow) override;

 private:
  friend class TtsCell;
  friend class TtsGridPainter;

  void SetDisplayColCount(int count);
  void SetDisplayRowCount(int count);
  void NormalizeFixedCols();
  void NormalizeFixedRows();
  void ApplyFixedColCount();
  void ApplyFixedRowCount();
  void SetStoreSizeHints();
  void PlaceCurrentCell(int displayCol, int displayRow);
  // After a delete: the current data cell, now at the display cell, keeps its edit and value.
  void KeepCurrentDataCell(int displayCol, int displayRow);
  // After a delete of the current cell: the nearest cell takes it with its own value.
  void ReplaceCurrentCell(int displayCol, int displayRow);
  // A column or row moved to the end to be cut off, the current cell's kept value with it.
  void MoveColToEnd(int dataCol, int endPos);
  void MoveRowToEnd(int dataRow, int endPos);
  int NearestCol(int displayCol, bool skipReadOnly = false) const;
  int NearestRow(int displayRow, bool skipReadOnly = false) const;
  void ReportGridStatus();
  // Persistence and copying
  void AssignSettings(const TtsBaseGrid& source, TtsPropKinds kinds);
  void AssignCols(const TtsBaseGrid& source);
  void AssignRows(const TtsBaseGrid& source);
  void AssignCellProps(const TtsBaseGrid& source);
  void AssignData(const TtsBaseGrid& source);
  bool copying_ = false;
  TtsImageLink imageLink_;
  template <class Change>
  void ChangeRowChecked(int dataRow, Change change)
  {
    CheckRow(dataRow);
    model_.ChangeRow(dataRow, change);
  }
  const TtsRow* RowObject(int dataRow) const;  // checked; none without a row object
  // The stream's named values applied in order (GridStream.cpp).
  struct StreamLoad;
  void ApplyStreamEntry(const TtsStreamEntry& entry, StreamLoad& load);
  void ResetForStream(const StreamLoad& load);
  void ReadColItem(const TtsStreamItem& item, StreamLoad& load);
  void ReadRowItem(const TtsStreamItem& item, const StreamLoad& load);
  void ReadCellItem(const TtsStreamItem& item, const StreamLoad& load);

  TtsGridModel model_;
  std::unique_ptr<Tts2DStorage> store_;
  TtsImageListIds imageListIds_;
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
  unsigned pendingSelectChanges_ = 0;  // bit per selection kind (rows, columns, cell range)
  int previousInsertRow_ = 0;  // the insert row before the last count change
  TGridCoord reportedTopLeft_{1, 1};
  bool autoScale_ = false;
  bool constructed_ = false;

  // Painting and scrolling.
  void PaintBuffered(platform::TCanvas& canvas);
  TtsCellPaintInfo FillCellPaintInfo(int displayCol, int displayRow, const platform::TRect& rect, bool full);
  void ResolvePaintAttributes(TtsCellPaintInfo& info);
  void LayoutButton(TtsCellPaintInfo& info) const;
  void LayoutHeading(TtsCellPaintInfo& info) const;
  // OnPaintCell: true when the handler cancelled the default drawing.
  bool PaintCellHook(TtsCellPaintInfo& info, bool selected);
  void CopyHeadingFont();
  bool copyingHeadingFont_ = false;
  platform::TFont drawInfoFont_;  // the private copies OnGetDrawInfo and the edit colours change
  platform::TFont editFont_;
  void ShowBar(int bar, bool needed);
  int DoScrollTarget(bool vertical, int code, int pos) const;
  void DoBarScroll(bool vertical, int code, int pos);
  int MaxTopLeftOf(bool vertical) const;
  int MaxPosOf(bool vertical) const;
  TtsScrollGeometry ScrollGeometry(bool vertical) const;
  int ThumbPos(bool vertical) const;
  int PageSize(bool vertical, const TtsScrollGeometry& geometry) const;
  void RunScrollPlan(const TtsScrollPlan& plan);
  void PrepareBarScroll(bool repaintCurrent);
  bool firstPaintDone_ = false;
  bool canvasAttached_ = false;
  bool isPainting_ = false;
  bool canvasResetPending_ = true;
  TGridCoord lastPaintedCell_{-1, -1};
  bool focusFrameOnFixedRow_ = false;
  bool focusFrameOnFixedCol_ = false;
  int layoutLockCount_ = 0;
  int directPaintDepth_ = 0;
  unsigned pendingUpdates_ = 0;
  int scrollMode_ = 0;
  platform::TRect scrollKeepRect_{};
  platform::TRect scrollKeepRowRect_{};
  TGridCoord previousCurrent_{1, 1};
  TtsScrollPlan lastScrollPlan_;
  std::int64_t autoScrollWaitStart_ = 0;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
  TScrollStyle alwaysShowScrollBar_ = TScrollStyle::ssNone;
  bool horzBarShown_ = false;
  bool vertBarShown_ = false;
  bool scrollBarsPending_ = false;
  bool scrollPosPending_ = false;

  // Current cell and editing ------------------------------------------------------------------------
 public:
  TtsCurrentCell& CurrentCell() { return *currentCell_; }
  // The edit state of the current row.
  bool CellEditing() const { return edit_.cellEditing; }
  bool RowEditing() const { return edit_.rowEditing; }
  bool RowModified() const { return edit_.rowModified; }
  bool CellEditEnded() const { return edit_.cellEditEnded; }
  bool InsertRowPending() const { return edit_.insertRowPending; }
  // The in-cell editors; the active one serves the current cell's control type.
  TtsCustomGridControl& ActiveEditor() const { return *activeEditor_; }
  TtsEditGridControl& TextEditor() const;
  TtsCheckGridControl& CheckEditor() const;
  bool InEditMode() const { return editMode_; }
  bool EditorPlaced() const { return editorPlaced_; }
  // The masks that text cells name, found through the mask definitions.
  TtsMaskLink MaskDefs;
  // The window's key events: OnKeyDown and OnKeyPress come first (a key set to 0 ends there).
  std::function<void(TtsBaseGrid& sender, int& key, platform::TShiftState shift)> OnKeyDown;
  std::function<void(TtsBaseGrid& sender, int& key, platform::TShiftState shift)> OnKeyUp;
  std::function<void(TtsBaseGrid& sender, char& key)> OnKeyPress;
  // While suspended (counted) the grid ignores key downs and presses.
  void SuspendKeys(bool release);
  bool KeysSuspended() const { return keySuspend_ > 0; }

  // Which display columns and rows can take the current cell.
  bool NextEnterableCol(int from, bool excludeReadOnly, bool requireSelectable, int& col) const;
  bool PrevEnterableCol(int from, bool excludeReadOnly, bool requireSelectable, int& col) const;
  bool NextEnterableRow(int from, bool excludeReadOnly, bool requireSelectable, int& row) const;
  bool PrevEnterableRow(int from, bool excludeReadOnly, bool requireSelectable, int& row) const;
  int FirstEnterableCol(bool excludeReadOnly, bool requireSelectable) const;  // 0: none
  int LastEnterableCol(bool excludeReadOnly, bool requireSelectable) const;
  int FirstEnterableRow(bool excludeReadOnly, bool requireSelectable) const;
  int LastEnterableRow(bool excludeReadOnly, bool requireSelectable) const;
  int FirstScrollableEnterableCol() const;
  int FirstScrollableEnterableRow() const;
  // Reading order from a display cell (row 0: from the first row); editableOnly skips read-only cells.
  bool NextEnterableCell(int col, int row, bool editableOnly, int& newCol, int& newRow) const;
  bool PrevEnterableCell(int col, int row, bool editableOnly, int& newCol, int& newRow) const;
  bool IsCellEditable(int dataCol, int dataRow) const;
  bool IsCellReadOnly(int dataCol, int dataRow) const;  // false outside the data cells

  // Edits of the current cell and row; false when a handler refuses.
  bool StartEdit();
  bool EndEdit(bool byUser);
  bool FinishCellEdit(bool byUser);
  bool FinishRowEdit(bool byUser);
  bool UndoEdit(bool wholeRow, bool byUser, bool& keepValue, bool& wasEditing);
  // Ends what a move to the data cell must end (-1, -1: no target, both edits); false refuses it.
  bool CanLeaveCell(int dataCol, int dataRow, bool byUser);
  // Moves without the leave check; FixCurrentCell after layout changes, RelocateCurrentCell to keep
  // the current data cell after deletes and count changes.
  void MoveToCol(int displayCol, bool hideFocusFirst, bool excludeReadOnly, bool requireSelectable);
  void MoveToRow(int displayRow, bool hideFocusFirst, bool excludeReadOnly, bool requireSelectable);
  void FixCurrentCell();
  void RelocateCurrentCell(int dataCol, int dataRow);
  void SetCurrentDataCell(int dataCol, int dataRow);

  // The in-cell editor on the current cell.
  void ShowEditor();
  void HideEditor(bool byUser);
  void RefreshEditor(bool byUser);
  // Start kinds: 0 the value reloaded with all text selected, 1 selection kept, 2 caret kept.
  bool EnterEditMode(int startKind, bool update);
  bool BeginEditByKey(bool update);
  bool LeaveEditMode();

  // Column and row ranges selected or deselected by program or by the mouse (display positions).
  void SelectColRange(int fromDisplayCol, int toDisplayCol, bool select);
  void SelectRowRange(int fromDisplayRow, int toDisplayRow, bool select, bool byUser);
  void SetRowRangeSelected(int fromDisplayRow, int toDisplayRow, bool select)
  {
    SelectRowRange(fromDisplayRow, toDisplayRow, select, false);
  }
  // OnTopLeftChanged when the top-left cell differs from the one last reported.
  void ReportTopLeft(bool byUser);
  bool ScrolledSinceEditorPlaced() const { return scrolledSinceEditorPlaced_; }

  // Grid-mode predicates.
  bool EditingAllowed() const;
  bool EditingOrBrowseAllowed() const;
  bool CanEditCells() const;
  bool CanShowEditor() const;
  bool IsListBoxSingleRow() const;
  bool IsGridFocused() const;
  void BlockReadOnlyQuery(bool release);
  bool ReadOnlyQueryBlocked() const { return readOnlyQueryBlock_ > 0; }

 protected:
  void KeyDown(int& key, platform::TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(int& key, platform::TShiftState shift) override;
  void FocusIn() override;
  void FocusOut() override;
  void RefreshEditor() override { RefreshEditor(false); }
  // Tab and Shift+Tab stay in the grid while it moves the current cell with them.
  bool focusNextPrevChild(bool next) override;
  virtual bool StartCellEdit();
  virtual bool StartRowEdit();
  virtual void CellEdited(int dataCol, int dataRow, bool byUser);
  virtual bool EndCellEdit();
  virtual bool ValidateMaskText();
  virtual bool EndRowEdit();
  virtual bool UndoCellEdit(bool byUser);
  virtual bool UndoRowEdit(bool byUser);
  virtual void ConfigureEditor(TtsCustomGridControl& editor);

 private:
  class CellHost;
  struct Editors;
  struct EditState {
    bool cellEditing = false;
    bool rowEditing = false;
    bool rowModified = false;
    bool cellEditEnded = false;
    bool insertRowPending = false;
  };
  void CreateEditors();
  void StoreCurrentPosition(int displayCol, int displayRow);
  void SetCurrentPosition(int displayCol, int displayRow, bool repaint);
  void UpdateInsertRow(bool repaint);
  void RestoreInsertRow();
  bool IsRowUndo(bool wholeRow) const;
  std::function<bool(int)> ColAccepts(bool excludeReadOnly, bool requireSelectable) const;
  std::function<bool(int)> RowAccepts(bool excludeReadOnly, bool requireSelectable) const;
  bool WalkEnterableCell(bool forward, int col, int row, bool editableOnly, int& newCol, int& newRow) const;
  void SetActiveEditor(TtsControlType type);
  void WireEditor(TtsCustomGridControl& editor);
  bool EditorMayShow() const;
  void PlaceEditor(TtsCustomGridControl& editor);
  void SetCellEditMode(bool on, int startKind);
  void EditorValueChanged(bool changed, bool byUser);
  bool EditorStartModify();
  bool EditorEscape(bool byUser);
  bool WantsEscape() const;
  void ReloadCurrentValue();
  void ClearOtherSelections(int keptKind);
  bool CanMoveFromCurrent() const;
  bool InFocusMode() const;  // the current cell moves with the focus frame, not the editor
  bool KeyMoveTo(int displayCol, int displayRow, bool checkLeave);
  bool NextCell(bool forward, bool byEnter);
  bool MoveRowBy(int step);
  bool MovePage(bool down);
  bool EndKey(int key, platform::TShiftState shift);
  bool EscapeKey();
  void HandleGridKey(int& key, platform::TShiftState shift);
  void LeaveGridByTab(bool forward);
  // The drop-downs' side of the keyboard and the editor.
  bool CurrentCellHasButton(TtsButtonType type) const;
  bool IsDropDownListCombo() const;
  bool DropDownKeyDown(int& key, platform::TShiftState shift);
  bool ComboListKeyDown(int& key, platform::TShiftState shift);
  bool DateTimeKeyDown(int& key, platform::TShiftState shift);
  bool DropDownByKey();
  bool ComboSearchKey(char key);
  void ComboCellTyped();
  void AttachDropDownCell();
  void CloseDropDownsOnFocusLoss();
  bool comboFilling_ = false;
  std::unique_ptr<CellHost> cellHost_;
  std::unique_ptr<TtsCurrentCell> currentCell_;
  std::unique_ptr<Editors> editors_;
  TtsCustomGridControl* activeEditor_ = nullptr;
  EditState edit_;
  TtsCellValue cellUndoValue_;
  bool editMode_ = true;
  int editStartKind_ = 0;
  bool editorPlaced_ = false;
  bool editorHidden_ = false;
  bool hidingEditor_ = false;
  bool leaveGuard_ = false;
  bool undoing_ = false;
  bool refocus_ = false;
  bool keyMove_ = false;
  int keySuspend_ = 0;
  int readOnlyQueryBlock_ = 0;
  int topLeftDepth_ = 0;
  bool scrolledSinceEditorPlaced_ = false;

  // Keyboard and editor placement -------------------------------------------------------------------
 public:
  // Where the caret goes when a value is next loaded into the text editor: 0 the whole text
  // selected, 1 left where the load puts it, 2 at the start. A load sets 1; moves set 0.
  int EditorCaretMode() const { return editorCaretMode_; }
  void SetEditorCaretMode(int mode) { editorCaretMode_ = mode; }
  // Alt with a heading's accelerator letter: OnHeadingClick for the first such column in display
  // order, when the grid can take the focus; false when no heading has the letter.
  bool HeadingAcceleratorKey(char letter);

 private:
  bool ScrollCurrentIntoViewForKey(int key, platform::TShiftState shift);
  bool ScrollColumnByKey(bool right);
  void LeaveEditModeOnFocusLoss();
  void CurrentCellWritten(int dataCol, int dataRow, const TtsCellValue& value);
  void RecordEditedValue(const TtsCellValue& value, bool byUser);
  TtsCellValue SteppedPicture(const TtsCellValue& shown, int part);
  std::string SteppedText(int dataCol, int dataRow, int part, const std::string& current, int& pos, int& len);
  int editorCaretMode_ = 0;
  std::unique_ptr<QObject> headingKeys_;

  // Size bookkeeping ---------------------------------------------------------------------------------
 public:
  // After the base changed every column width (row height): the columns (rows) at the default follow
  // a new one (a default below 1 becomes 1), the row bar (heading) and hidden ones keep their extents,
  // the scroll bars, top-left, editor and picture follow, and OnColResized (OnRowResized) fires with -1.
  void HandleColWidthsChange();
  void HandleRowHeightsChange();
  // After one display column's width (row's height) was written quietly; a hidden one goes back to 0.
  void HandleColWidthChange(int displayCol);
  void HandleRowHeightChange(int displayRow);
  // The width (height) at a display position, taken by its column (row) or the row bar (heading).
  void SetColWidth(int displayCol, int width);
  void SetRowHeight(int displayRow, int height);
  bool ColWidthsBusy() const { return colWidthsBusy_; }
  bool RowHeightsBusy() const { return rowHeightsBusy_; }
  int RememberedColWidth() const { return rememberedColWidth_; }
  int RememberedRowHeight() const { return rememberedRowHeight_; }
  // Raised by the all-columns (all-rows) setters: the sizes the columns (rows) were given by program
  // stay while they take the new default.
  bool ColWidthBySetter = false;
  bool RowHeightBySetter = false;

 protected:
  // Every top-left move of the base goes through the move with limits.
  void ScrollToTopLeft(int leftCol, int topRow) override { SetTopLeftLimited(leftCol, topRow); }

 private:
  void SizesChanged();
  bool colWidthsBusy_ = false;
  bool rowHeightsBusy_ = false;
  int rememberedColWidth_ = kPublishedColWidth;
  int rememberedRowHeight_ = kPublishedRowHeight;

  // Window messages, timers and scaling ------------------------------------------------------------
 public:
  // The clock the grid's timers run on: none for the window's own timers (tests give their own).
  void SetTimerClock(TtsTimerClock* clock) { buttonHost_.Clock = clock; }
  // A tick of a grid timer (WM_TIMER): 1 the cell-button hover, 2 the spin repeat.
  void TimerMessage(int id);
  const TtsButtonTracking& ButtonTracking() const { return buttonTracking_; }
  int SpinStartDelay() const { return buttonTracking_.SpinStartDelay; }
  void SetSpinStartDelay(int milliseconds) { buttonTracking_.SpinStartDelay = milliseconds; }
  int SpinRepeatDelay() const { return buttonTracking_.SpinRepeatDelay; }
  void SetSpinRepeatDelay(int milliseconds) { buttonTracking_.SpinRepeatDelay = milliseconds; }
  // The mouse over a flat button; a press on a button (part 0) or on a spin half (part 1 upper or
  // right, 2 the other): the spin press reports count 1 and, with spoAutoRepeat, starts the repeats.
  void SetHotButton(TGridCoord cell);
  void PressCellButton(TGridCoord cell);
  // Holds a spin half and restarts its repeat; a first press also steps once.
  void PressSpinButton(TGridCoord cell, int part, bool step = true);
  void ButtonHoverTick();
  void SpinRepeatTick();
  // A spin half is still held: focus on the grid or its editor, the press under way, the capture
  // held, a part recorded and the spin timer running.
  bool IsSpinTracking() const;
  void CheckSpinTracking();
  void ClearHotButton();
  void ClearPressedButton();
  void ResetButtonStates();
  void ValidateButtonCells();
  // The background of a button in its normal look: none (clNone) where the cell shows no face.
  platform::TColor InactiveButtonColor(int displayCol, int displayRow) const;
  bool IsButtonActive(int x, int y, int displayCol, int displayRow, TtsButtonType type) const;
  bool PointInButton(int x, int y, int displayCol, int displayRow);
  bool PointInDropDown(int screenX, int screenY) const;
  QWidget* DropDownWindow = nullptr;  // the open combo drop-down, set while it shows
  bool IsOverCellButton(int x, int y, int displayCol, int displayRow);
  // Invalidation shorthands: a cell painted at once; a cell, row or column unless a direct
  // (memory-canvas) paint runs.
  void InvalidateCellNow(int displayCol, int displayRow);
  void InvalidateCellUnlessMemPaint(int displayCol, int displayRow);
  void InvalidateRowUnlessMemPaint(int displayRow);
  void InvalidateColUnlessMemPaint(int displayCol);
  // The drop-down fill lock (counted): while held a drop-down grid's size is not fitted.
  void DropDownFillLock(bool unlock);
  bool DropDownFillUnlocked() const { return dropDownFillLock_ == 0; }
  // Button and alignment setters: each does nothing when the value is unchanged.
  void SetInactiveButtonState(TtsInactiveButtonState state);
  void SetButtonEdgeWidth(int width);
  void SetDefaultButtonWidth(int width);
  void SetDefaultButtonHeight(int height);
  void SetSpinButtonWidth(int width);
  void SetSpinButtonHeight(int height);
  void SetHeadingButton(TtsHeadingButton button);
  void SetHeadingHorzAlignment(TtsHorzAlignment alignment);
  void SetHeadingVertAlignment(TtsVertAlignment alignment);
  void SetHeadingWordWrap(TtsWordWrap wrap);
  void SetHorzAlignment(TtsHorzAlignment alignment);
  void SetVertAlignment(TtsVertAlignment alignment);
  void SetRowBarAlignment(TtsVertAlignment alignment);
  // The heading alignment of older streams ("HeadingAlignment": 0 left, 1 right, 2 centre).
  int LegacyHeadingAlignment() const { return legacyHeadingAlignment_; }
  void SetLegacyHeadingAlignment(int value);
  // One repeat of a held spin half (count 2 on): OnSpinRepeat, then one spin step of the cell.
  virtual void SpinRepeat(int dataCol, int dataRow, int part, int count);
  // One step of the current spin cell's value in its editor (part 1 up, 2 down), edit mode entered
  // first, offered to OnSpinIncrement and put in as the user's edit.
  void SpinStep(int dataCol, int dataRow, int part);

  // Scrollable columns (rows) from the first scrolled one that end inside the client area.
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // A display column's width (row's height) set when it differs, the change reported; true when it changed.
  bool SetColWidthQuiet(int displayCol, int width);
  bool SetRowHeightQuiet(int displayRow, int height);
  // Scaling with the form: flags of what follows the scale.
  enum TtsScaleFlag : unsigned { sfWidth = 1, sfHeight = 2, sfFont = 4 };
  virtual void ScaleCols(int m, int d, unsigned flags);
  virtual void ScaleRows(int m, int d, unsigned flags);
  virtual void ScaleCells(int m, int d, unsigned flags);

 protected:
  void TimerTick(int id) override;

 private:
  TtsGridButtonHost buttonHost_{*this};
  TtsButtonTracking buttonTracking_{buttonHost_};
  int dropDownFillLock_ = 0;
  int legacyHeadingAlignment_ = 0;
  void InvalidateHeadingUnlessMemPaint();
  void SyncButtonState();
  void ScaleFont(platform::TFont& font, int m, int d) const;

  // Mouse ------------------------------------------------------------------------------------------
 public:
  // Selection sets by display column (row), ranges in either order; hidden ones are left out.
  void SelectCols(int a, int b);
  void UnselectCols(int a, int b);
  void ToggleCols(int a, int b);
  void UnselectAllCols();
  void SelectOnlyCols(int a, int b);
  virtual void UnselectAllRows();
  virtual void SelectRows(int a, int b);
  virtual void UnselectRows(int a, int b);
  virtual void ToggleRows(int a, int b);  // never the insert row
  void SelectOnlyRows(int a, int b);
  int CountSelectedCols(int a, int b) const;
  int CountSelectedRows(int a, int b) const;
  // A display cell range repainted in a selection state ((0, 0, 0, 0): its box computed here).
  void RepaintRangeInState(const TtsRange& range, platform::TRect pixelRect, bool selected);
  void InvertOrInvalidateRect(const platform::TRect& rect);
  bool DisplayColVisible(int displayCol) const;
  bool DisplayRowVisible(int displayRow) const;
  // Sizing hot zones: the border under a point (msNone when none), setting the resize fields.
  TtsMouseStatus SizingHit(int x, int y, int row, int col);
  TtsMouseStatus ColSizingHit(int x) { return AxisSizingHit(true, x); }
  TtsMouseStatus RowSizingHit(int y) { return AxisSizingHit(false, y); }
  int NextSizingCol(int col) const;
  int NextSizingRow(int row) const;
  bool StartSizingFromPoint(int x, int y, int col, int row);
  // The dotted sizing line: a second draw at the same place erases it.
  void DrawSizingLine();
  void RedrawSizingLine();
  const std::vector<TtsFeedbackLine>& FeedbackLines() const { return mouse_.Feedback; }
  // The action under way and what the press left.
  TtsMouseStatus MouseStatus() const { return mouse_.Status; }
  const TtsMouseState& MouseState() const { return mouse_; }
  bool IsSelectable(int displayCol, int displayRow) const;
  bool InDragArea(int displayCol, int displayRow) const;
  TtsClickPosition ClickPosition(int dataCol, int dataRow) const { return ClickPositionOf(dataCol, dataRow); }
  virtual platform::TCursor GetCursorAt(int x, int y, int displayCol, int displayRow);
  // Ends the action under way without applying it (Escape).
  void CancelMouseAction();
  // Every data row selected, or none when all were (by mouse only with rsMulti).
  virtual void SelectAllPress(bool byMouse);
  void SetAllColWidths(int width, bool keepInView);
  void SetAllRowHeights(int height, bool keepInView);
  bool IsHeadingButtonHit(int x, int y, int displayCol) { return CanPressHeading(x, y, displayCol); }
  // The point lies on the column's heading button (its top 14 pixels at most).
  bool HitHeadingButton(int x, int y, int displayCol);
  // A heading press may start at the point: on a heading button, or anywhere in a heading acting as one.
  bool CanPressHeading(int x, int y, int displayCol);
  bool AutoScrolling() const;
  // A drop-down list: a press held on its owner's combo button goes on here as a press on the row
  // bar at the current row, with the capture.
  void ContinuePressInDropDown();
  void SetAutoscrollBlocked(bool on) { mouse_.AutoscrollBlocked = on; }
  void SetCaptureHandOver(bool on) { mouse_.CaptureHandOver = on; }
  // The in-cell editor serving a control type, and the button object that measures and draws a
  // cell's button (one per kind, made on first use).
  TtsCustomGridControl& GetGridControl(TtsControlType type) const;
  TtsCustomButton* GetCellButton(int displayCol, int displayRow);
  // The grid's own cursor, and the one shown over the selection that a press would drag.
  platform::TCursor Cursor = platform::crDefault;
  platform::TCursor SelectedAreaCursor = platform::crDefault;
  bool CheckMouseFocus = false;

 protected:
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void DblClick() override {}  // the press with the double-click mark does it
  void keyPressEvent(QKeyEvent* event) override;
  virtual void Click();
  virtual void FireDblClick();
  virtual void SetDownCell(int displayCol, int displayRow) { mouse_.DownCell = {displayCol, displayRow}; }
  virtual void SetUpCell(int displayCol, int displayRow) { mouse_.UpCell = {displayCol, displayRow}; }
  void FireClickCell(int dataColDown, int dataRowDown, int dataColUp, int dataRowUp);
  void FireDblClickCell(int dataCol, int dataRow);
  virtual void RowBarPress(platform::TShiftState shift, int x, int y, int displayCol, int displayRow);
  void HeadingPress(platform::TShiftState shift, int x, int y, int displayCol, int displayRow);
  virtual void CellRangePress(platform::TShiftState shift, int x, int y, int displayCol, int displayRow);
  void CellClick(platform::TShiftState shift, int x, int displayRow, int displayCol, int y, bool left);
  void CellButtonPress(platform::TShiftState shift, int x, int displayRow, int displayCol, int y);
  void PaintMouseFeedback(platform::TCanvas& canvas) const;
  // Focus arriving at the grid or its in-cell editor, and leaving both.
  QMetaObject::Connection WatchFocus();
  virtual void DoEnter();
  virtual void DoExit();

 private:
  void SetMouseStatus(TtsMouseStatus status);
  int SizingBorder(bool cols, int coordinate, int reach, int& lastPixel) const;
  TtsMouseStatus AxisSizingHit(bool cols, int coordinate);
  void FlipFeedback(const TtsFeedbackLine& line);
  void EraseMoveLine();
  bool LeftPress(platform::TShiftState shift, int x, int y, platform::TPoint cell);
  void RightPress(platform::TPoint cell);
  bool DoubleClickPress(platform::TShiftState shift, int x, int y, platform::TPoint cell, bool onBorder);
  bool SinglePress(platform::TShiftState shift, int x, int y, platform::TPoint cell);
  void CloseDropDownsByMouse();
  void PressHeadingButton();
  void ForwardPressToEditor(platform::TShiftState shift);
  bool ForwardToEditor(bool release, platform::TShiftState shift, int x, int y);
  void FinishAction(TtsMouseStatus old, int x, int y, bool commit);
  int DataColAt(int displayCol) const;
  int DataRowAt(int displayRow) const;
  void UpdateCursor(int x, int y);
  // Selection by mouse.
  bool SelectInSet(bool cols, int a, int b);
  bool UnselectInSet(bool cols, int a, int b);
  void ToggleInSet(bool cols, int a, int b);
  void ClearSelectionsByMouse();
  void RowGrab(platform::TShiftState shift, int displayCol, int displayRow);
  void ColGrab(platform::TShiftState shift, int displayCol);
  void ApplyRowRule(platform::TShiftState shift, int displayRow);
  void ApplyColRule(platform::TShiftState shift, int displayCol);
  void MoveCurrentQuietly(int displayCol, int displayRow);
  void StartCellRange(int displayCol, int displayRow);
  void ExtendCellRange(int displayCol, int displayRow);
  void ExtendRowsTo(int displayRow);
  void ExtendColsTo(int displayCol);
  void DragRowSelection(int x, int y, int displayCol, int displayRow);
  void DragColSelection(int x, int y, int displayCol, int displayRow);
  void DragCellRange(int x, int y, int displayRow, int displayCol);
  void EndSelectDrag(TtsMouseStatus status, bool commit);
  bool CheckAutoscroll(bool vertical, int coordinate);
  int AutoscrollRequest(bool vertical, int coordinate);
  void AutoScrollPass(int dx, int dy);
  void ExtendTowardsEdge(bool beforeLoop);
  void EndAutoScroll();
  int DiagonalStep(bool vertical, int step) const;
  platform::TPoint CellRangeTarget(int x, int y) const;
  void MoveScrollPass(int dx, int dy);
  bool MoveMarkerAtEnd(bool rows) const;
  void StopAutoScroll();
  // Resizing and moving.
  int EndResizeExtent(int start, int extent, int coordinate, int client, int remembered);
  void EndColResize(int x, bool commit);
  void EndRowResize(int y, bool commit);
  void KeepColInView(int displayCol, int width, int oldLeft);
  void KeepRowInView(int displayRow, int height, int oldTop);
  void StartColMove(int displayCol);
  void StartRowMove(int displayRow);
  void DragColMove(int x, int displayCol);
  void DragRowMove(int y, int displayRow);
  void DrawColMoveLine();
  void DrawRowMoveLine();
  void EndColMove(bool commit);
  void EndRowMove(bool commit);
  bool MoveChangesNothing(bool cols) const;
  // Cell and heading buttons.
  bool PressRefused(int displayCol, int displayRow) const;
  void TrackCellButton(int x, int y, int displayCol, int displayRow);
  void ReleaseCellButton(int x, int y);
  void HotTrack(int x, int y, int displayCol, int displayRow);
  void TrackHeadingButton(int x, int y, platform::TPoint cell, bool above);
  void ReleaseHeadingButton();
  void RepaintHeading(int dataCol);
  bool DesignTime() const;
  void DesignPress(platform::TMouseButton button, platform::TShiftState shift, int x, int y, platform::TPoint cell);
  void ToggleComboByMouse(int dataCol, int dataRow);
  bool HandOverToDropDown(int x, int y);
  bool ForwardToDropDown(bool release, platform::TShiftState shift, int x, int y);
  void ClickToOwner(int dataColDown, int dataRowDown, int dataColUp, int dataRowUp);
  TtsMouseState mouse_;
  std::shared_ptr<TtsCustomButton> cellButtons_[8];  // by button type
  TtsCustomButton* lastCellButton_ = nullptr;
  int exitNesting_ = 0;
  // From construction on, and undone before the window goes (its own end moves the focus).
  struct FocusWatch {
    QMetaObject::Connection connection;
    ~FocusWatch() { QObject::disconnect(connection); }
  } focusWatch_{WatchFocus()};
  std::unique_ptr<platform::Timer> autoScrollTimer_;

  // Combos and drop-downs
 public:
  // The combo lists and date-time choosers of the grid's cells (grid/dropdown), made on first use.
  TtsGridDropDowns& DropDowns();
  bool HasDropDowns() const { return dropDowns_ != nullptr; }

 protected:
  std::unique_ptr<TtsCombo> CreateCombo() override;
  void EnsureCombo() override;
  void ComboChanged(TtsCombo& combo, bool refresh) override;
  void CloseComboDropDown(const TtsCombo& combo) override;
  void DropComboState(bool refresh) override;
  void DropDateTimeState() override;
  void DropDateTimeStateFor(const TtsDateTimeDefComponent* definition) override;

 private:
  friend class TtsGridDropDowns;
  friend class TtsComboGrid;
  struct DropDownsDeleter {
    void operator()(TtsGridDropDowns* dropDowns) const;
  };
  std::unique_ptr<TtsGridDropDowns, DropDownsDeleter> dropDowns_;  // destroyed before the model

  // Persistence of combos
 protected:
  // A value read for a cell, after OnCellLoaded and before its check; a combo's list hands it to
  // its owner's OnComboCellLoaded.
  virtual void CellValueLoaded(int /*dataCol*/, int /*dataRow*/, TtsCellValue& /*value*/) {}

  // Selection repaint ------------------------------------------------------------------------------
 public:
  // The kind of selection shown (0 nothing, 1 columns, 2 rows, 3 a cell range) brought up to date
  // from the sets and the cell range: columns first, then rows, then the range.
  void UpdateSelectionKind();
  // The same, only when the selection of the kind kept is gone or nothing was kept.
  void KeepSelectionKind();
  // The 8 x 8 colour pattern of colour selections and focus (the colour where x + y is even, black
  // elsewhere). It exists only while SelectionColor or FocusColor is set; create makes an empty one
  // when it is missing.
  void CheckColorPattern(bool create);
  void UpdateColorPattern(platform::TColor color);
  void BuildColorPattern(platform::TColor color);
  const platform::TBitmap* ColorPattern() const { return colorPattern_.get(); }
  // The pattern in a colour, made on first use; none while both colours are unset.
  const platform::TBitmap* ColorPatternIn(platform::TColor color);
  // Setters that keep the pattern and the focus display up to date.
  void SetSelectionColor(platform::TColor color);
  void SetFocusColor(platform::TColor color);
  void SetFocusFontColor(platform::TColor color);
  void SetFocusBorder(TtsFocusBorder border);
  // The cell a range repaint is drawing, and the look asked for it ((-1, -1): none).
  struct TtsSelectedCache {
    int Col = -1;
    int Row = -1;
    bool Selected = false;
  };
  const TtsSelectedCache& IsCellSelectedCache() const { return selectedCache_; }
  // Window messages: the grid's cursor, also given to the in-cell editors; the parent's font taken
  // by the headings while HeadingParentFont; while designed, the splitter cursors over sizing
  // borders (else the arrow) and whether a press at a point belongs to the grid.
  void SetCursor(platform::TCursor cursor);
  void ParentFontChanged(const QFont& font);
  platform::TCursor DesignCursorAt(int x, int y);
  bool DesignHitTest(int x, int y);

 protected:
  // Paints a rectangle of the window at once (a direct paint); the back buffer is drawn whole, so
  // the cells in it come out as the sets say, or as the range repaint under way asks.
  virtual void PaintRectNow(const QRect& rect);
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  TtsMouseStatus DesignSpotAt(int x, int y);
  void DropDownFontChanged();
  bool DirectPaintPossible() const;
  void PaintRowBarNow(int displayRow);
  // Held around direct paints: what waited for painting is marked again at the end.
  class DirectPaintScope {
   public:
    explicit DirectPaintScope(TtsBaseGrid& grid);
    ~DirectPaintScope();
    DirectPaintScope(const DirectPaintScope&) = delete;
    DirectPaintScope& operator=(const DirectPaintScope&) = delete;

   private:
    TtsBaseGrid& grid_;
    QRegion pending_;
  };
  bool PaintsSelected(int displayCol, int displayRow) const;
  platform::TRect PaintArea() const;
  void PaintRangeCells(const TtsRange& range, bool selected);
  std::uint8_t selectionKind_ = 0;
  std::unique_ptr<platform::TBitmap> colorPattern_;
  platform::TColor colorPatternRgb_ = platform::clNone;
  TtsSelectedCache selectedCache_;
  // The range an inverting repaint draws in a given state (kNoCellRange: none).
  TtsRange invertedRange_ = kNoCellRange;
  bool invertedSelected_ = false;
  QRect paintRect_;  // the part of the window the running paint event draws; empty: all of it
};

// The grid the windows place on their forms.
class TtsGrid : public TtsBaseGrid {
 public:
  using TtsBaseGrid::TtsBaseGrid;
};

}  // namespace grid
