#pragma once
// What lies behind the plot: the colour gradient over the whole drawing area and the background
// picture, a bitmap file stretched into the plot area, tiled over it or shown once at its own size,
// following the zoom and scaled for the printer.

#include "plot/graph/Layer.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Picture.h"

namespace platform {
class TCanvas;
}

namespace plot {

// Fills r with at most 256 bands from nearColor (right or bottom edge) to farColor.
void FillGradientRect(platform::TCanvas& canvas, const platform::TRect& r, platform::TColor nearColor,
                      platform::TColor farColor, bool horizontal);

class TGraphGradient {
public:
  TGraphGradient(TGraph& graph, TGradientStyle style, platform::TColor start, platform::TColor end)
      : Graph(&graph), Style(style), StartColor(start), EndColor(end)
  {
  }
  virtual ~TGraphGradient() = default;
  TGraphGradient(const TGraphGradient&) = delete;
  TGraphGradient& operator=(const TGraphGradient&) = delete;

  // StartColor at the left (gsLeftRight) or top (gsTopBottom) edge of r, EndColor at the other.
  virtual void Draw(const platform::TRect& r);

  TGraph* Graph;
  bool Visible = true;
  TGradientStyle Style;
  platform::TColor StartColor;
  platform::TColor EndColor;
};

// A layer kept by the graph outside its layer list; invisible and empty until the host loads a file.
class TGraphPicture : public TLayer {
public:
  explicit TGraphPicture(TGraph& graph);

  // Loads PictureFileName when the file exists (else nothing changes). A file that can't be read
  // raises EInvalidGraphic, keeps the picture shown before and is not tried again by Draw.
  void LoadPicture();
  void SaveToIni() override;
  void Draw() override;

  platform::TPicture PictureData;
  QString PictureFileName;
  TPictureStyle Style = psStretch;
  bool Loaded = false;  // PictureFileName is the file in PictureData

private:
  // The source rectangle of the picture that shows the current range of a zoomed graph.
  platform::TRect ZoomedSource(int width, int height) const;
  void DrawOnScreen(const platform::TBitmap& bitmap, bool zoomed);
  void DrawOnPrinter(const platform::TBitmap& bitmap, bool zoomed);
  platform::TRect PlotClip(int bottomShift) const;

  QString loadedName_;  // the file in PictureData
  QString failedName_;  // the last file that could not be read
};

}  // namespace plot
