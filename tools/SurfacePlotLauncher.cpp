#include "tools/SurfacePlotLauncher.h"

#include "tools/EngineText.h"
#include "tools/SurfacePlotWindow.h"

#include "chart/panel/CustomChart.h"
#include "chart/series/SurfaceSeries.h"
#include "engine/ComplexEvaluator.h"
#include "engine/PointEvaluation.h"
#include "engine/Variables.h"

#include <utility>

namespace tools {

TSurfacePlotLauncher::TSurfacePlotLauncher(TfmSurfaceTee& window, TSurfacePlotRequest request)
    : window_(window), request_(std::move(request))
{
}

bool TSurfacePlotLauncher::Fits() const
{
  const auto within = [](int steps) { return steps >= 1 && steps <= kMaxSteps; };
  return within(request_.StepsX) && within(request_.StepsY);
}

QString TSurfacePlotLauncher::EvaluatedText() const
{
  return request_.Complex ? QStringLiteral("abs(") + request_.Expression + QStringLiteral(")") : request_.Expression;
}

TPlotOutcome TSurfacePlotLauncher::Evaluate(engine::EngineHost& host, QProgressBar& gauge)
{
  values_.clear();
  const double x0 = request_.X0;
  const double x1 = request_.X1;
  const double y0 = request_.Y0;
  const double y1 = request_.Y1;
  const int nx = request_.StepsX;
  const int ny = request_.StepsY;
  const double hx = (x1 - x0) / nx;
  const double hy = (y1 - y0) / ny;
  // Every point evaluates the blank-free text; in complex mode a copy of it each, as the complex
  // evaluator takes its text apart.
  const std::string text = ToEngineText(EvaluatedText()).Text;
  std::vector<double> values;
  values.reserve(std::size_t(Nodes()));
  double leftX = x0;
  double leftY = y0;
  TPlotOutcome outcome;
  {
    TPlotLoop loop(host, gauge);
    const engine::TPointEvaluation evaluation(text);
    const long long count = Nodes();
    bool going = true;
    for (int i = 1; i <= nx + 1 && going; ++i) {
      const double x = i == nx + 1 ? x1 : x0 + (i - 1) * hx;
      leftX = x;
      for (int j = 1; j <= ny + 1; ++j) {
        const double y = j == ny + 1 ? y1 : y0 + (j - 1) * hy;
        leftY = y;
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
        values.push_back(double(z));
      }
    }
    outcome = loop.Outcome;
  }
  engine::VarValues[1] = leftX;
  engine::VarValues[2] = leftY;
  if (!outcome.Stopped && !outcome.Failed)
    values_ = std::move(values);
  return outcome;
}

void TSurfacePlotLauncher::Show()
{
  TfmSurfaceTee& w = window_;
  chart::TChart& c = *w.Chart;
  chart::TSurfaceSeries& series = *w.SurfaceSeries1;
  const int nx = request_.StepsX;
  const int ny = request_.StepsY;
  w.close();
  c.Title().SetText({request_.Title});
  c.Title().SetVisible(true);
  c.BottomAxis().Title().SetCaption(request_.XName);
  series.Pen().SetVisible(false);
  c.SetAllowZoom(false);
  c.BottomAxis().SetLabelStyle(chart::TAxisLabelStyle::talAuto);
  c.LeftAxis().SetLabelStyle(chart::TAxisLabelStyle::talAuto);
  series.SetNumXValues(nx + 1);
  series.SetNumZValues(ny + 1);
  w.XMin = request_.X0;
  w.XMax = request_.X1;
  w.XStep = (request_.X1 - request_.X0) / nx;
  w.YMin = request_.Y0;
  w.YMax = request_.Y1;
  w.YStep = (request_.Y1 - request_.Y0) / ny;
  {
    // The lists grow once to the whole grid, and the chart repaints once at the end.
    const bool ready = c.IsReady();
    c.SetReady(false);
    series.Clear();
    series.SetDefaultCapacity(int(values_.size()));
    std::size_t k = 0;
    for (int i = 1; i <= nx + 1; ++i)
      for (int j = 1; j <= ny + 1 && k < values_.size(); ++j)
        series.AddXYZ(i, values_[k++], j, QString(), platform::clBlack);
    c.SetReady(ready);
  }
  series.SetTitle(QStringLiteral("f(x,y)=") + EvaluatedText());
  series.SetPaletteSteps(10);
  c.Invalidate();
  w.Show();
}

}  // namespace tools
