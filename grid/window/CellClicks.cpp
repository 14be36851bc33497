// A press in a data cell: the current cell moves there, and a press on the current cell starts
// its edit; a press on a cell's button holds the button until the release fires its events; the
// hot look of flat buttons under the pointer; headings acting as buttons.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "grid/window/ScopeEnd.h"

#include <algorithm>

namespace grid {

using platform::TShiftState;

namespace {

bool IsSpin(TtsButtonType type) { return type == btVertSpin || type == btHorzSpin; }

}  // namespace

// A read-only cell in a row or column that may not be selected takes no press.
bool TtsBaseGrid::PressRefused(int displayCol, int displayRow) const
{
  return !IsSelectable(displayCol, displayRow) && model_.IsCellReadOnly(DataColAt(displayCol), DataRowAt(displayRow));
}

void TtsBaseGrid::CellClick(TShiftState shift, int x, int displayRow, int displayCol, int y, bool left)
{
  if (GridMode() == gmListBox) {
    if (RowSelectMode() != rsNone && left) {
      RowBarPress(shift, x, y, 0, displayRow);
    } else if (IsSelectable(-1, displayRow)) {
      MoveCurrentCell(model_.CurrentDisplayCol(), displayRow);
      SelectionFollowsRow();
    }
    FirePendingSelectChanged();
    return;
  }
  if (PressRefused(displayCol, displayRow))
    return;
  const int dataCol = DataColAt(displayCol);
  const int dataRow = DataRowAt(displayRow);
  const bool readOnly = model_.IsCellReadOnly(dataCol, dataRow);
  int targetCol = displayCol;
  if (readOnly && model_.Col(dataCol).ReadOnly() && SkipsReadOnly())
    targetCol = model_.CurrentDisplayCol();
  const bool moves = targetCol != model_.CurrentDisplayCol() || displayRow != model_.CurrentDisplayRow();
  const bool selection = SelectionKind() != 0;
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType button = model_.ResolveButtonType(dataCol, dataRow, style);
  const bool dropDownList = (button == btCombo || button == btDateTimeDropDown || button == btDateTimePopup) &&
                            style == ddDropDownList;
  const bool editStart = !moves && !selection && !CellEditing() && left && targetCol == displayCol && !dropDownList;
  if (moves || selection) {
    if (!CanLeaveCell(model_.DataColOf(targetCol), dataRow, true))
      return;
    HideEditor(false);
    HideFocus(false);
    ClearSelectionsByMouse();
    MoveCurrentQuietly(targetCol, displayRow);
  }
  if (editStart && CanEditCells() && IsCellEditable(dataCol, dataRow)) {
    const bool check = model_.ResolveControlType(dataCol, dataRow) == ctCheck;
    if (!check || StartEdit())
      EnterEditMode(2, true);
  }
  ShowEditor();
  ShowFocus(false);
  if (left && targetCol == displayCol && PointInButton(x, y, displayCol, displayRow)) {
    CellButtonPress(shift, x, displayRow, displayCol, y);
    return;
  }
  if (left && targetCol == displayCol) {
    mouse_.PressPoint = {x, y};
    const QWidget* editor = ActiveEditor().Handle();
    mouse_.PressForwardPending = editor != nullptr && !editor->isHidden();
  }
  NotifyCellMoved();
  FirePendingSelectChanged();
}

void TtsBaseGrid::CellButtonPress(TShiftState shift, int x, int displayRow, int displayCol, int y)
{
  if (GridMode() == gmListBox) {
    CellClick(shift, x, displayRow, displayCol, y, true);
    return;
  }
  const int dataCol = DataColAt(displayCol);
  const int dataRow = DataRowAt(displayRow);
  if (PressRefused(displayCol, displayRow) || !CanLeaveCell(dataCol, dataRow, true))
    return;
  ClearSelectionsByMouse();
  MoveCurrentQuietly(displayCol, displayRow);
  ShowEditor();
  ClearPressedButton();
  mouse_.PressForwardPending = false;
  mouse_.ButtonPressPending = false;
  SetMouseStatus(msCellButton);
  SetMouseCapture(true);
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = model_.ResolveButtonType(dataCol, dataRow, style);
  int part = 0;
  if (PointInButton(x, y, displayCol, displayRow)) {
    part = IsSpin(type) ? SpinPartAt(x, y, displayCol, displayRow) : 0;
    mouse_.ButtonPressPending = true;
    mouse_.PendingPart = part;
    if (!IsSpin(type))
      PressCellButton({displayCol, displayRow});
    RepaintCellButton(displayCol, displayRow);
  }
  // A handler that raises leaves no button pressed.
  bool fired = false;
  AtScopeEnd unpress{[&] {
    if (!fired) {
      ClearPressedButton();
      RepaintCellButton(displayCol, displayRow);
    }
  }};
  const bool dropDowns = HasDropDowns();
  if (dropDowns && type != btCombo && type != btDateTimePopup && type != btDateTimeDropDown)
    DropDowns().CloseDropDowns(false);
  switch (type) {
    case btCombo: ToggleComboByMouse(dataCol, dataRow); break;
    case btDateTimeDropDown: DropDowns().ToggleDateTimeDropDown(dataCol, dataRow); break;
    case btNormal:
    case btDateTimePopup: Fire(OnButtonDown, dataCol, dataRow); break;
    case btVertSpin:
    case btHorzSpin:
      Fire(OnSpinButtonDown, dataCol, dataRow, part);
      if (part != 0) {
        Fire(OnSpinRepeat, dataCol, dataRow, 1, part);
        PressSpinButton({displayCol, displayRow}, part);
      }
      break;
    default: break;
  }
  fired = true;
}

// A list opened by its button may take over the press when the pointer moves into it; until the
// pointer is over its rows it does not scroll by itself.
void TtsBaseGrid::ToggleComboByMouse(int dataCol, int dataRow)
{
  TtsGridDropDowns& dropDowns = DropDowns();
  dropDowns.ToggleComboDropDown(dataCol, dataRow);
  if (!dropDowns.IsComboDroppedDown())
    return;
  TtsBaseGrid& list = dropDowns.GridCombo().ComboGrid();
  list.SetCaptureHandOver(!DesignTime());
  list.SetAutoscrollBlocked(true);
}

void TtsBaseGrid::TrackCellButton(int x, int y, int /*displayCol*/, int /*displayRow*/)
{
  if (HandOverToDropDown(x, y))
    return;
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  const bool onButton = PointInButton(x, y, col, row);
  const bool pressed = CellButtonPressed;
  if (onButton && !pressed && mouse_.ButtonPressPending &&
      (mouse_.PendingPart == 0 || SpinPartAt(x, y, col, row) == mouse_.PendingPart)) {
    if (mouse_.PendingPart == 0)
      PressCellButton({col, row});
    else
      PressSpinButton({col, row}, mouse_.PendingPart, false);  // back on the half: no step of its own
    RepaintCellButton(col, row);
    return;
  }
  const bool leftPart = pressed && PressedButtonPart != 0 && SpinPartAt(x, y, col, row) != PressedButtonPart;
  if (pressed && (!onButton || leftPart)) {
    ClearPressedButton();
    SetHotButton({col, row});
    RepaintCellButton(col, row);
  }
}

void TtsBaseGrid::ReleaseCellButton(int x, int y)
{
  const int part = PressedButtonPart;
  const bool spinPressed = CellButtonPressed && part != 0;
  if (CellButtonPressed) {
    const TGridCoord cell = PressedButtonCell;
    ClearPressedButton();
    RepaintCellButton(cell.X, cell.Y);
  }
  if (MouseCapture())
    SetMouseCapture(false);
  const platform::TPoint under = grid::CellAtPoint(*this, x, y);
  if (HotButtonCell.X != -1 && (HotButtonCell.X != under.X || HotButtonCell.Y != under.Y)) {
    const TGridCoord hot = HotButtonCell;
    ClearHotButton();
    RepaintCellButton(hot.X, hot.Y);
  }
  mouse_.ButtonPressPending = false;
  if (mouse_.DblClickHandled)
    return;
  const platform::TPoint down = mouse_.DownCell;
  const int dataCol = DataColAt(model_.CurrentDisplayCol());
  const int dataRow = DataRowAt(model_.CurrentDisplayRow());
  const int downCol = DataColAt(down.X);
  const int downRow = DataRowAt(down.Y);
  const bool hit = down.X >= 1 && down.Y >= 1 && PointInButton(x, y, down.X, down.Y);
  // The events follow the pressed cell's button: a release over another cell still ends the press
  // with its up event.
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = down.X >= 1 && down.Y >= 1 ? model_.ResolveButtonType(downCol, downRow, style) : btNone;
  switch (type) {
    case btNormal:
      if (hit)
        Fire(OnButtonClick, downCol, downRow);
      Fire(OnButtonUp, dataCol, dataRow);
      break;
    case btCombo:
    case btDateTimeDropDown:
    case btDateTimePopup:
      Fire(OnButtonClick, downCol, downRow);
      if (type == btDateTimePopup)
        DropDowns().ToggleDateTimeDropDown(downCol, downRow);
      Fire(OnButtonUp, dataCol, dataRow);
      break;
    default:
      if (hit && spinPressed)
        Fire(OnSpinButtonClick, downCol, downRow, part);
      if (spinPressed)
        Fire(OnSpinButtonUp, dataCol, dataRow, part);
      break;
  }
}

void TtsBaseGrid::HotTrack(int x, int y, int displayCol, int displayRow)
{
  const bool onButton = displayCol >= 1 && displayRow >= 1 && PointInButton(x, y, displayCol, displayRow);
  const TGridCoord hot = HotButtonCell;
  const bool isHot = hot.X == displayCol && hot.Y == displayRow;
  if (hot.X != -1 && (!onButton || !isHot)) {
    ClearHotButton();
    RepaintCellButton(hot.X, hot.Y);
  }
  if (!onButton || isHot || GridMode() == gmListBox || GridMode() == gmBrowse)
    return;
  const int dataCol = DataColAt(displayCol);
  const int dataRow = DataRowAt(displayRow);
  if (model_.IsCellReadOnly(dataCol, dataRow))
    return;
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = model_.ResolveButtonType(dataCol, dataRow, style);
  const bool current = displayCol == model_.CurrentDisplayCol() && displayRow == model_.CurrentDisplayRow();
  if ((!FlatButtons || IsSpin(type)) && (current || InactiveButtonState == ibsBackGround))
    return;
  SetHotButton({displayCol, displayRow});
  RepaintCellButton(displayCol, displayRow);
}

// Heading buttons --------------------------------------------------------------------------------------

void TtsBaseGrid::RepaintHeading(int dataCol)
{
  const int displayCol = model_.DisplayColOf(dataCol);
  if (displayCol >= 0)
    InvalidateCell(displayCol, 0);
}

bool TtsBaseGrid::HitHeadingButton(int x, int y, int displayCol)
{
  if (!model_.HasHeadingButton(displayCol))
    return false;
  const TtsCellPaintInfo info = GetCellPaintInfo(displayCol, 0, true);
  const platform::TRect& b = info.ButtonRect;
  if (!info.HasButton || b.IsEmpty())
    return false;
  return x >= b.Left && x < b.Right && y < std::min(b.Top + 14, b.Bottom);
}

bool TtsBaseGrid::CanPressHeading(int x, int y, int displayCol)
{
  if (PressedHeadingCol != -1 || displayCol < 1 || displayCol > Cols() || IsCellSelected(displayCol, 0))
    return false;
  if (model_.HasHeadingButton(displayCol) && HitHeadingButton(x, y, displayCol))
    return true;
  return model_.HeadingIsButton(displayCol) && HeadingOn() && y <= HeadingHeight();
}

void TtsBaseGrid::TrackHeadingButton(int x, int y, platform::TPoint cell, bool above)
{
  const int displayCol = model_.DisplayColOf(PressedHeadingCol);
  const bool onHeading = cell.X == displayCol && cell.Y == 0 && !above;
  const bool inside = onHeading && (!PressedHeadingIsButton || HitHeadingButton(x, y, displayCol));
  if (inside != HeadingShownDown) {
    HeadingShownDown = inside;
    RepaintHeading(PressedHeadingCol);
  }
}

void TtsBaseGrid::ReleaseHeadingButton()
{
  const int dataCol = PressedHeadingCol;
  const bool shownDown = HeadingShownDown;
  PressedHeadingCol = -1;
  PressedHeadingIsButton = false;
  if (shownDown) {
    HeadingShownDown = false;
    RepaintHeading(dataCol);
  }
  if (dataCol == -1)
    return;
  Fire(OnHeadingUp, dataCol);
  if (shownDown)
    Fire(OnHeadingClick, dataCol);
}

}  // namespace grid
