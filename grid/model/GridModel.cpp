#include "grid/model/GridModel.h"

#include <algorithm>
#include <functional>

namespace grid {

TtsGridModel::TtsGridModel(TtsGridServices& services, int cols, int rows)
    : services_(services), colsOf_(*this), rowsOf_(*this), cellProps_(*this)
{
  SetCols(cols);
  SetRows(rows);
}

TtsGridModel::~TtsGridModel()
{
  destroying_ = true;
  cellProps_.Clear();
  rowsOf_.Resize(0);
  colsOf_.Resize(0);
  DateTimeLinkRemove(dateTimeDef_);
}

void TtsGridModel::GridError(const std::string& text) const { throw EInvalidGridOperation(Name + ": " + text); }

std::unique_ptr<TtsCombo> TtsGridModel::CreateCombo()
{
  std::unique_ptr<TtsCombo> combo = services_.CreateCombo();
  if (!combo)
    GridError("Cannot create combo box. Method CreateCombo has not been not implemented in derived class");
  return combo;
}

void TtsGridModel::MakeOwnCombo(std::unique_ptr<TtsCombo>& combo, TtsAttributes& owner)
{
  combo = CreateCombo();
  owner.ParentCombo = false;
  combo->SetDropDownStyle(owner.DropDownStyle);
}

void TtsGridModel::ReplaceDateTimeDef(TtsDateTimeDefComponent*& field, TtsDateTimeDefComponent* definition)
{
  DateTimeLinkRemove(field);
  field = definition;
  DateTimeLinkAdd(definition);
}

void TtsGridModel::DateTimeLinkAdd(TtsDateTimeDefComponent* definition) { dateTimeLink_.Attach(definition); }

void TtsGridModel::DateTimeLinkRemove(TtsDateTimeDefComponent* definition) { dateTimeLink_.Detach(definition); }

void TtsGridModel::SetDateTimeDef(TtsDateTimeDefComponent* definition)
{
  if (definition == dateTimeDef_)
    return;
  services_.DropDateTimeStateFor(dateTimeDef_);
  ReplaceDateTimeDef(dateTimeDef_, definition);
}

void TtsGridModel::DateTimeDefRemoved(TtsDateTimeDefComponent& definition)
{
  if (!destroying_)
    services_.DropDateTimeStateFor(&definition);
  if (dateTimeDef_ == &definition)
    dateTimeDef_ = nullptr;
  for (int c = 0; c <= cols_; ++c) {
    if (TtsCol* col = colsOf_.At(c))
      col->ForgetDateTimeDef(definition);
  }
  for (int r = 0; r <= rows_; ++r) {
    if (TtsRow* row = rowsOf_.At(r))
      row->ForgetDateTimeDef(definition);
  }
  cellProps_.ForgetDateTimeDef(definition);
  definition.RemoveLink(dateTimeLink_, true);
}

void TtsGridModel::SetCols(int count)
{
  count = std::max(count, 0);
  const int old = cols_;
  cols_ = count;
  colWidths_.resize(std::size_t(count + 1), -1);
  colMap_.resize(std::size_t(count + 1));
  for (int i = old + 1; i <= count; ++i)  // entries already there keep their data column
    colMap_[std::size_t(i)] = i;
  colSelection_.SetSize(count + 1);
  if (count < old)
    visibleCols_.DropFrom(count + 1);
  else
    visibleCols_.SetCount(visibleCols_.VisibleCount() + (count - old), old + 1);
  colsOf_.Resize(count + 1);
  cellRowsOfCol_.SetCount(count + 1);
}

void TtsGridModel::SetRows(int count)
{
  count = std::max(count, 0);
  const int old = rows_;
  rows_ = count;
  rowHeights_.resize(std::size_t(count + 1), -1);
  rowMap_.resize(std::size_t(count + 1));
  for (int i = old + 1; i <= count; ++i)
    rowMap_[std::size_t(i)] = i;
  rowSelection_.SetSize(count + 1);
  if (count < old)
    visibleRows_.DropFrom(count + 1);
  else
    visibleRows_.SetCount(visibleRows_.VisibleCount() + (count - old), old + 1);
  rowsOf_.Resize(count + 1);
  cellColsOfRow_.SetCount(count + 1);
}

void TtsGridModel::SetDefaultColWidth(int width)
{
  defaultColWidth_ = width;
  std::fill(colWidths_.begin(), colWidths_.end(), -1);
  services_.InvalidateGrid();
}

void TtsGridModel::SetDefaultRowHeight(int height)
{
  defaultRowHeight_ = height;
  std::fill(rowHeights_.begin(), rowHeights_.end(), -1);
  services_.InvalidateGrid();
}

int TtsGridModel::ColWidth(int displayCol) const
{
  if (displayCol < 0 || displayCol >= int(colWidths_.size()) || colWidths_[std::size_t(displayCol)] < 0)
    return defaultColWidth_;
  return colWidths_[std::size_t(displayCol)];
}

void TtsGridModel::StoreColWidth(int displayCol, int width)
{
  if (displayCol >= 0 && displayCol < int(colWidths_.size()))
    colWidths_[std::size_t(displayCol)] = width;
}

int TtsGridModel::RowHeight(int displayRow) const
{
  if (displayRow < 0 || displayRow >= int(rowHeights_.size()) || rowHeights_[std::size_t(displayRow)] < 0)
    return defaultRowHeight_;
  return rowHeights_[std::size_t(displayRow)];
}

void TtsGridModel::StoreRowHeight(int displayRow, int height)
{
  if (displayRow >= 0 && displayRow < int(rowHeights_.size()))
    rowHeights_[std::size_t(displayRow)] = height;
}

int TtsGridModel::DataColOf(int displayCol) const
{
  return displayCol >= 0 && displayCol <= cols_ ? colMap_[std::size_t(displayCol)] : displayCol;
}

int TtsGridModel::DisplayColOf(int dataCol) const
{
  const TtsCol* col = colsOf_.At(dataCol);
  return col ? col->DisplayCol() : dataCol;
}

int TtsGridModel::DataRowOf(int displayRow) const
{
  return displayRow >= 0 && displayRow <= rows_ ? rowMap_[std::size_t(displayRow)] : displayRow;
}

int TtsGridModel::CurrentDataCol() const { return currentCol_ >= 1 && currentCol_ <= cols_ ? DataColOf(currentCol_) : 0; }

int TtsGridModel::CurrentDataRow() const { return currentRow_ >= 1 && currentRow_ <= rows_ ? DataRowOf(currentRow_) : 0; }

void TtsGridModel::SetCurrentCell(int displayCol, int displayRow)
{
  currentCol_ = displayCol;
  currentRow_ = displayRow;
}

TtsCol& TtsGridModel::Col(int dataCol) const
{
  TtsCol* col = colsOf_.At(dataCol);
  if (!col)
    GridError("Column index " + std::to_string(dataCol) + " out of range");
  return *col;
}

void TtsGridModel::IndexCellProps(int dataCol, int dataRow)
{
  auto add = [](TtsIntegerSetList& index, int at, int value) {
    if (at < 0 || at >= index.Count())
      return;
    if (!index.Get(at))
      index.Put(at, std::make_unique<TtsIntegerSet>());
    index.Get(at)->Add(value);
  };
  add(cellRowsOfCol_, dataCol, dataRow);
  add(cellColsOfRow_, dataRow, dataCol);
}

bool TtsGridModel::MayHaveCellProps(int dataCol, int dataRow) const
{
  const bool colIndexed = dataCol >= 0 && dataCol < cellRowsOfCol_.Count();
  const bool rowIndexed = dataRow >= 0 && dataRow < cellColsOfRow_.Count();
  return (!colIndexed || cellRowsOfCol_.Get(dataCol)) && (!rowIndexed || cellColsOfRow_.Get(dataRow));
}

void TtsGridModel::UnindexCellProps(int dataCol, int dataRow)
{
  auto remove = [](TtsIntegerSetList& index, int at, int value) {
    TtsIntegerSet* set = index.Get(at);
    if (!set)
      return;
    set->Remove(value);
    if (set->Count() == 0)
      index.Put(at, nullptr);
  };
  remove(cellRowsOfCol_, dataCol, dataRow);
  remove(cellColsOfRow_, dataRow, dataCol);
}

void TtsGridModel::RenewFontCopies()
{
  for (int i = 0; i < keepCopyCols_.Count(); ++i) {
    if (TtsCol* col = colsOf_.At(keepCopyCols_.Get(i)))
      col->RenewFontCopy();
  }
  for (int i = 0; i < keepCopyRows_.Count(); ++i) {
    if (TtsRow* row = rowsOf_.At(keepCopyRows_.Get(i)))
      row->RenewFontCopy();
  }
  RenewCellFontCopies();
}

void TtsGridModel::RenewCellFontCopies()
{
  int position = 0;
  int col = 0;
  int row = 0;
  while (keepCopyCells_.Next(position, col, row)) {
    if (TtsCellElement* element = cellProps_.Find(col, row))
      element->RenewFontCopy();
  }
}

void TtsGridModel::InvalidateDisplayCol(int displayCol)
{
  if (!services_.Updating())
    services_.InvalidateCol(displayCol);
}

bool TtsGridModel::RepaintDisplayCol(int displayCol)
{
  if (services_.Updating() || services_.Painting())
    return false;
  services_.InvalidateCol(displayCol);
  return true;
}

void TtsGridModel::InvalidateDisplayRow(int displayRow)
{
  if (!services_.Updating())
    services_.InvalidateRow(displayRow);
}

bool TtsGridModel::RepaintDisplayRow(int displayRow)
{
  if (services_.Updating() || services_.Painting())
    return false;
  services_.InvalidateRow(displayRow);
  return true;
}

void TtsGridModel::InvalidateCell(int displayCol, int displayRow)
{
  if (!services_.Updating())
    services_.InvalidateCell(displayCol, displayRow);
}

bool TtsGridModel::RepaintCell(int displayCol, int displayRow)
{
  if (services_.Updating() || services_.Painting())
    return false;
  services_.InvalidateCell(displayCol, displayRow);
  return true;
}

int TtsGridModel::NextVisibleCol(int displayCol) const
{
  for (int c = displayCol + 1; c <= cols_; ++c) {
    if (Col(DataColOf(c)).Visible())
      return c;
  }
  for (int c = displayCol - 1; c >= 1; --c) {
    if (Col(DataColOf(c)).Visible())
      return c;
  }
  return 0;
}

int TtsGridModel::NextVisibleRow(int displayRow) const
{
  auto visible = [&](int r) {
    const TtsRow* row = rowsOf_.At(DataRowOf(r));
    return !row || row->Visible();
  };
  for (int r = displayRow + 1; r <= rows_; ++r) {
    if (visible(r))
      return r;
  }
  for (int r = displayRow - 1; r >= 1; --r) {
    if (visible(r))
      return r;
  }
  return 0;
}

void TtsGridModel::ColumnVisibilityChanged(TtsCol& col)
{
  const int position = col.DisplayCol();
  if (position == 0) {  // the row bar: only its extent
    StoreColWidth(0, col.Visible() ? col.Width() : 0);
  } else if (col.Visible()) {
    visibleCols_.Add(position);
    StoreColWidth(position, col.Width());
    services_.UpdateScrollRange(true);
    if (currentCol_ < 1 || currentCol_ > cols_) {  // no current column: this one takes it
      currentCol_ = position;
      services_.CurrentCellMoved();
    }
  } else {
    visibleCols_.Remove(position);
    StoreColWidth(position, 0);
    if (colSelection_.Selected(position)) {
      colSelection_.Set(position, false);
      services_.SelectionChanged(kSelectCols);
    }
    if (currentCol_ == position) {
      currentCol_ = NextVisibleCol(position);
      services_.CurrentCellMoved();
    }
    if (position >= services_.FirstScrolledCol())
      services_.UpdateScrollRange(false);
  }
  if (!col.Visible())
    NarrowCellRangeForHiddenCol(position);
  AfterVisibilityChange();
}

void TtsGridModel::RowVisibilityChanged(TtsRow& row)
{
  const int position = row.DisplayRow();
  if (position == 0) {  // the heading row: only its extent
    StoreRowHeight(0, row.Visible() ? row.Height() : 0);
  } else if (row.Visible()) {
    visibleRows_.Add(position);
    StoreRowHeight(position, row.Height());
    services_.UpdateScrollRange(true);
    if (currentRow_ < 1 || currentRow_ > rows_) {
      currentRow_ = position;
      services_.CurrentCellMoved();
    }
  } else {
    visibleRows_.Remove(position);
    StoreRowHeight(position, 0);
    if (rowSelection_.Selected(position)) {
      rowSelection_.Set(position, false);
      services_.SelectionChanged(kSelectRows);
    }
    if (currentRow_ == position) {
      currentRow_ = NextVisibleRow(position);
      services_.CurrentCellMoved();
    }
    if (position >= services_.FirstScrolledRow())
      services_.UpdateScrollRange(false);
  }
  if (!row.Visible())
    NarrowCellRangeForHiddenRow(position);
  services_.SelectionFollowsRow();
  AfterVisibilityChange();
}

void TtsGridModel::AfterVisibilityChange()
{
  services_.UpdateScrollBars();
  RefreshEditor();
  services_.FirePendingSelectChanged();
  services_.UpdateStatus();
}

bool TtsGridModel::HasCellRange() const
{
  return SelectedRange.Left >= 0 && SelectedRange.Left <= SelectedRange.Right && SelectedRange.Top >= 0 &&
         SelectedRange.Top <= SelectedRange.Bottom;
}

void TtsGridModel::ClearCellRange()
{
  if (!HasCellRange())
    return;
  SelectedRange = kNoCellRange;
  services_.SelectionChanged(kSelectCellRange);
}

void TtsGridModel::NarrowCellRange(bool columns, int edge, const std::function<bool(int)>& hidden)
{
  int& low = columns ? SelectedRange.Left : SelectedRange.Top;
  int& high = columns ? SelectedRange.Right : SelectedRange.Bottom;
  if (!HasCellRange() || (edge != low && edge != high))
    return;
  if (low == edge) {
    while (low <= high && hidden(low))
      ++low;
  }
  if (high == edge) {
    while (high >= low && hidden(high))
      --high;
  }
  services_.SelectionChanged(kSelectCellRange);
  if (!HasCellRange())
    SelectedRange = kNoCellRange;
}

void TtsGridModel::NarrowCellRangeForHiddenCol(int displayCol)
{
  NarrowCellRange(true, displayCol, [this](int c) { return c >= 1 && c <= cols_ && !Col(DataColOf(c)).Visible(); });
}

void TtsGridModel::NarrowCellRangeForHiddenRow(int displayRow)
{
  NarrowCellRange(false, displayRow, [this](int r) {
    const TtsRow* row = r >= 1 && r <= rows_ ? rowsOf_.At(DataRowOf(r)) : nullptr;
    return row && !row->Visible();
  });
}

}  // namespace grid
