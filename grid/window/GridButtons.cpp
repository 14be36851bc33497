// Where a cell's button is active and lies, the background of a button at rest, and the setters of
// the button sizes and the grid's alignments.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"

namespace grid {

using platform::TColor;

bool TtsBaseGrid::PointInDropDown(int screenX, int screenY) const
{
  if (DropDownWindow == nullptr || !DropDownWindow->isVisible())
    return false;
  return DropDownWindow->frameGeometry().contains(screenX, screenY);
}

bool TtsBaseGrid::IsButtonActive(int x, int y, int displayCol, int displayRow, TtsButtonType type) const
{
  const QPoint screen = mapToGlobal(QPoint(x, y));
  if (PointInDropDown(screen.x(), screen.y()))
    return false;
  if (GridMode() == gmListBox || GridMode() == gmBrowse || type == btNone)
    return false;
  if (displayCol < 1 || displayRow < 1 || x > ClientWidth() || y > ClientHeight())
    return false;
  return !model_.IsCellReadOnly(model_.DataColOf(displayCol), model_.DataRowOf(displayRow));
}

bool TtsBaseGrid::PointInButton(int x, int y, int displayCol, int displayRow)
{
  if (displayCol < 1 || displayRow < 1)
    return false;
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = model_.ResolveButtonType(model_.DataColOf(displayCol), model_.DataRowOf(displayRow), style);
  if (!IsButtonActive(x, y, displayCol, displayRow, type))
    return false;
  const platform::TRect cell = CellRect(*this, displayCol, displayRow);
  const platform::TSize button = ButtonOuterSize(type);
  const TtsButtonArea area = ButtonArea({cell.Left, cell.Top}, ColWidth(displayCol), RowHeight(displayRow),
                                        VertLineWidth(), HorzLineWidth(), button.cx, button.cy);
  return area.Contains(x, y);
}

bool TtsBaseGrid::IsOverCellButton(int x, int y, int displayCol, int displayRow)
{
  if (PointInButton(x, y, displayCol, displayRow))
    return true;
  if (displayCol < 1 || displayRow < 1)
    return false;
  TtsDropDownStyle style = ddDropDown;
  const TtsButtonType type = model_.ResolveButtonType(model_.DataColOf(displayCol), model_.DataRowOf(displayRow), style);
  return (type == btCombo || type == btDateTimeDropDown) && style == ddDropDownList &&
         IsButtonActive(x, y, displayCol, displayRow, type);
}

TColor TtsBaseGrid::InactiveButtonColor(int displayCol, int displayRow) const
{
  if (InactiveButtonState == ibsBackGround)
    return platform::clBtnFace;
  const bool editing = (GridMode() == gmEdit || GridMode() == gmEditInsert) && SelectionKind() == 0;
  const bool current = displayCol == model_.CurrentDisplayCol() && displayRow == model_.CurrentDisplayRow();
  if (current && editing && !InDirectPaint() &&
      !model_.IsCellReadOnly(model_.DataColOf(displayCol), model_.DataRowOf(displayRow)))
    return platform::clBtnFace;
  return platform::clNone;
}

// Invalidation shorthands -------------------------------------------------------------------------------

void TtsBaseGrid::InvalidateCellNow(int displayCol, int displayRow)
{
  InvalidateCell(displayCol, displayRow);
  if (!IsUpdating())
    repaint(CellBounds(displayCol, displayRow));
}

void TtsBaseGrid::InvalidateCellUnlessMemPaint(int displayCol, int displayRow)
{
  if (!InDirectPaint())
    InvalidateCell(displayCol, displayRow);
}

void TtsBaseGrid::InvalidateRowUnlessMemPaint(int displayRow)
{
  if (!InDirectPaint())
    InvalidateRow(displayRow);
}

void TtsBaseGrid::InvalidateColUnlessMemPaint(int displayCol)
{
  if (!InDirectPaint())
    InvalidateCol(displayCol);
}

void TtsBaseGrid::InvalidateHeadingUnlessMemPaint()
{
  if (HeadingOn())
    InvalidateRowUnlessMemPaint(0);
}

void TtsBaseGrid::DropDownFillLock(bool unlock)
{
  if (!unlock)
    ++dropDownFillLock_;
  else if (dropDownFillLock_ > 0)
    --dropDownFillLock_;
}

// Setters -------------------------------------------------------------------------------------------------

namespace {

// Stores a changed value; false when it was the same.
template <class T>
bool StoreChanged(T& field, T value)
{
  if (field == value)
    return false;
  field = value;
  return true;
}

// A setting of the cells' buttons: the cells measure and draw their buttons with it, and the editor
// is placed again.
template <class T>
void SetButtonSetting(TtsBaseGrid& grid, T& field, T value)
{
  if (!StoreChanged(field, value))
    return;
  grid.Invalidate();
  grid.Model().RefreshEditor();
}

}  // namespace

void TtsBaseGrid::SetInactiveButtonState(TtsInactiveButtonState state) { SetButtonSetting(*this, InactiveButtonState, state); }

void TtsBaseGrid::SetButtonEdgeWidth(int width) { SetButtonSetting(*this, ButtonEdgeWidth, width); }

void TtsBaseGrid::SetDefaultButtonWidth(int width) { SetButtonSetting(*this, DefaultButtonWidth, width); }

void TtsBaseGrid::SetDefaultButtonHeight(int height) { SetButtonSetting(*this, DefaultButtonHeight, height); }

void TtsBaseGrid::SetSpinButtonWidth(int width) { SetButtonSetting(*this, SpinButtonWidth, width); }

void TtsBaseGrid::SetSpinButtonHeight(int height) { SetButtonSetting(*this, SpinButtonHeight, height); }

void TtsBaseGrid::SetHeadingButton(TtsHeadingButton button)
{
  if (StoreChanged(model_.Level.HeadingButton, button) && HeadingOn())
    InvalidateRow(0);
}

void TtsBaseGrid::SetHeadingHorzAlignment(TtsHorzAlignment alignment)
{
  if (!StoreChanged(model_.Level.HeadingHorzAlignment, alignment))
    return;
  legacyHeadingAlignment_ = alignment == htaRight ? 1 : alignment == htaCenter ? 2 : 0;
  InvalidateHeadingUnlessMemPaint();
}

void TtsBaseGrid::SetLegacyHeadingAlignment(int value)
{
  if (value == legacyHeadingAlignment_)
    return;
  legacyHeadingAlignment_ = value;
  model_.Level.HeadingHorzAlignment = value == 1 ? htaRight : value == 2 ? htaCenter : htaDefault;
  InvalidateHeadingUnlessMemPaint();
}

void TtsBaseGrid::SetHeadingVertAlignment(TtsVertAlignment alignment)
{
  if (StoreChanged(model_.Level.HeadingVertAlignment, alignment))
    InvalidateHeadingUnlessMemPaint();
}

void TtsBaseGrid::SetHeadingWordWrap(TtsWordWrap wrap)
{
  if (StoreChanged(model_.Level.HeadingWordWrap, wrap))
    InvalidateHeadingUnlessMemPaint();
}

void TtsBaseGrid::SetHorzAlignment(TtsHorzAlignment alignment)
{
  if (StoreChanged(model_.Level.HorzAlignment, alignment))
    Invalidate();
}

void TtsBaseGrid::SetVertAlignment(TtsVertAlignment alignment)
{
  if (StoreChanged(model_.Level.VertAlignment, alignment))
    Invalidate();
}

void TtsBaseGrid::SetRowBarAlignment(TtsVertAlignment alignment)
{
  if (StoreChanged(RowBarAlignment, alignment) && RowBarOn())
    InvalidateCol(0);
}

}  // namespace grid
