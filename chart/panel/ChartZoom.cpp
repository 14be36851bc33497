// Zooming to a rectangle or to ranges, panning the axes, and undoing both.
#include "chart/panel/CustomChart.h"

namespace chart {

TChartAxis* TCustomChart::SideAxis(int index) const
{
  TCustomChart& self = const_cast<TCustomChart&>(*this);
  switch (index) {
  case 0: return &self.TopAxis();
  case 1: return &self.LeftAxis();
  case 2: return &self.RightAxis();
  default: return &self.BottomAxis();
  }
}

void TCustomChart::SaveAxes()
{
  for (int i = 0; i < 4; ++i) {
    const TChartAxis& axis = *SideAxis(i);
    savedAxes_[i] = {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(),
                     axis.Maximum()};
  }
  axesNotSaved_ = false;
}

void TCustomChart::UndoZoom()
{
  if (!axesNotSaved_) {
    for (int i = 0; i < 4; ++i) {
      TChartAxis& axis = *SideAxis(i);
      const TSavedAxis& saved = savedAxes_[i];
      if (saved.Automatic) {
        axis.SetAutomatic(true);
        continue;
      }
      axis.SetMinMax(saved.Minimum, saved.Maximum);
      axis.SetAutomaticMinimum(saved.AutomaticMinimum);
      axis.SetAutomaticMaximum(saved.AutomaticMaximum);
    }
    axesNotSaved_ = true;
  }
  TCustomAxisPanel::UndoZoom();
}

void TCustomChart::ZoomRect(const TRect& r)
{
  TZoomPanningRecord& zoom = Zoom();
  zoom.X0 = r.Left;
  zoom.Y0 = r.Top;
  zoom.X1 = r.Right;
  zoom.Y1 = r.Bottom;
  ZoomFromRecord();
}

void TCustomChart::ZoomFromRecord()
{
  TZoomPanningRecord& zoom = Zoom();
  zoom.Check();
  const auto across = [&](const TChartAxis& axis, int from, int to, double& min, double& max) {
    min = axis.ValueOfPos(from);
    max = axis.ValueOfPos(to);
  };
  double target[8];
  across(BottomAxis(), zoom.X0, zoom.X1, target[0], target[1]);
  across(TopAxis(), zoom.X0, zoom.X1, target[2], target[3]);
  across(LeftAxis(), zoom.Y1, zoom.Y0, target[4], target[5]);
  across(RightAxis(), zoom.Y1, zoom.Y0, target[6], target[7]);
  ZoomValues(target[0], target[1], target[2], target[3], target[4], target[5], target[6], target[7]);
}

void TCustomChart::ZoomValues(double bottomMin, double bottomMax, double topMin, double topMax, double leftMin,
                              double leftMax, double rightMin, double rightMax)
{
  if (axesNotSaved_)
    SaveAxes();
  struct TTarget {
    TChartAxis& Axis;
    double Min;
    double Max;
  };
  TTarget targets[] = {{BottomAxis(), bottomMin, bottomMax},
                       {TopAxis(), topMin, topMax},
                       {LeftAxis(), leftMin, leftMax},
                       {RightAxis(), rightMin, rightMax}};
  if (AnimatedZoom()) {
    const double factor = MouseSettings.AnimatedZoomFactor;
    for (int step = 1; step < AnimatedZoomSteps(); ++step) {
      for (TTarget& t : targets) {
        const double max = t.Axis.Maximum() - (t.Axis.Maximum() - t.Max) / factor;
        const double min = t.Axis.Minimum() + (t.Min - t.Axis.Minimum()) / factor;
        t.Axis.SetMinMax(min, max);
      }
      Repaint();
    }
  }
  for (TTarget& t : targets)
    t.Axis.SetMinMax(t.Min, t.Max);
  SetZoomed(true);
  if (OnZoom)
    OnZoom();
}

// A logarithmic axis refuses a step that would take its minimum to 0 or below.
bool TCustomChart::PanAxis(TCustomChartAxis& axis, int fromPos, int toPos)
{
  const double delta = axis.ValueOfPos(fromPos) - axis.ValueOfPos(toPos);
  double min = axis.Minimum() + delta;
  double max = axis.Maximum() + delta;
  if (axis.Logarithmic() && min <= 0)
    return false;
  bool allow = true;
  if (OnAllowScroll)
    OnAllowScroll(axis, min, max, allow);
  if (allow)
    axis.SetMinMax(min, max);
  return allow;
}

void TCustomChart::PanTo(int x, int y)
{
  TZoomPanningRecord& panning = Panning();
  const TRect r = ChartRect();
  if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom) {
    panning.Active = false;
    return;
  }
  if (x == panning.X1 && y == panning.Y1)
    return;
  if (axesNotSaved_)
    SaveAxes();
  const TPanningMode mode = AllowPanning();
  bool panned = false;
  for (int i = 0; i < AxisCount(); ++i) {
    TCustomChartAxis& axis = AxisAt(i);
    if (axis.IsDepth())
      continue;
    if (axis.Horizontal() && x != panning.X1 && (mode == TPanningMode::pmHorizontal || mode == TPanningMode::pmBoth))
      panned = PanAxis(axis, panning.X1, x) || panned;
    if (!axis.Horizontal() && y != panning.Y1 && (mode == TPanningMode::pmVertical || mode == TPanningMode::pmBoth))
      panned = PanAxis(axis, panning.Y1, y) || panned;
  }
  panning.X1 = x;
  panning.Y1 = y;
  if (!panned)
    return;
  if (OnScroll)
    OnScroll();
  Invalidate();
}

// The rubber band in not-xor over the picture shown: drawing it twice leaves the picture as it was.
void TCustomChart::DrawZoomBand()
{
  const bool drawn = DrawOnShownPicture([this] {
    DrawZoomRectangle();
    Canvas().Pen().SetMode(platform::TPenMode::pmCopy);
  });
  if (!drawn)
    Invalidate();
}

}  // namespace chart
