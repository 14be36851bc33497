// The grid's cell-button hover and spin-repeat timers, and the button tracking they drive.

#include "grid/window/CellGeometry.h"
#include "grid/window/Grid.h"

#include "grid/editor/CellEditorAdapters.h"

#include <QCursor>

namespace grid {

using platform::TPoint;

namespace {

TPoint PointOf(TGridCoord cell) { return {cell.X, cell.Y}; }
TGridCoord CoordOf(TPoint cell) { return {cell.X, cell.Y}; }

}  // namespace

void TtsGridButtonHost::StartTimer(int id, int milliseconds)
{
  if (Clock)
    Clock->StartTimer(id, milliseconds);
  else
    grid_.SetTimer(id, milliseconds);
}

void TtsGridButtonHost::StopTimer(int id)
{
  if (Clock)
    Clock->StopTimer(id);
  else
    grid_.KillTimer(id);
}

void TtsGridButtonHost::RepaintButton(TPoint cell, int)
{
  // The normal look: neither hot nor held while it is painted.
  const TGridCoord coord = CoordOf(cell);
  if (grid_.HotButtonCell == coord)
    grid_.HotButtonCell = {-1, -1};
  if (grid_.PressedButtonCell == coord)
    grid_.CellButtonPressed = false;
  grid_.RepaintCellButton(cell.X, cell.Y);
}

void TtsGridButtonHost::InvalidateCurrentCell()
{
  grid_.InvalidateCellNow(grid_.Model().CurrentDisplayCol(), grid_.Model().CurrentDisplayRow());
}

void TtsBaseGrid::TimerTick(int id)
{
  if (id == kButtonHoverTimer || id == kSpinRepeatTimer)
    TimerMessage(id);
  else
    TCustomGrid_ts::TimerTick(id);
}

void TtsBaseGrid::TimerMessage(int id)
{
  if (id == kButtonHoverTimer)
    ButtonHoverTick();
  else if (id == kSpinRepeatTimer)
    SpinRepeatTick();
}

void TtsBaseGrid::SyncButtonState()
{
  HotButtonCell = CoordOf(buttonTracking_.HotButtonCell());
  PressedButtonCell = CoordOf(buttonTracking_.PressedButtonCell());
  PressedButtonPart = buttonTracking_.PressedPart();
  CellButtonPressed = PressedButtonCell.X != -1 || PressedButtonCell.Y != -1;
}

void TtsBaseGrid::SetHotButton(TGridCoord cell)
{
  buttonTracking_.SetHot(PointOf(cell));
  SyncButtonState();
}

void TtsBaseGrid::PressCellButton(TGridCoord cell)
{
  buttonTracking_.Press(PointOf(cell), 0);
  SyncButtonState();
}

void TtsBaseGrid::PressSpinButton(TGridCoord cell, int part, bool step)
{
  const int dataCol = model_.DataColOf(cell.X);
  const int dataRow = model_.DataRowOf(cell.Y);
  const bool autoRepeat = (model_.ResolveSpinOptions(dataCol, dataRow) & spoAutoRepeat) != 0;
  buttonTracking_.PressSpin(PointOf(cell), part, autoRepeat);
  SyncButtonState();
  if (step)
    SpinStep(dataCol, dataRow, part);  // the press reports its OnSpinRepeat itself
}

void TtsBaseGrid::ButtonHoverTick()
{
  const QPoint at = mapFromGlobal(QCursor::pos());
  const TPoint cell = grid::CellAtPoint(*this, at.x(), at.y());
  const bool over = cell.X >= 1 && cell.Y >= 1 && PointInButton(at.x(), at.y(), cell.X, cell.Y);
  buttonTracking_.ButtonHoverTick(over);
  SyncButtonState();
}

bool TtsBaseGrid::IsSpinTracking() const
{
  return IsGridFocused() && CellButtonPressed && MouseCapture() && buttonTracking_.PressedPart() != 0 &&
         buttonTracking_.SpinTimerRunning();
}

void TtsBaseGrid::CheckSpinTracking()
{
  if (IsSpinTracking())
    return;
  buttonTracking_.ClearPressedButton();
  ResetButtonStates();
}

void TtsBaseGrid::SpinRepeatTick()
{
  struct Sync {
    TtsBaseGrid& grid;
    ~Sync() { grid.SyncButtonState(); }
  } sync{*this};
  buttonTracking_.SpinRepeatTick(IsSpinTracking(), [this](int part, int count) {
    SpinRepeat(CurrentDataCol(), CurrentDataRow(), part, count);
  });
}

void TtsBaseGrid::ClearHotButton()
{
  buttonTracking_.ClearHotButton();
  SyncButtonState();
}

void TtsBaseGrid::ClearPressedButton()
{
  buttonTracking_.ClearPressedButton();
  SyncButtonState();
}

void TtsBaseGrid::ResetButtonStates()
{
  buttonTracking_.ResetButtonStates();
  SyncButtonState();
}

void TtsBaseGrid::ValidateButtonCells()
{
  buttonTracking_.ValidateButtonCells(GridCols() - 1, GridRows() - 1);
  SyncButtonState();
}

}  // namespace grid
