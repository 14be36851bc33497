#include "chart/panel/CustomTeePanelExtended.h"

#include "platform/Picture.h"

namespace chart {

TCustomTeePanelExtended::TCustomTeePanelExtended(QWidget* parent)
    : TCustomTeePanel(parent),
      backImage_(std::make_unique<platform::TPicture>()),
      gradient_(std::make_unique<TChartGradient>([this] { Invalidate(); }))
{
  backImage_->OnChange = [this] { CanvasChanged(); };
}

TCustomTeePanelExtended::~TCustomTeePanelExtended() = default;

void TCustomTeePanelExtended::SetAnimatedZoom(bool value)
{
  if (animatedZoom_ == value)
    return;
  animatedZoom_ = value;
  Invalidate();
}

void TCustomTeePanelExtended::SetAnimatedZoomSteps(int value)
{
  if (animatedZoomSteps_ == value)
    return;
  animatedZoomSteps_ = value;
  Invalidate();
}

void TCustomTeePanelExtended::SetBackImage(const platform::TPicture& picture) { backImage_->Assign(picture); }

void TCustomTeePanelExtended::SetBackImageMode(TTeeBackImageMode value)
{
  if (backImageMode_ == value)
    return;
  backImageMode_ = value;
  Invalidate();
}

void TCustomTeePanelExtended::Assign(const TCustomTeePanel& source)
{
  if (const auto* extended = dynamic_cast<const TCustomTeePanelExtended*>(&source)) {
    backImage_->Assign(*extended->backImage_);
    backImageMode_ = extended->backImageMode_;
    gradient_->Assign(*extended->gradient_);
    allowPanning_ = extended->allowPanning_;
    allowZoom_ = extended->allowZoom_;
    animatedZoom_ = extended->animatedZoom_;
    animatedZoomSteps_ = extended->animatedZoomSteps_;
  }
  TCustomTeePanel::Assign(source);
}

void TCustomTeePanelExtended::DrawBackImage(const TRect& r)
{
  if (!backImage_->Empty())
    DrawBackImageRect(r, 0);
}

void TCustomTeePanelExtended::DrawBackImageRect(const TRect& rect, int depth)
{
  const platform::TGraphic* picture = backImage_->Graphic();
  if (!picture || picture->Empty())
    return;
  if (depth != 0 && View3D() && !View3DOptions().Orthogonal())
    return;
  TTeeCanvas3D& canvas = Canvas();
  TRect r = rect;
  const auto project = [&] {
    if (depth <= 0)
      return;
    const TPoint topLeft = canvas.ChartToScreen(rect.Left, rect.Top, depth);
    const TPoint bottomRight = canvas.ChartToScreen(rect.Right, rect.Bottom, depth);
    r = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
    if (!View3D())
      ++r.Top;
  };
  if (backImageMode_ == TTeeBackImageMode::pbmStretch) {
    project();
    canvas.StretchGraphic(r, *picture);
    return;
  }
  const bool clipped = CanClip();
  if (clipped) {
    if (depth != 0)
      canvas.ClipBox3D(rect, 0, Width3D());
    else
      canvas.ClipToRectangle(rect);
  }
  project();
  const int pictureWidth = picture->Width();
  const int pictureHeight = picture->Height();
  if (backImageMode_ == TTeeBackImageMode::pbmTile) {
    if (pictureWidth > 0 && pictureHeight > 0)
      for (int y = r.Top; y - r.Top < r.Height(); y += pictureHeight)
        for (int x = r.Left; x - r.Left < r.Width(); x += pictureWidth)
          canvas.DrawGraphic(x, y, *picture);
  } else {
    DrawBackground(r);
    canvas.DrawGraphic((r.Width() - pictureWidth) / 2 + r.Left, (r.Height() - pictureHeight) / 2 + r.Top, *picture);
  }
  if (clipped)
    canvas.RemoveClipping();
}

void TCustomTeePanelExtended::DrawBackground(const TRect& r)
{
  TTeeCanvas3D& canvas = Canvas();
  if (gradient_->Visible()) {
    const TGradientDirection direction = gradient_->Direction();
    const bool straight =
        direction == TGradientDirection::gdTopBottom || direction == TGradientDirection::gdLeftRight;
    const TColor start = straight ? gradient_->StartColor() : gradient_->EndColor();
    const TColor end = straight ? gradient_->EndColor() : gradient_->StartColor();
    canvas.GradientFill(r, start, end, direction);
    return;
  }
  if (IsPrinting() && !PrintBackground)
    return;
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(platform::TBrushStyle::bsSolid);
  canvas.EraseRectangle(r);
}

void TCustomTeePanelExtended::PaintPanel(const TRect& r)
{
  DrawBackground(r);
  DrawBackImage(r);
  if (IsPrinting() && !PrintBackground)
    return;
  TTeeCanvas3D& canvas = Canvas();
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetMode(platform::TPenMode::pmCopy);
  canvas.Brush().SetStyle(platform::TBrushStyle::bsClear);
  DrawPanelBevels(r);
}

void TCustomTeePanelExtended::UndoZoom()
{
  if (OnUndoZoom)
    OnUndoZoom();
  Invalidate();
  zoomed_ = false;
}

}  // namespace chart
