#include "../graph/GraphDoubles.h"

#include "plot/contour/Contour.h"

#include "platform/CanvasImage.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace plot::test {
namespace {

struct TSineGrid {
  TVector x;
  TVector y;
  TMatrix z;
  explicit TSineGrid(int n) : x(n), y(n), z(n, n)
  {
    for (int i = 1; i <= n; ++i) {
      x.SetValue(i, -3 + 6.0 * (i - 1) / (n - 1));
      y.SetValue(i, -3 + 6.0 * (i - 1) / (n - 1));
    }
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c)
        z.SetValue(r, c, std::sin(x.GetValue(r)) * std::cos(y.GetValue(c)));
  }
};

TEST(ColorShade, CellsEndFlushWithThePlotArea)
{
  TGraphFixture f;
  const TSineGrid grid(5);
  TContour shade(f.graph, grid.x, grid.y, grid.z, 1, true, false);
  f.graph.PlotRect = {10, 10, 20, 20};
  f.image.Recording().Clear();
  shade.DrawColorShade();
  std::set<int> columns, rows;
  for (const auto& r : f.image.Recording().Records())
    if (r.Op == platform::TCanvasOp::FillRect) {
      columns.insert(r.Points[0].X);
      rows.insert(r.Points[0].Y);
      EXPECT_EQ(r.RectAt(0).Width(), 3);
    }
  EXPECT_EQ(columns, (std::set<int>{11, 14, 16}));
  EXPECT_EQ(rows, (std::set<int>{11, 14, 16}));
  EXPECT_EQ(f.graph.PlotRect, (platform::TRect{10, 10, 20, 20}));

  shade.Quality = 0;  // a cell size below one pixel is taken as one
  f.image.Recording().Clear();
  shade.DrawColorShade();
  EXPECT_EQ(f.image.Recording().Records().size() > 0, true);
}

class TPictureImage : public TGraphImage {
public:
  TPictureImage(int width, int height) : image_(width, height, QImage::Format_RGB32), canvas_(image_)
  {
    image_.fill(Qt::white);
  }
  platform::TCanvas& Canvas() override { return canvas_; }
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  QImage& Image()
  {
    canvas_.ReleasePainter();
    return image_;
  }

private:
  QImage image_;
  platform::TImageCanvas canvas_;
};

// sin(x) * cos(y) on 41 x 41 nodes as a colour shade, saved to be looked at.
TEST(ColorShade, SineCosinePicture)
{
  TPictureImage image(480, 400);
  TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  graph.BackColor = platform::clWhite;
  graph.XAxis2->SetVisible(false);
  graph.YAxis2->SetVisible(false);
  const TSineGrid grid(41);
  graph.AddLayer(std::make_unique<TContour>(graph, grid.x, grid.y, grid.z, 1, true, false));
  graph.Paint();
  ASSERT_TRUE(image.Image().save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "contour-shade.png"));
  // The maximum (x = pi/2, y = 0) is red, the minimum (x = -pi/2, y = 0) blue.
  const QColor high = image.Image().pixelColor(graph.XToScreen(M_PI / 2), graph.YToScreen(0));
  const QColor low = image.Image().pixelColor(graph.XToScreen(-M_PI / 2), graph.YToScreen(0));
  EXPECT_GT(high.red(), high.blue());
  EXPECT_GT(low.blue(), low.red());
}

}  // namespace
}  // namespace plot::test
