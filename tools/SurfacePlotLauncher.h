#pragma once
// The surface launcher: z = f(x, y) over the grid by the plot loop into a buffer of its own, then,
// only after the loop ran through, the surface window's chart and series refilled and the window
// shown. An error or a stop leaves the window and its last surface as they were.

#include "tools/PlotLoop.h"

#include <QString>
#include <vector>

class QProgressBar;

namespace tools {

class TfmSurfaceTee;

// What the Graphics page asks of a surface plot.
struct TSurfacePlotRequest {
  QString Expression;  // as evaluated, blanks removed
  QString Title;       // the chart's title line
  QString XName;       // the bottom axis' title
  double X0 = 0;
  double X1 = 1;
  double Y0 = 0;
  double Y1 = 1;
  int StepsX = 1;
  int StepsY = 1;
  bool Complex = false;  // the modulus is plotted
};

class TSurfacePlotLauncher {
 public:
  // The most intervals a side: the surface's grid holds 500 nodes a side.
  static constexpr int kMaxSteps = 499;

  TSurfacePlotLauncher(TfmSurfaceTee& window, TSurfacePlotRequest request);

  // Between 1 and kMaxSteps intervals a side; a grid beyond is refused before anything is evaluated.
  bool Fits() const;
  long long Nodes() const { return (long long)(request_.StepsX + 1) * (request_.StepsY + 1); }
  // z at every node into the launcher's buffer; the window is not touched. The calculator's X and Y
  // afterwards: the point that failed or stopped the loop, else the last.
  TPlotOutcome Evaluate(engine::EngineHost& host, QProgressBar& gauge);
  // What the evaluated text has in front of the typed expression.
  int PrefixLength() const { return request_.Complex ? 4 : 0; }
  // The window hidden, its chart and series refilled from the buffer, the grid bounds recorded, and
  // the window shown.
  void Show();

  // The evaluated values, X varying slowest: (i - 1) * (StepsY + 1) + (j - 1) for node (i, j).
  const std::vector<double>& Values() const { return values_; }
  QString EvaluatedText() const;

 private:
  TfmSurfaceTee& window_;
  TSurfacePlotRequest request_;
  std::vector<double> values_;
};

}  // namespace tools
