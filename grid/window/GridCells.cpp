// Cell values: the store of a grid with StoreData, the load events, type checks and conversions.

#include "grid/window/Grid.h"

#include "grid/model/CellValueCheck.h"

#include <algorithm>

namespace grid {

namespace {

// The store kind of a value in a cell of a control type.
std::uint8_t StoreKindOf(TtsControlType type, const TtsCellValue& value)
{
  switch (type) {
    case ctText:
      return skText;
    case ctCheck:
      return value.IsString() ? skText : value.IsNull() ? skNull : skInteger;
    case ctPicture:
      return value.IsString() ? skImageName : skPicture;
    default:
      return skEmpty;
  }
}

// Whether a stored kind suits a control type.
bool KindSuits(std::uint8_t kind, TtsControlType type)
{
  switch (type) {
    case ctText:
      return kind == skText;
    case ctCheck:
      return kind == skText || kind == skInteger || kind == skNull;
    case ctPicture:
      return kind == skPicture || kind == skImageName;
    default:
      return false;
  }
}

// Sets a flag for a scope, whatever way the scope is left.
struct FlagScope {
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  bool& flag_;
};

}  // namespace

bool TtsBaseGrid::CheckCellValue(TtsControlType type, const TtsCellValue& value) const
{
  if (!Designing())
    CheckValueForControlType(model_, type, value);
  return true;
}

TtsCellValue TtsBaseGrid::ConvertCellValue(TtsControlType type, const TtsCellValue& value)
{
  if (type == ctText && !value.IsEmpty() && !value.IsNull() && !value.IsString())
    return value.AsString();
  return value;
}

TtsCellValue TtsBaseGrid::Cell(int dataCol, int dataRow)
{
  TtsCellValue value;
  if (dataCol < 1 || dataCol > Cols() || dataRow < 1 || dataRow > Rows())
    return value;
  const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
  if (type == ctNone)
    return value;
  // The value being edited, kept by the current-cell object.
  if (currentCell_ && currentCell_->IsCachedFor(dataCol, dataRow) && !Designing() && GridMode() != gmListBox &&
      SelectionKind() == 0)
    return currentCell_->GetValue();
  if (inCellLoaded_)
    GridError("Cannot get Cell property value while in OnCellLoaded event");
  struct Loading {
    LoadingCell& cell;
    ~Loading() { cell = {}; }
  } scope{loading_};
  loading_ = {dataCol, dataRow, &value};
  if (store_) {
    value = store_->GetValue(dataCol, dataRow);
    if (type == ctPicture && store_->GetKind(dataCol, dataRow) == skImageName)
      value = ReadPictureName(dataCol, dataRow, value);
  }
  LoadCellValue(dataCol, dataRow, type, value);
  return value;
}

void TtsBaseGrid::LoadCellValue(int dataCol, int dataRow, TtsControlType type, TtsCellValue& value)
{
  if (dataRow != lastLoadedRow_) {
    lastLoadedRow_ = dataRow;
    Fire(OnRowLoaded, dataRow);
  }
  {
    FlagScope inHandler(inCellLoaded_);
    Fire(OnCellLoaded, dataCol, dataRow, value);
    CellValueLoaded(dataCol, dataRow, value);
  }
  if (value.IsEmpty())
    return;
  CheckCellValue(type, value);
  if (type == ctText && !value.IsString())
    value = value.AsString();
}

void TtsBaseGrid::SetCell(int dataCol, int dataRow, const TtsCellValue& value)
{
  if (dataCol < 1 || dataCol > model_.Cols() || dataRow < 1 || dataRow > model_.Rows() - InsertRowPresent())
    return;
  const TtsControlType type = model_.ResolveControlType(dataCol, dataRow);
  if (loading_.Value && loading_.Col == dataCol && loading_.Row == dataRow) {
    // A write into the cell whose value is on its way out through the events replaces that value.
    *loading_.Value = ConvertCellValue(type, value);
    return;
  }
  if (store_) {
    // Null has no text: a text cell refuses it and keeps its value.
    if (type == ctText && value.IsNull())
      CheckValueForControlType(model_, type, value);
    TtsCellValue converted = ConvertCellValue(type, value);
    if (type == ctPicture)
      converted = PictureNameToStore(converted);
    store_->SetValue(dataCol, dataRow, StoreKindOf(type, converted), converted);
  }
  CurrentCellWritten(dataCol, dataRow, ConvertCellValue(type, value));
  model_.InvalidateCell(model_.DisplayColOf(dataCol), model_.DisplayRowOf(dataRow));
}

void TtsBaseGrid::SetStoreData(bool on)
{
  if (on == StoreData())
    return;
  if (on) {
    store_ = std::make_unique<Tts2DStorage>();
    store_->OwnerFlag = Designing() ? 1 : 0;
    SetStoreSizeHints();
  } else {
    store_.reset();
    imageListIds_.Clear();
  }
  Invalidate();
}

void TtsBaseGrid::SetStoreSizeHints()
{
  if (!store_)
    return;
  const int rows = Rows();
  store_->DefaultRowCapacity = rows;
  store_->DefaultColCapacity = rows > 256 ? std::min(Cols(), 256) : Cols();
}

void TtsBaseGrid::RecheckStoredValues(int dataCol, int dataRow)
{
  if (!store_ || Loading())
    return;
  auto recheck = [&](int col, int row) {
    const std::uint8_t kind = store_->GetKind(col, row);
    if (kind != skEmpty && !KindSuits(kind, model_.ResolveControlType(col, row)))
      store_->SetValue(col, row, skEmpty, {});
  };
  if (dataCol >= 0 && dataRow >= 0) {
    recheck(dataCol, dataRow);
    return;
  }
  const int firstRow = dataRow >= 0 ? dataRow : 1;
  int lastRow = std::min(Rows(), store_->RowCapacity() - 1);
  if (dataRow >= 0)
    lastRow = std::min(lastRow, dataRow);
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int col = 1; col <= std::min(Cols(), store_->ColCount(row)); ++col) {
      if (dataCol < 0 || col == dataCol)
        recheck(col, row);
    }
  }
}

}  // namespace grid
