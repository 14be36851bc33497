// The grid's keys and editor as its drop-downs see them: F4 and the Alt arrows open a combo list or
// a date-time chooser, keys go to an open list or chooser, typing searches a list-style combo cell
// and edits of an editable one are completed from its list, and a drop-down closes when the grid
// loses the focus.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/GridEditorParts.h"

#include <QApplication>
#include <QKeyEvent>

namespace grid {

using namespace platform;  // virtual-key codes and shift flags

namespace {

// The Qt key of the keys passed on to a date-time chooser.
Qt::Key ChooserKey(int key)
{
  switch (key) {
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    default: return Qt::Key_unknown;
  }
}

void SendKey(QWidget& target, Qt::Key key)
{
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &release);
}

bool IsDropDownKey(int key, TShiftState shift)
{
  return (key == VK_F(4) && (shift & (ssAlt | ssCtrl)) == 0) ||
         ((key == VK_DOWN || key == VK_UP) && (shift & ssAlt) != 0);
}

}  // namespace

bool TtsBaseGrid::CurrentCellHasButton(TtsButtonType type) const
{
  const int col = CurrentDataCol();
  const int row = CurrentDataRow();
  if (col < 1 || row < 1 || col > Cols() || row > Rows())
    return false;
  TtsDropDownStyle style = ddDropDown;
  return model_.ResolveButtonType(col, row, style) == type;
}

bool TtsBaseGrid::IsDropDownListCombo() const
{
  if (!CurrentCellHasButton(btCombo))
    return false;
  TtsDropDownStyle style = ddDropDown;
  model_.ResolveButtonType(CurrentDataCol(), CurrentDataRow(), style);
  return style == ddDropDownList && !IsCellReadOnly(CurrentDataCol(), CurrentDataRow());
}

// F4, Alt+Down and Alt+Up: the current cell's combo list or date-time chooser opens (or closes).
bool TtsBaseGrid::DropDownByKey()
{
  const int col = CurrentDataCol();
  const int row = CurrentDataRow();
  if (CurrentCellHasButton(btCombo)) {
    if (IsCellReadOnly(col, row) || GridMode() == gmListBox || GridMode() == gmBrowse)
      return false;
    DropDowns().ToggleComboDropDown(col, row);
    return true;
  }
  if (CurrentCellHasButton(btDateTimeDropDown) || CurrentCellHasButton(btDateTimePopup))
    return DropDowns().ToggleDateTimeDropDown(col, row);
  return false;
}

// A key down while a drop-down is open; true when it was handled there and goes no further.
bool TtsBaseGrid::DropDownKeyDown(int& key, TShiftState shift)
{
  if (!HasDropDowns())
    return false;
  if (DropDowns().IsComboDroppedDown())
    return ComboListKeyDown(key, shift);
  if (DropDowns().IsDateTimeDroppedDown())
    return DateTimeKeyDown(key, shift);
  return false;
}

bool TtsBaseGrid::ComboListKeyDown(int& key, TShiftState shift)
{
  TtsGridDropDowns& drops = DropDowns();
  TtsBaseGrid& list = drops.GridCombo().ComboGrid();
  const bool alt = (shift & ssAlt) != 0;
  if (IsDropDownKey(key, shift)) {
    drops.CloseDropDowns(false);
    key = 0;
    return true;
  }
  switch (key) {
    case VK_TAB:
      drops.CloseDropDowns(false);
      return false;  // and on to the next cell
    case VK_ESCAPE:
      drops.CloseDropDowns(false);
      key = 0;
      return true;
    case VK_RETURN:
      if (!Designing())
        drops.ComboRowChosen(list.CurrentDataCol(), list.CurrentDataRow(), list.CurrentDataCol(),
                             list.CurrentDataRow());
      key = 0;
      return true;
    case VK_HOME:
    case VK_END: {
      int listKey = key == VK_HOME ? VK_UP : VK_DOWN;
      list.KeyDown(listKey, ssCtrl);
      key = 0;
      return true;
    }
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
      if (alt)
        return false;
      list.KeyDown(key, shift);
      key = 0;
      return true;
    default:
      if ((shift & ssCtrl) != 0 && key != VK_CONTROL) {
        list.KeyDown(key, shift);
        key = 0;
        return true;
      }
      return false;
  }
}

bool TtsBaseGrid::DateTimeKeyDown(int& key, TShiftState shift)
{
  TtsGridDropDowns& drops = DropDowns();
  if (key == VK_TAB || IsDropDownKey(key, shift)) {
    if (QWidget* chooser = drops.DateTimeControl() ? drops.DateTimeControl()->Window() : nullptr)
      SendKey(*chooser, Qt::Key_Escape);
    if (drops.IsDateTimeDroppedDown())
      drops.CloseDateTimeDropDown(false, true);
    if (key == VK_TAB)
      return false;  // and on to the next cell
    key = 0;
    return true;
  }
  const Qt::Key qtKey = ChooserKey(key);
  if (qtKey == Qt::Key_unknown || (shift & ssAlt) != 0)
    return false;
  if (QWidget* chooser = drops.DateTimeControl() ? drops.DateTimeControl()->Window() : nullptr)
    SendKey(*chooser, qtKey);
  key = 0;
  return true;
}

// A character typed on a list-style combo cell searches its list (Escape clears the search); true
// when it was one. Enter, Tab and the other control characters are left to the keys.
bool TtsBaseGrid::ComboSearchKey(char key)
{
  constexpr char kEscape = 27;
  if ((static_cast<unsigned char>(key) < 32 && key != kEscape) || !IsDropDownListCombo())
    return false;
  if (!editMode_ && key != kEscape)
    BeginEditByKey(true);
  return DropDowns().ComboCellKey(key);
}

// The text of an editable combo cell was typed: completed from its list, or the list follows it.
void TtsBaseGrid::ComboCellTyped()
{
  if (comboFilling_ || !CurrentCellHasButton(btCombo))
    return;
  TtsFlagScope filling(comboFilling_);
  DropDowns().ComboCellEdited();
}

// The drop-downs work on the shown editor's text; without one on the stored value. A cell given to
// them by the program stays.
void TtsBaseGrid::AttachDropDownCell()
{
  if (!HasDropDowns() && !CurrentCellHasButton(btCombo) && !CurrentCellHasButton(btDateTimeDropDown) &&
      !CurrentCellHasButton(btDateTimePopup))
    return;
  const TtsDropDownCell* given = DropDowns().GivenCell();
  if (given && !editors_->IsDropDownCell(given))
    return;
  DropDowns().SetCell(editorPlaced_ ? &editors_->DropDownCellOf(*activeEditor_) : nullptr);
}

// The focus went to another widget than the grid, its editor or a drop-down (a window losing its
// activation is the drop-down hooks' to answer).
void TtsBaseGrid::CloseDropDownsOnFocusLoss()
{
  if (!HasDropDowns() || !DropDowns().IsDropDownShown())
    return;
  const QWidget* focused = QApplication::focusWidget();
  if (!focused || focused == this || isAncestorOf(focused) || DropDowns().OwnsDropDownWindow(focused->window()))
    return;
  DropDowns().CloseDropDowns(false);
}

}  // namespace grid
