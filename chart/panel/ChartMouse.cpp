// Clicks on the chart's parts, and the mouse starting, driving and ending a zoom or a pan.
#include "chart/model/ChartSeries.h"
#include "chart/panel/CustomChart.h"

#include <cstdlib>

namespace chart {

namespace {

constexpr platform::TShiftState kShiftKeys = platform::ssShift | platform::ssAlt | platform::ssCtrl;
constexpr int kMinZoomPixels = 16;  // a smaller rectangle is no zoom

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

TChartClickedPart TCustomChart::ClickedPart(int x, int y) const
{
  // The legend lies over the rest: it answers first.
  if (legendDrawn_ && legend_->Visible()) {
    const int item = legend_->ClickedItem(x, y);
    if (item != -1)
      return {TChartClickedPartStyle::cpLegend, item, nullptr, nullptr};
  }
  bool anyActive = false;
  for (int i = SeriesCount() - 1; i >= 0; --i) {
    TChartSeries& s = SeriesAt(i);
    if (!s.Active())
      continue;
    anyActive = true;
    const int index = s.Clicked(x, y);
    if (index != -1)
      return {TChartClickedPartStyle::cpSeries, index, &s, nullptr};
  }
  if (AxisVisible())
    for (int i = 0; i < AxisCount(); ++i)
      if (AxisAt(i).IsPointOnAxis(x, y))
        return {TChartClickedPartStyle::cpAxis, -1, nullptr, &AxisAt(i)};
  if (title_->Clicked(x, y))
    return {TChartClickedPartStyle::cpTitle, -1, nullptr, nullptr};
  if (foot_->Clicked(x, y))
    return {TChartClickedPartStyle::cpFoot, -1, nullptr, nullptr};
  if (anyActive && Inside(ChartRect(), x, y))
    return {TChartClickedPartStyle::cpChartRect, -1, nullptr, nullptr};
  return {};
}

// Runs a click event with the cancel flag set; the click is handled when the flag stays set. The
// flags come back whatever the handler does, so a handler that fails leaves the chart listening.
bool TCustomChart::RunClickEvent(const std::function<void()>& event)
{
  struct TRunning {
    bool& Flag;
    explicit TRunning(bool& flag) : Flag(flag) { Flag = true; }
    ~TRunning() { Flag = false; }
  };
  cancelMouse_ = true;
  {
    TRunning running(clickEventRunning_);
    event();
  }
  return cancelMouse_;
}

bool TCustomChart::StartZoomOrPanning(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  const platform::TShiftState keys = shift & kShiftKeys;
  bool started = false;
  if (AllowZoom() && button == MouseSettings.ZoomButton && keys == MouseSettings.ZoomShift) {
    SetCursorNumber(platform::crDefault);
    Zoom().Init(x, y);
    DrawZoomBand();
    started = true;
  }
  if (AllowPanning() != TPanningMode::pmNone && button == MouseSettings.PanningButton &&
      keys == MouseSettings.PanningShift) {
    SetCursorNumber(platform::crDefault);
    Panning().Init(x, y);
    started = true;
  }
  return started;
}

bool TCustomChart::DispatchClick(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  const TChartClickedPart part = ClickedPart(x, y);
  bool handled = false;
  bool backgroundRan = false;
  switch (part.Part) {
  case TChartClickedPartStyle::cpLegend:
    if (OnClickLegend)
      handled = RunClickEvent([&] { OnClickLegend(*this, button, shift, x, y); });
    break;
  case TChartClickedPartStyle::cpAxis:
    if (OnClickAxis)
      handled = RunClickEvent([&] { OnClickAxis(*this, *part.AAxis, button, shift, x, y); });
    if (!handled)
      handled = StartZoomOrPanning(button, shift, x, y);
    break;
  case TChartClickedPartStyle::cpSeries: {
    TChartSeries& series = *part.ASeries;
    RunClickEvent([&] { handled = series.ClickedEvent(series, part.PointIndex, button, shift, x, y); });
    if (!handled && OnClickSeries)
      handled = RunClickEvent([&] { OnClickSeries(*this, series, part.PointIndex, button, shift, x, y); });
    if (!handled)
      handled = StartZoomOrPanning(button, shift, x, y);
    break;
  }
  case TChartClickedPartStyle::cpChartRect:
    if (OnClickBackground) {
      backgroundRan = true;
      handled = RunClickEvent([&] { OnClickBackground(*this, button, shift, x, y); });
    }
    if (!handled)
      handled = StartZoomOrPanning(button, shift, x, y);
    break;
  default: break;
  }
  if (!handled && !backgroundRan && OnClickBackground)
    handled = RunClickEvent([&] { OnClickBackground(*this, button, shift, x, y); });
  return handled;
}

void TCustomChart::MouseDown(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  TCustomAxisPanel::MouseDown(button, shift, x, y);
  if (Zoom().Active || Panning().Active || clickEventRunning_)
    return;
  struct TClearCancel {
    bool& Flag;
    ~TClearCancel() { Flag = false; }
  } clear{cancelMouse_};
  DispatchClick(button, shift, x, y);
}

void TCustomChart::MouseMove(platform::TShiftState shift, int x, int y)
{
  TCustomAxisPanel::MouseMove(shift, x, y);
  TZoomPanningRecord& zoom = Zoom();
  if (zoom.Active) {
    if (x != zoom.X1 || y != zoom.Y1) {
      DrawZoomBand();
      zoom.X1 = x;
      zoom.Y1 = y;
      DrawZoomBand();
    }
    return;
  }
  if (Panning().Active) {
    PanTo(x, y);
    return;
  }
  ShowSeriesCursor(x, y);
}

void TCustomChart::ShowSeriesCursor(int x, int y)
{
  bool cursorSet = false;
  for (int i = 0; i < SeriesCount() && !cursorSet; ++i) {
    TChartSeries& s = SeriesAt(i);
    if (s.Active() && s.Cursor() != platform::crDefault && s.Clicked(x, y) != -1) {
      SetCursorNumber(s.Cursor());
      cursorSet = true;
    }
  }
  for (int i = 0; i < SeriesCount(); ++i)
    SeriesAt(i).MouseMoveEvent();
  if (!cursorSet)
    SetCursorNumber(OriginalCursor());
}

void TCustomChart::MouseUp(platform::TMouseButton button, platform::TShiftState shift, int x, int y)
{
  TCustomAxisPanel::MouseUp(button, shift, x, y);
  for (int i = 0; i < SeriesCount(); ++i)
    SeriesAt(i).MouseUpEvent();
  TZoomPanningRecord& zoom = Zoom();
  if (zoom.Active && button == MouseSettings.ZoomButton) {
    zoom.Active = false;
    DrawZoomBand();
    Canvas().Pen().SetMode(platform::TPenMode::pmCopy);
    zoom.X1 = x;
    zoom.Y1 = y;
    if (std::abs(zoom.X1 - zoom.X0) > kMinZoomPixels && std::abs(zoom.Y1 - zoom.Y0) > kMinZoomPixels) {
      if (zoom.X0 < zoom.X1 && zoom.Y0 < zoom.Y1)
        ZoomFromRecord();
      else
        UndoZoom();
    }
    Invalidate();
  }
  Panning().Active = false;
}

}  // namespace chart
