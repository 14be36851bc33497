#include "platform/PrintPreviewPage.h"

#include "platform/CanvasRounding.h"
#include "platform/Metafile.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kShadow = 4;
constexpr TColor kShadowColor = 0x404040;

}  // namespace

TPreviewPage::TPreviewPage(QWidget* parent) : CustomControl(parent)
{
  SetColor(clAppWorkSpace);
  setFocusPolicy(Qt::NoFocus);
}

void TPreviewPage::SetPage(const TMetafile* page, int width, int height)
{
  page_ = page;
  width_ = std::max(1, width);
  height_ = std::max(1, height);
  Invalidate();
}

TRect TPreviewPage::PageRect() const
{
  const double scale = Scale ? Scale() : 1.0;
  const int w = std::max(1, SafeRound(width_ * scale));
  const int h = std::max(1, SafeRound(height_ * scale));
  const int left = std::max(kDeskMargin, (ClientWidth() - w) / 2);
  const int top = std::max(kDeskMargin, (ClientHeight() - h) / 2);
  return {left, top, left + w, top + h};
}

void TPreviewPage::Paint(TCanvas& canvas)
{
  const TRect r = PageRect();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(kShadowColor);
  canvas.FillRect({r.Left + kShadow, r.Top + kShadow, r.Right + kShadow, r.Bottom + kShadow});
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(r);
  if (page_) {
    canvas.SaveState();
    canvas.IntersectClipRect(r);
    page_->DrawOn(canvas, r);
    canvas.RestoreState();
  }
  canvas.Brush().SetColor(clBlack);
  canvas.FrameRect(r);
}

}  // namespace platform
