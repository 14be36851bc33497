// A graph with its four axes painted on an image, saved as a PNG in the build folder to be looked
// at: grid lines, captions, turned labels and a logarithmic axis.
#include "../graph/GraphDoubles.h"

#include <QImage>
#include <gtest/gtest.h>

namespace plot::test {
namespace {

TEST(AxisPicture, FourAxesWithGridCaptionsAndALogarithmicAxis)
{
  TBitmapGraphImage image(640, 420);
  TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  graph.BackColor = platform::clWhite;
  auto series = std::make_unique<TTestSeries>(graph, "s", PointsXY({{0, 1}, {250, 1000}}));
  graph.AddLayer(std::move(series));
  auto right = std::make_unique<TTestSeries>(graph, "r", PointsXY({{0, 0}, {0.003, 1}}));
  right->OnX2 = true;
  right->OnY2 = true;
  graph.AddLayer(std::move(right));
  graph.SetClipMarkers(true);  // no margins: the axes end at the data
  graph.XAxis->Name = "Distance (m)";
  graph.XAxis->Grid = true;
  graph.YAxis->Name = "Intensity";
  graph.YAxis->SetLog(true);
  graph.YAxis->Grid = true;
  graph.XAxis2->Name = "Time (s)";
  graph.YAxis2->Name = "Fraction";
  graph.Paint();
  const QString path = QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "axes.png";
  ASSERT_TRUE(image.Image().save(path));
  // The corners three times as large, where labels, exponents and captions meet.
  const auto corner = [&](const char* name, int x, int y) {
    const QImage part = image.Image().copy(x, y, 100, 70).scaled(600, 420);
    EXPECT_TRUE(part.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + name));
  };
  corner("axes-bottom-left.png", 0, 350);
  corner("axes-top-left.png", 0, 0);
  corner("axes-top-right.png", 540, 0);
}

}  // namespace
}  // namespace plot::test
