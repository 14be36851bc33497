#include "platform/Bitmap.h"
#include "platform/ClipboardPicture.h"
#include "platform/Metafile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ClipboardPicture, BitmapRoundTrips)
{
  TBitmap b(6, 4);
  b.Canvas().SetPixel(2, 3, clTeal);
  CopyBitmapToClipboard(b);
  ASSERT_TRUE(ClipboardHasBitmap());
  EXPECT_FALSE(ClipboardHasMetafile());
  TBitmap pasted;
  ASSERT_TRUE(PasteBitmapFromClipboard(pasted));
  EXPECT_EQ(pasted.Width(), 6);
  EXPECT_EQ(pasted.Canvas().Pixel(2, 3), clTeal);
}

TEST(ClipboardPicture, MetafileGoesAsEmfBytesAndABitmap)
{
  TMetafile m;
  m.SetSize(30, 20);
  {
    TMetafileCanvas c(m);
    c.Brush().SetColor(clRed);
    c.Pen().SetStyle(TPenStyle::psClear);
    c.Rectangle(0, 0, 31, 21);
  }
  CopyMetafileToClipboard(m);
  ASSERT_TRUE(ClipboardHasMetafile());
  EXPECT_EQ(ClipboardEmfBytes(), m.ToEmf());
  TBitmap pasted;
  ASSERT_TRUE(PasteBitmapFromClipboard(pasted));
  EXPECT_EQ(pasted.Width(), 30);
  EXPECT_EQ(pasted.Canvas().Pixel(15, 10), clRed);
}

TEST(ClipboardPicture, NothingToPasteLeavesTheBitmap)
{
  QGuiApplication::clipboard()->clear();
  TBitmap b(2, 2);
  EXPECT_FALSE(PasteBitmapFromClipboard(b));
  EXPECT_EQ(b.Width(), 2);
  EXPECT_TRUE(ClipboardEmfBytes().isEmpty());
}

}  // namespace
}  // namespace platform
