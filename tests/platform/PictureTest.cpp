#include "platform/Bitmap.h"
#include "platform/Metafile.h"
#include "platform/Picture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Picture, LoadsBitmapsAndKeepsTheOldPictureOnBadFiles)
{
  QTemporaryDir dir;
  TBitmap b(5, 3);
  b.SaveToFile(dir.filePath("b.bmp"));
  int changes = 0;
  TPicture p;
  p.OnChange = [&] { ++changes; };
  EXPECT_TRUE(p.Empty());
  p.LoadFromFile(dir.filePath("b.bmp"));
  EXPECT_EQ(p.Width(), 5);
  EXPECT_EQ(p.Height(), 3);
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(p.LoadFromFile(dir.filePath("none.bmp")), EInvalidGraphic);
  EXPECT_EQ(p.Width(), 5);
  EXPECT_EQ(changes, 1);
}

TEST(Picture, HoldsCopiesOfMetafilesAndDrawsThem)
{
  TMetafile m;
  m.SetSize(4, 4);
  {
    TMetafileCanvas c(m);
    c.Brush().SetColor(clRed);
    c.FillRect({0, 0, 4, 4});
  }
  TPicture p;
  p.SetGraphic(&m);
  m.Clear();
  TBitmap target(8, 8);
  target.Canvas().StretchDraw({0, 0, 8, 8}, *p.Graphic());
  EXPECT_EQ(target.Canvas().Pixel(7, 7), clRed);
  // Asking for the bitmap of a metafile picture replaces it with an empty bitmap.
  EXPECT_TRUE(p.Bitmap().Empty());
  EXPECT_TRUE(p.Empty());
}

}  // namespace
}  // namespace platform
