// Size bookkeeping: the columns' widths and the rows' heights kept in step with the display sizes
// when the default sizes change or one display size is written quietly. The row bar, the heading
// and hidden columns and rows keep their extents; the scroll bars, the top-left cell (within its
// limits), the in-cell editor and the picture follow every change.

#include "grid/dropdown/ComboGrid.h"
#include "grid/dropdown/GridDropDowns.h"
#include "grid/window/Grid.h"
#include "grid/window/GridEditorParts.h"

namespace grid {

namespace {

// The column and row objects report each size they take; the bookkeeping reports once for all.
struct HeldResizeEvents {
  explicit HeldResizeEvents(bool& on) : on_(on), was_(on) { on_ = false; }
  ~HeldResizeEvents() { on_ = was_; }
  HeldResizeEvents(const HeldResizeEvents&) = delete;
  HeldResizeEvents& operator=(const HeldResizeEvents&) = delete;
  bool& on_;
  bool was_;
};

}  // namespace

// Default sizes ----------------------------------------------------------------------------------------

void TtsBaseGrid::SetDefaultColWidth(int width)
{
  model_.SetDefaultColWidth(width);
  TCustomGrid_ts::SetDefaultColWidth(width);  // HandleColWidthsChange
}

void TtsBaseGrid::SetDefaultRowHeight(int height)
{
  model_.SetDefaultRowHeight(height);
  TCustomGrid_ts::SetDefaultRowHeight(height);  // HandleRowHeightsChange
}

// All sizes --------------------------------------------------------------------------------------------

void TtsBaseGrid::HandleColWidthsChange()
{
  if (colWidthsBusy_)
    return;
  {
    const TtsFlagScope busy(colWidthsBusy_);
    const HeldResizeEvents held(constructed_);
    if (DefaultColWidth() <= 0) {
      model_.SetDefaultColWidth(1);
      TCustomGrid_ts::SetDefaultColWidth(1);
    }
    const int width = DefaultColWidth();
    for (int c = 1; c <= model_.Cols(); ++c) {
      TtsCol& col = model_.Col(c);
      if (col.Width() == rememberedColWidth_ && width != rememberedColWidth_) {
        if (ColWidthBySetter)
          col.SetShownWidth(width);
        else
          col.SetWidth(width);
      }
      model_.StoreColWidth(col.DisplayCol(), col.Visible() ? col.Width() : 0);
    }
    model_.StoreColWidth(0, RowBarOn() ? RowBarWidth() : 0);
    rememberedColWidth_ = width;
  }
  SizesChanged();
  if (constructed_)
    FireChange(OnColResized, -1);
}

void TtsBaseGrid::HandleRowHeightsChange()
{
  if (rowHeightsBusy_)
    return;
  {
    const TtsFlagScope busy(rowHeightsBusy_);
    const HeldResizeEvents held(constructed_);
    if (DefaultRowHeight() <= 0) {
      model_.SetDefaultRowHeight(1);
      TCustomGrid_ts::SetDefaultRowHeight(1);
    }
    const int height = DefaultRowHeight();
    // Rows without a row object take the default by themselves.
    for (int r = 1; r <= model_.Rows(); ++r) {
      const TtsRow* row = model_.GridRows().At(r);
      if (row && row->Height() == rememberedRowHeight_ && height != rememberedRowHeight_) {
        model_.ChangeRow(r, [this, height](TtsRow& changed) {
          if (RowHeightBySetter)
            changed.SetShownHeight(height);
          else
            changed.SetHeight(height);
        });
        row = model_.GridRows().At(r);
      }
      if (row)
        model_.StoreRowHeight(model_.DisplayRowOf(r), row->Visible() ? row->Height() : 0);
    }
    model_.StoreRowHeight(0, HeadingOn() ? HeadingHeight() : 0);
    rememberedRowHeight_ = height;
  }
  SizesChanged();
  if (constructed_)
    FireChange(OnRowResized, -1);
}

// One size ---------------------------------------------------------------------------------------------

void TtsBaseGrid::HandleColWidthChange(int displayCol)
{
  const bool shown = displayCol == 0 ? RowBarOn() : model_.Col(model_.DataColOf(displayCol)).Visible();
  if (!shown && model_.ColWidth(displayCol) != 0)
    model_.StoreColWidth(displayCol, 0);
  SizesChanged();
}

void TtsBaseGrid::HandleRowHeightChange(int displayRow)
{
  const TtsRow* row = model_.GridRows().At(model_.DataRowOf(displayRow));
  const bool shown = displayRow == 0 ? HeadingOn() : !row || row->Visible();
  if (!shown && model_.RowHeight(displayRow) != 0)
    model_.StoreRowHeight(displayRow, 0);
  SizesChanged();
}

// A column (row) object took a new size: the one-size bookkeeping, then the report.
void TtsBaseGrid::ColResized(int dataCol)
{
  if (!constructed_)
    return;
  if (!colWidthsBusy_ && dataCol >= 0 && dataCol <= model_.Cols())
    HandleColWidthChange(model_.DisplayColOf(dataCol));
  FireChange(OnColResized, dataCol);
}

void TtsBaseGrid::RowResized(int dataRow)
{
  if (!constructed_)
    return;
  if (!rowHeightsBusy_ && dataRow >= 0 && dataRow <= model_.Rows())
    HandleRowHeightChange(model_.DisplayRowOf(dataRow));
  FireChange(OnRowResized, dataRow);
}

bool TtsBaseGrid::SetColWidthQuiet(int displayCol, int width)
{
  if (displayCol < 0 || displayCol >= GridCols() || ColWidth(displayCol) == width)
    return false;
  const TtsFlagScope busy(colWidthsBusy_);
  model_.StoreColWidth(displayCol, width);
  HandleColWidthChange(displayCol);
  ColResized(model_.DataColOf(displayCol));
  return true;
}

bool TtsBaseGrid::SetRowHeightQuiet(int displayRow, int height)
{
  if (displayRow < 0 || displayRow >= GridRows() || RowHeight(displayRow) == height)
    return false;
  const TtsFlagScope busy(rowHeightsBusy_);
  model_.StoreRowHeight(displayRow, height);
  HandleRowHeightChange(displayRow);
  RowResized(model_.DataRowOf(displayRow));
  return true;
}

void TtsBaseGrid::SetColWidth(int displayCol, int width)
{
  if (displayCol < 0 || displayCol >= GridCols())
    TCustomGrid_ts::SetColWidth(displayCol, width);  // "Grid index out of range"
  else if (displayCol == 0)
    SetRowBarWidth(width);
  else
    model_.Col(model_.DataColOf(displayCol)).SetWidth(width);
}

void TtsBaseGrid::SetRowHeight(int displayRow, int height)
{
  if (displayRow < 0 || displayRow >= GridRows())
    TCustomGrid_ts::SetRowHeight(displayRow, height);  // "Grid index out of range"
  else if (displayRow == 0)
    SetHeadingHeight(height);
  else
    model_.ChangeRow(model_.DataRowOf(displayRow), [height](TtsRow& row) { row.SetHeight(height); });
}

// What follows a change of sizes: the scroll bars, the top-left cell back within its limits, the
// editor at its cell's new place, the picture, and the size of a drop-down list that shows.
void TtsBaseGrid::SizesChanged()
{
  if (!constructed_)
    return;
  UpdateScrollBars();
  ReapplyTopLeft(false);
  if (editorPlaced_)
    ShowEditor();
  Invalidate();
  auto* list = model_.IsComboGrid ? dynamic_cast<TtsComboGrid*>(this) : nullptr;
  if (list && list->OwnerGrid() && list->OwnerGrid()->HasDropDowns())
    list->OwnerGrid()->DropDowns().ListSizeChanged(*list);
}

}  // namespace grid
