#pragma once
// What a graph asks of the plot component that hosts it: the picture control it draws on, the
// status bar, and the host's services.

#include "platform/CanvasTypes.h"
#include "platform/Cursors.h"

#include <QString>

class QWidget;

namespace platform {
class TCanvas;
}

namespace plot {

class TGraph;

// The picture control: its canvas and size.
class TGraphImage {
public:
  virtual ~TGraphImage() = default;
  virtual platform::TCanvas& Canvas() = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The cursor shown over the picture, a number of the cursor table.
  virtual void SetCursor(platform::TCursor cursor) { (void)cursor; }
  // A point of the picture in screen coordinates (where the popup menu opens).
  virtual platform::TPoint ClientToScreen(platform::TPoint p) const { return p; }
};

// A status bar of three panels: 0 the X read-out, 1 the Y read-out, 2 the painting progress.
class TGraphStatusBar {
public:
  virtual ~TGraphStatusBar() = default;
  virtual void SetPanelText(int panel, const QString& text) = 0;
  virtual void SetPanelWidth(int panel, int width) { (void)panel, (void)width; }
};

class TPlotHost {
public:
  virtual ~TPlotHost() = default;
  // Setters of the parts repaint at once while this is set.
  virtual bool LiveUpdate() const = 0;
  // The prefix of the load error message: owner name, ".", plot name, ": ".
  virtual QString LoadErrorPrefix() const = 0;
  // The owner of the print dialog and preview.
  virtual QWidget* OwnerWindow() const = 0;
  virtual void SavePictureAs() = 0;
  virtual void ShowProperties() = 0;
  // The print dialog with its preview, for the graph.
  virtual void RunPrintDialog(TGraph& graph) { (void)graph; }
  // A figure tool of the annotation tools is selected: the layers get no hit test.
  virtual bool FigureToolSelected() const { return false; }
};

}  // namespace plot
