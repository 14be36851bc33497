#include "ChartCanvasFixture.h"

#include "platform/Metafile.h"

#include <gtest/gtest.h>

#include <numbers>

namespace chart {
namespace {

using testing::TChartPicture;

// Solids, a gradient and turned text on one picture, 400 x 300.
void DrawScene(platform::TCanvas& target)
{
  TChartPicture<platform::TCanvas> picture(target);
  picture.Begin(true, {0, 0, 400, 300}, 60);
  TTeeCanvas3D& c = picture.Chart;
  c.ResetState();
  c.GradientFill({0, 0, 400, 300}, platform::RGB(230, 230, 255), platform::clWhite, TGradientDirection::gdTopBottom);
  auto brush = [&](platform::TColor color) { target.Brush().SetColor(color); };
  brush(platform::clSilver);
  c.Box3D(30, 90, 120, 260, 10, 40, true);
  brush(platform::clRed);
  c.Cylinder3D(true, 110, 150, 170, 260, 10, 40, true);
  brush(platform::clGreen);
  c.Pyramid3D(true, 190, 130, 250, 260, 10, 40, true);
  brush(platform::clBlue);
  c.PieSlice3D(320, 200, 60, 40, 10, 30, 0.3, 5.5, true, true);
  brush(platform::clYellow);
  c.Arrow3D(true, {40, 60}, {150, 100}, 16, 20, 0);
  target.Font().SetName("Arial");
  target.Font().SetSize(12);
  target.Font().SetColor(platform::clNavy);
  c.RotatedText(370, 120, "Rotated 450", 450);
  c.RotatedText(200, 60, "Turned 30", 30);
  c.WriteText3D(30, 20, 0, "Solids");
}

TEST(ChartSolidsPicture, SameOnImageAndMetafile)
{
  QImage direct(400, 300, QImage::Format_RGB32);
  direct.fill(Qt::white);
  {
    platform::TImageCanvas canvas(direct);
    DrawScene(canvas);
  }
  platform::TMetafile metafile;
  metafile.SetSize(400, 300);
  {
    platform::TMetafileCanvas canvas(metafile);
    DrawScene(canvas);
  }
  QImage played(400, 300, QImage::Format_RGB32);
  played.fill(Qt::white);
  {
    platform::TImageCanvas canvas(played);
    canvas.Draw(0, 0, metafile);
  }
  EXPECT_TRUE(direct == played);
  EXPECT_EQ(direct.pixel(60, 200), qRgb(192, 192, 192));  // box front
  EXPECT_EQ(direct.pixel(110, 200), qRgb(64, 64, 64));    // its right side

  const QString out = VEXAL_TEST_OUTPUT_DIR;
  ASSERT_TRUE(direct.save(out + "chart_solids.png"));
  metafile.SetEnhanced(true);
  metafile.SaveToFile(out + "chart_solids.emf");
  metafile.SetEnhanced(false);
  metafile.SaveToFile(out + "chart_solids.wmf");
  EXPECT_TRUE(metafile.ToEmf().startsWith(QByteArray("\x01\x00\x00\x00", 4)));
  EXPECT_TRUE(metafile.ToWmf().startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)));
}

}  // namespace
}  // namespace chart
