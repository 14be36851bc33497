#pragma once
// The preview's page picture: a bitmap shown by a self-drawn control, which the graph paints into
// while the preview draws the page. Mouse events go to the preview's handlers.

#include "plot/graph/GraphHost.h"

#include "platform/Bitmap.h"
#include "platform/CustomControl.h"

#include <functional>

namespace plotui {

class TPreviewImage : public platform::CustomControl, public plot::TGraphImage {
public:
  explicit TPreviewImage(QWidget* parent = nullptr);

  platform::TCanvas& Canvas() override { return Picture.Canvas(); }
  int Width() const override { return Picture.Width(); }
  int Height() const override { return Picture.Height(); }
  void SetCursor(platform::TCursor cursor) override { SetCursorNumber(cursor); }
  // A new white picture of the size given.
  void NewPicture(int width, int height);

  platform::TBitmap Picture;
  std::function<void(platform::TMouseButton, platform::TShiftState, int, int)> OnMouseDown, OnMouseUp;
  std::function<void(platform::TShiftState, int, int)> OnMouseMove;

protected:
  void Paint(platform::TCanvas& canvas) override;
  const QImage* FinishedPicture() override;
  void MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;
  void MouseMove(platform::TShiftState shift, int x, int y) override;
  void MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y) override;

private:
  void PictureChanged();
  bool repaintAsked_ = false;
};

}  // namespace plotui
