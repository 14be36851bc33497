// Exposing the plot's picture control at a plot window's size: the picture straight to the screen,
// against the back-buffer route every self-drawn control takes (the picture drawn into the buffer,
// the buffer to the screen). The control is real and shown on the offscreen platform.
#include "plotui/PlotImage.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// The control as it was painted before it handed its picture over: through the back buffer.
class TBufferedPlotImage : public plotui::TPlotImage {
protected:
  const QImage* FinishedPicture() override { return nullptr; }
};

void Expose(benchmark::State& state, plotui::TPlotImage& image)
{
  image.resize(800, 600);
  image.show();
  image.NewPicture();
  image.Picture.Canvas().FillRect({0, 0, 800, 600});
  QApplication::processEvents();
  for (auto _ : state)
    image.repaint();
  state.SetItemsProcessed(state.iterations());
}

void BM_PlotExposeDirect(benchmark::State& state)
{
  plotui::TPlotImage image;
  Expose(state, image);
}
BENCHMARK(BM_PlotExposeDirect)->Unit(benchmark::kMicrosecond);

void BM_PlotExposeThroughBuffer(benchmark::State& state)
{
  TBufferedPlotImage image;
  Expose(state, image);
}
BENCHMARK(BM_PlotExposeThroughBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
