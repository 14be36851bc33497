#include "tools/ContourPlotLauncher.h"

#include "tools/ContourPlotWindow.h"
#include "tools/EngineText.h"

#include "engine/ComplexEvaluator.h"
#include "engine/PointEvaluation.h"
#include "engine/Variables.h"
#include "platform/Application.h"

#include <utility>

namespace tools {

TContourPlotLauncher::TContourPlotLauncher(TfmContourPlot& window, TContourPlotRequest request)
    : window_(window), request_(std::move(request))
{
  plotui::TPlot& plot = *window_.Chart;
  plot.SetExaggerate(request_.Exaggerate);
  plot.YAxis->SetName(request_.YName);
  plot.XAxis->SetName(request_.XName);
  plot.Title->SetText(request_.Complex ? QStringLiteral("|") + request_.Title + QStringLiteral("|") : request_.Title);
}

TPlotOutcome TContourPlotLauncher::Evaluate(engine::EngineHost& host, QProgressBar& gauge)
{
  const double x0 = request_.X0;
  const double x1 = request_.X1;
  const double y0 = request_.Y0;
  const double y1 = request_.Y1;
  const int nx = request_.StepsX;
  const int ny = request_.StepsY;
  plotui::TPlot& plot = *window_.Chart;
  window_.ClearPlot();
  for (plotui::TPlotAxis* axis : {plot.XAxis.get(), plot.YAxis.get()}) {
    axis->SetAutoMin(false);
    axis->SetAutoMax(false);
  }
  plot.XAxis->SetMinimum(x0);
  plot.XAxis->SetMaximum(x1);
  plot.YAxis->SetMinimum(y0);
  plot.YAxis->SetMaximum(y1);
  plot.SetClipMarkers(false);

  // In complex mode the modulus is plotted; each point evaluates its own copy of the text.
  const std::string expression = ToEngineText(request_.Expression).Text;
  const std::string text = request_.Complex ? "abs(" + expression + ")" : expression;
  const double hx = (x1 - x0) / nx;
  const double hy = (y1 - y0) / ny;
  xs_.SetLength(nx + 1);
  ys_.SetLength(ny + 1);
  zs_.Resize(nx + 1, ny + 1);
  const engine::Extended stepX = (engine::Extended(x1) - x0) / nx;
  const engine::Extended stepY = (engine::Extended(y1) - y0) / ny;
  engine::Extended leftX = x0;
  engine::Extended leftY = y0;
  TPlotOutcome outcome;
  {
    TPlotLoop loop(host, gauge);
    const engine::TPointEvaluation evaluation(text);
    const long long count = Nodes();
    bool going = true;
    for (int i = 1; i <= nx + 1 && going; ++i) {
      const double x = i == nx + 1 ? x1 : x0 + (i - 1) * hx;
      xs_.SetValue(i, x);
      leftX = x0 + (i - 1) * stepX;
      for (int j = 1; j <= ny + 1; ++j) {
        const double y = j == ny + 1 ? y1 : y0 + (j - 1) * hy;
        ys_.SetValue(j, y);
        leftY = y0 + (j - 1) * stepY;
        going = loop.Step((long long)(i - 1) * (ny + 1) + j, count);
        if (!going)
          break;
        engine::VarValues[1] = x;
        engine::VarValues[2] = y;
        engine::Extended z = 0;
        bool ok = true;
        if (request_.Complex) {
          std::string point = text;
          engine::TComplex value = engine::ComplexZero;
          bool failed = false;
          engine::EvaluateComplex(point, failed, engine::ErrorPos, value, engine::ErrorSpan);
          ok = !failed;
          z = value.X;
        } else {
          ok = evaluation.Evaluate(z);
        }
        going = loop.Check(ok, z, int(text.size()), [x, y] { return PointText(x, y); });
        if (!going)
          break;
        zs_.SetValue(i, j, double(z));
      }
    }
    outcome = loop.Outcome;
  }
  engine::VarValues[1] = leftX;
  engine::VarValues[2] = leftY;
  return outcome;
}

plot::TTraceEnd TContourPlotLauncher::Trace(engine::EngineHost& host, int levels)
{
  plotui::TPlot& plot = *window_.Chart;
  window_.Show();
  platform::PumpMessages();
  const bool shade = request_.ColorShade;
  auto contour = std::make_unique<plot::TContour>(*plot.Graph, std::move(xs_), std::move(ys_), std::move(zs_),
                                                   shade ? 1 : levels, shade, false, [&host] {
                                                     host.PumpMessages();
                                                     return !(engine::StopFlag != 0 && host.ConfirmStop());
                                                   });
  contour->Progress = nullptr;  // later tracing (edits, properties) runs without the launcher
  const plot::TTraceEnd end = contour->TraceEnd;
  if (end != plot::TTraceEnd::Done) {
    window_.ClearPlot();
    return end;
  }
  contour->Name = request_.Name;
  window_.SetContour(std::move(contour), shade);
  plot.Redraw();
  return end;
}

}  // namespace tools
