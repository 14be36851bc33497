#pragma once
// A chart control on a window shown offscreen, with a line series from (0, 0) to (10, 100) over
// fixed axes, and what the window shows.

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "platform/Form.h"
#include "tests/support/MouseInput.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <memory>

namespace chart::testing {

class TChartWindow {
public:
  TChartWindow()
  {
    form.resize(500, 400);
    chart = new TChart(&form);
    chart->setGeometry(0, 0, 500, 400);
    chart->SetView3D(false);
    line = std::make_unique<TLineSeries>();
    for (int i = 0; i <= 10; ++i)
      line->AddXY(i, 10 * i);
    chart->AddSeries(*line);
    chart->BottomAxis().SetMinMax(0, 10);
    chart->LeftAxis().SetMinMax(0, 100);
    form.Show();
    Settle();
  }

  // Lets the window paint what is pending and returns what reaches the screen.
  QImage Shown()
  {
    Settle();
    const QPixmap shown = form.windowHandle()->screen()->grabWindow(form.winId());
    return shown.toImage().copy(chart->geometry()).convertToFormat(QImage::Format_RGB32);
  }
  static void Settle()
  {
    for (int i = 0; i < 3; ++i)
      QApplication::processEvents();
  }

  // The pixel of a value on the bottom and on the left axis, as the last picture placed them.
  int XOf(double value) const { return chart->BottomAxis().PosOfValue(value); }
  int YOf(double value) const { return chart->LeftAxis().PosOfValue(value); }

  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
  {
    testing_support::PressAt(*chart, from, button);
    testing_support::MoveHeldTo(*chart, to, button);
    testing_support::ReleaseAt(*chart, to, button);
    Settle();
  }

  platform::Form form{nullptr, true};
  TChart* chart = nullptr;  // owned by the window
  std::unique_ptr<TLineSeries> line;
};

}  // namespace chart::testing
