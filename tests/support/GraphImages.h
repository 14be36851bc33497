#pragma once
// Picture controls a graph draws on in tests: one whose canvas records the drawing calls instead of
// drawing them, and one over a bitmap whose pixels can be looked at and saved.

#include "plot/graph/GraphHost.h"

#include "platform/Bitmap.h"
#include "platform/CanvasRecording.h"

#include <QImage>

namespace testing_support {

class TRecordingGraphImage : public plot::TGraphImage {
public:
  explicit TRecordingGraphImage(int width = 400, int height = 300) : width_(width), height_(height)
  {
    canvas_.SetDeviceBounds({0, 0, width, height});
  }
  platform::TCanvas& Canvas() override { return canvas_; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  platform::TRecordingCanvas& Recording() { return canvas_; }
  const platform::TRecordingCanvas& Recording() const { return canvas_; }

private:
  platform::TRecordingCanvas canvas_;
  int width_;
  int height_;
};

// Starts white.
class TBitmapGraphImage : public plot::TGraphImage {
public:
  TBitmapGraphImage(int width, int height) : picture_(width, height) {}
  platform::TCanvas& Canvas() override { return picture_.Canvas(); }
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }
  const platform::TBitmap& Bitmap() const { return picture_; }
  const QImage& Image() const { return picture_.Image(); }

private:
  platform::TBitmap picture_;
};

}  // namespace testing_support
