#pragma once
// The string grid: cells of text with leading fixed rows and columns, a current cell and a selection,
// an in-place editor, column widths and row heights, and the grid options. Self-drawn through the
// platform canvas; keys sent to the grid reach the editor while it is open, so tests type into cells
// by sending key events to the grid.

#include "platform/Canvas.h"
#include "platform/CustomControl.h"
#include "platform/Exceptions.h"
#include "platform/Font.h"
#include "platform/GridTypes.h"
#include "platform/StringGridAxis.h"
#include "platform/StringGridCells.h"

#include <QPointer>
#include <functional>
#include <vector>

namespace platform {

class TInplaceEdit;

class EInvalidGridOperation : public Exception {
public:
  using Exception::Exception;
};

using TGridDrawState = unsigned;
inline constexpr TGridDrawState gdSelected = 0x1;
inline constexpr TGridDrawState gdFocused = 0x2;
inline constexpr TGridDrawState gdFixed = 0x4;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TStringGrid : public CustomControl {
public:
  explicit TStringGrid(QWidget* parent = nullptr);
  ~TStringGrid() override;

  // Size: counts include the fixed rows and columns; a count is at least 1 and the fixed ones stay below it.
  int ColCount() const { return cells_.ColCount(); }
  int RowCount() const { return cells_.RowCount(); }
  void SetColCount(int count);
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  void SetFixedCols(int count);  // raises EInvalidGridOperation outside 0..ColCount-1
  void SetFixedRows(int count);

  // Cells
  const QString& Cells(int col, int row) const { return cells_.Cell(col, row); }
  void SetCells(int col, int row, const QString& text);

  // Extents in pixels
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int width);  // every column takes it
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height);
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);
  int GridLineWidth() const { return lineWidth_; }
  void SetGridLineWidth(int width);

  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options);
  bool HasOption(TGridOption option) const { return (options_ & (1u << option)) != 0; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor color);
  TFont& Font() { return font_; }
  bool DefaultDrawing = true;

  // The current cell (never a fixed one) and the selection, which holds it.
  int Col() const { return current_.X; }
  int Row() const { return current_.Y; }
  void SetCol(int col);  // as a user's move: OnSelectCell may refuse it
  void SetRow(int row);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& selection);  // its top-left becomes the current cell

  // Scrolling
  int TopRow() const { return topLeft_.Y; }
  int LeftCol() const { return topLeft_.X; }
  void SetTopRow(int row);
  void SetLeftCol(int col);
  int VisibleColCount() const;  // scrollable columns wholly in view
  int VisibleRowCount() const;

  // Geometry: the client rectangle of a cell (empty when out of view), and the cell under a point
  // ({-1, -1} when none).
  TRect CellRect(int col, int row) const;
  TGridCoord MouseCoord(int x, int y) const;

  // The in-place editor
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool on);
  void ShowEditor();  // with goEditing, not goRowSelect
  void HideEditor();
  QString EditorText() const;

  // Events. OnKeyDown and OnKeyPress see the keys typed in the editor too; a key set to 0 is consumed.
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  std::function<void(int col, int row, QString& text)> OnGetEditText;
  std::function<void(int col, int row, const QString& text)> OnSetEditText;
  std::function<void(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state)> OnDrawCell;
  std::function<void(int& key, TShiftState shift)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;
  std::function<void(TMouseButton button, TShiftState shift, int x, int y)> OnMouseDown;
  std::function<void(TShiftState shift, int x, int y)> OnMouseMove;
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnEnter;  // the focus came to the grid or its editor from elsewhere
  std::function<void()> OnExit;
  std::function<void()> OnTopLeftChanged;

protected:
  void Paint(TCanvas& canvas) override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  bool MouseWheel(TShiftState shift, int delta, int x, int y) override;
  void FocusIn() override;
  void FocusOut() override;
  void Resized() override;
  void ScrollBarMessage(int bar, int code, int pos) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  friend class TInplaceEdit;
  TGridAxis Columns() const;
  TGridAxis Rows() const;

  // Moves and navigation
  // False when refused. A cell chosen by the mouse is not scrolled into view: the grid stays under the mouse.
  bool MoveCurrent(int col, int row, bool moveAnchor, bool scrollIntoView = true);
  void Navigate(int& key, TShiftState shift);
  void ClampPositions();
  void ScrollIntoView(int col, int row);
  void SetTopLeft(int col, int row);
  void MoveAnchor(int col, int row);
  void SyncScrollBars();
  void SizeChanged();

  // Editor
  void UpdateEditor();
  void EditorTextChanged(const QString& text);
  void CancelEdit();
  void FocusWithinChanged();

  // Painting
  void PaintCell(TCanvas& canvas, int col, int row, const TRect& rect);
  void PaintLines(TCanvas& canvas);

  TStringGridCells cells_;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  int lineWidth_ = 1;
  TGridOptions options_ = kDefaultGridOptions;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
  TColor fixedColor_ = clBtnFace;
  TFont font_;
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridCoord topLeft_{1, 1};
  TGridCoord editorCell_{-1, -1};
  bool editorMode_ = false;
  QString textBeforeEdit_;
  QPointer<TInplaceEdit> editor_;
  bool selecting_ = false;
  int sizingCol_ = -1;  // the column whose width the mouse drags
  int sizingStartX_ = 0;
  int sizingStartWidth_ = 0;
  bool pressedOnCell_ = false;
  bool focusWithin_ = false;
  bool syncingBars_ = false;
};

}  // namespace platform
