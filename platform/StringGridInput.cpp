// Keys and mouse of the string grid.

#include "platform/StringGrid.h"

#include "platform/KeyTranslation.h"
#include "platform/StringGridEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

constexpr int kWheelRows = 3;
constexpr int kSizingMargin = 3;  // pixels either side of a column's right line where the mouse sizes it

// Typed text without an 8-bit key press: characters beyond Latin-1 ("\u221A", "\u03C0", "\u2212").
bool TypesBeyondLatin1(const QKeyEvent& event)
{
  const QString text = event.text();
  if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) || !TypedCharacters(event).empty())
    return false;
  return std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
}

}  // namespace

// The keys that move the current cell; with Shift and goRangeSelect they move the selection's other
// corner instead.
void TStringGrid::Navigate(int& key, TShiftState shift)
{
  const bool extend = (shift & ssShift) != 0 && HasOption(goRangeSelect) && key != VK_TAB;
  const bool ctrl = (shift & ssCtrl) != 0;
  const TGridCoord from = extend ? anchor_ : current_;
  int col = from.X;
  int row = from.Y;
  const int lastCol = ColCount() - 1;
  const int lastRow = RowCount() - 1;
  const int page = std::max(1, VisibleRowCount());
  switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME:
      col = fixedCols_;
      if (ctrl)
        row = fixedRows_;
      break;
    case VK_END:
      col = lastCol;
      if (ctrl)
        row = lastRow;
      break;
    case VK_TAB:
      if (!HasOption(goTabs))
        return;
      if ((shift & ssShift) != 0) {
        if (col > fixedCols_)
          --col;
        else if (row > fixedRows_)
          col = lastCol, --row;
      } else if (col < lastCol) {
        ++col;
      } else if (row < lastRow) {
        col = fixedCols_, ++row;
      }
      break;
    case VK_F1 + 1:  // F2
      ShowEditor();
      return;
    default:
      return;
  }
  if (HasOption(goRowSelect) && (key == VK_LEFT || key == VK_RIGHT)) {
    SetLeftCol(topLeft_.X + (key == VK_LEFT ? -1 : 1));
    return;
  }
  if (extend)
    MoveAnchor(col, row);
  else
    MoveCurrent(col, row, true);
}

// Keys

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
  // A key the editor left unhandled comes here on its way up to the window: it goes on, never back.
  if (editor_ && editor_->PassedOn(event)) {
    event->ignore();
    return;
  }
  if (editor_ && !editor_->isHidden()) {
    QApplication::sendEvent(editor_, event);
    event->accept();  // its way up the parents was taken from the editor already
    return;
  }
  // A character beyond Latin-1 has no KeyPress: it opens the editor with it here, as others do there.
  if (!editorMode_ && TypesBeyondLatin1(*event)) {
    ShowEditor();
    if (editor_ && !editor_->isHidden()) {
      editor_->setText(event->text());
      event->accept();
      return;
    }
  }
  CustomControl::keyPressEvent(event);
}

void TStringGrid::KeyDown(int& key, TShiftState shift)
{
  if (OnKeyDown)
    OnKeyDown(key, shift);
  if (key != 0)
    Navigate(key, shift);
}

// Enter opens and closes the editor; a character typed with goEditing opens it with that character.
void TStringGrid::KeyPress(char& key)
{
  if (OnKeyPress)
    OnKeyPress(key);
  if (key == '\r') {
    if (HasOption(goAlwaysShowEditor))
      return;
    if (editorMode_)
      HideEditor();
    else
      ShowEditor();
    return;
  }
  if (static_cast<unsigned char>(key) < 32 || editorMode_)
    return;
  ShowEditor();
  if (editor_ && !editor_->isHidden())
    editor_->setText(QString(QChar(static_cast<unsigned char>(key))));
}

// Mouse

void TStringGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  if (OnMouseDown)
    OnMouseDown(button, shift, x, y);
  if (button != mbLeft)
    return;
  pressedOnCell_ = true;
  setFocus();
  const TGridAxis columns = Columns();
  if (HasOption(goColSizing) && y < Rows().FixedEnd())
    for (int col : columns.InView()) {
      const int edge = columns.Start(col) + columns.Extent(col);
      if (std::abs(x - edge) <= kSizingMargin) {
        sizingCol_ = col;
        sizingStartX_ = x;
        sizingStartWidth_ = columns.Extent(col);
        SetMouseCapture(true);
        return;
      }
    }
  const TGridCoord cell = MouseCoord(x, y);
  if (cell.X < fixedCols_ || cell.Y < fixedRows_)
    return;
  if ((shift & ssShift) != 0 && HasOption(goRangeSelect)) {
    MoveAnchor(cell.X, cell.Y);
    return;
  }
  if (cell == current_ && HasOption(goEditing) && !editorMode_) {
    ShowEditor();
    return;
  }
  if (MoveCurrent(cell.X, cell.Y, true, false) && HasOption(goRangeSelect)) {
    selecting_ = true;
    SetMouseCapture(true);
  }
}

void TStringGrid::MouseMove(TShiftState shift, int x, int y)
{
  if (OnMouseMove)
    OnMouseMove(shift, x, y);
  if (sizingCol_ >= 0) {
    SetColWidths(sizingCol_, sizingStartWidth_ + x - sizingStartX_);
    return;
  }
  if (!selecting_)
    return;
  const TGridAxis columns = Columns();
  const TGridAxis rows = Rows();
  const int col = columns.At(std::clamp(x, columns.FixedEnd(), columns.Client - 1));
  const int row = rows.At(std::clamp(y, rows.FixedEnd(), rows.Client - 1));
  if (col >= fixedCols_ && row >= fixedRows_)
    MoveAnchor(col, row);
}

void TStringGrid::MouseUp(TMouseButton button, TShiftState, int, int)
{
  if (button != mbLeft)
    return;
  sizingCol_ = -1;
  selecting_ = false;
  SetMouseCapture(false);
  if (pressedOnCell_ && OnClick) {
    pressedOnCell_ = false;
    OnClick();
  }
  pressedOnCell_ = false;
}

void TStringGrid::DblClick()
{
  if (OnDblClick)
    OnDblClick();
}

bool TStringGrid::MouseWheel(TShiftState, int delta, int, int)
{
  SetTopRow(topLeft_.Y + (delta > 0 ? -kWheelRows : kWheelRows));
  return true;
}

void TStringGrid::FocusIn()
{
  if (editor_ && !editor_->isHidden()) {  // the open editor has the grid's focus
    editor_->setFocus();
    return;
  }
  FocusWithinChanged();
}

void TStringGrid::FocusOut()
{
  FocusWithinChanged();
}

void TStringGrid::Resized()
{
  SizeChanged();
}

}  // namespace platform
