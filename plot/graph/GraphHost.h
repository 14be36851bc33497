#pragma once
// What a graph asks of the plot component that hosts it: the picture control it draws on, the
// status bar, and the host's services.

#include <QString>

class QWidget;

namespace platform {
class TCanvas;
}

namespace plot {

// The picture control: its canvas and size.
class TGraphImage {
public:
  virtual ~TGraphImage() = default;
  virtual platform::TCanvas& Canvas() = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

// A status bar of three panels: 0 the X read-out, 1 the Y read-out, 2 the painting progress.
class TGraphStatusBar {
public:
  virtual ~TGraphStatusBar() = default;
  virtual void SetPanelText(int panel, const QString& text) = 0;
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
};

}  // namespace plot
