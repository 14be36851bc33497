#pragma once
// The contour plot window: f(x,y) as contour lines or as a colour shade, with the edit modes that add
// or delete a contour line and place, move or delete labels by clicking the plot.

#include "tools/PlotWindow.h"

#include "plot/contour/Contour.h"

#include <array>

namespace tools {

class TfmContourPlot : public TPlotWindow {
public:
  TfmContourPlot(QString settingsFile, TFormPlacement placement, QWidget* parent = nullptr);

  // The launcher's part: the plot is cleared (the previous contour goes with it), then, after a
  // successful evaluation, the new contour is added and bound to the window.
  void ClearPlot();
  void SetContour(std::unique_ptr<plot::TContour> contour, bool colorShade);
  plot::TContour* Contour() const { return contour_; }
  bool ColorShade() const { return colorShade_; }

  // Edit modes: the contour's mode, the button down and the radio item checked follow one another.
  void SetEditMode(int mode);
  int EditMode() const { return editMode_; }
  void sbShowLegendClick() override;
  // Switching a grid on draws only that axis, with its grid lines, over the present picture.
  void sbVertGridClick() override;
  void sbHorizGridClick() override;

  platform::TSpeedButton* sbAddContours;
  platform::TSpeedButton* sbDeleteContours;
  platform::TSpeedButton* sbAddLabels;
  platform::TSpeedButton* sbDeleteLabels;
  platform::TSpeedButton* sbBreakEdit;
  QAction* AddContour1;
  QAction* DeleteContours1;
  QAction* Movelabel1;
  QAction* Labeloff1;
  QAction* Arrow1;
  QAction* N5;  // the separator above the edit items

private:
  void ShowEditControls(bool visible);
  void ToggleGrid(plotui::TPlotAxis& axis, plot::TAxis& drawn);

  plot::TContour* contour_ = nullptr;  // owned by the plot's graph; none after a clear
  bool colorShade_ = false;
  int editMode_ = plot::emNone;
  std::array<platform::TSpeedButton*, 5> modeButtons_{};
  std::array<QAction*, 5> modeItems_{};
};

}  // namespace tools
