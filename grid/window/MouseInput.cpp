// The grid's mouse handlers: a press classifies the point and starts one action, the moves and the
// release go to that action, Escape cancels it; click events carry where press and release landed.

#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"
#include "grid/window/GridCursors.h"
#include "grid/window/ScopeEnd.h"
#include "platform/DragDrop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace grid {

using platform::TMouseButton;
using platform::TPoint;
using platform::TShiftState;

namespace {

constexpr TShiftState kKeys = platform::ssShift | platform::ssAlt | platform::ssCtrl;

}  // namespace

TtsClickPosition ClickPositionOf(int dataCol, int dataRow)
{
  if (dataCol < 0 || dataRow < 0)
    return cpOutside;
  if (dataCol == 0 && dataRow == 0)
    return cpCorner;
  if (dataCol == 0)
    return cpRowBar;
  if (dataRow == 0)
    return cpHeading;
  return cpCell;
}

void TtsBaseGrid::SetMouseStatus(TtsMouseStatus status)
{
  if (status == mouse_.Status)
    return;
  mouse_.Status = status;
  if (status == mouse_.Reported)
    return;
  const TtsMouseStatus old = mouse_.Reported;
  mouse_.Reported = status;
  if (status >= msRowSelect && status <= msSelectAll && (GridMode() == gmEdit || GridMode() == gmEditInsert) &&
      SelectionKind() == 0)
    InvalidateCell(model_.CurrentDisplayCol(), model_.CurrentDisplayRow());
  Fire(OnMouseStatusChanged, old, status);
}

int TtsBaseGrid::DataColAt(int displayCol) const
{
  return displayCol < 0 || displayCol >= GridCols() ? -1 : model_.DataColOf(displayCol);
}

int TtsBaseGrid::DataRowAt(int displayRow) const
{
  return displayRow < 0 || displayRow >= GridRows() ? -1 : model_.DataRowOf(displayRow);
}

void TtsBaseGrid::Click() { Fire(OnClick); }

void TtsBaseGrid::FireDblClick() { Fire(OnDblClick); }

void TtsBaseGrid::FireClickCell(int dataColDown, int dataRowDown, int dataColUp, int dataRowUp)
{
  Fire(OnClickCell, dataColDown, dataRowDown, dataColUp, dataRowUp, ClickPositionOf(dataColDown, dataRowDown),
       ClickPositionOf(dataColUp, dataRowUp));
}

void TtsBaseGrid::FireDblClickCell(int dataCol, int dataRow)
{
  Fire(OnDblClickCell, dataCol, dataRow, ClickPositionOf(dataCol, dataRow));
}

bool TtsBaseGrid::IsSelectable(int displayCol, int displayRow) const
{
  if (SelectFixed)
    return true;
  if (displayCol >= 1 && displayCol < FixedCols())
    return false;
  return !(displayRow >= 1 && displayRow < FixedRows());
}

bool TtsBaseGrid::InDragArea(int displayCol, int displayRow) const
{
  if (!IsCellSelected(displayCol, displayRow))
    return false;
  const TtsSelection& cols = model_.ColSelection();
  const TtsSelection& rows = model_.RowSelection();
  if (displayRow == 0 && cols.Selected(displayCol) && ColSelectMode == csMulti && ColMoving &&
      cols.Lowest() >= FixedCols())
    return false;
  return !(displayCol == 0 && rows.Selected(displayRow) && RowMoving && rows.Lowest() >= FixedRows());
}

// Press ------------------------------------------------------------------------------------------------

bool TtsBaseGrid::DesignTime() const
{
  if (Designing())
    return true;
  const auto* list = dynamic_cast<const TtsComboGrid*>(this);
  return list != nullptr && list->OwnerGrid() != nullptr && list->OwnerGrid()->Designing();
}

void TtsBaseGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  StopAutoScroll();
  mouse_.HandedOver = false;
  mouse_.CaptureHandOver = false;
  const TPoint cell = grid::CellAtPoint(*this, x, y);
  if (DesignTime()) {
    if (button == platform::mbLeft && StartSizingFromPoint(x, y, cell.X, cell.Y)) {
      mouse_.Captured = true;
      RedrawSizingLine();
      return;
    }
    DesignPress(button, shift, x, y, cell);
    return;
  }
  mouse_.DblClickHandled = false;
  mouse_.PressForwardPending = false;
  if (button == platform::mbLeft)
    mouse_.Captured = true;
  // The cell-button timer waits while the press is handled, and runs on unless the press holds
  // the mouse.
  const bool timerRan = buttonTracking_.StopHover();
  AtScopeEnd restart{[&] {
    if (timerRan && !mouse_.Captured)
      buttonTracking_.StartHover();
  }};
  if (button != platform::mbMiddle) {
    PressedHeadingCol = -1;
    PressedHeadingIsButton = false;
    HeadingShownDown = false;
    const auto* list = dynamic_cast<const TtsComboGrid*>(this);
    const bool mayFocus = list == nullptr || (list->OwnerGrid() != nullptr && list->OwnerGrid()->Designing() &&
                                              list->OwnerGrid()->HasDropDowns() &&
                                              list->OwnerGrid()->DropDowns().IsComboDroppedDown());
    const bool canFocus = mayFocus && focusPolicy() != Qt::NoFocus && isEnabled();
    if (canFocus && !hasFocus())
      setFocus(Qt::MouseFocusReason);
    const bool focusRefused = !canFocus;
    if (!(focusRefused && CheckMouseFocus)) {
      if (button == platform::mbRight) {
        RightPress(cell);
      } else if (!LeftPress(shift, x, y, cell)) {
        return;  // a drag and drop began
      }
    }
  }
  if (mouse_.PressForwardPending)
    ForwardPressToEditor(shift);
  else
    Fire(OnMouseDown, button, shift, x, y);
}

// At design time a press off the sizing zones is the base window's: the focus, a double click,
// the current cell moved to a pressed data cell, and the press event.
void TtsBaseGrid::DesignPress(TMouseButton button, TShiftState shift, int x, int y, TPoint cell)
{
  if (focusPolicy() != Qt::NoFocus && isEnabled() && !hasFocus())
    setFocus(Qt::MouseFocusReason);
  if ((shift & platform::ssDouble) != 0)
    FireDblClick();
  else if (button == platform::mbLeft && cell.X >= 1 && cell.Y >= 1)
    MoveCurrentCell(cell.X, cell.Y);
  Fire(OnMouseDown, button, shift, x, y);
}

// The press that started an edit goes on to the in-cell editor, with the moves and the release
// that follow it, so that its caret lands where the user clicked.
void TtsBaseGrid::ForwardPressToEditor(TShiftState shift)
{
  mouse_.PressForwardPending = false;
  QWidget* editor = ActiveEditor().Handle();
  if (editor == nullptr || editor->isHidden())
    return;
  const QPoint at = editor->mapFrom(this, QPoint(mouse_.PressPoint.X, mouse_.PressPoint.Y));
  if (!editor->rect().contains(at))
    return;
  mouse_.Captured = false;
  mouse_.Forwarded = true;
  const bool doubleClick = (shift & platform::ssDouble) != 0;
  QMouseEvent press(doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, QPointF(at),
                    editor->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &press);
}

bool TtsBaseGrid::ForwardToEditor(bool release, TShiftState shift, int x, int y)
{
  const QEvent::Type type = release ? QEvent::MouseButtonRelease : QEvent::MouseMove;
  if (!mouse_.Forwarded)
    return false;
  QWidget* editor = ActiveEditor().Handle();
  if (type == QEvent::MouseButtonRelease)
    mouse_.Forwarded = false;
  if (editor == nullptr || editor->isHidden())
    return false;
  const QPoint at = editor->mapFrom(this, QPoint(x, y));
  const Qt::MouseButtons held = (shift & platform::ssLeft) != 0 ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, QPointF(at), editor->mapToGlobal(QPointF(at)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(editor, &event);
  return true;
}

void TtsBaseGrid::RightPress(TPoint cell)
{
  if (cell.X < 0 || cell.Y < 0 || (cell.X == 0 && cell.Y == 0) || IsCellSelected(cell.X, cell.Y))
    return;
  const int col = cell.X == 0 ? model_.CurrentDisplayCol() : cell.X;
  const int row = cell.Y == 0 ? model_.CurrentDisplayRow() : cell.Y;
  if (col != model_.CurrentDisplayCol() || row != model_.CurrentDisplayRow())
    MoveCurrentCell(col, row);
}

bool TtsBaseGrid::LeftPress(TShiftState shift, int x, int y, TPoint cell)
{
  const bool onBorder = StartSizingFromPoint(x, y, cell.X, cell.Y);
  SetDownCell(cell.X, cell.Y);
  if ((shift & platform::ssDouble) == 0 || !DoubleClickPress(shift, x, y, cell, onBorder)) {
    if (!SinglePress(shift, x, y, cell))
      return false;
  }
  PressHeadingButton();
  return true;
}

// A double click that qualifies: on a border it only marks the restore; elsewhere the events,
// and on the current cell the click that starts an edit. False: it goes on as a single press.
bool TtsBaseGrid::DoubleClickPress(TShiftState shift, int x, int y, TPoint cell, bool onBorder)
{
  const bool onButton = cell.X >= 1 && cell.Y >= 1 && PointInButton(x, y, cell.X, cell.Y);
  const bool headingPress = cell.Y == 0 && (shift & kKeys) == 0 && IsHeadingButtonHit(x, y, cell.X);
  if (onButton || (headingPress && !onBorder))
    return false;
  if (onBorder) {
    DrawSizingLine();
    mouse_.BorderDblClick = true;
    mouse_.DblClickHandled = true;
    return true;
  }
  FireDblClick();
  FireDblClickCell(DataColAt(cell.X), DataRowAt(cell.Y));
  const bool current = cell.X == model_.CurrentDisplayCol() && cell.Y == model_.CurrentDisplayRow();
  if (current && !CellEditing() && CanEditCells()) {
    CellClick(shift, x, cell.Y, cell.X, y, true);
    return true;
  }
  mouse_.DblClickHandled = true;
  return true;
}

// False when a handler of OnCanStartDrag began a drag and drop: the press ends there.
bool TtsBaseGrid::SinglePress(TShiftState shift, int x, int y, TPoint cell)
{
  mouse_.ButtonPressPending = false;
  if (CellButtonPressed) {
    const TGridCoord pressed = PressedButtonCell;
    ClearPressedButton();
    RepaintCellButton(pressed.X, pressed.Y);
  }
  if (IsResizeStatus(mouse_.Status)) {
    CloseDropDownsByMouse();
    DrawSizingLine();
    return true;
  }
  if (cell.X < 0 || cell.Y < 0) {
    CloseDropDownsByMouse();
    return true;
  }
  if (InDragArea(cell.X, cell.Y) && (shift & (platform::ssShift | platform::ssCtrl)) == 0) {
    CloseDropDownsByMouse();
    Fire(OnCanStartDrag);
    if (platform::Dragging()) {
      mouse_.Captured = false;
      return false;
    }
  }
  AtScopeEnd done{[this] {
    if (!mouse_.Captured && PressedHeadingCol == -1)
      SetMouseStatus(msNone);
  }};
  const bool rangeMode = GridMode() != gmListBox;
  if (cell.X >= 1 && cell.Y >= 1 && rangeMode && CellSelectMode == cmRange) {
    const int left = ColLeft(*this, cell.X);
    if (left <= x && x < left + 3) {
      CloseDropDownsByMouse();
      CellRangePress(shift, x, y, cell.X, cell.Y);
      ReportGridStatus();
      return true;
    }
  }
  if (cell.Y == 0 && cell.X >= 1) {
    CloseDropDownsByMouse();
    if (IsHeadingButtonHit(x, y, cell.X) && (shift & kKeys) == 0)
      PressedHeadingCol = DataColAt(cell.X);
    else if (mouse_.Status != msHeadingButton)
      HeadingPress(shift, x, y, cell.X, cell.Y);
  } else if (cell.X == 0 && cell.Y >= 1) {
    CloseDropDownsByMouse();
    RowBarPress(shift, x, y, cell.X, cell.Y);
  } else if (cell.X == 0 && cell.Y == 0) {
    CloseDropDownsByMouse();
    SelectAllPress(true);
  } else {
    if (HasDropDowns() && DropDowns().DropDownCell() != QPoint(DataColAt(cell.X), DataRowAt(cell.Y)))
      CloseDropDownsByMouse();
    if (PointInButton(x, y, cell.X, cell.Y))
      CellButtonPress(shift, x, cell.Y, cell.X, y);
    else
      CellClick(shift, x, cell.Y, cell.X, y, true);
  }
  SelectionFollowsRow();
  ReportGridStatus();
  return true;
}

void TtsBaseGrid::CloseDropDownsByMouse()
{
  if (HasDropDowns())
    DropDowns().CloseDropDowns(false);
}

void TtsBaseGrid::PressHeadingButton()
{
  if (PressedHeadingCol == -1 || mouse_.Status == msHeadingButton)
    return;
  SetMouseStatus(msHeadingButton);
  const int displayCol = model_.DisplayColOf(PressedHeadingCol);
  PressedHeadingIsButton = model_.HasHeadingButton(displayCol);
  HeadingShownDown = true;
  RepaintHeading(PressedHeadingCol);
  Fire(OnHeadingDown, PressedHeadingCol);
  if (!mouse_.Captured) {
    PressedHeadingIsButton = false;
    HeadingShownDown = false;
    RepaintHeading(PressedHeadingCol);
  }
}

// Move -------------------------------------------------------------------------------------------------

void TtsBaseGrid::MouseMove(TShiftState shift, int x, int y)
{
  // A new position ends an autoscroll loop; the move decides again.
  StopAutoScroll();
  if (ForwardToEditor(false, shift, x, y) || ForwardToDropDown(false, shift, x, y))
    return;
  mouse_.LastMove = {x, y};
  if (DesignTime() && mouse_.Status == msNone) {
    SetCursorNumber(DesignCursorAt(x, y));
    Fire(OnMouseMove, shift, x, y);
    return;
  }
  mouse_.InMouseMove = true;
  const TPoint cell = CellAtPointClamped(*this, x, y);
  const bool above = y <= 0;
  if ((shift & platform::ssLeft) != 0 && !mouse_.DblClickHandled) {
    AtScopeEnd done{[this] {
      if (!mouse_.Captured)
        SetMouseStatus(msNone);
    }};
    switch (mouse_.Status) {
      case msRowSelect: DragRowSelection(x, y, cell.X, cell.Y); break;
      case msColSelect: DragColSelection(x, y, cell.X, cell.Y); break;
      case msCellSelect: DragCellRange(x, y, cell.Y, cell.X); break;
      case msRowResize:
      case msHeadingResize:
      case msColResize:
      case msRowBarResize:
        DrawSizingLine();
        mouse_.ResizeLinePos = (IsRowSizing(mouse_.Status) ? y : x) + mouse_.ResizeOffset;
        DrawSizingLine();
        break;
      case msRowMove: DragRowMove(y, cell.Y); break;
      case msColMove: DragColMove(x, cell.X); break;
      case msCellButton: TrackCellButton(x, y, cell.X, cell.Y); break;
      case msHeadingButton: TrackHeadingButton(x, y, cell, above); break;
      default: break;
    }
  } else if ((shift & platform::ssRight) != 0 && mouse_.Status == msHeadingButton) {
    TrackHeadingButton(x, y, cell, above);
  } else if ((shift & platform::ssMiddle) == 0 && !mouse_.DblClickHandled) {
    const TPoint under = grid::CellAtPoint(*this, x, y);
    HotTrack(x, y, under.X, under.Y);
  }
  mouse_.InMouseMove = false;
  UpdateCursor(x, y);
  Fire(OnMouseMove, shift, x, y);
}

void TtsBaseGrid::UpdateCursor(int x, int y)
{
  const TPoint cell = grid::CellAtPoint(*this, x, y);
  mouse_.Hover = {x, y};
  SetCursorNumber(GetCursorAt(x, y, cell.X, cell.Y));
}

// Release ----------------------------------------------------------------------------------------------

void TtsBaseGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  StopAutoScroll();
  if (button == platform::mbLeft && (ForwardToEditor(true, shift, x, y) || ForwardToDropDown(true, shift, x, y)))
    return;
  if ((DesignTime() && mouse_.Status == msNone) || platform::Dragging()) {
    Fire(OnMouseUp, button, shift, x, y);
    return;
  }
  buttonTracking_.StopHover();
  if (button == platform::mbLeft) {
    const TPoint cell = grid::CellAtPoint(*this, x, y);
    SetUpCell(cell.X, cell.Y);
    const TtsMouseStatus old = mouse_.Status;
    mouse_.Captured = false;
    if (MouseCapture())
      SetMouseCapture(false);
    {
      AtScopeEnd done{[this] { SetMouseStatus(msNone); }};
      FinishAction(old, x, y, true);
    }
    if (IsResizeStatus(old) && CanPaintDirect())
      repaint();
    ReportGridStatus();
    const bool resizeOrMove = old >= msRowResize && old <= msColMove;
    if (!mouse_.DblClickHandled && old != msCellButton && !resizeOrMove) {
      const int downCol = DataColAt(mouse_.DownCell.X);
      const int downRow = DataRowAt(mouse_.DownCell.Y);
      const int upCol = DataColAt(mouse_.UpCell.X);
      const int upRow = DataRowAt(mouse_.UpCell.Y);
      Click();
      FireClickCell(downCol, downRow, upCol, upRow);
      if (!OnClickCell)
        ClickToOwner(downCol, downRow, upCol, upRow);
    }
    mouse_.DblClickHandled = false;
  }
  Fire(OnMouseUp, button, shift, x, y);
  const QPoint at = mapFromGlobal(QCursor::pos());
  const TPoint under = grid::CellAtPoint(*this, at.x(), at.y());
  HotTrack(at.x(), at.y(), under.X, under.Y);
}

// The end of an action: applied on release, undone on cancel.
void TtsBaseGrid::FinishAction(TtsMouseStatus old, int x, int y, bool commit)
{
  switch (old) {
    case msRowSelect:
    case msColSelect:
    case msCellSelect: EndSelectDrag(old, commit); break;
    case msRowResize:
    case msHeadingResize: EndRowResize(y, commit); break;
    case msColResize:
    case msRowBarResize: EndColResize(x, commit); break;
    case msRowMove: EndRowMove(commit); break;
    case msColMove: EndColMove(commit); break;
    case msCellButton:
      if (commit)
        ReleaseCellButton(x, y);
      break;
    case msHeadingButton: ReleaseHeadingButton(); break;
    default: break;
  }
}

void TtsBaseGrid::CancelMouseAction()
{
  const TtsMouseStatus old = mouse_.Status;
  if (old == msNone || old == msCellButton)
    return;
  StopAutoScroll();
  {
    AtScopeEnd done{[this] { SetMouseStatus(msNone); }};
    mouse_.Captured = false;
    FinishAction(old, 0, 0, false);
  }
  if (IsResizeStatus(old))
    update();
  ReportGridStatus();
}

void TtsBaseGrid::keyPressEvent(QKeyEvent* event)
{
  // While an action other than a held cell button is under way, Escape cancels it and the other
  // keys are left alone.
  if (mouse_.Status != msNone && mouse_.Status != msCellButton) {
    if (event->key() == Qt::Key_Escape)
      CancelMouseAction();
    event->accept();
    return;
  }
  TCustomGrid_ts::keyPressEvent(event);
}

// Drop-down lists --------------------------------------------------------------------------------------

// A click on a combo cell's list, or a press handed on from its button and released in it, chooses
// the list's row for the owner's cell; a press outside the list's cells chooses nothing.
void TtsBaseGrid::ClickToOwner(int dataColDown, int dataRowDown, int dataColUp, int dataRowUp)
{
  auto* list = dynamic_cast<TtsComboGrid*>(this);
  if (list == nullptr || DesignTime() || dataRowDown < 0)
    return;
  TtsBaseGrid* owner = list->OwnerGrid();
  if (owner == nullptr || !owner->HasDropDowns())
    return;
  // Released off the rows (nothing selected) the list closes without a choice.
  if (dataRowDown != 0 && SelectionKind() != 2) {
    owner->DropDowns().CloseDropDowns(false);
    owner->setFocus(Qt::OtherFocusReason);
    return;
  }
  owner->DropDowns().ComboRowChosen(dataColDown, dataRowDown, dataColUp, dataRowUp);
}

// A combo button held down and dragged into its open list (within its left and right edges, below
// its top) hands the press on to the list, once per opening: the button shows released and hot.
bool TtsBaseGrid::HandOverToDropDown(int x, int y)
{
  if (!HasDropDowns() || !DropDowns().HasGridCombo() || !DropDowns().IsComboDroppedDown())
    return false;
  TtsBaseGrid& list = DropDowns().GridCombo().ComboGrid();
  if (!list.mouse_.CaptureHandOver || !list.isVisible())
    return false;
  const QPoint at = mapToGlobal(QPoint(x, y));
  const QPoint topLeft = list.mapToGlobal(QPoint(0, 0));
  if (at.x() < topLeft.x() || at.x() >= topLeft.x() + list.width() || at.y() < topLeft.y())
    return false;
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  ClearPressedButton();
  mouse_.ButtonPressPending = false;
  SetHotButton({col, row});
  RepaintCellButton(col, row);
  mouse_.Captured = false;
  if (MouseCapture())
    SetMouseCapture(false);
  mouse_.HandedOver = true;
  list.ContinuePressInDropDown();
  ForwardToDropDown(false, platform::ssLeft, x, y);
  return true;
}

void TtsBaseGrid::ContinuePressInDropDown()
{
  mouse_.CaptureHandOver = false;
  mouse_.DblClickHandled = false;
  mouse_.PressForwardPending = false;
  const int col = model_.CurrentDisplayCol();
  const int row = model_.CurrentDisplayRow();
  SetDownCell(col, row);
  mouse_.Captured = true;
  SetMouseCapture(true);
  if (row >= 1 && row < GridRows()) {
    RowBarPress(TShiftState(0), 0, RowTop(*this, row), 0, row);
    SelectionFollowsRow();
    ReportGridStatus();
  }
}

// The moves and the release of a press handed on to the drop-down list go there while the list
// holds it.
bool TtsBaseGrid::ForwardToDropDown(bool release, TShiftState shift, int x, int y)
{
  if (!mouse_.HandedOver)
    return false;
  if (release || !HasDropDowns() || !DropDowns().HasGridCombo())
    mouse_.HandedOver = false;
  if (!HasDropDowns() || !DropDowns().HasGridCombo())
    return false;
  TtsBaseGrid& list = DropDowns().GridCombo().ComboGrid();
  if (!list.MouseCapture()) {
    mouse_.HandedOver = false;
    return false;
  }
  const QPointF at = list.mapFromGlobal(mapToGlobal(QPointF(x, y)));
  const Qt::MouseButtons held = (shift & platform::ssLeft) != 0 ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(release ? QEvent::MouseButtonRelease : QEvent::MouseMove, at, list.mapToGlobal(at),
                    release ? Qt::LeftButton : Qt::NoButton, release ? Qt::NoButton : held, Qt::NoModifier);
  QApplication::sendEvent(&list, &event);
  return true;
}

// Cursor -----------------------------------------------------------------------------------------------

platform::TCursor TtsBaseGrid::GetCursorAt(int x, int y, int displayCol, int displayRow)
{
  using namespace platform;
  RegisterGridCursors();
  const TtsMouseStatus status = mouse_.Status;
  if (IsColSizing(status))
    return crHSplit;
  if (IsRowSizing(status))
    return crVSplit;
  if (status == msCellButton)
    return Cursor;
  if (x > ClientWidth() || y > ClientHeight() || displayCol < 0 || displayRow < 0)
    return crDefault;
  // The zone test must leave the resize fields of an action under way alone.
  const int index = mouse_.ResizeIndex;
  const int linePos = mouse_.ResizeLinePos;
  const int offset = mouse_.ResizeOffset;
  const TtsMouseStatus zone = SizingHit(x, y, displayRow, displayCol);
  mouse_.ResizeIndex = index;
  mouse_.ResizeLinePos = linePos;
  mouse_.ResizeOffset = offset;
  if (IsRowSizing(zone))
    return crVSplit;
  if (IsColSizing(zone))
    return crHSplit;
  if (InDragArea(displayCol, displayRow) && SelectedAreaCursor != crDefault)
    return SelectedAreaCursor;
  const TtsSelection& rows = model_.RowSelection();
  const TtsSelection& cols = model_.ColSelection();
  if (displayCol == 0 && displayRow >= 1) {
    const bool grabbed = rows.Selected(displayRow) && SelectionKind() == 2 && RowMoving && rows.Lowest() >= FixedRows();
    if (RowSelectMode() != rsNone && IsSelectable(-1, displayRow) && !model_.IsInsertRow(displayRow) && !grabbed)
      return crRowSelect;
    return Cursor;
  }
  if (displayRow == 0 && displayCol >= 1) {
    const bool grabbed = cols.Selected(displayCol) && ColMoving && cols.Lowest() >= FixedCols();
    if (ColSelectMode == csMulti && !grabbed && IsSelectable(displayCol, -1) && !IsHeadingButtonHit(x, y, displayCol) &&
        !model_.HeadingIsButton(displayCol))
      return crColSelect;
    return Cursor;
  }
  if (displayCol == 0 || displayRow == 0)
    return Cursor;
  const int left = ColLeft(*this, displayCol);
  if (GridMode() != gmListBox && CellSelectMode == cmRange && left <= x && x < left + 3)
    return IsSelectable(displayCol, displayRow) && !model_.IsInsertRow(displayRow) ? crCellRange : Cursor;
  if (GridMode() == gmListBox || GridMode() == gmBrowse)
    return Cursor;
  const int dataCol = DataColAt(displayCol);
  const int dataRow = DataRowAt(displayRow);
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType button = model_.ResolveButtonType(dataCol, dataRow, style);
  const bool dropDownList = (button == btCombo || button == btDateTimeDropDown || button == btDateTimePopup) &&
                            style == ddDropDownList;
  if (model_.IsCellReadOnly(dataCol, dataRow) || dropDownList)
    return Cursor;
  const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
  if (type == ctText)
    return AlwaysShowEditor && !PointInButton(x, y, displayCol, displayRow) ? crIBeam : Cursor;
  return Cursor;
}

}  // namespace grid
