// One picture of the axis panel, in its fixed order, and the series' depth slices.
#include "chart/model/ChartSeries.h"
#include "chart/model/SeriesMarks.h"
#include "chart/panel/CustomAxisPanel.h"

#include <algorithm>
#include <vector>

namespace chart {

void TCustomAxisPanel::InternalDraw(const TRect& bounds)
{
  PaintPanel(bounds);
  for (TChartSeries* s : series_)
    if (s->Active())
      s->DoBeforeDrawChart();
  DrawTitlesAndLegend();
  CalcZOrders();
  CalcChartRect();
  SetDepthSlices();
  CalcSeriesMargins();
  Canvas().SetProjection(Width3D(), ChartBounds(), ChartRect());
  DrawWalls();
  if (axisVisible_)
    DrawAxes();
  if (OnBeforeDrawSeries)
    OnBeforeDrawSeries();
  for (TChartSeries* s : series_)
    if (s->Active())
      DrawSeries(*s);
  if (Zoom().Active)
    DrawZoomRectangle();
  if (OnAfterDraw)
    OnAfterDraw();
}

// In 3-D the first series of the list goes to the back; series may share a z order.
void TCustomAxisPanel::CalcZOrders()
{
  maxZOrder_ = 0;
  const bool is3D = View3D();
  if (is3D) {
    maxZOrder_ = -1;
    for (TChartSeries* s : series_)
      if (s->Active())
        s->CalcZOrder();
  }
  for (TChartSeries* s : series_)
    if (s->Active())
      s->SetZOrder(is3D ? maxZOrder_ - s->ZOrder() : 0);
}

void TCustomAxisPanel::CalcChartRect()
{
  for (const auto& axis : axes_)
    axis->AdjustMaxMin();
  CalcSize3D();
  TRect r = ChartRect();
  // The oblique box of an orthogonal 3-D view fits inside the rectangle.
  if (View3D() && View3DOptions().Orthogonal()) {
    const int depth = BackWallDepth() + Width3D();
    r.Right -= depth;
    r.Top += depth;
    SetChartRect(r);
    RecalcWidthHeight();
    r = ChartRect();
  }
  for (const auto& axis : axes_) {
    if (!IsAxisVisible(*axis))
      continue;
    TRect room = r;
    axis->CalcRect(room, true);
    if (std::max(room.Left, r.Left) < std::min(room.Right, r.Right) &&
        std::max(room.Top, r.Top) < std::min(room.Bottom, r.Bottom))
      r = room;
  }
  SetChartRect(r);
  RecalcWidthHeight();
  r = ChartRect();
  for (const auto& axis : axes_) {
    if (axis->IsDepth())
      axis->SetPixelRange(0, Width3D());
    else
      axis->CalcPixelRange();
    TRect placed = r;
    axis->CalcRect(placed, false);
  }
}

void TCustomAxisPanel::SetDepthSlices()
{
  for (TChartSeries* s : series_) {
    if (!s->Active())
      continue;
    s->DepthStart = seriesWidth3D_ * s->ZOrder();
    s->DepthEnd = s->DepthStart + seriesWidth3D_;
    s->DepthMiddle = (s->DepthStart + s->DepthEnd) / 2;
    s->Marks().SetZPosition(s->DepthMiddle);
  }
}

void TCustomAxisPanel::DrawAxes()
{
  if (OnBeforeDrawAxes)
    OnBeforeDrawAxes();
  for (const auto& axis : axes_)
    if (IsAxisVisible(*axis))
      DrawAxis(*axis);
}

void TCustomAxisPanel::DrawAxis(TCustomChartAxis& axis) { axis.Draw(true); }

// Returns whether it clipped: an unclipped series leaves the canvas' clipping (a printed page's) alone.
bool TCustomAxisPanel::ClipSeries()
{
  if (!clipPoints_ || !CanClip())
    return false;
  Canvas().ClipBox3D(ChartRect(), 0, Width3D());
  return true;
}

void TCustomAxisPanel::DrawSeriesMarks(TChartSeries& series)
{
  if (!series.Marks().Visible())
    return;
  const bool clipped = series.Marks().Clip() && ClipSeries();
  series.DrawMarks();
  if (clipped)
    Canvas().RemoveClipping();
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series)
{
  if (View3D() && series.MoreSameSeries()) {
    if (series.FirstInZOrder())
      DrawSeriesGroup(series);
    return;
  }
  series.CalcVisibleRange();
  if (series.FirstVisibleIndex() == -1)
    return;
  series.DoBeforeDrawValues();
  const bool clipped = ClipSeries();
  series.DrawAllValues();
  if (clipped)
    Canvas().RemoveClipping();
  DrawSeriesMarks(series);
  series.DoAfterDrawValues();
}

// Series sharing a z order are drawn together point by point, so that none hides the others whole.
void TCustomAxisPanel::DrawSeriesGroup(TChartSeries& first)
{
  std::vector<TChartSeries*> group;
  int low = -1;
  int high = -1;
  for (int i = series_.IndexOf(first); i < series_.Count(); ++i) {
    TChartSeries& s = series_[i];
    if (!s.Active() || s.ZOrder() != first.ZOrder())
      continue;
    s.CalcVisibleRange();
    group.push_back(&s);
    if (s.FirstVisibleIndex() == -1)
      continue;
    low = low == -1 ? s.FirstVisibleIndex() : std::min(low, s.FirstVisibleIndex());
    high = std::max(high, s.LastVisibleIndex());
  }
  for (TChartSeries* s : group)
    s->DoBeforeDrawValues();
  const bool clipped = ClipSeries();
  const auto drawIndex = [&](int index) {
    const bool reverse = index < first.Count() && !first.DrawValueForward(index);
    const auto draw = [index](TChartSeries* s) {
      if (s->Count() > index)
        s->DrawValue(index);
    };
    if (reverse)
      std::for_each(group.rbegin(), group.rend(), draw);
    else
      std::for_each(group.begin(), group.end(), draw);
  };
  if (low != -1) {
    if (first.DrawValuesForward())
      for (int index = low; index <= high; ++index) drawIndex(index);
    else
      for (int index = high; index >= low; --index) drawIndex(index);
  }
  if (clipped)
    Canvas().RemoveClipping();
  for (TChartSeries* s : group) {
    if (s->FirstVisibleIndex() == -1)
      continue;
    DrawSeriesMarks(*s);
    s->DoAfterDrawValues();
  }
}

}  // namespace chart
