#pragma once
// The f(x) plot window: the curves of the expressions plotted over x, one series each.

#include "tools/PlotWindow.h"

namespace tools {

class TfmPlot2D : public TPlotWindow {
public:
  TfmPlot2D(QString settingsFile, TFormPlacement placement, QWidget* parent = nullptr);
};

}  // namespace tools
