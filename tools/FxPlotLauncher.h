#pragma once
// The f(x) plot launcher: a new curve on the f(x) plot window, its points evaluated over the range by
// the plot loop, the series and its legend entry added only when the loop ran through.

#include "tools/PlotLoop.h"

#include "platform/Color.h"

#include <QString>
#include <memory>

class QProgressBar;

namespace plotui {
class TSeries;
}

namespace tools {

class TfmPlot2D;

// What the Graphics page asks of an f(x) plot.
struct TFxPlotRequest {
  QString Expression;  // as evaluated, blanks removed
  QString Legend;
  QString XName, YName, Title;
  double X0 = 0;
  double X1 = 1;
  int Steps = 1;
  bool ColorChosen = false;  // Color is the curve's; else the plot's next free one
  platform::TColor Color = platform::clBlack;
};

class TFxPlotLauncher {
 public:
  // The new series in the next free colour and marker; the axes' names and the title set.
  TFxPlotLauncher(TfmPlot2D& window, TFxPlotRequest request);
  ~TFxPlotLauncher();

  // The points into the series. The calculator's X afterwards: the point that failed or stopped the
  // loop, else one step past the range.
  TPlotOutcome Evaluate(engine::EngineHost& host, QProgressBar& gauge);
  // The series and its legend entry into the plot under the title as it reads now, the window shown
  // and drawn.
  void Show(const QString& title);

 private:
  TfmPlot2D& window_;
  TFxPlotRequest request_;
  platform::TColor color_;
  std::unique_ptr<plotui::TSeries> series_;
};

}  // namespace tools
