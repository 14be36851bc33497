#pragma once
// A graph image whose canvas records the drawing calls instead of drawing them.

#include "plot/graph/GraphHost.h"

#include "platform/CanvasRecording.h"

namespace plotui::test {

class TRecordingImage : public plot::TGraphImage {
public:
  TRecordingImage(int width, int height) : width_(width), height_(height) { canvas_.SetDeviceBounds({0, 0, width, height}); }
  platform::TCanvas& Canvas() override { return canvas_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  platform::TRecordingCanvas& Recording() { return canvas_; }

private:
  platform::TRecordingCanvas canvas_;
  int width_;
  int height_;
};

}  // namespace plotui::test
