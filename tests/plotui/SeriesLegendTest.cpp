// The legend symbol of a series: beside its caption whether or not the box stands left of its
// place for its shadow, and drawn in black while previewing in black and white.
#include "PlotFixture.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"

#include "tests/support/GraphImages.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace plotui::test {
namespace {

// The x where the caption is written less the x where the symbol's line starts.
int SymbolToCaption(bool shadow)
{
  testing_support::TRecordingGraphImage image(480, 360);
  plot::TGraph graph(nullptr, image, nullptr);
  graph.ProcessMessages = [] {};
  auto series = std::make_unique<TSeries>(graph, "wave", plot::kStyleLine, platform::clRed);
  series->AddPoint(0, 0, platform::clRed, {});
  series->AddPoint(1, 1, platform::clRed, {});
  auto entry = std::make_unique<TSeriesLegend>(graph);
  series->UpdateLegend(*entry);
  graph.AddLayer(std::move(series));
  graph.Legend->Add(std::move(entry));
  graph.Legend->Style = plot::lsRight;
  graph.Legend->ShadowVisible = shadow;
  graph.Legend->ShadowThickness = 3;
  graph.Paint();
  int lineX = -1;
  const QRegularExpression line(R"(^LineTo\((-?\d+),(-?\d+),(-?\d+),(-?\d+)\)$)");
  for (const std::string& call : image.Recording().Calls()) {
    const QString text = QString::fromStdString(call);
    if (const auto m = line.match(text); m.hasMatch() && m.captured(2) == m.captured(4))
      lineX = m.captured(1).toInt();
    if (text.startsWith("TextOut(") && text.endsWith(",\"wave\")"))
      return text.section('(', 1).section(',', 0, 0).toInt() - lineX;
  }
  return -1;
}

TEST(SeriesLegend, TheSymbolKeepsBesideItsCaptionWhenTheBoxMovesForItsShadow)
{
  const int plain = SymbolToCaption(false);
  ASSERT_GT(plain, 0);
  EXPECT_EQ(SymbolToCaption(true), plain);
}

TEST(SeriesLegend, BlackAndWhitePreviewDrawsTheSeriesAndItsSymbolInBlack)
{
  struct TPreviewMode {
    TPreviewMode()
    {
      plot::GraphLibrary().PrintPreviewing = true;
      plot::GraphLibrary().PrintColorMode = plot::kPrintBlackAndWhite;
    }
    ~TPreviewMode()
    {
      plot::GraphLibrary().PrintPreviewing = false;
      plot::GraphLibrary().PrintColorMode = plot::kPrintColorFull;
    }
  };
  TPlotFixture f;
  TSeries& s = f.AddSeries("wave", plot::kStyleLine, platform::clRed, {{0, 0}, {1, 2}, {2, 1}}, true);
  s.SetLineWidth(3);
  const auto redPixels = [&] {
    f.chart->Redraw();
    const QImage picture = f.chart->Image->Picture.Image();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        count += (picture.pixel(x, y) & 0xFFFFFF) == 0xFF0000 ? 1 : 0;
    return count;
  };
  EXPECT_GT(redPixels(), 50);
  const TPreviewMode preview;
  EXPECT_EQ(redPixels(), 0);
}

}  // namespace
}  // namespace plotui::test
