#pragma once
// The page view of the print preview: a grey desk with the page at the preview's scale, its shadow,
// and the page's metafile played on it.

#include "platform/CanvasTypes.h"
#include "platform/CustomControl.h"

#include <functional>

namespace platform {

class TMetafile;

class TPreviewPage : public CustomControl {
public:
  explicit TPreviewPage(QWidget* parent = nullptr);
  // The page to show (none: the desk alone) and its size in printer dots.
  void SetPage(const TMetafile* page, int width, int height);
  // Screen pixels per printer dot for the view's size.
  std::function<double()> Scale;
  // The page's rectangle in the view.
  TRect PageRect() const;
  static constexpr int kDeskMargin = 10;

protected:
  void Paint(TCanvas& canvas) override;

private:
  const TMetafile* page_ = nullptr;
  int width_ = 1;
  int height_ = 1;
};

}  // namespace platform
