#include "RecordedCalls.h"

#include "platform/Bitmap.h"
#include "platform/ModalRun.h"
#include "platform/PrintDocument.h"
#include "platform/Printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace plot::test {
namespace {

using platform::TCanvasOp;
using platform::TRect;

TEST(GraphGradient, SixHundredPixelsWideDrawTwoHundredFiftySixBands)
{
  TGraphFixture f;
  f.graph.Gradient->Style = gsLeftRight;
  f.graph.Gradient->Draw({0, 0, 600, 100});
  const auto bands = Drawn(f.image, TCanvasOp::PatBlt);
  ASSERT_EQ(bands.size(), 256u);
  EXPECT_EQ(bands[0].RectAt(0), (TRect{598, 0, 600, 100}));  // EndColor at the right edge
  EXPECT_EQ(bands[1].RectAt(0), (TRect{595, 0, 598, 100}));
  EXPECT_EQ(bands[0].State.Brush.Color, platform::clSilver);
  EXPECT_EQ(bands[255].State.Brush.Color, platform::clWhite);
  EXPECT_EQ(bands[255].RectAt(0).Left, 0);
  EXPECT_EQ(bands[128].State.Brush.Color, platform::TColor(0xE0E0E0));  // 192 + MulDiv(128, 63, 255)
}

TEST(GraphGradient, BandCountsAndNothingWhenOff)
{
  struct TCase {
    TGradientStyle style;
    bool visible;
    TRect r;
    std::size_t bands;
  };
  for (const TCase c : {TCase{gsTopBottom, true, {0, 0, 700, 100}, 100}, TCase{gsTopBottom, true, {0, 5, 10, 5}, 0},
                        TCase{gsNone, true, {0, 0, 100, 100}, 0}, TCase{gsLeftRight, false, {0, 0, 100, 100}, 0},
                        TCase{gsLeftRight, true, {0, 0, 1, 50}, 1}}) {
    TGraphFixture f;
    f.graph.Gradient->Style = c.style;
    f.graph.Gradient->Visible = c.visible;
    f.graph.Gradient->Draw(c.r);
    const auto bands = Drawn(f.image, TCanvasOp::PatBlt);
    EXPECT_EQ(bands.size(), c.bands);
    if (c.style == gsTopBottom && c.bands == 100) {
      EXPECT_EQ(bands[0].RectAt(0), (TRect{0, 99, 700, 100}));  // one-pixel rows from the bottom
      EXPECT_EQ(bands[0].State.Brush.Color, platform::clSilver);
    }
    if (c.bands == 1) {
      EXPECT_EQ(bands[0].State.Brush.Color, platform::clSilver);
    }
  }
}

// A picture file of width x height whose left half is red and right half blue.
QString WritePicture(const QTemporaryDir& dir, const QString& name, int width, int height)
{
  platform::TBitmap bitmap(width, height);
  bitmap.Canvas().Brush().SetColor(platform::clRed);
  bitmap.Canvas().FillRect({0, 0, width / 2, height});
  bitmap.Canvas().Brush().SetColor(platform::clBlue);
  bitmap.Canvas().FillRect({width / 2, 0, width, height});
  const QString path = dir.filePath(name);
  bitmap.SaveToFile(path);
  return path;
}

struct TPictureFixture : TGraphFixture {
  QTemporaryDir dir;
  TGraphPicture& picture = *graph.Picture;

  TPictureFixture()
  {
    graph.PlotRect = {50, 20, 450, 320};
    graph.ImageRect = {0, 0, 400, 300};
    picture.PictureFileName = WritePicture(dir, "back.bmp", 64, 32);
    picture.SetVisible(true);
  }
};

TEST(GraphPicture, AsIsInsideDrawsOnceUnscaledInsideThePlotArea)
{
  TPictureFixture f;
  f.picture.Style = psAsIsInside;
  f.picture.Draw();
  const auto images = Drawn(f.image, TCanvasOp::DrawImage);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].RectAt(0), (TRect{51, 21, 51 + 64, 21 + 32}));
  EXPECT_TRUE(images[0].State.Clipped);
  EXPECT_EQ(images[0].State.Clip.BoundingBox(), (TRect{50, 20, 450, 319}));
  EXPECT_FALSE(f.image.Recording().IsClipped());
}

TEST(GraphPicture, StylesOnTheScreen)
{
  {
    TPictureFixture f;
    f.picture.Style = psTile;
    f.picture.Draw();
    // Columns from 50 while below 450 by 64, rows from 20 while below 319 by 32.
    EXPECT_EQ(Drawn(f.image, TCanvasOp::DrawImage).size(), 7u * 10u);
  }
  {
    TPictureFixture f;
    f.picture.Style = psFix;
    f.picture.Draw();
    const auto images = Drawn(f.image, TCanvasOp::DrawImage);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].RectAt(0), f.graph.ImageRect);
  }
  {
    TPictureFixture f;
    f.picture.Draw();  // psStretch
    const auto images = Drawn(f.image, TCanvasOp::DrawImage);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].RectAt(0), (TRect{51, 21, 449, 319}));
    EXPECT_EQ(images[0].RectAt(2), (TRect{0, 0, 64, 32}));
  }
}

TEST(GraphPicture, StretchFollowsTheZoom)
{
  TPictureFixture f;
  f.graph.Zoom.Stack.push_back({{0, 0, 10, 4}, f.graph.Range2});
  f.graph.Range = {0, 0, 5, 4};  // the left half in X, all of Y
  f.picture.Draw();
  const auto images = Drawn(f.image, TCanvasOp::DrawImage);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].RectAt(2), (TRect{0, 0, 32, 32}));
}

TEST(GraphPicture, NothingWhenInvisibleOrWithoutAFileName)
{
  TPictureFixture f;
  f.picture.SetVisible(false);
  f.picture.Draw();
  f.picture.SetVisible(true);
  const QString name = f.picture.PictureFileName;
  f.picture.PictureFileName.clear();
  f.picture.Draw();
  f.picture.PictureFileName = f.dir.filePath("missing.bmp");
  f.picture.LoadPicture();  // a file that does not exist changes nothing
  f.picture.Draw();
  EXPECT_TRUE(Drawn(f.image, TCanvasOp::DrawImage).empty());
  EXPECT_FALSE(f.picture.Loaded);
}

TEST(GraphPicture, UnreadableFileKeepsTheOldPictureAndIsReportedOnce)
{
  TPictureFixture f;
  f.picture.LoadPicture();
  ASSERT_TRUE(f.picture.Loaded);
  const QString bad = f.dir.filePath("bad.bmp");
  {
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
  }
  f.picture.PictureFileName = bad;
  EXPECT_THROW(f.picture.LoadPicture(), platform::EInvalidGraphic);
  EXPECT_EQ(f.picture.PictureData.Width(), 64);

  // The host's failed load is not tried again by the paints; a draw shows the old picture.
  f.picture.Draw();
  EXPECT_EQ(Drawn(f.image, TCanvasOp::DrawImage).size(), 1u);

  // A name that fails first in a paint is reported once, after the paint.
  const QString other = f.dir.filePath("other.bmp");
  QFile::copy(bad, other);
  f.picture.PictureFileName = other;
  std::vector<QString> reports;
  platform::ModalScript script([&](const QString& message) { reports.push_back(message); });
  script.Then([](platform::ModalSubject&) { return platform::mrOk; });
  for (int i = 0; i < 3; ++i) {
    f.picture.Draw();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(script.Answered().size(), 1);
  EXPECT_TRUE(script.Answered().front().contains("other.bmp")) << script.Answered().front().toStdString();
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(Drawn(f.image, TCanvasOp::DrawImage).size(), 4u);
}

}  // namespace
}  // namespace plot::test

namespace plot::test {
namespace {

TEST(GraphPicture, SaveToIniWritesItsName)
{
  TPictureFixture f;
  f.graph.IniFileName = f.dir.filePath("plot.ini");
  f.picture.SaveToIni();
  QFile file(f.graph.IniFileName);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("[Picture]")) << text.toStdString();
  EXPECT_TRUE(text.contains("Name=Picture"));
}

}  // namespace
}  // namespace plot::test

namespace plot::test {
namespace {

TEST(GraphPicture, PrintedTilesScaleFromScreenToPrinterResolution)
{
  TPictureFixture f;
  f.picture.PictureFileName = WritePicture(f.dir, "tile.bmp", 64, 64);
  f.picture.Style = psTile;
  platform::TPrinter& printer = platform::Printer();
  platform::TPrintDocument document;
  platform::TRecordPrinting recording(printer, document);
  printer.SetResolution(600);
  printer.BeginDoc();
  f.graph.Canvas = &printer.Canvas();
  f.graph.PlotRect = {100, 100, 1000, 900};
  f.picture.Draw();
  f.graph.Canvas = &f.image.Canvas();
  printer.EndDoc();
  ASSERT_EQ(document.PageCount(), 1);
  std::vector<TRect> tiles;
  for (const auto& r : document.Page(0).Records())
    if (r.Op == TCanvasOp::DrawImage)
      tiles.push_back(r.RectAt(0));
  // Tiles of 400 dots: columns from 100 while below 1000, rows from 100 while below 900.
  ASSERT_EQ(tiles.size(), 6u);
  EXPECT_EQ(tiles[0], (TRect{100, 100, 500, 500}));
  EXPECT_EQ(tiles.back(), (TRect{900, 500, 1300, 900}));
}

}  // namespace
}  // namespace plot::test
