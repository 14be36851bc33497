#include "tools/FxPlotLauncher.h"

#include "tools/EngineText.h"
#include "tools/Plot2DWindow.h"

#include "engine/PointEvaluation.h"
#include "engine/Variables.h"
#include "plotui/series/Series.h"
#include "plotui/series/SeriesLegend.h"

namespace tools {

TFxPlotLauncher::TFxPlotLauncher(TfmPlot2D& window, TFxPlotRequest request)
    : window_(window), request_(std::move(request))
{
  plotui::TPlot& chart = *window_.Chart;
  color_ = request_.ColorChosen ? request_.Color : chart.GetFreeColor();
  if (color_ == static_cast<platform::TColor>(-1))
    color_ = platform::clBlack;
  series_ = std::make_unique<plotui::TSeries>(*chart.Graph, request_.Legend, plot::kStyleLineAndPoint, color_);
  series_->SetStyle(plot::kStyleLineAndPoint);
  series_->SetMarkerStyle(chart.Graph->GetFreeMarkerStyle());
  series_->SetMarkerColor(color_);
  chart.YAxis->SetName(request_.YName);
  chart.XAxis->SetName(request_.XName);
  chart.Title->SetText(request_.Title);
  series_->Name = QStringLiteral("f(") + request_.Expression + QStringLiteral(")");
  series_->MarkerInterval = request_.Steps / 20;
}

TFxPlotLauncher::~TFxPlotLauncher() = default;

TPlotOutcome TFxPlotLauncher::Evaluate(engine::EngineHost& host, QProgressBar& gauge)
{
  const double x0 = request_.X0;
  const double x1 = request_.X1;
  const int nx = request_.Steps;
  const double hx = (x1 - x0) / nx;
  const engine::Extended stepX = (engine::Extended(x1) - x0) / nx;
  const int length = int(request_.Expression.size());
  engine::Extended leftX = x0;
  TPlotOutcome outcome;
  {
    TPlotLoop loop(host, gauge);
    const engine::TPointEvaluation evaluation(ToEngineText(request_.Expression).Text);
    const int count = nx + 1;
    for (int i = 1; i <= count && loop.Step(i, count); ++i) {
      const double x = i == count ? x1 : x0 + (i - 1) * hx;
      engine::VarValues[1] = x;
      engine::Extended y = 0;
      const bool ok = evaluation.Evaluate(y);
      if (!loop.Check(ok, y, length, [x] { return PointText(x); }))
        break;
      series_->AddPoint(x, double(y), color_, QString());
      leftX = x0 + i * stepX;
    }
    outcome = loop.Outcome;
  }
  engine::VarValues[1] = leftX;
  return outcome;
}

void TFxPlotLauncher::Show(const QString& title)
{
  plotui::TPlot& chart = *window_.Chart;
  plotui::TSeries& added = *series_;
  chart.AddLayer(std::move(series_));
  auto entry = std::make_unique<plotui::TSeriesLegend>(*chart.Graph);
  added.UpdateLegend(*entry);
  chart.Legend->Add(std::move(entry));
  chart.Title->SetText(title);
  window_.Show();
  chart.Redraw();
}

}  // namespace tools
