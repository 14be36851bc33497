#pragma once
// The 3-D view of one chart panel: angles, perspective, zoom and offsets.

#include <functional>

namespace chart {

class TView3DOptions {
public:
  // invalidate repaints the owner panel.
  explicit TView3DOptions(std::function<void()> invalidate = {});

  int Elevation() const { return elevation_; }
  int HorizOffset() const { return horizOffset_; }
  bool Orthogonal() const { return orthogonal_; }
  int Perspective() const { return perspective_; }
  int Rotation() const { return rotation_; }
  int Tilt() const { return tilt_; }
  int VertOffset() const { return vertOffset_; }
  int Zoom() const { return zoom_; }
  bool ZoomText() const { return zoomText_; }

  // Each stores a new value and repaints the owner; none checks a range.
  void SetElevation(int value);
  void SetHorizOffset(int value);  // then OnScrolled(true)
  void SetOrthogonal(bool value);
  void SetPerspective(int value);
  void SetRotation(int value);
  void SetTilt(int value);
  void SetVertOffset(int value);  // then OnScrolled(false)
  void SetZoom(int value);        // OnZoomChanged(value) first
  void SetZoomText(bool value);

  // The nine values, without notifications or repaint.
  void Assign(const TView3DOptions& other);

  std::function<void()> Invalidate;            // the owner panel's repaint
  std::function<void(bool)> OnScrolled;        // true: horizontal
  std::function<void(int)> OnZoomChanged;      // the new zoom

private:
  template <class T>
  bool Store(T& field, T value);

  int elevation_ = 345;
  int horizOffset_ = 0;
  bool orthogonal_ = true;
  int perspective_ = 15;
  int rotation_ = 345;
  int tilt_ = 0;
  int vertOffset_ = 0;
  int zoom_ = 100;
  bool zoomText_ = true;
};

}  // namespace chart
