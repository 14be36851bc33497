#pragma once
// Zooming a graph: the rubber band dragged over the plot, the animated zoom that steps towards or
// away from a clicked point, and the stack of ranges each step saved, so that steps are undone one
// by one (ZoomOut) or all at once (Reset).
//
// World values come in axis units (the logarithm on a logarithmic axis) except where said.

#include "plot/support/FloatGeometry.h"
#include "plot/support/GraphTypes.h"

#include "platform/CanvasTypes.h"
#include "platform/Color.h"

#include <memory>
#include <vector>

namespace platform {
class Timer;
}

namespace plot {

class TGraph;

// The primary and secondary ranges before one zoom step.
struct TZoomStep {
  TFloatRect Range;
  TFloatRect Range2;
};

inline constexpr platform::TColor kZoomBandColor = 0xA6EEE9;

// Cursors of the graph's mouse handling, registered by the host.
inline constexpr int kZoomInCursor = 100;        // "ZOOM_IN"
inline constexpr int kMoveItCursor = 101;        // "MOVEIT"
inline constexpr int kAnimatedZoomCursor = 106;  // "ANIZOOM"

class TZoom {
public:
  explicit TZoom(TGraph& graph);
  ~TZoom();
  TZoom(const TZoom&) = delete;
  TZoom& operator=(const TZoom&) = delete;

  // The paint keeps the ranges instead of computing them from the data.
  bool Active() const { return Dragging || !Stack.empty(); }
  int GetCount() const { return static_cast<int>(Stack.size()); }
  void ClearStacks() { Stack.clear(); }

  // A left press in zoom mode at pixel (x, y), world (wx, wy): starts a band, or the animated zoom
  // when the graph's AnimatedZoom is set.
  void StartZoom(int x, int y, double wx, double wy);
  // The mouse moved while dragging: the band is drawn again on the image, inverted.
  void DragTo(int x, int y, double wx, double wy);
  // The button went up while dragging; wx, wy in data units. A band narrower than 1/10000 of the
  // range in either direction cancels the zoom and leaves zoom mode.
  void EndZoom(int x, int y, double wx, double wy);
  // One zoom step: both ranges are saved, then the new ones applied.
  void PushAndApply(const TFloatRect& newRange, const TFloatRect& newRange2);
  // Undoes the last step and repaints; true while steps remain.
  bool ZoomOut();
  // Undoes every step, leaves zoom mode, repaints and reports the range.
  void Reset();

  // The animated zoom runs one step per timer tick; the timer calls AnimationStep, tests may too.
  bool Animating() const { return stepsLeft_ > 0; }
  void AnimationStep();

  TGraph* Graph;
  std::vector<TZoomStep> Stack;  // oldest first
  TFloatRect SavedRange;         // the primary range before the first step
  bool Dragging = false;
  platform::TRect BandRect;  // the band on screen; empty when none
  double StartX = 0, StartY = 0;    // where the band started, data units
  double StartX2 = 0, StartY2 = 0;  // the same pixel on the second axes
  bool Enabled = false;             // zoom mode
  int Steps = 10;
  double ChangePerStep = 0.1;
  TZoomStyle Style = zsIn;
  bool ZoomAutoStop = true;
  platform::TColor Color = kZoomBandColor;
  int StepInterval = 15;  // milliseconds between animated steps

private:
  // Where the clicked point lies in a range, as the fractions of the span below and above it.
  struct TFractions {
    double Low = 0, High = 0;
  };
  struct TAnimation {
    TFractions X, Y, X2, Y2;
  };
  void StartAnimation(int x, int y, double wx, double wy);
  void DrawBand(const platform::TRect& r);
  void ReportRange();

  TAnimation animation_;
  int stepsLeft_ = 0;
  bool inDragTo_ = false;
  std::unique_ptr<platform::Timer> timer_;
};

}  // namespace plot
