// The area series' picture against stored references: the drawing calls on a recording canvas and
// the pixels of a bitmap, flat and in the 3-D view, on linear and logarithmic Y axes and zoomed so
// that the quadrilaterals are cut at the range.
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "tests/support/GraphImages.h"

#include <QFile>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace plotui::test {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

struct TAreaCase {
  const char* name;
  double view3D;  // depth fraction
  bool yLog;
  bool zoomed;
};

void PaintArea(plot::TGraphImage& image, const TAreaCase& c)
{
  plot::TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  auto series = std::make_unique<TSeries>(graph, "area", plot::kStyleArea, 0x3399FF);
  for (int i = 0; i <= 60; ++i) {
    const double x = -3 + 0.1 * i;
    series->AddPoint(x, 2 + std::sin(2 * x) * (1 + 0.3 * x), 0x3399FF, {});
  }
  graph.AddLayer(std::move(series));
  graph.View3D = c.view3D;
  graph.YAxis->SetLog(c.yLog);
  if (c.zoomed) {
    graph.XAxis->AutoMin = graph.XAxis->AutoMax = false;
    graph.XAxis->Minimum = -1.3;
    graph.XAxis->Maximum = 1.7;
    graph.YAxis->AutoMin = graph.YAxis->AutoMax = false;
    graph.YAxis->Minimum = c.yLog ? 1.5 : 1.2;
    graph.YAxis->Maximum = 3;
  }
  graph.Paint();
}

QString ReferencePath(const TAreaCase& c, const char* suffix)
{
  return QStringLiteral(VEXAL_TEST_DATA_DIR) + "area-" + c.name + suffix;
}

const TAreaCase kCases[] = {
    {"flat", 0, false, false},
    {"flat-zoomed", 0, false, true},
    {"depth", 0.05, false, false},
    {"depth-zoomed", 0.05, false, true},
    {"log-zoomed", 0, true, true},
};

TEST(AreaPicture, DrawingCallsMatchTheReference)
{
  for (const TAreaCase& c : kCases) {
    testing_support::TRecordingGraphImage image(kWidth, kHeight);
    PaintArea(image, c);
    QByteArray calls;
    for (const std::string& call : image.Recording().Calls())
      calls += QByteArray::fromStdString(call) + '\n';
    QFile actual(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "area-" + c.name + ".calls");
    ASSERT_TRUE(actual.open(QIODevice::WriteOnly));
    actual.write(calls);
    QFile reference(ReferencePath(c, ".calls"));
    if (!reference.open(QIODevice::ReadOnly)) {
      ADD_FAILURE() << "no reference for " << c.name;
      continue;
    }
    EXPECT_TRUE(reference.readAll() == calls) << c.name;
  }
}

TEST(AreaPicture, PixelsMatchTheReference)
{
  for (const TAreaCase& c : kCases) {
    testing_support::TBitmapGraphImage image(kWidth, kHeight);
    PaintArea(image, c);
    const QImage picture = image.Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(picture.save(QStringLiteral(VEXAL_TEST_OUTPUT_DIR) + "area-" + c.name + ".png"));
    const QImage reference = QImage(ReferencePath(c, ".png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(reference.isNull()) << c.name;
    EXPECT_TRUE(reference == picture) << c.name;
  }
}

}  // namespace
}  // namespace plotui::test
