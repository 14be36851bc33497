// The grid's keys: the key table that moves the current cell (with the cell-leave check before every
// checked move), Enter, Escape and F2, the clipboard keys, typing that starts an edit, and Ctrl+Tab,
// which leaves the grid. A current cell scrolled out of view comes back before a key acts; without an
// editor or a focus frame Left and Right scroll by a column. Keys the in-cell editor does not use come
// here through its hook.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/Grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace grid {

using namespace platform;  // virtual-key codes and shift flags

void TtsBaseGrid::SuspendKeys(bool release)
{
  if (!release)
    ++keySuspend_;
  else if (keySuspend_ > 0)
    --keySuspend_;
}

bool TtsBaseGrid::InFocusMode() const
{
  return (FocusBorder != fbNone || FocusColor != clNone || FocusFontColor != clNone) && GridMode() != gmListBox &&
         SelectionKind() == 0;
}

bool TtsBaseGrid::focusNextPrevChild(bool next)
{
  if (WantTabs && (EditingAllowed() || InFocusMode()))
    return false;
  return QWidget::focusNextPrevChild(next);
}

void TtsBaseGrid::KeyDown(int& key, TShiftState shift)
{
  keyMove_ = true;
  if (OnKeyDown) {
    Fire(OnKeyDown, key, shift);
    if (key == 0)
      return;
  }
  if (DropDownKeyDown(key, shift) || keySuspend_ > 0)
    return;
  // While a mouse action is under way Escape cancels it and the other keys do nothing.
  if (MouseStatus() != msNone && MouseStatus() != msCellButton) {
    if (key == VK_ESCAPE)
      CancelMouseAction();
    key = 0;
    return;
  }
  if (ScrollCurrentIntoViewForKey(key, shift) && key == VK_ESCAPE) {
    if (HasDropDowns())
      DropDowns().ClearComboSearch();
    key = 0;
  } else {
    HandleGridKey(key, shift);
  }
  SelectionFollowsRow();
  ReportGridStatus();
  FirePendingSelectChanged();
}

void TtsBaseGrid::KeyPress(char& key)
{
  if (keySuspend_ == 0 && ComboSearchKey(key)) {
    key = 0;
    return;
  }
  if (keySuspend_ == 0 && key != 0 && activeEditor_->IsEditChar(key) && activeEditor_->AllowEdit() &&
      BeginEditByKey(true)) {
    // The character becomes the first one of the edit.
    const QString text(QChar(static_cast<unsigned char>(key)));
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(&activeEditor_->Window(), &press);
    return;
  }
  if (OnKeyPress)
    Fire(OnKeyPress, key);
  if (HasDropDowns() && DropDowns().IsDateTimeDroppedDown())
    key = 0;
}

void TtsBaseGrid::KeyUp(int& key, TShiftState shift)
{
  if (refocus_) {
    refocus_ = false;
    if (activeEditor_->Visible())
      activeEditor_->SetFocus();
  }
  if (OnKeyUp)
    Fire(OnKeyUp, key, shift);
}

namespace {

// The Shift, Ctrl and Alt keys themselves, and Alt with anything but Up and Down, do nothing here.
bool IgnoredKey(int key, TShiftState shift)
{
  return ((shift & ssAlt) != 0 && key != VK_UP && key != VK_DOWN) || key == VK_SHIFT || key == VK_CONTROL ||
         key == VK_MENU;
}

}  // namespace

// A current cell scrolled out of view comes back before a key acts: across in the editing and
// browse modes without a selection (not for Ctrl with Home, End, Left or Right), up or down in
// those modes and for the vertical moves (not for Ctrl with Home, End, Up or Down).
bool TtsBaseGrid::ScrollCurrentIntoViewForKey(int key, TShiftState shift)
{
  if (IgnoredKey(key, shift))
    return false;
  const bool ctrl = (shift & ssCtrl) != 0;
  const TtsGridMode mode = GridMode();
  const bool modes = (mode == gmEdit || mode == gmEditInsert || mode == gmBrowse) && SelectionKind() == 0;
  const bool ctrlEnd = ctrl && (key == VK_HOME || key == VK_END);
  const bool across = modes && !ctrlEnd && !(ctrl && (key == VK_LEFT || key == VK_RIGHT));
  const bool verticalKey = key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END || key == VK_UP ||
                           key == VK_DOWN;
  const bool upDown = (modes || verticalKey) && !ctrlEnd && !(ctrl && (key == VK_UP || key == VK_DOWN));
  const TGridLayout layout = ComputeLayout();
  const auto outOfView = [](int index, int fixed, int first, int count, int lastFull) {
    return index >= fixed && index < count && (index < first || index > lastFull);
  };
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  const bool scrollCol = across && outOfView(col, layout.Horz.FixedCellCount, LeftCol(), GridCols(),
                                             layout.Horz.LastFullVisibleCell);
  const bool scrollRow = upDown && outOfView(row, layout.Vert.FixedCellCount, TopRow(), GridRows(),
                                             layout.Vert.LastFullVisibleCell);
  if (!scrollCol && !scrollRow)
    return false;
  // -1 leaves an axis where it is.
  ScrollIntoView({scrollCol ? col : -1, scrollRow ? row : -1});
  return true;
}

// Moves -------------------------------------------------------------------------------------------------

// A key move starts only from a current cell in the rows (and, outside list-box mode, the columns) shown.
bool TtsBaseGrid::CanMoveFromCurrent() const
{
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  if (row < 1 || row >= GridRows() || (GridMode() != gmListBox && (col < 1 || col >= GridCols())))
    return false;
  return true;
}

// The checked move to a display cell: the open edits end first, a refusal keeps the current cell.
bool TtsBaseGrid::KeyMoveTo(int displayCol, int displayRow, bool checkLeave)
{
  if (displayCol == model_.CurrentDisplayCol() && displayRow == model_.CurrentDisplayRow()) {
    ScrollIntoView({displayCol, displayRow});
    return true;
  }
  if (checkLeave && !CanLeaveCell(model_.DataColOf(displayCol), model_.DataRowOf(displayRow), true))
    return false;
  HideEditor(false);
  SetCurrentDataCell(model_.DataColOf(displayCol), model_.DataRowOf(displayRow));
  ScrollIntoView({model_.CurrentDisplayCol(), model_.CurrentDisplayRow()});
  ShowEditor();
  refocus_ = keyMove_;
  NotifyCellMoved();
  return true;
}

// Tab, Shift+Tab, Enter and the arrows in cell-editing or focus mode: the next (previous) cell of the
// row, then of the next (previous) row when TabRowWrap allows.
bool TtsBaseGrid::NextCell(bool forward, bool byEnter)
{
  if (!CanMoveFromCurrent())
    return false;
  const int row = model_.CurrentDisplayRow();
  const auto find = [&](int& newCol, int& newRow) {
    const int col = model_.CurrentDisplayCol();
    const bool found = forward ? NextEnterableCell(col, row, SkipsReadOnly(), newCol, newRow)
                               : PrevEnterableCell(col, row, SkipsReadOnly(), newCol, newRow);
    return found && (newRow == row || TabRowWrap);
  };
  int col = 0;
  int newRow = 0;
  if (!find(col, newRow)) {
    if (byEnter && CanLeaveCell(-1, -1, true)) {
      InvalidateRow(row);
      ReloadCurrentValue();
    }
    return byEnter;
  }
  if (!CanLeaveCell(model_.DataColOf(col), model_.DataRowOf(newRow), true))
    return true;
  // Handlers may have changed the grid: the target is looked for again.
  if (!find(col, newRow))
    return true;
  KeyMoveTo(col, newRow, false);
  return true;
}

// Up and Down: the next visible row in the current column.
bool TtsBaseGrid::MoveRowBy(int step)
{
  if (!CanMoveFromCurrent())
    return false;
  const bool checked = EditingAllowed() || InFocusMode();
  const int dataCol = CurrentDataCol();
  int row = model_.CurrentDisplayRow();
  for (;;) {
    const bool found = step > 0 ? NextEnterableRow(row, false, false, row) : PrevEnterableRow(row, false, false, row);
    if (!found)
      return false;
    if (!checked || !SkipsReadOnly() || IsCellEditable(dataCol, model_.DataRowOf(row)))
      break;
  }
  return KeyMoveTo(model_.CurrentDisplayCol(), row, checked);
}

bool TtsBaseGrid::MovePage(bool down)
{
  if (!CanMoveFromCurrent())
    return false;
  const int current = model_.CurrentDisplayRow();
  const int first = FirstEnterableRow(false, false);
  const int last = std::max(LastEnterableRow(false, false), first);
  if ((down && current >= last) || (!down && current <= first))
    return false;
  const int page = std::max(FullyVisibleRowCount(), 1);
  int target = std::clamp(current + (down ? page : -page), first, last);
  int row = target;
  if (!(down ? PrevEnterableRow(target + 1, false, false, row) : NextEnterableRow(target - 1, false, false, row)))
    row = target;
  return KeyMoveTo(model_.CurrentDisplayCol(), row, EditingAllowed());
}

// Left and Right without an editor or a focus frame to move: the grid scrolls by a column, the
// current column going along with it.
bool TtsBaseGrid::ScrollColumnByKey(bool right)
{
  int left = 0;
  if (right) {
    if (!NextEnterableCol(LeftCol(), false, false, left) || left > MaxLeftCol() || !CanMoveFromCurrent())
      return false;
  } else if (!PrevEnterableCol(LeftCol(), false, false, left) || left < FixedCols()) {
    return false;
  }
  SetTopLeftLimited(left, TopRow());
  int target = model_.CurrentDisplayCol();
  const bool found = right ? NextEnterableCol(std::max(target, LeftCol() - 1), false, false, target)
                           : PrevEnterableCol(target, false, false, target);
  if (!found)
    return true;
  return KeyMoveTo(target, model_.CurrentDisplayRow(), false);
}

// Ctrl+Home, Ctrl+End and the Ctrl arrows: the first or last cell, column or row.
bool TtsBaseGrid::EndKey(int key, TShiftState)
{
  if (!CanMoveFromCurrent())
    return false;
  const bool skip = SkipsReadOnly();
  const auto firstCol = [&] { return std::max(FirstEnterableCol(skip, false), FirstEnterableCol(false, false)); };
  const auto lastCol = [&] {
    const int col = LastEnterableCol(skip, false);
    return col > 0 ? col : LastEnterableCol(false, false);
  };
  const int firstSkipping = FirstEnterableCol(skip, false);
  int col = model_.CurrentDisplayCol();
  int row = model_.CurrentDisplayRow();
  switch (key) {
    case VK_HOME:
      col = firstSkipping > 0 ? firstSkipping : firstCol();
      row = FirstEnterableRow(false, false);
      break;
    case VK_END:
      col = lastCol();
      row = LastEnterableRow(false, false);
      break;
    case VK_LEFT:
      col = firstSkipping > 0 ? firstSkipping : firstCol();
      break;
    case VK_RIGHT:
      col = lastCol();
      break;
    case VK_UP:
      row = FirstEnterableRow(false, false);
      break;
    case VK_DOWN:
      row = LastEnterableRow(false, false);
      break;
    default:
      return false;
  }
  if (col < 1 || row < 1)
    return false;
  return KeyMoveTo(col, row, true);
}

// Esc and Ctrl+Z: undo the cell edit, then the row edit; true when an edit was under way.
bool TtsBaseGrid::EscapeKey()
{
  bool keepValue = true;
  bool wasEditing = false;
  if (!UndoEdit(false, true, keepValue, wasEditing))
    return wasEditing;
  if (!EditingAllowed())
    return wasEditing;
  const int row = model_.CurrentDisplayRow();
  if (model_.IsInsertRow(row) && !InsertRowPresent() && row > 1) {
    // Leaving the unedited new row gives it back as the insert row.
    HideEditor(false);
    SetCurrentPosition(model_.CurrentDisplayCol(), row - 1, true);
    ShowEditor();
    NotifyCellMoved();
    return true;
  }
  if (!AlwaysShowEditor)
    editMode_ = false;
  if (!keepValue || !AlwaysShowEditor)
    RefreshEditor(true);
  return wasEditing;
}

void TtsBaseGrid::LeaveGridByTab(bool forward)
{
  QWidget* next = this;
  do {
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  } while (next != this && (isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() ||
                            !next->isVisible()));
  if (next != this)
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// The key table ---------------------------------------------------------------------------------------

void TtsBaseGrid::HandleGridKey(int& key, TShiftState shift)
{
  const bool ctrl = (shift & ssCtrl) != 0;
  const bool shifted = (shift & ssShift) != 0;
  if (IgnoredKey(key, shift))
    return;
  const bool editing = EditingAllowed();
  const bool focusMode = InFocusMode();
  const auto consumeIf = [&key](bool done) {
    if (done)
      key = 0;
  };
  switch (key) {
    case VK_TAB:
      if (ctrl) {
        LeaveGridByTab(!shifted);
        key = 0;
      } else if (editing || focusMode) {
        NextCell(!shifted, false);
        key = 0;
      }
      return;
    case VK_RETURN:
      if (editing && !ctrl) {
        NextCell(true, true);
        key = 0;
      }
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (ctrl)
        EndKey(key, shift);
      else if (editing || focusMode)
        NextCell(key == VK_RIGHT, false);
      else
        ScrollColumnByKey(key == VK_RIGHT);
      key = 0;
      return;
    case VK_UP:
    case VK_DOWN:
      if ((shift & ssAlt) != 0) {
        consumeIf(DropDownByKey());
        return;
      }
      if (ctrl)
        EndKey(key, shift);
      else
        MoveRowBy(key == VK_DOWN ? 1 : -1);
      key = 0;
      return;
    case VK_PRIOR:
    case VK_NEXT:
      MovePage(key == VK_NEXT);
      key = 0;
      return;
    case VK_HOME:
    case VK_END:
      if (ctrl) {
        EndKey(key, shift);
        key = 0;
      }
      return;
    case VK_INSERT:
      if (ctrl)
        consumeIf(currentCell_->CopyToClipboard());
      else if (shifted && editing)
        consumeIf(currentCell_->EditAndPasteFromClipboard(true));
      return;
    case 'C':
      if (ctrl)
        consumeIf(currentCell_->CopyToClipboard());
      return;
    case 'V':
      if (ctrl && editing)
        consumeIf(currentCell_->EditAndPasteFromClipboard(true));
      return;
    case 'X':
      if (ctrl && editing)
        consumeIf(currentCell_->EditAndCutToClipboard(true));
      return;
    case VK_DELETE:
      if (shifted && editing)
        consumeIf(currentCell_->EditAndCutToClipboard(true));
      return;
    case 'Z':
      if (ctrl)
        consumeIf(EscapeKey());
      return;
    case VK_ESCAPE:
      // A pending incremental search is all that Escape ends then.
      if (HasDropDowns() && !DropDowns().ComboSearchText().empty()) {
        DropDowns().ClearComboSearch();
        key = 0;
        return;
      }
      consumeIf(EscapeKey());
      return;
    case VK_F1 + 3:
      if (!ctrl)
        consumeIf(DropDownByKey());
      return;
    case VK_F1 + 1:
      if (!editMode_ && EnterEditMode(2, true)) {
        activeEditor_->SetSelLength(0);
        key = 0;
      }
      return;
    default:
      return;
  }
}

}  // namespace grid
