#pragma once
// A chart canvas drawing unbuffered onto a white image or a recording canvas.

#include "chart/canvas/TeeCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "platform/CanvasImage.h"
#include "platform/CanvasRecording.h"

#include <QImage>

namespace chart::testing {

template <class Target>
struct TChartPicture {
  TView3DOptions View;
  TTeeCanvas3D Chart;

  explicit TChartPicture(Target& target) : target_(target)
  {
    Chart.SetBuffered(false);
    Chart.SetTargetCanvas(target);
  }
  // Starts a picture of the rectangle with the given depth.
  void Begin(bool is3D = true, TRect rect = {0, 0, 400, 300}, int depth = 100)
  {
    Chart.BeginDrawing(target_, &View, platform::clWhite, is3D, rect);
    Chart.SetProjection(depth, rect, rect);
  }

private:
  Target& target_;
};

struct TImagePicture {
  QImage Image{400, 300, QImage::Format_RGB32};
  platform::TImageCanvas Canvas{Image};
  TChartPicture<platform::TCanvas> Picture{Canvas};
  TImagePicture() { Image.fill(Qt::white); }
  platform::TColor At(int x, int y) const { return platform::FromQColor(QColor(Image.pixel(x, y))); }
};

}  // namespace chart::testing
