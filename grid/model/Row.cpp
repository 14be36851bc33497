#include "grid/model/Row.h"

#include "grid/model/GridModel.h"

namespace grid {

TtsRow::TtsRow(TtsGridModel& grid, int dataRow, int height)
    : TtsColRowBase(grid), dataRow_(dataRow), height_(height), assignedHeight_(height)
{
}

int TtsRow::DisplayRow() const { return Grid().DisplayRowOf(dataRow_); }

void TtsRow::SetDisplayRow(int position) { Grid().MoveRow(dataRow_, position); }

void TtsRow::Invalidate() { Grid().InvalidateDisplayRow(DisplayRow()); }

bool TtsRow::Repaint() { return Grid().RepaintDisplayRow(DisplayRow()); }

bool TtsRow::HoldsCurrentCell() const { return Grid().CurrentDisplayRow() == DisplayRow(); }

void TtsRow::ApplyHeight()
{
  TtsGridModel& grid = Grid();
  grid.StoreRowHeight(DisplayRow(), visible_ ? height_ : 0);
  grid.Services().RowResized(dataRow_);
  grid.Services().UpdateScrollBars();
  grid.RefreshEditor();
}

void TtsRow::RecheckStoredValues() { Grid().Services().RecheckStoredValues(-1, dataRow_); }

void TtsRow::SetHeight(int height)
{
  assignedHeight_ = height;
  if (height == height_)
    return;
  height_ = height;
  ApplyHeight();
}

void TtsRow::SetShownHeight(int height)
{
  if (height == height_)
    return;
  height_ = height;
  ApplyHeight();
}

bool TtsRow::HeightStored() const { return height_ != kPublishedRowHeight || height_ != Grid().DefaultRowHeight(); }

void TtsRow::SetVisible(bool visible)
{
  if (visible == visible_ || Grid().IsInsertRow(DisplayRow()))
    return;
  if (HoldsCurrentCell() && !Grid().Services().CanLeaveCurrentCell())
    return;
  visible_ = visible;
  Grid().RowVisibilityChanged(*this);
}

void TtsRow::SetKeepFontCopy(bool on)
{
  if (on == attr_.KeepFontCopy)
    return;
  attr_.KeepFontCopy = on;
  TtsIntegerList& list = Grid().KeepCopyRows();
  if (on) {
    list.Add(dataRow_);
    return;
  }
  list.Remove(dataRow_);
  if (attr_.ParentFont)
    font_.reset();
}

bool TtsRow::IsDefault() const
{
  return IsAttributeDefault() && visible_ && !rowChanged_ && height_ == Grid().DefaultRowHeight() &&
         assignedHeight_ == height_;
}

void TtsRow::CopyProperties(const TtsRow& source)
{
  CopyAttributes(source);
  height_ = source.height_;
  assignedHeight_ = source.height_;
  visible_ = source.visible_;
}

void TtsRow::Assign(const TtsRow& source)
{
  SetDisplayRow(source.DisplayRow());
  const int before = height_;
  CopyProperties(source);
  if (height_ != before)
    ApplyHeight();
  Repaint();
}

void TtsRow::Reset(TtsPropMask mask)
{
  ResetAttributes(mask);
  if (HasProp(mask, piVisible))
    SetVisible(true);
  if (HasProp(mask, piRowChanged))
    rowChanged_ = false;
  if (HasProp(mask, piRowHeight))
    SetShownHeight(assignedHeight_);
  if (HasProp(mask, piDisplayPos))
    SetDisplayRow(dataRow_);
  if (HasProp(mask, piDropDownStyle))
    SetDropDownStyle(ddDropDown);
}

// Only the current row's combo can be showing; another row's is forgotten.
void TtsRow::CloseComboOnRemove(TtsCombo& combo)
{
  if (HoldsCurrentCell())
    Grid().Services().CloseComboDropDown(combo);
  else
    Grid().Services().ComboChanged(combo, false);
}

void TtsRow::PlaceCurrentCell()
{
  const int current = Grid().CurrentDisplayRow();
  if (current == DisplayRow() || current < 1 || current > Grid().Rows())
    Grid().Services().PlaceCurrentRow(current == DisplayRow() ? current : 1);
}

}  // namespace grid
