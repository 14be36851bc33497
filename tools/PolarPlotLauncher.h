#pragma once
// The polar plot launcher: r(phi) over the range by the plot loop into a new polar series, which joins
// the polar plot window's chart only when the loop ran through.

#include "tools/PlotLoop.h"

#include "platform/Color.h"

#include <QString>
#include <memory>

class QProgressBar;

namespace chart {
class TPolarSeries;
}

namespace tools {

class TPolarForm;

// What the Graphics page asks of a polar plot.
struct TPolarPlotRequest {
  QString Expression;  // as evaluated, blanks removed
  QString Legend;
  QString Title;  // empty keeps the chart's title
  double X0 = 0;
  double X1 = 1;
  int Steps = 1;
  bool Degrees = true;       // x is an angle in degrees; else in radians
  bool ColorChosen = false;  // Color is the curve's; else the chart's next free one
  platform::TColor Color = platform::clBlack;
};

class TPolarPlotLauncher {
 public:
  TPolarPlotLauncher(TPolarForm& window, TPolarPlotRequest request);
  ~TPolarPlotLauncher();

  // The points into the new series. The calculator's X afterwards: the point that failed or stopped
  // the loop, else one step past the range.
  TPlotOutcome Evaluate(engine::EngineHost& host, QProgressBar& gauge);
  // The series onto the chart, the radius axis from 0 over the largest |r| of every polar series,
  // the title set, the 3-D view switched over and the window shown.
  void Show();

 private:
  TPolarForm& window_;
  TPolarPlotRequest request_;
  std::unique_ptr<chart::TPolarSeries> series_;
};

}  // namespace tools
