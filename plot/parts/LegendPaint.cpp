// Drawing of the series legend: shadow, frame and background, then each shown entry.
#include "plot/graph/Graph.h"
#include "plot/parts/Legend.h"

#include <algorithm>
#include <array>

namespace plot {

using platform::TPoint;
using platform::TRect;

void TWLegend::Draw()
{
  if (Entries.empty() || !GetVisible())
    return;
  const bool anyShown = std::any_of(Entries.begin(), Entries.end(), [](const auto& entry) {
    return entry->GetVisible();
  });
  if (!anyShown)
    return;
  Graph->ResetClip();
  if (Style != lsBottom)
    Graph->SetClipAbovePlotBottom();

  platform::TCanvas& canvas = Graph->TargetCanvas();
  const int u = Graph->UnitHeight;
  const int ft = FrameThickness;
  const int st = ShadowThickness;
  const TRect& b = BoxRect;
  const int d = Style == lsRight ? -u * st : 0;
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  if (st > 0 && ShadowVisible) {
    const int e = u * st;
    Graph->SetPenColor(ShadowColor);
    for (int k = 0; k <= e; ++k) {
      const int x = b.Right + k + u * (ft + 2) + d;
      const int y = b.Bottom + k + u * ft;
      const std::array<TPoint, 3> shadow = {TPoint{x, b.Top + e - u * (ft - 1)}, TPoint{x, y}, TPoint{b.Left + e + d, y}};
      canvas.Polyline(shadow);
    }
  }

  Graph->SetBrushColor(GetColor());
  Graph->SetPenColor(FrameColor);
  Graph->SetBrushStyle(TransparentBackGround ? platform::TBrushStyle::bsClear : platform::TBrushStyle::bsSolid);
  if (FrameVisible) {
    const int h = ft / 2;
    canvas.Pen().SetStyle(FrameStyle);
    canvas.Pen().SetWidth(ft);
    canvas.Rectangle(b.Left + d - u * h, b.Top - u * (h - 1), b.Right + d + u * (h + 2), b.Bottom + u * h);
  } else {
    canvas.Pen().SetStyle(platform::TPenStyle::psClear);
    canvas.Rectangle(b.Left + d, b.Top, b.Right, b.Bottom);
  }

  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(platform::TPenStyle::psSolid);
  canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
  for (const auto& entry : Entries)
    if (entry->GetVisible())
      entry->Draw();
  Graph->ResetClip();
}

}  // namespace plot
