// Placement of the series legend: inside the plot at a world point, in rows above or below the
// plot, or in one column beside it; the scroll strip when the column is longer than the plot.
#include "plot/graph/Graph.h"
#include "plot/parts/Legend.h"
#include "plot/support/GraphLibrary.h"

#include "platform/CanvasRounding.h"
#include "platform/ScrollStrip.h"

#include <cmath>

namespace plot {

using platform::SafeRound;
using platform::TRect;

void TWLegend::LayoutEntries(TRect& r, bool again)
{
  if (Entries.empty() || !GetVisible())
    return;
  const TRect onEntry = r;
  if (Style == lsInside)
    PlaceInside(Graph->PlotRect);
  else if (Style == lsBottom || Style == lsTop)
    LayoutRows(r);
  else
    LayoutColumn(r);
  UpdateScrollStrip(r, onEntry, again);
}

// An anchor that can't be converted keeps the last position; one outside the plot rectangle
// goes to its top-left corner.
void TWLegend::PlaceInside(const TRect& plotRect)
{
  if (Entries.empty() || !GetVisible())
    return;
  const double x = Graph->IsXLog() ? std::pow(10.0, InsideX) : InsideX;
  const double y = Graph->IsYLog() ? std::pow(10.0, InsideY) : InsideY;
  if (std::isfinite(x) && std::isfinite(y)) {
    BoxRect.Left = Graph->XToScreen(x);
    BoxRect.Top = Graph->YToScreen(y);
  }
  if (BoxRect.Top < plotRect.Top || BoxRect.Top > plotRect.Bottom)
    BoxRect.Top = plotRect.Top;
  if (BoxRect.Left < plotRect.Left || BoxRect.Left > plotRect.Right)
    BoxRect.Left = plotRect.Left;
  const int lineHeight = GetLineHeight();
  BoxRect.Right = BoxRect.Left + SafeRound(1.05 * GetMaxEntryWidth());
  int s = 0;
  for (const auto& entry : Entries) {
    if (!Shown(*entry))
      continue;
    entry->SetPosition(BoxRect.Left, BoxRect.Top + s + entry->GetHeight() / 4);
    s += lineHeight;
  }
  BoxRect.Bottom = BoxRect.Top + s + lineHeight / 4;
}

// Rows of as many entries as fit, max(1, width div W); hidden entries take no place.
void TWLegend::LayoutRows(TRect& r)
{
  const int u = Graph->UnitHeight;
  const int ft = FrameThickness;
  const int st = ShadowThickness;
  const int w = GetMaxEntryWidth();
  const int lineHeight = GetLineHeight();
  TRect& b = BoxRect;
  b.Left = r.Left + u * ft;
  b.Right = r.Right - 2 * u * ft - u * st;
  b.Bottom = r.Bottom - SafeRound(0.02 * (r.Bottom - r.Top));
  b.Top = r.Top + SafeRound(0.01 * (r.Bottom - r.Top));
  if (Style == lsBottom) {
    r.Bottom -= 2 * u * ft + u * st;
    b.Bottom -= u * ft + u * st;
  } else {
    r.Top += 2 * u * ft + u * st;
    b.Top += u * ft;
  }

  const int count = GetCount();
  const int width = b.Right - b.Left;
  int s = 0;
  int i = 0;
  while (i < count) {
    if (!Shown(*Entries[i])) {
      ++i;
      continue;
    }
    Entries[i]->SetPosition(b.Left, s);
    int used = w;
    ++i;
    while (i < count && width > used) {
      if (!Shown(*Entries[i])) {
        ++i;
        continue;
      }
      if (used + w > width)
        break;  // this entry starts the next row
      Entries[i]->SetPosition(b.Left + used, s);
      used += w;
      ++i;
    }
    s += lineHeight;
  }

  if (Style == lsBottom) {
    b.Top = b.Bottom - s;
    r.Bottom -= SafeRound(s + 0.02 * (r.Bottom - r.Top));
  } else {
    b.Bottom = b.Top + s;
    r.Bottom -= 2 * u * ft + u * st;
    r.Top += s + SafeRound(0.02 * (r.Bottom - r.Top));
  }
  for (const auto& entry : Entries)
    entry->SetPosition(entry->X, entry->Y + b.Top);
}

void TWLegend::LayoutColumn(TRect& r)
{
  const int u = Graph->UnitHeight;
  const int ft = FrameThickness;
  const int st = ShadowThickness;
  const int w = GetMaxEntryWidth();
  const int lineHeight = GetLineHeight();
  const bool onPaper = PrinterPrinting() || GraphLibrary().PrintPreviewing;
  TRect& b = BoxRect;
  VisibleLines = 0;
  int l0 = r.Left;
  if (Style == lsLeft) {
    b.Left = r.Left + SafeRound(0.01 * (r.Right - r.Left));
    if (onPaper)
      l0 = 0;
    b.Right = r.Right - SafeRound(0.01 * (r.Right - r.Left));
    r.Left += 2 * u * ft + u * st;
    b.Left += u * ft;
    b.Right += u * ft;
  } else {
    b.Left = r.Right - u * (ft + 1);
    b.Right = r.Right - u * (ft + 4);
    r.Right -= 2 * u * (ft + 1) + 2 * u * st;
  }
  b.Top = r.Top;
  b.Bottom = r.Bottom;

  int s = 0;
  for (const auto& entry : Entries) {
    if (!Shown(*entry))
      continue;
    const int y = b.Top + s + entry->GetHeight() / 4;
    if (Style == lsLeft)
      entry->SetPosition(b.Left, y);
    else {
      int x = b.Right - w;
      if (Graph->YAxis2->GetVisible())
        x -= 4 * u;
      if (Graph->View3D != 0)
        x += Graph->Depth;
      entry->SetPosition(x, y);
    }
    s += lineHeight;
  }
  for (int k = 0; k < GetCount() && b.Top + k * lineHeight <= Graph->PlotRect.Bottom; ++k)
    ++VisibleLines;
  s += SafeRound(0.25 * lineHeight);

  if (Style == lsLeft) {
    b.Right = b.Left + w;
    b.Bottom = b.Top + s;
    r.Left = b.Left + w + l0 + SafeRound(0.01 * (r.Right - r.Left)) + u * st;
    if (!onPaper)
      r.Left = b.Right + SafeRound(0.01 * (r.Right - r.Left));
  } else {
    b.Left = b.Left - w - u * st;
    b.Bottom = b.Top + s;
    r.Right -= w + SafeRound(0.01 * (r.Right - r.Left));
    if (Graph->View3D != 0) {
      b.Left += Graph->Depth;
      b.Right += Graph->Depth;
    }
  }
}

// The strip shows while some but not all lines fit; when it comes or goes, the layout runs again
// from the rectangle it had on entry, with the strip's width taken off or given back.
void TWLegend::UpdateScrollStrip(TRect& r, const TRect& onEntry, bool again)
{
  if (!ScrollStrip)
    return;
  platform::TScrollStrip& strip = *ScrollStrip;
  strip.SetMax(GetCount() - 1);
  const bool wasVisible = strip.StripVisible();
  if (VisibleLines > 0 && VisibleLines < GetCount()) {
    strip.SetStripVisible(true);
    strip.SetBarVisible(true);
    strip.SetBarHeight(strip.StripHeight() - 2);
    strip.SetLargeChange(VisibleLines);
    if (!again && !wasVisible) {
      r = onEntry;
      r.Right -= strip.StripWidth();
      LayoutEntries(r, true);
    }
    return;
  }
  strip.SetStripVisible(false);
  if (!again && wasVisible) {
    r = onEntry;
    r.Right += strip.StripWidth();
    LayoutEntries(r, true);
  }
}

}  // namespace plot
