#pragma once
// The chart panel with its back: gradient, back image (stretched, tiled or centred, also at a depth),
// and the zoom and panning settings with their events.

#include "chart/model/ChartGradient.h"
#include "chart/panel/CustomTeePanel.h"

#include <functional>
#include <memory>

namespace platform {
class TPicture;
}

namespace chart {

enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
enum class TTeeBackImageMode { pbmStretch, pbmTile, pbmCenter };

class TCustomTeePanelExtended : public TCustomTeePanel {
public:
  explicit TCustomTeePanelExtended(QWidget* parent = nullptr);
  ~TCustomTeePanelExtended() override;

  bool AnimatedZoom() const { return animatedZoom_; }
  void SetAnimatedZoom(bool value);
  int AnimatedZoomSteps() const { return animatedZoomSteps_; }
  void SetAnimatedZoomSteps(int value);
  bool AllowZoom() const { return allowZoom_; }
  void SetAllowZoom(bool value) { allowZoom_ = value; }
  TPanningMode AllowPanning() const { return allowPanning_; }
  void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
  platform::TPicture& BackImage() { return *backImage_; }
  const platform::TPicture& BackImage() const { return *backImage_; }
  void SetBackImage(const platform::TPicture& picture);
  TTeeBackImageMode BackImageMode() const { return backImageMode_; }
  void SetBackImageMode(TTeeBackImageMode value);
  TChartGradient& Gradient() { return *gradient_; }
  const TChartGradient& Gradient() const { return *gradient_; }
  void SetGradient(const TChartGradient& gradient) { gradient_->Assign(gradient); }
  bool Zoomed() const { return zoomed_; }
  void SetZoomed(bool on) { zoomed_ = on; }

  std::function<void()> OnAfterDraw;
  std::function<void()> OnScroll;
  std::function<void()> OnUndoZoom;
  std::function<void()> OnZoom;

  // From another extended panel: back image and its mode, gradient, panning, zoom settings; then the base.
  void Assign(const TCustomTeePanel& source) override;

  virtual void DrawBackImage(const TRect& r);
  // The back image in r; at a depth other than 0 only in orthogonal or 2-D charts.
  void DrawBackImageRect(const TRect& r, int depth);
  // The gradient when visible, else the control colour (on paper only with PrintBackground).
  virtual void DrawBackground(const TRect& r);
  // Background, back image, then the bevels (on paper only with PrintBackground).
  void PaintPanel(const TRect& r);
  // Tells OnUndoZoom, repaints and clears the zoomed flag.
  virtual void UndoZoom();

private:
  bool animatedZoom_ = false;
  int animatedZoomSteps_ = 8;
  bool allowZoom_ = true;
  TPanningMode allowPanning_ = TPanningMode::pmBoth;
  std::unique_ptr<platform::TPicture> backImage_;
  TTeeBackImageMode backImageMode_ = TTeeBackImageMode::pbmStretch;
  std::unique_ptr<TChartGradient> gradient_;
  bool zoomed_ = false;
};

}  // namespace chart
