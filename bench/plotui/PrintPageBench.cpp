// Printing an f(x) plot of 16001 points as one page on the "PDF file" printer (A4, 600 dpi, two
// title blocks), and drawing the same page on the preview's picture.
#include "plotui/print/PrintPage.h"
#include "plotui/series/Series.h"

#include "plot/graph/Graph.h"

#include "platform/Bitmap.h"
#include "platform/CanvasRounding.h"
#include "platform/Printer.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace {

class TBenchImage : public plot::TGraphImage {
public:
  TBenchImage(int width, int height) : picture_(width, height) {}
  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }

private:
  platform::TBitmap picture_;
};

struct TBenchPlot {
  TBenchImage image;
  plot::TGraph graph;
  plotui::TPageContent content;
  QTemporaryDir folder;

  TBenchPlot(int width, int height) : image(width, height), graph(nullptr, image, nullptr)
  {
    graph.ProcessMessages = [] {};
    constexpr int kSteps = 16000;
    auto series = std::make_unique<plotui::TSeries>(graph, "f(x)", plot::kStyleLine, platform::clRed);
    for (int i = 0; i <= kSteps; ++i) {
      const double x = -10 + 20.0 * i / kSteps;
      series->AddPoint(x, std::sin(x) * x, platform::clRed, {});
    }
    graph.AddLayer(std::move(series));
    content.Blocks = {true, false, true, false};
    content.SettingsFile = folder.filePath("bench.ini");
    platform::TPrinter& printer = platform::Printer();
    printer.SetPrinterIndex(int(printer.Printers().indexOf(platform::kPdfPrinterName)));
    printer.SetFileName(folder.filePath("bench.pdf"));
    printer.SetResolution(600);
  }
};

void BM_PrintFxPage16001ToPdf(benchmark::State& state)
{
  TBenchPlot plot(640, 480);
  for (auto _ : state)
    plotui::PrintPlotPage(plot.graph, platform::Printer(), {}, plot.content);
  state.counters["pdf_bytes"] = double(QFileInfo(platform::Printer().FileName()).size());
}
BENCHMARK(BM_PrintFxPage16001ToPdf)->Unit(benchmark::kMillisecond);

void BM_PreviewFxPage16001(benchmark::State& state)
{
  // A page picture as a maximised preview shows it: about 570 x 805 pixels.
  const double s = 805.0 / 7016;
  TBenchPlot plot(platform::SafeRound(4961 * s), 805);
  for (auto _ : state)
    plotui::DrawPreviewPage(plot.graph, plot.image.Canvas(), plot.image.Width(), plot.image.Height(),
                            platform::Printer(), s, {}, plot.content);
}
BENCHMARK(BM_PreviewFxPage16001)->Unit(benchmark::kMillisecond);

}  // namespace
