#include "chart/canvas/View3DOptions.h"

#include <utility>

namespace chart {

TView3DOptions::TView3DOptions(std::function<void()> invalidate) : Invalidate(std::move(invalidate)) {}

template <class T>
bool TView3DOptions::Store(T& field, T value)
{
  if (field == value)
    return false;
  field = value;
  if (Invalidate)
    Invalidate();
  return true;
}

void TView3DOptions::SetElevation(int value) { Store(elevation_, value); }
void TView3DOptions::SetOrthogonal(bool value) { Store(orthogonal_, value); }
void TView3DOptions::SetPerspective(int value) { Store(perspective_, value); }
void TView3DOptions::SetRotation(int value) { Store(rotation_, value); }
void TView3DOptions::SetTilt(int value) { Store(tilt_, value); }
void TView3DOptions::SetZoomText(bool value) { Store(zoomText_, value); }

void TView3DOptions::SetHorizOffset(int value)
{
  if (Store(horizOffset_, value) && OnScrolled)
    OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int value)
{
  if (Store(vertOffset_, value) && OnScrolled)
    OnScrolled(false);
}

void TView3DOptions::SetZoom(int value)
{
  if (value == zoom_)
    return;
  if (OnZoomChanged)
    OnZoomChanged(value);
  Store(zoom_, value);
}

void TView3DOptions::Assign(const TView3DOptions& other)
{
  elevation_ = other.elevation_;
  horizOffset_ = other.horizOffset_;
  orthogonal_ = other.orthogonal_;
  perspective_ = other.perspective_;
  rotation_ = other.rotation_;
  tilt_ = other.tilt_;
  vertOffset_ = other.vertOffset_;
  zoom_ = other.zoom_;
  zoomText_ = other.zoomText_;
}

}  // namespace chart
