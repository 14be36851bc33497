// The cell store and its "Data" stream.
#include "grid/model/CellStorage.h"
#include "grid/model/StoredBitmaps.h"
#include "grid/model/ValueRoutines.h"

#include "platform/Bitmap.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Save(const Tts2DStorage& store)
{
  TtsByteWriter writer;
  store.SaveToStream(writer);
  return writer.Bytes();
}

void Load(Tts2DStorage& store, const Bytes& bytes, const std::vector<int>* map = nullptr)
{
  TtsByteReader reader(bytes);
  store.LoadFromStream(reader, map);
  EXPECT_EQ(reader.Remaining(), 0u);
}

TtsPicturePtr MakePicture(platform::TColor color)
{
  auto picture = std::make_shared<platform::TBitmap>(3, 2);
  picture->Canvas().Brush().SetColor(color);
  picture->Canvas().FillRect({0, 0, 3, 2});
  return picture;
}

TEST(CellStorage, EmptyStoreSavesAsEightZeroBytesAndLoadingThemClears)
{
  Tts2DStorage store;
  EXPECT_EQ(Save(store), Bytes(8, 0));
  store.SetValue(2, 3, skText, "x");
  Load(store, Bytes(8, 0));
  EXPECT_EQ(store.LastRow(), 0);
  EXPECT_TRUE(store.GetValue(2, 3).IsEmpty());
}

TEST(CellStorage, TheTwentyOneByteLayoutDecodesAsOneEmptyTextCell)
{
  const Bytes bytes = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Tts2DStorage store;
  Load(store, bytes);
  EXPECT_EQ(store.GetKind(1, 1), skText);
  EXPECT_EQ(store.GetValue(1, 1), TtsCellValue(""));
  EXPECT_EQ(store.LastRow(), 1);
  EXPECT_EQ(Save(store), bytes);
}

TEST(CellStorage, WritesRowsUpToTheirLastNonEmptyCell)
{
  Tts2DStorage store;
  store.SetValue(3, 2, skText, "ab");
  store.SetValue(1, 2, skInteger, 7);
  store.SetValue(5, 2, skText, "z");
  store.SetValue(5, 2, skEmpty, TtsCellValue());  // trailing empty cells are not written
  const Bytes expected = {2, 0, 0, 0, 3, 0, 0, 0,       // row 2, three cells
                          2, 7, 0, 0, 0,                // integer 7
                          0,                            // an empty cell before the last one
                          1, 2, 0, 0, 0, 'a', 'b',      // text "ab"
                          0, 0, 0, 0, 0, 0, 0, 0};      // terminator, no pictures
  EXPECT_EQ(Save(store), expected);
}

TEST(CellStorage, ValuesReadBackByKind)
{
  Tts2DStorage store;
  store.SetValue(1, 1, skText, 42);  // texts convert
  store.SetValue(2, 1, skInteger, "2");
  store.SetValue(3, 1, skNull, TtsCellValue::Null());
  store.SetValue(4, 1, skImageName, "Sun");
  EXPECT_EQ(store.GetValue(1, 1), TtsCellValue("42"));
  EXPECT_EQ(store.GetValue(2, 1), TtsCellValue(2));
  EXPECT_TRUE(store.GetValue(3, 1).IsNull());
  EXPECT_EQ(store.GetValue(4, 1), TtsCellValue("Sun"));
  EXPECT_TRUE(store.GetValue(9, 1).IsEmpty());
  EXPECT_TRUE(store.GetValue(1, 9).IsEmpty());
}

TEST(CellStorage, AValueThatDoesNotConvertLeavesTheCellAsItWas)
{
  Tts2DStorage store;
  store.SetValue(1, 1, skText, "keep");
  EXPECT_THROW(store.SetValue(1, 1, skText, TtsCellValue::Null()), EVariantTypeCastError);
  EXPECT_THROW(store.SetValue(1, 1, skInteger, "abc"), EVariantTypeCastError);
  EXPECT_EQ(store.GetValue(1, 1), TtsCellValue("keep"));
}

TEST(CellStorage, SettingAnEmptyCellToUnassignedDoesNotGrow)
{
  Tts2DStorage store;
  store.SetValue(40, 300, skText, TtsCellValue());
  EXPECT_EQ(store.RowCapacity(), 0);
  store.DefaultRowCapacity = 20;
  store.DefaultColCapacity = 6;
  store.SetValue(2, 3, skText, "a");
  EXPECT_EQ(store.RowCapacity(), 21);
  EXPECT_EQ(store.ColCapacity(3), 6);
  store.SetValue(9, 3, skText, "b");
  EXPECT_EQ(store.ColCapacity(3), 19);
}

TEST(CellStorage, ANullCellReadsBackAsNullAfterSaveAndLoad)
{
  Tts2DStorage store;
  store.SetValue(2, 1, skNull, TtsCellValue::Null());
  const Bytes bytes = Save(store);
  EXPECT_EQ(bytes, (Bytes{1, 0, 0, 0, 2, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0}));
  Tts2DStorage loaded;
  Load(loaded, bytes);
  EXPECT_EQ(loaded.GetKind(2, 1), skNull);
  EXPECT_TRUE(loaded.GetValue(2, 1).IsNull());
}

TEST(CellStorage, APictureInTwoCellsIsWrittenOnceAndReadBack)
{
  const TtsPicturePtr red = MakePicture(platform::clRed);
  const TtsPictureHandle handle = RegisterPicture(red);
  const int storedBefore = StoredBitmapCount();
  Bytes bytes;
  {
    Tts2DStorage store;
    store.SetValue(1, 1, skPicture, handle);
    store.SetValue(2, 3, skPicture, handle);
    bytes = Save(store);
  }
  const Bytes rows = {1, 0, 0, 0, 1, 0, 0, 0, 3, 1, 0, 0, 0,   // row 1: picture 1
                      3, 0, 0, 0, 2, 0, 0, 0, 0, 3, 1, 0, 0, 0,  // row 3: empty, picture 1
                      0, 0, 0, 0, 1, 0, 0, 0};                   // terminator, one picture
  ASSERT_GT(bytes.size(), rows.size());
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(rows.size())), rows);
  EXPECT_EQ(bytes[rows.size()], 'B');

  {
    Tts2DStorage loaded;
    Load(loaded, bytes);
    const TtsPictureHandle a = VariantToPicture(loaded.GetValue(1, 1));
    EXPECT_EQ(a, VariantToPicture(loaded.GetValue(2, 3)));
    EXPECT_NE(a, handle);  // the store made its own picture
    const TtsPicturePtr picture = FindPicture(a);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(picture->Canvas().Pixel(1, 1), platform::clRed);
    EXPECT_EQ(StoredBitmapCount(), storedBefore + 1);
    EXPECT_EQ(FindStoredBitmap(a)->RefCount, 2);
  }
  EXPECT_EQ(StoredBitmapCount(), storedBefore);  // the last cell let it go
}

TEST(CellStorage, APictureThatIsGoneIsWrittenAsAnEmptyCell)
{
  TtsPictureHandle handle = 0;
  {
    const TtsPicturePtr picture = MakePicture(platform::clBlue);
    handle = RegisterPicture(picture);
  }
  Tts2DStorage store;
  store.SetValue(1, 1, skPicture, handle);
  EXPECT_EQ(Save(store), (Bytes{1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CellStorage, ColumnMapRoutesDropsAndKeeps)
{
  Tts2DStorage source;
  source.SetValue(1, 1, skText, "A");
  source.SetValue(2, 1, skText, "B");
  source.SetValue(3, 1, skText, "C");
  source.SetValue(4, 1, skText, "D");
  const Bytes bytes = Save(source);

  Tts2DStorage target;
  target.SetValue(1, 1, skText, "old1");
  target.SetValue(2, 1, skText, "old2");
  target.SetValue(5, 1, skText, "old5");
  const std::vector<int> map = {3, 0, 1};  // position 4 keeps its own number
  Load(target, bytes, &map);
  EXPECT_EQ(target.GetValue(1, 1), TtsCellValue("C"));
  EXPECT_EQ(target.GetValue(2, 1), TtsCellValue("old2"));  // not named by the map
  EXPECT_EQ(target.GetValue(3, 1), TtsCellValue("A"));
  EXPECT_EQ(target.GetValue(4, 1), TtsCellValue("D"));
  EXPECT_EQ(target.GetValue(5, 1), TtsCellValue("old5"));
}

TEST(CellStorage, DeletingRowsMovesTheLaterOnesUp)
{
  Tts2DStorage store;
  for (int row = 1; row <= 5; ++row)
    store.SetValue(1, row, skInteger, row);
  store.DeleteRows(2, 3);
  EXPECT_EQ(store.GetValue(1, 2), TtsCellValue(4));
  EXPECT_EQ(store.GetValue(1, 3), TtsCellValue(5));
  EXPECT_EQ(store.LastRow(), 3);
  store.DeleteRows(4, 2);  // last before first: nothing
  store.DeleteRows(9, 12);
  EXPECT_EQ(store.LastRow(), 3);
}

TEST(CellStorage, DeletingColumnsShiftsCellsAndShrinksSparseRows)
{
  Tts2DStorage store;
  for (int col = 1; col <= 20; ++col)
    store.SetValue(col, 1, skInteger, col);
  store.SetValue(2, 2, skText, "x");
  const int capacity = store.ColCapacity(1);
  store.DeleteCols(2, 4);
  EXPECT_EQ(store.GetValue(1, 1), TtsCellValue(1));
  EXPECT_EQ(store.GetValue(2, 1), TtsCellValue(5));
  EXPECT_EQ(store.ColCount(1), capacity - 3);
  EXPECT_EQ(store.ColCapacity(1), capacity);  // fewer than 8 spare: kept
  EXPECT_EQ(store.UsedCols(2), 0);
  store.DeleteCols(1, 12);
  EXPECT_EQ(store.GetValue(1, 1), TtsCellValue(16));
  EXPECT_EQ(store.ColCapacity(1), store.ColCount(1));  // 8 or more spare: cut
  EXPECT_FALSE(store.HasRow(2));                       // no columns left: freed
}

TEST(CellStorage, RowCopyRestoresAnEditedRow)
{
  Tts2DStorage store;
  store.SetValue(1, 2, skText, "before");
  store.SetValue(3, 2, skInteger, 1);
  store.KeepRowCopy(2);
  store.SetValue(1, 2, skText, "after");
  store.SetValue(5, 2, skText, "new");
  store.RestoreRowCopy(2);
  EXPECT_EQ(store.GetValue(1, 2), TtsCellValue("before"));
  EXPECT_EQ(store.GetValue(3, 2), TtsCellValue(1));
  EXPECT_TRUE(store.GetValue(5, 2).IsEmpty());
  EXPECT_FALSE(store.HasRow(0));
}

TEST(CellStorage, AssignCopiesCellsButNotTheScratchRow)
{
  Tts2DStorage source;
  source.OwnerFlag = 3;
  source.SetValue(2, 1, skText, "a");
  source.SetValue(1, 4, skNull, TtsCellValue::Null());
  source.KeepRowCopy(1);
  Tts2DStorage target;
  target.SetValue(1, 9, skText, "gone");
  target.Assign(source);
  EXPECT_EQ(target.OwnerFlag, 3);
  EXPECT_EQ(Save(target), Save(source));
  EXPECT_TRUE(target.GetValue(1, 9).IsEmpty());
  EXPECT_FALSE(target.HasRow(0));
}

}  // namespace
}  // namespace grid
