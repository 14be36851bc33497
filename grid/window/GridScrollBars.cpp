// The grid's window scroll bars count positions in the visible lists, so hidden columns and rows
// take no thumb travel; more than 32767 positions map proportionally onto the bar. Updates wait
// while the grid may not paint directly and run after the next paint.

#include "grid/window/CellGeometry.h"
#include "grid/window/GridAxis.h"

#include "platform/ScrollBars.h"

#include <algorithm>
#include <cmath>

namespace grid {

using namespace platform;

namespace {

constexpr int kMaxBarRange = 32767;

int RoundHalfEven(double value) { return int(std::nearbyint(value)); }

bool StyleHas(TScrollStyle style, bool vertical)
{
  return style == TScrollStyle::ssBoth ||
         style == (vertical ? TScrollStyle::ssVertical : TScrollStyle::ssHorizontal);
}

}  // namespace

TtsScrollGeometry TtsBaseGrid::ScrollGeometry(bool vertical) const
{
  const TtsGridAxis axis{*this, vertical};
  TtsScrollGeometry g;
  g.First = axis.PositionOf(axis.Fixed());
  g.Last = axis.ListCount();
  g.Count = g.Last - g.First + 1;
  g.Range = std::min(kMaxBarRange, g.Count);
  if (g.Range < g.Count) {
    const int maxPos = MaxPosOf(vertical);
    g.Proportional = true;
    g.Count = maxPos - g.First;
    g.Range = std::min(kMaxBarRange, maxPos - g.First);
  }
  return g;
}

TtsScrollGeometry TtsBaseGrid::GetVertScrollGeometry() const { return ScrollGeometry(true); }
TtsScrollGeometry TtsBaseGrid::GetHorzScrollGeometry() const { return ScrollGeometry(false); }

int TtsBaseGrid::ThumbPos(bool vertical) const
{
  const TtsScrollGeometry g = ScrollGeometry(vertical);
  if (g.Count <= 0)
    return 1;
  const TtsGridAxis axis{*this, vertical};
  const int p = axis.PositionOf(axis.First());
  if (g.Proportional) {
    const int t = RoundHalfEven(double(g.Range) / double(g.Count) * double(p - g.First));
    return t > g.Last ? g.Last : t;
  }
  const int t = p - g.First + 1;
  return t > g.Last ? MaxPosOf(vertical) : t;
}

int TtsBaseGrid::VertThumbPos() const { return ThumbPos(true); }
int TtsBaseGrid::HorzThumbPos() const { return ThumbPos(false); }

namespace {

// The thumb's share of the bar: the positions shown from the last top position on.
int PageOf(int range, int count, int last, int maxPos)
{
  if (count == 0)
    return 0;
  return std::max(1, RoundHalfEven(double(last - maxPos + 1) / double(count) * double(range)));
}

}  // namespace

int TtsBaseGrid::PageSize(bool vertical, const TtsScrollGeometry& g) const
{
  return PageOf(g.Range, g.Count, g.Last, MaxPosOf(vertical));
}

int TtsBaseGrid::VertPageSize(int range, int count, int last) const { return PageOf(range, count, last, MaxPosOf(true)); }

// The test for the client extent, less the other bar when it always shows but does not yet.
bool TtsBaseGrid::VertScrollBarNeeded() const
{
  const bool horzComing = StyleHas(scrollBars_, false) && StyleHas(alwaysShowScrollBar_, false) && !ScrollBarShown(SB_HORZ);
  return NeedsVertScrollBar(*this, ClientHeight() - (horzComing ? kScrollBarSize : 0));
}

bool TtsBaseGrid::HorzScrollBarNeeded() const
{
  const bool vertComing = StyleHas(scrollBars_, true) && StyleHas(alwaysShowScrollBar_, true) && !ScrollBarShown(SB_VERT);
  return NeedsHorzScrollBar(*this, ClientWidth() - (vertComing ? kScrollBarSize : 0));
}

void TtsBaseGrid::ShowBar(int bar, bool needed)
{
  const bool vertical = bar == SB_VERT;
  bool& shown = vertical ? vertBarShown_ : horzBarShown_;
  if (needed) {
    const TtsScrollGeometry g = ScrollGeometry(vertical);
    TScrollInfo info;
    info.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.Min = g.Proportional ? 0 : 1;
    info.Max = g.Range;
    info.Page = g.Count == 0 ? 0 : g.Proportional ? 1 : PageSize(vertical, g);
    info.Pos = ThumbPos(vertical);
    shown = true;
    const TScrollInfo now = GetScrollInfo(bar);
    if (now.Min != info.Min || now.Max != info.Max || now.Page != info.Page || now.Pos != info.Pos ||
        !ScrollBarShown(bar))
      SetScrollInfo(bar, info);
    EnableScrollBar(bar, true);
    ShowScrollBar(bar, true);
    return;
  }
  const bool keep = StyleHas(alwaysShowScrollBar_, vertical) && StyleHas(scrollBars_, vertical);
  if (!shown && !keep)
    return;
  shown = keep;
  if (keep) {
    ShowScrollBar(bar, true);
    EnableScrollBar(bar, false);
  } else {
    ShowScrollBar(bar, false);
  }
}

void TtsBaseGrid::UpdateScrollBars()
{
  if (!constructed_)
    return;
  if (!CanPaintDirect()) {
    scrollBarsPending_ = true;
    return;
  }
  scrollBarsPending_ = false;
  // A bar that comes or goes changes the other direction's room: a second pass settles it.
  for (int pass = 0; pass < 2; ++pass) {
    const bool horz = horzBarShown_;
    const bool vert = vertBarShown_;
    ShowBar(SB_HORZ, HorzScrollBarNeeded());
    ShowBar(SB_VERT, VertScrollBarNeeded());
    if (horz == horzBarShown_ && vert == vertBarShown_)
      break;
  }
}

void TtsBaseGrid::UpdateScrollPos()
{
  if (!constructed_ || scrollBars_ == TScrollStyle::ssNone)
    return;
  if (!CanPaintDirect()) {
    scrollPosPending_ = true;
    return;
  }
  scrollPosPending_ = false;
  for (const bool vertical : {false, true}) {
    const int bar = vertical ? SB_VERT : SB_HORZ;
    if (StyleHas(scrollBars_, vertical) && ThumbPos(vertical) != GetScrollPos(bar))
      SetScrollPos(bar, ThumbPos(vertical));
  }
}

void TtsBaseGrid::SetScrollBars(TScrollStyle style)
{
  if (style == scrollBars_)
    return;
  scrollBars_ = style;
  UpdateScrollBars();
  UpdateScrollPos();
}

void TtsBaseGrid::SetAlwaysShowScrollBar(TScrollStyle style)
{
  if (style == alwaysShowScrollBar_)
    return;
  alwaysShowScrollBar_ = style;
  UpdateScrollBars();
}

}  // namespace grid
