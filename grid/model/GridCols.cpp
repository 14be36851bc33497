#include "grid/model/GridCols.h"

#include "grid/model/GridModel.h"
#include "grid/model/TextRoutines.h"

#include <algorithm>

namespace grid {

void TtsGridCols::Resize(int newCount)
{
  const int old = Count();
  cols_.resize(std::size_t(std::max(newCount, 0)));
  for (int i = old; i < newCount; ++i)
    cols_[std::size_t(i)] = std::make_unique<TtsCol>(grid_, i, grid_.ColWidth(i), serialCounter_++);
}

TtsCol* TtsGridCols::Get(const TtsCellValue& key) const
{
  if (key.Type() == TVarType::varInteger) {
    const int dataCol = key.AsInteger();
    if (dataCol < 0 || dataCol >= Count())
      grid_.GridError("Column index " + std::to_string(dataCol) + " out of range");
    return At(dataCol);
  }
  if (key.IsString())
    return FindByFieldName(key.Text());
  return nullptr;
}

TtsCol* TtsGridCols::FindByFieldName(const std::string& name) const
{
  for (int i = 1; i < Count(); ++i) {
    if (SameTextIgnoringCase(cols_[std::size_t(i)]->FieldName(), name))
      return cols_[std::size_t(i)].get();
  }
  return nullptr;
}

namespace {

template <class T>
void MoveEntries(std::vector<std::unique_ptr<T>>& items, int from, int to, int count)
{
  if (count <= 0 || from == to)
    return;
  std::vector<std::unique_ptr<T>> block;
  for (int i = 0; i < count; ++i)
    block.push_back(std::move(items[std::size_t(from + i)]));
  for (int i = 0; i < count; ++i)
    items[std::size_t(to + i)] = std::move(block[std::size_t(i)]);
}

}  // namespace

void TtsGridCols::MoveBlock(int from, int to, int count) { MoveEntries(cols_, from, to, count); }

void TtsGridCols::RotateToEnd(int first, int last)
{
  if (first < 0 || last >= Count() || first >= last)
    return;
  std::rotate(cols_.begin() + first, cols_.begin() + first + 1, cols_.begin() + last + 1);
}

void TtsGridRows::Resize(int newCount)
{
  const int old = Count();
  newCount = std::max(newCount, 0);
  rows_.resize(std::size_t(newCount));
  serials_.resize(std::size_t(newCount));
  if (map_)
    map_->resize(std::size_t(newCount));
  for (int i = old; i < newCount; ++i) {
    if (map_)
      (*map_)[std::size_t(i)] = i;
    serials_[std::size_t(i)] = serialCounter_++;
  }
  if (old == 0 && newCount > 0)
    rows_[0] = std::make_unique<TtsRow>(grid_, 0, grid_.RowHeight(0));
}

TtsRow* TtsGridRows::Get(int dataRow) const
{
  if (dataRow < 0 || dataRow >= Count())
    grid_.GridError("Row index " + std::to_string(dataRow) + " out of range");
  return At(dataRow);
}

TtsRow& TtsGridRows::Ensure(int dataRow)
{
  Get(dataRow);
  auto& slot = rows_[std::size_t(dataRow)];
  if (!slot)
    slot = std::make_unique<TtsRow>(grid_, dataRow, grid_.RowHeight(DisplayRowOf(dataRow)));
  return *slot;
}

void TtsGridRows::Free(int dataRow)
{
  if (dataRow >= 0 && dataRow < Count())
    rows_[std::size_t(dataRow)].reset();
}

void TtsGridRows::FreeIfDefault(int dataRow)
{
  const TtsRow* row = At(dataRow);
  if (dataRow > 0 && row && row->CanFree())
    Free(dataRow);
}

int TtsGridRows::ObjectCount() const
{
  return int(std::count_if(rows_.begin(), rows_.end(), [](const auto& row) { return row != nullptr; }));
}

void TtsGridRows::MakeMap()
{
  if (map_)
    return;
  map_.emplace(rows_.size());
  for (std::size_t i = 0; i < map_->size(); ++i)
    (*map_)[i] = int(i);
}

int TtsGridRows::DisplayRowOf(int dataRow) const
{
  if (!map_ || dataRow < 0 || dataRow >= int(map_->size()))
    return dataRow;
  return (*map_)[std::size_t(dataRow)];
}

void TtsGridRows::SetDisplayRowOf(int dataRow, int displayRow)
{
  if (map_ && dataRow >= 0 && dataRow < int(map_->size()))
    (*map_)[std::size_t(dataRow)] = displayRow;
}

int TtsGridRows::HeightOf(int dataRow) const
{
  const TtsRow* row = At(dataRow);
  return row ? row->Height() : grid_.DefaultRowHeight();
}

void TtsGridRows::SetHeightOf(int dataRow, int height)
{
  if (height == grid_.DefaultRowHeight() && !At(dataRow))
    return;
  Ensure(dataRow).StoreHeight(height);
  FreeIfDefault(dataRow);
}

int TtsGridRows::AssignedHeightOf(int dataRow) const
{
  const TtsRow* row = At(dataRow);
  return row ? row->AssignedHeight() : grid_.CommonRowHeight();
}

void TtsGridRows::SetAssignedHeightOf(int dataRow, int height)
{
  if (height == grid_.CommonRowHeight() && !At(dataRow))
    return;
  Ensure(dataRow).StoreAssignedHeight(height);
  FreeIfDefault(dataRow);
}

void TtsGridRows::ApplyHeight(int dataRow, int height)
{
  Ensure(dataRow).SetHeight(height);
  FreeIfDefault(dataRow);
}

void TtsGridRows::MoveBlock(int from, int to, int count) { MoveEntries(rows_, from, to, count); }

void TtsGridRows::RotateToEnd(int first, int last, const std::vector<int>& displayToData)
{
  if (first >= 0 && last < Count() && first < last) {
    std::rotate(rows_.begin() + first, rows_.begin() + first + 1, rows_.begin() + last + 1);
    std::rotate(serials_.begin() + first, serials_.begin() + first + 1, serials_.begin() + last + 1);
    for (int r = first; r <= last; ++r) {
      if (rows_[std::size_t(r)])
        rows_[std::size_t(r)]->StoreDataRow(r);
    }
  }
  if (!map_)
    return;
  for (int p = 0; p < int(displayToData.size()); ++p) {
    const int dataRow = displayToData[std::size_t(p)];
    if (dataRow >= 0 && dataRow < int(map_->size()))
      (*map_)[std::size_t(dataRow)] = p;
  }
}

}  // namespace grid
