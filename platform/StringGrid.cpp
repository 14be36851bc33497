#include "platform/StringGrid.h"

#include "platform/StringGridEditor.h"

#include <algorithm>

namespace platform {

TStringGrid::TStringGrid(QWidget* parent)
    : CustomControl(parent), cells_(5, 5), colWidths_(5, defaultColWidth_), rowHeights_(5, defaultRowHeight_)
{
  SetColor(clWindow);
  resize(320, 120);
  font_.OnChange = [this] {
    if (editor_)
      editor_->setFont(ToQFont(font_.Data()));
    Invalidate();
  };
}

TStringGrid::~TStringGrid() = default;

// Size

void TStringGrid::SetColCount(int count)
{
  count = std::max(count, 1);
  if (count == ColCount())
    return;
  if (fixedCols_ >= count)
    SetFixedCols(count - 1);
  cells_.Resize(count, RowCount());
  colWidths_.resize(std::size_t(count), defaultColWidth_);
  SizeChanged();
}

void TStringGrid::SetRowCount(int count)
{
  count = std::max(count, 1);
  if (count == RowCount())
    return;
  if (fixedRows_ >= count)
    SetFixedRows(count - 1);
  cells_.Resize(ColCount(), count);
  rowHeights_.resize(std::size_t(count), defaultRowHeight_);
  SizeChanged();
}

void TStringGrid::SetFixedCols(int count)
{
  if (count == fixedCols_)
    return;
  if (count < 0)
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
  if (count >= ColCount())
    throw EInvalidGridOperation(QStringLiteral("Fixed column count must be less than column count"));
  fixedCols_ = count;
  current_.X = anchor_.X = topLeft_.X = count;
  SizeChanged();
}

void TStringGrid::SetFixedRows(int count)
{
  if (count == fixedRows_)
    return;
  if (count < 0)
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
  if (count >= RowCount())
    throw EInvalidGridOperation(QStringLiteral("Fixed row count must be less than row count"));
  fixedRows_ = count;
  current_.Y = anchor_.Y = topLeft_.Y = count;
  SizeChanged();
}

void TStringGrid::SizeChanged()
{
  ClampPositions();
  SyncScrollBars();
  UpdateEditor();
  Invalidate();
}

void TStringGrid::ClampPositions()
{
  const auto clampCoord = [this](TGridCoord& c) {
    c.X = std::clamp(c.X, fixedCols_, ColCount() - 1);
    c.Y = std::clamp(c.Y, fixedRows_, RowCount() - 1);
  };
  clampCoord(current_);
  clampCoord(anchor_);
  topLeft_.X = std::clamp(topLeft_.X, fixedCols_, Columns().FirstShowing(ColCount() - 1));
  topLeft_.Y = std::clamp(topLeft_.Y, fixedRows_, Rows().FirstShowing(RowCount() - 1));
}

// Cells

void TStringGrid::SetCells(int col, int row, const QString& text)
{
  if (!cells_.Contains(col, row) || cells_.Cell(col, row) == text)
    return;
  cells_.SetCell(col, row, text);
  if (editor_ && editorCell_ == TGridCoord{col, row} && editor_->text() != text)
    editor_->SetTextQuietly(text);
  Invalidate();
}

// Extents

void TStringGrid::SetDefaultColWidth(int width)
{
  defaultColWidth_ = std::max(width, 0);
  std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
  SizeChanged();
}

void TStringGrid::SetDefaultRowHeight(int height)
{
  defaultRowHeight_ = std::max(height, 0);
  std::fill(rowHeights_.begin(), rowHeights_.end(), defaultRowHeight_);
  SizeChanged();
}

int TStringGrid::ColWidths(int col) const
{
  return col >= 0 && col < ColCount() ? colWidths_[std::size_t(col)] : defaultColWidth_;
}

void TStringGrid::SetColWidths(int col, int width)
{
  if (col < 0 || col >= ColCount())
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
  colWidths_[std::size_t(col)] = std::max(width, 0);
  SizeChanged();
}

int TStringGrid::RowHeights(int row) const
{
  return row >= 0 && row < RowCount() ? rowHeights_[std::size_t(row)] : defaultRowHeight_;
}

void TStringGrid::SetRowHeights(int row, int height)
{
  if (row < 0 || row >= RowCount())
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
  rowHeights_[std::size_t(row)] = std::max(height, 0);
  SizeChanged();
}

void TStringGrid::SetGridLineWidth(int width)
{
  lineWidth_ = std::max(width, 0);
  SizeChanged();
}

void TStringGrid::SetOptions(TGridOptions options)
{
  if (options & (1u << goRowSelect))
    options &= ~(1u << goAlwaysShowEditor);
  options_ = options;
  SetWantTabs(HasOption(goTabs));
  if (!HasOption(goEditing) || HasOption(goRowSelect))
    HideEditor();
  SizeChanged();
}

void TStringGrid::SetScrollBars(TScrollStyle style)
{
  scrollBars_ = style;
  SizeChanged();
}

void TStringGrid::SetFixedColor(TColor color)
{
  fixedColor_ = color;
  Invalidate();
}

TGridAxis TStringGrid::Columns() const
{
  const bool lines = HasOption(goFixedVertLine) || HasOption(goVertLine);
  return {colWidths_, fixedCols_, topLeft_.X, ClientWidth(), lines ? lineWidth_ : 0};
}

TGridAxis TStringGrid::Rows() const
{
  const bool lines = HasOption(goFixedHorzLine) || HasOption(goHorzLine);
  return {rowHeights_, fixedRows_, topLeft_.Y, ClientHeight(), lines ? lineWidth_ : 0};
}

// Current cell and selection

void TStringGrid::SetCol(int col)
{
  MoveCurrent(col, current_.Y, true);
}

void TStringGrid::SetRow(int row)
{
  MoveCurrent(current_.X, row, true);
}

TGridRect TStringGrid::Selection() const
{
  TGridRect r{std::min(current_.X, anchor_.X), std::min(current_.Y, anchor_.Y), std::max(current_.X, anchor_.X),
              std::max(current_.Y, anchor_.Y)};
  if (HasOption(goRowSelect)) {
    r.Left = fixedCols_;
    r.Right = ColCount() - 1;
  }
  return r;
}

void TStringGrid::SetSelection(const TGridRect& selection)
{
  current_ = {selection.Left, selection.Top};
  anchor_ = {selection.Right, selection.Bottom};
  ClampPositions();
  ScrollIntoView(current_.X, current_.Y);
  UpdateEditor();
  Invalidate();
}

bool TStringGrid::MoveCurrent(int col, int row, bool moveAnchor, bool scrollIntoView)
{
  col = std::clamp(col, fixedCols_, ColCount() - 1);
  row = std::clamp(row, fixedRows_, RowCount() - 1);
  const TGridCoord target{col, row};
  if (target != current_) {
    bool canSelect = true;
    if (OnSelectCell)
      OnSelectCell(col, row, canSelect);
    if (!canSelect)
      return false;
    if (!HasOption(goAlwaysShowEditor))
      HideEditor();
    current_ = target;
  }
  if (moveAnchor || !HasOption(goRangeSelect))
    anchor_ = current_;
  if (scrollIntoView)
    ScrollIntoView(col, row);
  UpdateEditor();
  Invalidate();
  return true;
}

void TStringGrid::MoveAnchor(int col, int row)
{
  if (!HasOption(goRangeSelect)) {
    MoveCurrent(col, row, true);
    return;
  }
  anchor_ = {std::clamp(col, fixedCols_, ColCount() - 1), std::clamp(row, fixedRows_, RowCount() - 1)};
  ScrollIntoView(anchor_.X, anchor_.Y);
  Invalidate();
}

// The editor

void TStringGrid::SetEditorMode(bool on)
{
  if (on)
    ShowEditor();
  else
    HideEditor();
}

void TStringGrid::ShowEditor()
{
  if (!HasOption(goEditing) || HasOption(goRowSelect))
    return;
  editorMode_ = true;
  UpdateEditor();
}

void TStringGrid::HideEditor()
{
  if (!editorMode_)
    return;
  editorMode_ = false;
  editorCell_ = {-1, -1};
  if (editor_ && !editor_->isHidden()) {
    const bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus)
      setFocus();
  }
  Invalidate();
}

QString TStringGrid::EditorText() const
{
  return editor_ && editorMode_ ? editor_->text() : QString();
}

// Puts the editor over the current cell while the grid is in editor mode (always with
// goAlwaysShowEditor); a new cell's text comes through OnGetEditText.
void TStringGrid::UpdateEditor()
{
  const bool editable = HasOption(goEditing) && !HasOption(goRowSelect);
  if (!editable || (!editorMode_ && !HasOption(goAlwaysShowEditor))) {
    HideEditor();
    return;
  }
  editorMode_ = true;
  if (!editor_) {
    editor_ = new TInplaceEdit(*this);  // owned by the grid as its child
    editor_->setFont(ToQFont(font_.Data()));
  }
  if (editorCell_ != current_) {
    editorCell_ = current_;
    textBeforeEdit_ = Cells(current_.X, current_.Y);
    QString text = textBeforeEdit_;
    if (OnGetEditText)
      OnGetEditText(current_.X, current_.Y, text);
    editor_->SetTextQuietly(text);
    editor_->selectAll();
  }
  const TRect r = CellRect(current_.X, current_.Y);
  if (r.IsEmpty()) {
    editor_->hide();
    return;
  }
  editor_->setGeometry(r.Left, r.Top, r.Width(), r.Height());
  if (editor_->isHidden()) {
    const bool focused = hasFocus();  // the editor takes the grid's focus, never another control's
    editor_->show();
    if (focused)
      editor_->setFocus();
  }
}

void TStringGrid::EditorTextChanged(const QString& text)
{
  if (!cells_.Contains(editorCell_.X, editorCell_.Y))
    return;
  cells_.SetCell(editorCell_.X, editorCell_.Y, text);
  if (OnSetEditText)
    OnSetEditText(editorCell_.X, editorCell_.Y, text);
}

// Escape: the cell gets back the text it had when the editor came to it.
void TStringGrid::CancelEdit()
{
  if (!editorMode_ || !editor_)
    return;
  if (editor_->text() != textBeforeEdit_) {
    editor_->SetTextQuietly(textBeforeEdit_);
    EditorTextChanged(textBeforeEdit_);
  }
  if (HasOption(goAlwaysShowEditor))
    editor_->selectAll();
  else
    HideEditor();
}

void TStringGrid::FocusWithinChanged()
{
  const bool within = hasFocus() || (editor_ && editor_->hasFocus());
  if (within == focusWithin_)
    return;
  focusWithin_ = within;
  Invalidate();
  if (within && OnEnter)
    OnEnter();
  if (!within && OnExit)
    OnExit();
}

}  // namespace platform
