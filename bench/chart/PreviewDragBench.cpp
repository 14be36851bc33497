// 100 moves of the print preview's left margin line over a 500 x 500 page of a busy chart, each shown
// on the screen: the lines move over the finished page (not-xor), against the page drawn again at each
// move (DragImage). "Charts" counts the chart's pictures made per run of moves.

#include "chart/output/PreviewPage.h"
#include "chart/panel/CustomTeePanelExtended.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

class TBusyPanel : public chart::TCustomTeePanelExtended {
public:
  int Draws = 0;

protected:
  void InternalDraw(const chart::TRect& bounds) override
  {
    ++Draws;
    PaintPanel(bounds);
    const chart::TRect r = ChartRect();
    chart::TTeeCanvas3D& canvas = Canvas();
    canvas.Brush().SetColor(platform::clRed);
    canvas.FillRectangle(r);
    canvas.Pen().SetColor(platform::clBlue);
    for (int i = 0; i < 2000; ++i)
      canvas.DrawLine(r.Left + i % r.Width(), r.Top, r.Right - i % r.Width(), r.Bottom - 1);
  }
};

void Send(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
  QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

void DragMoves(benchmark::State& state, bool dragImage)
{
  TBusyPanel panel;
  panel.resize(500, 500);
  chart::TTeePreviewPage page;
  page.resize(500, 500);
  page.SetImage(&panel);
  page.SetDragImage(dragImage);
  page.show();
  QApplication::processEvents();
  page.repaint();
  const chart::TRect chart = page.ChartRect();
  const QPointF start(chart.Left, (chart.Top + chart.Bottom) / 2);
  const int draws = panel.Draws;
  for (auto _ : state) {
    Send(page, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 100; ++i) {
      Send(page, QEvent::MouseMove, start + QPointF(i % 50, 0), Qt::NoButton, Qt::LeftButton);
      page.repaint();
    }
    Send(page, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    page.repaint();
  }
  state.counters["Charts"] = benchmark::Counter(panel.Draws - draws, benchmark::Counter::kAvgIterations);
}

void BM_PreviewMarginLineDrag(benchmark::State& state) { DragMoves(state, false); }
void BM_PreviewDragImage(benchmark::State& state) { DragMoves(state, true); }

BENCHMARK(BM_PreviewMarginLineDrag)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewDragImage)->Unit(benchmark::kMillisecond);

}  // namespace
