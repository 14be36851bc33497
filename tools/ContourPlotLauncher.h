#pragma once
// The contour and colour-shade launcher: z = f(x, y) over the grid by the plot loop, then the contour
// traced from that grid and bound to the contour plot window. The grid is held here only until the
// contour takes it over.

#include "tools/PlotLoop.h"

#include "plot/contour/Contour.h"
#include "plot/support/ValueGrids.h"

#include <QString>

class QProgressBar;

namespace tools {

class TfmContourPlot;

// What the Graphics page asks of a contour or colour-shade plot.
struct TContourPlotRequest {
  QString Expression;  // as evaluated, blanks removed
  QString Name;        // the contour's name: the line as typed
  QString XName, YName, Title;
  double X0 = 0;
  double X1 = 1;
  double Y0 = 0;
  double Y1 = 1;
  int StepsX = 1;
  int StepsY = 1;
  double Exaggerate = 0;
  bool Complex = false;  // the modulus is plotted
  bool ColorShade = false;
};

class TContourPlotLauncher {
 public:
  // The most nodes a contour plot takes.
  static constexpr long long kMaxNodes = 4096LL * 4096;

  // The plot's exaggeration, axes' names and title set.
  TContourPlotLauncher(TfmContourPlot& window, TContourPlotRequest request);

  long long Nodes() const { return (long long)(request_.StepsX + 1) * (request_.StepsY + 1); }
  // Beyond kMaxNodes the grid is refused before anything is allocated, and the plot shown stays.
  bool Fits() const { return Nodes() <= kMaxNodes; }
  // The plot cleared for the new grid, then z at every node. The calculator's X and Y afterwards: the
  // point that failed or stopped the loop, else the last.
  TPlotOutcome Evaluate(engine::EngineHost& host, QProgressBar& gauge);
  // What the evaluated text has in front of the typed expression.
  int PrefixLength() const { return request_.Complex ? 4 : 0; }
  // The window shown, the contour of levels traced from the grid (pumping and honouring Stop through
  // the host) and bound to the window; a stopped or too large one leaves the plot cleared.
  plot::TTraceEnd Trace(engine::EngineHost& host, int levels);

 private:
  TfmContourPlot& window_;
  TContourPlotRequest request_;
  plot::TVector xs_{0};
  plot::TVector ys_{0};
  plot::TMatrix zs_{0, 0};
};

}  // namespace tools
