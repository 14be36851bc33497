// A shown 640 x 480 chart panel exposed again without a change, against a widget whose expose is one
// copy of a 640 x 480 image: both should cost one copy to the screen.

#include "chart/panel/CustomTeePanelExtended.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

class TBenchPanel : public chart::TCustomTeePanelExtended {
protected:
  void InternalDraw(const chart::TRect& bounds) override
  {
    PaintPanel(bounds);
    Canvas().Brush().SetColor(platform::clRed);
    Canvas().FillRectangle(ChartRect());
  }
};

class TImageWidget : public QWidget {
public:
  QImage Image{640, 480, QImage::Format_RGB32};

protected:
  void paintEvent(QPaintEvent*) override
  {
    QPainter painter(this);
    painter.drawImage(0, 0, Image);
  }
};

template <class Widget>
void Exposes(benchmark::State& state)
{
  Widget widget;
  widget.resize(640, 480);
  widget.show();
  QApplication::processEvents();
  widget.repaint();
  for (auto _ : state)
    widget.repaint();
}

void BM_PanelExposeWithoutChange(benchmark::State& state) { Exposes<TBenchPanel>(state); }
void BM_ImageExpose(benchmark::State& state) { Exposes<TImageWidget>(state); }

BENCHMARK(BM_PanelExposeWithoutChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImageExpose)->Unit(benchmark::kMicrosecond);

}  // namespace
