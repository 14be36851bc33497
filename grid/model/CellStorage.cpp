#include "grid/model/CellStorage.h"

#include "grid/model/StoredBitmaps.h"

#include <algorithm>
#include <cassert>

namespace grid {

Tts2DStorage::Tts2DStorage(int defaultColCapacity, int defaultRowCapacity)
    : DefaultColCapacity(defaultColCapacity), DefaultRowCapacity(defaultRowCapacity)
{
}

Tts2DStorage::~Tts2DStorage() { ClearAll(); }

bool Tts2DStorage::HasRow(int row) const { return row >= 0 && row < RowCapacity() && rows_[std::size_t(row)]; }

int Tts2DStorage::ColCount(int row) const { return HasRow(row) ? rows_[std::size_t(row)]->Count : 0; }

int Tts2DStorage::ColCapacity(int row) const
{
  return HasRow(row) ? int(rows_[std::size_t(row)]->Cells.size()) : 0;
}

const Tts2DStorage::Cell* Tts2DStorage::CellAt(int col, int row) const
{
  if (col < 1 || col > ColCount(row))
    return nullptr;
  return &rows_[std::size_t(row)]->Cells[std::size_t(col - 1)];
}

std::uint8_t Tts2DStorage::GetKind(int col, int row) const
{
  const Cell* cell = CellAt(col, row);
  return cell ? cell->Kind : std::uint8_t(skEmpty);
}

TtsCellValue Tts2DStorage::GetValue(int col, int row) const
{
  const Cell* cell = CellAt(col, row);
  if (!cell)
    return {};
  switch (cell->Kind) {
    case skText:
    case skImageName:
      return cell->Text;
    case skInteger:
    case skPicture:
      return cell->Number;
    case skNull:
      return TtsCellValue::Null();
    default:
      return {};
  }
}

void Tts2DStorage::ClearCell(int col, int row)
{
  Cell& cell = MutableCell(col, row);
  if (cell.Kind == skPicture)
    RefStoredBitmap(cell.Number, true);
  cell = Cell{};
}

void Tts2DStorage::SetValue(int col, int row, std::uint8_t kind, const TtsCellValue& value)
{
  assert(col >= 1 && row >= 0);
  if (col < 1 || row < 0)
    return;
  std::uint8_t old = GetKind(col, row);
  if (value.IsEmpty() && old == skEmpty)
    return;
  // Convert first, so that a value that doesn't fit leaves the cell as it was.
  const bool clears = value.IsEmpty() || kind == skEmpty;
  std::string text;
  std::int32_t number = 0;
  if (!clears) {
    if (kind == skText || kind == skImageName)
      text = value.AsString();
    else if (kind == skInteger || kind == skPicture)
      number = value.AsInteger();
  }
  EnsureRow(row);
  EnsureCol(col, row);
  if (clears) {
    ClearCell(col, row);
    return;
  }
  switch (kind) {
    case skText:
    case skImageName:
      if (old != skEmpty && old != skText && old != skImageName)
        ClearCell(col, row);
      MutableCell(col, row).Text = std::move(text);
      break;
    case skInteger:
      if (old != skEmpty && old != skInteger)
        ClearCell(col, row);
      MutableCell(col, row).Number = number;
      break;
    case skPicture:
      if (old != skEmpty && old != skPicture) {
        ClearCell(col, row);
        old = skEmpty;
      }
      PutPicture(col, row, number, old);
      break;
    case skNull:
      ClearCell(col, row);
      break;
    default:
      break;
  }
  MutableCell(col, row).Kind = kind;
}

void Tts2DStorage::PutPicture(int col, int row, std::int32_t picture, std::uint8_t oldKind)
{
  Cell& cell = MutableCell(col, row);
  if (oldKind == skPicture) {
    if (cell.Number == picture)
      return;
    ClearCell(col, row);
  }
  cell.Number = picture;
  RefStoredBitmap(picture, false);
}

void Tts2DStorage::RestoreRowCopy(int row)
{
  CopyRow(0, row);
  DropRowCopy();
}

int Tts2DStorage::LastRow() const
{
  for (int row = RowCapacity() - 1; row >= 1; --row) {
    if (rows_[std::size_t(row)])
      return row;
  }
  return 0;
}

int Tts2DStorage::UsedCols(int row) const
{
  int count = ColCount(row);
  while (count > 0 && GetKind(count, row) == skEmpty)
    --count;
  return count;
}

void Tts2DStorage::ClearRow(int row, int newLength)
{
  if (HasRow(row)) {
    for (int col = 1; col <= rows_[std::size_t(row)]->Count; ++col)
      ClearCell(col, row);
  }
  if (newLength >= 0 && row >= 0 && row < RowCapacity())
    SetRowLength(row, newLength);
}

void Tts2DStorage::ClearColumn(int col)
{
  for (int row = 1; row < RowCapacity(); ++row) {
    if (col >= 1 && col <= ColCount(row))
      ClearCell(col, row);
  }
}

void Tts2DStorage::ClearAll()
{
  for (int row = 0; row < RowCapacity(); ++row)
    ClearRow(row, 0);
  SetRowCapacity(0);
}

void Tts2DStorage::EnsureRow(int row)
{
  if (row <= RowCapacity() - 1)
    return;
  SetRowCapacity(DefaultRowCapacity + 1 > row ? DefaultRowCapacity + 1 : row + 10);
}

void Tts2DStorage::EnsureCol(int col, int row)
{
  if (col <= ColCount(row))
    return;
  if (col <= ColCapacity(row)) {
    rows_[std::size_t(row)]->Count = col;
    return;
  }
  SetRowLength(row, col < DefaultColCapacity ? DefaultColCapacity : col + 10);
}

void Tts2DStorage::SetRowCapacity(int count) { rows_.resize(std::size_t(std::max(count, 0))); }

void Tts2DStorage::SetRowLength(int row, int length)
{
  auto& slot = rows_[std::size_t(row)];
  if (length <= 0) {
    slot.reset();
    return;
  }
  if (!slot)
    slot = std::make_unique<Row>();
  slot->Cells.resize(std::size_t(length));
  slot->Count = length;
}

void Tts2DStorage::CopyRow(int from, int to)
{
  if (RowCapacity() == 0 || to < 0 || to > RowCapacity() - 1)
    return;
  if (!HasRow(from)) {
    ClearRow(to, 0);
    return;
  }
  const int count = ColCount(from);
  for (int col = 1; col <= count; ++col) {
    const std::uint8_t kind = GetKind(col, from);
    SetValue(col, to, kind, kind == skEmpty ? TtsCellValue() : GetValue(col, from));
  }
  for (int col = count + 1; col <= ColCount(to); ++col)
    ClearCell(col, to);
}

void Tts2DStorage::Assign(const Tts2DStorage& source)
{
  if (&source == this)
    return;
  OwnerFlag = source.OwnerFlag;
  const int last = source.LastRow();
  if (last == 0) {
    ClearAll();
    return;
  }
  for (int row = last + 1; row < RowCapacity(); ++row)
    ClearRow(row, 0);
  SetRowCapacity(std::max(DefaultRowCapacity + 1, last + 1));
  for (int row = 1; row <= last; ++row) {
    const int used = source.UsedCols(row);
    ClearRow(row, used > 0 ? std::max(used, DefaultColCapacity) : 0);
    for (int col = used; col >= 1; --col) {
      const std::uint8_t kind = source.GetKind(col, row);
      if (kind != skEmpty)
        SetValue(col, row, kind, source.GetValue(col, row));
    }
  }
}

void Tts2DStorage::DeleteRows(int first, int last)
{
  first = std::max(first, 0);
  if (last < first || first > RowCapacity() - 1)
    return;
  last = std::min(last, RowCapacity() - 1);
  for (int row = last; row >= first; --row)
    ClearRow(row, 0);
  rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
}

void Tts2DStorage::DeleteCols(int first, int last)
{
  first = std::max(first, 1);
  if (last < first)
    return;
  for (int row = 0; row < RowCapacity(); ++row) {
    if (ColCount(row) < first)
      continue;
    Row& r = *rows_[std::size_t(row)];
    const int upTo = std::min(last, r.Count);
    for (int col = first; col <= upTo; ++col)
      ClearCell(col, row);
    const int removed = upTo - first + 1;
    std::move(r.Cells.begin() + upTo, r.Cells.begin() + r.Count, r.Cells.begin() + first - 1);
    const int count = r.Count - removed;
    for (int col = count + 1; col <= r.Count; ++col)
      r.Cells[std::size_t(col - 1)] = Cell{};
    r.Count = count;
    const int spare = int(r.Cells.size()) - count;
    if (count > 0 && spare < 8)
      continue;
    SetRowLength(row, count);
  }
}

}  // namespace grid
