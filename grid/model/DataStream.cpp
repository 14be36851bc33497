// The "Data" stream of the cell store: row blocks, a 0 terminator, then the picture table.

#include "grid/model/BmpImage.h"
#include "grid/model/CellStorage.h"
#include "grid/model/StoredBitmaps.h"

#include "platform/Bitmap.h"

#include <QByteArray>

namespace grid {

namespace {

// Limits of what a stream may ask the store to allocate.
constexpr int kMaxStreamRow = 1 << 20;
constexpr int kMaxStreamCells = 1 << 16;

void Require(bool condition)
{
  if (!condition)
    throw EReadError();
}

// The BMP file image of a picture; empty for no picture.
QByteArray BmpBytes(TtsPictureHandle handle)
{
  const TtsPicturePtr picture = FindPicture(handle);
  if (!picture || picture->Empty())
    return {};
  return picture->SaveToBytes("BMP");
}

}  // namespace

void Tts2DStorage::SaveToStream(TtsByteWriter& stream) const
{
  TtsBitmapSet numbers;
  std::vector<QByteArray> pictures;
  const int last = LastRow();
  for (int row = 1; row <= last; ++row) {
    const int count = UsedCols(row);
    if (count == 0)
      continue;
    stream.WriteInt32(row);
    stream.WriteInt32(count);
    for (int col = 1; col <= count; ++col) {
      const Cell& cell = *CellAt(col, row);
      if (cell.Kind == skPicture) {
        TtsBitmapElement* element = numbers.FindOrAdd(cell.Number);
        if (element->StreamNumber == 0) {
          QByteArray bytes = BmpBytes(cell.Number);
          if (bytes.isEmpty()) {  // a picture that is gone: the cell is written empty
            stream.WriteByte(skEmpty);
            continue;
          }
          pictures.push_back(std::move(bytes));
          element->StreamNumber = int(pictures.size());
        }
        stream.WriteByte(skPicture);
        stream.WriteInt32(element->StreamNumber);
        continue;
      }
      stream.WriteByte(cell.Kind);
      if (cell.Kind == skText || cell.Kind == skImageName) {
        stream.WriteInt32(std::int32_t(cell.Text.size()));
        stream.WriteText(cell.Text);
      } else if (cell.Kind == skInteger) {
        stream.WriteInt32(cell.Number);
      }
    }
  }
  stream.WriteInt32(0);
  stream.WriteInt32(std::int32_t(pictures.size()));
  for (const QByteArray& bytes : pictures)
    stream.WriteBytes(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
}

void Tts2DStorage::LoadFromStream(TtsByteReader& stream, const std::vector<int>* columnMap)
{
  if (columnMap) {
    for (int col : *columnMap) {
      if (col > 0)
        ClearColumn(col);
    }
  } else {
    ClearAll();
  }

  // Pictures by stream number (index k - 1); made when a cell first names the number. Those that
  // no stored cell took are dropped at the end, also when the read fails.
  std::vector<TtsPictureHandle> pictures;
  struct DropUnused {
    std::vector<TtsPictureHandle>& pictures;
    ~DropUnused()
    {
      for (TtsPictureHandle handle : pictures)
        DropUnreferencedStoredBitmap(handle);
    }
  } dropUnused{pictures};
  for (std::int32_t row = stream.ReadInt32(); row != 0; row = stream.ReadInt32()) {
    Require(row <= kMaxStreamRow);
    const std::int32_t count = stream.ReadInt32();
    Require(count >= 0 && count <= kMaxStreamCells && std::size_t(count) <= stream.Remaining());
    for (int position = 1; position <= count; ++position) {
      const int col = columnMap && int(columnMap->size()) >= position ? (*columnMap)[std::size_t(position - 1)] : position;
      const bool stored = col >= 1 && row >= 1;
      const std::uint8_t kind = stream.ReadByte();
      switch (kind) {
        case skText:
        case skImageName: {
          const std::int32_t length = stream.ReadInt32();
          Require(length >= 0 && std::size_t(length) <= stream.Remaining());
          std::string text = stream.ReadText(std::size_t(length));
          if (stored)
            SetValue(col, row, kind, std::move(text));
          break;
        }
        case skInteger: {
          const std::int32_t value = stream.ReadInt32();
          if (stored)
            SetValue(col, row, kind, value);
          break;
        }
        case skPicture: {
          const std::int32_t number = stream.ReadInt32();
          Require(number >= 1 && std::size_t(number) <= stream.Remaining());
          if (pictures.size() < std::size_t(number))
            pictures.resize(std::size_t(number));
          TtsPictureHandle& handle = pictures[std::size_t(number - 1)];
          if (handle == 0)
            handle = NewStoredBitmap().Bitmap;
          if (stored)
            SetValue(col, row, kind, handle);
          break;
        }
        case skNull:
          if (stored)
            SetValue(col, row, kind, TtsCellValue::Null());
          break;
        default:  // no payload
          break;
      }
    }
  }

  const std::int32_t pictureCount = stream.ReadInt32();
  Require(pictureCount >= 0 && std::size_t(pictureCount) <= stream.Remaining());
  for (int number = 1; number <= pictureCount; ++number) {
    const auto bytes = ReadBmpImage(stream);
    if (std::size_t(number) > pictures.size() || pictures[std::size_t(number - 1)] == 0)
      continue;  // no cell names it
    const TtsPicturePtr picture = FindPicture(pictures[std::size_t(number - 1)]);
    try {
      picture->LoadFromBytes(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    } catch (const platform::EInvalidGraphic&) {
      throw EReadError();
    }
  }
}

}  // namespace grid
