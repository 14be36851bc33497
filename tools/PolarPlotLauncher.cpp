#include "tools/PolarPlotLauncher.h"

#include "tools/EngineText.h"
#include "tools/PolarPlotWindow.h"

#include "chart/series/PolarSeries.h"
#include "engine/PointEvaluation.h"
#include "engine/Variables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools {

TPolarPlotLauncher::TPolarPlotLauncher(TPolarForm& window, TPolarPlotRequest request)
    : window_(window), request_(std::move(request)), series_(std::make_unique<chart::TPolarSeries>())
{
  chart::TPolarSeries& series = *series_;
  series.Pointer().SetVisible(false);
  series.SetCircled(true);
  series.SetSeriesColor(request_.ColorChosen ? request_.Color : platform::clDefault);
  series.SetColorEachPoint(false);
  series.SetCircleLabels(true);
  series.SetTitle(request_.Legend);
}

TPolarPlotLauncher::~TPolarPlotLauncher() = default;

TPlotOutcome TPolarPlotLauncher::Evaluate(engine::EngineHost& host, QProgressBar& gauge)
{
  const double x0 = request_.X0;
  const double x1 = request_.X1;
  const int nx = request_.Steps;
  const double hx = (x1 - x0) / nx;
  const engine::Extended stepX = (engine::Extended(x1) - x0) / nx;
  const double toDegrees = request_.Degrees ? 1.0 : 180.0 / std::numbers::pi;
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
      engine::Extended r = 0;
      const bool ok = evaluation.Evaluate(r);
      if (!loop.Check(ok, r, length, [x] { return PointText(x); }))
        break;
      series_->AddPolar(x * toDegrees, double(r));
      leftX = x0 + i * stepX;
    }
    outcome = loop.Outcome;
  }
  engine::VarValues[1] = leftX;
  return outcome;
}

namespace {

// The largest |r| of the chart's polar series: a negative radius is drawn on the opposite side, as
// far out as its size.
double LargestRadius(const TPolarForm& window)
{
  double largest = 0;
  for (const chart::TPolarSeries* series : window.PolarSeries())
    for (int i = 0; i < series->Count(); ++i)
      largest = std::max(largest, std::abs(series->YValueAt(i)));
  return largest;
}

}  // namespace

void TPolarPlotLauncher::Show()
{
  if (!request_.Title.isEmpty())
    window_.SetTitle(request_.Title);
  window_.AddSeries(std::move(series_));
  // Both ends at once: setting the minimum alone fails while the maximum is below it.
  window_.Chart1->LeftAxis().SetMinMax(0, LargestRadius(window_));
  window_.miView3DClick();
  window_.Chart1->View3DOptions().SetElevation(window_.scbElev->value());
  window_.Show();
}

}  // namespace tools
