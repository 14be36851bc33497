#pragma once
// A plot named "Chart" in a window named "fmPlot2D", shown off screen, that counts its paints.

#include "plotui/Plot.h"
#include "plotui/series/Series.h"
#include "plotui/series/SeriesLegend.h"

#include <QWidget>
#include <memory>

namespace plotui::test {

struct TPlotFixture {
  QWidget window;
  TPlot* chart;
  int paints = 0;

  explicit TPlotFixture(int width = 480, int height = 360)
  {
    window.setObjectName(QStringLiteral("fmPlot2D"));
    window.resize(width, height);
    chart = new TPlot(&window);
    chart->setObjectName(QStringLiteral("Chart"));
    chart->setGeometry(0, 0, width, height);
    chart->Graph->ProcessMessages = [] {};
    chart->Graph->OnAfterDraw = [this](plot::TGraph&) { ++paints; };
    window.show();
  }

  TSeries& AddSeries(const QString& name, plot::TSeriesStyle style, platform::TColor color,
                     std::initializer_list<std::pair<double, double>> points = {}, bool withLegend = false)
  {
    auto series = std::make_unique<TSeries>(*chart->Graph, name, style, color);
    TSeries& ref = *series;
    for (const auto& [x, y] : points)
      ref.AddPoint(x, y, color, QString());
    chart->AddLayer(std::move(series));
    if (withLegend) {
      auto entry = std::make_unique<TSeriesLegend>(*chart->Graph);
      ref.UpdateLegend(*entry);
      chart->Legend->Add(std::move(entry));
    }
    return ref;
  }
};

}  // namespace plotui::test
