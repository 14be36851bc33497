// The legend's layout: its rectangle beside the plot, its columns and rows, and the room it takes
// from the chart rectangle.
#include "chart/panel/ChartLegend.h"

#include "chart/panel/CustomAxisPanel.h"
#include "platform/CanvasRounding.h"

#include <algorithm>
#include <vector>

namespace chart {

int TCustomChartLegend::FrameWidth() const { return frame_->Width(); }

int TCustomChartLegend::FrameRoom() const { return frame_->Visible() ? frame_->Width() + 1 : 0; }

int TCustomChartLegend::CalcMaxRows(int start, int itemSize) const
{
  if (itemSize <= 0)
    return 0;
  const int room = IsVertical() ? chart_.ChartRect().Bottom - 2 * FrameWidth() - start
                                : chart_.ChartWidth() - 2 * FrameWidth() - start;
  if (room <= 0)
    return 0;
  return std::min(room / itemSize, TotalLegendItems());
}

void TCustomChartLegend::Draw()
{
  ResolveStyle();
  chart_.SetLegendColor(color_);
  chart_.AssignFont(Font());
  TLayout layout;
  layout.FontHeight = chart_.Canvas().FontHeight();
  itemHeight_ = layout.FontHeight;
  LayOut(layout);
  if (OnGetLegendRect)
    OnGetLegendRect(chart_, rect_);
  shownItems_ = std::max(0, std::min(layout.Items, layout.Places));
  if (layout.Places <= 0)
    return;
  DrawBackground();
  DrawItems(layout);
  if (resizeChart_)
    ShrinkChartRect();
}

void TCustomChartLegend::LayOut(TLayout& layout)
{
  // Only the items that can be shown are measured: a side legend's widths come with its rows, a top
  // or bottom legend's with its columns.
  layout.Items = TotalLegendItems();
  const int h = layout.FontHeight;
  const TRect chartRect = chart_.ChartRect();
  const TRect& bounds = chart_.ChartBounds();
  switch (alignment_) {
  case TLegendAlignment::laTop:
    rect_.Top = chartRect.Top + FrameRoom();
    LayOutColumns(layout);
    rect_.Bottom = rect_.Top + numRows_ * h + 2;
    break;
  case TLegendAlignment::laBottom:
    rect_.Bottom = chartRect.Bottom - shadowSize_ - FrameRoom();
    LayOutColumns(layout);
    rect_.Top = rect_.Bottom - numRows_ * h - 2;
    break;
  default:
    rect_.Top = bounds.Top + platform::SafeRound(topPos_ * bounds.Height() / 100.0);
    numCols_ = 1;
    numRows_ = CalcMaxRows(rect_.Top, h);
    rect_.Bottom = rect_.Top + numRows_ * h + 2;
    break;
  }
  LayOutAcross(layout);
}

// A top or bottom legend: the most columns that fit across the chart when each is as wide as the
// widest text among the items they show, then the rows they need (at most MaxNumRows).
void TCustomChartLegend::LayOutColumns(TLayout& layout)
{
  const int items = layout.Items;
  const auto rowsFor = [&](int columns) {
    return std::max(0, std::min(items / columns + (items % columns > 0 ? 1 : 0), maxNumRows_));
  };
  const TTeeCanvas3D& canvas = chart_.Canvas();
  std::vector<int> widest;  // widest[k]: the widest text of the first k + 1 items from FirstValue on
  const auto widestOf = [&](int count) {
    while (static_cast<int>(widest.size()) < count) {
      const int index = firstValue_ + static_cast<int>(widest.size());
      const int width = canvas.TextWidthOf(LegendText(index));
      widest.push_back(widest.empty() ? width : std::max(widest.back(), width));
    }
    return count > 0 ? widest[count - 1] : 0;
  };
  const auto symbolFor = [this](int textWidth) { return platform::SafeRound(textWidth * colorWidth_ / 100.0); };
  const auto columnsFor = [&](int textWidth) { return CalcMaxRows(8, textWidth + symbolFor(textWidth) + 8); };
  // More columns show more items, never narrower ones: the first count that does not fit ends the search.
  numCols_ = 0;
  while (numCols_ < items) {
    const int next = numCols_ + 1;
    if (columnsFor(widestOf(std::min(items, next * rowsFor(next))) + 4) < next)
      break;
    numCols_ = next;
  }
  numRows_ = numCols_ > 0 ? rowsFor(numCols_) : 0;
  layout.TextWidth = widestOf(std::min(items, numCols_ * numRows_)) + 4;
  symbolWidth_ = symbolFor(layout.TextWidth);
}

void TCustomChartLegend::LayOutAcross(TLayout& layout)
{
  const TRect chartRect = chart_.ChartRect();
  const auto symbolFor = [this](int textWidth) {
    return platform::SafeRound((textWidth + 10) * colorWidth_ / 100.0);
  };
  switch (alignment_) {
  case TLegendAlignment::laLeft:
    layout.TextWidth = MaxLegendTextWidth(numRows_);
    rect_.Left = chartRect.Left + FrameRoom();
    layout.SymbolLeft = rect_.Left + 4;
    symbolWidth_ = symbolFor(layout.TextWidth);
    layout.TextLeft = rect_.Left + 4 + symbolWidth_ + 4;
    rect_.Right = rect_.Left + 4 + symbolWidth_ + layout.TextWidth + 6;
    layout.Places = numRows_;
    break;
  case TLegendAlignment::laRight:
    layout.TextWidth = MaxLegendTextWidth(numRows_);
    rect_.Right = chartRect.Right - FrameRoom() - shadowSize_;
    layout.TextLeft = rect_.Right - layout.TextWidth - 2;
    symbolWidth_ = symbolFor(layout.TextWidth);
    layout.SymbolLeft = layout.TextLeft - symbolWidth_ - 4;
    rect_.Left = layout.TextLeft - symbolWidth_ - 8;
    layout.Places = numRows_;
    break;
  default: {
    const int width = std::min(chart_.ChartWidth(),
                               2 * shadowSize_ + (symbolWidth_ + layout.TextWidth + 4) * numCols_ + 8);
    const int offset = platform::SafeRound(topPos_ * (chart_.ChartBounds().Width() - width) / 100.0);
    const int centre = chart_.ChartXCenter();
    rect_.Left = offset + centre - width / 2;
    rect_.Right = offset + width / 2 + centre;
    // The offset is taken from the centre: past half way it would push the legend off the chart.
    const int over = rect_.Right - chart_.ChartBounds().Right;
    if (over > 0) {
      rect_.Left -= over;
      rect_.Right -= over;
    }
    layout.SymbolLeft = rect_.Left + 4;
    layout.TextLeft = rect_.Left + symbolWidth_ + 8;
    layout.Places = numCols_ * numRows_;
    break;
  }
  }
}

// The legend's side of the chart rectangle, then a margin beside it.
void TCustomChartLegend::ShrinkChartRect()
{
  TRect r = chart_.ChartRect();
  const int horiz = horizMargin_ != 0 ? horizMargin_ : platform::MulDiv(3, chart_.ChartWidth(), 100);
  const int vert = vertMargin_ != 0 ? vertMargin_ : platform::MulDiv(4, chart_.ChartHeight(), 100);
  switch (alignment_) {
  case TLegendAlignment::laLeft: r.Left = rect_.Right + horiz; break;
  case TLegendAlignment::laRight: r.Right = rect_.Left - horiz; break;
  case TLegendAlignment::laTop: r.Top = rect_.Bottom + shadowSize_ + vert; break;
  case TLegendAlignment::laBottom: r.Bottom = rect_.Top - vert; break;
  }
  chart_.SetChartRect(r);
  chart_.RecalcWidthHeight();
}

}  // namespace chart
